#include "sitzung/Sitzung.h"

#include "bitplane/LetztesBit.h"
#include "bitplane/Markierung.h"
#include "hiding/Auslesen.h"
#include "hiding/Einbetten.h"
#include "picture/Bildstrom.h"
#include "picture/Originalbild.h"
#include "sitzung/Infotext.h"
#include "sitzung/Texte.h"
#include "text/Systemtext.h"
#include "text/Utf16.h"
#include "text/Utf8.h"

#include <new>
#include <stdexcept>
#include <utility>

namespace sitzung {
namespace {

constexpr const char* kSchluesselTitelzeile = "Der Schlüssel hat den Wert ";
constexpr const char* kVersteckt = "In diesem Bild ist eine Nachricht versteckt";

Antwort abweisung(std::string meldung) {
    Antwort a;
    a.meldung = std::move(meldung);
    a.warnung = true;
    return a;
}

Antwort ansage(std::string text, bool bildGeaendert = true) {
    Antwort a;
    a.ansage = std::move(text);
    a.bildGeaendert = bildGeaendert;
    return a;
}

} // namespace

bool liestText(Eintrag e) {
    switch (eintrag(e).befehl) {
    case Befehl::PositionenErmitteln:
    case Befehl::TextVerschluesseln:
    case Befehl::BildEntschluesseln:
    case Befehl::PositionenAnzeigen:
    case Befehl::BitsAnzeigen:
        return true;
    default:
        return false;
    }
}

bool fragtSchluessel(Eintrag e) {
    return eintrag(e).befehl == Befehl::SchluesselFestlegen;
}

picture::Bildflaeche eingebautesOriginalbild() {
    picture::DecodeResult ergebnis = picture::decode(picture::originalbildStrom());
    if (ergebnis.error != picture::DecodeError::None) {
        throw std::runtime_error(std::string("Das eingebaute Originalbild ist beschädigt: ") +
                                 picture::describe(ergebnis.error));
    }
    return std::move(ergebnis.bild);
}

Sitzung::Sitzung(picture::Bildflaeche originalbild, std::string dezimaltrenner)
    : original_(std::move(originalbild)), abmessungen_(picture::abmessungenVon(original_)),
      dezimaltrenner_(std::move(dezimaltrenner)), titel_(kFenstertitel), tooltip_(kTooltipKopie) {
    for (std::size_t i = 0; i < kMenue.size(); ++i) {
        menue_[i].aktiv = kMenue[i].anfangsAktiv;
    }
}

std::int64_t Sitzung::kapazitaet() const {
    return static_cast<std::int64_t>(abmessungen_.Bildbreite) *
           static_cast<std::int64_t>(abmessungen_.Bildhoehe) / hiding::kBitsJeZeichen;
}

Antwort Sitzung::aktivieren() {
    if (aktiviert_) {
        return {};
    }
    aktiviert_ = true;
    kopie_ = original_;
    Antwort a;
    a.bildGeaendert = true;
    return a;
}

void Sitzung::haken(Befehl befehl) {
    for (const Menueeintrag& e : kMenue) {
        if (e.befehl == befehl && e.abhakbar) {
            menue_[nummer(e.eintrag)].abgehakt = true;
        }
    }
}

void Sitzung::freigeben(Eintrag e) {
    menue_[nummer(e)].aktiv = true;
}

Antwort Sitzung::waehlen(Eintrag e, std::u16string_view text2, std::u16string_view schluessel) {
    if (!waehlbar(e)) {
        Antwort a;
        a.gewaehlt = false;
        return a;
    }
    return ausfuehren(eintrag(e).befehl, liestText(e) ? text2 : std::u16string_view{},
                      fragtSchluessel(e) ? schluessel : std::u16string_view{});
}

Antwort Sitzung::ausfuehren(Befehl befehl, std::u16string_view text2,
                            std::u16string_view schluessel) {
    // Every command allocates what it needs before it changes anything, so a
    // lack of memory is one more refusal.
    try {
        return befehlAusfuehren(befehl, text::codes(text::ausUtf16(text2)),
                                text::codes(text::ausUtf16(schluessel)));
    } catch (const std::bad_alloc&) {
        return abweisung("Für diesen Befehl reicht der Arbeitsspeicher nicht aus. Es wurde "
                         "nichts verändert.");
    }
}

Antwort Sitzung::befehlAusfuehren(Befehl befehl, std::span<const std::uint8_t> text2,
                                  std::span<const std::uint8_t> schluessel) {
    const auto zeichen = static_cast<std::int64_t>(text2.size());
    switch (befehl) {
    case Befehl::TextEinfuegen:
        return textEinfuegen();
    case Befehl::SchluesselFestlegen:
        return schluesselFestlegen(schluessel);
    case Befehl::PositionenErmitteln:
        return positionenErmitteln(zeichen);
    case Befehl::TextVerschluesseln:
        return textVerschluesseln(text2);
    case Befehl::BildEntschluesseln:
        return bildEntschluesseln(zeichen);
    case Befehl::LetztesBitAnzeigen:
        bitplane::letztesBitAnzeigen(kopie_);
        return ansage("Das letzte Bit wird angezeigt.");
    case Befehl::LetztesBitAuf0:
    case Befehl::LetztesBitAuf1:
    case Befehl::LetztesBitZufall:
        return letztesBitSetzen(befehl);
    case Befehl::PositionenAnzeigen:
    case Befehl::BitsAnzeigen:
        return markieren(befehl, zeichen);
    case Befehl::OriginalbildLaden:
        kopie_ = original_;
        return ansage("Das Originalbild ist geladen.");
    case Befehl::InfoZumBild: {
        Antwort a;
        a.meldung = infoZumBild(abmessungen_, dezimaltrenner_);
        return a;
    }
    case Befehl::Keiner:
        break;
    }
    return {};
}

Antwort Sitzung::textEinfuegen() {
    Antwort a = ansage("Der Standardtext ist eingefügt.", false);
    a.text2 = kStandardtext;
    haken(Befehl::TextEinfuegen);
    return a;
}

Antwort Sitzung::schluesselFestlegen(std::span<const std::uint8_t> schluessel) {
    schluesselwert_ = key::schluesselwert(schluessel);
    titel_ = kSchluesselTitelzeile;
    if (schluesselwert_) {
        titel_ += std::to_string(*schluesselwert_);
    }
    Antwort a = ansage(schluesselwert_ ? titel_ + "." : "Der Schlüssel ist leer.", false);
    a.titel = titel_;
    haken(Befehl::SchluesselFestlegen);
    return a;
}

Antwort Sitzung::fehlendePositionen(std::int64_t zeichen) const {
    // No advice to determine positions that can never be determined.
    if (zeichen > kapazitaet()) {
        return abweisung("Der Text ist zu lang: Das Bild kann höchstens " +
                         std::to_string(kapazitaet()) + " Buchstaben aufnehmen, der Text hat " +
                         std::to_string(zeichen) + " Zeichen.");
    }
    return abweisung(
        "Für diesen Text fehlen Positionen: Er braucht " +
        std::to_string(hiding::bitanzahl(zeichen)) + " Positionen (" +
        std::to_string(hiding::kBitsJeZeichen) + " je Zeichen), ermittelt sind " +
        std::to_string(tabelle_.eintraege()) + ". Bitte zuerst „die Positionen ermitteln“ wählen.");
}

Antwort Sitzung::positionenErmitteln(std::int64_t zeichen) {
    key::ErmittlungsErgebnis ergebnis =
        key::ermitteln(zufallsgenerator_, schluesselwert_, hiding::bitanzahl(zeichen),
                       original_.breite(), original_.hoehe());
    if (ergebnis.status != key::Ermittlung::Ok) {
        return fehlendePositionen(zeichen);
    }
    Antwort a;
    if (ergebnis.tabelle.eintraege() > 0) { // an empty text keeps the old table
        a.neueZeilen = liste_.anhaengen(ergebnis.tabelle);
        tabelle_ = std::move(ergebnis.tabelle);
    }
    a.ansage = std::to_string(a.neueZeilen) + " Positionen ermittelt.";
    freigeben(Eintrag::M_Positionen_anzeigen);
    haken(Befehl::PositionenErmitteln);
    return a;
}

Antwort Sitzung::textVerschluesseln(std::span<const std::uint8_t> codes) {
    if (hiding::einbetten(kopie_, codes, tabelle_) != hiding::Status::Ok) {
        return fehlendePositionen(static_cast<std::int64_t>(codes.size()));
    }
    Antwort a = ansage("Der Text ist im Bild versteckt.");
    tooltip_ = kVersteckt;
    a.tooltip = tooltip_;
    freigeben(Eintrag::M_Bits_anzeigen);
    freigeben(Eintrag::M_entschluesseln);
    haken(Befehl::TextVerschluesseln);
    return a;
}

Antwort Sitzung::bildEntschluesseln(std::int64_t zeichen) {
    const hiding::AuslesenErgebnis ergebnis = hiding::auslesen(kopie_, tabelle_, zeichen);
    if (ergebnis.status != hiding::Status::Ok) {
        return fehlendePositionen(zeichen);
    }
    Antwort a = ansage("Das Bild ist entschlüsselt.", false);
    a.text3 = text::utf8(text::anzeige(ergebnis.codes));
    return a;
}

Antwort Sitzung::markieren(Befehl befehl, std::int64_t zeichen) {
    const bool kreise = befehl == Befehl::PositionenAnzeigen;
    if (bitplane::markieren(kopie_, tabelle_, hiding::bitanzahl(zeichen),
                            kreise ? bitplane::Markierung::Kreise : bitplane::Markierung::Punkte) !=
        hiding::Status::Ok) {
        return fehlendePositionen(zeichen);
    }
    return ansage(kreise ? "Die Positionen sind markiert." : "Die Bits sind markiert.");
}

Antwort Sitzung::letztesBitSetzen(Befehl befehl) {
    const bitplane::Regel regel = befehl == Befehl::LetztesBitAuf0   ? bitplane::Regel::Null
                                  : befehl == Befehl::LetztesBitAuf1 ? bitplane::Regel::Eins
                                                                     : bitplane::Regel::Zufall;
    kopie_ = bitplane::letztesBitSetzen(original_, regel, zufallsgenerator_);
    return ansage(regel == bitplane::Regel::Null   ? "Das letzte Bit ist auf 0 gesetzt."
                  : regel == bitplane::Regel::Eins ? "Das letzte Bit ist auf 1 gesetzt."
                                                   : "Das letzte Bit ist zufällig gesetzt.");
}

} // namespace sitzung
