#pragma once
// UTF-16, the encoding in which both front ends hold the contents of their
// text boxes (a QString, a JavaScript string), and so hand them over.
#include <string>
#include <string_view>

namespace text {

// A surrogate pair becomes its character; an unpaired surrogate becomes one
// U+FFFD and the unit after it is read on its own.
std::u32string ausUtf16(std::u16string_view einheiten);

} // namespace text
