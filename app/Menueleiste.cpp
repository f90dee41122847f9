#include "app/Menueleiste.h"

#include "app/Tasten.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
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

Menueleiste::Menueleiste(QWidget* parent, sitzung::Steuerung& steuerung, const Aktionen& aktionen)
    : QMenuBar(parent), steuerung_(steuerung), aktionen_(aktionen) {
    bereitZeit_.setSingleShot(true);
    bereitZeit_.setInterval(sitzung::kTitelPauseMs);
    connect(&bereitZeit_, &QTimer::timeout, this, [this] {
        if (bereitMenue_ && bereit_ && bereitMenue_->isVisible() &&
            bereitMenue_->activeAction() == nullptr) {
            bereitMenue_->setActiveAction(bereit_);
        }
        bereitstellen(nullptr, nullptr, false);
    });
}

void Menueleiste::menueAnmelden(QMenu* menue) {
    auto* stil = new Menuestil();
    stil->setParent(menue);
    menue->setStyle(stil);
    menue->installEventFilter(this);
}

std::optional<sitzung::Eintrag> Menueleiste::eintrag(const QAction* a) const {
    const auto i = std::find(aktionen_.begin(), aktionen_.end(), a);
    if (a == nullptr || i == aktionen_.end()) {
        return std::nullopt;
    }
    return sitzung::kMenue[static_cast<std::size_t>(i - aktionen_.begin())].eintrag;
}

sitzung::Menuestand Menueleiste::stand() const {
    sitzung::Menuestand s;
    QAction* titel = activeAction();
    s.titel = eintrag(titel);
    if (s.titel && titel->menu() != nullptr && titel->menu()->isVisible()) {
        s.offen = true;
        QAction* aktiv = titel->menu()->activeAction();
        if (aktiv == nullptr && bereitMenue_ == titel->menu()) {
            aktiv = bereit_; // ready, though not yet shown
        }
        s.eintrag = eintrag(aktiv);
    }
    return s;
}

void Menueleiste::tastaturOeffnen() {
    steuerung_.menueTaste(sitzung::Taste::Menuetaste, stand());
}

void Menueleiste::zeigen(const sitzung::Menuestand& s) {
    if (!s.titel) {
        schliessen();
        return;
    }
    QAction* titel = aktion(*s.titel);
    const sitzung::Menuestand jetzt = stand();
    const bool neu = jetzt.titel != s.titel || jetzt.offen != s.offen;
    if (neu) {
        hervorheben(titel);
    }
    if (s.offen && titel->menu() != nullptr) {
        bereitstellen(titel->menu(), s.eintrag ? aktion(*s.eintrag) : nullptr, neu);
    }
}

void Menueleiste::bereitstellen(QMenu* menue, QAction* eintrag, bool geoeffnet) {
    bereitZeit_.stop();
    bereitMenue_ = nullptr;
    bereit_ = nullptr;
    if (menue == nullptr) {
        return;
    }
    if (geoeffnet && eintrag != nullptr && QAccessible::isActive()) {
        // The title's focus and the item's, sent together, make a screen
        // reader skip the title: the item follows once the title is heard.
        // Until then stand() reports the item, so every key acts on it.
        menue->setActiveAction(nullptr);
        bereitMenue_ = menue;
        bereit_ = eintrag;
        bereitZeit_.start();
        return;
    }
    menue->setActiveAction(eintrag);
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

void Menueleiste::schliessen() {
    bereitstellen(nullptr, nullptr, false);
    if (QMenu* offen = activeAction() ? activeAction()->menu() : nullptr) {
        offen->hide();
    }
    setActiveAction(nullptr);
}

bool Menueleiste::tasteAnwenden(const QKeyEvent* taste) {
    const sitzung::Menuestand s = stand();
    if (!s.titel) {
        return false;
    }
    return steuerung_.menueTaste(app::taste(taste), s).behandelt;
}

void Menueleiste::keyPressEvent(QKeyEvent* taste) {
    if (!tasteAnwenden(taste)) {
        QMenuBar::keyPressEvent(taste);
        return;
    }
    taste->accept();
}

void Menueleiste::mousePressEvent(QMouseEvent* ereignis) {
    const auto titel = eintrag(actionAt(ereignis->position().toPoint()));
    if (!titel) {
        QMenuBar::mousePressEvent(ereignis); // the bar beside the titles: the menus close
        return;
    }
    steuerung_.menueGezeigt(stand());
    steuerung_.titelKlick(*titel);
    ereignis->accept();
}

void Menueleiste::mouseMoveEvent(QMouseEvent* ereignis) {
    // Qt's own move would highlight a title under the pointer with every
    // menu shut, which the keys would then take as the menus' place.
    const sitzung::Menuestand jetzt = stand();
    const auto titel = eintrag(actionAt(ereignis->position().toPoint()));
    if (jetzt.offen && titel && titel != jetzt.titel) {
        steuerung_.menueGezeigt(jetzt);
        steuerung_.titelZeigen(*titel);
    }
    ereignis->accept();
}

bool Menueleiste::eintragGeklickt(QMenu* menue, QMouseEvent* ereignis) {
    // Qt chooses an item when the button is let go over it: the model decides.
    const auto e = eintrag(menue->actionAt(ereignis->position().toPoint()));
    if (!e) {
        return false; // outside the menu: Qt closes it, or hands it to the bar
    }
    steuerung_.menueGezeigt(stand());
    steuerung_.eintragKlick(*e);
    return true;
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
    if (ereignis->type() == QEvent::MouseButtonRelease && activeAction() != nullptr &&
        objekt == activeAction()->menu()) {
        return eintragGeklickt(activeAction()->menu(), static_cast<QMouseEvent*>(ereignis));
    }
    if (ereignis->type() == QEvent::Show) {
        steuerung_.menueBetreten(); // by the pointer, too
        // Qt says nothing of a menu that a click opened: the keyboard is in it now.
        QTimer::singleShot(0, this, [this, menue = QPointer<QMenu>(qobject_cast<QMenu*>(objekt))] {
            if (menue && menue->isVisible() && menue->activeAction() == nullptr &&
                bereitMenue_ != menue && QAccessible::isActive()) {
                QAccessibleEvent ereignis(menue, QAccessible::Focus);
                QAccessible::updateAccessibility(&ereignis);
            }
        });
    }
    if (ereignis->type() == QEvent::Hide) {
        // A menu closed, by a click or a key: once Qt has settled whether
        // another title took over, a closed bar gives the keyboard back and
        // the Steuerung tells where it went. Qt itself restores the focus
        // after a popup without a word to assistive technology.
        QTimer::singleShot(0, this, [this] {
            if (activeAction() == nullptr) {
                steuerung_.menueVerlassen();
            }
        });
    }
    return QMenuBar::eventFilter(objekt, ereignis);
}

} // namespace app
