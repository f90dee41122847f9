// Text2 under the texts a paste can leave there, offscreen: one keystroke at
// the end of the text, and the paste of the whole text into an empty box,
// each with its layout and paint before the clock stops. A box holds at most
// sitzung::kHoechstZeichen units, so that is the length measured; a paste of
// 200,000 characters is refused before anything is laid out.
#include "app/Form1.h"
#include "app/Textfeld.h"
#include "bench/Messung.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <benchmark/benchmark.h>

namespace {

QString wiederholt(std::u16string_view muster, qsizetype n) {
    QString s;
    s.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        s.append(QChar(muster[static_cast<std::size_t>(i) % muster.size()]));
    }
    return s;
}

QString text(int art, qsizetype n) {
    switch (art) {
    case 0: // one unbroken word
        return wiederholt(u"a", n);
    case 1: // each letter with a combining mark
        return wiederholt(u"e\u0301", n);
    case 2: // letters under as many stacked marks as a box takes
        return wiederholt(
            QString(u'a' + QString(sitzung::kHoechstKombinierend - 1, QChar(0x301))).toStdU16String(),
            n);
    case 3: // Latin and Hebrew in turn: a change of direction at every letter
        return wiederholt(u"a\u05D0", n);
    default: // eight scripts in turn, each from another font
        return wiederholt(u"a\u05D0\u0627\u0915\u4E00\u0E01\u10D0\u0F40", n);
    }
}

const char* const kArten[] = {"unbrochen", "Kombinationszeichen", "gestapelt", "Richtungswechsel",
                              "acht_Schriften"};

QPlainTextEdit* text2(app::Form1& f) {
    auto* feld = f.findChild<QPlainTextEdit*>("Text2");
    feld->setFocus();
    return feld;
}

void BM_Text2_Taste(benchmark::State& state) {
    app::Form1 f;
    f.show();
    QPlainTextEdit* feld = text2(f);
    QApplication::clipboard()->setText(
        text(static_cast<int>(state.range(0)), sitzung::kHoechstZeichen - 100));
    feld->paste();
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
    if (vorher < sitzung::kHoechstZeichen - 200 || feld->document()->characterCount() == vorher) {
        state.SkipWithError("the text was not pasted or the key not typed");
    }
    state.SetLabel(kArten[state.range(0)]);
}
BENCHMARK(BM_Text2_Taste)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(messung::mal(20));

void BM_Text2_Einfuegen(benchmark::State& state) {
    app::Form1 f;
    f.show();
    QPlainTextEdit* feld = text2(f);
    QApplication::clipboard()->setText(
        text(static_cast<int>(state.range(0)), sitzung::kHoechstZeichen));
    for (auto _ : state) {
        state.PauseTiming();
        feld->clear();
        QApplication::processEvents();
        state.ResumeTiming();
        feld->paste();
        QApplication::processEvents();
        feld->viewport()->repaint();
    }
    if (feld->document()->characterCount() < sitzung::kHoechstZeichen) {
        state.SkipWithError("the paste was refused");
    }
    state.SetLabel(kArten[state.range(0)]);
}
BENCHMARK(BM_Text2_Einfuegen)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(messung::mal(5));

} // namespace

int main(int argc, char** argv) {
    return messung::offscreenAusfuehren(argc, argv);
}
