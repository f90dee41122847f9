#include "app/Menueleiste.h"

#include <QAccessible>
#include <QActionEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include <algorithm>

namespace app {

Menueleiste::Menueleiste(QWidget* parent) : QMenuBar(parent) {}

void Menueleiste::merken() {
    QWidget* fokus = window()->focusWidget();
    if (fokus != nullptr && fokus != this) {
        vorher_ = fokus;
    }
}

void Menueleiste::tastaturOeffnen() {
    merken();
    const QList<QAction*> titel = actions();
    if (!titel.isEmpty()) {
        hervorheben(titel.constFirst());
    }
}

void Menueleiste::hervorheben(QAction* titel) {
    setActiveAction(titel); // opens its menu, which then holds the keyboard
    if (titel->menu() == nullptr) {
        // Qt leaves the keyboard with the control below: take it, and tell
        // screen readers which title has it once the closed menu has given
        // the focus back.
        setFocus(Qt::MenuBarFocusReason);
        QTimer::singleShot(0, this, [this, titel] {
            if (QAccessible::isActive() && hasFocus() && activeAction() == titel) {
                QAccessibleEvent ereignis(this, QAccessible::Focus);
                ereignis.setChild(static_cast<int>(actions().indexOf(titel)));
                QAccessible::updateAccessibility(&ereignis);
            }
        });
    }
}

void Menueleiste::weiter(int schritt) {
    const QList<QAction*> titel = actions();
    const auto n = titel.size();
    const auto start = titel.indexOf(activeAction());
    for (qsizetype k = 1; k <= n; ++k) {
        QAction* naechster = titel.at(((start + schritt * k) % n + n) % n);
        if (naechster->isEnabled() && naechster->isVisible() && !naechster->isSeparator()) {
            merken();
            hervorheben(naechster);
            if (QMenu* menue = naechster->menu()) {
                // As Qt does on its own arrow keys: the first item is ready for Return.
                const QList<QAction*> eintraege = menue->actions();
                const auto erster =
                    std::find_if(eintraege.begin(), eintraege.end(), [](const QAction* e) {
                        return e->isEnabled() && !e->isSeparator();
                    });
                if (erster != eintraege.end()) {
                    menue->setActiveAction(*erster);
                }
            }
            return;
        }
    }
}

void Menueleiste::verlassen() {
    if (QMenu* offen = activeAction() ? activeAction()->menu() : nullptr) {
        offen->hide();
    }
    setActiveAction(nullptr);
    if (vorher_) {
        vorher_->setFocus(Qt::MenuBarFocusReason);
    } else if (hasFocus()) {
        clearFocus();
    }
    vorher_ = nullptr;
}

void Menueleiste::keyPressEvent(QKeyEvent* taste) {
    QAction* aktiv = activeAction();
    if (aktiv == nullptr) {
        QMenuBar::keyPressEvent(taste);
        return;
    }
    switch (taste->key()) {
    case Qt::Key_Left:
    case Qt::Key_Backtab:
        weiter(-1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Tab:
        weiter(+1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (aktiv->menu() != nullptr) {
            hervorheben(aktiv);
        } else if (taste->key() != Qt::Key_Up && taste->key() != Qt::Key_Down) {
            verlassen();
            aktiv->trigger();
        }
        break;
    case Qt::Key_Escape:
        verlassen();
        break;
    default:
        break; // swallowed: the menus hold the keyboard
    }
    taste->accept();
}

void Menueleiste::focusOutEvent(QFocusEvent* ereignis) {
    QMenuBar::focusOutEvent(ereignis);
    // A click elsewhere while "Ende" is highlighted: no highlight stays behind.
    if (activeAction() != nullptr && activeAction()->menu() == nullptr &&
        ereignis->reason() != Qt::PopupFocusReason) {
        setActiveAction(nullptr);
    }
}

void Menueleiste::actionEvent(QActionEvent* ereignis) {
    QMenuBar::actionEvent(ereignis);
    if (ereignis->type() == QEvent::ActionAdded && ereignis->action()->menu() != nullptr) {
        ereignis->action()->menu()->installEventFilter(this);
    }
}

bool Menueleiste::eventFilter(QObject* objekt, QEvent* ereignis) {
    // The open menu of a title: Left and Right go to the neighbouring titles
    // and Escape leaves the menus, wherever the menu was opened from.
    if (ereignis->type() == QEvent::KeyPress && activeAction() != nullptr &&
        objekt == activeAction()->menu()) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Left || taste == Qt::Key_Right) {
            weiter(taste == Qt::Key_Left ? -1 : +1);
            return true;
        }
        if (taste == Qt::Key_Escape) {
            verlassen();
            return true;
        }
    }
    if (ereignis->type() == QEvent::Hide && hasFocus()) {
        // A menu closed with the keyboard on the bar: once Qt has settled
        // whether another title took over, a closed bar gives the keyboard back.
        QTimer::singleShot(0, this, [this] {
            if (activeAction() == nullptr && hasFocus()) {
                verlassen();
            }
        });
    }
    return QMenuBar::eventFilter(objekt, ereignis);
}

} // namespace app
