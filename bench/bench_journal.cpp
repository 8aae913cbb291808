// The picture's journal: its size on disk, what recording adds to a heavy mouse move, and
// re-drawing a full-HD journal of heavy strokes, fills and a colouring pass at scales 1, 4
// and 8, with the memory it takes beside the picture it makes, and its thumbnail.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>
#include <random>
#include <string>
#include <vector>

#include "colour/coloriage_aleatoire.h"
#include "drawing/trace_symetrique.h"
#include "journal/journal_courant.h"
#include "app/vignette_commande.h"
#include "journal/redessin.h"
#include "journal/rendu_echelle.h"
#include "persistence/fichier_journal.h"
#include "persistence/format_journal.h"

namespace {

using namespace orvane;

constexpr int kLargeur = 1920, kHauteur = 1080;

// The palette's start values with the spiral (20 turns at 975) and "ombre 1" at 12: 480
// copies of 12 lines each, as the mouse-move benchmark draws them.
ReglagesTrace reglages_lourds() {
  ReglagesTrace r;
  r.nb_petales = 24;
  r.epaisseur = 10;
  r.spirale = true;
  r.tours = 20;
  r.facteur_milliemes = 975;
  r.ombre_1 = true;
  r.largeur_ombre = 12;
  r.largeur_ecran = kLargeur;
  return r;
}

// Draws one call of the renderer on the canvas and records it, as the window does.
struct Dessinateur {
  Canvas toile{kLargeur, kHauteur, 0};
  JournalCourant journal;
  Aleatoire aleatoire{1};
  EtatTrace etat;

  Dessinateur() {
    journal.ajouter(EntreeToile{kLargeur, kHauteur, 0});
    etat.centre_x = kLargeur / 2;
    etat.centre_y = kHauteur / 2;
  }

