// The walk of tests/paritaet.json through the session and its Steuerung
// alone, with no front end: the window and the page walk the same table, so
// whatever a third front end needs to end each row in the same place is in
// the session.
#include "sitzung/Steuerung.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
// GCC 12 warns inside std::regex's own std::function when optimising with
// the sanitizers, a known false positive of -Wmaybe-uninitialized.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <regex>
#include <sstream>

namespace {
using namespace sitzung;

// Boxes stay open until the walk closes them, as in a browser.
struct Stumm final : Oberflaeche {
    std::u16string text;
    void boxZeigen(const Boxinhalt&) override {}
    void fokusSetzen(Ort) override {}
    void ansagen(const std::string&) override {}
    void menueZeigen(const Menuezustaende&, const Menuestand&) override {}
    void bildMalen() override {}
    void zeilenAnhaengen(std::int64_t) override {}
    void textSetzen(Textziel ziel, const std::string& t) override {
        if (ziel == Textziel::Text2) {
            text.assign(t.begin(), t.end()); // the default text: its length is enough here
        }
    }
    std::u16string text2() override { return text; }
};

std::optional<Eintrag> eintragNamens(const std::string& x) {
    for (const Menueeintrag& e : kMenue) {
        if (e.titel == x || e.name == x) {
            return e.eintrag;
        }
    }
    return std::nullopt;
}

const std::map<std::string, Taste> kTasten = {
    {"F10", Taste::Menuetaste}, {"Escape", Taste::Escape}, {"Return", Taste::Eingabe},
    {"Right", Taste::Rechts},   {"Left", Taste::Links},    {"Down", Taste::Runter},
    {"Up", Taste::Hoch},        {"Tab", Taste::Tab},       {"Shift+Tab", Taste::TabZurueck}};

std::string wo(const Steuerung& s) {
    constexpr const char* namen[] = {"List1", "Text2", "Text3", "Menue", "Schluessel", "Meldung"};
    if (s.fokus() != Ort::Menue) {
        return namen[static_cast<int>(s.fokus())];
    }
    const Menuestand& m = s.menuestand();
    return std::string(eintrag(*m.titel).titel) + "/" +
           std::string(m.eintrag ? eintrag(*m.eintrag).titel : "");
}

// One step; true when it was a text the box refused.
bool schritt(Steuerung& s, const std::string& x) {
    const bool box = s.fokus() == Ort::Schluessel || s.fokus() == Ort::Meldung;
    if (x.starts_with("einfuegen:")) {
        return !s.nimmt(s.fokus(), std::u16string(std::stoul(x.substr(10)), u'x'));
    }
    if (x.starts_with("klick:Picture")) {
        s.menueVerlassen(); // a press outside the menus
    } else if (x.starts_with("klick:") || x.starts_with("zeigen:")) {
        const Eintrag e = eintragNamens(x.substr(x.find(':') + 1)).value();
        const bool titel = titelVon(e) == e;
        x[0] == 'z' ? s.titelZeigen(e) : titel ? s.titelKlick(e) : s.eintragKlick(e);
    } else if (box && (x == "Return" || x == "Escape")) {
        const bool schluessel = s.fokus() == Ort::Schluessel;
        s.boxGeschlossen(schluessel ? Box::Schluessel : Box::Meldung,
                         schluessel && x == "Return" ? u"Waldsee" : u"");
    } else if (s.fokus() == Ort::Menue || x == "F10") {
        s.menueTaste(kTasten.at(x));
    } else if (x == "Tab" || x == "Shift+Tab") {
        s.tab(x == "Tab");
    }
    return false;
}

TEST(Paritaet, TheWalkEndsEachRowWhereTheTableSays) {
    std::ifstream datei(PARITAET_JSON);
    std::stringstream inhalt;
    inhalt << datei.rdbuf();
    const std::string json = inhalt.str();
    const std::regex zeile(R"re(\{"schritte": \[(.*?)\], "wo": "([^"]*)"(, "abgewiesen": true)?\})re");
    const std::regex wort("\"([^\"]*)\"");

    Sitzung sitzung(eingebautesOriginalbild());
    Stumm ui;
    Steuerung s(sitzung, ui, false);
    s.starten();
    int zeilen = 0;
    for (auto z = std::sregex_iterator(json.begin(), json.end(), zeile); z != std::sregex_iterator();
         ++z, ++zeilen) {
        const std::string schritte = (*z)[1];
        bool abgewiesen = false;
        for (auto w = std::sregex_iterator(schritte.begin(), schritte.end(), wort);
             w != std::sregex_iterator(); ++w) {
            abgewiesen = schritt(s, (*w)[1]) || abgewiesen;
        }
        EXPECT_EQ(abgewiesen, (*z)[3].matched) << "row " << zeilen << ": " << schritte;
        if (abgewiesen) {
            ASSERT_EQ(s.fokus(), Ort::Meldung) << "row " << zeilen;
            s.boxGeschlossen(Box::Meldung);
        }
        EXPECT_EQ(wo(s), (*z)[2].str()) << "row " << zeilen << ": " << schritte;
    }
    EXPECT_GE(zeilen, 20);
}

} // namespace
