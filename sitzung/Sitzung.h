#pragma once
// The state of one run of the program and every command on it. A front end
// reads its controls, calls waehlen() once per chosen menu entry, and shows
// the Antwort: it never decides a refusal, writes a message or works out a
// menu state of its own.
#include "key/Positionstabelle.h"
#include "key/Schluessel.h"
#include "key/Zufallsgenerator.h"
#include "picture/Abmessungen.h"
#include "picture/Bildflaeche.h"
#include "sitzung/Bedienung.h"
#include "sitzung/Menue.h"
#include "sitzung/Positionsspeicher.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace sitzung {

// What a command asks the front end to show. Texts are UTF-8.
struct Antwort {
    // Whether the entry could be chosen; one that cannot changes nothing and
    // answers nothing else.
    bool gewaehlt = true;
    // A message box titled kProgrammtitel with one OK button, or empty for
    // none: a refusal (warnung, after which nothing has changed) or the
    // picture information (no icon).
    std::string meldung;
    bool warnung = false;
    bool bildGeaendert = false;         // the working copy must be drawn again
    std::int64_t neueZeilen = 0;        // lines appended at the end of the position list
    std::optional<std::string> titel;   // the new window caption
    std::optional<std::string> tooltip; // the new tooltip of the working copy
    std::optional<std::string> text2;   // the new contents of the text to hide
    std::optional<std::string> text3;   // the new contents of the recovered text
    // One short sentence that tells a user who cannot see that the command
    // ran; empty when a message box says it.
    std::string ansage;
};

// Whether choosing the entry reads the text to hide, and whether it asks for
// a key first (the front end's input box; Cancel gives the empty key).
bool liestText(Eintrag e);
bool fragtSchluessel(Eintrag e);

// The built-in Originalbild, decoded. Throws std::runtime_error if the
// program's own data is damaged.
picture::Bildflaeche eingebautesOriginalbild();

class Sitzung {
  public:
    // A run on this Originalbild. dezimaltrenner is the user's decimal
    // separator, used where a number has a fraction.
    explicit Sitzung(picture::Bildflaeche originalbild, std::string dezimaltrenner = ",");

    // The activation step: the first call gives the working copy the
    // Originalbild; later calls change nothing.
    Antwort aktivieren();

    // Chooses a menu entry: refuses one that cannot be chosen now (gewaehlt
    // false, nothing changes), and otherwise runs its command once. text2 is
    // the text to hide, read for the entries that liestText(); schluessel the
    // entered key for "den Schlüssel festlegen", empty on Cancel; both as the
    // UTF-16 units of the text box, any line break counting as 13 10 and any
    // unpaired surrogate as one character the code page lacks. When memory
    // runs out, the command is refused and changes nothing.
    Antwort waehlen(Eintrag e, std::u16string_view text2 = {},
                    std::u16string_view schluessel = {});

    const picture::Bildflaeche& originalbild() const { return original_; }
    const picture::Bildflaeche& arbeitsbild() const { return kopie_; }
    const picture::Abmessungen& abmessungen() const { return abmessungen_; }
    const key::Schluesselwert& schluesselwert() const { return schluesselwert_; }
    const key::Positionstabelle& positionstabelle() const { return tabelle_; }
    const Positionsspeicher& liste() const { return liste_; }

    // The states of the menu entries, in the order of kMenue.
    const Menuezustaende& menue() const { return menue_; }
    bool waehlbar(Eintrag e) const { return sitzung::waehlbar(menue_, e); }
    bool oeffenbar(Eintrag e) const { return sitzung::oeffenbar(menue_, e); }
    const std::string& titel() const { return titel_; }
    const std::string& tooltip() const { return tooltip_; }
    // How many characters the picture can hold: Bildpunktzahl / 8, whole.
    std::int64_t kapazitaet() const;

  private:
    Antwort befehlAusfuehren(Befehl befehl, std::span<const std::uint8_t> text2,
                             std::span<const std::uint8_t> schluessel);
    Antwort ausfuehren(Befehl befehl, std::u16string_view text2,
                       std::u16string_view schluessel);
    Antwort textEinfuegen();
    Antwort schluesselFestlegen(std::span<const std::uint8_t> schluessel);
    Antwort positionenErmitteln(std::int64_t zeichen);
    Antwort textVerschluesseln(std::span<const std::uint8_t> codes);
    Antwort bildEntschluesseln(std::int64_t zeichen);
    Antwort markieren(Befehl befehl, std::int64_t zeichen);
    Antwort letztesBitSetzen(Befehl befehl);
    Antwort fehlendePositionen(std::int64_t zeichen) const;
    void haken(Befehl befehl); // checks the command's own entry, if it is checkable
    void freigeben(Eintrag e);

    picture::Bildflaeche original_;
    picture::Bildflaeche kopie_;
    picture::Abmessungen abmessungen_;
    std::string dezimaltrenner_;
    key::Schluesselwert schluesselwert_;
    key::Positionstabelle tabelle_;
    key::Zufallsgenerator zufallsgenerator_;
    Positionsspeicher liste_;
    Menuezustaende menue_;
    std::string titel_;
    std::string tooltip_;
    bool aktiviert_ = false;
};

} // namespace sitzung
