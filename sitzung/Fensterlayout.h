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

} // namespace sitzung
