#include "app/Form1.h"

#include "app/Ansage.h"
#include "app/Fensterrahmen.h"
#include "app/Knopffokus.h"
#include "app/Menueleiste.h"
#include "app/Positionsliste.h"
#include "app/Schluesselpruefung.h"
#include "app/Textfeld.h"
#include "sitzung/Einwaende.h"
#include "sitzung/Fensterlayout.h"
#include "sitzung/Texte.h"
#include "text/Utf16.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QIcon>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShowEvent>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

#include <limits>

// The icon lives in this static library; its resources must be registered by
// hand, and from outside any namespace.
static void ressourcenAnmelden() {
    Q_INIT_RESOURCE(punktgarten);
}

namespace app {
namespace {

QString qtext(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString qtext(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text) {
    auto* label = new QLabel(text, eltern);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAccessibleName(text);
    return label;
}

void platzieren(QWidget* w, const sitzung::Rechteck& r, float tx, float ty) {
    using sitzung::pixel;
    w->setGeometry(pixel(r.Left, tx), pixel(r.Top, ty), pixel(r.Width, tx), pixel(r.Height, ty));
}

} // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent),
      sitzung_(sitzung::eingebautesOriginalbild(), QLocale().decimalPoint().toStdString()) {
    setObjectName("Form1");
    ressourcenAnmelden();
    setWindowIcon(QIcon(QStringLiteral(":/punktgarten/punktgarten.png")));
    // The window's default font, used by the labels and the list: small enough
    // that a list line fits the list's fixed width of 1092 twips.
    QFont standard = font();
    standard.setPointSize(8);
    setFont(standard);
    createControls();
    createActions();
    ladeSchritt();
}

void Form1::createControls() {
    auto* flaeche = new QWidget(this); // the client area; controls sit at fixed places
    flaeche->setObjectName("Form1_Flaeche");
    setCentralWidget(flaeche);

    Picture1 = new Bildanzeige(sitzung_.originalbild(), flaeche);
    Picture1->setObjectName("Picture1");
    Picture1->setToolTip(qtext(sitzung::kTooltipOriginal));
    Picture1->setAccessibleName(qtext(sitzung::kNameOriginal));
    Picture2 = new Bildanzeige(sitzung_.arbeitsbild(), flaeche);
    Picture2->setObjectName("Picture2");
    Picture2->setToolTip(qtext(sitzung_.tooltip()));
    Picture2->setAccessibleName(qtext(sitzung::kNameKopie));

    List1 = new Positionsliste(sitzung_.liste(), flaeche);
    List1->setObjectName("List1");
    List1->setAccessibleName(qtext(sitzung::kNameListe));

    Label1 = beschriftung(flaeche, "Label1", qtext(sitzung::kLabel1));
    Label2 = beschriftung(flaeche, "Label2", qtext(sitzung::kLabel2));
    Text2 = textfeld(flaeche, "Text2");
    Text2->setAccessibleName(Label1->text());
    Text3 = textfeld(flaeche, "Text3");
    Text3->setAccessibleName(Label2->text());
    for (auto [feld, ort] : {std::pair{Text2, sitzung::Ort::Text2}, {Text3, sitzung::Ort::Text3}}) {
        static_cast<Textfeld*>(feld)->abweisungSetzen(ort, [this, ort](const QString& meldung) {
            steuerung_.abweisen(ort, meldung.toStdString());
        });
    }
    // The Steuerung hears where the keyboard went by the user's own hand.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* jetzt) {
        for (auto ort : {sitzung::Ort::List1, sitzung::Ort::Text2, sitzung::Ort::Text3}) {
            if (jetzt != nullptr && jetzt == steuerelement(ort)) {
                steuerung_.fokusBekommen(ort);
            }
        }
    });

    // The Steuerung keeps the Tab ring; Qt's order matches it for anything
    // that walks the chain itself.
    setTabOrder(List1, Text2);
    setTabOrder(Text2, Text3);
}

void Form1::ladeSchritt() {
    setWindowTitle(qtext(sitzung_.titel()));
    const QScreen* bildschirm = screen();
    const float tx = 1440.0f / static_cast<float>(bildschirm->logicalDotsPerInchX());
    const float ty = 1440.0f / static_cast<float>(bildschirm->logicalDotsPerInchY());
    const sitzung::Fensterlayout f = sitzung::fensterlayout(
        tx, ty, sitzung_.originalbild().breite(), sitzung_.originalbild().hoehe());
    platzieren(Picture1, f.Picture1, tx, ty);
    platzieren(Picture2, f.Picture2, tx, ty);
    platzieren(Label1, f.Label1, tx, ty);
    platzieren(Label2, f.Label2, tx, ty);
    platzieren(List1, f.List1, tx, ty);
    platzieren(Text2, f.Text2, tx, ty);
    platzieren(Text3, f.Text3, tx, ty);
    aussenBreite_ = sitzung::pixel(f.Width, tx);
    aussenHoehe_ = sitzung::pixel(f.Height, ty);
    fensterGroesseSetzen();
}

void Form1::fensterGroesseSetzen() {
    // The layout gives the outer size; the frame is only known once the
    // window system has framed the window, so this runs again then. The sum
    // is formed in device pixels, where the frame has its exact width.
    const qreal k = devicePixelRatioF();
    const QMargins rahmen = windowHandle() ? rahmenInGeraetepixeln(windowHandle()) : QMargins();
    resize(qRound((aussenBreite_ * k - rahmen.left() - rahmen.right()) / k),
           qRound((aussenHoehe_ * k - rahmen.top() - rahmen.bottom()) / k));
}

void Form1::aktivierungsSchritt() {
    if (!gestartet_) { // only the first gives the working copy its picture
        gestartet_ = true;
        steuerung_.starten();
    }
}

