// The session alone, as every front end relies on it: the road of a message,
// each refusal with its message and without a change, and the menu states.
#include "sitzung/Sitzung.h"
#include "sitzung/Texte.h"
#include "text/Systemtext.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using sitzung::Befehl;

text::Codes codes(const std::string& utf8) {
    return text::codes(text::ausUtf8(utf8));
}

// Every entry's state as a string of the names that are checked or disabled.
std::string zustaende(const sitzung::Sitzung& s) {
    std::string ergebnis;
    for (std::size_t i = 0; i < sitzung::kMenue.size(); ++i) {
        const auto& z = s.menue()[i];
        for (const auto& [an, zeichen] : {std::pair{z.abgehakt, '+'}, std::pair{!z.aktiv, '-'}}) {
            if (an) {
                ergebnis.append(1, zeichen).append(sitzung::kMenue[i].name).append(1, ' ');
            }
        }
    }
    return ergebnis;
}

const std::string kAnfang = "-M_entschluesseln -M_Positionen_anzeigen -M_Bits_anzeigen ";

// A picture of 4 x 4 pixels, whose red low bits are those of x + y.
picture::Bildflaeche kleinesBild() {
    picture::Bildflaeche b(4, 4);
    for (int x = 0; x < 4; ++x) {
        for (int y = 0; y < 4; ++y) {
            b.setzen(x, y, picture::farbwert(x + y, 100, 200));
        }
    }
    return b;
}

TEST(Sitzung, TheRoadOfAMessage) {
    sitzung::Sitzung s(sitzung::eingebautesOriginalbild());
    EXPECT_EQ(s.titel(), "Tarnbild - Demo");
    EXPECT_EQ(s.tooltip(), "Kopie");
    EXPECT_EQ(zustaende(s), kAnfang);
    EXPECT_EQ(s.kapazitaet(), 8120);
    EXPECT_TRUE(s.aktivieren().bildGeaendert);
    EXPECT_EQ(s.arbeitsbild(), s.originalbild());
    EXPECT_FALSE(s.aktivieren().bildGeaendert) << "only the first activation resets the copy";

    const sitzung::Antwort eingefuegt = s.ausfuehren(Befehl::TextEinfuegen);
    ASSERT_TRUE(eingefuegt.text2);
    EXPECT_EQ(*eingefuegt.text2, sitzung::kStandardtext);
    const text::Codes text = codes(*eingefuegt.text2);
    ASSERT_EQ(text.size(), 168u);

    const sitzung::Antwort schluessel =
        s.ausfuehren(Befehl::SchluesselFestlegen, {}, codes("Waldsee"));
    EXPECT_EQ(schluessel.titel, "Der Schlüssel hat den Wert 709");
    EXPECT_EQ(s.titel(), "Der Schlüssel hat den Wert 709");

    const sitzung::Antwort ermittelt = s.ausfuehren(Befehl::PositionenErmitteln, text);
    EXPECT_EQ(ermittelt.neueZeilen, 1344);
    EXPECT_EQ(s.liste().zeilen(), 1344);
    EXPECT_EQ(s.liste().zeile(0),
              key::listenzeile(s.positionstabelle().PosX[1], s.positionstabelle().PosY[1]));
    EXPECT_EQ(zustaende(s), "+M_text_einfuegen +M_den_Schluessel_festlegen "
                            "+M_Positionen_ermitteln -M_entschluesseln -M_Bits_anzeigen ");

    const sitzung::Antwort versteckt = s.ausfuehren(Befehl::TextVerschluesseln, text);
    EXPECT_TRUE(versteckt.bildGeaendert);
    EXPECT_EQ(versteckt.tooltip, "In diesem Bild ist eine Nachricht versteckt");
    EXPECT_NE(s.arbeitsbild(), s.originalbild());
    EXPECT_EQ(zustaende(s), "+M_text_einfuegen +M_den_Schluessel_festlegen "
                            "+M_Positionen_ermitteln +M_Text_verschluesseln ");

    const sitzung::Antwort gelesen = s.ausfuehren(Befehl::BildEntschluesseln, text);
    EXPECT_EQ(gelesen.text3, sitzung::kStandardtext);
    EXPECT_FALSE(gelesen.bildGeaendert);

    const sitzung::Antwort info = s.ausfuehren(Befehl::InfoZumBild);
    EXPECT_FALSE(info.warnung);
    EXPECT_EQ(info.meldung, "Das Bild hat 290 * 224 = 64960 Bildpunkte Damit könnte man "
                            "theortsch eine Nachricht mit 8120 Buchstaben verschlüsseln");

    // Loading the Originalbild drops the hidden bits but keeps states and tooltip.
    EXPECT_TRUE(s.ausfuehren(Befehl::OriginalbildLaden).bildGeaendert);
    EXPECT_EQ(s.arbeitsbild(), s.originalbild());
    EXPECT_EQ(s.tooltip(), "In diesem Bild ist eine Nachricht versteckt");
    const std::string vorher = zustaende(s);
    EXPECT_EQ(s.ausfuehren(Befehl::Keiner).bildGeaendert, false);
    EXPECT_EQ(zustaende(s), vorher);
}

