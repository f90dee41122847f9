// Drives the real window offscreen through its object names, as a user would.
#include "Fensterhilfe.h"
#include "sitzung/Texte.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStyleOptionMenuItem>
#include <QTest>

#include <tuple>

using hilfe::aktion;
using hilfe::control;

namespace {

const QString kStandard = QString::fromUtf8(sitzung::kStandardtext);

// Builds a menu item's style option the way its menu does when it paints:
// through a pointer to the protected, virtual member, so the menu's own
// override runs.
struct MenueZugang : QMenu {
    static QStyleOptionMenuItem option(const QMenu* menue, const QAction* eintrag) {
        QStyleOptionMenuItem o;
        const auto aufbau = &MenueZugang::initStyleOption;
        (menue->*aufbau)(&o, eintrag);
        return o;
    }
};

QString fokus() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

} // namespace

class TestForm1 : public QObject {
    Q_OBJECT

    std::unique_ptr<app::Form1> form;

    app::Form1& f() { return *form; }
    QPlainTextEdit* text2() { return control<QPlainTextEdit>(f(), "Text2"); }
    QPlainTextEdit* text3() { return control<QPlainTextEdit>(f(), "Text3"); }
    QAbstractItemView* list1() { return control<QAbstractItemView>(f(), "List1"); }
    int zeilen1() { return list1()->model()->rowCount(); }
    QString zeile1(int i) { return list1()->model()->index(i, 0).data().toString(); }
    std::vector<std::int32_t> bild2() { return hilfe::angezeigt(f(), "Picture2"); }
    std::vector<std::int32_t> original() { return hilfe::alsFarbwerte(f().originalbild()); }
    void schluessel(const QString& s) { hilfe::schluesselEingeben(f(), &s); }
    bool aktiv(const char* name) { return aktion(f(), name)->isEnabled(); }
    bool haken(const char* name) { return aktion(f(), name)->isChecked(); }

