// List1 as a screen reader sees it, offscreen: a table of one column whose
// cells are found by absolute row, a bounded number of cells alive however
// many lines are read. That arrowing names the row is read over the real
// AT-SPI bus (tests/x11/xsitzung.sh): offscreen, Qt has no accessibility to activate.
#include "app/Listenzugang.h"
#include "EigeneListe.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QTest>

namespace {

key::Positionstabelle tabelle(int n) {
    key::Positionstabelle t;
    t.PosX.assign(static_cast<std::size_t>(n) + 1, 0);
    t.PosY.assign(static_cast<std::size_t>(n) + 1, 0);
    for (int k = 1; k <= n; ++k) {
        t.PosX[static_cast<std::size_t>(k)] = k % 290;
        t.PosY[static_cast<std::size_t>(k)] = (k / 290) % 224;
    }
    return t;
}

} // namespace

class TestListenzugang : public QObject {
    Q_OBJECT
  private slots:
    void cellsByAbsoluteRowAndBoundedCache() {
        EigeneListe liste(nullptr);
        liste.anhaengen(tabelle(50000));
        liste.anhaengen(tabelle(50000));
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&liste);
        QCOMPARE(a->role(), QAccessible::Table);
        QAccessibleTableInterface* t = a->tableInterface();
        QVERIFY(t);
        QCOMPARE(t->rowCount(), 100000);
        QCOMPARE(t->columnCount(), 1);
        QCOMPARE(a->childCount(), app::kHoechstKinder);

        const QAccessible::Id erste = QAccessible::uniqueId(t->cellAt(0, 0));
        for (int zeile : {99999, 50000, 12345, 0}) {
            QAccessibleInterface* zelle = t->cellAt(zeile, 0);
            QCOMPARE(zelle->text(QAccessible::Name), liste.zeile(zeile));
            QCOMPARE(a->indexOfChild(zelle), zeile);
            QCOMPARE(zelle->tableCellInterface()->rowIndex(), zeile);
        }
        QCOMPARE(t->cellAt(100000, 0), nullptr);
        QCOMPARE(t->cellAt(0, 1), nullptr);
        // Reading many lines drops the oldest cells instead of keeping one per line.
        for (int zeile = 1; zeile <= 10 * app::kHoechstZellen; ++zeile) {
            QVERIFY(a->child(zeile));
        }
        QCOMPARE(QAccessible::accessibleInterface(erste), nullptr);
    }
};

QTEST_MAIN(TestListenzugang)
#include "test_listenzugang.moc"
