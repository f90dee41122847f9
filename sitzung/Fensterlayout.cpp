#include "sitzung/Fensterlayout.h"

#include <algorithm>
#include <cmath>

namespace sitzung {
namespace {
// Fixed sizes of the window definition.
constexpr float kPicture1Left = 60;
constexpr float kPicture1Top = 0;
constexpr float kLabelHoehe = 192;
constexpr float kTextHoehe = 1272;
constexpr float kListeBreite = 1092;
constexpr float kAbstand = 3;     // pixels between neighbouring controls
constexpr float kRandRechts = 20; // pixels right of the list
constexpr float kRandUnten = 60;  // pixels below the text boxes
} // namespace

Fensterlayout fensterlayout(float tx, float ty, int bildBreite, int bildHoehe) {
    Fensterlayout f;
    f.Picture1 = {kPicture1Left, kPicture1Top, static_cast<float>(bildBreite) * tx,
                  static_cast<float>(bildHoehe) * ty};
    const Rechteck& p1 = f.Picture1;
    f.Picture2 = {p1.Left + p1.Width + kAbstand * tx, p1.Top, p1.Width, p1.Height};
    const Rechteck& p2 = f.Picture2;
    const float labelTop = p1.Top + p1.Height + kAbstand * ty;
    f.Label1 = {p1.Left, labelTop, p1.Width, kLabelHoehe};
    f.Label2 = {p2.Left, labelTop, p2.Width, kLabelHoehe};
    f.List1 = {p2.Left + p2.Width + kAbstand * tx, p1.Top, kListeBreite, p1.Height};
    f.Text2 = {p1.Left, f.Label1.Top + f.Label1.Height + kAbstand * ty, p1.Width, kTextHoehe};
    f.Text3 = {p2.Left, f.Label2.Top + f.Label2.Height + kAbstand * ty, p2.Width, kTextHoehe};
    f.Width = f.List1.Left + f.List1.Width + kRandRechts * tx;
    f.Height = f.Text2.Top + f.Text2.Height + kRandUnten * ty;
    return f;
}

int pixel(float twips, float twipsJePixel) {
    return static_cast<int>(std::lround(twips / twipsJePixel));
}

Geraetelayout geraetelayout(double ratio, int bildBreite, int bildHoehe) {
    if (!(std::isfinite(ratio) && ratio >= 1.0 / 16 && ratio <= 64)) {
        ratio = 1;
    }
    Geraetelayout g;
    g.k = std::max(1, static_cast<int>(std::floor(ratio + 1e-9)));
    const auto t = static_cast<float>(15.0 * g.k / ratio);
    const Fensterlayout f = fensterlayout(t, t, bildBreite, bildHoehe);
    const auto geraet = [&](const Rechteck& r) {
        return Pixelrechteck{pixel(r.Left, t) * g.k, pixel(r.Top, t) * g.k,
                             pixel(r.Width, t) * g.k, pixel(r.Height, t) * g.k};
    };
    g.Picture1 = geraet(f.Picture1);
    g.Picture2 = geraet(f.Picture2);
    g.Label1 = geraet(f.Label1);
    g.Label2 = geraet(f.Label2);
    g.List1 = geraet(f.List1);
    g.Text2 = geraet(f.Text2);
    g.Text3 = geraet(f.Text3);
    g.Width = pixel(f.Width, t) * g.k;
    g.Height = pixel(f.Height, t) * g.k;
    return g;
}

} // namespace sitzung
