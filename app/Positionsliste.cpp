#include "app/Positionsliste.h"

#include "app/Barrierefreiheit.h"
#include "app/Fokusrahmen.h"
#include "app/Tasten.h"

#include <QAccessible>
#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace app {

Positionsmodell::Positionsmodell(const sitzung::Positionsspeicher& speicher, QObject* parent)
    : QAbstractListModel(parent), speicher_(speicher) {}

void Positionsmodell::angehaengt(std::int64_t n) {
    if (n <= 0) {
        return;
    }
    beginInsertRows(QModelIndex(), zeilen_, static_cast<int>(zeilen_ + n - 1));
    zeilen_ = static_cast<int>(speicher_.zeilen());
    endInsertRows();
}

QString Positionsmodell::zeile(int i) const {
    return QString::fromStdString(speicher_.zeile(i));
}

int Positionsmodell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : zeilen_;
}

QVariant Positionsmodell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= zeilen_ ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    return zeile(index.row());
}

Positionsliste::Positionsliste(const sitzung::Positionsspeicher& speicher, QWidget* parent)
    : QAbstractItemView(parent), modell_(new Positionsmodell(speicher, this)) {
    zugangAnmelden();
    setModel(modell_);
    setSelectionMode(SingleSelection);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The style's text area is a few pixels narrower than a line, which still
    // fits the viewport: show it whole rather than cut it with an ellipsis.
    setTextElideMode(Qt::ElideNone);
    QPalette farben = palette();
    farben.setColor(QPalette::Base, QApplication::palette("QMenu").color(QPalette::Window));
    setPalette(farben);
}

int Positionsliste::obersteZeile() const {
    return verticalScrollBar()->value();
}

QSize Positionsliste::zeilengroesse() const {
    if (!groesse_.isValid() && modell_->zeilen() > 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QModelIndex erste = modell_->index(0);
        groesse_ = itemDelegateForIndex(erste)->sizeHint(option, erste);
        groesse_.setHeight(std::max(groesse_.height(), 1));
    }
    return groesse_;
}

int Positionsliste::ganzSichtbar() const {
    return static_cast<int>(sitzung::ganzSichtbar(viewport()->height(), zeilengroesse().height()));
}

int Positionsliste::zeileBei(int y) const {
    const int hoehe = zeilengroesse().height();
    if (hoehe <= 0) {
        return -1;
    }
    // Floor division, so that a point just above the viewport is the row above.
    const int rest = y >= 0 ? y / hoehe : -((-y + hoehe - 1) / hoehe);
    return obersteZeile() + rest;
}

int Positionsliste::zeilenBreite() const {
    return std::max(viewport()->width(), zeilengroesse().width());
}

QRect Positionsliste::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != modell_ || index.row() >= modell_->zeilen()) {
        return {};
    }
    const int hoehe = zeilengroesse().height();
    // 64-bit, since a row far from the top lies beyond the range of int pixels.
    const std::int64_t y = static_cast<std::int64_t>(index.row() - obersteZeile()) * hoehe;
    const std::int64_t grenze = std::numeric_limits<int>::max() / 2;
    return QRect(0, static_cast<int>(std::clamp(y, -grenze, grenze)), zeilenBreite(), hoehe);
}

QModelIndex Positionsliste::indexAt(const QPoint& point) const {
    const int zeile = zeileBei(point.y());
    if (point.x() < 0 || point.x() >= zeilenBreite() || zeile < 0 || zeile >= modell_->zeilen()) {
        return {};
    }
    return modell_->index(zeile);
}

void Positionsliste::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.row() >= modell_->zeilen()) {
        return;
    }
    const int zeile = index.row();
    const int sichtbar = ganzSichtbar();
    int oben = obersteZeile();
    switch (hint) {
    case PositionAtTop:
        oben = zeile;
        break;
    case PositionAtBottom:
        oben = zeile - sichtbar + 1;
        break;
    case PositionAtCenter:
        oben = zeile - sichtbar / 2;
        break;
    case EnsureVisible:
        break;
    }
    verticalScrollBar()->setValue(
        static_cast<int>(sitzung::sichtFolgt(oben, zeile, sichtbar, modell_->zeilen())));
}

