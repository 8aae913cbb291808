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
#include "common/journal_lourd.h"
#include "drawing/trace_symetrique.h"
#include "journal/journal_courant.h"
#include "app/vignette_commande.h"
#include "journal/redessin.h"
#include "journal/rendu_echelle.h"
#include "persistence/fichier_journal.h"
#include "persistence/format_journal.h"

namespace {

using namespace orvane;
using namespace orvane::banc;

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
