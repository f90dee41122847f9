#pragma once
// The focus mark of the window's list and text boxes: a one-pixel frame in the
// highlight colour just inside the control's frame, drawn on its viewport.
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace app {

inline void fokusrahmen(QPainter& maler, const QWidget& viewport) {
    maler.setPen(QPen(viewport.palette().color(QPalette::Highlight), 1));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(viewport.rect().adjusted(0, 0, -1, -1));
}

} // namespace app
