// One keystroke in Text2 as the user makes it, offscreen: the key is typed at
// the end of a long text and the box repainted before the clock stops. The
// texts are what a paste can leave there: one unbroken word, base letters each
// with a combining mark, and one letter under a pile of combining marks.
#include "app/Form1.h"
#include "bench/Messung.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <benchmark/benchmark.h>

namespace {

QString unbrochen(int n) {
    return QString(n, QLatin1Char('a'));
}

QString mitZeichen(int n) {
    QString s;
    s.reserve(n);
    for (int i = 0; i < n; ++i) {
        s.append(i % 2 == 0 ? QChar(u'e') : QChar(u'\u0301'));
    }
    return s;
}

QString einHaufen(int n) {
    return QLatin1Char('a') + QString(n - 1, QChar(u'\u0301'));
}

void BM_Text2_Taste(benchmark::State& state, QString (*text)(int)) {
    app::Form1 f;
    f.show();
    auto* feld = f.findChild<QPlainTextEdit*>("Text2");
    feld->setFocus();
    feld->setPlainText(text(static_cast<int>(state.range(0))));
    feld->moveCursor(QTextCursor::End);
    QApplication::processEvents();
    const int vorher = feld->document()->characterCount();
    for (auto _ : state) {
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(feld, &druck);
        QKeyEvent los(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(feld, &los);
        QApplication::processEvents();
        feld->viewport()->repaint();
    }
    if (feld->document()->characterCount() == vorher) {
        state.SkipWithError("the key was not typed");
    }
}
BENCHMARK_CAPTURE(BM_Text2_Taste, unbrochen, unbrochen)
    ->Arg(20000)->Arg(50000)->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_Text2_Taste, Kombinationszeichen, mitZeichen)
    ->Arg(20000)->Arg(50000)->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_Text2_Taste, ein_Haufen, einHaufen)
    ->Arg(20000)->Arg(50000)->Arg(200000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    return messung::offscreenAusfuehren(argc, argv);
}
