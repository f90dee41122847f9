#pragma once
// The state of one run of the program and every command on it. A front end
// reads its controls, calls ausfuehren() once per chosen menu item, and shows
// the Antwort: it never decides a refusal, writes a message or works out a
// menu state of its own.
#include "key/Positionstabelle.h"
#include "key/Schluessel.h"
#include "key/Zufallsgenerator.h"
#include "picture/Abmessungen.h"
#include "picture/Bildflaeche.h"
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

struct Menuezustand {
    bool abgehakt = false;
    bool aktiv = true;
};

// Whether a command reads the text to hide, and whether it asks for a key
// first (the front end's input box; Cancel gives the empty key).
bool liestText(Befehl befehl);
bool fragtSchluessel(Befehl befehl);

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

    // Runs the command once. text2 is the text to hide as codes (a line break
    // as 13 10), read for the commands that liestText(); schluessel is the
    // entered key as codes for "den Schlüssel festlegen", empty on Cancel.
    // When memory runs out, the command is refused and changes nothing.
    Antwort ausfuehren(Befehl befehl, std::span<const std::uint8_t> text2 = {},
                       std::span<const std::uint8_t> schluessel = {});

    const picture::Bildflaeche& originalbild() const { return original_; }
    const picture::Bildflaeche& arbeitsbild() const { return kopie_; }
    const picture::Abmessungen& abmessungen() const { return abmessungen_; }
    const key::Schluesselwert& schluesselwert() const { return schluesselwert_; }
    const key::Positionstabelle& positionstabelle() const { return tabelle_; }
    const Positionsspeicher& liste() const { return liste_; }

    // The states of the menu entries, in the order of kMenue.
    const std::array<Menuezustand, kMenueGroesse>& menue() const { return menue_; }
    // Whether entry i of kMenue can be chosen now: an item enabled in an
    // enabled menu, or an enabled item of the menu bar itself.
    bool waehlbar(std::size_t i) const;
    // Whether entry i is a menu of the menu bar that can be opened now.
    bool oeffenbar(std::size_t i) const;
    const std::string& titel() const { return titel_; }
    const std::string& tooltip() const { return tooltip_; }
    // How many characters the picture can hold: Bildpunktzahl / 8, whole.
    std::int64_t kapazitaet() const;

  private:
    Antwort befehlAusfuehren(Befehl befehl, std::span<const std::uint8_t> text2,
                             std::span<const std::uint8_t> schluessel);
    Antwort textEinfuegen();
    Antwort schluesselFestlegen(std::span<const std::uint8_t> schluessel);
    Antwort positionenErmitteln(std::int64_t zeichen);
    Antwort textVerschluesseln(std::span<const std::uint8_t> codes);
    Antwort bildEntschluesseln(std::int64_t zeichen);
    Antwort markieren(Befehl befehl, std::int64_t zeichen);
    Antwort letztesBitSetzen(Befehl befehl);
    Antwort fehlendePositionen(std::int64_t zeichen) const;
    void haken(std::string_view name);
    void freigeben(std::string_view name); // enables the menu entry of that name

    picture::Bildflaeche original_;
    picture::Bildflaeche kopie_;
    picture::Abmessungen abmessungen_;
    std::string dezimaltrenner_;
    key::Schluesselwert schluesselwert_;
    key::Positionstabelle tabelle_;
    key::Zufallsgenerator zufallsgenerator_;
    Positionsspeicher liste_;
    std::array<Menuezustand, kMenueGroesse> menue_;
    std::string titel_;
    std::string tooltip_;
    bool aktiviert_ = false;
};

} // namespace sitzung
