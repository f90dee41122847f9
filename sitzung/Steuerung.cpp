#include "sitzung/Steuerung.h"

#include "sitzung/Einwaende.h"
#include "sitzung/Texte.h"

#include <algorithm>
#include <array>
#include <utility>

namespace sitzung {
namespace {

bool istRing(Ort o) {
    return o == Ort::List1 || o == Ort::Text2 || o == Ort::Text3;
}

} // namespace

Steuerung::Steuerung(Sitzung& sitzung, Oberflaeche& oberflaeche, bool titelGesprochen)
    : sitzung_(sitzung), ui_(oberflaeche), titelGesprochen_(titelGesprochen) {}

void Steuerung::starten() {
    zeigen(sitzung_.aktivieren());
    fokusNach(Ort::Text2);
}

bool Steuerung::waehlen(Eintrag e) {
    if (laeuft_ || !sitzung_.waehlbar(e)) {
        return false; // asks for no key that the session would not take
    }
    laeuft_ = true;
    befehl_ = e;
    if (fragtSchluessel(e)) {
        boxOeffnen({Box::Schluessel, {}, false}, letzte_, false);
    } else {
        ausfuehren({});
    }
    return true;
}

void Steuerung::boxOeffnen(Boxinhalt box, Ort zurueck, bool abweisung) {
    boxen_.push_back({box.art, zurueck, abweisung});
    ort_ = box.art == Box::Schluessel ? Ort::Schluessel : Ort::Meldung;
    ui_.boxZeigen(box); // a toolkit whose boxes block closes it before this returns
}

void Steuerung::boxGeschlossen(Box art, std::u16string_view eingabe) {
    if (boxen_.empty() || boxen_.back().art != art) {
        return;
    }
    const OffeneBox box = boxen_.back();
    boxen_.pop_back();
    if (box.abweisung) {
        fokusNach(box.zurueck);
    } else if (art == Box::Schluessel) {
        ausfuehren(eingabe);
    } else {
        fertig();
    }
}

void Steuerung::ausfuehren(std::u16string_view schluessel) {
    const std::u16string text = liestText(befehl_) ? ui_.text2() : std::u16string();
    const Antwort a = sitzung_.waehlen(befehl_, text, schluessel);
    zeigen(a);
    if (a.meldung.empty()) {
        fertig();
    } else {
        boxOeffnen({Box::Meldung, a.meldung, a.warnung}, letzte_, false);
    }
}

void Steuerung::fertig() {
    laeuft_ = false;
    fokusNach(letzte_);
}

void Steuerung::zeigen(const Antwort& a) {
    if (a.neueZeilen > 0) {
        ui_.zeilenAnhaengen(a.neueZeilen);
    }
    if (a.bildGeaendert) {
        ui_.bildMalen();
    }
    const std::pair<Textziel, const std::optional<std::string>*> texte[] = {
        {Textziel::Titel, &a.titel},
        {Textziel::Tooltip, &a.tooltip},
        {Textziel::Text2, &a.text2},
        {Textziel::Text3, &a.text3}};
    for (const auto& [ziel, text] : texte) {
        if (*text) {
            ui_.textSetzen(ziel, **text);
        }
    }
    ui_.menueZeigen(sitzung_.menue(), stand_);
    // A caption that is spoken as the window gets the keyboard back from the
    // key box would be heard twice.
    const bool wiederholt = titelGesprochen_ && a.titel && a.ansage.starts_with(*a.titel);
    if (!a.ansage.empty() && !wiederholt) {
        ui_.ansagen(a.ansage);
    }
}

void Steuerung::abweisen(Ort feld, const std::string& meldung) {
    boxOeffnen({Box::Meldung, meldung, true}, feld, true);
}

bool Steuerung::nimmt(Ort feld, std::u16string_view ergebnis) {
    const std::string meldung = einwand(feld, ergebnis);
    if (!meldung.empty()) {
        abweisen(feld, meldung);
    }
    return meldung.empty();
}

void Steuerung::fokusBekommen(Ort ort) {
    if (!boxen_.empty() && (ort == Ort::Menue || istRing(ort))) {
        return; // the boxes are modal: a front end's stray focus is no road
    }
    ort_ = ort;
    if (istRing(ort)) {
        letzte_ = ort;
        if (stand_.titel) { // the menus lost the keyboard: they shut
            stand_ = {};
            ui_.menueZeigen(sitzung_.menue(), stand_);
        }
    }
}

void Steuerung::fokusNach(Ort ort) {
    ort_ = ort;
    if (istRing(ort)) {
        letzte_ = ort;
    }
    ui_.fokusSetzen(ort);
}

void Steuerung::tab(bool vor) {
    if (!istRing(ort_)) {
        return;
    }
    constexpr std::array ring = {Ort::List1, Ort::Text2, Ort::Text3};
    const auto i = std::find(ring.begin(), ring.end(), ort_) - ring.begin();
    fokusNach(ring[static_cast<std::size_t>((i + (vor ? 1 : 2)) % 3)]);
}

Menueschritt Steuerung::anwenden(const Menueschritt& schritt) {
    if (!boxen_.empty()) {
        return {stand_, std::nullopt, false, false};
    }
    if (!schritt.behandelt && !schritt.verlassen) {
        return schritt;
    }
    if (schritt.verlassen || !schritt.stand.titel) {
        stand_ = {};
        ui_.menueZeigen(sitzung_.menue(), stand_); // shut before the keyboard goes back
        fokusNach(letzte_);
        if (schritt.waehlen) {
            waehlen(*schritt.waehlen);
        }
        return schritt;
    }
    stand_ = schritt.stand;
    ort_ = Ort::Menue;
    ui_.menueZeigen(sitzung_.menue(), stand_);
    return schritt;
}

Menueschritt Steuerung::menueTaste(Taste taste) {
    return anwenden(sitzung::menueTaste(stand_, taste, sitzung_.menue()));
}

Menueschritt Steuerung::menueTaste(Taste taste, const Menuestand& jetzt) {
    menueGezeigt(jetzt);
    return menueTaste(taste);
}

void Steuerung::menueGezeigt(const Menuestand& jetzt) {
    stand_ = jetzt;
}

Menueschritt Steuerung::titelKlick(Eintrag titel) {
    return anwenden(sitzung::titelKlick(stand_, titel, sitzung_.menue()));
}

Menueschritt Steuerung::titelZeigen(Eintrag titel) {
    return anwenden(sitzung::titelZeigen(stand_, titel, sitzung_.menue()));
}

Menueschritt Steuerung::eintragKlick(Eintrag e) {
    return anwenden(sitzung::eintragKlick(stand_, e, sitzung_.menue()));
}

void Steuerung::menueBetreten() {
    if (boxen_.empty()) {
        ort_ = Ort::Menue;
    }
}

void Steuerung::menueVerlassen() {
    if (ort_ != Ort::Menue || !boxen_.empty()) {
        return;
    }
    stand_ = {};
    ui_.menueZeigen(sitzung_.menue(), stand_);
    fokusNach(letzte_);
}

} // namespace sitzung
