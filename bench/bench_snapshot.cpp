// Snapshot written at the end of every stroke: a full-screen canvas into the ring, and
// what the stroke's release costs the window before it takes the next event.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMetaObject>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/application_orvane.h"
#include "app/systeme.h"
#include "app/tform1.h"
#include "persistence/historique_images.h"
#include "platform/aleatoire.h"
#include "systeme_banc.h"

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

// From the release of a stroke to the window running the next event it is given, the busy
// picture on the canvas. The strokes come slower than a write (the user's hand), so each
// starts with the write before it ended; with `attendre` the release also waits for its
// own write, as when the snapshot was written on the window's thread.
void relacher(benchmark::State& state, bool attendre) {
  SystemeBanc systeme(QSize(kLargeur, kHauteur));
  TForm1 form(systeme);
  form.show();
  QApplication::processEvents();
  const Bitmap image = image_chargee();
  form.canvas().Draw(0, 0, image);
  form.RadioGroup_symetrie->setItemIndex(4);  // one copy: the stroke costs nothing here
  for (auto _ : state) {
    state.PauseTiming();
    form.finir_instantane();
    form.FormMouseDown(Qt::LeftButton, {}, 800, 300);
    form.FormMouseMove({}, 820, 310);
    QApplication::processEvents();
    bool pret = false;
    state.ResumeTiming();
    form.FormMouseUp(Qt::LeftButton, {}, 820, 310);
    if (attendre) form.finir_instantane();
    QMetaObject::invokeMethod(&form, [&pret] { pret = true; }, Qt::QueuedConnection);
    while (!pret) QApplication::processEvents();
  }
  form.finir_instantane();
  state.counters["largeur"] = form.canvas().width();
}
void BM_RelacherPuisPret(benchmark::State& state) { relacher(state, false); }
void BM_RelacherPuisPret_EcritureAttendue(benchmark::State& state) { relacher(state, true); }
BENCHMARK(BM_RelacherPuisPret)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RelacherPuisPret_EcritureAttendue)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  // Without an X server the window benchmarks run on the offscreen platform.
  if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  ApplicationOrvane app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
