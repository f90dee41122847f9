#pragma once
// Decoder for the picture stream: the 8-byte header (magic 6C 74 00 00, then
// the length of what follows) and an uncompressed 24-bit bottom-up Windows
// bitmap file. Works on bytes in memory, checks every field before the first
// pixel, and never reads past the bytes it was given.
#include "picture/Bildflaeche.h"

#include <cstdint>
#include <span>

namespace picture {

enum class DecodeError {
    None,
    StreamTooShort,     // fewer than 8 bytes for the stream header
    BadMagic,           // stream header does not start with 6C 74 00 00
    StreamLength,       // stream length field differs from the bytes present
    FileTooShort,       // fewer than 54 bytes for the bitmap headers
    BadSignature,       // bitmap file does not start with "BM"
    FileSize,           // bitmap file size field differs from the bytes present
    DataOffset,         // pixel data offset outside 54 .. file size
    InfoHeaderSize,     // info header size is not 40
    Width,              // width not in 1 .. kMaxSeite
    Height,             // height not in 1 .. kMaxSeite (top-down bitmaps refused)
    Planes,             // colour planes is not 1
    BitsPerPixel,       // bits per pixel is not 24
    Compression,        // compression is not 0
    ImageSize,          // pixel data size differs from padded row length * height
    PixelDataTruncated, // pixel data runs past the end of the file
};

// The field and the reason, in German, for each error.
const char* describe(DecodeError fehler);

struct DecodeResult {
    DecodeError error = DecodeError::None;
    Bildflaeche bild; // empty unless error == None
};

DecodeResult decode(std::span<const std::uint8_t> strom);

} // namespace picture
