#pragma once
// Makes the keyboard focus on a dialog's buttons plain to see: the button
// that has the focus gets a frame in the highlight colour inside its edge,
// which the default button's own look does not have.
class QWidget;

namespace app {

void knopffokusZeigen(QWidget* dialog);

} // namespace app
