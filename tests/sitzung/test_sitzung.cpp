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
using E = sitzung::Eintrag;

// A text box's contents, as a front end hands them over.
std::u16string box(const std::string& utf8) {
    std::u16string t;
    for (const char32_t z : text::ausUtf8(utf8)) {
        if (z >= 0x10000) {
            t += static_cast<char16_t>(0xD800 + ((z - 0x10000) >> 10));
            t += static_cast<char16_t>(0xDC00 + ((z - 0x10000) & 0x3FF));
        } else {
            t += static_cast<char16_t>(z);
        }
    }
    return t;
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

    const sitzung::Antwort eingefuegt = s.waehlen(E::M_text_einfuegen);
    ASSERT_TRUE(eingefuegt.text2);
    EXPECT_EQ(*eingefuegt.text2, sitzung::kStandardtext);
    const std::u16string text = box(*eingefuegt.text2);
    ASSERT_EQ(text.size(), 168u);

    const sitzung::Antwort schluessel =
        s.waehlen(E::M_den_Schluessel_festlegen, {}, box("Waldsee"));
    EXPECT_EQ(schluessel.titel, "Der Schlüssel hat den Wert 709");
    EXPECT_EQ(s.titel(), "Der Schlüssel hat den Wert 709");

    const sitzung::Antwort ermittelt = s.waehlen(E::M_Positionen_ermitteln, text);
    EXPECT_EQ(ermittelt.neueZeilen, 1344);
    EXPECT_EQ(s.liste().zeilen(), 1344);
    EXPECT_EQ(s.liste().zeile(0),
              key::listenzeile(s.positionstabelle().PosX[1], s.positionstabelle().PosY[1]));
    EXPECT_EQ(zustaende(s), "+M_text_einfuegen +M_den_Schluessel_festlegen "
                            "+M_Positionen_ermitteln -M_entschluesseln -M_Bits_anzeigen ");

    const sitzung::Antwort versteckt = s.waehlen(E::M_Text_verschluesseln, text);
    EXPECT_TRUE(versteckt.bildGeaendert);
    EXPECT_EQ(versteckt.tooltip, "In diesem Bild ist eine Nachricht versteckt");
    EXPECT_NE(s.arbeitsbild(), s.originalbild());
    EXPECT_EQ(zustaende(s), "+M_text_einfuegen +M_den_Schluessel_festlegen "
                            "+M_Positionen_ermitteln +M_Text_verschluesseln ");

    const sitzung::Antwort gelesen = s.waehlen(E::M_Bild_entschluesseln, text);
    EXPECT_EQ(gelesen.text3, sitzung::kStandardtext);
    EXPECT_FALSE(gelesen.bildGeaendert);

    const sitzung::Antwort info = s.waehlen(E::M_Info_zum_Bild);
    EXPECT_FALSE(info.warnung);
    EXPECT_EQ(info.meldung, "Das Bild hat 290 * 224 = 64960 Bildpunkte Damit könnte man "
                            "theortsch eine Nachricht mit 8120 Buchstaben verschlüsseln");

    // Loading the Originalbild drops the hidden bits but keeps states and tooltip.
    EXPECT_TRUE(s.waehlen(E::M_Originalbild_laden).bildGeaendert);
    EXPECT_EQ(s.arbeitsbild(), s.originalbild());
    EXPECT_EQ(s.tooltip(), "In diesem Bild ist eine Nachricht versteckt");
    const std::string vorher = zustaende(s);
    EXPECT_EQ(s.waehlen(E::M_Ende).bildGeaendert, false);
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
        std::vector<std::pair<E, std::string>> vorher; // commands run first, with their text
        E befehl;
        std::string text;
        std::string meldung;
    };
    const std::string grown = "Für diesen Text fehlen Positionen: Er braucht 16 Positionen (8 je "
                              "Zeichen), ermittelt sind 8. Bitte zuerst „die Positionen "
                              "ermitteln“ wählen.";
    const Fall faelle[] = {
        {"hiding without a table", {}, E::M_Text_verschluesseln, "a", fehlen8},
        // The session refuses what cannot be chosen before its command sees anything.
        {"circles before they are enabled", {}, E::M_Positionen_anzeigen, "a", ""},
        {"decoding from a disabled menu", {}, E::M_Bild_entschluesseln, "a", ""},
        {"a menu is opened, not chosen", {}, E::M_anzeige, "a", ""},
        {"a separator", {}, E::m_trenner10, "a", ""},
        {"determining over capacity", {}, E::M_Positionen_ermitteln, "abc", zuLang3},
        {"hiding over capacity", {}, E::M_Text_verschluesseln, "abc", zuLang3},
        {"a line break counts twice",
         {},
         E::M_Positionen_ermitteln,
         "a\nb",
         "Der Text ist zu lang: Das Bild kann höchstens 2 Buchstaben aufnehmen, der Text hat 4 "
         "Zeichen."},
        {"hiding a grown text",
         {{E::M_Positionen_ermitteln, "a"}},
         E::M_Text_verschluesseln,
         "ab",
         grown},
        {"points for a grown text",
         {{E::M_Positionen_ermitteln, "a"}, {E::M_Text_verschluesseln, "a"}},
         E::M_Bits_anzeigen,
         "ab",
         grown},
        {"decoding a grown text",
         {{E::M_Positionen_ermitteln, "a"}, {E::M_Text_verschluesseln, "a"}},
         E::M_Bild_entschluesseln,
         "ab",
         grown},
    };
    for (const Fall& f : faelle) {
        sitzung::Sitzung s(kleinesBild());
        s.aktivieren();
        for (const auto& [befehl, text] : f.vorher) {
            ASSERT_TRUE(s.waehlen(befehl, box(text)).meldung.empty()) << f.name;
        }
        const picture::Bildflaeche bild = s.arbeitsbild();
        const std::vector<std::int32_t> tabelle = s.positionstabelle().PosX;
        const std::int64_t zeilen = s.liste().zeilen();
        const std::string menue = zustaende(s);

        const sitzung::Antwort a = s.waehlen(f.befehl, box(f.text));
        EXPECT_EQ(a.meldung, f.meldung) << f.name;
        EXPECT_EQ(a.warnung, !f.meldung.empty()) << f.name;
        EXPECT_EQ(a.gewaehlt, !f.meldung.empty()) << f.name;
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
    ohne.waehlen(E::M_Positionen_ermitteln, box("a"));
    null.waehlen(E::M_den_Schluessel_festlegen, {}, box("\x00"));
    null.waehlen(E::M_Positionen_ermitteln, box("a"));
    EXPECT_EQ(ohne.positionstabelle().PosX, null.positionstabelle().PosX) << "no key seeds with 0";

    const sitzung::Antwort leer = ohne.waehlen(E::M_den_Schluessel_festlegen);
    EXPECT_EQ(leer.titel, "Der Schlüssel hat den Wert ");
    EXPECT_FALSE(ohne.schluesselwert().has_value());

    const std::vector<std::int32_t> alt = ohne.positionstabelle().PosX;
    const sitzung::Antwort nichts = ohne.waehlen(E::M_Positionen_ermitteln, box(""));
    EXPECT_TRUE(nichts.meldung.empty());
    EXPECT_EQ(nichts.neueZeilen, 0);
    EXPECT_EQ(ohne.positionstabelle().PosX, alt);

    const sitzung::Antwort laenger = ohne.waehlen(E::M_Positionen_ermitteln, box("ab"));
    EXPECT_EQ(laenger.neueZeilen, 16);
    EXPECT_EQ(ohne.positionstabelle().eintraege(), 16);
    EXPECT_EQ(ohne.liste().zeilen(), 8 + 16);
    EXPECT_EQ(ohne.positionstabelle().PosX[1], alt[1]) << "the same key draws the same start";
    EXPECT_TRUE(ohne.waehlen(E::M_Text_verschluesseln, box("ab")).meldung.empty());
    EXPECT_EQ(ohne.waehlen(E::M_Bild_entschluesseln, box("xy")).text3, "ab");
}

