// The position list on its own, offscreen: every line readable through the
// model, blocks appended in order with one signal each, the look of the
// QListWidget it replaces, the last lines of a long list on screen, and the
// keys as the interaction model moves them.
#include "EigeneListe.h"
#include "app/Tasten.h"
#include "sitzung/Bedienung.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTest>

#include <cstdint>
#include <vector>

namespace {

// A table of n entries whose coordinates run through 0, 1..99 and three or
// more digits, different for every start value.
key::Positionstabelle tabelle(int n, int start = 0) {
    key::Positionstabelle t;
    t.PosX.assign(static_cast<std::size_t>(n) + 1, -1);
    t.PosY.assign(static_cast<std::size_t>(n) + 1, -1);
    for (int k = 1; k <= n; ++k) {
        t.PosX[static_cast<std::size_t>(k)] = (start + k * 7) % 1290;
        t.PosY[static_cast<std::size_t>(k)] = (start + k) % 224;
    }
    return t;
}

QString erwartet(const key::Positionstabelle& t, int k) {
    return QString::fromStdString(
        key::listenzeile(t.PosX[static_cast<std::size_t>(k)], t.PosY[static_cast<std::size_t>(k)]));
}

// The list as the window had it before, with the window's 8-point font.
void wieImFenster(QWidget& w) {
    QFont schrift = w.font();
    schrift.setPointSize(8);
    w.setFont(schrift);
    w.resize(73, 224);
}

class Zeilenmerker : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        gemalt.push_back({index.row(), option.rect});
        QStyledItemDelegate::paint(maler, option, index);
    }
    mutable std::vector<std::pair<int, QRect>> gemalt;
};

} // namespace

class TestPositionsliste : public QObject {
    Q_OBJECT
  private slots:
    void blocksAreAppendedInOrderWithOneSignalEach_data() {
        QTest::addColumn<int>("erster");
        QTest::addColumn<int>("zweiter");
        QTest::newRow("full capacity, then one character") << 64960 << 8;
        // The model keeps its entries in blocks of 2^17.
        QTest::newRow("across a storage block") << 131071 << 3;
        QTest::newRow("exactly a block, then one more") << 131072 << 131072;
        QTest::newRow("empty second table") << 8 << 0;
    }
    void blocksAreAppendedInOrderWithOneSignalEach() {
        QFETCH(int, erster);
        QFETCH(int, zweiter);
        EigeneListe liste(nullptr);
        QAbstractItemModel* modell = liste.model();
        QSignalSpy eingefuegt(modell, &QAbstractItemModel::rowsInserted);
        const key::Positionstabelle a = tabelle(erster, 0);
        const key::Positionstabelle b = tabelle(zweiter, 5);
        liste.anhaengen(a);
        liste.anhaengen(b);

        QCOMPARE(eingefuegt.size(), zweiter > 0 ? 2 : 1);
        QCOMPARE(eingefuegt[0][1].toInt(), 0);
        QCOMPARE(eingefuegt[0][2].toInt(), erster - 1);
        if (zweiter > 0) {
            QCOMPARE(eingefuegt[1][1].toInt(), erster);
            QCOMPARE(eingefuegt[1][2].toInt(), erster + zweiter - 1);
        }
        QCOMPARE(liste.zeilen(), erster + zweiter);
        QCOMPARE(modell->rowCount(), erster + zweiter);
        for (int i = 0; i < erster + zweiter; ++i) {
            const QString zeile = i < erster ? erwartet(a, i + 1) : erwartet(b, i - erster + 1);
            const QModelIndex index = modell->index(i, 0);
            QCOMPARE(index.data(Qt::DisplayRole).toString(), zeile);
            QCOMPARE(index.data(Qt::AccessibleTextRole).toString(), zeile);
            QCOMPARE(liste.zeile(i), zeile);
        }
        QVERIFY(!modell->index(erster + zweiter, 0).isValid());
    }