bool Form1::focusNextPrevChild(bool next) {
    // Tab from a control of the client area reaches the window here.
    steuerung_.tab(next);
    return true;
}

void Form1::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    if (!ereignis->spontaneous()) {
        aktivierungsSchritt();
        QTimer::singleShot(0, this, &Form1::fensterGroesseSetzen);
    }
}

bool Form1::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::WindowActivate && !gerahmt_) {
        // By the first activation a window manager has framed the window.
        gerahmt_ = true;
        aktivierungsSchritt();
        fensterGroesseSetzen();
    }
    return QMainWindow::event(ereignis);
}

std::u16string Form1::text2Einheiten() const {
    // The raw text keeps a no-break space as it is; toPlainText() would make it a space.
    return Text2->document()->toRawText().toStdU16String();
}

text::Codes Form1::systemtext() const {
    return text::codes(text::ausUtf16(text2Einheiten()));
}

QWidget* Form1::steuerelement(sitzung::Ort ort) const {
    switch (ort) {
    case sitzung::Ort::List1:
        return List1;
    case sitzung::Ort::Text2:
        return Text2;
    case sitzung::Ort::Text3:
        return Text3;
    default:
        return nullptr; // the menus and the boxes take the keyboard themselves
    }
}

void Form1::boxZeigen(const sitzung::Boxinhalt& box) {
    if (box.art == sitzung::Box::Schluessel) {
        const std::u16string schluessel = schluesselErfragen();
        steuerung_.boxGeschlossen(box.art, schluessel);
        return;
    }
    // A refused key sits above the key box.
    QWidget* oben = QApplication::activeModalWidget();
    QMessageBox meldung(box.warnung ? QMessageBox::Warning : QMessageBox::NoIcon,
                        qtext(sitzung::kProgrammtitel), qtext(box.text), QMessageBox::Ok,
                        oben != nullptr ? oben : this);
    meldung.exec();
    steuerung_.boxGeschlossen(box.art);
}

void Form1::fokusSetzen(sitzung::Ort ort) {
    QWidget* w = steuerelement(ort);
    if (w == nullptr) {
        return;
    }
    const bool schon = w->hasFocus();
    w->setFocus(Qt::OtherFocusReason);
    // Qt gives the focus back after a menu or a box without telling
    // assistive technology; a screen reader then still believes it in the
    // menu. Told here, it says the control's name.
    if (schon && QAccessible::isActive() && isActiveWindow()) {
        QAccessibleEvent ereignis(w, QAccessible::Focus);
        QAccessible::updateAccessibility(&ereignis);
    }
}

void Form1::ansagen(const std::string& satz) {
    app::ansagen(this, qtext(satz));
}

void Form1::bildMalen() {
    Picture2->update();
}

void Form1::zeilenAnhaengen(std::int64_t zeilen) {
    List1->angehaengt(zeilen);
}

void Form1::textSetzen(sitzung::Textziel ziel, const std::string& text) {
    switch (ziel) {
    case sitzung::Textziel::Titel:
        setWindowTitle(qtext(text));
        break;
    case sitzung::Textziel::Tooltip:
        Picture2->setToolTip(qtext(text));
        break;
    case sitzung::Textziel::Text2:
        Text2->setPlainText(qtext(text));
        break;
    case sitzung::Textziel::Text3:
        Text3->setPlainText(qtext(text));
        break;
    }
}

void Form1::menueZeigen(const sitzung::Menuezustaende& zustaende, const sitzung::Menuestand& stand) {
    for (std::size_t i = 0; i < aktionen_.size(); ++i) {
        const sitzung::Menuezustand& z = zustaende[i];
        QAction* a = aktionen_[i];
        a->setEnabled(z.aktiv);
        if (z.abgehakt && !a->isChecked()) {
            // Qt toggles a checkable action on every trigger; the checked action
            // of an exclusive group of its own is never unchecked, not even for
            // a moment.
            auto* gruppe = new QActionGroup(a);
            gruppe->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
            a->setCheckable(true);
            gruppe->addAction(a);
            a->setChecked(true);
        }
    }
    leiste_->zeigen(stand);
}

std::u16string Form1::schluesselErfragen() {
    QInputDialog dialog(this);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(qtext(sitzung::kSchluesselTitel));
    dialog.setLabelText(qtext(sitzung::kSchluesselFrage));
    dialog.setTextValue(qtext(sitzung::kSchluesselVorgabe));
    dialog.setOkButtonText(qtext(sitzung::kOk));
    dialog.setCancelButtonText(qtext(sitzung::kAbbrechen));
    // The prompt wraps over several lines in a box wide enough for the window
    // manager to show the whole title beside its buttons.
    QFont titelschrift = QApplication::font();
    titelschrift.setBold(true);
    const QFontMetrics titelmass(titelschrift);
    const int breite =
        titelmass.horizontalAdvance(dialog.windowTitle()) * 3 / 2 + 8 * titelmass.height();
    if (auto* frage = dialog.findChild<QLabel*>()) {
        frage->setWordWrap(true);
        frage->setMinimumWidth(breite);
    }
    if (auto* feld = dialog.findChild<QLineEdit*>()) {
        // Qt's own limit would cut a long paste short without a word; this one
        // refuses it with a message and leaves the key as it was.
        feld->setMaxLength(std::numeric_limits<int>::max());
        feld->setValidator(new Schluesselpruefung(feld, [this](const std::string& meldung) {
            steuerung_.abweisen(sitzung::Ort::Schluessel, meldung);
        }));
    }
    knopffokusZeigen(&dialog);
    dialog.move(0, 0); // upper left corner of the screen, not centred
    const QString eingabe = dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
    return eingabe.toStdU16String();
}

} // namespace app
