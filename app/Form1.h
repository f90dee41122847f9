#pragma once
// The one window of the program: a view of one Sitzung, and the Qt front end
// of its Steuerung. Every menu item, Tab, box and refused edit goes to the
// Steuerung; the window does what the Oberflaeche calls ask for.
#include "app/Bildanzeige.h"
#include "sitzung/Oberflaeche.h"
#include "sitzung/Sitzung.h"
#include "sitzung/Steuerung.h"
#include "text/Systemtext.h"

#include <QMainWindow>

#include <array>
#include <string>

class QAction;
class QLabel;
class QPlainTextEdit;

namespace app {

class Menueleiste;
class Positionsliste;

class Form1 : public QMainWindow, private sitzung::Oberflaeche {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);

    // The text of Text2 as the system sees it: Windows-1252 codes, each line
    // break as 13 10. Every command that reads Text2 goes through here.
    text::Codes systemtext() const;

    const sitzung::Sitzung& sitzung() const { return sitzung_; }
    const picture::Bildflaeche& originalbild() const { return sitzung_.originalbild(); }
    const picture::Bildflaeche& arbeitsbild() const { return sitzung_.arbeitsbild(); }
    const picture::Abmessungen& abmessungen() const { return sitzung_.abmessungen(); }
    const key::Schluesselwert& schluesselwert() const { return sitzung_.schluesselwert(); }
    const key::Positionstabelle& positionstabelle() const { return sitzung_.positionstabelle(); }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void createControls();
    void createActions();
    void ladeSchritt();
    void aktivierungsSchritt();
    void fensterGroesseSetzen();

    std::u16string text2Einheiten() const; // Text2 as the UTF-16 units the session takes
    std::u16string schluesselErfragen();
    QWidget* steuerelement(sitzung::Ort ort) const;

    // sitzung::Oberflaeche
    void boxZeigen(const sitzung::Boxinhalt& box) override;
    void fokusSetzen(sitzung::Ort ort) override;
    void ansagen(const std::string& satz) override;
    void menueZeigen(const sitzung::Menuezustaende& zustaende,
                     const sitzung::Menuestand& stand) override;
    void bildMalen() override;
    void zeilenAnhaengen(std::int64_t zeilen) override;
    void textSetzen(sitzung::Textziel ziel, const std::string& text) override;
    std::u16string text2() override { return text2Einheiten(); }

    sitzung::Sitzung sitzung_;
    sitzung::Steuerung steuerung_{sitzung_, *this, true};
    bool gestartet_ = false;
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
    Menueleiste* leiste_ = nullptr;

    // One action per entry of the menu table, in its order; a menu's is its
    // menuAction().
    std::array<QAction*, sitzung::kMenueGroesse> aktionen_{};
};

} // namespace app
