// The page's view of the session: embind bindings that hand the session's
// tables, texts and answers to the page's script as plain JavaScript values.
// Texts cross as UTF-8 (embind's std::string); the text to hide and the key
// become codes here, exactly as the desktop window turns its text boxes into
// codes.
#include "sitzung/Fensterlayout.h"
#include "sitzung/Menue.h"
#include "sitzung/Sitzung.h"
#include "sitzung/Texte.h"
#include "text/Systemtext.h"
#include "text/Utf8.h"

#include <emscripten/bind.h>
#include <malloc.h>
#include <emscripten/val.h>

#include <cstddef>
#include <string>

namespace {

using emscripten::val;

// The page is laid out at 15 twips per CSS pixel, the value of a 96 dpi screen.
constexpr float kTwipsJePixel = 15;

text::Codes codesAus(const std::string& utf8) {
    return text::codes(text::ausUtf8(utf8));
}

const char* artName(sitzung::Art art) {
    switch (art) {
    case sitzung::Art::Menue:
        return "Menue";
    case sitzung::Art::Eintrag:
        return "Eintrag";
    case sitzung::Art::Trenner:
        return "Trenner";
    case sitzung::Art::Leiste:
        return "Leiste";
    }
    return "";
}

void setzen(val& ziel, const char* name, const std::optional<std::string>& wert) {
    if (wert) {
        ziel.set(name, *wert);
    }
}

val alsObjekt(const sitzung::Antwort& a) {
    val o = val::object();
    o.set("meldung", a.meldung);
    o.set("warnung", a.warnung);
    o.set("bildGeaendert", a.bildGeaendert);
    o.set("neueZeilen", static_cast<double>(a.neueZeilen));
    setzen(o, "titel", a.titel);
    setzen(o, "tooltip", a.tooltip);
    setzen(o, "text2", a.text2);
    setzen(o, "text3", a.text3);
    o.set("ansage", a.ansage);
    return o;
}

val rechteck(const sitzung::Rechteck& r) {
    val o = val::object();
    o.set("left", sitzung::pixel(r.Left, kTwipsJePixel));
    o.set("top", sitzung::pixel(r.Top, kTwipsJePixel));
    o.set("width", sitzung::pixel(r.Width, kTwipsJePixel));
    o.set("height", sitzung::pixel(r.Height, kTwipsJePixel));
    return o;
}

// The start-up layout in CSS pixels for a picture of this size.
val layout(int breite, int hoehe) {
    const sitzung::Fensterlayout f =
        sitzung::fensterlayout(kTwipsJePixel, kTwipsJePixel, breite, hoehe);
    val o = val::object();
    o.set("Picture1", rechteck(f.Picture1));
    o.set("Picture2", rechteck(f.Picture2));
    o.set("Label1", rechteck(f.Label1));
    o.set("Label2", rechteck(f.Label2));
    o.set("List1", rechteck(f.List1));
    o.set("Text2", rechteck(f.Text2));
    o.set("Text3", rechteck(f.Text3));
    o.set("Width", sitzung::pixel(f.Width, kTwipsJePixel));
    o.set("Height", sitzung::pixel(f.Height, kTwipsJePixel));
    return o;
}

// The menu tree in the order of kMenue; an entry's index is its number in
// every other call.
val menue() {
    val liste = val::array();
    for (const sitzung::Menueeintrag& e : sitzung::kMenue) {
        val o = val::object();
        o.set("art", std::string(artName(e.art)));
        o.set("name", std::string(e.name));
        o.set("titel", std::string(e.titel));
        o.set("abhakbar", sitzung::abhakbar(e.befehl));
        liste.call<void>("push", o);
    }
    return liste;
}

val texte() {
    val o = val::object();
    o.set("programmtitel", std::string(sitzung::kProgrammtitel));
    o.set("schluesselFrage", std::string(sitzung::kSchluesselFrage));
    o.set("schluesselTitel", std::string(sitzung::kSchluesselTitel));
    o.set("schluesselVorgabe", std::string(sitzung::kSchluesselVorgabe));
    o.set("ok", std::string(sitzung::kOk));
    o.set("abbrechen", std::string(sitzung::kAbbrechen));
    o.set("label1", std::string(sitzung::kLabel1));
    o.set("label2", std::string(sitzung::kLabel2));
    o.set("tooltipOriginal", std::string(sitzung::kTooltipOriginal));
    o.set("nameOriginal", std::string(sitzung::kNameOriginal));
    o.set("nameKopie", std::string(sitzung::kNameKopie));
    o.set("nameListe", std::string(sitzung::kNameListe));
    return o;
}

bool gueltig(int index) {
    return index >= 0 && static_cast<std::size_t>(index) < sitzung::kMenue.size();
}

// One run of the program, as the page holds it.
class Tarnbild {
  public:
    explicit Tarnbild(const std::string& dezimaltrenner)
        : sitzung_(sitzung::eingebautesOriginalbild(), dezimaltrenner) {}

