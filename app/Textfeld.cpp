#include "app/Textfeld.h"

#include "app/Fokusrahmen.h"
#include "sitzung/Einwaende.h"
#include "sitzung/Texte.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace app {
namespace {

// Qt's word wrap looks for the next break ahead of every line, so a stretch
// without a break costs the square of its length on every keystroke (1.3 s
// for 200,000 letters). Past this many units the box breaks anywhere instead.
constexpr qsizetype kLaengsterUmbruchfreierLauf = 200;

qsizetype laengsterAbschnitt(QTextBoundaryFinder::BoundaryType art, QStringView text) {
    QTextBoundaryFinder finder(art, text.data(), static_cast<int>(text.size()));
    qsizetype laengster = 0;
    qsizetype vorige = 0;
    for (qsizetype stelle = finder.toNextBoundary(); stelle >= 0;
         stelle = finder.toNextBoundary()) {
        laengster = std::max(laengster, stelle - vorige);
        vorige = stelle;
    }
    return laengster;
}

std::u16string_view einheiten(QStringView text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

} // namespace

QString Textfeld::einwand(QStringView text) const {
    return QString::fromStdString(sitzung::einwand(ort_, einheiten(text)));
}

void Textfeld::abweisungSetzen(sitzung::Ort ort, Abweisung abweisung) {
    ort_ = ort;
    abweisung_ = std::move(abweisung);
}

void Textfeld::abweisen(const QString& meldung) {
    if (abweisung_) {
        abweisung_(meldung);
    } else {
        QMessageBox::warning(this, QString::fromUtf8(sitzung::kProgrammtitel), meldung);
    }
}

Textfeld::Textfeld(QWidget* parent) : QPlainTextEdit(parent) {
    connect(document(), &QTextDocument::contentsChanged, this, &Textfeld::geaendert);
}

void Textfeld::keyPressEvent(QKeyEvent* taste) {
    if (taste->key() == Qt::Key_Tab || taste->key() == Qt::Key_Backtab) {
        focusNextPrevChild(taste->key() == Qt::Key_Tab &&
                           !(taste->modifiers() & Qt::ShiftModifier));
        return;
    }
    QString getippt;
    if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
        getippt = QChar(QChar::ParagraphSeparator);
    } else if (!(taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
               !taste->text().isEmpty() && taste->text().front().isPrint()) {
        getippt = taste->text();
    }
    if (!getippt.isEmpty() && !isReadOnly() && !erlaubt(mitErsetzt(getippt))) {
        return;
    }
    QPlainTextEdit::keyPressEvent(taste);
}

void Textfeld::inputMethodEvent(QInputMethodEvent* ereignis) {
    if (!ereignis->commitString().isEmpty() && !erlaubt(mitErsetzt(ereignis->commitString()))) {
        return;
    }
    QPlainTextEdit::inputMethodEvent(ereignis);
}

void Textfeld::mouseReleaseEvent(QMouseEvent* ereignis) {
    // Qt's own middle-click paste reads the selection's formats without asking
    // whether there are any; this one asks.
    QClipboard* ablage = QGuiApplication::clipboard();
    if (ereignis->button() == Qt::MiddleButton && ablage->supportsSelection()) {
        if (!isReadOnly()) {
            setTextCursor(cursorForPosition(ereignis->position().toPoint()));
            insertFromMimeData(ablage->mimeData(QClipboard::Selection));
        }
        ereignis->accept();
        return;
    }
    QPlainTextEdit::mouseReleaseEvent(ereignis);
}

bool Textfeld::canInsertFromMimeData(const QMimeData* quelle) const {
    return quelle != nullptr && quelle->hasText();
}

void Textfeld::insertFromMimeData(const QMimeData* quelle) {
    // Only the plain text counts. Qt 6.4's own insertion reads the first format
    // of a clipboard that has none and crashes when nobody owns it.
    if (quelle == nullptr || !quelle->hasText()) {
        return;
    }
    const QString text = quelle->text();
    if (!text.isEmpty()) {
        einfuegen(text);
    }
}

QString Textfeld::mitErsetzt(const QString& text) const {
    const QTextCursor c = textCursor();
    QString ergebnis = document()->toRawText();
    ergebnis.replace(c.selectionStart(), c.selectionEnd() - c.selectionStart(), text);
    return ergebnis;
}

void Textfeld::einfuegen(const QString& text) {
    const QTextCursor c = textCursor();
    // Measured before anything is copied, so a paste of megabytes is refused at once.
    const qsizetype laenge =
        document()->characterCount() - 1 - (c.selectionEnd() - c.selectionStart()) + text.size();
    const std::string zuLang = sitzung::laengenEinwand(ort_, laenge);
    if (!zuLang.empty()) {
        abweisen(QString::fromStdString(zuLang));
        return;
    }
    const QString ergebnis = mitErsetzt(text);
    if (!erlaubt(ergebnis)) {
        return;
    }
    umbruchWaehlen(ergebnis); // before the insertion lays the text out
    QTextCursor einfuegung = textCursor();
    einfuegung.insertText(text);
    setTextCursor(einfuegung);
    ensureCursorVisible();
}

bool Textfeld::erlaubt(const QString& ergebnis) {
    const QString meldung = einwand(ergebnis);
    if (meldung.isEmpty()) {
        return true;
    }
    abweisen(meldung);
    return false;
}

void Textfeld::geaendert() {
    // Deleting a letter between two stacks of accents joins them, and an undo
    // can bring back anything; the check after every change catches what the
    // checks before an insertion cannot see. It runs once the change is done.
    if (!pruefend_) {
        pruefend_ = true;
        QTimer::singleShot(0, this, [this] {
            pruefend_ = false;
            const QString jetzt = document()->toRawText();
            const QString meldung = einwand(jetzt);
            if (meldung.isEmpty()) {
                stand_ = jetzt;
                umbruchWaehlen(jetzt);
                return;
            }
            const int stelle = std::min(textCursor().position(), static_cast<int>(stand_.size()));
            umbruchWaehlen(stand_);
            QTextCursor alles(document());
            alles.select(QTextCursor::Document);
            alles.insertText(stand_);
            QTextCursor cursor = textCursor();
            cursor.setPosition(stelle);
            setTextCursor(cursor);
            abweisen(meldung);
        });
    }
}

void Textfeld::umbruchWaehlen(QStringView text) {
    const auto art =
        laengsterAbschnitt(QTextBoundaryFinder::Line, text) > kLaengsterUmbruchfreierLauf
            ? QTextOption::WrapAnywhere
            : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wordWrapMode() != art) {
        setWordWrapMode(art);
    }
}

void Textfeld::paintEvent(QPaintEvent* ereignis) {
    QPlainTextEdit::paintEvent(ereignis);
    if (hasFocus()) {
        QPainter maler(viewport());
        fokusrahmen(maler, *viewport());
    }
}

void Textfeld::focusInEvent(QFocusEvent* ereignis) {
    QPlainTextEdit::focusInEvent(ereignis);
    viewport()->update();
}

void Textfeld::focusOutEvent(QFocusEvent* ereignis) {
    QPlainTextEdit::focusOutEvent(ereignis);
    viewport()->update();
}

Textfeld* textfeld(QWidget* eltern, const char* name) {
    auto* feld = new Textfeld(eltern);
    feld->setTabChangesFocus(true);
    feld->setObjectName(name);
    feld->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    feld->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    feld->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont schrift(QStringLiteral("Times New Roman"));
    schrift.setPointSizeF(10.8);
    schrift.setWeight(QFont::Normal);
    schrift.setItalic(false);
    schrift.setUnderline(false);
    schrift.setStrikeOut(false);
    feld->setFont(schrift);
    return feld;
}

} // namespace app
