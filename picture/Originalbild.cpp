#include "picture/Originalbild.h"

// The stream file is committed as it is and assembled in verbatim, so the
// build needs no converter and the bytes cannot drift from the file.
asm(".section .rodata\n"
    ".balign 16\n"
    ".globl punktgarten_originalbild_anfang\n"
    ".globl punktgarten_originalbild_ende\n"
    "punktgarten_originalbild_anfang:\n"
    ".incbin \"" ORIGINALBILD_PFAD "\"\n"
    "punktgarten_originalbild_ende:\n"
    ".previous\n");

extern "C" const std::uint8_t punktgarten_originalbild_anfang[];
extern "C" const std::uint8_t punktgarten_originalbild_ende[];

namespace picture {

std::span<const std::uint8_t> originalbildStrom() {
    return {
        punktgarten_originalbild_anfang,
        static_cast<std::size_t>(punktgarten_originalbild_ende - punktgarten_originalbild_anfang)};
}

} // namespace picture