// Each refusal: its exact message, a warning, and nothing changed, neither
// the picture nor the table, the list, the caption or a menu state.
TEST(Sitzung, RefusalsChangeNothing) {
    const std::string fehlen8 = "Für diesen Text fehlen Positionen: Er braucht 8 Positionen (8 je "
                                "Zeichen), ermittelt sind 0. Bitte zuerst „die Positionen "
                                "ermitteln“ wählen.";
    const std::string zuLang3 = "Der Text ist zu lang: Das Bild kann höchstens 2 Buchstaben "
                                "aufnehmen, der Text hat 3 Zeichen.";
    struct Fall {
        const char* name;
        std::vector<std::pair<Befehl, std::string>> vorher; // commands run first, with their text
        Befehl befehl;
        std::string text;
        std::string meldung;
    };
    const std::string grown = "Für diesen Text fehlen Positionen: Er braucht 16 Positionen (8 je "
                              "Zeichen), ermittelt sind 8. Bitte zuerst „die Positionen "
                              "ermitteln“ wählen.";
    const Fall faelle[] = {
        {"hiding without a table", {}, Befehl::TextVerschluesseln, "a", fehlen8},
        {"circles without a table", {}, Befehl::PositionenAnzeigen, "a", fehlen8},
        {"decoding without a table", {}, Befehl::BildEntschluesseln, "a", fehlen8},
        {"determining over capacity", {}, Befehl::PositionenErmitteln, "abc", zuLang3},
        {"hiding over capacity", {}, Befehl::TextVerschluesseln, "abc", zuLang3},
        {"a line break counts twice",
         {},
         Befehl::PositionenErmitteln,
         "a\nb",
         "Der Text ist zu lang: Das Bild kann höchstens 2 Buchstaben aufnehmen, der Text hat 4 "
         "Zeichen."},
        {"hiding a grown text",
         {{Befehl::PositionenErmitteln, "a"}},
         Befehl::TextVerschluesseln,
         "ab",
         grown},
        {"points for a grown text",
         {{Befehl::PositionenErmitteln, "a"}, {Befehl::TextVerschluesseln, "a"}},
         Befehl::BitsAnzeigen,
         "ab",
         grown},
        {"decoding a grown text",
         {{Befehl::PositionenErmitteln, "a"}, {Befehl::TextVerschluesseln, "a"}},
         Befehl::BildEntschluesseln,
         "ab",
         grown},
    };
    for (const Fall& f : faelle) {
        sitzung::Sitzung s(kleinesBild());
        s.aktivieren();
        for (const auto& [befehl, text] : f.vorher) {
            ASSERT_TRUE(s.ausfuehren(befehl, codes(text)).meldung.empty()) << f.name;
        }
        const picture::Bildflaeche bild = s.arbeitsbild();
        const std::vector<std::int32_t> tabelle = s.positionstabelle().PosX;
        const std::int64_t zeilen = s.liste().zeilen();
        const std::string menue = zustaende(s);

        const sitzung::Antwort a = s.ausfuehren(f.befehl, codes(f.text));
        EXPECT_EQ(a.meldung, f.meldung) << f.name;
        EXPECT_TRUE(a.warnung) << f.name;
        EXPECT_FALSE(a.bildGeaendert || a.text3 || a.titel || a.tooltip) << f.name;
        EXPECT_EQ(a.neueZeilen, 0) << f.name;
        EXPECT_EQ(s.arbeitsbild(), bild) << f.name;
        EXPECT_EQ(s.positionstabelle().PosX, tabelle) << f.name;
        EXPECT_EQ(s.liste().zeilen(), zeilen) << f.name;
        EXPECT_EQ(zustaende(s), menue) << f.name;
    }
}

