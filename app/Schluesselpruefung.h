#pragma once
// The key box's length limit: an edit that would make the key longer than
// the session's limit is refused with a German message box, and the key stays
// as it was. Typing, pasting and dropping all pass through it.
#include <QValidator>

namespace app {

class Schluesselpruefung final : public QValidator {
    Q_OBJECT
  public:
    using QValidator::QValidator;
    State validate(QString& eingabe, int& stelle) const override;
};

} // namespace app
