#include "sitzung/Infotext.h"

#include "hiding/Bitlayout.h"

#include <cstdio>

namespace sitzung {

std::string zahlText(float wert, std::string_view dezimaltrenner) {
    char puffer[48];
    std::snprintf(puffer, sizeof puffer, "%.7G", static_cast<double>(wert));
    std::string text;
    for (const char* p = puffer; *p != '\0'; ++p) {
        if (*p == '.') {
            text += dezimaltrenner;
        } else {
            text += *p;
        }
    }
    return text;
}

std::string infoZumBild(const picture::Abmessungen& a, std::string_view trenner) {
    return "Das Bild hat " + zahlText(a.Bildbreite, trenner) + " * " +
           zahlText(a.Bildhoehe, trenner) + " = " + zahlText(a.Bildpunktzahl, trenner) +
           " Bildpunkte" + " Damit könnte man theortsch eine Nachricht mit " +
           zahlText(a.Bildpunktzahl / static_cast<float>(hiding::kBitsJeZeichen), trenner) + " Buchstaben verschlüsseln";
}

} // namespace sitzung
