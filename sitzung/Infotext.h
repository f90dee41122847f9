#pragma once
// The picture information message and the number format it uses.
#include "picture/Abmessungen.h"

#include <string>
#include <string_view>

namespace sitzung {

// The general format of a single-precision value: a whole number as plain
// digits without group separators, otherwise at most 7 significant digits
// without trailing zeros, with the given decimal separator.
std::string zahlText(float wert, std::string_view dezimaltrenner);

// "Das Bild hat 290 * 224 = 64960 Bildpunkte Damit könnte man ..." (UTF-8).
std::string infoZumBild(const picture::Abmessungen& abmessungen, std::string_view dezimaltrenner);

} // namespace sitzung