    val aktivieren() { return alsObjekt(sitzung_.aktivieren()); }

    bool waehlbar(int index) const {
        return gueltig(index) && sitzung_.waehlbar(static_cast<std::size_t>(index));
    }
    bool oeffenbar(int index) const {
        return gueltig(index) && sitzung_.oeffenbar(static_cast<std::size_t>(index));
    }

    bool fragtSchluessel(int index) const {
        return gueltig(index) &&
               sitzung::fragtSchluessel(sitzung::kMenue[static_cast<std::size_t>(index)].befehl);
    }
    bool liestText(int index) const {
        return gueltig(index) &&
               sitzung::liestText(sitzung::kMenue[static_cast<std::size_t>(index)].befehl);
    }

    // Runs the entry's command if it can be chosen; an entry that cannot
    // answers nothing. text2 and schluessel are the page's texts.
    val ausfuehren(int index, const std::string& text2, const std::string& schluessel) {
        if (!waehlbar(index)) {
            return alsObjekt({});
        }
        const sitzung::Befehl befehl = sitzung::kMenue[static_cast<std::size_t>(index)].befehl;
        const text::Codes t = sitzung::liestText(befehl) ? codesAus(text2) : text::Codes{};
        const text::Codes s =
            sitzung::fragtSchluessel(befehl) ? codesAus(schluessel) : text::Codes{};
        return alsObjekt(sitzung_.ausfuehren(befehl, t, s));
    }

    // The states of all entries, in the order of kMenue.
    val zustaende() const {
        val liste = val::array();
        for (const sitzung::Menuezustand& z : sitzung_.menue()) {
            val o = val::object();
            o.set("abgehakt", z.abgehakt);
            o.set("aktiv", z.aktiv);
            liste.call<void>("push", o);
        }
        return liste;
    }

    std::string titel() const { return sitzung_.titel(); }
    std::string tooltip() const { return sitzung_.tooltip(); }
    int breite() const { return sitzung_.originalbild().breite(); }
    int hoehe() const { return sitzung_.originalbild().hoehe(); }

    // The pixels of the Originalbild (0) or the working copy (1) as bytes R,
    // G, B, 255, row by row: a view into the module's memory, valid until the
    // next call into the module.
    val bild(int nummer) const {
        const picture::Bildflaeche& b =
            nummer == 0 ? sitzung_.originalbild() : sitzung_.arbeitsbild();
        const auto bytes =
            static_cast<std::size_t>(b.breite()) * static_cast<std::size_t>(b.hoehe()) * 4;
        return val(emscripten::typed_memory_view(bytes, b.rgbx()));
    }

    double zeilen() const { return static_cast<double>(sitzung_.liste().zeilen()); }
    std::string zeile(double i) const {
        if (!(i >= 0 && i < zeilen())) {
            return {};
        }
        return sitzung_.liste().zeile(static_cast<std::int64_t>(i));
    }

  private:
    sitzung::Sitzung sitzung_;
};

} // namespace

// The bytes the module's allocator holds now, for the benchmark's figure of
// what a listed line costs.
double belegt() {
    return static_cast<double>(mallinfo().uordblks);
}

EMSCRIPTEN_BINDINGS(tarnbild) {
    emscripten::function("belegt", &belegt);
    emscripten::function("layout", &layout);
    emscripten::function("menue", &menue);
    emscripten::function("texte", &texte);
    emscripten::class_<Tarnbild>("Tarnbild")
        .constructor<const std::string&>()
        .function("aktivieren", &Tarnbild::aktivieren)
        .function("waehlbar", &Tarnbild::waehlbar)
        .function("oeffenbar", &Tarnbild::oeffenbar)
        .function("fragtSchluessel", &Tarnbild::fragtSchluessel)
        .function("liestText", &Tarnbild::liestText)
        .function("ausfuehren", &Tarnbild::ausfuehren)
        .function("zustaende", &Tarnbild::zustaende)
        .function("titel", &Tarnbild::titel)
        .function("tooltip", &Tarnbild::tooltip)
        .function("breite", &Tarnbild::breite)
        .function("hoehe", &Tarnbild::hoehe)
        .function("bild", &Tarnbild::bild)
        .function("zeilen", &Tarnbild::zeilen)
        .function("zeile", &Tarnbild::zeile);
}
