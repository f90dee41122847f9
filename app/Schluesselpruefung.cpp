#include "app/Schluesselpruefung.h"

#include "sitzung/Einwaende.h"

#include <QTimer>
#include <QWidget>

namespace app {

QValidator::State Schluesselpruefung::validate(QString& eingabe, int& /*stelle*/) const {
    std::string meldung = sitzung::einwand(
        sitzung::Ort::Schluessel,
        {reinterpret_cast<const char16_t*>(eingabe.utf16()), static_cast<std::size_t>(eingabe.size())});
    if (meldung.empty()) {
        return Acceptable;
    }
    // The line edit undoes the edit once this returns; the box says why after that.
    QTimer::singleShot(0, parent(), [abweisung = abweisung_, meldung = std::move(meldung)] {
        abweisung(meldung);
    });
    return Invalid;
}

} // namespace app
