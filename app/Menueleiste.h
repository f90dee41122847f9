#pragma once
// The window's menu bar, made whole for the keyboard: F10 opens the first
// menu, Left and Right go round all titles ("Ende" included, which has no
// menu) and wrap at both ends, Return on "Ende" chooses it and leaves the
// menus, and Escape leaves them at once. Leaving gives the keyboard back to
// the control that had it. While a title without a menu is highlighted the
// bar holds the keyboard, so no key press lands in a text box.
#include <QMenuBar>
#include <QPointer>

namespace app {

class Menueleiste final : public QMenuBar {
    Q_OBJECT
  public:
    explicit Menueleiste(QWidget* parent);

    // Opens the first menu from the keyboard.
    void tastaturOeffnen();

  protected:
    void keyPressEvent(QKeyEvent* taste) override;
    void focusOutEvent(QFocusEvent* ereignis) override;
    void actionEvent(QActionEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    void hervorheben(QAction* titel);
    void weiter(int schritt); // to the next choosable title, +1 right, -1 left
    void verlassen();
    void merken();

    QPointer<QWidget> vorher_; // had the keyboard before the menus
};

} // namespace app
