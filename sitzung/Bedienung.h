#pragma once
// How the keyboard and the pointer move through the menus and the position
// list, the same for every front end. A front end keeps a Menuestand or a
// Listenstand, hands each key or click to one of these functions, and shows
// the state it gets back; it decides no step of its own.
//
// The menus follow the desktop's conventions: F10 opens the first menu with
// its first item highlighted; Left and Right go round all titles, "Ende" and
// disabled menus included, and open each menu that can be opened with its
// first item highlighted; a disabled menu is highlighted but stays shut; Up
// and Down go round the items of the open menu, disabled ones included, so
// that a screen reader can say they are unavailable; Tab and Shift+Tab act as
// Down and Up in an open menu and as Right and Left on a title without one;
// Home and End go to the first and last item (title, without a menu); Return
// and Space choose an item that can be chosen and do nothing on one that
// cannot; Escape and F10 leave the menus.
#include "sitzung/Menue.h"

#include <cstdint>
#include <optional>

namespace sitzung {

enum class Taste : std::uint8_t {
    Links,
    Rechts,
    Hoch,
    Runter,
    Tab,
    TabZurueck, // Shift+Tab
    Pos1,
    Ende,
    Eingabe,
    Leertaste,
    Escape,
    Menuetaste, // F10, or whatever opens the menu bar
    BildAuf,
    BildAb,
    Andere, // any other key, a letter among them
};

// Where the keyboard is in the menus. No titel: the menus do not have it.
struct Menuestand {
    std::optional<Eintrag> titel;   // the highlighted title of the menu bar
    std::optional<Eintrag> eintrag; // the highlighted item of its open menu
    bool offen = false;             // the title's menu is open
    bool operator==(const Menuestand&) const = default;
};

struct Menueschritt {
    Menuestand stand;
    std::optional<Eintrag> waehlen; // to be chosen now, after the menus are left
    bool verlassen = false;         // the menus give the keyboard back
    bool behandelt = false;         // the key or click was used
};

Menueschritt menueTaste(const Menuestand& stand, Taste taste, const Menuezustaende& z);
// A click or tap on a title: opens its menu, shuts it when it is open, or
// chooses "Ende".
Menueschritt titelKlick(const Menuestand& stand, Eintrag titel, const Menuezustaende& z);
// The mouse moves onto a title: while a menu is open, that title's menu
// opens instead. A touch never hovers, so a front end calls this for a mouse
// only.
Menueschritt titelZeigen(const Menuestand& stand, Eintrag titel, const Menuezustaende& z);
// A click or tap on an entry of an open menu: chooses it if it can be chosen;
// a separator or a disabled item keeps the menu open as it was.
Menueschritt eintragKlick(const Menuestand& stand, Eintrag e, const Menuezustaende& z);

// The position list: the current line (-1 for none yet) and the first line
// shown.
struct Listenstand {
    std::int64_t zeile = -1;
    std::int64_t erste = 0;
    bool behandelt = false; // the key was used
    bool operator==(const Listenstand&) const = default;
};

// The height of a line of the list in the page, in CSS pixels.
inline constexpr int kListenzeilePx = 13;

// How many lines `zeilenhoehe` high fit whole in a view `hoehe` high; at
// least one, so that paging always moves.
std::int64_t ganzSichtbar(double hoehe, double zeilenhoehe);

// The first line shown once the view follows `zeile`: unchanged while the
// line is whole in view, otherwise moved just so far that it is, at the edge
// it crossed; never past the end of a list of `zeilen` lines.
std::int64_t sichtFolgt(std::int64_t erste, std::int64_t zeile, std::int64_t sichtbar,
                        std::int64_t zeilen);

// The list after a key, with `zeilen` lines of which `sichtbar` fit whole in
// view. Up and Down step one line (the first step from no line goes to line
// 0), Page Up and Page Down a view less one line, Home and End to the ends;
// the view follows so that the current line stays whole in view. Other keys,
// letters among them, do nothing.
Listenstand listenTaste(Listenstand stand, Taste taste, std::int64_t zeilen,
                        std::int64_t sichtbar);

} // namespace sitzung
