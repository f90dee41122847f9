#include "key/Zufallsgenerator.h"

#include <algorithm>
#include <cmath>

namespace key {

int ganzzahlig(double u, int anzahl) {
    const double wert = std::floor(u * static_cast<double>(anzahl));
    return std::clamp(static_cast<int>(wert), 0, anzahl - 1);
}

} // namespace key
