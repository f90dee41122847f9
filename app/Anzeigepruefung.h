#pragma once
// Before QApplication exists: can Qt reach one of the platforms it is going to
// try? Qt 6.4 aborts (status 134) when none of them starts, so the program asks
// first, the same way Qt chooses: -platform, else QT_QPA_PLATFORM (a list
// "a;b" allowed), else Wayland when WAYLAND_DISPLAY is set or XDG_SESSION_TYPE
// is wayland, then X11. X11 counts as reached when the X server accepts a
// connection, Wayland when the compositor's socket does; any other installed
// plugin (offscreen, minimal, ...) counts as reached.
#include <string>

namespace app {

// The German hint for stderr when no platform can be reached, naming each one
// tried and why it failed; empty when the start can go ahead.
std::string anzeigeHindernis(int argc, char* argv[]);

} // namespace app
