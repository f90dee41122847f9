#pragma once
// What a screen reader sees of List1: a table of one column whose cells are
// addressed by their absolute row. Orca reads only the row and column counts
// of a table, where for a list it fetches every line; so the list speaks at
// once at any length. A cell exists only while it is asked for: at most
// kHoechstZellen cells are kept, the oldest is dropped first, so reading lines
// costs no memory per line. A client that asks for all children gets the
// first kHoechstKinder; every row stays reachable through the table.
#include <QAccessibleTableInterface>
#include <QAccessibleWidget>

#include <deque>

namespace app {

class Positionsliste;

inline constexpr int kHoechstZellen = 256;
inline constexpr int kHoechstKinder = 4096;

class Listenzugang final : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit Listenzugang(Positionsliste* liste);
    ~Listenzugang() override;

    void* interface_cast(QAccessible::InterfaceType art) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* kind) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* cellAt(int row, int column) const override;
    QAccessibleInterface* caption() const override;
    QAccessibleInterface* summary() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int columnCount() const override;
    int rowCount() const override;
    int selectedCellCount() const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

  private:
    Positionsliste* liste() const;
    QAccessibleInterface* zelle(int zeile) const;

    struct Gemerkt {
        int zeile;
        QAccessible::Id id;
    };
    mutable std::deque<Gemerkt> zellen_; // oldest first
};

} // namespace app
