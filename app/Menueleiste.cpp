#include "app/Menueleiste.h"

#include "app/Tasten.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMenu>
#include <QProxyStyle>
#include <QTimer>

#include <algorithm>

namespace app {
namespace {

// Lets a menu highlight a disabled item, as the model asks.
class Menuestil final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hinweis, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* rueckgabe) const override {
        if (hinweis == SH_Menu_AllowActiveAndDisabled) {
            return 1;
        }
        return QProxyStyle::styleHint(hinweis, option, widget, rueckgabe);
    }
};

} // namespace

Menueleiste::Menueleiste(QWidget* parent, const sitzung::Menuezustaende& zustaende,
                         const Aktionen& aktionen)
    : QMenuBar(parent), zustaende_(zustaende), aktionen_(aktionen) {}

void Menueleiste::menueAnmelden(QMenu* menue) {
    auto* stil = new Menuestil();
    stil->setParent(menue);
    menue->setStyle(stil);
    menue->installEventFilter(this);
}

sitzung::Menuestand Menueleiste::stand() const {
    sitzung::Menuestand s;
    QAction* titel = activeAction();
    const auto eintrag = [this](const QAction* a) -> std::optional<sitzung::Eintrag> {
        const auto i = std::find(aktionen_.begin(), aktionen_.end(), a);
        if (a == nullptr || i == aktionen_.end()) {
            return std::nullopt;
        }
        return sitzung::kMenue[static_cast<std::size_t>(i - aktionen_.begin())].eintrag;
    };
    s.titel = eintrag(titel);
    if (s.titel && titel->menu() != nullptr && titel->menu()->isVisible()) {
        s.offen = true;
        s.eintrag = eintrag(titel->menu()->activeAction());
    }
    return s;
}

void Menueleiste::merken() {
    QWidget* fokus = window()->focusWidget();
    if (fokus != nullptr && fokus != this) {
        vorher_ = fokus;
    }
}

void Menueleiste::tastaturOeffnen() {
    merken();
    anwenden(sitzung::menueTaste({}, sitzung::Taste::Menuetaste, zustaende_));
}

void Menueleiste::anwenden(const sitzung::Menueschritt& schritt) {
    if (schritt.verlassen) {
        verlassen();
        if (schritt.waehlen) {
            aktion(*schritt.waehlen)->trigger();
        }
        return;
    }
    const sitzung::Menuestand& s = schritt.stand;
    if (!s.titel) {
        return;
    }
    QAction* titel = aktion(*s.titel);
    if (stand().titel != s.titel || stand().offen != s.offen) {
        hervorheben(titel);
    }
    if (s.offen && titel->menu() != nullptr) {
        titel->menu()->setActiveAction(s.eintrag ? aktion(*s.eintrag) : nullptr);
    }
}

void Menueleiste::hervorheben(QAction* titel) {
    setActiveAction(titel); // opens its menu if it can be opened; that menu then holds the keyboard
    if (titel->menu() == nullptr || !titel->menu()->isVisible()) {
        // Qt leaves the keyboard with the control below: take it, and tell
        // screen readers which title has it once a closed menu has given the
        // focus back.
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

bool Menueleiste::tasteAnwenden(const QKeyEvent* taste) {
    const sitzung::Menuestand s = stand();
    if (!s.titel) {
        return false;
    }
    if (vorher_ == nullptr) {
        merken(); // the menus were opened with the mouse
    }
    const sitzung::Menueschritt schritt = sitzung::menueTaste(s, app::taste(taste), zustaende_);
    anwenden(schritt);
    return schritt.behandelt;
}

void Menueleiste::keyPressEvent(QKeyEvent* taste) {
    if (!tasteAnwenden(taste)) {
        QMenuBar::keyPressEvent(taste);
        return;
    }
    taste->accept();
}

void Menueleiste::focusOutEvent(QFocusEvent* ereignis) {
    QMenuBar::focusOutEvent(ereignis);
    // A click elsewhere while a title without an open menu is highlighted: no
    // highlight stays behind.
    if (activeAction() != nullptr &&
        (activeAction()->menu() == nullptr || !activeAction()->menu()->isVisible()) &&
        ereignis->reason() != Qt::PopupFocusReason) {
        setActiveAction(nullptr);
    }
}

bool Menueleiste::eventFilter(QObject* objekt, QEvent* ereignis) {
    // The open menu of a title: every key goes to the model.
    if (ereignis->type() == QEvent::KeyPress && activeAction() != nullptr &&
        objekt == activeAction()->menu()) {
        return tasteAnwenden(static_cast<QKeyEvent*>(ereignis));
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
