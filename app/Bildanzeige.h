#pragma once
// Shows a picture surface one picture pixel to one screen pixel, with no
// scaling, smoothing or colour management. It only reads the surface.
#include "picture/Bildflaeche.h"

#include <QWidget>

namespace app {

class Bildanzeige : public QWidget {
    Q_OBJECT
  public:
    Bildanzeige(const picture::Bildflaeche& bild, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const picture::Bildflaeche& bild_;
};

} // namespace app
