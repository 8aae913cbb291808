// orvane --thumbnail: its options, the reduced picture it writes, and its refusals.
#include <gmock/gmock.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QUrl>
#include <sstream>

#include "app/ligne_de_commande.h"
#include "app/vignette_commande.h"
#include "journal/rendu_echelle.h"
#include "persistence/fichier_journal.h"

namespace orvane {
namespace {

using ::testing::MatchesRegex;

struct CasVignette {
  std::vector<const char*> arguments;
  std::optional<int> taille;  // the thumbnail asked for, or a mistake
  std::string erreur;         // the one sentence, status 1
};

TEST(LigneDeCommandeVignette, AJournalAnOutputAndASizeOrOneSentenceForTheirMistake) {
  const std::vector<CasVignette> cas = {
      {{"--thumbnail", "j.orvane", "v.png", "256"}, 256, ""},
      {{"-platform", "offscreen", "--thumbnail", "j.orvane", "v.png", "1"}, 1, ""},
      {{"--thumbnail", "j.orvane", "v.png", "4096"}, 4096, ""},
      {{"--thumbnail", "j.orvane", "v.png", "0"}, std::nullopt,
       "orvane : La taille « 0 » n'est pas un entier de 1 à 4096.\n"},
      {{"--thumbnail", "j.orvane", "v.png", "4097"}, std::nullopt,
       "orvane : La taille « 4097 » n'est pas un entier de 1 à 4096.\n"},
      {{"--thumbnail", "j.orvane", "v.png", "12px"}, std::nullopt,
       "orvane : La taille « 12px » n'est pas un entier de 1 à 4096.\n"},
      {{"--thumbnail", "j.orvane", "v.png"}, std::nullopt,
       "orvane : L'option « --thumbnail » attend le journal, la vignette à écrire et sa "
       "taille.\n"},
      {{"--thumbnail", "j.orvane", "v.png", "64", "--smooth"}, std::nullopt,
       "orvane : Les options --render, --scale, --output, --smooth et --threads ne servent "
       "pas avec --thumbnail.\n"},
      {{"--render", "j.orvane", "--thumbnail", "j.orvane", "v.png", "64"}, std::nullopt,
       "orvane : Les options --render, --scale, --output, --smooth et --threads ne servent "
       "pas avec --thumbnail.\n"},
      {{"--thumbnail", "j.orvane", "v.png", "64", "--threads", "2"}, std::nullopt,
       "orvane : Les options --render, --scale, --output, --smooth et --threads ne servent "
       "pas avec --thumbnail.\n"},
      {{"autre.png", "--thumbnail", "j.orvane", "v.png", "64"}, std::nullopt,
       "orvane : Avec --thumbnail, « autre.png » est de trop.\n"},
  };
  for (const CasVignette& c : cas) {
    std::vector<const char*> arguments{"orvane"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    std::ostringstream sortie, erreurs;
    const DemandeLigne demande = lire_ligne_de_commande(static_cast<int>(arguments.size()),
                                                        arguments.data(), sortie, erreurs);
    const std::string qui = arguments.back();
    EXPECT_EQ(erreurs.str(), c.erreur) << qui;
    EXPECT_EQ(sortie.str(), "") << qui;
    EXPECT_EQ(demande.fin, c.taille ? std::nullopt : std::optional(1)) << qui;
    EXPECT_FALSE(demande.rendu) << qui;
    ASSERT_EQ(demande.vignette.has_value(), c.taille.has_value()) << qui;
    if (!c.taille) continue;
    EXPECT_EQ(demande.vignette->journal, "j.orvane");
    EXPECT_EQ(demande.vignette->sortie, "v.png");
    EXPECT_EQ(demande.vignette->taille, *c.taille);
  }
}

// Blocks of 4 x 4 pixels, each of one colour that tells where it is, but for one pixel in
// each block whose red is 4 x 16 higher: reduced 4 times, a block gives its mean, 4 more.
Bitmap blocs(int largeur, int hauteur) {
  Bitmap image(largeur, hauteur);
  for (int y = 0; y < hauteur; ++y)
    for (int x = 0; x < largeur; ++x) {
      const int rouge = (x % 4 == 0 && y % 4 == 0) ? 64 : 0;
      image.setPixel(x, y, RGB(rouge + (x / 4) % 100, (y / 4) % 200, 7));
    }
  return image;
}

TEST(Vignette, ThePictureReducedToFitTheSquareEachPixelTheMeanOfItsBlock) {
  const Bitmap image = blocs(1024, 576);
  const QImage large = vignette_de(image, 256);
  ASSERT_EQ(large.size(), QSize(256, 144));
  for (const auto& [x, y] : {std::pair{0, 0}, {255, 143}, {99, 70}, {130, 3}}) {
    // Qt's weights in fixed point may round a mean one step away.
    const QRgb p = large.pixel(x, y);
    EXPECT_NEAR(qRed(p), 4 + x % 100, 1) << x << "," << y;
    EXPECT_NEAR(qGreen(p), y % 200, 1) << x << "," << y;
    EXPECT_NEAR(qBlue(p), 7, 1) << x << "," << y;
  }
  // A tall picture fits in height; one that fits already is kept pixel for pixel.
  EXPECT_EQ(vignette_de(blocs(300, 1200), 128).size(), QSize(32, 128));
  const QImage petite = vignette_de(blocs(100, 40), 128);
  ASSERT_EQ(petite.size(), QSize(100, 40));
  EXPECT_EQ(petite.pixel(4, 8), qRgb(64 + 1, 2, 7));
  EXPECT_EQ(petite.pixel(5, 8), qRgb(1, 2, 7));
}

class VignetteCommande : public ::testing::Test {
 protected:
  QString dans(const QString& nom) const { return repertoire.filePath(nom); }
  std::string chemin(const QString& nom) const { return QFile::encodeName(dans(nom)).toStdString(); }
  QStringList fichiers() const {
    return QDir(repertoire.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
  }

  QTemporaryDir repertoire;
  std::ostringstream erreurs;
};

TEST_F(VignetteCommande, WritesAPngOfTheReducedPictureAJournalNamedByAFileAddressToo) {
  QString lu;
  const LectureDessin lire = [&lu](const QString& chemin) {
    lu = chemin;
    return Dessin{800, 600, [](int echelle, Bitmap& sortie, const ProgresRedessin&) {
                    sortie = blocs(800 * echelle, 600 * echelle);
                    return true;
                  }};
  };
  const std::string adresse = QUrl::fromLocalFile(dans("été 1.orvane")).toString().toStdString();
  ASSERT_EQ(vignette_en_commande({adresse, chemin("vignette"), 200}, lire, erreurs), 0)
      << erreurs.str();
  EXPECT_EQ(lu, dans("été 1.orvane"));
  EXPECT_EQ(erreurs.str(), "");
  QImageReader lecteur(dans("vignette"));
  EXPECT_EQ(lecteur.format(), "png");  // whatever the name
  const QImage vignette = lecteur.read();
  ASSERT_EQ(vignette.size(), QSize(200, 150));
  EXPECT_NEAR(qRed(vignette.pixel(10, 20)), 4 + 10, 1);
  EXPECT_NEAR(qGreen(vignette.pixel(10, 20)), 20, 1);
  EXPECT_EQ(fichiers(), QStringList{"vignette"});
}

TEST_F(VignetteCommande, ADamagedJournalGivesOneSentenceStatusOneAndNoFile) {
  // Not a journal, and the fuzzers' example journal cut in half.
  QFile coupe(QStringLiteral(ORVANE_GRAINES "/journal/coupe.orvane"));
  ASSERT_TRUE(coupe.open(QIODevice::ReadOnly));
  for (const QByteArray& contenu : {QByteArray("pas un journal"), coupe.readAll()}) {
    QFile abime(dans("abime.orvane"));
    ASSERT_TRUE(abime.open(QIODevice::WriteOnly));
    abime.write(contenu);
    abime.close();
    erreurs.str({});
    const LectureDessin lire = [](const QString& c) { return dessin_du_journal(lire_journal(c)); };
    EXPECT_EQ(vignette_en_commande({chemin("abime.orvane"), chemin("v.png"), 128}, lire, erreurs),
              1);
    EXPECT_THAT(erreurs.str(), MatchesRegex("orvane : Impossible de lire le journal "
                                            "« .*abime\\.orvane » : [^\n]*\\.\n"));
    EXPECT_EQ(fichiers(), QStringList{"abime.orvane"});
  }
}

}  // namespace
}  // namespace orvane
