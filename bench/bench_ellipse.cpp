// The elliptic tool on a full-HD canvas: the rubber figure following the pointer, and the
// shaded arc a click adds with the palette's start shadow.
#include <benchmark/benchmark.h>

#include "drawing/outil_ellipse.h"

namespace {

using namespace orvane;

struct Tables {
  Tables() { construire_tables_quart(sinus, cosinus); }
  TableQuart sinus{}, cosinus{};
};

// One mouse move with a curve under way: the rubber arc of 182 dots of width 3 erased at
// the old pointer and drawn at the new one.
void BM_ElastiqueUnMouvement(benchmark::State& state) {
  const Tables t;
  Canvas canvas(1920, 1080, 0);
  OutilEllipse outil(t.sinus, t.cosinus);
  ReglagesEllipse reglages;
  for (Point p : {Point{400, 300}, Point{1400, 300}, Point{1400, 900}}) {
    outil.appui(canvas, reglages, p);
  }
  bool aller = false;
  for (auto _ : state) {
    aller = !aller;
    outil.mouvement(canvas, reglages.couleur_crayon, aller ? Point{900, 1000} : Point{906, 996});
    benchmark::DoNotOptimize(canvas.bitmap().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ElastiqueUnMouvement)->Unit(benchmark::kMicrosecond);

// One arc in copy mode under "ombre 1": 182 runs of w dots of width w, for the palette's
// start width (12) and its up-down's greatest (100).
void BM_ArcOmbre(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0));
  const Tables t;
  Canvas canvas(1920, 1080, 0);
  for (auto _ : state) {
    trace_arc_ellipse(canvas, t.sinus, t.cosinus, {400, 300}, {1400, 300}, {1400, 900}, R2_COPYPEN,
                      0x008000, 1, OmbreArc{true, false, w});
    benchmark::DoNotOptimize(canvas.bitmap().data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ArcOmbre)->Arg(12)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