// The menu table as every front end builds it: names unique, each entry at
// its own place, menus first, and exactly the four progress items checkable.
TEST(Sitzung, MenuTable) {
    std::vector<std::string_view> namen;
    int abhakbar = 0;
    for (std::size_t i = 0; i < sitzung::kMenue.size(); ++i) {
        const auto& e = sitzung::kMenue[i];
        EXPECT_FALSE(std::count(namen.begin(), namen.end(), e.name)) << e.name;
        namen.push_back(e.name);
        EXPECT_EQ(sitzung::nummer(e.eintrag), i) << e.name;
        abhakbar += e.abhakbar;
        EXPECT_TRUE(!e.abhakbar || e.art == sitzung::Art::Eintrag) << e.name;
    }
    EXPECT_EQ(sitzung::kMenue.front().art, sitzung::Art::Menue);
    EXPECT_EQ(abhakbar, 4);

    // What can be chosen and opened: the items of a disabled menu cannot be
    // chosen, however enabled they are themselves.
    sitzung::Sitzung s(sitzung::eingebautesOriginalbild());
    EXPECT_TRUE(s.waehlbar(E::M_text_einfuegen));
    EXPECT_TRUE(s.waehlbar(E::M_Ende));
    EXPECT_FALSE(s.waehlbar(E::M_Bild_entschluesseln)) << "its menu is disabled";
    EXPECT_FALSE(s.waehlbar(E::M_Positionen_anzeigen));
    EXPECT_FALSE(s.waehlbar(E::M_anzeige)) << "a menu opens and is not chosen";
    EXPECT_FALSE(s.waehlbar(E::m_trenner10));
    EXPECT_TRUE(s.oeffenbar(E::M_anzeige));
    EXPECT_FALSE(s.oeffenbar(E::M_entschluesseln));
    EXPECT_FALSE(s.oeffenbar(E::M_text_einfuegen));
}

