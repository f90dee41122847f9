// The position list on its own, offscreen, at the window's size and font:
// appending a full-capacity block with its paint, the resident memory per
// listed line, scrolling across three million lines, and typing letters into
// lists of several lengths.
#include "EigeneListe.h"
#include "bench/Messung.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

namespace {

constexpr std::int64_t kVoll = 64960;
constexpr int kDreiMillionen = 46; // blocks of kVoll: 2,988,160 lines

const key::Positionstabelle& volleTabelle() {
    static const key::Positionstabelle tabelle = [] {
        key::Zufallsgenerator z;
        return key::ermitteln(z, 709, kVoll, 290, 224).tabelle;
    }();
    return tabelle;
}

using messung::Malzaehler;

std::unique_ptr<EigeneListe> neueListe(Malzaehler& zaehler) {
    auto liste = std::make_unique<EigeneListe>(nullptr);
    QFont schrift = liste->font();
    schrift.setPointSize(8);
    liste->setFont(schrift);
    liste->resize(73, 224);
    liste->show();
    liste->viewport()->installEventFilter(&zaehler);
    QApplication::processEvents();
    return liste;
}

void anhaengenUndMalen(EigeneListe& liste) {
    liste.anhaengen(volleTabelle());
    QApplication::processEvents();
    liste.viewport()->repaint();
}

// The k-th append of a full-capacity block (k = the argument) with its paint;
// the k - 1 before it are not timed.
void BM_Positionsliste_Anhaengen(benchmark::State& state) {
    volleTabelle();
    int malungen = 0;
    Malzaehler zaehler(malungen);
    for (auto _ : state) {
        state.PauseTiming();
        auto liste = neueListe(zaehler);
        for (std::int64_t k = 1; k < state.range(0); ++k) {
            anhaengenUndMalen(*liste);
        }
        const int vorher = malungen;
        state.ResumeTiming();
        anhaengenUndMalen(*liste);
        state.PauseTiming();
        if (malungen == vorher) {
            state.SkipWithError("the list was not painted");
        }
        liste.reset();
        malloc_trim(0); // the next run's blocks are fresh memory, as in a running program
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Positionsliste_Anhaengen)
    ->Arg(1)
    ->Arg(50)
    ->Iterations(messung::mal(20))
    ->Unit(benchmark::kMillisecond)
    ->Apply(messung::spanne);

// Resident memory gained by the process per listed line, painted and all.
void BM_Positionsliste_Speicher(benchmark::State& state) {
    volleTabelle();
    int malungen = 0;
    Malzaehler zaehler(malungen);
    double bytesJeZeile = 0;
    for (auto _ : state) {
        malloc_trim(0); // what an earlier run freed must not be counted as reused
        const std::int64_t vorher = messung::residentBytes();
        auto liste = neueListe(zaehler);
        for (int k = 0; k < kDreiMillionen; ++k) {
            anhaengenUndMalen(*liste);
        }
        bytesJeZeile += static_cast<double>(messung::residentBytes() - vorher) / liste->zeilen();
    }
    state.counters["Bytes_je_Zeile"] = bytesJeZeile / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Positionsliste_Speicher)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Apply(messung::spanne);

// From one end of a list of about three million lines to the other, with the
// repaint of the lines then in view; alternately down and up.
void BM_Positionsliste_ZumEndeBlaettern(benchmark::State& state) {
    int malungen = 0;
    Malzaehler zaehler(malungen);
    auto liste = neueListe(zaehler);
    for (int k = 0; k < kDreiMillionen; ++k) {
        liste->anhaengen(volleTabelle());
    }
    QApplication::processEvents();
    bool unten = false;
    const int vorher = malungen;
    for (auto _ : state) {
        unten = !unten;
        if (unten) {
            liste->scrollToBottom();
        } else {
            liste->scrollToTop();
        }
        liste->viewport()->repaint();
    }
    if (malungen - vorher < state.iterations()) {
        state.SkipWithError("the list was not repainted");
    }
}
BENCHMARK(BM_Positionsliste_ZumEndeBlaettern)
    ->Unit(benchmark::kMicrosecond)
    ->Apply(messung::spanne);

// 25 letters typed into the list with the focus, at a length of the argument
// full-capacity blocks; each letter is followed by the events it leaves.
void BM_Positionsliste_Tippen(benchmark::State& state) {
    int malungen = 0;
    Malzaehler zaehler(malungen);
    auto liste = neueListe(zaehler);
    for (std::int64_t k = 0; k < state.range(0); ++k) {
        liste->anhaengen(volleTabelle());
    }
    liste->setFocus();
    liste->setCurrentIndex(liste->model()->index(0, 0));
    QApplication::processEvents();
    for (auto _ : state) {
        for (char c = 'a'; c < 'a' + 25; ++c) {
            QKeyEvent druck(QEvent::KeyPress, Qt::Key_A + (c - 'a'), Qt::NoModifier,
                            QString(QChar(c)));
            QApplication::sendEvent(liste.get(), &druck);
            QApplication::processEvents();
        }
    }
    state.counters["Zeilen"] = liste->zeilen();
}
BENCHMARK(BM_Positionsliste_Tippen)
    ->Arg(1)
    ->Arg(4)
    ->Arg(46)
    ->Unit(benchmark::kMillisecond)
    ->Apply(messung::spanne);

} // namespace

int main(int argc, char** argv) {
    return messung::offscreenAusfuehren(argc, argv);
}
