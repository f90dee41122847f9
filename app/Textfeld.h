#pragma once
// The window's two text boxes, Text2 and Text3. Every Tab moves the focus
// (Shift backwards) and none is typed; a pasted tab still counts like any
// other character. A box frames itself in the highlight colour while it has
// the focus.
//
// Whatever arrives (typed, pasted, dropped, middle-clicked), a box refuses a
// text that would make it longer than kHoechstZeichen UTF-16 units or give one
// character more than kHoechstKombinierend code units (a letter with its
// combining marks): a German message box says why and the box stays exactly as
// it was. A paste of nothing changes nothing. Both limits keep every keystroke
// well within 100 ms; the text to hide fits 8,120 characters.
#include "sitzung/Einwaende.h"

#include <QPlainTextEdit>
#include <QString>
#include <QStringView>

namespace app {

inline constexpr qsizetype kHoechstZeichen = sitzung::kHoechstZeichen;
inline constexpr qsizetype kHoechstKombinierend = sitzung::kHoechstKombinierend;

// Why `text` may not stand in a text box, as the German message; empty when it may.
QString einwand(QStringView text);

class Textfeld final : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit Textfeld(QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* taste) override;
    void inputMethodEvent(QInputMethodEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    bool canInsertFromMimeData(const QMimeData* quelle) const override;
    void insertFromMimeData(const QMimeData* quelle) override;
    void paintEvent(QPaintEvent* ereignis) override;
    void focusInEvent(QFocusEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;

  private:
    // Inserts `text` in place of the selection, or refuses it with a message.
    void einfuegen(const QString& text);
    // The whole text with the selection replaced by `text`.
    QString mitErsetzt(const QString& text) const;
    bool erlaubt(const QString& ergebnis);
    void geaendert();
    void umbruchWaehlen(QStringView text);

    QString stand_; // the text as last accepted
    bool pruefend_ = false;
};

// Text2 and Text3 as the window definition has them: several lines with word
// wrap, a vertical scroll bar, "Times New Roman" 10.8 point.
Textfeld* textfeld(QWidget* eltern, const char* name);

} // namespace app
