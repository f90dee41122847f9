#include "sitzung/Einwaende.h"

namespace sitzung {
namespace {

// A whole number with a point between each group of three digits.
std::string zahl(std::int64_t n) {
    const std::string ziffern = std::to_string(n < 0 ? -n : n);
    std::string text;
    for (std::size_t i = 0; i < ziffern.size(); ++i) {
        if (i > 0 && (ziffern.size() - i) % 3 == 0) {
            text += '.';
        }
        text += ziffern[i];
    }
    return n < 0 ? "-" + text : text;
}

} // namespace

std::string textZuLang(std::int64_t laenge) {
    return "Der Text wäre " + zahl(laenge) + " Zeichen lang. Ein Textfeld nimmt höchstens " +
           zahl(kHoechstZeichen) +
           " Zeichen auf; das Bild kann ohnehin nur einen kurzen Text verstecken. Der Text "
           "bleibt, wie er war.";
}

std::string zeichenZuLang(std::int64_t teile) {
    return "Der Text enthält ein Zeichen aus " + zahl(teile) +
           " Teilen, einen Buchstaben mit übereinander gestapelten Akzenten. Ein Textfeld nimmt "
           "höchstens " +
           zahl(kHoechstKombinierend) + " Teile je Zeichen auf. Der Text bleibt, wie er war.";
}

std::string schluesselZuLang(std::int64_t laenge) {
    return "Der Schlüssel wäre " + zahl(laenge) + " Zeichen lang. Das Eingabefeld nimmt "
           "höchstens " +
           zahl(kHoechstZeichen) + " Zeichen auf. Der Schlüssel bleibt, wie er war.";
}

} // namespace sitzung
