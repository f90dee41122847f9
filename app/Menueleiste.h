#pragma once
// The window's menu bar. Every key that moves through the menus goes to the
// session's interaction model (sitzung/Bedienung.h), and the bar shows the
// state it answers: which title is highlighted, whether its menu is open, and
// which item is ready. Disabled menus and items are reached and highlighted
// too, so that a screen reader says they are unavailable; only the session
// decides whether one can be chosen. Every key goes to the window's
// Steuerung, which says where the keyboard goes when the menus are left;
// the pointer's clicks on titles and items and its moves onto another title
// while a menu is open go to it as well; Qt only moves the highlight within a
// menu and closes the menus on a click elsewhere, which is told to the
// Steuerung. While a title without an open menu is highlighted the bar holds
// the keyboard, so no key lands in a text box.
#include "sitzung/Bedienung.h"
#include "sitzung/Menue.h"
#include "sitzung/Steuerung.h"

#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include <array>
#include <optional>

class QMenu;

namespace app {

using Aktionen = std::array<QAction*, sitzung::kMenueGroesse>;

class Menueleiste final : public QMenuBar {
    Q_OBJECT
  public:
    // steuerung and aktionen (one action per entry of the menu table, a
    // menu's being its menuAction()) must outlive the bar.
    Menueleiste(QWidget* parent, sitzung::Steuerung& steuerung, const Aktionen& aktionen);

    // Opens the menus from the keyboard (F10).
    void tastaturOeffnen();
    // Shows where the Steuerung put the keyboard in the menus; no title:
    // every menu shut.
    void zeigen(const sitzung::Menuestand& s);
    // Makes a menu that the bar adds ready for the model's keys.
    void menueAnmelden(QMenu* menue);
    // Where the keyboard is in the menus now, as the model sees it.
    sitzung::Menuestand stand() const;

  protected:
    void keyPressEvent(QKeyEvent* taste) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    bool tasteAnwenden(const QKeyEvent* taste);
    void hervorheben(QAction* titel);
    void bereitstellen(QMenu* menue, QAction* eintrag, bool geoeffnet);
    void schliessen();
    QAction* aktion(sitzung::Eintrag e) const { return aktionen_[sitzung::nummer(e)]; }
    std::optional<sitzung::Eintrag> eintrag(const QAction* a) const;
    bool eintragGeklickt(QMenu* menue, QMouseEvent* ereignis);

    sitzung::Steuerung& steuerung_;
    const Aktionen& aktionen_;
    // The item the model made ready in a menu just opened, while a screen
    // reader still hears the menu's title; shown when bereitZeit_ runs out.
    QPointer<QMenu> bereitMenue_;
    QPointer<QAction> bereit_;
    QTimer bereitZeit_;
};

} // namespace app