sitzung::Listenstand Positionsliste::nachTaste(sitzung::Taste taste) const {
    sitzung::Listenstand stand;
    stand.zeile = currentIndex().isValid() ? currentIndex().row() : -1;
    stand.erste = obersteZeile();
    return sitzung::listenTaste(stand, taste, zeilen(), ganzSichtbar());
}

void Positionsliste::keyPressEvent(QKeyEvent* event) {
    const sitzung::Listenstand stand = nachTaste(taste(event));
    if (!stand.behandelt) {
        QAbstractItemView::keyPressEvent(event); // Tab, Space, Ctrl+C
        return;
    }
    setCurrentIndex(modell_->index(static_cast<int>(stand.zeile)));
    verticalScrollBar()->setValue(static_cast<int>(stand.erste));
    event->accept();
}

QModelIndex Positionsliste::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers) {
    // Qt steps on its own when the focus comes in without a current line
    // (MoveNext) and for the keys keyPressEvent leaves to it.
    const sitzung::Taste taste = [cursorAction] {
        switch (cursorAction) {
        case MoveUp:
        case MovePrevious:
            return sitzung::Taste::Hoch;
        case MoveDown:
        case MoveNext:
            return sitzung::Taste::Runter;
        case MoveHome:
            return sitzung::Taste::Pos1;
        case MoveEnd:
            return sitzung::Taste::Ende;
        case MovePageUp:
            return sitzung::Taste::BildAuf;
        case MovePageDown:
            return sitzung::Taste::BildAb;
        case MoveLeft:
        case MoveRight:
            break;
        }
        return sitzung::Taste::Andere;
    }();
    const sitzung::Listenstand stand = nachTaste(taste);
    return stand.behandelt ? modell_->index(static_cast<int>(stand.zeile)) : currentIndex();
}

int Positionsliste::horizontalOffset() const {
    return 0;
}

int Positionsliste::verticalOffset() const {
    // Only differences of it are used, so it may wrap on a list of millions of lines.
    return static_cast<int>(static_cast<unsigned>(obersteZeile()) *
                            static_cast<unsigned>(std::max(zeilengroesse().height(), 0)));
}

bool Positionsliste::isIndexHidden(const QModelIndex&) const {
    return false;
}

void Positionsliste::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    const int letzte = modell_->zeilen() - 1;
    const QRect r = rect.normalized();
    const int von = std::max(zeileBei(r.top()), 0);
    const int bis = std::min(zeileBei(r.bottom()), letzte);
    if (von > bis) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    selectionModel()->select(QItemSelection(modell_->index(von), modell_->index(bis)), command);
}

QRegion Positionsliste::visualRegionForSelection(const QItemSelection& selection) const {
    const int oben = obersteZeile();
    const int unten = oben + ganzSichtbar();
    const int hoehe = zeilengroesse().height();
    QRegion region;
    for (const QItemSelectionRange& bereich : selection) {
        const int von = std::max(bereich.top(), oben);
        const int bis = std::min(bereich.bottom(), unten);
        if (von <= bis) {
            region += QRect(0, (von - oben) * hoehe, zeilenBreite(), (bis - von + 1) * hoehe);
        }
    }
    return region;
}

void Positionsliste::updateGeometries() {
    const int sichtbar = ganzSichtbar();
    QScrollBar* leiste = verticalScrollBar();
    leiste->setSingleStep(1);
    leiste->setPageStep(sichtbar);
    leiste->setRange(0, std::max(0, modell_->zeilen() - sichtbar));
    horizontalScrollBar()->setRange(0, 0);
    QAbstractItemView::updateGeometries();
}