  void trace(const ReglagesTrace& r, Point a, Point b, int mode, Colour couleur) {
    toile.pen.mode = mode;
    toile.pen.color = couleur;
    toile.pen.width = epaisseur_du_trait(aleatoire, r.epaisseur_aleatoire, r.epaisseur,
                                         toile.pen.width);
    EntreeTrait e{a, b, mode, couleur, toile.pen.width, r, {etat.centre_x, etat.centre_y},
                  etat.couleur_crayon, etat.couleur_peinture, {}};
    const TirageTrait tirage = journal.tirage(aleatoire);
    const std::uint64_t pas = aleatoire.pas();
    trace_copies(toile, r, aleatoire, etat, a, b, couleur);
    if (aleatoire.pas() != pas) e.tirage = tirage;
    journal.ajouter(std::move(e));
  }
};

// Mouse-sized moves: a stroke wanders from a random start, 4 to 16 pixels a move.
template <class F>
void traits(std::mt19937& hasard, int nombre, int segments, F&& segment) {
  for (int t = 0; t < nombre; ++t) {
    Point p{static_cast<int>(hasard() % kLargeur), static_cast<int>(hasard() % kHauteur)};
    for (int s = 0; s < segments; ++s) {
      const Point q{p.x + static_cast<int>(hasard() % 17) - 8,
                    p.y + static_cast<int>(hasard() % 17) - 8};
      segment(t, p, q);
      p = q;
    }
  }
}

// ---- Size ----

// 1 000 strokes of 100 moves each, a new random pencil colour after each stroke; the
// strokes are only recorded, not drawn (the size does not depend on the pixels).
void taille(benchmark::State& state, bool epaisseur_aleatoire) {
  for (auto _ : state) {
    JournalCourant journal;
    journal.ajouter(EntreeToile{kLargeur, kHauteur, 0});
    Aleatoire aleatoire(3);
    std::mt19937 hasard(5);
    ReglagesTrace r = reglages_lourds();
    r.epaisseur_aleatoire = epaisseur_aleatoire;
    Colour couleur = 0x00FF00;
    int largeur = 10;
    traits(hasard, 1000, 100, [&](int t, Point a, Point b) {
      if (epaisseur_aleatoire) largeur = aleatoire.Random(r.epaisseur + largeur);
      EntreeTrait e{a, b, R2_COPYPEN, couleur + static_cast<Colour>(t), largeur, r,
                    {kLargeur / 2, kHauteur / 2}, couleur, 0xFFFF00, {}};
      if (epaisseur_aleatoire) {
        e.tirage = journal.tirage(aleatoire);
        aleatoire.avancer(480);  // one darkening draw per copy
      }
      journal.ajouter(std::move(e));
    });
    const QByteArray octets = octets_journal(journal.journal());
    state.counters["octets"] = static_cast<double>(octets.size());
    state.counters["octets_par_segment"] = static_cast<double>(octets.size()) / 100000;
  }
}
void BM_TailleJournal100000Segments(benchmark::State& state) { taille(state, false); }
BENCHMARK(BM_TailleJournal100000Segments)->Unit(benchmark::kMillisecond)->Iterations(1);
void BM_TailleJournal100000SegmentsEpaisseurAleatoire(benchmark::State& state) {
  taille(state, true);
}
BENCHMARK(BM_TailleJournal100000SegmentsEpaisseurAleatoire)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// ---- Recording ----

// The heavy move, drawn alone and drawn and recorded: its peer is itself.
void mouvement(benchmark::State& state, bool enregistre) {
  Dessinateur d;
  const ReglagesTrace r = reglages_lourds();
  const Point a{1250, 700}, b{1262, 703};
  for (auto _ : state) {
    if (enregistre) {
      d.trace(r, a, b, R2_COPYPEN, 0x008000);
    } else {
      trace_symetrique(d.toile, r, d.aleatoire, d.etat, a, b, R2_COPYPEN, 0x008000);
    }
    benchmark::DoNotOptimize(d.toile.bitmap().data());
  }
}
void BM_MouvementLourd(benchmark::State& state) { mouvement(state, false); }
BENCHMARK(BM_MouvementLourd)->Unit(benchmark::kMillisecond);
void BM_MouvementLourdEnregistre(benchmark::State& state) { mouvement(state, true); }
BENCHMARK(BM_MouvementLourdEnregistre)->Unit(benchmark::kMillisecond);

// What the recording alone costs per move (the entry, the generator's origin, the append),
// to set against BM_MouvementLourd more precisely than the difference of two timings.
void BM_EnregistrementSeul(benchmark::State& state) {
  JournalCourant journal;
  Aleatoire aleatoire(1);
  const ReglagesTrace r = reglages_lourds();
  int i = 0;
  for (auto _ : state) {
    EntreeTrait e{{i, 700}, {i + 12, 703}, R2_COPYPEN, 0x008000, 10, r, {960, 540},
                  0x008000, 0xFFFF00, {}};
    const TirageTrait tirage = journal.tirage(aleatoire);
    benchmark::DoNotOptimize(tirage);
    journal.ajouter(std::move(e));
    ++i;
  }
}
BENCHMARK(BM_EnregistrementSeul)->Unit(benchmark::kNanosecond);

// ---- Re-drawing ----

// 200 strokes of `mouvements` moves, then, with `remplissages`, 20 fills at their points and
// the colouring pass along the centre's row, drawn and recorded.
Journal journal_de(const ReglagesTrace& r, int mouvements, bool remplissages = true) {
  Dessinateur d;
  std::mt19937 hasard(9);
  Colour crayon = 0x40A0FF;
  traits(hasard, 200, mouvements, [&](int t, Point a, Point b) {
    d.trace(r, a, b, R2_COPYPEN, crayon + static_cast<Colour>(t * 977));
  });
  if (!remplissages) return d.journal.journal();
  ReglagesTrace remplir = reglages_lourds();
  remplir.peindre_dessiner = 1;
  remplir.spirale = false;
  for (int i = 0; i < 20; ++i) {
    d.etat.couleur_peinture = static_cast<Colour>(hasard() & 0xFFFFFF);
    const Point p{static_cast<int>(hasard() % kLargeur), static_cast<int>(hasard() % kHauteur)};
    d.trace(remplir, p, p, R2_COPYPEN, crayon);
  }
  Colour peinture = 0;
  EnvironnementColoriage env;
  env.couleur_aleatoire = [&] { return static_cast<Colour>(hasard() & 0xFFFFFF); };
  env.remplir = [&](Point p, Colour c) {
    d.etat.couleur_peinture = c;
    d.trace(remplir, p, p, R2_COPYPEN, c);
  };
  env.pointeur = [] { return Point{7, 3}; };
  env.montrer_peinture = [](Colour) {};
  env.legende_x = env.legende_y = [](const std::string&) {};
  env.arret_demande = [] { return false; };
  parcours_en_ligne(d.toile, d.etat.centre_y, peinture, env);
  return d.journal.journal();
}

// The process's peak memory in bytes since `remettre_pic` (Linux's VmHWM).
void remettre_pic() { std::ofstream("/proc/self/clear_refs") << "5"; }
double pic_memoire() {
  std::ifstream statut("/proc/self/status");
  std::string ligne;
  while (std::getline(statut, ligne)) {
    if (ligne.rfind("VmHWM:", 0) == 0) return std::stod(ligne.substr(6)) * 1024;
  }
  return 0;
}

Journal journal_lourd(int mouvements) { return journal_de(reglages_lourds(), mouvements); }

// Light strokes (a rosace of one-pixel lines) cut the picture into many small regions: the
// fills and the pass's samples are most of the work, at scale K the fill step's cost.
Journal journal_de_remplissages() {
  ReglagesTrace r;
  r.nb_petales = 24;
  r.largeur_ecran = kLargeur;
  return journal_de(r, 10);
}

void redessin(benchmark::State& state, const Journal& journal, int echelle,
              int fils = fils_par_defaut()) {
  double pic = 0, sortie_octets = 0;
  for (auto _ : state) {
    remettre_pic();
    Bitmap sortie;
    redessiner(journal, echelle, sortie, [](std::int64_t, std::int64_t) { return true; },
               fils);
    pic = std::max(pic, pic_memoire());
    sortie_octets = 4.0 * sortie.width() * sortie.height();
    benchmark::DoNotOptimize(sortie.data());
  }
  state.counters["entrees"] = static_cast<double>(journal.taille());
  state.counters["sortie_Mo"] = sortie_octets / 1e6;
  state.counters["pic_Mo"] = pic / 1e6;
  // The budget: 1.5 times the picture plus 100 MB.
  state.counters["budget_Mo"] = (1.5 * sortie_octets + 100e6) / 1e6;
}

// The heavy strokes alone: the part of a re-drawing the bands share out, without the fills
// drawn alone between them.
void BM_RedessinTraits(benchmark::State& state) {
  redessin(state, journal_de(reglages_lourds(), static_cast<int>(state.range(1)), false),
           static_cast<int>(state.range(0)), static_cast<int>(state.range(2)));
}

// One thread, and one per core when there are more.
std::vector<std::int64_t> fils_compares() {
  if (fils_par_defaut() == 1) return {1};
  return {1, fils_par_defaut()};
}

// Scale, moves per stroke (a stroke of one move is one heavy call of the renderer), then
// threads: the speed-up is the one-thread time over the all-core time beside it. The fills
// and the colouring pass, drawn alone, bound it.
void BM_Redessin(benchmark::State& state) {
  redessin(state, journal_lourd(static_cast<int>(state.range(1))),
           static_cast<int>(state.range(0)), static_cast<int>(state.range(2)));
}
BENCHMARK(BM_Redessin)
    ->ArgsProduct({{1, 4, 8}, {1, 10}, fils_compares()})
    ->ArgNames({"echelle", "mouvements", "fils"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_RedessinTraits)
    ->ArgsProduct({{4, 8}, {1, 10}, fils_compares()})
    ->ArgNames({"echelle", "mouvements", "fils"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

// A file manager's 256-pixel thumbnail of the heavy journal, as orvane --thumbnail makes it
// once started: reading the file, drawing it at scale 1, reducing, encoding, writing.
void BM_Vignette256(benchmark::State& state) {
  const QTemporaryDir dossier;
  const QString journal = dossier.filePath(QStringLiteral("lourd.orvane"));
  ecrire_journal(journal, journal_lourd(static_cast<int>(state.range(0))));
  const std::string chemin = journal.toStdString();
  const std::string sortie = dossier.filePath(QStringLiteral("vignette.png")).toStdString();
  for (auto _ : state) {
    std::ostringstream erreurs;
    const int statut = vignette_en_commande(
        {chemin, sortie, 256},
        [](const QString& c) { return dessin_du_journal(lire_journal(c)); }, erreurs);
    if (statut != 0) state.SkipWithError(erreurs.str().c_str());
  }
  state.counters["budget_ms"] = 1000;
}
BENCHMARK(BM_Vignette256)
    ->ArgName("mouvements")
    ->Arg(1)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_RedessinRemplissages(benchmark::State& state) {
  redessin(state, journal_de_remplissages(), static_cast<int>(state.range(0)));
}
BENCHMARK(BM_RedessinRemplissages)
    ->Arg(1)
    ->Arg(4)
    ->ArgName("echelle")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
