#include "app/Form1.h"

#include "app/Ansage.h"
#include "app/Fensterlayout.h"
#include "app/Fensterrahmen.h"
#include "app/Fokusrahmen.h"
#include "app/Infotext.h"
#include "app/Knopffokus.h"
#include "app/Positionsliste.h"
#include "app/Textfeld.h"
#include "bitplane/LetztesBit.h"
#include "bitplane/Markierung.h"
#include "hiding/Auslesen.h"
#include "hiding/Einbetten.h"
#include "picture/Bildstrom.h"
#include "picture/Originalbild.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QIcon>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
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

const QString kSchluesselFrage = QStringLiteral(
    "Mit der Eingabe einer Zahl wird der Zufallsgenerator auf einen festen Startpunkt "
    "festgelegt. Beim Dekodieren benötigt man diesen Schlüssel wieder.");
const QString kSchluesselTitel = QStringLiteral("Eingabe des privaten Schlüssels");
const QString kSchluesselVorgabe = QStringLiteral("Waldsee");
const QString kSchluesselTitelzeile = QStringLiteral("Der Schlüssel hat den Wert ");
const QString kVersteckt = QStringLiteral("In diesem Bild ist eine Nachricht versteckt");

picture::Bildflaeche eingebautesOriginalbild() {
    picture::DecodeResult ergebnis = picture::decode(picture::originalbildStrom());
    if (ergebnis.error != picture::DecodeError::None) {
        qFatal("Das eingebaute Originalbild ist beschädigt: %s", picture::describe(ergebnis.error));
    }
    return std::move(ergebnis.bild);
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text) {
    auto* label = new QLabel(text, eltern);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAccessibleName(text);
    return label;
}

void platzieren(QWidget* w, const Rechteck& r, float tx, float ty) {
    w->setGeometry(pixel(r.Left, tx), pixel(r.Top, ty), pixel(r.Width, tx), pixel(r.Height, ty));
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent), original_(eingebautesOriginalbild()) {
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

    Picture1 = new Bildanzeige(original_, flaeche);
    Picture1->setObjectName("Picture1");
    Picture1->setToolTip(QStringLiteral("Originalbild"));
    Picture1->setAccessibleName(QStringLiteral("Originalbild"));
    Picture2 = new Bildanzeige(kopie_, flaeche);
    Picture2->setObjectName("Picture2");
    Picture2->setToolTip(QStringLiteral("Kopie"));
    Picture2->setAccessibleName(QStringLiteral("Kopie des Bildes, in der der Text versteckt wird"));

    List1 = new Positionsliste(flaeche);
    List1->setObjectName("List1");
    List1->setAccessibleName(QStringLiteral("Liste der Positionen, Spalte und Zeile"));

    Label1 = beschriftung(flaeche, "Label1", QStringLiteral("zu verschlüsselnder Text"));
    Label2 = beschriftung(flaeche, "Label2", QStringLiteral("entschlüsselter Text"));
    Text2 = textfeld(flaeche, "Text2");
    Text2->setAccessibleName(Label1->text());
    Text3 = textfeld(flaeche, "Text3");
    Text3->setAccessibleName(Label2->text());

    // Tab order of the definition: Picture1, Picture2, List1, Label1, Text2, Text3, Label2;
    // the pictures and labels take no focus, which leaves List1, Text2, Text3 in a ring.
    setTabOrder(List1, Text2);
    setTabOrder(Text2, Text3);
    // The first thing a user does is type the text to hide.
    Text2->setFocus();
}

