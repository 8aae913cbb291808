// The random colouring pass over a busy full-HD picture: the row walk over a rosace of 24
// petals and the grid walk over a "4 quarts" figure, both drawn by the program's own
// renderer from a fixed seed; the walks alone, then the whole pass in the window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <utility>

#include "app/application_orvane.h"
#include "app/systeme.h"
#include "app/tform1.h"
#include "colour/coloriage_aleatoire.h"
#include "colour/coul_aleatoire.h"
#include "drawing/trace_symetrique.h"
#include "systeme_banc.h"

namespace {

using namespace orvane;

constexpr int kLargeur = 1920;
constexpr int kHauteur = 1080;
constexpr Colour kCrayon = 0x008000;

// Scribbles in the pencil colour: random walks of short segments, each with all its
// symmetric copies, so the picture is cut into many regions of every size.
Canvas figure_chargee(int symetrie, int largeur, int hauteur, Point centre) {
  Canvas toile(largeur, hauteur, 0);
  ReglagesTrace reglages;
  reglages.symetrie = symetrie;
  reglages.nb_petales = 24;
  reglages.largeur_ecran = largeur;
  EtatTrace etat;
  etat.centre_x = centre.x;
  etat.centre_y = centre.y;
  etat.couleur_crayon = kCrayon;
  Aleatoire aleatoire(symetrie + 9);
  const int traits = symetrie == 0 ? 30 : 120;
  for (int t = 0; t < traits; ++t) {
    Point p{aleatoire.Random(largeur), aleatoire.Random(hauteur)};
    for (int s = 0; s < 12; ++s) {
      const Point q{p.x + aleatoire.Random(121) - 60, p.y + aleatoire.Random(121) - 60};
      trace_symetrique(toile, reglages, aleatoire, etat, p, q, R2_COPYPEN, kCrayon);
      p = q;
    }
  }
  return toile;
}

const Canvas& rosace_chargee() {
  static const Canvas figure = figure_chargee(0, kLargeur, kHauteur, {960, 540});
  return figure;
}

const Canvas& quarts_charges() {
  static const Canvas figure = figure_chargee(3, kLargeur, kHauteur, {960, 540});
  return figure;
}

// One walk per iteration over a fresh copy of the picture, the renderer filling at every
// sample that needs it (or, with `remplir` false, nothing: the walk and its pixel tests).
void parcours(benchmark::State& state, const Canvas& figure, int symetrie, bool remplir,
              Point centre = {960, 540}) {
  ReglagesTrace reglages;
  reglages.symetrie = symetrie;
  reglages.peindre_dessiner = 1;
  reglages.nb_petales = 24;
  EtatTrace etat;
  etat.centre_x = centre.x;
  etat.centre_y = centre.y;
  etat.couleur_crayon = kCrayon;
  Aleatoire aleatoire(5);
  Canvas toile;
  long long remplissages = 0;
  EnvironnementColoriage env;
  env.couleur_aleatoire = [&] { return coul_aleatoire(COUL_NORMALE, 0, aleatoire); };
  env.remplir = [&](Point p, Colour c) {
    ++remplissages;
    if (!remplir) return;
    etat.couleur_peinture = c;
    trace_symetrique(toile, reglages, aleatoire, etat, p, p, R2_COPYPEN, c);
  };
  env.pointeur = [] { return Point{413, 247}; };
  env.montrer_peinture = [](Colour) {};
  env.legende_x = [](const std::string&) {};
  env.legende_y = [](const std::string&) {};
  env.arret_demande = [] { return false; };
  Colour peinture = 0;
  for (auto _ : state) {
    state.PauseTiming();
    toile = figure;
    state.ResumeTiming();
    if (parcours_en_ligne_pour(symetrie)) {
      parcours_en_ligne(toile, etat.centre_y, peinture, env);
    } else {
      parcours_en_grille(toile, kCrayon, peinture, aleatoire, env);
    }
    benchmark::DoNotOptimize(toile.bitmap().data());
  }
  state.counters["appels_rendu"] =
      benchmark::Counter(static_cast<double>(remplissages), benchmark::Counter::kAvgIterations);
}

void BM_ParcoursEnLigne_Rosace24(benchmark::State& state) {
  parcours(state, rosace_chargee(), 0, true);
}
void BM_ParcoursEnGrille_4Quarts(benchmark::State& state) {
  parcours(state, quarts_charges(), 3, true);
}
// Where the time goes: the same walks with a renderer that paints nothing.
void BM_ParcoursEnLigne_Rosace24_SansRemplissage(benchmark::State& state) {
  parcours(state, rosace_chargee(), 0, false);
}
void BM_ParcoursEnGrille_4Quarts_SansRemplissage(benchmark::State& state) {
  parcours(state, quarts_charges(), 3, false);
}
// The worst case: a flat picture, where every sample refills the whole canvas.
void BM_ParcoursEnLigne_Uni(benchmark::State& state) {
  static const Canvas uni(kLargeur, kHauteur, 0);
  parcours(state, uni, 0, true);
}
void BM_ParcoursEnGrille_Uni(benchmark::State& state) {
  static const Canvas uni(kLargeur, kHauteur, 0);
  parcours(state, uni, 3, true);
}
// The same on a 3840 x 2160 canvas: four times the pixels, so four times the budget.
void BM_ParcoursEnGrille_Uni4K(benchmark::State& state) {
  static const Canvas uni(2 * kLargeur, 2 * kHauteur, 0);
  parcours(state, uni, 3, true, {kLargeur, kHauteur});
}
BENCHMARK(BM_ParcoursEnLigne_Rosace24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParcoursEnGrille_4Quarts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParcoursEnLigne_Rosace24_SansRemplissage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParcoursEnGrille_4Quarts_SansRemplissage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParcoursEnLigne_Uni)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParcoursEnGrille_Uni)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParcoursEnGrille_Uni4K)->Unit(benchmark::kMillisecond);

