#pragma once
// What the window benchmarks share: min and max beside the median, the
// resident memory of the process, a paint counter and an offscreen main.
#include <QApplication>
#include <QEvent>
#include <QObject>

#include "Spanne.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <fstream>
#include <string>

namespace messung {

// VmRSS from /proc/self/status, in bytes; 0 where there is none.
inline std::int64_t residentBytes() {
    std::ifstream status("/proc/self/status");
    std::string wort;
    while (status >> wort) {
        if (wort == "VmRSS:") {
            std::int64_t kib = 0;
            status >> kib;
            return kib * 1024;
        }
    }
    return 0;
}

// Counts the paint events of the widgets it is installed on.
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

// The body of main: the benchmarks with a QApplication, offscreen.
inline int offscreenAusfuehren(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication programm(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace messung
