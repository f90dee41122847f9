#pragma once
// The list of positions: a view of the session's store, one line "ddd   ddd"
// (column, row) per entry of every determination so far. A line becomes text
// only when it is shown or read, so a list of millions of lines costs what
// its visible lines cost.
#include "sitzung/Bedienung.h"
#include "sitzung/Positionsspeicher.h"

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QAccessible>

#include <cstdint>

namespace app {

// One row per line of the session's position list, the line as
// Qt::DisplayRole and Qt::AccessibleTextRole. Rows are only ever appended.
class Positionsmodell final : public QAbstractListModel {
    Q_OBJECT
  public:
    Positionsmodell(const sitzung::Positionsspeicher& speicher, QObject* parent = nullptr);

    // The store has grown by its last n lines: announced as one block of
    // inserted rows.
    void angehaengt(std::int64_t n);

    int zeilen() const { return zeilen_; }
    // The line of row i, 0 <= i < zeilen().
    QString zeile(int i) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    const sitzung::Positionsspeicher& speicher_;
    int zeilen_ = 0; // as announced; the store holds at most an int's worth
};

// The view: every line has the height and width of the first, so a row's
// place is arithmetic and nothing is laid out per row. It scrolls by whole
// lines, has no horizontal scroll bar, cuts no line short, draws its
// background in the menu colour and frames itself while it has the focus.
// Letters typed into it do nothing: a list of numbers has nothing to find by
// its first letters. Screen readers see it as a table (app/Listenzugang.h).
class Positionsliste : public QAbstractItemView {
    Q_OBJECT
  public:
    Positionsliste(const sitzung::Positionsspeicher& speicher, QWidget* parent);

    void angehaengt(std::int64_t n) { modell_->angehaengt(n); }
    int zeilen() const { return modell_->zeilen(); }
    QString zeile(int i) const { return modell_->zeile(i); }

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void keyboardSearch(const QString& search) override;

  protected:
    // Moves the current line and the view as the interaction model says.
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    QSize viewportSizeHint() const override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    void focusInEvent(QFocusEvent* event) override;

  protected slots:
    void rowsInserted(const QModelIndex& parent, int start, int end) override;

  private:
    // Tells screen readers about the line of `index`, by its row.
    void zeileMelden(QAccessible::Event art, const QModelIndex& index);
    // The current and first line shown after the key, by the interaction model.
    sitzung::Listenstand nachTaste(sitzung::Taste taste) const;
    QSize zeilengroesse() const; // of the first line; empty while there is none
    int obersteZeile() const;
    int ganzSichtbar() const;  // lines that fit the viewport whole, at least 1
    int zeileBei(int y) const; // the row at viewport y, unbounded
    int zeilenBreite() const;

    Positionsmodell* modell_;
    mutable QSize groesse_; // cached size of a line
};

} // namespace app