void Form1::ladeSchritt() {
    setWindowTitle(QStringLiteral("Tarnbild - Demo"));
    const QScreen* bildschirm = screen();
    const float tx = 1440.0f / static_cast<float>(bildschirm->logicalDotsPerInchX());
    const float ty = 1440.0f / static_cast<float>(bildschirm->logicalDotsPerInchY());
    const Fensterlayout f = fensterlayout(tx, ty, original_.breite(), original_.hoehe());
    platzieren(Picture1, f.Picture1, tx, ty);
    platzieren(Picture2, f.Picture2, tx, ty);
    platzieren(Label1, f.Label1, tx, ty);
    platzieren(Label2, f.Label2, tx, ty);
    platzieren(List1, f.List1, tx, ty);
    platzieren(Text2, f.Text2, tx, ty);
    platzieren(Text3, f.Text3, tx, ty);
    aussenBreite_ = pixel(f.Width, tx);
    aussenHoehe_ = pixel(f.Height, ty);
    fensterGroesseSetzen();
    abmessungen_ = picture::abmessungenVon(original_);
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
    if (aktiviert_) {
        return; // only the first activation gives the working copy its picture
    }
    aktiviert_ = true;
    originalbildLaden();
}

void Form1::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    if (!ereignis->spontaneous() && !aktiviert_) {
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

text::Codes Form1::systemtext() const {
    // The raw text keeps a no-break space as it is; toPlainText() would make it a space.
    return text::codes(Text2->document()->toRawText().toStdU32String());
}

void Form1::haken(QAction* eintrag) {
    // Qt toggles a checkable action on every trigger; the checked action of an
    // exclusive group of its own is never unchecked, not even for a moment.
    if (!eintrag->actionGroup()) {
        auto* gruppe = new QActionGroup(eintrag);
        gruppe->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
        eintrag->setCheckable(true);
        gruppe->addAction(eintrag);
    }
    eintrag->setChecked(true);
}

void Form1::abweisen(const QString& meldung) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kProgrammtitel), meldung,
                    QMessageBox::Ok, this);
    box.exec();
}

bool Form1::zuLang(std::int64_t zeichen) {
    const std::int64_t hoechstens = static_cast<std::int64_t>(abmessungen_.Bildbreite) *
                                    static_cast<std::int64_t>(abmessungen_.Bildhoehe) /
                                    hiding::kBitsJeZeichen;
    if (zeichen <= hoechstens) {
        return false;
    }
    abweisen(QStringLiteral("Der Text ist zu lang: Das Bild kann höchstens %1 Buchstaben "
                            "aufnehmen, der Text hat %2 Zeichen.")
                 .arg(hoechstens)
                 .arg(zeichen));
    return true;
}

void Form1::fehlendePositionen(std::int64_t zeichen) {
    // No advice to determine positions that can never be determined.
    if (zuLang(zeichen)) {
        return;
    }
    abweisen(QStringLiteral("Für diesen Text fehlen Positionen: Er braucht %1 Positionen "
                            "(8 je Zeichen), ermittelt sind %2. Bitte zuerst „die Positionen "
                            "ermitteln“ wählen.")
                 .arg(hiding::bitanzahl(zeichen))
                 .arg(tabelle_.eintraege()));
}

void Form1::arbeitsbildGeaendert() {
    Picture2->update();
}

void Form1::textEinfuegen() {
    Text2->setPlainText(QString::fromUtf8(kStandardtext));
    haken(M_text_einfuegen);
    ansagen(this, QStringLiteral("Text eingefügt"));
}

void Form1::schluesselFestlegen() {
    QInputDialog dialog(this);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(kSchluesselTitel);
    dialog.setLabelText(kSchluesselFrage);
    dialog.setTextValue(kSchluesselVorgabe);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    // The prompt wraps over several lines in a box wide enough for the window
    // manager to show the whole title beside its buttons.
    QFont titelschrift = QApplication::font();
    titelschrift.setBold(true);
    const QFontMetrics titelmass(titelschrift);
    const int breite =
        titelmass.horizontalAdvance(kSchluesselTitel) * 3 / 2 + 8 * titelmass.height();
    if (auto* frage = dialog.findChild<QLabel*>()) {
        frage->setWordWrap(true);
        frage->setMinimumWidth(breite);
    }
    if (auto* feld = dialog.findChild<QLineEdit*>()) {
        feld->setMaxLength(std::numeric_limits<int>::max()); // a key has no length limit
    }
    dialog.move(0, 0); // upper left corner of the screen, not centred
    knopffokusZeigen(&dialog);
    const QString eingabe = dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();

    schluesselwert_ = key::schluesselwert(text::codes(eingabe.toStdU32String()));
    setWindowTitle(kSchluesselTitelzeile +
                   (schluesselwert_ ? QString::number(*schluesselwert_) : QString()));
    haken(M_den_Schluessel_festlegen);
    ansagen(this, windowTitle());
}

