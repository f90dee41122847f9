#pragma once
// The menu tree: captions, order, separators and object names, the command of
// every item, and which items start disabled. Each front end builds its menu
// bar from this one table.
#include <array>
#include <cstddef>
#include <optional>
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
    Keiner, // "Ende": choosing it changes nothing
};

enum class Art {
    Menue,   // a menu of the menu bar; the items after it belong to it
    Eintrag, // an item that runs its command
    Trenner, // a separator line of the current menu
    Leiste,  // an item of the menu bar itself, without a submenu
};

struct Menueeintrag {
    Art art;
    std::string_view name;  // the object name
    std::string_view titel; // the caption, UTF-8, without access keys
    Befehl befehl = Befehl::Keiner;
    bool anfangsAktiv = true;
};

inline constexpr std::array kMenue = {
    Menueeintrag{Art::Menue, "M_Text_im_Fenster_verschluesseln", "Verschlüsseln"},
    Menueeintrag{Art::Eintrag, "M_text_einfuegen", "Text einfügen", Befehl::TextEinfuegen},
    Menueeintrag{Art::Trenner, "m_trenner10", ""},
    Menueeintrag{Art::Eintrag, "M_den_Schluessel_festlegen", "den Schlüssel festlegen",
                 Befehl::SchluesselFestlegen},
    Menueeintrag{Art::Trenner, "M_Trenner5", ""},
    Menueeintrag{Art::Eintrag, "M_Positionen_ermitteln", "die Positionen ermitteln",
                 Befehl::PositionenErmitteln},
    Menueeintrag{Art::Trenner, "M_Trenner6", ""},
    Menueeintrag{Art::Eintrag, "M_Text_verschluesseln", "den Text verschlüsseln",
                 Befehl::TextVerschluesseln},
    Menueeintrag{Art::Menue, "M_entschluesseln", "Entschlüsseln", Befehl::Keiner, false},
    Menueeintrag{Art::Eintrag, "M_Bild_entschluesseln", "das Bild entschlüsseln",
                 Befehl::BildEntschluesseln},
    Menueeintrag{Art::Menue, "M_anzeige", "Anzeige"},
    Menueeintrag{Art::Eintrag, "M_letztes_Bit_anzeigen", "letztes Bit anzeigen",
                 Befehl::LetztesBitAnzeigen},
    Menueeintrag{Art::Trenner, "M_Trenner4", ""},
    Menueeintrag{Art::Trenner, "m_trenner1", ""},
    Menueeintrag{Art::Eintrag, "M_letztes_Bit_auf_0", "letztes Bit auf 0 setzen",
                 Befehl::LetztesBitAuf0},
    Menueeintrag{Art::Trenner, "M_Trenner2", ""},
    Menueeintrag{Art::Eintrag, "M_letztes_Bit_auf_1", "letztes Bit auf 1 setzen",
                 Befehl::LetztesBitAuf1},
    Menueeintrag{Art::Trenner, "M_Trenner3", ""},
    Menueeintrag{Art::Eintrag, "M_letztes_Bit_auf_Zufall_setzen", "letztes Bit auf Zufall setzen",
                 Befehl::LetztesBitZufall},
    Menueeintrag{Art::Trenner, "m_trenner9", ""},
    Menueeintrag{Art::Eintrag, "M_Positionen_anzeigen", "Positionen anzeigen",
                 Befehl::PositionenAnzeigen, false},
    Menueeintrag{Art::Trenner, "M_Trenner8", ""},
    Menueeintrag{Art::Eintrag, "M_Bits_anzeigen", "Bits anzeigen", Befehl::BitsAnzeigen, false},
    Menueeintrag{Art::Trenner, "m_trenner12", ""},
    Menueeintrag{Art::Eintrag, "M_Originalbild_laden", "Originalbild laden",
                 Befehl::OriginalbildLaden},
    Menueeintrag{Art::Menue, "M_Info", "Info"},
    Menueeintrag{Art::Eintrag, "M_Info_zum_Bild", "Info zum Bild", Befehl::InfoZumBild},
    Menueeintrag{Art::Leiste, "M_Ende", "Ende"},
};

inline constexpr std::size_t kMenueGroesse = kMenue.size();

// Whether the command checks its own item when it completes a stage: the
// default text inserted, the key entered, positions determined, text hidden.
constexpr bool abhakbar(Befehl befehl) {
    return befehl == Befehl::TextEinfuegen || befehl == Befehl::SchluesselFestlegen ||
           befehl == Befehl::PositionenErmitteln || befehl == Befehl::TextVerschluesseln;
}

// The index of the entry with this object name, if there is one.
std::optional<std::size_t> eintragNamens(std::string_view name);

} // namespace sitzung
