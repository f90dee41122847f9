// Start-up to the first paint of the working copy, as the program runs it:
// prints the wall-clock time (CLOCK_REALTIME, nanoseconds) right after that
// paint and quits. scripts/startzeit.sh subtracts the time of the launch.
#include "app/Form1.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

class ErsteMalung : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint && !gesehen_) {
            gesehen_ = true;
            // Queued, so it runs once the paint itself is done.
            QTimer::singleShot(0, [] {
                timespec jetzt{};
                clock_gettime(CLOCK_REALTIME, &jetzt);
                std::printf("%lld\n",
                            static_cast<long long>(jetzt.tv_sec) * 1000000000LL + jetzt.tv_nsec);
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

  private:
    bool gesehen_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication programm(argc, argv);
    app::Form1 fenster;
    ErsteMalung filter;
    fenster.findChild<QWidget*>("Picture2")->installEventFilter(&filter);
    fenster.show();
    return QApplication::exec();
}
