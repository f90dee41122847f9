#pragma once
// The menu tree: captions, order, separators and object names, the command of
// every item, which items start disabled and which a command checks. Each
// front end builds its menu bar from this one table, and names an entry only
// by its Eintrag, so a misspelt entry does not compile.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sitzung {

enum class Befehl {
    TextEinfuegen,
    SchluesselFestlegen,
    PositionenErmitteln,
    TextVerschluesseln,
    BildEntschluesseln,
    LetztesBitAnzeigen,
    LetztesBitAuf0,
    LetztesBitAuf1,
    LetztesBitZufall,
    PositionenAnzeigen,
    BitsAnzeigen,
    OriginalbildLaden,
    InfoZumBild,
    Keiner, // a menu, a separator, or "Ende": choosing it changes nothing
};

enum class Art {
    Menue,   // a menu of the menu bar; the items after it belong to it
    Eintrag, // an item that runs its command
    Trenner, // a separator line of the current menu
    Leiste,  // an item of the menu bar itself, without a submenu
};

// The table, one line an entry: object name, kind, caption (UTF-8, without
// access keys), command, enabled at start, checked by its own command when
// that completes a stage.
#define PUNKTGARTEN_MENUE(X)                                                                       \
    X(M_Text_im_Fenster_verschluesseln, Menue, "Verschlüsseln", Keiner, true, false)               \
    X(M_text_einfuegen, Eintrag, "Text einfügen", TextEinfuegen, true, true)                       \
    X(m_trenner10, Trenner, "", Keiner, true, false)                                               \
    X(M_den_Schluessel_festlegen, Eintrag, "den Schlüssel festlegen", SchluesselFestlegen, true,   \
      true)                                                                                        \
    X(M_Trenner5, Trenner, "", Keiner, true, false)                                                \
    X(M_Positionen_ermitteln, Eintrag, "die Positionen ermitteln", PositionenErmitteln, true,      \
      true)                                                                                        \
    X(M_Trenner6, Trenner, "", Keiner, true, false)                                                \
    X(M_Text_verschluesseln, Eintrag, "den Text verschlüsseln", TextVerschluesseln, true, true)    \
    X(M_entschluesseln, Menue, "Entschlüsseln", Keiner, false, false)                              \
    X(M_Bild_entschluesseln, Eintrag, "das Bild entschlüsseln", BildEntschluesseln, true, false)   \
    X(M_anzeige, Menue, "Anzeige", Keiner, true, false)                                            \
    X(M_letztes_Bit_anzeigen, Eintrag, "letztes Bit anzeigen", LetztesBitAnzeigen, true, false)    \
    X(M_Trenner4, Trenner, "", Keiner, true, false)                                                \
    X(m_trenner1, Trenner, "", Keiner, true, false)                                                \
    X(M_letztes_Bit_auf_0, Eintrag, "letztes Bit auf 0 setzen", LetztesBitAuf0, true, false)      \
    X(M_Trenner2, Trenner, "", Keiner, true, false)                                                \
    X(M_letztes_Bit_auf_1, Eintrag, "letztes Bit auf 1 setzen", LetztesBitAuf1, true, false)      \
    X(M_Trenner3, Trenner, "", Keiner, true, false)                                                \
    X(M_letztes_Bit_auf_Zufall_setzen, Eintrag, "letztes Bit auf Zufall setzen", LetztesBitZufall, \
      true, false)                                                                                 \
    X(m_trenner9, Trenner, "", Keiner, true, false)                                                \
    X(M_Positionen_anzeigen, Eintrag, "Positionen anzeigen", PositionenAnzeigen, false, false)     \
    X(M_Trenner8, Trenner, "", Keiner, true, false)                                                \
    X(M_Bits_anzeigen, Eintrag, "Bits anzeigen", BitsAnzeigen, false, false)                       \
    X(m_trenner12, Trenner, "", Keiner, true, false)                                               \
    X(M_Originalbild_laden, Eintrag, "Originalbild laden", OriginalbildLaden, true, false)         \
    X(M_Info, Menue, "Info", Keiner, true, false)                                                  \
    X(M_Info_zum_Bild, Eintrag, "Info zum Bild", InfoZumBild, true, false)                         \
    X(M_Ende, Leiste, "Ende", Keiner, true, false)

// Every entry of the table by its object name; its value is its place.
enum class Eintrag : std::uint8_t {
#define PUNKTGARTEN_EINTRAG(name, art, titel, befehl, aktiv, abhakbar) name,
    PUNKTGARTEN_MENUE(PUNKTGARTEN_EINTRAG)
#undef PUNKTGARTEN_EINTRAG
};

struct Menueeintrag {
    Eintrag eintrag;
    Art art;
    std::string_view name;  // the object name
    std::string_view titel; // the caption
    Befehl befehl;
    bool anfangsAktiv;
    bool abhakbar;
};

inline constexpr std::array kMenue = {
#define PUNKTGARTEN_ZEILE(name, art, titel, befehl, aktiv, abhakbar)                               \
    Menueeintrag{Eintrag::name, Art::art, #name, titel, Befehl::befehl, aktiv, abhakbar},
    PUNKTGARTEN_MENUE(PUNKTGARTEN_ZEILE)
#undef PUNKTGARTEN_ZEILE
};

inline constexpr std::size_t kMenueGroesse = kMenue.size();

constexpr std::size_t nummer(Eintrag e) {
    return static_cast<std::size_t>(e);
}
constexpr const Menueeintrag& eintrag(Eintrag e) {
    return kMenue[nummer(e)];
}

struct Menuezustand {
    bool abgehakt = false;
    bool aktiv = true;
};
using Menuezustaende = std::array<Menuezustand, kMenueGroesse>;

// The menu of the menu bar that an item or separator belongs to; a title is
// its own.
constexpr Eintrag titelVon(Eintrag e) {
    std::size_t i = nummer(e);
    while (i > 0 && kMenue[i].art != Art::Menue && kMenue[i].art != Art::Leiste) {
        --i;
    }
    return kMenue[i].eintrag;
}

// Whether the entry can be chosen now: an enabled item in an enabled menu, or
// an enabled item of the menu bar itself.
constexpr bool waehlbar(const Menuezustaende& z, Eintrag e) {
    const Art art = eintrag(e).art;
    if (!z[nummer(e)].aktiv || (art != Art::Eintrag && art != Art::Leiste)) {
        return false;
    }
    return z[nummer(titelVon(e))].aktiv;
}

// Whether the entry is a menu of the menu bar that can be opened now.
constexpr bool oeffenbar(const Menuezustaende& z, Eintrag e) {
    return eintrag(e).art == Art::Menue && z[nummer(e)].aktiv;
}

} // namespace sitzung
