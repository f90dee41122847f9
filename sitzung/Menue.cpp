#include "sitzung/Menue.h"

namespace sitzung {

std::optional<std::size_t> eintragNamens(std::string_view name) {
    for (std::size_t i = 0; i < kMenue.size(); ++i) {
        if (kMenue[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace sitzung
