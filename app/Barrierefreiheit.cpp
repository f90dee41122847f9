#include "app/Barrierefreiheit.h"

#include "app/Ansage.h"
#include "app/Bildanzeige.h"
#include "app/Listenzugang.h"
#include "app/Positionsliste.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace app {
namespace {

QAccessibleInterface* fabrik(const QString&, QObject* objekt) {
    if (auto* liste = qobject_cast<Positionsliste*>(objekt)) {
        return new Listenzugang(liste);
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
