#include "app/Barrierefreiheit.h"

#include "app/Ansage.h"
#include "app/Bildanzeige.h"
#include "app/Eingabezugang.h"
#include "app/Listenzugang.h"
#include "app/Positionsliste.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace app {
namespace {

QAccessibleInterface* fabrik(const QString&, QObject* objekt) {
    if (auto* liste = qobject_cast<Positionsliste*>(objekt)) {
        return new Listenzugang(liste);
    }
    if (auto* feld = qobject_cast<QLineEdit*>(objekt)) {
        return new Eingabezugang(feld);
    }
    if (auto* bild = qobject_cast<Bildanzeige*>(objekt)) {
        return new QAccessibleWidget(bild, QAccessible::Graphic);
    }
    if (objekt != nullptr && objekt->objectName() == QLatin1String(kAnsageName) &&
        objekt->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(objekt), QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

void zugangAnmelden() {
    static const bool angemeldet = [] {
        QAccessible::installFactory(fabrik);
        return true;
    }();
    (void)angemeldet;
}

} // namespace app
