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

#include "common/journal_lourd.h"
#include "persistence/fichier_journal.h"

namespace {

using namespace orvane;

using namespace orvane::banc;

// 40 heavy strokes (24 petals, a spiral, a shadow) and `remplissages` fills, drawn and
// recorded as the window does.
Journal journal_de_figure(int remplissages) {
  Dessinateur d;
  std::mt19937 hasard(9);
  const ReglagesTrace r = reglages_lourds();
  traits(hasard, 40, 10, [&](int t, Point a, Point b) {
    d.trace(r, a, b, R2_COPYPEN, 0x40A0FF + static_cast<Colour>(t * 977));
  });
  ReglagesTrace remplir = r;
  remplir.peindre_dessiner = 1;
  remplir.spirale = false;
  for (int i = 0; i < remplissages; ++i) {
    d.etat.couleur_peinture = static_cast<Colour>(hasard() & 0xFFFFFF);
    const Point p{static_cast<int>(hasard() % kLargeur), static_cast<int>(hasard() % kHauteur)};
    d.trace(remplir, p, p, R2_COPYPEN, 0x40A0FF);
  }
  return d.journal.journal();
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
