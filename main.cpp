#include "app/Form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would stop with a platform plugin error; say plainly
// what is missing and how to run the program anyway.
bool anzeigeVorhanden() {
    const auto gesetzt = [](const char* name) {
        const char* wert = std::getenv(name);
        return wert != nullptr && *wert != '\0';
    };
    return gesetzt("DISPLAY") || gesetzt("WAYLAND_DISPLAY") || gesetzt("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[]) {
    if (!anzeigeVorhanden()) {
        std::fprintf(stderr,
                     "punktgarten: Keine grafische Anzeige gefunden (DISPLAY ist nicht gesetzt).\n"
                     "Ohne Bildschirm startet das Programm in einem virtuellen X-Server:\n"
                     "    xvfb-run -a %s\n",
                     argc > 0 ? argv[0] : "punktgarten");
        return 1;
    }
    // A picture that teaches single pixels is shown at a whole device pixel
    // ratio: 125 % and 150 % stay at 1 with the screen's own DPI, 200 % is 2.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::RoundPreferFloor);
    QApplication programm(argc, argv);
    QApplication::setApplicationName("punktgarten");
    QApplication::setDesktopFileName("io.github.punktgarten.tarnbild");
    app::Form1 fenster;
    fenster.show();
    return QApplication::exec();
}
