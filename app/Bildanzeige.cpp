#include "app/Bildanzeige.h"

#include "app/Barrierefreiheit.h"

#include <QImage>
#include <QPainter>

namespace app {

Bildanzeige::Bildanzeige(const picture::Bildflaeche& bild, QWidget* parent)
    : QWidget(parent), bild_(bild) {
    zugangAnmelden();
}

void Bildanzeige::paintEvent(QPaintEvent*) {
    if (bild_.breite() == 0 || bild_.hoehe() == 0) {
        return; // no picture yet: the background shows
    }
    // Wraps the stored pixels without a copy; the bytes are R, G, B, 255.
    const QImage bild(reinterpret_cast<const uchar*>(bild_.rgbx()), bild_.breite(), bild_.hoehe(),
                      bild_.breite() * 4, QImage::Format_RGBX8888);
    QPainter maler(this);
    maler.drawImage(QPoint(0, 0), bild);
}

} // namespace app
