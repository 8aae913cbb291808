// Snapshot written at the end of every stroke: a full-screen canvas into the ring, what the
// stroke's release costs the window before it takes the next event, quick strokes on a slow
// disk, and the steps back and forward through the ring.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMetaObject>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "app/application_orvane.h"
#include "app/systeme.h"
#include "app/tform1.h"
#include "persistence/fichier_bmp.h"
#include "persistence/historique_images.h"
#include "platform/aleatoire.h"
#include "systeme_banc.h"

namespace {

using namespace orvane;

constexpr int kLargeur = 1920;
constexpr int kHauteur = 1080;

// Short runs of random colours, like a busy rosace: nothing a writer could shortcut.
Bitmap image_chargee(int largeur = kLargeur, int hauteur = kHauteur, int graine = 2026) {
  Aleatoire aleatoire(graine);
  Bitmap image(largeur, hauteur);
  Colour c = 0;
  for (int i = 0; i < largeur * hauteur; ++i) {
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

// One step through the ring (F4 and F5 in turn) at the screen size given, busy pictures at
// every place: from the pictures the ring keeps in memory, then from the files, as the
// first step of a new run reads them.
void BM_PasEnMemoire(benchmark::State& state) {
  const int largeur = static_cast<int>(state.range(0));
  const int hauteur = static_cast<int>(state.range(1));
  QTemporaryDir dossier;
  HistoriqueImages historique(dossier.path());
  for (int i = 0; i < 2; ++i) historique.wb(image_chargee(largeur, hauteur, i));
  Canvas canvas(largeur, hauteur);
  bool recul = true;
  for (auto _ : state) {
    if (recul) {
      historique.affiche_fic_precedent(canvas);
    } else {
      historique.affiche_fic_suivant(canvas);
    }
    recul = !recul;
  }
}
BENCHMARK(BM_PasEnMemoire)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_PasDepuisLeFichier(benchmark::State& state) {
  const int largeur = static_cast<int>(state.range(0));
  const int hauteur = static_cast<int>(state.range(1));
  QTemporaryDir dossier;
  HistoriqueImages(dossier.path()).wb(image_chargee(largeur, hauteur));
  Canvas canvas(largeur, hauteur);
  for (auto _ : state) {
    state.PauseTiming();
    HistoriqueImages relance(dossier.path());
    state.ResumeTiming();
    relance.affiche_fic_suivant(canvas);  // ~100.bmp, unknown to this run
  }
}
BENCHMARK(BM_PasDepuisLeFichier)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// F4 and F5 in turn through the window, its journal following, until it has repainted.
void BM_F4F5Fenetre(benchmark::State& state) {
  const QSize ecran(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  SystemeBanc systeme(ecran);
  TForm1 form(systeme);
  form.show();
  QApplication::processEvents();
  for (int i = 0; i < 2; ++i) {
    form.canvas().Draw(0, 0, image_chargee(ecran.width(), ecran.height(), i));
    form.wb();
  }
  form.finir_instantane();
  bool recul = true;
  for (auto _ : state) {
    form.commande_touche(recul ? 0x73 : 0x74);
    QApplication::processEvents();
    recul = !recul;
  }
  state.counters["largeur"] = form.canvas().width();
}
BENCHMARK(BM_F4F5Fenetre)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

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

// Thirty strokes given at once, as by a hand quicker than the disk, on a disk whose every
// write takes range(0) ms more (a slow sync) : from the last release given to the window
// showing the last stroke, ready for the next event. Each stroke's release writes its
// snapshot; the writes left are waited for between runs.
void BM_TrenteTraitsRapides(benchmark::State& state) {
  const auto lenteur = std::chrono::milliseconds(state.range(0));
  SystemeBanc systeme(QSize(kLargeur, kHauteur));
  TForm1 form(systeme);
  form.show();
  QApplication::processEvents();
  form.canvas().Draw(0, 0, image_chargee());
  form.RadioGroup_symetrie->setItemIndex(4);
  form.historique.ecrire_image = [lenteur](const QString& chemin, const Bitmap& image) {
    std::this_thread::sleep_for(lenteur);
    ecrire_fichier_bmp(chemin, image);
  };
  for (auto _ : state) {
    for (int i = 0; i < 30; ++i) {
      const int y = 100 + 20 * i;
      form.FormMouseDown(Qt::LeftButton, {}, 800, y);
      form.FormMouseMove({}, 900, y + 10);
      form.FormMouseUp(Qt::LeftButton, {}, 900, y + 10);
    }
    bool pret = false;
    QMetaObject::invokeMethod(&form, [&pret] { pret = true; }, Qt::QueuedConnection);
    while (!pret) QApplication::processEvents();
    state.PauseTiming();
    form.finir_instantane();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_TrenteTraitsRapides)
    ->Arg(0)
    ->Arg(300)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

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
