#pragma once
// The program's own German texts that every front end shows, in UTF-8.
#include <cstdint>
#include <string>

namespace sitzung {

inline constexpr const char* kProgrammtitel = "punktgarten"; // title of every message box
inline constexpr const char* kFenstertitel = "Tarnbild - Demo";
inline constexpr const char* kStandardtext =
    "Hier kommt etwas zu stehen, was unglaublich schwer zu entschlüsseln ist, weil man "
    "eigentlich gar nichts davon mitkriegt, dass überhaupt an das Bild Hand angelegt wurde.";

// The key input box.
inline constexpr const char* kSchluesselFrage =
    "Mit der Eingabe einer Zahl wird der Zufallsgenerator auf einen festen Startpunkt "
    "festgelegt. Beim Dekodieren benötigt man diesen Schlüssel wieder.";
inline constexpr const char* kSchluesselTitel = "Eingabe des privaten Schlüssels";
inline constexpr const char* kSchluesselVorgabe = "Waldsee";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kAbbrechen = "Abbrechen";

// Captions, tooltips and the names a screen reader announces.
inline constexpr const char* kLabel1 = "zu verschlüsselnder Text";
inline constexpr const char* kLabel2 = "entschlüsselter Text";
inline constexpr const char* kTooltipOriginal = "Originalbild";
inline constexpr const char* kTooltipKopie = "Kopie";
inline constexpr const char* kNameOriginal = "Originalbild";
inline constexpr const char* kNameKopie = "Kopie des Bildes, in der der Text versteckt wird";
inline constexpr const char* kNameListe = "Liste der Positionen, Spalte und Zeile";

// The list's name with its size, for a screen reader that does not count a
// list's lines itself: "Liste der Positionen, Spalte und Zeile, 1344 Zeilen".
inline std::string listenname(std::int64_t zeilen) {
    return std::string(kNameListe) + ", " + std::to_string(zeilen) +
           (zeilen == 1 ? " Zeile" : " Zeilen");
}

} // namespace sitzung
