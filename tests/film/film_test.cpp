// Films written with FFmpeg's libraries, read back as a player would: the codec, the frame
// count, the blank canvas first, the figure growing, the rendered picture last.
#include <gmock/gmock.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>

#include "film/decodage_film.h"
#include "film/faire_film.h"
#include "film/journal_exemple.h"
#include "journal/rendu_echelle.h"

namespace orvane {
namespace {

using test::allumes;
using test::coin;
using test::journal_exemple;
using test::kFondExemple;
using test::kHauteurExemple;
using test::kLargeurExemple;
using test::lire_film;

struct CasFilm {
  const char* nom;
  std::string codec, pixels;
  int echelle;
  bool lisse;
  int largeur_codee, hauteur_codee;  // the odd sides padded where the codec wants
};

class Film : public ::testing::Test {
 protected:
  std::string chemin(const char* nom) const {
    return QFile::encodeName(repertoire.filePath(nom)).toStdString();
  }
  QStringList fichiers() const {
    return QDir(repertoire.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
  }
  QTemporaryDir repertoire;
};

TEST_F(Film, EachFormatHoldsTheFramesFromTheBlankCanvasToThePictureRenderAndDraws) {
  const Journal journal = journal_exemple();
  const Dessin dessin = dessin_du_journal(journal);
  const std::vector<CasFilm> cas = {
      {"a.mp4", "h264", "yuv420p", 1, false, 130, 98},
      {"b.mp4", "h264", "yuv420p", 2, true, 258, 194},
      {"c.webm", "vp9", "yuv420p", 1, false, 130, 98},
      {"d.gif", "gif", "bgra", 1, false, 129, 97},
  };
  ReglagesFilm reglages;
  reglages.duree = 2;
  reglages.images_par_seconde = 10;
  const int dessin_images = 20, toutes = 20 + 30;
  for (const CasFilm& c : cas) {
    SCOPED_TRACE(c.nom);
    reglages.echelle = c.echelle;
    reglages.lisse = c.lisse;
    const QString sortie = repertoire.filePath(c.nom);
    ASSERT_EQ(refus_film(sortie, kLargeurExemple, kHauteurExemple, reglages), "");
    ASSERT_EQ(faire_film(journal, sortie, reglages, {}), IssueFilm::Fait);
    const test::FilmLu film = lire_film(chemin(c.nom));
    EXPECT_EQ(film.codec, c.codec);
    EXPECT_EQ(film.pixels, c.pixels);
    ASSERT_EQ(film.largeur, c.largeur_codee);
    ASSERT_EQ(film.hauteur, c.hauteur_codee);
    ASSERT_NEAR(static_cast<double>(film.images.size()), toutes, 1);
    if (c.codec != "gif") {
      EXPECT_DOUBLE_EQ(film.images_par_seconde, 10);
    }
    if (c.codec == "h264") {
      QFile fichier(sortie);
      ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
      const QByteArray octets = fichier.readAll();
      EXPECT_LT(octets.indexOf("moov"), octets.indexOf("mdat")) << "the index comes first";
    }

    const std::optional<Bitmap> rendu = rendre(dessin, c.echelle, c.lisse, {});
    ASSERT_TRUE(rendu);
    const int l = rendu->width(), h = rendu->height();
    const Bitmap premiere = coin(film.images.front(), l, h);
    const Bitmap milieu = coin(film.images[dessin_images / 2], l, h);
    const Bitmap derniere = coin(film.images[dessin_images - 1], l, h);
    EXPECT_LE(allumes(premiere, kFondExemple), l * h / 100) << "the first frame is the canvas";
    EXPECT_GT(allumes(milieu, kFondExemple), allumes(premiere, kFondExemple) + l * h / 50);
    EXPECT_LT(allumes(milieu, kFondExemple), allumes(derniere, kFondExemple) - l * h / 50);
    if (c.codec == "gif") {
      EXPECT_GE(test::part_proche(derniere, *rendu, 12), 0.99);
      EXPECT_GE(test::part_proche(coin(film.images.back(), l, h), *rendu, 12), 0.99)
          << "the hold shows the finished picture";
    } else {
      ASSERT_EQ(film.images_yuv.size(), film.images.size());
      EXPECT_GE(test::psnr_yuv(film.images_yuv[dessin_images - 1], *rendu, kFondExemple), 35);
      EXPECT_GE(test::psnr_yuv(film.images_yuv.back(), *rendu, kFondExemple), 35)
          << "the hold shows the finished picture";
      // In RGB, past the chroma's halving: the figure's colours where they are.
      EXPECT_GE(test::part_proche(derniere, *rendu, 12), 0.75);
    }
    // A padded side has the canvas's colour in the first frame.
    if (film.largeur > l) {
      const Bitmap& f = film.images.front();
      EXPECT_EQ(allumes(f, kFondExemple), allumes(premiere, kFondExemple));
    }
  }
  EXPECT_EQ(fichiers(), QStringList({"a.mp4", "b.mp4", "c.webm", "d.gif"}));
}

TEST_F(Film, AStopOrAJournalThatDrawsNothingLeavesNoFile) {
  ReglagesFilm reglages;
  reglages.duree = 2;
  reglages.images_par_seconde = 10;
  for (const char* nom : {"a.mp4", "b.webm", "c.gif"}) {
    std::atomic<int> appels{0};
    const ProgresFilm arret{{}, [&](std::int64_t fait, std::int64_t) {
                              ++appels;
                              return fait < 10;
                            }};
    EXPECT_EQ(faire_film(journal_exemple(), repertoire.filePath(nom), reglages, arret),
              IssueFilm::Arrete)
        << nom;
    EXPECT_GT(appels.load(), 0);
    Journal vide;
    vide.ajouter(EntreeToile{30, 20, 0});
    EXPECT_EQ(faire_film(vide, repertoire.filePath(nom), reglages, {}), IssueFilm::Vide);
    const ProgresFilm arret_mesure{[](std::int64_t fait, std::int64_t) { return fait < 3; }, {}};
    EXPECT_EQ(faire_film(journal_exemple(), repertoire.filePath(nom), reglages, arret_mesure),
              IssueFilm::Arrete);
  }
  EXPECT_EQ(fichiers(), QStringList());
}

}  // namespace
}  // namespace orvane
