#pragma once
// The key box's limit: an edit that the session's limits refuse
// (sitzung::einwand) is undone, and its message goes to the Abweisung once
// the line edit has undone it. Typing, pasting and dropping all pass through it.
#include <QValidator>

#include <functional>
#include <string>

namespace app {

class Schluesselpruefung final : public QValidator {
    Q_OBJECT
  public:
    using Abweisung = std::function<void(const std::string& meldung)>;
    Schluesselpruefung(QObject* feld, Abweisung abweisung)
        : QValidator(feld), abweisung_(std::move(abweisung)) {}
    State validate(QString& eingabe, int& stelle) const override;

  private:
    Abweisung abweisung_;
};

} // namespace app
