// The window's commands as a user runs them, offscreen: the menu item is
// triggered and the working copy repainted before the clock stops.
#include "app/Form1.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

namespace {

QAction* aktion(app::Form1& f, const char* name) {
    return f.findChild<QAction*>(name);
}

class Malzaehler : public QObject {
  public:
    explicit Malzaehler(int& zahl) : zahl_(zahl) {}
    bool eventFilter(QObject*, QEvent* ereignis) override {
        zahl_ += ereignis->type() == QEvent::Paint;
        return false;
    }

  private:
    int& zahl_;
};

void vorbereiten(app::Form1& f, int zeichen) {
    f.findChild<QPlainTextEdit*>("Text2")->setPlainText(QString(zeichen, 'a'));
    aktion(f, "M_Positionen_ermitteln")->trigger();
    aktion(f, "M_Text_verschluesseln")->trigger();
}

// Includes the 64960 lines appended to List1. The list is never cleared, so
// each run starts with a fresh window.
void BM_Form1_PositionenErmitteln(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto f = std::make_unique<app::Form1>();
        f->show();
        f->findChild<QPlainTextEdit*>("Text2")->setPlainText(QString(8120, 'a'));
        QApplication::processEvents();
        state.ResumeTiming();
        aktion(*f, "M_Positionen_ermitteln")->trigger();
        QApplication::processEvents(); // the list lays out and paints
        state.PauseTiming();
        f.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Form1_PositionenErmitteln)->Unit(benchmark::kMillisecond);

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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication programm(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