// The whole pass in the window, the same figure at the screen's size: the walk through the
// palette's controls, the screen kept up to date during the pass, and the snapshot at the
// end. Shown on the platform Qt was given (an X server for the real figures).
void pass_fenetre(benchmark::State& state, int symetrie) {
  SystemeBanc systeme;
  TForm1 form(systeme);
  form.show();
  QApplication::processEvents();
  form.RadioGroup_symetrie->setItemIndex(symetrie);
  const Canvas& vue = std::as_const(*form.Image1).canvas();
  const Canvas figure = figure_chargee(symetrie, vue.width(), vue.height(),
                                       {form.centre_x, form.centre_y});
  for (auto _ : state) {
    state.PauseTiming();
    form.Image1->setPicture(figure);
    form.Image1->rafraichir();
    QApplication::processEvents();
    state.ResumeTiming();
    form.coloriage_aleatoire();
    QApplication::processEvents();  // the last repaint
  }
  state.counters["largeur"] = vue.width();
  state.counters["hauteur"] = vue.height();
}
// One look at the screen during a pass after a fill of the whole picture: the changed
// rectangle converted for display, painted and sent to the screen.
void BM_AffichagePleinEcran(benchmark::State& state) {
  SystemeBanc systeme;
  TForm1 form(systeme);
  form.show();
  QApplication::processEvents();
  Canvas& toile = form.canvas();
  Colour c = 0;
  for (auto _ : state) {
    state.PauseTiming();
    c ^= 0x123456;
    toile.brush.color = c;
    toile.FillRect(0, 0, toile.width(), toile.height());
    state.ResumeTiming();
    form.Image1->rafraichir();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_AffichagePleinEcran)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PasseFenetre_Rosace24(benchmark::State& state) { pass_fenetre(state, 0); }
void BM_PasseFenetre_4Quarts(benchmark::State& state) { pass_fenetre(state, 3); }
BENCHMARK(BM_PasseFenetre_Rosace24)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PasseFenetre_4Quarts)->Unit(benchmark::kMillisecond)->UseRealTime();

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
