#include "sitzung/Fensterlayout.h"

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

} // namespace sitzung
