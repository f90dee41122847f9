#include "app/Ansage.h"

#include "app/Barrierefreiheit.h"

#include <QAccessible>
#include <QLabel>

namespace app {

void ansagen(QWidget* fenster, const QString& text) {
    auto* feld =
        fenster->findChild<QLabel*>(QLatin1String(kAnsageName), Qt::FindDirectChildrenOnly);
    if (feld == nullptr) {
        zugangAnmelden();
        feld = new QLabel(fenster);
        feld->setObjectName(QLatin1String(kAnsageName));
        feld->setGeometry(0, 0, 0, 0); // takes no room and shows nothing
        feld->show();
    }
    feld->setText(text);
    feld->setAccessibleName(text);
    // Orca speaks a notification when it appears; a repeated text appears again.
    QAccessibleEvent erschienen(feld, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&erschienen);
}

} // namespace app
