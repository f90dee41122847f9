#pragma once
// The list of positions: one line "ddd   ddd" (column, row) per entry of every
// determination so far, never cleared. The entries are kept as plain
// coordinates, 4 bytes a line, and a line becomes text only when it is shown
// or read, so a list of millions of lines costs what its visible lines cost.
#include "key/Positionstabelle.h"

#include <QAbstractListModel>
#include <QAccessible>
#include <QListView>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace app {

// One row per listed entry, the line as Qt::DisplayRole and
// Qt::AccessibleTextRole. Rows are only ever appended.
class Positionsmodell final : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit Positionsmodell(QObject* parent = nullptr);

    // Appends entries 1..n of the table in order, announced as one block of
    // inserted rows. Coordinates are pixels of a surface, 0 .. kMaxSeite - 1. An empty table
    // appends nothing and announces nothing. Rows past the largest int a model can count are not
    // appended.
    void anhaengen(const key::Positionstabelle& tabelle);

    int zeilen() const { return zeilen_; }
    // The line of row i, 0 <= i < zeilen().
    QString zeile(int i) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    // A pixel of a picture surface: both coordinates below picture::kMaxSeite.
    struct Eintrag {
        std::uint16_t x;
        std::uint16_t y;
    };
    // Fixed-size blocks of 512 KiB: appending never moves what is already
    // stored, and at most one block is partly empty.
    static constexpr int kBlockBits = 17;
    static constexpr std::size_t kBlock = std::size_t{1} << kBlockBits;
    using Block = std::unique_ptr<Eintrag[]>;

    std::vector<Block> bloecke_;
    int zeilen_ = 0;
};

// The view: every line has the height and width of the first, so a row's
// place is arithmetic and nothing is laid out per row. It scrolls by whole
// lines, has no horizontal scroll bar, cuts no line short, draws its
// background in the menu colour and frames itself while it has the focus.
// Screen readers see it as a table (app/Listenzugang.h).
class Positionsliste final : public QListView {
    Q_OBJECT
  public:
    explicit Positionsliste(QWidget* parent);

    void anhaengen(const key::Positionstabelle& tabelle) { modell_->anhaengen(tabelle); }
    int zeilen() const { return modell_->zeilen(); }
    QString zeile(int i) const { return modell_->zeile(i); }

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void doItemsLayout() override;

  protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    QSize viewportSizeHint() const override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    void focusInEvent(QFocusEvent* event) override;

  protected slots:
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

  private:
    // Tells screen readers about the line of `index`, by its row.
    void zeileMelden(QAccessible::Event art, const QModelIndex& index);
    QSize zeilengroesse() const; // of the first line; empty while there is none
    int obersteZeile() const;
    int ganzSichtbar() const;  // lines that fit the viewport whole, at least 1
    int zeileBei(int y) const; // the row at viewport y, unbounded
    int zeilenBreite() const;

    Positionsmodell* modell_;
    mutable QSize groesse_; // cached size of a line
};

} // namespace app