void Form1::positionenErmitteln() {
    const auto zeichen = static_cast<std::int64_t>(systemtext().size());
    key::ErmittlungsErgebnis ergebnis = key::ermitteln(
        zufallsgenerator_, schluesselwert_, hiding::bitanzahl(zeichen),
        static_cast<int>(abmessungen_.Bildbreite), static_cast<int>(abmessungen_.Bildhoehe));
    if (ergebnis.status != key::Ermittlung::Ok) {
        fehlendePositionen(zeichen); // the text is longer than the picture can hold
        return;
    }
    if (ergebnis.tabelle.eintraege() > 0) { // an empty text keeps the old table
        tabelle_ = std::move(ergebnis.tabelle);
        List1->anhaengen(tabelle_);
    }
    M_Positionen_anzeigen->setEnabled(true);
    haken(M_Positionen_ermitteln);
    ansagen(this, QStringLiteral("Positionen ermittelt"));
}

void Form1::textVerschluesseln() {
    const text::Codes codes = systemtext();
    if (hiding::einbetten(kopie_, codes, tabelle_) != hiding::Status::Ok) {
        fehlendePositionen(static_cast<std::int64_t>(codes.size()));
        return;
    }
    arbeitsbildGeaendert();
    Picture2->setToolTip(kVersteckt);
    M_Bits_anzeigen->setEnabled(true);
    M_entschluesseln->menuAction()->setEnabled(true);
    haken(M_Text_verschluesseln);
    ansagen(this, QStringLiteral("Text im Bild versteckt"));
}

void Form1::bildEntschluesseln() {
    const auto zeichen = static_cast<std::int64_t>(systemtext().size());
    const hiding::AuslesenErgebnis ergebnis = hiding::auslesen(kopie_, tabelle_, zeichen);
    if (ergebnis.status != hiding::Status::Ok) {
        fehlendePositionen(zeichen);
        return;
    }
    Text3->setPlainText(QString::fromStdU32String(text::anzeige(ergebnis.codes)));
    ansagen(this, QStringLiteral("Text entschlüsselt"));
}

void Form1::letztesBitAnzeigen() {
    bitplane::letztesBitAnzeigen(kopie_);
    arbeitsbildGeaendert();
    ansagen(this, QStringLiteral("Letztes Bit angezeigt"));
}

void Form1::letztesBitSetzen(bitplane::Regel regel) {
    kopie_ = bitplane::letztesBitSetzen(original_, regel, zufallsgenerator_);
    arbeitsbildGeaendert();
    ansagen(this, QStringLiteral("Letztes Bit gesetzt"));
}

void Form1::markieren(bitplane::Markierung art) {
    const auto zeichen = static_cast<std::int64_t>(systemtext().size());
    if (bitplane::markieren(kopie_, tabelle_, hiding::bitanzahl(zeichen), art) !=
        hiding::Status::Ok) {
        fehlendePositionen(zeichen);
        return;
    }
    arbeitsbildGeaendert();
    ansagen(this, QStringLiteral("Markierungen gezeichnet"));
}

void Form1::originalbildLaden() {
    kopie_ = original_;
    arbeitsbildGeaendert();
}

void Form1::infoZumBild() {
    const std::string trenner = QLocale().decimalPoint().toStdString();
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(kProgrammtitel),
                    QString::fromStdString(app::infoZumBild(abmessungen_, trenner)),
                    QMessageBox::Ok, this);
    box.exec();
}

} // namespace app
