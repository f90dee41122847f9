#include "app/Listenzugang.h"

#include "app/Positionsliste.h"

#include <QAccessibleTableCellInterface>
#include <QItemSelectionModel>
#include <QPointer>
#include <QWindow>

#include <algorithm>

namespace app {
namespace {

// One line of the list. It holds no text: the line is formatted when read.
class Zelle final : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    Zelle(Positionsliste* liste, int zeile) : liste_(liste), zeile_(zeile) {}

    int zeile() const { return zeile_; }

    bool isValid() const override { return liste_ && zeile_ < liste_->zeilen(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return liste_ ? liste_->window()->windowHandle() : nullptr; }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(liste_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text art) const override {
        return art == QAccessible::Name && isValid() ? liste_->zeile(zeile_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) {
            return {};
        }
        const QRect r = liste_->visualRect(liste_->model()->index(zeile_, 0));
        if (!liste_->viewport()->rect().intersects(r)) {
            return {};
        }
        return QRect(liste_->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.selectable = true;
        s.focusable = true;
        s.selected = isSelected();
        s.focused = liste_->hasFocus() && liste_->currentIndex().row() == zeile_;
        s.active = s.focused;
        s.invisible = !liste_->isVisible();
        s.offscreen = rect().isEmpty();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType art) override {
        return art == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        return isValid() && liste_->selectionModel()->isRowSelected(zeile_, QModelIndex());
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return zeile_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    QPointer<Positionsliste> liste_;
    int zeile_;
};

} // namespace

Listenzugang::Listenzugang(Positionsliste* liste) : QAccessibleWidget(liste, QAccessible::Table) {}

Listenzugang::~Listenzugang() {
    for (const Gemerkt& g : zellen_) {
        QAccessible::deleteAccessibleInterface(g.id);
    }
}

Positionsliste* Listenzugang::liste() const {
    return static_cast<Positionsliste*>(widget());
}

void* Listenzugang::interface_cast(QAccessible::InterfaceType art) {
    if (art == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(art);
}

QAccessibleInterface* Listenzugang::zelle(int zeile) const {
    if (zeile < 0 || zeile >= liste()->zeilen()) {
        return nullptr;
    }
    const auto gefunden = std::find_if(zellen_.begin(), zellen_.end(),
                                       [zeile](const Gemerkt& g) { return g.zeile == zeile; });
    if (gefunden != zellen_.end()) {
        return QAccessible::accessibleInterface(gefunden->id);
    }
    if (zellen_.size() >= static_cast<std::size_t>(kHoechstZellen)) {
        QAccessible::deleteAccessibleInterface(zellen_.front().id);
        zellen_.pop_front();
    }
    auto* neu = new Zelle(liste(), zeile);
    zellen_.push_back({zeile, QAccessible::registerAccessibleInterface(neu)});
    return neu;
}

int Listenzugang::childCount() const {
    return std::min(liste()->zeilen(), kHoechstKinder);
}

QAccessibleInterface* Listenzugang::child(int index) const {
    return zelle(index);
}

int Listenzugang::indexOfChild(const QAccessibleInterface* kind) const {
    const auto* z = dynamic_cast<const Zelle*>(kind);
    return z != nullptr && z->isValid() && z->parent() == this ? z->zeile() : -1;
}

QAccessibleInterface* Listenzugang::childAt(int x, int y) const {
    const QPoint punkt = liste()->viewport()->mapFromGlobal(QPoint(x, y));
    return zelle(liste()->indexAt(punkt).row());
}

QAccessibleInterface* Listenzugang::focusChild() const {
    if (!liste()->hasFocus()) {
        return nullptr;
    }
    return zelle(liste()->currentIndex().row());
}

QAccessibleInterface* Listenzugang::cellAt(int row, int column) const {
    return column == 0 ? zelle(row) : nullptr;
}

QAccessibleInterface* Listenzugang::caption() const {
    return nullptr;
}

QAccessibleInterface* Listenzugang::summary() const {
    return nullptr;
}

QString Listenzugang::columnDescription(int) const {
    return {};
}

QString Listenzugang::rowDescription(int) const {
    return {};
}

int Listenzugang::columnCount() const {
    return 1;
}

int Listenzugang::rowCount() const {
    return liste()->zeilen();
}

QList<int> Listenzugang::selectedRows() const {
    QList<int> zeilen;
    for (const QModelIndex& i : liste()->selectionModel()->selectedRows()) {
        zeilen.append(i.row());
    }
    return zeilen;
}

int Listenzugang::selectedCellCount() const {
    return static_cast<int>(selectedRows().size());
}

int Listenzugang::selectedColumnCount() const {
    return 0;
}

int Listenzugang::selectedRowCount() const {
    return selectedCellCount();
}

QList<QAccessibleInterface*> Listenzugang::selectedCells() const {
    QList<QAccessibleInterface*> zellen;
    for (int zeile : selectedRows()) {
        zellen.append(zelle(zeile));
    }
    return zellen;
}

QList<int> Listenzugang::selectedColumns() const {
    return {};
}

bool Listenzugang::isColumnSelected(int) const {
    return false;
}

bool Listenzugang::isRowSelected(int row) const {
    return liste()->selectionModel()->isRowSelected(row, QModelIndex());
}

bool Listenzugang::selectRow(int row) {
    if (row < 0 || row >= liste()->zeilen()) {
        return false;
    }
    liste()->setCurrentIndex(liste()->model()->index(row, 0));
    return true;
}

bool Listenzugang::selectColumn(int) {
    return false;
}

bool Listenzugang::unselectRow(int row) {
    if (!isRowSelected(row)) {
        return false;
    }
    liste()->selectionModel()->select(liste()->model()->index(row, 0),
                                      QItemSelectionModel::Deselect);
    return true;
}

bool Listenzugang::unselectColumn(int) {
    return false;
}

void Listenzugang::modelChange(QAccessibleTableModelChangeEvent*) {
    // Rows are only ever appended, and a cell is its row: nothing to renumber.
}

} // namespace app
