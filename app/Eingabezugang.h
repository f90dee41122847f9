#pragma once
// What a screen reader sees of a single-line field (the key box's): its text,
// caret and selection, and one run of text attributes over the whole text.
// Qt 6.4's own interface reports an empty run at every offset, and Orca then
// reads the field without its last character ("Waldse" for "Waldsee").
#include <QAccessibleWidget>

class QLineEdit;

namespace app {

class Eingabezugang final : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
  public:
    explicit Eingabezugang(QLineEdit* feld);

    void* interface_cast(QAccessible::InterfaceType art) override;
    QString text(QAccessible::Text art) const override;
    void setText(QAccessible::Text art, const QString& text) override;
    QAccessible::State state() const override;

    void selection(int index, int* anfang, int* ende) const override;
    int selectionCount() const override;
    void addSelection(int anfang, int ende) override;
    void removeSelection(int index) override;
    void setSelection(int index, int anfang, int ende) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int anfang, int ende) const override;
    int characterCount() const override;
    QRect characterRect(int stelle) const override;
    int offsetAtPoint(const QPoint& punkt) const override;
    void scrollToSubstring(int anfang, int ende) override;
    QString attributes(int stelle, int* anfang, int* ende) const override;

    void deleteText(int anfang, int ende) override;
    void insertText(int stelle, const QString& text) override;
    void replaceText(int anfang, int ende, const QString& text) override;

  private:
    QLineEdit* feld() const;
    QString lesbar() const; // the text as far as it may be read out: none of a password
};

} // namespace app