  private slots:
    void init() {
        form = std::make_unique<app::Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    // No item answers a shortcut or an access key the menus do not show, none
    // starts checked, and the separators stay where they are.
    void menuItemsWithoutShortcutsOrChecks() {
        for (QAction* kopf : f().menuBar()->actions()) {
            for (QAction* e : kopf->menu() ? kopf->menu()->actions() : QList<QAction*>{kopf}) {
                QVERIFY2(e->shortcut().isEmpty() && !e->text().contains('&'), qPrintable(e->objectName()));
                QVERIFY(!e->isChecked());
                QVERIFY(e->isVisible());
            }
        }
        QVERIFY(!f().menuBar()->actions()[2]->menu()->separatorsCollapsible());
    }

    void startUpLayoutCaptionAndWorkingCopy() {
        QCOMPARE(f().windowTitle(), QString("Tarnbild - Demo"));
        QCOMPARE(f().abmessungen().Bildbreite, 290.0f);
        QCOMPARE(f().abmessungen().Bildhoehe, 224.0f);
        QCOMPARE(f().abmessungen().Bildpunktzahl, 64960.0f);
        // Offscreen the screen has 96 dots per inch: 15 twips per pixel.
        QCOMPARE(control<QWidget>(f(), "Picture1")->geometry(), QRect(4, 0, 290, 224));
        QCOMPARE(control<QWidget>(f(), "Picture2")->geometry(), QRect(297, 0, 290, 224));
        QCOMPARE(list1()->geometry(), QRect(590, 0, 73, 224));
        QCOMPARE(control<QWidget>(f(), "Label1")->geometry(), QRect(4, 227, 290, 13));
        QCOMPARE(text2()->geometry(), QRect(4, 243, 290, 85));
        QCOMPARE(text3()->geometry(), QRect(297, 243, 290, 85));
        QCOMPARE(f().frameGeometry().size(), QSize(683, 388));
        QCOMPARE(control<QWidget>(f(), "Picture2")->toolTip(), QString("Kopie"));
        QCOMPARE(control<QWidget>(f(), "Picture1")->toolTip(), QString("Originalbild"));
        QCOMPARE(text2()->font().family(), QString("Times New Roman"));
        QCOMPARE(text2()->font().pointSizeF(), 10.8);
        for (const char* name :
             {"Picture1", "Picture2", "List1", "Label1", "Label2", "Text2", "Text3"}) {
            QVERIFY2(!control<QWidget>(f(), name)->accessibleName().isEmpty(), name);
        }
        const QImage symbol = f().windowIcon().pixmap(32, 32).toImage();
        QCOMPARE(symbol.size(), QSize(32, 32));

        QCOMPARE(hilfe::angezeigt(f(), "Picture1"), original());
        QCOMPARE(bild2(), original());

        // Resizing moves no control.
        f().resize(900, 600);
        QCOMPARE(text3()->geometry(), QRect(297, 243, 290, 85));
    }

    void lineBreakCountsAsTwoCharacters() {
        text2()->setPlainText("a\nb");
        QCOMPARE(f().systemtext(), (text::Codes{'a', 13, 10, 'b'}));
        text2()->setPlainText(QString::fromUtf8("ü\u00A0€😀"));
        QCOMPARE(f().systemtext(), (text::Codes{252, 160, 128, '?'}));
    }

    void textEinfuegenStaysCheckedWhenChosenAgain() {
        text2()->setPlainText("getippt");
        QSignalSpy umgeschaltet(aktion(f(), "M_text_einfuegen"), &QAction::toggled);
        aktion(f(), "M_text_einfuegen")->trigger();
        QCOMPARE(text2()->toPlainText(), kStandard);
        QCOMPARE(f().systemtext().size(), 168u);
        QVERIFY(haken("M_text_einfuegen"));
        aktion(f(), "M_text_einfuegen")->trigger();
        QVERIFY(haken("M_text_einfuegen"));
        for (const auto& signal : umgeschaltet) {
            QVERIFY2(signal[0].toBool(), "never unchecked, not even for a moment");
        }
    }

    void progressItemsShowACheckMarkThatStays() {
        for (const char* name : {"M_text_einfuegen", "M_den_Schluessel_festlegen",
                                 "M_Positionen_ermitteln", "M_Text_verschluesseln"}) {
            QAction* eintrag = aktion(f(), name);
            QSignalSpy umgeschaltet(eintrag, &QAction::toggled);
            for (int mal = 0; mal < 3; ++mal) {
                if (std::string(name) == "M_den_Schluessel_festlegen") {
                    schluessel("k");
                } else {
                    eintrag->trigger();
                }
                QVERIFY2(haken(name), name);
                const QStyleOptionMenuItem o =
                    MenueZugang::option(qobject_cast<QMenu*>(eintrag->parent()), eintrag);
                QVERIFY2(o.checkType == QStyleOptionMenuItem::NonExclusive,
                         name); // no radio bullet
                QVERIFY2(o.checked, name);
            }
            for (const auto& signal : umgeschaltet) {
                QVERIFY2(signal[0].toBool(), name); // never unchecked, not even for a moment
            }
            // Screen readers hear a checked menu item, not a selected radio button.
            auto* menue = QAccessible::queryAccessibleInterface(eintrag->parent());
            QVERIFY(menue);
            QAccessibleInterface* punkt = nullptr;
            for (int i = 0; i < menue->childCount(); ++i) {
                if (menue->child(i)->text(QAccessible::Name) == eintrag->text()) {
                    punkt = menue->child(i);
                }
            }
            QVERIFY2(punkt, name);
            QCOMPARE(punkt->role(), QAccessible::MenuItem);
            QVERIFY2(punkt->state().checkable && punkt->state().checked, name);
        }
    }

    void keyboardFocusStartsInText2AndTabsRoundTheControls() {
        QTRY_COMPARE(fokus(), QString("Text2"));
        const QStringList ring = {"Text2", "Text3", "List1", "Text2", "Text3"};
        for (qsizetype i = 1; i < ring.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(fokus(), ring[i]);
        }
        for (qsizetype i = ring.size() - 2; i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            QCOMPARE(fokus(), ring[i]);
        }
        // No tab key press becomes a character of the text to hide.
        for (Qt::KeyboardModifiers taste : {Qt::NoModifier, Qt::ControlModifier}) {
            text2()->setFocus();
            QTest::keyClicks(text2(), "ab");
            QTest::keyClick(text2(), Qt::Key_Tab, taste);
            QCOMPARE(text2()->toPlainText().count('\t'), 0);
            QVERIFY(fokus() != "Text2");
        }
        // The control with the focus is framed in the highlight colour, the others are not.
        const std::vector<QAbstractScrollArea*> felder = {text2(), text3(), list1()};
        for (QAbstractScrollArea* feld : felder) {
            feld->setFocus();
            for (QAbstractScrollArea* box : felder) {
                const QImage bild = box->viewport()->grab().toImage();
                const bool gerahmt = bild.pixelColor(0, bild.height() / 2) ==
                                     box->palette().color(QPalette::Highlight);
                QCOMPARE(gerahmt, box == feld);
            }
        }
        // F10 opens the first menu with its first item ready; Return chooses it.
        QTest::keyClick(&f(), Qt::Key_F10);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(f().menuBar()->activeAction()->objectName(),
                 QString("M_Text_im_Fenster_verschluesseln"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
        QCOMPARE(text2()->toPlainText(), kStandard);
        text2()->setPlainText("abab");
        text2()->moveCursor(QTextCursor::End);
        text2()->setFocus();
        text2()->insertPlainText("\t"); // a pasted tab is a character like any other
        QCOMPARE(f().systemtext().size(), 5u);

        // Every control tells a screen reader its German name and what it is.
        const std::vector<std::pair<const char*, QAccessible::Role>> rollen = {
            {"Text2", QAccessible::EditableText},
            {"Text3", QAccessible::EditableText},
            {"Label1", QAccessible::StaticText},
            {"Label2", QAccessible::StaticText},
            {"List1", QAccessible::Table}, // a table speaks at once at any length
            {"Picture1", QAccessible::Graphic},
            {"Picture2", QAccessible::Graphic}};
        for (const auto& [name, rolle] : rollen) {
            QWidget* w = control<QWidget>(f(), name);
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QVERIFY2(a, name);
            QCOMPARE(a->text(QAccessible::Name), w->accessibleName());
            QVERIFY2(!w->accessibleName().isEmpty(), name);
            QCOMPARE(a->role(), rolle);
        }
    }

    void infoShowsTheMessageAndChangesNothing() {
        aktion(f(), "M_letztes_Bit_auf_1")->trigger();
        const auto vorher = bild2();
        QString titel;
        QMessageBox::Icon symbol = QMessageBox::Critical;
        int knoepfe = 0;
        QString text;
        hilfe::wennModal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            text = box->text();
            titel = box->windowTitle();
            symbol = box->icon();
            knoepfe = static_cast<int>(box->buttons().size());
            box->accept();
        });
        aktion(f(), "M_Info_zum_Bild")->trigger();
        QCOMPARE(titel, QString("punktgarten"));
        QCOMPARE(symbol, QMessageBox::NoIcon);
        QCOMPARE(knoepfe, 1);
        QCOMPARE(text, QString::fromUtf8("Das Bild hat 290 * 224 = 64960 Bildpunkte Damit könnte "
                                         "man theortsch eine Nachricht mit 8120 Buchstaben "
                                         "verschlüsseln"));
        QCOMPARE(bild2(), vorher); // closing the box is no activation
        QEvent aktivierung(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&f(), &aktivierung);
        QCOMPARE(bild2(), vorher); // a later activation does not reset the copy
    }

    void endeAndOriginalbildLaden() {
        aktion(f(), "M_letztes_Bit_anzeigen")->trigger();
        QVERIFY(bild2() != original());
        aktion(f(), "M_Ende")->trigger();
        QVERIFY(f().isVisible());
        QVERIFY(bild2() != original()); // Ende does nothing
        aktion(f(), "M_Originalbild_laden")->trigger();
        QCOMPARE(bild2(), original());
        QCOMPARE(f().windowTitle(), QString("Tarnbild - Demo"));
    }

    void keyEntry() {
        QInputDialog* gesehen = nullptr;
        QString titel, frage, vorgabe;
        QPoint ort(-1, -1);
        hilfe::wennModal([&](QWidget* w) {
            gesehen = qobject_cast<QInputDialog*>(w);
            titel = gesehen->windowTitle();
            frage = gesehen->labelText();
            vorgabe = gesehen->textValue();
            ort = gesehen->pos();
            gesehen->accept();
        });
        aktion(f(), "M_den_Schluessel_festlegen")->trigger();
        QVERIFY(gesehen);
        QCOMPARE(titel, QString::fromUtf8("Eingabe des privaten Schlüssels"));
        QCOMPARE(frage, QString::fromUtf8("Mit der Eingabe einer Zahl wird der Zufallsgenerator "
                                          "auf einen festen Startpunkt festgelegt. Beim "
                                          "Dekodieren benötigt man diesen Schlüssel wieder."));
        QCOMPARE(vorgabe, QString("Waldsee"));
        QCOMPARE(ort, QPoint(0, 0));
        QCOMPARE(f().windowTitle(), QString::fromUtf8("Der Schlüssel hat den Wert 709"));
        QVERIFY(haken("M_den_Schluessel_festlegen"));

        schluessel("A");
        QCOMPARE(f().windowTitle(), QString::fromUtf8("Der Schlüssel hat den Wert 65"));
        hilfe::schluesselEingeben(f(), nullptr); // Cancel
        QCOMPARE(f().windowTitle(), QString::fromUtf8("Der Schlüssel hat den Wert "));
        QVERIFY(!f().schluesselwert().has_value());
        QVERIFY(haken("M_den_Schluessel_festlegen"));
        schluessel(QString(100000, QChar(0xFF)));
        QCOMPARE(f().windowTitle(), QString::fromUtf8("Der Schlüssel hat den Wert 25500000"));
    }

    void wholeRoadOfAMessage() {
        aktion(f(), "M_text_einfuegen")->trigger();
        schluessel("Waldsee");
        aktion(f(), "M_Positionen_ermitteln")->trigger();
        QCOMPARE(zeilen1(), 1344);
        QVERIFY(aktiv("M_Positionen_anzeigen"));
        QVERIFY(haken("M_Positionen_ermitteln"));
        QVERIFY(!aktiv("M_Bits_anzeigen"));
        QVERIFY(!aktiv("M_entschluesseln"));
        const auto& t = f().positionstabelle();
        QCOMPARE(zeile1(0), QString::fromStdString(key::listenzeile(t.PosX[1], t.PosY[1])));
        QCOMPARE(zeile1(0), QString("006   204"));

        aktion(f(), "M_Text_verschluesseln")->trigger();
        QVERIFY(bild2() != original());
        QCOMPARE(control<QWidget>(f(), "Picture2")->toolTip(),
                 QString("In diesem Bild ist eine Nachricht versteckt"));
        QVERIFY(aktiv("M_Bits_anzeigen"));
        QVERIFY(aktiv("M_entschluesseln"));
        QVERIFY(haken("M_Text_verschluesseln"));

        aktion(f(), "M_Bild_entschluesseln")->trigger();
        QCOMPARE(text3()->toPlainText(), kStandard);

        // Same length, other text: the hidden text still comes back.
        text2()->setPlainText(QString(168, 'x'));
        aktion(f(), "M_Bild_entschluesseln")->trigger();
        QCOMPARE(text3()->toPlainText(), kStandard);
        text2()->setPlainText("kurz");
        aktion(f(), "M_Bild_entschluesseln")->trigger();
        QCOMPARE(text3()->toPlainText(), kStandard.left(4));

        // Determining again with the same key and length gives the same table.
        text2()->setPlainText(kStandard);
        aktion(f(), "M_Positionen_ermitteln")->trigger();
        QCOMPARE(zeilen1(), 2688);
        QCOMPARE(zeile1(1344), zeile1(0));
        aktion(f(), "M_Bild_entschluesseln")->trigger();
        QCOMPARE(text3()->toPlainText(), kStandard);

        aktion(f(), "M_Originalbild_laden")->trigger();
        QCOMPARE(bild2(), original());
        QCOMPARE(control<QWidget>(f(), "Picture2")->toolTip(),
                 QString("In diesem Bild ist eine Nachricht versteckt"));
        QVERIFY(aktiv("M_entschluesseln"));
    }

    void aShorterDeterminationListsBelowTheLongerOne() {
        text2()->setPlainText("abc");
        aktion(f(), "M_Positionen_ermitteln")->trigger();
        QStringList lang;
        for (int i = 0; i < 24; ++i) {
            lang << zeile1(i);
        }
        text2()->setPlainText("x");
        schluessel("anderer");
        aktion(f(), "M_Positionen_ermitteln")->trigger();
        QCOMPARE(zeilen1(), 32);
        const auto& t = f().positionstabelle();
        for (int i = 0; i < 32; ++i) {
            const QString soll = i < 24 ? lang[i]
                                        : QString::fromStdString(key::listenzeile(
                                              t.PosX[static_cast<std::size_t>(i - 23)],
                                              t.PosY[static_cast<std::size_t>(i - 23)]));
            QCOMPARE(zeile1(i), soll);
        }
    }

    void lineBreaksAndCodeZeroComeBackVisible() {
        text2()->setPlainText(QString::fromUtf8("Zeile 1\nZeile 2 für €"));
        aktion(f(), "M_Positionen_ermitteln")->trigger();
        aktion(f(), "M_Text_verschluesseln")->trigger();
        aktion(f(), "M_Bild_entschluesseln")->trigger();
        QCOMPARE(text3()->toPlainText(), QString::fromUtf8("Zeile 1\nZeile 2 für €"));
        aktion(f(), "M_letztes_Bit_auf_0")->trigger();
        aktion(f(), "M_Bild_entschluesseln")->trigger();
        QCOMPARE(text3()->toPlainText(), QString(22, QChar(0xFFFD)));
    }

    // A refusal shows the session's message and changes nothing the window shows.
    void refusalsChangeNothingShown() {
        text2()->setPlainText("x");
        QVERIFY(hilfe::waehleUndBestaetige(f(), "M_Text_verschluesseln").contains("Positionen"));
        QCOMPARE(bild2(), original());
        QVERIFY(!aktiv("M_entschluesseln"));
        QCOMPARE(control<QWidget>(f(), "Picture2")->toolTip(), QString("Kopie"));
        text2()->clear(); // an empty text needs no positions
        QVERIFY(hilfe::waehleUndBestaetige(f(), "M_Text_verschluesseln").isEmpty());
        QVERIFY(aktiv("M_entschluesseln"));

        text2()->setPlainText("ab");
        for (const char* name : {"M_Positionen_ermitteln", "M_Text_verschluesseln", "M_Bild_entschluesseln"}) {
            aktion(f(), name)->trigger();
        }
        const auto versteckt = bild2();
        const auto tabelle = f().positionstabelle().PosX;
        const int zeilen = zeilen1();
        const std::tuple<QString, const char*, const char*> faelle[] = {
            {QString(8121, 'a'), "M_Positionen_ermitteln", "8120"},
            {QString(8121, 'a'), "M_Text_verschluesseln", "8120"},
            {"abc", "M_Bild_entschluesseln", "16"},
            {"abc", "M_Bits_anzeigen", "16"}};
        for (const auto& [text, name, teil] : faelle) {
            text2()->setPlainText(text);
            QVERIFY2(hilfe::waehleUndBestaetige(f(), name).contains(teil), name);
            QCOMPARE(bild2(), versteckt);
            QCOMPARE(text3()->toPlainText(), QString("ab"));
            QCOMPARE(zeilen1(), zeilen);
            QCOMPARE(f().positionstabelle().PosX, tabelle);
        }

        text2()->setPlainText(QString(8120, 'a'));
        aktion(f(), "M_Positionen_ermitteln")->trigger();
        QCOMPARE(zeilen1(), zeilen + 64960);
        aktion(f(), "M_Text_verschluesseln")->trigger();
        aktion(f(), "M_Bild_entschluesseln")->trigger();
        QCOMPARE(text3()->toPlainText(), QString(8120, 'a'));
    }

    void wholeAnzeigeMenuAfterAHiddenText() {
        text2()->setPlainText("Hallo");
        aktion(f(), "M_Positionen_ermitteln")->trigger();
        aktion(f(), "M_Text_verschluesseln")->trigger();
        const auto versteckt = bild2();
        const auto& t = f().positionstabelle();
        auto pixel = [&](const std::vector<std::int32_t>& b, std::size_t k) {
            return b[static_cast<std::size_t>(t.PosY[k]) * 290 +
                     static_cast<std::size_t>(t.PosX[k])];
        };

        aktion(f(), "M_letztes_Bit_anzeigen")->trigger();
        for (std::int32_t c : bild2()) {
            QVERIFY(c == picture::kWeiss || c == picture::kSchwarz);
        }
        aktion(f(), "M_Bild_entschluesseln")->trigger();
        QCOMPARE(text3()->toPlainText(), QString("Hallo"));

        aktion(f(), "M_Originalbild_laden")->trigger();
        aktion(f(), "M_Text_verschluesseln")->trigger();
        QCOMPARE(bild2(), versteckt);
        aktion(f(), "M_Bits_anzeigen")->trigger();
        const auto punkte = bild2();
        const text::Codes hallo = {'H', 'a', 'l', 'l', 'o'};
        for (std::size_t k = 1; k <= 40; ++k) {
            const int bit = (hallo[(k - 1) / 8] >> (7 - (k - 1) % 8)) & 1;
            QCOMPARE(pixel(punkte, k), bit ? picture::kRot : picture::kGelb);
        }
        aktion(f(), "M_Bild_entschluesseln")->trigger();
        QCOMPARE(text3()->toPlainText(), QString(5, QChar(0xFF)));
        aktion(f(), "M_Positionen_anzeigen")->trigger();
        const auto kreise = bild2();
        for (std::size_t i = 0; i < kreise.size(); ++i) {
            QVERIFY(kreise[i] == punkte[i] || kreise[i] == picture::kRot);
        }

        for (const char* name : {"M_letztes_Bit_auf_0", "M_letztes_Bit_auf_1"}) {
            aktion(f(), name)->trigger();
            aktion(f(), "M_Bits_anzeigen")->trigger();
            const picture::Farbwert farbe =
                std::string(name) == "M_letztes_Bit_auf_0" ? picture::kGelb : picture::kRot;
            for (std::size_t k = 1; k <= 40; ++k) {
                QCOMPARE(pixel(bild2(), k), farbe);
            }
        }
        aktion(f(), "M_letztes_Bit_auf_Zufall_setzen")->trigger();
        const auto zufall = bild2();
        const auto orig = original();
        for (std::size_t i = 0; i < zufall.size(); ++i) {
            QCOMPARE(zufall[i] & 0xFFFF00, orig[i] & 0xFFFF00);
        }
        const auto tabelleVorher = t.PosX;
        aktion(f(), "M_Positionen_ermitteln")->trigger();
        QCOMPARE(f().positionstabelle().PosX, tabelleVorher); // random draws do not move positions
        aktion(f(), "M_Originalbild_laden")->trigger();
        QCOMPARE(bild2(), original());
    }
};

QTEST_MAIN(TestForm1)
#include "test_form1.moc"
