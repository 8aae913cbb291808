// Snapshot written at the end of every stroke: a full-screen canvas into the ring.

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "persistence/historique_images.h"
#include "platform/aleatoire.h"

namespace {

using namespace orvane;

constexpr int kLargeur = 1920;
constexpr int kHauteur = 1080;

// Short runs of random colours, like a busy rosace: nothing a writer could shortcut.
Bitmap image_chargee() {
  Aleatoire aleatoire(2026);
  Bitmap image(kLargeur, kHauteur);
  Colour c = 0;
  for (int i = 0; i < kLargeur * kHauteur; ++i) {
    if (aleatoire.Random(8) == 0)
      c = RGB(aleatoire.Random(256), aleatoire.Random(256), aleatoire.Random(256));
    image.data()[i] = c;
  }
  return image;
}

void BM_wb_plein_ecran(benchmark::State& state) {
  const Bitmap image = image_chargee();
  QTemporaryDir dossier;
  HistoriqueImages historique(dossier.path());
  for (auto _ : state) historique.wb(image);
  state.SetBytesProcessed(state.iterations() * kLargeur * kHauteur * 3);
}
BENCHMARK(BM_wb_plein_ecran)->Unit(benchmark::kMillisecond)->UseRealTime();

// The other half of undo: reading a snapshot back onto the canvas.
void BM_pas_en_arriere_plein_ecran(benchmark::State& state) {
  QTemporaryDir dossier;
  HistoriqueImages historique(dossier.path());
  historique.wb(image_chargee());
  Canvas canvas(kLargeur, kHauteur);
  for (auto _ : state) {
    historique.affiche_fic_precedent(canvas);
    historique.affiche_fic_suivant(canvas);
  }
}
BENCHMARK(BM_pas_en_arriere_plein_ecran)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
