#pragma once
// The frame that the window manager put around a window, in device pixels:
// left, top, right, bottom. Qt gives the frame in logical pixels, rounded per
// side, which at a device pixel ratio of 2 can miss an odd frame by a pixel on
// each side; under X11 the frame is read as the window manager states it.
#include <QMargins>

class QWindow;

namespace app {

QMargins rahmenInGeraetepixeln(QWindow* fenster);

} // namespace app
