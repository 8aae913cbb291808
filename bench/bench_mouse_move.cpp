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

void mouvement(benchmark::State& state, const ReglagesTrace& reglages) {
  Canvas canvas(1920, 1080, 0);
  Aleatoire aleatoire(1);
  EtatTrace etat;
  etat.centre_x = 960;
  etat.centre_y = 540;
  // A 12-pixel move somewhere off the centre.
  const Point a{1250, 700}, b{1262, 703};
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

// The same without spiral or shadow: 24 lines of width 10.
void BM_MouvementRosace(benchmark::State& state) { mouvement(state, reglages_depart()); }
BENCHMARK(BM_MouvementRosace)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
