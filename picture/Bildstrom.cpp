#include "picture/Bildstrom.h"

#include <optional>

namespace picture {
namespace {

// Every read goes through here and checks what is left.
class Leser {
  public:
    explicit Leser(std::span<const std::uint8_t> daten) : daten_(daten) {}

    std::optional<std::uint32_t> u32(std::size_t pos) const {
        if (pos > daten_.size() || daten_.size() - pos < 4) {
            return std::nullopt;
        }
        return static_cast<std::uint32_t>(daten_[pos]) |
               static_cast<std::uint32_t>(daten_[pos + 1]) << 8 |
               static_cast<std::uint32_t>(daten_[pos + 2]) << 16 |
               static_cast<std::uint32_t>(daten_[pos + 3]) << 24;
    }
    std::optional<std::uint16_t> u16(std::size_t pos) const {
        if (pos > daten_.size() || daten_.size() - pos < 2) {
            return std::nullopt;
        }
        return static_cast<std::uint16_t>(daten_[pos] | daten_[pos + 1] << 8);
    }
    std::optional<std::int32_t> i32(std::size_t pos) const {
        auto v = u32(pos);
        if (!v) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(*v);
    }

  private:
    std::span<const std::uint8_t> daten_;
};

constexpr std::size_t kStromKopf = 8;
constexpr std::size_t kBitmapKoepfe = 14 + 40;

DecodeResult fehler(DecodeError e) {
    return DecodeResult{e, {}};
}

} // namespace

const char* describe(DecodeError fehler) {
    switch (fehler) {
    case DecodeError::None:
        return "kein Fehler";
    case DecodeError::StreamTooShort:
        return "Bildstrom: kürzer als sein 8-Byte-Kopf";
    case DecodeError::BadMagic:
        return "Bildstrom: Kennung ist nicht 6C 74 00 00";
    case DecodeError::StreamLength:
        return "Bildstrom: Längenfeld passt nicht zu den vorhandenen Bytes";
    case DecodeError::FileTooShort:
        return "Bitmap: kürzer als die 54 Bytes der Köpfe";
    case DecodeError::BadSignature:
        return "Bitmap: Signatur ist nicht \"BM\"";
    case DecodeError::FileSize:
        return "Bitmap: Dateigröße passt nicht zu den vorhandenen Bytes";
    case DecodeError::DataOffset:
        return "Bitmap: Versatz der Bilddaten liegt außerhalb der Datei";
    case DecodeError::InfoHeaderSize:
        return "Bitmap: Infokopf ist nicht 40 Bytes groß";
    case DecodeError::Width:
        return "Bitmap: Breite ist nicht 1 bis 16384";
    case DecodeError::Height:
        return "Bitmap: Höhe ist nicht 1 bis 16384";
    case DecodeError::Planes:
        return "Bitmap: Farbebenen sind nicht 1";
    case DecodeError::BitsPerPixel:
        return "Bitmap: nicht 24 Bit je Bildpunkt";
    case DecodeError::Compression:
        return "Bitmap: komprimiert";
    case DecodeError::ImageSize:
        return "Bitmap: Größe der Bilddaten ist nicht Zeilenlänge mal Höhe";
    case DecodeError::PixelDataTruncated:
        return "Bitmap: Bilddaten reichen über das Dateiende";
    }
    return "unbekannter Fehler";
}

DecodeResult decode(std::span<const std::uint8_t> strom) {
    if (strom.size() < kStromKopf) {
        return fehler(DecodeError::StreamTooShort);
    }
    if (strom[0] != 0x6C || strom[1] != 0x74 || strom[2] != 0 || strom[3] != 0) {
        return fehler(DecodeError::BadMagic);
    }
    const Leser kopf(strom);
    const std::size_t vorhanden = strom.size() - kStromKopf;
    if (*kopf.u32(4) != vorhanden) {
        return fehler(DecodeError::StreamLength);
    }

    const auto datei = strom.subspan(kStromKopf);
    if (datei.size() < kBitmapKoepfe) {
        return fehler(DecodeError::FileTooShort);
    }
    const Leser bmp(datei);
    if (datei[0] != 'B' || datei[1] != 'M') {
        return fehler(DecodeError::BadSignature);
    }
    if (*bmp.u32(2) != datei.size()) {
        return fehler(DecodeError::FileSize);
    }
    const std::uint32_t versatz = *bmp.u32(10);
    if (versatz < kBitmapKoepfe || versatz > datei.size()) {
        return fehler(DecodeError::DataOffset);
    }
    if (*bmp.u32(14) != 40) {
        return fehler(DecodeError::InfoHeaderSize);
    }
    const std::int32_t breite = *bmp.i32(18);
    if (breite < 1 || breite > kMaxSeite) {
        return fehler(DecodeError::Width);
    }
    const std::int32_t hoehe = *bmp.i32(22);
    if (hoehe < 1 || hoehe > kMaxSeite) {
        return fehler(DecodeError::Height);
    }
    if (*bmp.u16(26) != 1) {
        return fehler(DecodeError::Planes);
    }
    if (*bmp.u16(28) != 24) {
        return fehler(DecodeError::BitsPerPixel);
    }
    if (*bmp.u32(30) != 0) {
        return fehler(DecodeError::Compression);
    }
    // Both sides are bounded by 16384, so 64-bit arithmetic cannot overflow.
    const std::uint64_t zeile = (static_cast<std::uint64_t>(breite) * 3 + 3) / 4 * 4;
    const std::uint64_t groesse = zeile * static_cast<std::uint64_t>(hoehe);
    if (*bmp.u32(34) != groesse) {
        return fehler(DecodeError::ImageSize);
    }
    if (groesse > datei.size() - versatz) {
        return fehler(DecodeError::PixelDataTruncated);
    }

    Bildflaeche bild(breite, hoehe);
    const std::uint8_t* daten = datei.data() + versatz;
    for (int r = 0; r < hoehe; ++r) {
        const std::uint8_t* p = daten + static_cast<std::size_t>(r) * zeile;
        const int y = hoehe - 1 - r; // rows are stored bottom-up
        for (int x = 0; x < breite; ++x, p += 3) {
            bild.setzen(x, y, farbwert(p[2], p[1], p[0]));
        }
    }
    return DecodeResult{DecodeError::None, std::move(bild)};
}

} // namespace picture
