#include "app/Eingabezugang.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace app {

Eingabezugang::Eingabezugang(QLineEdit* feld) : QAccessibleWidget(feld, QAccessible::EditableText) {}

QLineEdit* Eingabezugang::feld() const {
    return static_cast<QLineEdit*>(widget());
}

QString Eingabezugang::lesbar() const {
    return feld()->echoMode() == QLineEdit::Normal ? feld()->text() : QString();
}

void* Eingabezugang::interface_cast(QAccessible::InterfaceType art) {
    if (art == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (art == QAccessible::EditableTextInterface) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(art);
}

QString Eingabezugang::text(QAccessible::Text art) const {
    return art == QAccessible::Value ? lesbar() : QAccessibleWidget::text(art);
}

void Eingabezugang::setText(QAccessible::Text art, const QString& text) {
    if (art == QAccessible::Value && !feld()->isReadOnly()) {
        feld()->setText(text);
    } else {
        QAccessibleWidget::setText(art, text);
    }
}

QAccessible::State Eingabezugang::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = feld()->isReadOnly();
    s.editable = !s.readOnly;
    s.passwordEdit = feld()->echoMode() != QLineEdit::Normal;
    s.selectableText = true;
    return s;
}

void Eingabezugang::selection(int index, int* anfang, int* ende) const {
    *anfang = *ende = 0;
    if (index == 0 && feld()->hasSelectedText()) {
        *anfang = feld()->selectionStart();
        *ende = feld()->selectionEnd();
    }
}

int Eingabezugang::selectionCount() const {
    return feld()->hasSelectedText() ? 1 : 0;
}

void Eingabezugang::addSelection(int anfang, int ende) {
    setSelection(0, anfang, ende);
}

void Eingabezugang::removeSelection(int index) {
    if (index == 0) {
        feld()->deselect();
    }
}

void Eingabezugang::setSelection(int index, int anfang, int ende) {
    if (index == 0) {
        feld()->setSelection(anfang, ende - anfang);
    }
}

int Eingabezugang::cursorPosition() const {
    return feld()->cursorPosition();
}

void Eingabezugang::setCursorPosition(int position) {
    feld()->setCursorPosition(position);
}

QString Eingabezugang::text(int anfang, int ende) const {
    if (anfang < 0 || ende < anfang) {
        return {};
    }
    return lesbar().mid(anfang, ende - anfang);
}

int Eingabezugang::characterCount() const {
    return static_cast<int>(lesbar().size());
}

QRect Eingabezugang::characterRect(int stelle) const {
    const QString text = feld()->displayText();
    if (stelle < 0 || stelle >= text.size()) {
        return {};
    }
    // Measured from the text's left edge; a field scrolled sideways is off by its scroll.
    const QFontMetrics mass(feld()->font());
    const QRect innen = feld()->contentsRect().marginsRemoved(feld()->textMargins());
    const QRect r(innen.left() + mass.horizontalAdvance(text.left(stelle)),
                  innen.top() + (innen.height() - mass.height()) / 2,
                  mass.horizontalAdvance(text.at(stelle)), mass.height());
    return QRect(feld()->mapToGlobal(r.topLeft()), r.size());
}

int Eingabezugang::offsetAtPoint(const QPoint& punkt) const {
    return feld()->cursorPositionAt(feld()->mapFromGlobal(punkt));
}

void Eingabezugang::scrollToSubstring(int, int ende) {
    feld()->setCursorPosition(ende);
}

QString Eingabezugang::attributes(int stelle, int* anfang, int* ende) const {
    // One run from the first character to past the last, with no attributes of its own.
    const int n = characterCount();
    *anfang = 0;
    *ende = stelle >= 0 && stelle <= n ? n : 0;
    return {};
}

void Eingabezugang::deleteText(int anfang, int ende) {
    replaceText(anfang, ende, QString());
}

void Eingabezugang::insertText(int stelle, const QString& text) {
    replaceText(stelle, stelle, text);
}

void Eingabezugang::replaceText(int anfang, int ende, const QString& text) {
    if (!feld()->isReadOnly()) {
        feld()->setText(feld()->text().replace(anfang, ende - anfang, text));
    }
}

} // namespace app
