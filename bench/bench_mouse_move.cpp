// One mouse move of a stroke on a full-HD canvas: the segment and all its copies.
#include <benchmark/benchmark.h>

#include "drawing/trace_symetrique.h"

namespace {

using namespace orvane;

// The palette's start values: 24 petals in "rosace", pen width 10, one clone.
ReglagesTrace reglages_depart() {
  ReglagesTrace r;
  r.symetrie = 0;
  r.type_trace = 0;
  r.nb_petales = 24;
  r.epaisseur = 10;
  r.nombre_clones = 1;
  r.largeur_ecran = 1920;
  r.tours = 20;
  r.facteur_milliemes = 975;
  r.largeur_ombre = 12;
  return r;
}

// On a canvas `echelle` times the full-HD one in each direction (2: a 3840 x 2160 screen at
// a scale of 2, whose canvas is in the screen's own pixels), the same move at the same place.
void mouvement(benchmark::State& state, const ReglagesTrace& reglages, int echelle = 1) {
  Canvas canvas(1920 * echelle, 1080 * echelle, 0);
  Aleatoire aleatoire(1);
  EtatTrace etat;
  etat.centre_x = 960 * echelle;
  etat.centre_y = 540 * echelle;
  // A 12-pixel move somewhere off the centre.
  const Point a{1250 * echelle, 700 * echelle}, b{1250 * echelle + 12, 700 * echelle + 3};
  for (auto _ : state) {
    trace_symetrique(canvas, reglages, aleatoire, etat, a, b, R2_COPYPEN, 0x008000);
    benchmark::DoNotOptimize(canvas.bitmap().data());
    benchmark::ClobberMemory();
  }
}

// Spiral of 20 turns at 975 and shadow "ombre 1" of 12: 480 copies of 12 lines each.
void BM_MouvementSpiraleOmbre(benchmark::State& state) {
  ReglagesTrace r = reglages_depart();
  r.spirale = true;
  r.ombre_1 = true;
  mouvement(state, r);
}
BENCHMARK(BM_MouvementSpiraleOmbre)->Unit(benchmark::kMillisecond);

// The same on a 3840 x 2160 canvas.
void BM_MouvementSpiraleOmbre4K(benchmark::State& state) {
  ReglagesTrace r = reglages_depart();
  r.spirale = true;
  r.ombre_1 = true;
  r.largeur_ecran = 3840;
  mouvement(state, r, 2);
}
BENCHMARK(BM_MouvementSpiraleOmbre4K)->Unit(benchmark::kMillisecond);

// The same without spiral or shadow: 24 lines of width 10.
void BM_MouvementRosace(benchmark::State& state) { mouvement(state, reglages_depart()); }
BENCHMARK(BM_MouvementRosace)->Unit(benchmark::kMicrosecond);

// The heaviest settings the palette's arrows reach: 100 petals, the spiral at 100 turns and
// factor 1000, "losanges" (mirrored copies), 100 clones and "ombre 1" at width 100.
ReglagesTrace reglages_maximaux(bool ombre, int tours) {
  ReglagesTrace r;
  r.symetrie = 0;
  r.type_trace = 4;
  r.nb_petales = 100;
  r.spirale = true;
  r.tours = tours;
  r.facteur_milliemes = 1000;
  r.epaisseur = 100;
  r.nombre_clones = 100;
  r.ombre_1 = ombre;
  r.largeur_ombre = 100;
  r.largeur_ecran = 1920;
  return r;
}

// One move of the "losanges" rubber band: the old band erased and the new one drawn, both
// in XOR, as the window does.
void bande_elastique(benchmark::State& state, const ReglagesTrace& reglages) {
  Canvas canvas(1920, 1080, 0);
  Aleatoire aleatoire(1);
  EtatTrace etat;
  etat.centre_x = 960;
  etat.centre_y = 540;
  const Point ancre{1250, 700};
  Point fin{1262, 703};
  trace_symetrique(canvas, reglages, aleatoire, etat, ancre, fin, R2_XORPEN, 0x008000);
  for (auto _ : state) {
    trace_symetrique(canvas, reglages, aleatoire, etat, ancre, fin, R2_XORPEN, 0x008000);
    fin = {fin.x == 1262 ? 1265 : 1262, 703};
    trace_symetrique(canvas, reglages, aleatoire, etat, ancre, fin, R2_XORPEN, 0x008000);
    benchmark::DoNotOptimize(canvas.bitmap().data());
    benchmark::ClobberMemory();
  }
}

void BM_MouvementMaximalOmbre(benchmark::State& state) {
  bande_elastique(state, reglages_maximaux(true, 100));
}
BENCHMARK(BM_MouvementMaximalOmbre)->Unit(benchmark::kMillisecond);

void BM_MouvementMaximalSansOmbre(benchmark::State& state) {
  bande_elastique(state, reglages_maximaux(false, 100));
}
BENCHMARK(BM_MouvementMaximalSansOmbre)->Unit(benchmark::kMillisecond);

// The click that ends the line: the same settings in copy mode.
void BM_LigneFinaleMaximaleOmbre(benchmark::State& state) {
  mouvement(state, reglages_maximaux(true, 100));
}
BENCHMARK(BM_LigneFinaleMaximaleOmbre)->Unit(benchmark::kMillisecond);

// 99 turns: an odd count leaves one turn of the band on screen.
void BM_MouvementMaximal99ToursOmbre(benchmark::State& state) {
  bande_elastique(state, reglages_maximaux(true, 99));
}
BENCHMARK(BM_MouvementMaximal99ToursOmbre)->Unit(benchmark::kMillisecond);

// A long segment reaching far outside the canvas on both sides, with 100 clones and a
// shadow of 100 lines: only the lines that cross the canvas cost anything.
void BM_OmbreLongueHorsToile(benchmark::State& state) {
  ReglagesTrace r = reglages_depart();
  r.nb_petales = 1;
  r.symetrie = 4;
  r.nombre_clones = 100;
  r.ombre_1 = true;
  r.largeur_ombre = 100;
  Canvas canvas(1920, 1080, 0);
  Aleatoire aleatoire(1);
  EtatTrace etat;
  const Point a{-2000000000, -1500000000}, b{2000000000, 1600000000};
  for (auto _ : state) {
    trace_symetrique(canvas, r, aleatoire, etat, a, b, R2_COPYPEN, 0x008000);
    benchmark::DoNotOptimize(canvas.bitmap().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_OmbreLongueHorsToile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
