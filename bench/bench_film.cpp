// Films of the heavy full-HD journal (200 strokes, fills and a colouring pass), 20 s at
// 30 frames a second: MP4 at scales 1 and 2, with the peak memory beside a frame's size;
// and, in the same run, what a user would do without Orvane's encoder: the same frames
// written as PNG files, then encoded by the ffmpeg program with the same settings.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <string>

#include "common/journal_lourd.h"
#include "film/faire_film.h"
#include "film/images_du_dessin.h"

namespace {

using namespace orvane;
using namespace orvane::banc;

constexpr int kDuree = 20, kImagesParSeconde = 30, kMouvements = 10;

const Journal& journal_du_banc() {
  static const Journal journal = journal_lourd(kMouvements);
  return journal;
}

ReglagesFilm reglages(int echelle) {
  ReglagesFilm r;
  r.echelle = echelle;
  r.duree = kDuree;
  r.images_par_seconde = kImagesParSeconde;
  return r;
}

void BM_FilmMp4(benchmark::State& state) {
  const int echelle = static_cast<int>(state.range(0));
  const Journal& journal = journal_du_banc();
  const QTemporaryDir dossier;
  const QString sortie = dossier.filePath(QStringLiteral("film.mp4"));
  double pic = 0;
  for (auto _ : state) {
    remettre_pic();
    if (faire_film(journal, sortie, reglages(echelle), {}) != IssueFilm::Fait)
      state.SkipWithError("the film was not made");
    pic = std::max(pic, pic_memoire());
  }
  const double image = 4.0 * kLargeur * echelle * kHauteur * echelle;
  state.counters["image_Mo"] = image / 1e6;
  state.counters["pic_Mo"] = pic / 1e6;
  state.counters["film_Mo"] = static_cast<double>(QFileInfo(sortie).size()) / 1e6;
  // Real time is 23 s (20 s of drawing, 3 s held): the budget, 20 s at scale 1, 60 s at 2.
  state.counters["budget_s"] = echelle == 1 ? 20 : 60;
}
BENCHMARK(BM_FilmMp4)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("echelle")
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

// The frames as files: each distinct frame written once as PNG, its repeats hard links to
// it (cheaper than the files a user's script would write), then `ffmpeg` encodes them.
void BM_FilmPngPuisFfmpeg(benchmark::State& state) {
  const int echelle = static_cast<int>(state.range(0));
  const Journal& journal = journal_du_banc();
  const QTemporaryDir dossier;
  for (auto _ : state) {
    ImagesDuDessin images(journal, echelle, false);
    images.mesurer({}, false);
    int numero = 0;
    const auto nom = [&](int n) {
      return QFile::encodeName(dossier.filePath(QString::asprintf("%05d.png", n))).toStdString();
    };
    const ReglagesFilm r = reglages(echelle);
    images.filmer(
        r.images_dessin(), r.images_tenue(),
        [&](const Bitmap& image, std::int64_t fois) {
          const QImage vue(reinterpret_cast<const uchar*>(image.data()), image.width(),
                           image.height(), image.width() * 4, QImage::Format_RGBX8888);
          const std::string premiere = nom(numero++);
          vue.save(QString::fromStdString(premiere), "PNG");
          for (std::int64_t i = 1; i < fois; ++i)
            if (::link(premiere.c_str(), nom(numero++).c_str()) != 0) std::abort();
        },
        [] { return true; });
    const std::string commande =
        "ffmpeg -v error -y -framerate " + std::to_string(kImagesParSeconde) + " -i '" +
        QFile::encodeName(dossier.path()).toStdString() +
        "/%05d.png' -c:v libx264 -preset veryfast -crf 18 -pix_fmt yuv420p "
        "-movflags +faststart '" +
        QFile::encodeName(dossier.filePath(QStringLiteral("film.mp4"))).toStdString() + "'";
    if (std::system(commande.c_str()) != 0) state.SkipWithError("ffmpeg failed");
  }
}
BENCHMARK(BM_FilmPngPuisFfmpeg)
    ->Arg(1)
    ->ArgName("echelle")
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
