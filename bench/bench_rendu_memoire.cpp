// orvane --render of a full-HD journal at scale 8: the peak memory of the program, as the
// system counts it, against the 4-byte size of the picture it writes, for each format; and
// smoothed at scale 4, which draws 16 times the picture it writes.
// Budget: 1.3 times that size plus 100 MB.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>

#include "drawing/trace_symetrique.h"
#include "journal/journal_courant.h"
#include "persistence/fichier_journal.h"

namespace {

using namespace orvane;

constexpr int kLargeur = 1920, kHauteur = 1080;

// 40 heavy strokes (24 petals, a spiral, a shadow) and `remplissages` fills, drawn and
// recorded as the window does.
Journal journal_de_figure(int remplissages) {
  Canvas toile(kLargeur, kHauteur, 0);
  JournalCourant journal;
  journal.ajouter(EntreeToile{kLargeur, kHauteur, 0});
  Aleatoire aleatoire(1);
  EtatTrace etat;
  etat.centre_x = kLargeur / 2;
  etat.centre_y = kHauteur / 2;
  ReglagesTrace r;
  r.nb_petales = 24;
  r.epaisseur = 10;
  r.spirale = true;
  r.tours = 20;
  r.facteur_milliemes = 975;
  r.ombre_1 = true;
  r.largeur_ombre = 12;
  r.largeur_ecran = kLargeur;
  std::mt19937 hasard(9);
  const auto trace = [&](const ReglagesTrace& reglages, Point a, Point b, Colour couleur) {
    toile.pen.mode = R2_COPYPEN;
    toile.pen.color = couleur;
    toile.pen.width = reglages.epaisseur;
    EntreeTrait e{a, b, R2_COPYPEN, couleur, toile.pen.width, reglages,
                  {etat.centre_x, etat.centre_y}, etat.couleur_crayon, etat.couleur_peinture, {}};
    const TirageTrait tirage = journal.tirage(aleatoire);
    const std::uint64_t pas = aleatoire.pas();
    trace_copies(toile, reglages, aleatoire, etat, a, b, couleur);
    if (aleatoire.pas() != pas) e.tirage = tirage;
    journal.ajouter(std::move(e));
  };
  for (int t = 0; t < 40; ++t) {
    Point p{static_cast<int>(hasard() % kLargeur), static_cast<int>(hasard() % kHauteur)};
    for (int s = 0; s < 10; ++s) {
      const Point q{p.x + static_cast<int>(hasard() % 17) - 8,
                    p.y + static_cast<int>(hasard() % 17) - 8};
      trace(r, p, q, 0x40A0FF + static_cast<Colour>(t * 977));
      p = q;
    }
  }
  ReglagesTrace remplir = r;
  remplir.peindre_dessiner = 1;
  remplir.spirale = false;
  for (int i = 0; i < remplissages; ++i) {
    etat.couleur_peinture = static_cast<Colour>(hasard() & 0xFFFFFF);
    const Point p{static_cast<int>(hasard() % kLargeur), static_cast<int>(hasard() % kHauteur)};
    trace(remplir, p, p, 0x40A0FF);
  }
  return journal.journal();
}

void BM_RenduMemoire(benchmark::State& state, const char* extension, int echelle,
                     bool lisse, int remplissages) {
  QTemporaryDir dossier;
  const QByteArray journal = QFile::encodeName(dossier.filePath("figure.orvane"));
  ecrire_journal(QFile::decodeName(journal), journal_de_figure(remplissages));
  const QByteArray sortie = QFile::encodeName(dossier.filePath("figure.")) + extension;
  const QByteArray texte_echelle = QByteArray::number(echelle);
  double pic = 0;
  int statut = -1;
  for (auto _ : state) {
    const pid_t enfant = fork();
    if (enfant == 0) {
      const int nul = ::open("/dev/null", O_WRONLY);
      ::dup2(nul, STDERR_FILENO);
      ::execl(ORVANE_BINAIRE, "orvane", "--render", journal.constData(), "--scale",
              texte_echelle.constData(), "--output", sortie.constData(),
              lisse ? "--smooth" : nullptr, nullptr);
      _exit(127);
    }
    rusage usage{};
    int etat = 0;
    ::wait4(enfant, &etat, 0, &usage);
    statut = WIFEXITED(etat) ? WEXITSTATUS(etat) : 128 + WTERMSIG(etat);
    pic = std::max(pic, usage.ru_maxrss * 1024.0);  // kilobytes
  }
  if (statut != 0) state.SkipWithError("orvane --render failed");
  const double image = 4.0 * kLargeur * echelle * kHauteur * echelle;
  state.counters["image_Mo"] = image / 1e6;
  state.counters["pic_Mo"] = pic / 1e6;
  state.counters["budget_Mo"] = (1.3 * image + 100e6) / 1e6;
  state.counters["pic_sur_image"] = pic / image;
}
BENCHMARK_CAPTURE(BM_RenduMemoire, png, "png", 8, false, 10)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_RenduMemoire, bmp, "bmp", 8, false, 10)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_RenduMemoire, jpeg, "jpg", 8, false, 10)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
// Smoothed, drawn band after band; with fills, which read the whole picture, drawn whole.
BENCHMARK_CAPTURE(BM_RenduMemoire, png_lisse_4, "png", 4, true, 0)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_RenduMemoire, png_lisse_4_remplissages, "png", 4, true, 10)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
