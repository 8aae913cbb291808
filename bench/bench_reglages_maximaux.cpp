// One move or click at the heaviest settings the palette's arrows reach, on a 1920 x 1080
// and a 3840 x 2160 canvas: 100 petals, the spiral at 100 turns, 100 clones, "ombre 1" of
// width 100, pen width 100.
#include <benchmark/benchmark.h>

#include "drawing/trace_symetrique.h"

namespace {

using namespace orvane;

ReglagesTrace reglages_maximaux(int echelle) {
  ReglagesTrace r;
  r.nb_petales = 100;
  r.spirale = true;
  r.tours = 100;
  r.facteur_milliemes = 975;
  r.epaisseur = 100;
  r.nombre_clones = 100;
  r.ombre_1 = true;
  r.largeur_ombre = 100;
  r.largeur_ecran = 1920 * echelle;
  return r;
}

struct Scene {
  Canvas toile;
  EtatTrace etat;
  Point ancre;
  Point fin;
};

Scene scene(int echelle) {
  Scene s{Canvas(1920 * echelle, 1080 * echelle, 0), {}, {1250 * echelle, 700 * echelle}, {}};
  s.etat.centre_x = 960 * echelle;
  s.etat.centre_y = 540 * echelle;
  s.fin = {s.ancre.x + 12, s.ancre.y + 3};
  return s;
}

// A freehand ("crayon") move under "vitrail" at the default factor 975.
void crayon_vitrail(benchmark::State& state, int mode, int echelle, bool ombre = true,
                    bool aleatoire_ = false) {
  ReglagesTrace r = reglages_maximaux(echelle);
  r.symetrie = 1;
  r.type_trace = 0;
  r.ombre_1 = ombre;
  r.epaisseur_aleatoire = aleatoire_;
  Scene s = scene(echelle);
  Aleatoire aleatoire(1);
  for (auto _ : state) {
    trace_symetrique(s.toile, r, aleatoire, s.etat, s.ancre, s.fin, mode, 0x3080C0);
    benchmark::DoNotOptimize(s.toile.bitmap().data());
    benchmark::ClobberMemory();
  }
}

ReglagesTrace losanges(int echelle, int tours, bool ombre) {
  ReglagesTrace r = reglages_maximaux(echelle);
  r.symetrie = 0;
  r.type_trace = 4;
  r.facteur_milliemes = 1000;
  r.tours = tours;
  r.ombre_1 = ombre;
  return r;
}

// One move of the "losanges" rubber band: the old band erased and the new one drawn in XOR.
void bande(benchmark::State& state, int echelle, int tours, bool ombre) {
  const ReglagesTrace r = losanges(echelle, tours, ombre);
  Scene s = scene(echelle);
  Aleatoire aleatoire(1);
  Point fin = s.fin;
  trace_symetrique(s.toile, r, aleatoire, s.etat, s.ancre, fin, R2_XORPEN, 0x3080C0);
  for (auto _ : state) {
    trace_symetrique(s.toile, r, aleatoire, s.etat, s.ancre, fin, R2_XORPEN, 0x3080C0);
    fin = {fin.x == s.fin.x ? s.fin.x + 3 : s.fin.x, fin.y};
    trace_symetrique(s.toile, r, aleatoire, s.etat, s.ancre, fin, R2_XORPEN, 0x3080C0);
    benchmark::DoNotOptimize(s.toile.bitmap().data());
    benchmark::ClobberMemory();
  }
}

// The click that ends the line: the line drawn in copy over the band.
void clic_final(benchmark::State& state, int echelle, int tours, bool ombre) {
  const ReglagesTrace r = losanges(echelle, tours, ombre);
  Scene s = scene(echelle);
  Aleatoire aleatoire(1);
  for (auto _ : state) {
    trace_symetrique(s.toile, r, aleatoire, s.etat, s.ancre, s.fin, R2_COPYPEN, 0x3080C0);
    benchmark::DoNotOptimize(s.toile.bitmap().data());
    benchmark::ClobberMemory();
  }
}

void BM_CrayonVitrail975(benchmark::State& state) {
  crayon_vitrail(state, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
}
// Copy, XOR, OR, and one mode whose result depends on the order of the paints.
BENCHMARK(BM_CrayonVitrail975)
    ->ArgNames({"mode", "echelle"})
    ->ArgsProduct({{R2_COPYPEN, R2_XORPEN, R2_MERGEPEN, R2_MERGEPENNOT}, {1, 2}})
    ->Unit(benchmark::kMillisecond);

// The same without the shadow: 101 clones of a line of width 100 per copy.
void BM_CrayonVitrail975SansOmbre(benchmark::State& state) {
  crayon_vitrail(state, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                 false);
}
BENCHMARK(BM_CrayonVitrail975SansOmbre)
    ->ArgNames({"mode", "echelle"})
    ->ArgsProduct({{R2_COPYPEN, R2_XORPEN, R2_MERGEPENNOT}, {1, 2}})
    ->Unit(benchmark::kMillisecond);

// With the random thickness: a width drawn up to 199 per move and every copy darkened at
// random to one of two shades.
void BM_CrayonVitrail975Aleatoire(benchmark::State& state) {
  crayon_vitrail(state, static_cast<int>(state.range(0)), 1, state.range(1) != 0, true);
}
BENCHMARK(BM_CrayonVitrail975Aleatoire)
    ->ArgNames({"mode", "ombre"})
    ->ArgsProduct({{R2_COPYPEN, R2_XORPEN, R2_MERGEPEN, R2_MERGEPENNOT}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_BandeLosanges(benchmark::State& state) {
  bande(state, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
        state.range(2) != 0);
}
BENCHMARK(BM_BandeLosanges)
    ->ArgNames({"echelle", "tours", "ombre"})
    ->ArgsProduct({{1, 2}, {99, 100}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_ClicFinalLosanges(benchmark::State& state) {
  clic_final(state, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
             state.range(2) != 0);
}
BENCHMARK(BM_ClicFinalLosanges)
    ->ArgNames({"echelle", "tours", "ombre"})
    ->ArgsProduct({{1, 2}, {99, 100}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