// Texts arrive as the UTF-16 units of a text box: a pair is one character,
// an unpaired surrogate one character the code page lacks, and the
// characters around it keep their places.
TEST(Sitzung, TextsAsUtf16Units) {
    const struct {
        const char* name;
        std::u16string text;
        std::int64_t zeilen;
        std::string gelesen;
    } faelle[] = {
        {"a lone high surrogate", {u'x', 0xD800, u'a', u'b'}, 32, "x?ab"},
        {"a lone low surrogate", {u'x', 0xDC00, u'a'}, 24, "x?a"},
        {"a high surrogate at the end", {u'a', 0xD83D}, 16, "a?"},
        {"a pair", {u'a', 0xD83D, 0xDE00, u'b'}, 24, "a?b"},
        {"a line break counts twice", u"a\nb", 32, "a\nb"},
    };
    for (const auto& f : faelle) {
        sitzung::Sitzung s(sitzung::eingebautesOriginalbild());
        s.aktivieren();
        EXPECT_EQ(s.waehlen(E::M_Positionen_ermitteln, f.text).neueZeilen, f.zeilen) << f.name;
        s.waehlen(E::M_Text_verschluesseln, f.text);
        EXPECT_EQ(s.waehlen(E::M_Bild_entschluesseln, f.text).text3, f.gelesen) << f.name;
    }
    // The key the same way: "x", a lone surrogate and "a" are three codes, 120 + 63 + 97.
    sitzung::Sitzung s(sitzung::eingebautesOriginalbild());
    EXPECT_EQ(s.waehlen(E::M_den_Schluessel_festlegen, {}, std::u16string{u'x', 0xD800, u'a'}).titel,
              "Der Schlüssel hat den Wert 280");
}

} // namespace
