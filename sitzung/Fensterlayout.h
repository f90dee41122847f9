#pragma once
// The start-up layout of the window in twips, as a function of the screen's
// twips per pixel and the picture's size in pixels. Every sum is formed in
// single precision from the values placed before it.
namespace sitzung {

struct Rechteck {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

struct Fensterlayout {
    Rechteck Picture1, Picture2, Label1, Label2, List1, Text2, Text3;
    float Width = 0; // outer size of the window, frame and menu bar included
    float Height = 0;
};

Fensterlayout fensterlayout(float tx, float ty, int bildBreite, int bildHoehe);

// Twips to whole screen pixels, rounded to the nearest.
int pixel(float twips, float twipsJePixel);

// The window on a screen with `ratio` device pixels to a pixel of a 96 dpi
// screen, as on a screen of 96 × ratio dpi: each picture pixel is k × k device
// pixels, k = max(1, floor(ratio)), the layout is in twips at 15 k / ratio
// twips to a block of k × k device pixels, and every place and size is a
// whole number of such blocks, given here in device pixels.
struct Pixelrechteck {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
struct Geraetelayout {
    int k = 1;
    Pixelrechteck Picture1, Picture2, Label1, Label2, List1, Text2, Text3;
    int Width = 0;
    int Height = 0;
};
// A ratio that is not a finite number of at least 1/16 counts as 1.
Geraetelayout geraetelayout(double ratio, int bildBreite, int bildHoehe);

} // namespace sitzung
