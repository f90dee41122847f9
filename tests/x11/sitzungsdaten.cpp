// What the X server tests take from the session rather than from a copy:
//   sitzungsdaten menue        the menu table, one entry a line:
//                              name<TAB>kind<TAB>caption<TAB>enabled at start (1/0)
//   sitzungsdaten layout TPP   the window's places in pixels at TPP twips per
//                              pixel: Picture1.x Picture2.x List1.x List1.w
//                              Picture.w Picture.h Text2.y Text2.h Width Height
#include "sitzung/Fensterlayout.h"
#include "sitzung/Menue.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char** argv) {
    using namespace sitzung;
    const std::string_view was = argc > 1 ? argv[1] : "";
    if (was == "menue") {
        constexpr const char* kArten[] = {"Menue", "Eintrag", "Trenner", "Leiste"};
        for (const Menueeintrag& e : kMenue) {
            std::printf("%.*s\t%s\t%.*s\t%d\n", int(e.name.size()), e.name.data(),
                        kArten[int(e.art)], int(e.titel.size()), e.titel.data(), e.anfangsAktiv);
        }
        return 0;
    }
    if (was == "layout" && argc == 3) {
        const float t = std::strtof(argv[2], nullptr);
        const Fensterlayout f = fensterlayout(t, t, 290, 224);
        for (float w : {f.Picture1.Left, f.Picture2.Left, f.List1.Left, f.List1.Width,
                        f.Picture1.Width, f.Picture1.Height, f.Text2.Top, f.Text2.Height, f.Width,
                        f.Height}) {
            std::printf("%d ", pixel(w, t));
        }
        std::printf("\n");
        return 0;
    }
    std::fprintf(stderr, "usage: sitzungsdaten menue | layout TWIPS_PER_PIXEL\n");
    return 2;
}