void Positionsliste::rowsInserted(const QModelIndex& parent, int start, int end) {
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    if (start <= obersteZeile() + ganzSichtbar()) {
        viewport()->update();
    }
}

void Positionsliste::keyboardSearch(const QString&) {
    // Qt's search reads every line from the current one on, for each letter.
}

void Positionsliste::zeileMelden(QAccessible::Event art, const QModelIndex& index) {
    if (QAccessible::isActive() && index.isValid()) {
        QAccessibleEvent ereignis(this, art);
        ereignis.setChild(index.row()); // the table's cell of that row
        QAccessible::updateAccessibility(&ereignis);
    }
}

void Positionsliste::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QAbstractItemView::currentChanged(current, previous);
    if (hasFocus()) {
        zeileMelden(QAccessible::Focus, current);
    }
}

void Positionsliste::selectionChanged(const QItemSelection& selected,
                                      const QItemSelection& deselected) {
    QAbstractItemView::selectionChanged(selected, deselected);
    for (const QItemSelectionRange& bereich : deselected) {
        zeileMelden(QAccessible::SelectionRemove, bereich.topLeft());
    }
    for (const QItemSelectionRange& bereich : selected) {
        zeileMelden(QAccessible::SelectionAdd, bereich.topLeft());
    }
}

void Positionsliste::focusInEvent(QFocusEvent* event) {
    QAbstractItemView::focusInEvent(event);
    // The line the focus returns to, told after Qt has told of the list itself,
    // so that a screen reader ends on the line.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) {
            zeileMelden(QAccessible::Focus, currentIndex());
        }
    });
}

void Positionsliste::scrollContentsBy(int, int dy) {
    // dy counts lines, since the view scrolls by whole lines. The focus frame
    // must not move with the lines.
    if (std::abs(dy) < ganzSichtbar() && !hasFocus()) {
        viewport()->scroll(0, dy * zeilengroesse().height());
    } else {
        viewport()->update();
    }
}

void Positionsliste::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        groesse_ = QSize();
        updateGeometries();
    }
    QAbstractItemView::changeEvent(event);
}

QSize Positionsliste::viewportSizeHint() const {
    const QSize zeile = zeilengroesse();
    const auto hoehe =
        std::min<std::int64_t>(static_cast<std::int64_t>(zeile.height()) * modell_->zeilen(),
                               std::numeric_limits<int>::max() / 2);
    return {zeile.width(), static_cast<int>(hoehe)};
}

void Positionsliste::paintEvent(QPaintEvent* event) {
    QPainter maler(viewport());
    const int letzte = modell_->zeilen() - 1;
    if (letzte >= 0) {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QStyle::State zustand = option.state;
        const QModelIndex aktuell = currentIndex();
        const bool fokus = hasFocus() || viewport()->hasFocus();
        const QModelIndex zeiger = viewport()->underMouse()
                                       ? indexAt(viewport()->mapFromGlobal(QCursor::pos()))
                                       : QModelIndex();
        const QItemSelectionModel* auswahl = selectionModel();
        const QRect flaeche = event->rect();
        const int von = std::max(zeileBei(flaeche.top()), 0);
        const int bis = std::min(zeileBei(flaeche.bottom()), letzte);
        for (int zeile = von; zeile <= bis; ++zeile) {
            const QModelIndex index = modell_->index(zeile);
            option.rect = visualRect(index);
            option.state = zustand;
            option.state.setFlag(QStyle::State_Selected, auswahl && auswahl->isSelected(index));
            option.state.setFlag(QStyle::State_HasFocus, fokus && index == aktuell);
            option.state.setFlag(QStyle::State_MouseOver, index == zeiger);
            itemDelegateForIndex(index)->paint(&maler, option, index);
        }
    }
    if (hasFocus()) {
        // The style marks only the current line, and only after a key press:
        // the whole list is framed, so the focus shows even while it is empty.
        fokusrahmen(maler, *viewport());
    }
}

} // namespace app
