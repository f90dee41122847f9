#include "app/Schluesselpruefung.h"

#include "sitzung/Einwaende.h"
#include "sitzung/Texte.h"

#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace app {

QValidator::State Schluesselpruefung::validate(QString& eingabe, int& /*stelle*/) const {
    if (eingabe.size() <= sitzung::kHoechstZeichen) {
        return Acceptable;
    }
    // The line edit undoes the edit once this returns; the box says why after that.
    QPointer<QWidget> feld = qobject_cast<QWidget*>(parent());
    const QString meldung = QString::fromStdString(sitzung::schluesselZuLang(eingabe.size()));
    QTimer::singleShot(0, feld, [feld, meldung] {
        if (feld) {
            QMessageBox::warning(feld, QString::fromUtf8(sitzung::kProgrammtitel), meldung);
        }
    });
    return Invalid;
}

} // namespace app