// Cases that run and are easy to get wrong: no key seeds with 0, an empty
// key is no value, an empty text keeps the old table, and determining again
// for a longer text replaces the table and appends to the list.
TEST(Sitzung, KeysEmptyTextsAndRedetermination) {
    sitzung::Sitzung ohne(kleinesBild());
    sitzung::Sitzung null(kleinesBild());
    ohne.aktivieren();
    ohne.ausfuehren(Befehl::PositionenErmitteln, codes("a"));
    null.ausfuehren(Befehl::SchluesselFestlegen, {}, codes("\x00"));
    null.ausfuehren(Befehl::PositionenErmitteln, codes("a"));
    EXPECT_EQ(ohne.positionstabelle().PosX, null.positionstabelle().PosX) << "no key seeds with 0";

    const sitzung::Antwort leer = ohne.ausfuehren(Befehl::SchluesselFestlegen);
    EXPECT_EQ(leer.titel, "Der Schlüssel hat den Wert ");
    EXPECT_FALSE(ohne.schluesselwert().has_value());

    const std::vector<std::int32_t> alt = ohne.positionstabelle().PosX;
    const sitzung::Antwort nichts = ohne.ausfuehren(Befehl::PositionenErmitteln, codes(""));
    EXPECT_TRUE(nichts.meldung.empty());
    EXPECT_EQ(nichts.neueZeilen, 0);
    EXPECT_EQ(ohne.positionstabelle().PosX, alt);

    const sitzung::Antwort laenger = ohne.ausfuehren(Befehl::PositionenErmitteln, codes("ab"));
    EXPECT_EQ(laenger.neueZeilen, 16);
    EXPECT_EQ(ohne.positionstabelle().eintraege(), 16);
    EXPECT_EQ(ohne.liste().zeilen(), 8 + 16);
    EXPECT_EQ(ohne.positionstabelle().PosX[1], alt[1]) << "the same key draws the same start";
    EXPECT_TRUE(ohne.ausfuehren(Befehl::TextVerschluesseln, codes("ab")).meldung.empty());
    EXPECT_EQ(ohne.ausfuehren(Befehl::BildEntschluesseln, codes("xy")).text3, "ab");
}

// The menu table as every front end builds it: names unique, menus first,
// and exactly the four progress items checkable.
TEST(Sitzung, MenuTable) {
    std::vector<std::string_view> namen;
    int abhakbar = 0;
    for (const auto& e : sitzung::kMenue) {
        EXPECT_FALSE(std::count(namen.begin(), namen.end(), e.name)) << e.name;
        namen.push_back(e.name);
        abhakbar += e.art == sitzung::Art::Eintrag && sitzung::abhakbar(e.befehl);
        EXPECT_EQ(sitzung::eintragNamens(e.name), namen.size() - 1);
    }
    EXPECT_EQ(sitzung::kMenue.front().art, sitzung::Art::Menue);

    // What can be chosen and opened: the items of a disabled menu cannot be
    // chosen, however enabled they are themselves.
    sitzung::Sitzung s(sitzung::eingebautesOriginalbild());
    const auto waehlbar = [&](std::string_view name) {
        return s.waehlbar(*sitzung::eintragNamens(name));
    };
    const auto oeffenbar = [&](std::string_view name) {
        return s.oeffenbar(*sitzung::eintragNamens(name));
    };
    EXPECT_TRUE(waehlbar("M_text_einfuegen"));
    EXPECT_TRUE(waehlbar("M_Ende"));
    EXPECT_FALSE(waehlbar("M_Bild_entschluesseln")) << "its menu is disabled";
    EXPECT_FALSE(waehlbar("M_Positionen_anzeigen"));
    EXPECT_FALSE(waehlbar("M_anzeige")) << "a menu opens and is not chosen";
    EXPECT_FALSE(waehlbar("m_trenner10"));
    EXPECT_FALSE(s.waehlbar(sitzung::kMenue.size()));
    EXPECT_TRUE(oeffenbar("M_anzeige"));
    EXPECT_FALSE(oeffenbar("M_entschluesseln"));
    EXPECT_FALSE(oeffenbar("M_text_einfuegen"));
    EXPECT_EQ(abhakbar, 4);
    EXPECT_FALSE(sitzung::eintragNamens("M_gibt_es_nicht"));
}

} // namespace
