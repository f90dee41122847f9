#pragma once
// A key press as the interaction model names it.
#include "sitzung/Bedienung.h"

class QKeyEvent;

namespace app {

sitzung::Taste taste(const QKeyEvent* ereignis);

} // namespace app
