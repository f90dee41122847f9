// The window's commands as a user runs them, offscreen: the menu item is
// triggered and the working copy repainted before the clock stops.
#include "app/Form1.h"
#include "bench/Messung.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <ctime>
#include <memory>

namespace {

QAction* aktion(app::Form1& f, const char* name) {
    return f.findChild<QAction*>(name);
}

using messung::Malzaehler;

void vorbereiten(app::Form1& f, int zeichen) {
    f.findChild<QPlainTextEdit*>("Text2")->setPlainText(QString(zeichen, 'a'));
    aktion(f, "M_Positionen_ermitteln")->trigger();
    aktion(f, "M_Text_verschluesseln")->trigger();
}

// One determination at full capacity as the user sees it: the positions are
// drawn, 64960 lines appended to List1, and the list laid out and painted.
// The visible lines are painted once more on purpose, so that a list which
// need not repaint for lines below its view is still measured with a paint.
void ermittelnUndListeMalen(app::Form1& f, QAbstractItemView* liste) {
    aktion(f, "M_Positionen_ermitteln")->trigger();
    QApplication::processEvents();
    liste->viewport()->repaint();
}

QAbstractItemView* liste1(app::Form1& f) {
    return f.findChild<QAbstractItemView*>("List1");
}

std::unique_ptr<app::Form1> fensterMitVollemText() {
    auto f = std::make_unique<app::Form1>();
    f->show();
    f->findChild<QPlainTextEdit*>("Text2")->setPlainText(QString(8120, 'a'));
    QApplication::processEvents();
    return f;
}

// The list is never cleared, so each run starts with a fresh window.
void BM_Form1_PositionenErmitteln(benchmark::State& state) {
    int malungen = 0;
    Malzaehler zaehler(malungen);
    for (auto _ : state) {
        state.PauseTiming();
        auto f = fensterMitVollemText();
        QAbstractItemView* liste = liste1(*f);
        liste->viewport()->installEventFilter(&zaehler);
        const int vorher = malungen;
        state.ResumeTiming();
        ermittelnUndListeMalen(*f, liste);
        state.PauseTiming();
        if (malungen == vorher) {
            state.SkipWithError("List1 was not painted");
        }
        f.reset();
        malloc_trim(0); // the next window's memory is fresh, as in a new program
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Form1_PositionenErmitteln)->Unit(benchmark::kMillisecond)->Apply(messung::spanne);

double cpuMillisekunden() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

// 50 full-capacity determinations in one window, 3,248,000 lines at the end.
// The 1st and the 50th are reported in CPU milliseconds, list and paint
// included, and the resident memory the window gained per listed line.
void BM_Form1_PositionenErmitteln_50mal(benchmark::State& state) {
    constexpr int kMal = 50;
    int malungen = 0;
    Malzaehler zaehler(malungen);
    double erste = 0;
    double letzte = 0;
    double bytesJeZeile = 0;
    for (auto _ : state) {
        malloc_trim(0);
        auto f = fensterMitVollemText();
        QAbstractItemView* liste = liste1(*f);
        liste->viewport()->installEventFilter(&zaehler);
        const std::int64_t rssVorher = messung::residentBytes();
        for (int i = 1; i <= kMal; ++i) {
            const int vorher = malungen;
            const double start = cpuMillisekunden();
            ermittelnUndListeMalen(*f, liste);
            const double dauer = cpuMillisekunden() - start;
            if (malungen == vorher) {
                state.SkipWithError("List1 was not painted");
            }
            erste += i == 1 ? dauer : 0;
            letzte += i == kMal ? dauer : 0;
        }
        const int zeilen = liste->model()->rowCount();
        if (zeilen != kMal * 64960) {
            state.SkipWithError("List1 lost lines");
        }
        bytesJeZeile += static_cast<double>(messung::residentBytes() - rssVorher) / zeilen;
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["erste_ms"] = erste / n;
    state.counters["fuenfzigste_ms"] = letzte / n;
    state.counters["fuenfzigste_durch_erste"] = letzte / erste;
    state.counters["Bytes_je_Zeile"] = bytesJeZeile / n;
}
BENCHMARK(BM_Form1_PositionenErmitteln_50mal)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Apply(messung::spanne);

void BM_Form1_Befehl(benchmark::State& state, const char* name) {
    app::Form1 f;
    f.show();
    QApplication::processEvents(); // exposed, so that repaint() really paints
    vorbereiten(f, 8120);
    QWidget* bild = f.findChild<QWidget*>("Picture2");
    int malungen = 0;
    Malzaehler zaehler(malungen);
    bild->installEventFilter(&zaehler);
    for (auto _ : state) {
        aktion(f, "M_Originalbild_laden")->trigger();
        aktion(f, name)->trigger();
        bild->repaint();
    }
    if (malungen < state.iterations()) {
        state.SkipWithError("the working copy was not repainted");
    }
}
BENCHMARK_CAPTURE(BM_Form1_Befehl, letztes_Bit_anzeigen, "M_letztes_Bit_anzeigen")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Form1_Befehl, auf_0, "M_letztes_Bit_auf_0")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Form1_Befehl, auf_1, "M_letztes_Bit_auf_1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Form1_Befehl, auf_Zufall, "M_letztes_Bit_auf_Zufall_setzen")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Form1_Befehl, Positionen_anzeigen, "M_Positionen_anzeigen")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Form1_Befehl, Bits_anzeigen, "M_Bits_anzeigen")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Form1_Befehl, Text_verschluesseln, "M_Text_verschluesseln")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Form1_Befehl, Bild_entschluesseln, "M_Bild_entschluesseln")
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return messung::offscreenAusfuehren(argc, argv);
}
