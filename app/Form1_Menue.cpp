// Form1's menu bar, built from the session's menu table.
#include "app/Form1.h"
#include "app/Menueleiste.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStyleOptionMenuItem>

namespace app {
namespace {

// A progress item stays checked through an exclusive group of its own, so that
// choosing it again never unchecks it; it still shows a check mark, not the
// radio bullet the style draws for a group.
class Menue : public QMenu {
  public:
    using QMenu::QMenu;

  protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override {
        QMenu::initStyleOption(option, action);
        if (action->isCheckable()) {
            option->checkType = QStyleOptionMenuItem::NonExclusive;
        }
    }
};

QMenu* menue(Menueleiste* leiste, const QString& titel) {
    QMenu* m = new Menue(titel, leiste);
    m->setAccessibleName(titel); // an open menu tells screen readers whose it is
    leiste->addMenu(m);
    leiste->menueAnmelden(m);
    m->setSeparatorsCollapsible(false); // two separators in a row stay two lines
    return m;
}

} // namespace

void Form1::createActions() {
    auto* leiste = new Menueleiste(this, steuerung_, aktionen_);
    leiste_ = leiste;
    setMenuBar(leiste);
    QMenu* aktuell = nullptr;
    // Captions carry no '&', so no item gets an access key.
    for (std::size_t i = 0; i < sitzung::kMenue.size(); ++i) {
        const sitzung::Menueeintrag& e = sitzung::kMenue[i];
        const QString titel =
            QString::fromUtf8(e.titel.data(), static_cast<qsizetype>(e.titel.size()));
        QAction* a = nullptr;
        switch (e.art) {
        case sitzung::Art::Menue:
            aktuell = menue(leiste, titel);
            a = aktuell->menuAction();
            break;
        case sitzung::Art::Eintrag:
            a = aktuell->addAction(titel, this, [this, e] { steuerung_.waehlen(e.eintrag); });
            break;
        case sitzung::Art::Trenner:
            a = aktuell->addSeparator();
            break;
        case sitzung::Art::Leiste:
            a = leiste->addAction(titel, this, [this, e] { steuerung_.waehlen(e.eintrag); });
            break;
        }
        a->setObjectName(QString::fromUtf8(e.name.data(), static_cast<qsizetype>(e.name.size())));
        aktionen_[i] = a;
    }
    menueZeigen(sitzung_.menue(), {});

    // No item has an access key, so the keyboard reaches the menus through
    // F10, as on most desktops; the arrow keys and Return do the rest.
    auto* menuetaste = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuetaste, &QShortcut::activated, leiste, &Menueleiste::tastaturOeffnen);
}

} // namespace app
