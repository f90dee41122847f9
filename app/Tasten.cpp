#include "app/Tasten.h"

#include <QKeyEvent>

namespace app {

sitzung::Taste taste(const QKeyEvent* ereignis) {
    using sitzung::Taste;
    if (ereignis->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return Taste::Andere;
    }
    switch (ereignis->key()) {
    case Qt::Key_Left:
        return Taste::Links;
    case Qt::Key_Right:
        return Taste::Rechts;
    case Qt::Key_Up:
        return Taste::Hoch;
    case Qt::Key_Down:
        return Taste::Runter;
    case Qt::Key_Tab:
        return Taste::Tab;
    case Qt::Key_Backtab:
        return Taste::TabZurueck;
    case Qt::Key_Home:
        return Taste::Pos1;
    case Qt::Key_End:
        return Taste::Ende;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Taste::Eingabe;
    case Qt::Key_Space:
        return Taste::Leertaste;
    case Qt::Key_Escape:
        return Taste::Escape;
    case Qt::Key_F10:
        return Taste::Menuetaste;
    case Qt::Key_PageUp:
        return Taste::BildAuf;
    case Qt::Key_PageDown:
        return Taste::BildAb;
    default:
        return Taste::Andere;
    }
}

} // namespace app