    void looksLikeTheListWidgetItReplaces_data() {
        QTest::addColumn<bool>("amEnde");
        QTest::newRow("first lines") << false;
        QTest::newRow("scrolled to the end") << true;
    }
    void looksLikeTheListWidgetItReplaces() {
        QFETCH(bool, amEnde);
        const key::Positionstabelle t = tabelle(1000);
        EigeneListe neu(nullptr);
        wieImFenster(neu);
        neu.anhaengen(t);
        QListWidget alt;
        wieImFenster(alt);
        alt.setUniformItemSizes(true);
        alt.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        alt.setTextElideMode(Qt::ElideNone);
        QPalette farben = alt.palette();
        farben.setColor(QPalette::Base, QApplication::palette("QMenu").color(QPalette::Window));
        alt.setPalette(farben);
        for (int k = 1; k <= t.eintraege(); ++k) {
            alt.addItem(erwartet(t, k));
        }
        neu.show();
        alt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&neu));
        QVERIFY(QTest::qWaitForWindowExposed(&alt));
        if (amEnde) {
            neu.scrollToBottom();
            alt.scrollToBottom();
        }
        QCOMPARE(neu.verticalScrollBar()->maximum(), alt.verticalScrollBar()->maximum());
        QCOMPARE(neu.verticalScrollBar()->value(), alt.verticalScrollBar()->value());
        QCOMPARE(neu.grab().toImage(), alt.grab().toImage());
    }

    void scrollingToTheEndOfALongListPaintsItsLastLines() {
        EigeneListe liste(nullptr);
        wieImFenster(liste);
        const key::Positionstabelle t = tabelle(64960);
        for (int i = 0; i < 46; ++i) { // about three million lines
            liste.anhaengen(t);
        }
        auto* merker = new Zeilenmerker(&liste);
        liste.setItemDelegate(merker);
        liste.show();
        QVERIFY(QTest::qWaitForWindowExposed(&liste));
        const int letzte = liste.zeilen() - 1;
        liste.scrollToBottom();
        merker->gemalt.clear();
        liste.viewport()->repaint();

        QVERIFY(!merker->gemalt.empty());
        QCOMPARE(merker->gemalt.back().first, letzte);
        const int hoehe = merker->gemalt.back().second.height();
        const int sichtbar = liste.viewport()->height() / hoehe;
        QCOMPARE(static_cast<int>(merker->gemalt.size()), sichtbar);
        for (const auto& [zeile, rechteck] : merker->gemalt) {
            QCOMPARE(rechteck.top(), (zeile - (letzte - sichtbar + 1)) * hoehe);
        }
        QVERIFY(merker->gemalt.back().second.bottom() < liste.viewport()->height());
        QCOMPARE(liste.indexAt(merker->gemalt.back().second.center()).row(), letzte);
        QCOMPARE(liste.zeile(letzte), erwartet(t, 64960));
    }

    // Each key leaves the current line and the first line shown where the
    // interaction model puts them; Page Down moves a view less one line.
    void keysMoveAsTheInteractionModelSays_data() {
        QTest::addColumn<QList<int>>("tasten");
        QTest::addColumn<int>("zeile"); // -1: the last line, -2: one page below the first
        QTest::newRow("Down") << QList<int>{Qt::Key_Down} << 1;
        QTest::newRow("Up at the first line") << QList<int>{Qt::Key_Up} << 0;
        QTest::newRow("End") << QList<int>{Qt::Key_End} << -1;
        QTest::newRow("End, Down") << QList<int>{Qt::Key_End, Qt::Key_Down} << -1;
        QTest::newRow("End, Home") << QList<int>{Qt::Key_End, Qt::Key_Home} << 0;
        QTest::newRow("PageDown") << QList<int>{Qt::Key_PageDown} << -2;
        QTest::newRow("PageDown, PageUp") << QList<int>{Qt::Key_PageDown, Qt::Key_PageUp} << 0;
        QTest::newRow("PageDown three times")
            << QList<int>{Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown} << -3;
        QTest::newRow("End, PageUp, PageUp")
            << QList<int>{Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageUp} << -3;
        QTest::newRow("letters and a digit") << QList<int>{Qt::Key_A, Qt::Key_Z, Qt::Key_1} << 0;
    }
    void keysMoveAsTheInteractionModelSays() {
        QFETCH(QList<int>, tasten);
        QFETCH(int, zeile);
        EigeneListe liste(nullptr);
        wieImFenster(liste);
        liste.anhaengen(tabelle(200000));
        liste.show();
        QVERIFY(QTest::qWaitForWindowActive(&liste));
        liste.setCurrentIndex(liste.model()->index(0, 0));
        const int hoehe = liste.visualRect(liste.model()->index(0, 0)).height();
        const int sichtbar = liste.viewport()->height() / hoehe;
        sitzung::Listenstand stand{0, 0, false};
        for (int taste : tasten) {
            QTest::keyClick(&liste, static_cast<Qt::Key>(taste));
            const QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier);
            const sitzung::Listenstand neu =
                sitzung::listenTaste(stand, app::taste(&druck), liste.zeilen(), sichtbar);
            stand = neu.behandelt ? neu : stand;
            QCOMPARE(liste.currentIndex().row(), stand.zeile);
            QCOMPARE(liste.indexAt(QPoint(1, 1)).row(), stand.erste);
        }
        if (zeile != -3) {
            const int erwartet = zeile == -1   ? liste.zeilen() - 1
                                 : zeile == -2 ? sichtbar - 1
                                               : zeile;
            QCOMPARE(liste.currentIndex().row(), erwartet);
        }
        const QRect rechteck = liste.visualRect(liste.currentIndex());
        QVERIFY(rechteck.top() >= 0 && rechteck.bottom() < liste.viewport()->height());
    }

    // A screen reader hears the line the focus lands on, so there must be one.
    void focusComingInMakesTheFirstLineCurrent() {
        QWidget fenster;
        auto* feld = new QLineEdit(&fenster);
        auto* liste = new EigeneListe(&fenster);
        liste->anhaengen(tabelle(40));
        fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        feld->setFocus();
        QVERIFY(!liste->currentIndex().isValid());
        liste->setFocus(Qt::TabFocusReason);
        QCOMPARE(liste->currentIndex().row(), 0);
    }

    void focusIsFramedEvenWhenEmpty_data() {
        QTest::addColumn<int>("zeilen");
        QTest::newRow("empty") << 0;
        QTest::newRow("with lines") << 40;
    }
    void focusIsFramedEvenWhenEmpty() {
        QFETCH(int, zeilen);
        QWidget fenster;
        auto* feld = new QLineEdit(&fenster);
        auto* liste = new EigeneListe(&fenster);
        wieImFenster(*liste);
        liste->anhaengen(tabelle(zeilen));
        fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        feld->setFocus();
        const QImage ohne = liste->grab().toImage();
        liste->setFocus(Qt::TabFocusReason);
        QVERIFY(liste->hasFocus());
        const QImage mit = liste->grab().toImage();
        // The top left corner of the viewport lies inside the list's frame.
        const QPoint ecke = liste->viewport()->geometry().topLeft();
        QVERIFY(ohne.pixel(ecke) != mit.pixel(ecke));
    }
};

QTEST_MAIN(TestPositionsliste)
#include "test_positionsliste.moc"
