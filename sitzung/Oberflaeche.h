#pragma once
// What a front end must provide to the Steuerung, in one list: a window
// toolkit, a browser page or a test implements these and decides nothing of
// its own. Texts are UTF-8, except what is read out of a box, which comes as
// the box's UTF-16 units.
#include "sitzung/Bedienung.h"
#include "sitzung/Menue.h"

#include <cstdint>
#include <string>

namespace sitzung {

// The controls that can have the keyboard. List1, Text2 and Text3 form the
// Tab ring; Menue is the menu bar or an open menu; Schluessel the key box's
// field and Meldung the message box's OK button.
enum class Ort : std::uint8_t { List1, Text2, Text3, Menue, Schluessel, Meldung };

// The two modal boxes: the key box, and the message box titled
// kProgrammtitel with one OK button (warnung: with a warning sign).
enum class Box : std::uint8_t { Schluessel, Meldung };
struct Boxinhalt {
    Box art = Box::Meldung;
    std::string text; // the message; empty for the key box, whose texts are fixed
    bool warnung = false;
};

// A text the front end shows somewhere other than a box.
enum class Textziel : std::uint8_t { Titel, Tooltip, Text2, Text3 };

struct Oberflaeche {
    virtual ~Oberflaeche() = default;
    // Shows a modal box over whatever has the keyboard. Once it is closed
    // (at once for a toolkit whose boxes block, later for one whose boxes
    // do not), the front end calls Steuerung::boxGeschlossen with the entered
    // key, or nothing for Cancel and for the message box.
    virtual void boxZeigen(const Boxinhalt& box) = 0;
    // Puts the keyboard on a control and tells assistive technology that it
    // went there, so that a screen reader says the control's name.
    virtual void fokusSetzen(Ort ort) = 0;
    // Tells a user who cannot see what happened, once.
    virtual void ansagen(const std::string& satz) = 0;
    // Shows the menu states and, for a front end whose menus the Steuerung
    // moves, where the keyboard is in them.
    virtual void menueZeigen(const Menuezustaende& zustaende, const Menuestand& stand) = 0;
    // Paints the working copy again.
    virtual void bildMalen() = 0;
    // The position list grew by `zeilen` lines at its end.
    virtual void zeilenAnhaengen(std::int64_t zeilen) = 0;
    virtual void textSetzen(Textziel ziel, const std::string& text) = 0;
    // Text2 as it is now, unit for unit.
    virtual std::u16string text2() = 0;
};

} // namespace sitzung
