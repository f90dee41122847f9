#pragma once
// Helpers for driving Form1 as a user would: actions by object name, modal
// dialogs answered from a timer, pixels read from the widget's own paint.
#include "app/Form1.h"

#include <QAction>
#include <QImage>
#include <QString>
#include <QTimer>

#include <functional>

namespace hilfe {

QAction* aktion(app::Form1& f, const char* name);
template <typename T> T* control(app::Form1& f, const char* name) {
    return f.findChild<T*>(QString::fromLatin1(name));
}

// Runs `antwort` on the next modal dialog once it is shown. The returned
// timer deletes itself after answering.
QTimer* wennModal(std::function<void(QWidget*)> antwort);

// Chooses the item and answers a modal dialog, if one opens, by accepting it.
// Returns the dialog's text, or an empty string when none opened.
QString waehleUndBestaetige(app::Form1& f, const char* name);

// The key input box: answers with `schluessel`, or cancels when it is null.
void schluesselEingeben(app::Form1& f, const QString* schluessel);

// What Picture2 shows on screen, as Farbwert, for every pixel.
std::vector<std::int32_t> angezeigt(app::Form1& f, const char* bild);
std::vector<std::int32_t> alsFarbwerte(const picture::Bildflaeche& b);

} // namespace hilfe
