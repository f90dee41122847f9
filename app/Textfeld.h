#pragma once
// The window's two text boxes, Text2 and Text3. Every Tab moves the focus
// (Shift backwards) and none is typed; a pasted tab still counts like any
// other character. A box frames itself in the highlight colour while it has
// the focus.
//
// Whatever arrives (typed, pasted, dropped, middle-clicked), a box asks the
// session's limits (sitzung::einwand) before it takes it; a refused text goes
// to the box's Abweisung with the German message, and the box stays exactly
// as it was. A paste of nothing changes nothing.
#include "sitzung/Einwaende.h"

#include <QPlainTextEdit>
#include <QString>
#include <QStringView>

#include <functional>

namespace app {

using Abweisung = std::function<void(const QString& meldung)>;

class Textfeld final : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit Textfeld(QWidget* parent);
    // Who shows a refusal: the window's Steuerung. Without one the box shows
    // a warning box itself.
    void abweisungSetzen(sitzung::Ort ort, Abweisung abweisung);
    // Whether the check after a change is still to run (it runs once the
    // event loop is back).
    bool pruefungAussteht() const { return pruefend_; }

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
    void abweisen(const QString& meldung);
    QString einwand(QStringView text) const;

    QString stand_; // the text as last accepted
    bool pruefend_ = false;
    sitzung::Ort ort_ = sitzung::Ort::Text2;
    Abweisung abweisung_;
};

// Text2 and Text3 as the window definition has them: several lines with word
// wrap, a vertical scroll bar, "Times New Roman" 10.8 point.
Textfeld* textfeld(QWidget* eltern, const char* name);

} // namespace app
