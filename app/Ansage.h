#pragma once
// Tells a user who cannot see that a command ran. Qt 6.4 has no announcement
// of its own (it came with 6.8); the text becomes the name of an invisible
// notification of the window, which screen readers speak when it appears.
#include <QString>

class QWidget;

namespace app {

inline constexpr const char* kAnsageName = "Ansage";

void ansagen(QWidget* fenster, const QString& text);

} // namespace app
