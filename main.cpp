#include "app/Anzeigepruefung.h"
#include "app/Form1.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Qt would abort when it reaches no display; say plainly what is missing
    // and how to run the program anyway.
    if (const std::string hindernis = app::anzeigeHindernis(argc, argv); !hindernis.empty()) {
        std::fputs(hindernis.c_str(), stderr);
        return 1;
    }
    // A picture that teaches single pixels is shown at a whole device pixel
    // ratio, the ratio's whole part: 125 %, 150 % and 175 % stay at 1 with the
    // screen's own DPI, 200 % is 2, as the page does in a browser.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Floor);
    QApplication programm(argc, argv);
    QApplication::setApplicationName("punktgarten");
    QApplication::setDesktopFileName("io.github.punktgarten.tarnbild");
    app::Form1 fenster;
    fenster.show();
    return QApplication::exec();
}
