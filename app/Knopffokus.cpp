#include "app/Knopffokus.h"

#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>

namespace app {
namespace {

class Knopffokus final : public QProxyStyle {
  public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* maler,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, maler, widget);
        if (element == CE_PushButton && (option->state & State_HasFocus)) {
            maler->save();
            maler->setPen(QPen(option->palette.color(QPalette::Highlight), 2));
            maler->setBrush(Qt::NoBrush);
            maler->drawRect(QRectF(option->rect).adjusted(3, 3, -3, -3));
            maler->restore();
        }
    }
};

} // namespace

void knopffokusZeigen(QWidget* dialog) {
    auto* stil = new Knopffokus; // follows the application's style
    stil->setParent(dialog);
    for (QPushButton* knopf : dialog->findChildren<QPushButton*>()) {
        knopf->setStyle(stil);
    }
}

} // namespace app
