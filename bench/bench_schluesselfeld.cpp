// The key box's line edit, offscreen: a paste of n units and one keystroke
// after it, as the key box has it (refusing more than the session's limit,
// with a message) and as a plain line edit without a limit had it.
#include "app/Schluesselpruefung.h"
#include "bench/Messung.h"
#include "sitzung/Einwaende.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <limits>

namespace {

// Closes the refusal's message box as soon as it is up.
void boxenSchliessen() {
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
}

QLineEdit* feld(bool begrenzt) {
    auto* f = new QLineEdit();
    f->setMaxLength(std::numeric_limits<int>::max());
    if (begrenzt) {
        f->setValidator(new app::Schluesselpruefung(f, [](const std::string&) {}));
    }
    f->show();
    f->setFocus();
    return f;
}

void tippen(QLineEdit* f) {
    QKeyEvent druck(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(f, &druck);
    QKeyEvent los(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(f, &los);
    f->repaint();
}

// range(0): units pasted; range(1): 1 for the key box, 0 for a plain line edit.
void BM_Schluessel_Einfuegen(benchmark::State& state) {
    QApplication::clipboard()->setText(QString(state.range(0), 'a'));
    for (auto _ : state) {
        state.PauseTiming();
        QLineEdit* f = feld(state.range(1) != 0);
        state.ResumeTiming();
        f->paste();
        f->repaint();
        state.PauseTiming();
        boxenSchliessen();
        QApplication::processEvents();
        delete f;
        state.ResumeTiming();
    }
    state.SetLabel(state.range(1) != 0 ? "Schluesselfeld" : "ohne_Grenze");
}

void BM_Schluessel_TasteDanach(benchmark::State& state) {
    QApplication::clipboard()->setText(QString(state.range(0), 'a'));
    QLineEdit* f = feld(state.range(1) != 0);
    f->paste();
    boxenSchliessen();
    QApplication::processEvents();
    for (auto _ : state) {
        tippen(f);
    }
    const bool begrenzt = state.range(1) != 0;
    if (begrenzt && state.range(0) > sitzung::kHoechstZeichen &&
        f->text().size() > sitzung::kHoechstZeichen) {
        state.SkipWithError("the key box took more than its limit");
    }
    state.SetLabel(begrenzt ? "Schluesselfeld" : "ohne_Grenze");
    delete f;
}

const std::vector<std::vector<std::int64_t>> kFaelle = {{1 << 10, 1 << 15, 1 << 20}, {1, 0}};
BENCHMARK(BM_Schluessel_Einfuegen)->ArgsProduct(kFaelle)->Unit(benchmark::kMillisecond)->Iterations(messung::mal(3));
BENCHMARK(BM_Schluessel_TasteDanach)->ArgsProduct(kFaelle)->Unit(benchmark::kMillisecond)->Iterations(messung::mal(10));

} // namespace

int main(int argc, char** argv) {
    return messung::offscreenAusfuehren(argc, argv);
}
