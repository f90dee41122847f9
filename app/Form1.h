#pragma once
// The one window of the program. It owns all state of a run, and each menu
// command is a short handler that reads the controls, calls one core
// function, writes the result back and sets menu states last.
#include "app/Bildanzeige.h"
#include "key/Positionstabelle.h"
#include "key/Schluessel.h"
#include "key/Zufallsgenerator.h"
#include "picture/Abmessungen.h"
#include "picture/Bildflaeche.h"
#include "text/Systemtext.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;

namespace bitplane {
enum class Regel;
enum class Markierung;
} // namespace bitplane

namespace app {

class Positionsliste;

inline constexpr const char* kProgrammtitel = "punktgarten";
inline constexpr const char* kStandardtext =
    "Hier kommt etwas zu stehen, was unglaublich schwer zu entschlüsseln ist, weil man "
    "eigentlich gar nichts davon mitkriegt, dass überhaupt an das Bild Hand angelegt wurde.";

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);

    // The text of Text2 as the system sees it: Windows-1252 codes, each line
    // break as 13 10. Every command that reads Text2 goes through here.
    text::Codes systemtext() const;

    const picture::Bildflaeche& originalbild() const { return original_; }
    const picture::Bildflaeche& arbeitsbild() const { return kopie_; }
    const picture::Abmessungen& abmessungen() const { return abmessungen_; }
    const key::Schluesselwert& schluesselwert() const { return schluesselwert_; }
    const key::Positionstabelle& positionstabelle() const { return tabelle_; }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void createControls();
    void createActions();
    void ladeSchritt();
    void aktivierungsSchritt();
    void fensterGroesseSetzen();

    // Commands, one per menu item.
    void textEinfuegen();
    void schluesselFestlegen();
    void positionenErmitteln();
    void textVerschluesseln();
    void bildEntschluesseln();
    void letztesBitAnzeigen();
    void letztesBitSetzen(bitplane::Regel regel);
    void markieren(bitplane::Markierung art);
    void originalbildLaden();
    void infoZumBild();

    void arbeitsbildGeaendert();
    void abweisen(const QString& meldung);
    bool zuLang(std::int64_t zeichen);
    void fehlendePositionen(std::int64_t zeichen);
    static void haken(QAction* eintrag);

    picture::Bildflaeche original_;
    picture::Bildflaeche kopie_;
    picture::Abmessungen abmessungen_;
    key::Schluesselwert schluesselwert_;
    key::Positionstabelle tabelle_;
    key::Zufallsgenerator zufallsgenerator_;
    bool aktiviert_ = false;
    bool gerahmt_ = false;
    int aussenBreite_ = 0;
    int aussenHoehe_ = 0;

    Bildanzeige* Picture1 = nullptr;
    Bildanzeige* Picture2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    Positionsliste* List1 = nullptr;
    QPlainTextEdit* Text2 = nullptr;
    QPlainTextEdit* Text3 = nullptr;

    QAction* M_text_einfuegen = nullptr;
    QAction* M_den_Schluessel_festlegen = nullptr;
    QAction* M_Positionen_ermitteln = nullptr;
    QAction* M_Text_verschluesseln = nullptr;
    QMenu* M_entschluesseln = nullptr;
    QAction* M_Positionen_anzeigen = nullptr;
    QAction* M_Bits_anzeigen = nullptr;
};

} // namespace app
