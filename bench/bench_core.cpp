// The hot paths of the core at full capacity: 64960 positions, 8120
// characters, every pixel of the 290 x 224 picture.
#include "bitplane/LetztesBit.h"
#include "bitplane/Markierung.h"
#include "hiding/Auslesen.h"
#include "hiding/Einbetten.h"
#include "key/Positionstabelle.h"
#include "picture/Bildstrom.h"
#include "picture/Originalbild.h"

#include "Spanne.h"

#include <benchmark/benchmark.h>


namespace {

using messung::spanne;

constexpr std::int64_t kVoll = 64960;

picture::Bildflaeche originalbild() {
    return picture::decode(picture::originalbildStrom()).bild;
}

key::Positionstabelle volleTabelle() {
    key::Zufallsgenerator z;
    return key::ermitteln(z, 709, kVoll, 290, 224).tabelle;
}

void BM_Decode(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(picture::decode(picture::originalbildStrom()));
    }
}
BENCHMARK(BM_Decode)->Unit(benchmark::kMillisecond)->Apply(spanne);

void BM_PositionenErmitteln(benchmark::State& state) {
    key::Zufallsgenerator z;
    for (auto _ : state) {
        benchmark::DoNotOptimize(key::ermitteln(z, 709, state.range(0), 290, 224));
    }
}
BENCHMARK(BM_PositionenErmitteln)
    ->Arg(1344)
    ->Arg(kVoll)
    ->Unit(benchmark::kMillisecond)
    ->Apply(spanne);

void BM_EinbettenUndAuslesen(benchmark::State& state) {
    const key::Positionstabelle t = volleTabelle();
    const text::Codes codes(8120, 'a');
    picture::Bildflaeche bild = originalbild();
    for (auto _ : state) {
        hiding::einbetten(bild, codes, t);
        benchmark::DoNotOptimize(hiding::auslesen(bild, t, 8120));
    }
}
BENCHMARK(BM_EinbettenUndAuslesen)->Unit(benchmark::kMillisecond)->Apply(spanne);

void BM_LetztesBitAnzeigen(benchmark::State& state) {
    const picture::Bildflaeche original = originalbild();
    picture::Bildflaeche bild = original;
    for (auto _ : state) {
        bild = original;
        bitplane::letztesBitAnzeigen(bild);
        benchmark::DoNotOptimize(bild.rgbx());
    }
}
BENCHMARK(BM_LetztesBitAnzeigen)->Unit(benchmark::kMillisecond)->Apply(spanne);

void BM_LetztesBitSetzen(benchmark::State& state) {
    const picture::Bildflaeche original = originalbild();
    const auto regel = static_cast<bitplane::Regel>(state.range(0));
    key::Zufallsgenerator z;
    picture::Bildflaeche bild;
    for (auto _ : state) {
        bild = bitplane::letztesBitSetzen(original, regel, z);
        benchmark::DoNotOptimize(bild.rgbx());
    }
}
BENCHMARK(BM_LetztesBitSetzen)
    ->Arg(static_cast<int>(bitplane::Regel::Null))
    ->Arg(static_cast<int>(bitplane::Regel::Eins))
    ->Arg(static_cast<int>(bitplane::Regel::Zufall))
    ->Unit(benchmark::kMillisecond)
    ->Apply(spanne);

void BM_Markieren(benchmark::State& state) {
    const key::Positionstabelle t = volleTabelle();
    const picture::Bildflaeche original = originalbild();
    const auto art = static_cast<bitplane::Markierung>(state.range(0));
    picture::Bildflaeche bild = original;
    for (auto _ : state) {
        bild = original;
        bitplane::markieren(bild, t, kVoll, art);
        benchmark::DoNotOptimize(bild.rgbx());
    }
}
BENCHMARK(BM_Markieren)
    ->Arg(static_cast<int>(bitplane::Markierung::Kreise))
    ->Arg(static_cast<int>(bitplane::Markierung::Punkte))
    ->Unit(benchmark::kMillisecond)
    ->Apply(spanne);

} // namespace
