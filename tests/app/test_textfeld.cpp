// The text boxes on their own, offscreen: what they refuse, that a refusal
// leaves the text exactly as it was, that a paste of nothing changes nothing,
// and that a long unbroken stretch switches the box to breaking anywhere.
#include "app/Textfeld.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include <functional>

namespace {

QString letterWithMarks(int marks) {
    return QStringLiteral("a") + QString(marks, QChar(u'\u0301'));
}

// Whether the box's check after the last change has run, within five seconds.
bool geprueft(const app::Textfeld& feld) {
    return QTest::qWaitFor([&] { return !feld.pruefungAussteht(); });
}

// Does `tun` and returns the refusal it led to, once the box has checked;
// empty when there was none.
QString mitAntwort(app::Textfeld& feld, const std::function<void()>& tun) {
    QString text;
    feld.abweisungSetzen(sitzung::Ort::Text2, [&](const QString& meldung) { text = meldung; });
    tun();
    return geprueft(feld) ? text : QStringLiteral("(the check after the change never ran)");
}

} // namespace

class TestTextfeld : public QObject {
    Q_OBJECT
  private slots:
    void einwandTable_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("full picture capacity") << QString(8120, 'a') << false;
        QTest::newRow("at the length limit") << QString(sitzung::kHoechstZeichen, 'a') << false;
        QTest::newRow("one past the limit") << QString(sitzung::kHoechstZeichen + 1, 'a') << true;
        QTest::newRow("letter with 31 marks") << letterWithMarks(31) << false;
        QTest::newRow("letter with 32 marks") << letterWithMarks(32) << true;
        QTest::newRow("many short clusters") << letterWithMarks(5).repeated(1000) << false;
        QTest::newRow("ordinary German") << QStringLiteral("Grüße, Straße\r\nÄrger") << false;
    }
    void einwandTable() {
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QCOMPARE(!sitzung::einwand(sitzung::Ort::Text2, text.toStdU16String()).empty(), refused);
    }

    // Qt 6.4 crashed on the first of these; the others must change nothing either.
    void pasteOfNothingChangesNothing_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("no formats at all") << QString() << QByteArray();
        QTest::newRow("only a picture") << QStringLiteral("image/png") << QByteArray("\x89PNG");
        QTest::newRow("empty text") << QStringLiteral("text/plain") << QByteArray();
    }
    void pasteOfNothingChangesNothing() {
        QFETCH(QString, format);
        QFETCH(QByteArray, data);
        app::Textfeld feld(nullptr);
        feld.setPlainText("ab");
        auto* inhalt = new QMimeData;
        if (!format.isEmpty()) {
            inhalt->setData(format, data);
        }
        QApplication::clipboard()->setMimeData(inhalt);
        QCOMPARE(mitAntwort(feld, [&] { feld.paste(); }), QString());
        QCOMPARE(feld.toPlainText(), QStringLiteral("ab"));
    }

    void pasteTooLongIsRefusedWithAMessage() {
        app::Textfeld feld(nullptr);
        feld.setPlainText("ab");
        QApplication::clipboard()->setText(QString(1 << 20, 'x'));
        const QString meldung = mitAntwort(feld, [&] { feld.paste(); });
        QVERIFY2(meldung.contains("höchstens 32.768 Zeichen"), qPrintable(meldung));
        QCOMPARE(feld.toPlainText(), QStringLiteral("ab"));
    }

    // Deleting the letter between two stacks of marks joins them; the box takes
    // the deletion back and says why.
    void joiningStacksIsTakenBack() {
        app::Textfeld feld(nullptr);
        const QString vorher = letterWithMarks(20) + letterWithMarks(20);
        feld.setPlainText(vorher);
        QVERIFY(geprueft(feld));
        QTextCursor c = feld.textCursor();
        c.setPosition(22);
        feld.setTextCursor(c);
        const QString meldung = mitAntwort(feld, [&] { QTest::keyClick(&feld, Qt::Key_Backspace); });
        QVERIFY2(meldung.contains("Teile je Zeichen"), qPrintable(meldung));
        QCOMPARE(feld.toPlainText(), vorher);
    }

    void longUnbrokenStretchBreaksAnywhere() {
        app::Textfeld feld(nullptr);
        QApplication::clipboard()->setText(QString(5000, 'a'));
        feld.paste();
        QCOMPARE(feld.wordWrapMode(), QTextOption::WrapAnywhere);
        feld.setPlainText(QStringLiteral("kurze Wörter ").repeated(500));
        QVERIFY(geprueft(feld));
        QCOMPARE(feld.wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    }
};

QTEST_MAIN(TestTextfeld)
#include "test_textfeld.moc"
