// The interaction model, as both front ends rely on it: where each key and
// click moves the highlight in the menus and the current line in the list.
#include "sitzung/Bedienung.h"
#include "sitzung/Sitzung.h"

#include <limits>
#include <tuple>

#include <gtest/gtest.h>

namespace {
using E = sitzung::Eintrag;
using sitzung::Menuestand;
using sitzung::Taste;

const Menuestand kZu{};
Menuestand auf(E titel, std::optional<E> e) {
    return {titel, e, true};
}
Menuestand nur(E titel) {
    return {titel, std::nullopt, false};
}

// The states at start: "Entschlüsseln", "Positionen anzeigen" and "Bits
// anzeigen" disabled; and after positions were determined.
sitzung::Menuezustaende anfang() {
    return sitzung::Sitzung(picture::Bildflaeche(8, 8)).menue();
}
sitzung::Menuezustaende ermittelt() {
    sitzung::Sitzung s(picture::Bildflaeche(8, 8));
    s.waehlen(E::M_Positionen_ermitteln, u"a");
    return s.menue();
}

struct Fall {
    const char* name;
    Menuestand von;
    Taste taste;
    Menuestand nach;
    std::optional<E> waehlen = std::nullopt;
    bool verlassen = false;
};

TEST(Bedienung, MenuKeys) {
    const E verschl = E::M_Text_im_Fenster_verschluesseln;
    const Fall faelle[] = {
        {"F10 opens the first menu", kZu, Taste::Menuetaste, auf(verschl, E::M_text_einfuegen)},
        {"Right onto a disabled menu highlights it shut", auf(verschl, E::M_Positionen_ermitteln),
         Taste::Rechts, nur(E::M_entschluesseln)},
        {"Right past it opens the next", nur(E::M_entschluesseln), Taste::Rechts,
         auf(E::M_anzeige, E::M_letztes_Bit_anzeigen)},
        {"Right onto Ende", auf(E::M_Info, E::M_Info_zum_Bild), Taste::Rechts, nur(E::M_Ende)},
        {"Right wraps", nur(E::M_Ende), Taste::Rechts, auf(verschl, E::M_text_einfuegen)},
        {"Left wraps", auf(verschl, std::nullopt), Taste::Links, nur(E::M_Ende)},
        {"Down wraps", auf(verschl, E::M_Text_verschluesseln), Taste::Runter,
         auf(verschl, E::M_text_einfuegen)},
        {"Up wraps", auf(verschl, E::M_text_einfuegen), Taste::Hoch,
         auf(verschl, E::M_Text_verschluesseln)},
        {"Down reaches a disabled item", auf(E::M_anzeige, E::M_letztes_Bit_auf_Zufall_setzen),
         Taste::Runter, auf(E::M_anzeige, E::M_Positionen_anzeigen)},
        {"Down with no item ready", auf(E::M_anzeige, std::nullopt), Taste::Runter,
         auf(E::M_anzeige, E::M_letztes_Bit_anzeigen)},
        {"Up with no item ready", auf(E::M_anzeige, std::nullopt), Taste::Hoch,
         auf(E::M_anzeige, E::M_Originalbild_laden)},
        {"Tab in a menu is Down", auf(verschl, E::M_text_einfuegen), Taste::Tab,
         auf(verschl, E::M_den_Schluessel_festlegen)},
        {"Shift+Tab in a menu is Up", auf(verschl, E::M_text_einfuegen), Taste::TabZurueck,
         auf(verschl, E::M_Text_verschluesseln)},
        {"Tab on Ende is Right", nur(E::M_Ende), Taste::Tab, auf(verschl, E::M_text_einfuegen)},
        {"Tab on a disabled menu is Right", nur(E::M_entschluesseln), Taste::Tab,
         auf(E::M_anzeige, E::M_letztes_Bit_anzeigen)},
        {"Down on a disabled menu", nur(E::M_entschluesseln), Taste::Runter,
         nur(E::M_entschluesseln)},
        {"Down on Ende", nur(E::M_Ende), Taste::Runter, nur(E::M_Ende)},
        {"Home in a menu", auf(E::M_anzeige, E::M_Bits_anzeigen), Taste::Pos1,
         auf(E::M_anzeige, E::M_letztes_Bit_anzeigen)},
        {"End in a menu", auf(E::M_anzeige, E::M_letztes_Bit_anzeigen), Taste::Ende,
         auf(E::M_anzeige, E::M_Originalbild_laden)},
        {"Home on a title", nur(E::M_Ende), Taste::Pos1, auf(verschl, E::M_text_einfuegen)},
        {"End on a title", nur(E::M_entschluesseln), Taste::Ende, nur(E::M_Ende)},
        {"Return on a disabled item", auf(E::M_anzeige, E::M_Bits_anzeigen), Taste::Eingabe,
         auf(E::M_anzeige, E::M_Bits_anzeigen)},
        {"Return on a disabled menu", nur(E::M_entschluesseln), Taste::Eingabe,
         nur(E::M_entschluesseln)},
        {"Return chooses", auf(verschl, E::M_text_einfuegen), Taste::Eingabe, kZu,
         E::M_text_einfuegen, true},
        {"Space chooses", auf(E::M_Info, E::M_Info_zum_Bild), Taste::Leertaste, kZu,
         E::M_Info_zum_Bild, true},
        {"Return on Ende", nur(E::M_Ende), Taste::Eingabe, kZu, E::M_Ende, true},
        {"Escape leaves", auf(verschl, E::M_text_einfuegen), Taste::Escape, kZu, {}, true},
        {"F10 leaves", nur(E::M_Ende), Taste::Menuetaste, kZu, {}, true},
        {"a letter is held", auf(verschl, E::M_text_einfuegen), Taste::Andere,
         auf(verschl, E::M_text_einfuegen)},
    };
    for (const Fall& f : faelle) {
        const sitzung::Menueschritt s = sitzung::menueTaste(f.von, f.taste, anfang());
        EXPECT_EQ(s.stand, f.nach) << f.name;
        EXPECT_EQ(s.waehlen, f.waehlen) << f.name;
        EXPECT_EQ(s.verlassen, f.verlassen) << f.name;
        EXPECT_TRUE(s.behandelt) << f.name;
    }
    EXPECT_FALSE(sitzung::menueTaste(kZu, Taste::Runter, anfang()).behandelt)
        << "outside the menus a key is not the menus'";
    const auto frei = sitzung::menueTaste(auf(E::M_anzeige, E::M_Positionen_anzeigen),
                                          Taste::Eingabe, ermittelt());
    EXPECT_EQ(frei.waehlen, E::M_Positionen_anzeigen) << "enabled once positions exist";
}

TEST(Bedienung, Pointer) {
    const E verschl = E::M_Text_im_Fenster_verschluesseln;
    const auto z = anfang();
    EXPECT_EQ(sitzung::titelKlick(kZu, E::M_anzeige, z).stand, auf(E::M_anzeige, std::nullopt));
    EXPECT_TRUE(sitzung::titelKlick(auf(E::M_anzeige, std::nullopt), E::M_anzeige, z).verlassen)
        << "a second click shuts the menu";
    EXPECT_EQ(sitzung::titelKlick(auf(verschl, E::M_text_einfuegen), E::M_Info, z).stand,
              auf(E::M_Info, std::nullopt))
        << "one tap on another title switches menus";
    EXPECT_EQ(sitzung::titelKlick(kZu, E::M_Ende, z).waehlen, E::M_Ende);
    EXPECT_EQ(sitzung::titelKlick(kZu, E::M_entschluesseln, z).stand, nur(E::M_entschluesseln));

    EXPECT_EQ(sitzung::titelZeigen(auf(verschl, std::nullopt), E::M_Info, z).stand,
              auf(E::M_Info, std::nullopt));
    EXPECT_FALSE(sitzung::titelZeigen(kZu, E::M_Info, z).behandelt) << "no menu open, no change";

    const Menuestand offen = auf(E::M_anzeige, E::M_letztes_Bit_anzeigen);
    for (const E e : {E::M_Trenner4, E::M_Bits_anzeigen}) {
        const auto s = sitzung::eintragKlick(offen, e, z);
        EXPECT_EQ(s.stand, offen) << "a separator or a disabled item keeps the menu";
        EXPECT_FALSE(s.verlassen || s.waehlen);
    }
    const auto gewaehlt = sitzung::eintragKlick(offen, E::M_Originalbild_laden, z);
    EXPECT_EQ(gewaehlt.waehlen, E::M_Originalbild_laden);
    EXPECT_TRUE(gewaehlt.verlassen);
}

TEST(Bedienung, ListKeys) {
    const struct {
        const char* name;
        sitzung::Listenstand von;
        Taste taste;
        std::int64_t zeilen, sichtbar;
        std::int64_t zeile, erste;
        bool behandelt;
    } faelle[] = {
        {"first Down", {-1, 0}, Taste::Runter, 1344, 17, 0, 0, true},
        {"first Up", {-1, 0}, Taste::Hoch, 1344, 17, 0, 0, true},
        {"Down inside the view", {0, 0}, Taste::Runter, 1344, 17, 1, 0, true},
        {"Down past the view scrolls one", {16, 0}, Taste::Runter, 1344, 17, 17, 1, true},
        {"Up past the view scrolls one", {10, 10}, Taste::Hoch, 1344, 17, 9, 9, true},
        {"Page Down: a view less one line", {0, 0}, Taste::BildAb, 1344, 17, 16, 0, true},
        {"Page Down again", {16, 0}, Taste::BildAb, 1344, 17, 32, 16, true},
        {"Page Up stops at the top", {5, 0}, Taste::BildAuf, 1344, 17, 0, 0, true},
        {"Home", {100, 90}, Taste::Pos1, 1344, 17, 0, 0, true},
        {"End", {0, 0}, Taste::Ende, 1344, 17, 1343, 1327, true},
        {"Down at the end", {1343, 1327}, Taste::Runter, 1344, 17, 1343, 1327, true},
        {"a list shorter than its view", {0, 0}, Taste::Ende, 5, 17, 4, 0, true},
        {"one line in view pages by one", {3, 3}, Taste::BildAb, 10, 1, 4, 4, true},
        {"a letter does nothing", {3, 0}, Taste::Andere, 1344, 17, 3, 0, false},
        {"an empty list", {-1, 0}, Taste::Runter, 0, 17, -1, 0, false},
        {"the longest list", {0, 0}, Taste::Ende, 715904, 17, 715903, 715887, true},
        {"a view past the end comes back", {5, 1340}, Taste::Runter, 1344, 17, 6, 6, true},
    };
    for (const auto& f : faelle) {
        const sitzung::Listenstand s = sitzung::listenTaste(f.von, f.taste, f.zeilen, f.sichtbar);
        EXPECT_EQ(s.zeile, f.zeile) << f.name;
        EXPECT_EQ(s.erste, f.erste) << f.name;
        EXPECT_EQ(s.behandelt, f.behandelt) << f.name;
    }
    // Lines whole in view: at least one, whatever the sizes.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const auto& [hoehe, zeile, sichtbar] : {std::tuple{230.0, 13.0, 17}, {12.0, 13.0, 1},
             {-5.0, 13.0, 1}, {100.0, 0.0, 1}, {nan, 13.0, 1}, {100.0, nan, 1}}) {
        EXPECT_EQ(sitzung::ganzSichtbar(hoehe, zeile), sichtbar) << hoehe << " / " << zeile;
    }
}

} // namespace
