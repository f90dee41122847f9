#include "Fensterhilfe.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

namespace hilfe {

QAction* aktion(app::Form1& f, const char* name) {
    auto* a = f.findChild<QAction*>(QString::fromLatin1(name));
    Q_ASSERT_X(a, "aktion", name);
    return a;
}

QTimer* wennModal(std::function<void(QWidget*)> antwort) {
    auto* uhr = new QTimer;
    uhr->setInterval(5);
    QObject::connect(uhr, &QTimer::timeout, [uhr, antwort] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            uhr->stop();
            uhr->deleteLater();
            antwort(w);
        }
    });
    uhr->start();
    return uhr;
}

QString waehleUndBestaetige(app::Form1& f, const char* name) {
    QString text;
    bool geantwortet = false;
    QTimer* uhr = wennModal([&](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            text = box->text();
        }
        geantwortet = true;
        static_cast<QDialog*>(w)->accept();
    });
    aktion(f, name)->trigger();
    if (!geantwortet) {
        delete uhr; // no dialog opened
    }
    return text;
}

void schluesselEingeben(app::Form1& f, const QString* schluessel) {
    const QString wert = schluessel ? *schluessel : QString();
    const bool abbrechen = schluessel == nullptr;
    wennModal([wert, abbrechen](QWidget* w) {
        auto* dialog = qobject_cast<QInputDialog*>(w);
        Q_ASSERT(dialog);
        if (abbrechen) {
            dialog->reject();
        } else {
            dialog->setTextValue(wert);
            dialog->accept();
        }
    });
    aktion(f, "M_den_Schluessel_festlegen")->trigger();
}

std::vector<std::int32_t> angezeigt(app::Form1& f, const char* bild) {
    const QImage img = control<QWidget>(f, bild)->grab().toImage();
    std::vector<std::int32_t> werte;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            werte.push_back(qRed(p) + 256 * qGreen(p) + 65536 * qBlue(p));
        }
    }
    return werte;
}

std::vector<std::int32_t> alsFarbwerte(const picture::Bildflaeche& b) {
    std::vector<std::int32_t> werte;
    for (int y = 0; y < b.hoehe(); ++y) {
        for (int x = 0; x < b.breite(); ++x) {
            werte.push_back(b.lesen(x, y));
        }
    }
    return werte;
}

} // namespace hilfe
