#pragma once
// The controller between a Sitzung and one front end (an Oberflaeche). It
// owns how the program is operated, the same in every front end: the command
// flow (the key box, then Text2 read, then the command; one command at a
// time, its boxes included), where the keyboard is and where it goes after
// every menu, box and Tab, the limits of what a box takes, which sentence is
// announced, and the pauses a screen reader needs. A front end hands it each
// event and shows what the Oberflaeche calls ask for.
#include "sitzung/Bedienung.h"
#include "sitzung/Oberflaeche.h"
#include "sitzung/Sitzung.h"

#include <string>
#include <string_view>
#include <vector>

namespace sitzung {

// Pauses for a screen reader, in milliseconds.
// A menu just opened from the keyboard shows its ready item this late, so
// that the menu's title is spoken whole before the item's focus cuts it off.
inline constexpr int kTitelPauseMs = 500;
// A box opens this late after the menus gave the keyboard back: a screen
// reader still busy with the closing menu would take the box's first focus as
// part of it and say nothing.
inline constexpr int kBoxPauseMs = 150;
// A live region is emptied this long before its next sentence, so that the
// same sentence twice is read twice.
inline constexpr int kAnsagePauseMs = 30;

class Steuerung {
  public:
    // titelGesprochen: the front end's caption is spoken when its window gets
    // the keyboard back from a box (a desktop window), so a sentence that
    // only repeats a new caption is not announced again.
    Steuerung(Sitzung& sitzung, Oberflaeche& oberflaeche, bool titelGesprochen);

    // The activation step, then the keyboard in Text2 and the menu states shown.
    void starten();

    // Chooses an entry: nothing while another command runs or when the
    // session cannot choose it now; otherwise asks for the key if the
    // command needs one, then reads Text2, runs the command and shows its
    // answer. False when nothing was started.
    bool waehlen(Eintrag e);
    bool laeuft() const { return laeuft_; }
    // The box shown last was closed; eingabe is the entered key (empty on Cancel).
    void boxGeschlossen(Box art, std::u16string_view eingabe = {});
    bool boxOffen() const { return !boxen_.empty(); }

    // The limits of the boxes are einwand() and laengenEinwand()
    // (sitzung/Einwaende.h). Shows the message as a warning box; the box keeps what it had, and the
    // keyboard goes back to it once the message is closed.
    void abweisen(Ort feld, const std::string& meldung);
    // True if the box may take `ergebnis` (einwand()); refuses it as
    // abweisen() otherwise.
    bool nimmt(Ort feld, std::u16string_view ergebnis);

    // Where the keyboard is, and the control of the ring that had it last.
    Ort fokus() const { return ort_; }
    Ort ringFokus() const { return letzte_; }
    // The keyboard arrived at a control by some way of the front end's own
    // (a click on it); for a ring control it becomes the one to return to.
    void fokusBekommen(Ort ort);
    // Tab (vor) or Shift+Tab from a control of the ring: the next one.
    void tab(bool vor);

    // The menus, as the interaction model moves them; the step is shown,
    // the menus are left and the chosen entry runs. A front end whose
    // toolkit moves its menus by the pointer itself passes where they are.
    Menueschritt menueTaste(Taste taste);
    Menueschritt menueTaste(Taste taste, const Menuestand& jetzt);
    Menueschritt titelKlick(Eintrag titel);
    Menueschritt titelZeigen(Eintrag titel);
    Menueschritt eintragKlick(Eintrag e);
    // A front end whose toolkit moves the highlight in an open menu with the
    // pointer itself passes where it is before each of the three above.
    void menueGezeigt(const Menuestand& jetzt);
    const Menuestand& menuestand() const { return stand_; }
    // The toolkit opened the menus itself (a click on a title).
    void menueBetreten();
    // The menus closed another way (a click outside, the toolkit's own
    // click on an item): the keyboard goes back and assistive technology
    // hears where.
    void menueVerlassen();

  private:
    Menueschritt anwenden(const Menueschritt& schritt);
    void ausfuehren(std::u16string_view schluessel);
    void zeigen(const Antwort& a);
    void boxOeffnen(Boxinhalt box, Ort zurueck, bool abweisung);
    void fertig();
    void fokusNach(Ort ort);

    struct OffeneBox {
        Box art;
        Ort zurueck;     // where the keyboard goes once it is closed
        bool abweisung;  // a refused edit of a box, no step of a command
    };

    Sitzung& sitzung_;
    Oberflaeche& ui_;
    bool titelGesprochen_;
    bool laeuft_ = false;
    Eintrag befehl_ = Eintrag::M_Ende;
    std::vector<OffeneBox> boxen_;
    Menuestand stand_;
    Ort ort_ = Ort::Text2;
    Ort letzte_ = Ort::Text2;
};

} // namespace sitzung
