// The menu tree of Form1: captions, order, separators, object names and the
// start-up states, in one place.
#include "app/Ansage.h"
#include "app/Form1.h"
#include "app/Menueleiste.h"
#include "bitplane/LetztesBit.h"
#include "bitplane/Markierung.h"

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

QMenu* menue(QMenuBar* leiste, const char* name, const QString& titel) {
    QMenu* m = new Menue(titel, leiste);
    leiste->addMenu(m);
    m->menuAction()->setObjectName(name);
    m->setSeparatorsCollapsible(false); // two separators in a row stay two lines
    return m;
}

void trenner(QMenu* m, const char* name) {
    m->addSeparator()->setObjectName(name);
}

} // namespace

void Form1::createActions() {
    auto* leiste = new Menueleiste(this);
    setMenuBar(leiste);
    // Captions carry no '&', so no item gets an access key.
    auto eintrag = [this](QMenu* m, const char* name, const QString& text, auto slot) {
        QAction* a = m->addAction(text, this, slot);
        a->setObjectName(name);
        return a;
    };

    QMenu* v = menue(leiste, "M_Text_im_Fenster_verschluesseln", "Verschlüsseln");
    M_text_einfuegen = eintrag(v, "M_text_einfuegen", "Text einfügen", &Form1::textEinfuegen);
    trenner(v, "m_trenner10");
    M_den_Schluessel_festlegen = eintrag(v, "M_den_Schluessel_festlegen", "den Schlüssel festlegen",
                                         &Form1::schluesselFestlegen);
    trenner(v, "M_Trenner5");
    M_Positionen_ermitteln = eintrag(v, "M_Positionen_ermitteln", "die Positionen ermitteln",
                                     &Form1::positionenErmitteln);
    trenner(v, "M_Trenner6");
    M_Text_verschluesseln =
        eintrag(v, "M_Text_verschluesseln", "den Text verschlüsseln", &Form1::textVerschluesseln);

    M_entschluesseln = menue(leiste, "M_entschluesseln", "Entschlüsseln");
    eintrag(M_entschluesseln, "M_Bild_entschluesseln", "das Bild entschlüsseln",
            &Form1::bildEntschluesseln);
    M_entschluesseln->menuAction()->setEnabled(false);

    QMenu* a = menue(leiste, "M_anzeige", "Anzeige");
    eintrag(a, "M_letztes_Bit_anzeigen", "letztes Bit anzeigen", &Form1::letztesBitAnzeigen);
    trenner(a, "M_Trenner4");
    trenner(a, "m_trenner1");
    eintrag(a, "M_letztes_Bit_auf_0", "letztes Bit auf 0 setzen",
            [this] { letztesBitSetzen(bitplane::Regel::Null); });
    trenner(a, "M_Trenner2");
    eintrag(a, "M_letztes_Bit_auf_1", "letztes Bit auf 1 setzen",
            [this] { letztesBitSetzen(bitplane::Regel::Eins); });
    trenner(a, "M_Trenner3");
    eintrag(a, "M_letztes_Bit_auf_Zufall_setzen", "letztes Bit auf Zufall setzen",
            [this] { letztesBitSetzen(bitplane::Regel::Zufall); });
    trenner(a, "m_trenner9");
    M_Positionen_anzeigen = eintrag(a, "M_Positionen_anzeigen", "Positionen anzeigen",
                                    [this] { markieren(bitplane::Markierung::Kreise); });
    M_Positionen_anzeigen->setEnabled(false);
    trenner(a, "M_Trenner8");
    M_Bits_anzeigen = eintrag(a, "M_Bits_anzeigen", "Bits anzeigen",
                              [this] { markieren(bitplane::Markierung::Punkte); });
    M_Bits_anzeigen->setEnabled(false);
    trenner(a, "m_trenner12");
    eintrag(a, "M_Originalbild_laden", "Originalbild laden", [this] {
        originalbildLaden(); // also the activation step, which announces nothing
        ansagen(this, QStringLiteral("Originalbild geladen"));
    });

    QMenu* info = menue(leiste, "M_Info", "Info");
    eintrag(info, "M_Info_zum_Bild", "Info zum Bild", &Form1::infoZumBild);

    // "Ende" sits in the menu bar itself and carries no command.
    leiste->addAction("Ende")->setObjectName("M_Ende");

    // No item has an access key, so the keyboard reaches the menus through
    // F10, as on most desktops; the arrow keys and Return do the rest.
    auto* menuetaste = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menuetaste, &QShortcut::activated, leiste, &Menueleiste::tastaturOeffnen);
}

} // namespace app
