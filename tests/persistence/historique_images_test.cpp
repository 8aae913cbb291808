#include "persistence/historique_images.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "persistence/bmp_fabrique.h"
#include "persistence/fichier_bmp.h"

namespace orvane {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr int kLargeur = 8;
constexpr int kHauteur = 6;

Bitmap unie(Colour c, int largeur = kLargeur, int hauteur = kHauteur) {
  return Bitmap(largeur, hauteur, c);
}

// The picture of stroke n: one colour per stroke.
Colour couleur_du_trait(int n) { return RGB(10 * n + 5, 200 - n, 3 * n); }
constexpr Colour kAutre = RGB(1, 2, 3);  // what the canvas shows before a step

class Historique : public ::testing::Test {
 protected:
  Historique() : historique_(dossier_.path()), canvas_(kLargeur, kHauteur, kAutre) {
    historique_.legende_sauvegarde = [this](const QString& t) { label6_.append(t); };
    historique_.legende_chargement = [this](const QString& t) { label5_.append(t); };
  }

  QString fichier(int position) const {
    return dossier_.path() + QStringLiteral("/~%1.bmp").arg(100 + position);
  }

  // Strokes 0..n-1, each leaving its own picture on the canvas, then a snapshot.
  void traits(int n) {
    for (int i = 0; i < n; ++i) historique_.wb(unie(couleur_du_trait(i)));
  }

  // Paints kAutre first, so that a step that paints nothing is seen.
  void reculer() {
    canvas_ = Canvas(kLargeur, kHauteur, kAutre);
    historique_.affiche_fic_precedent(canvas_);
  }
  void avancer() {
    canvas_ = Canvas(kLargeur, kHauteur, kAutre);
    historique_.affiche_fic_suivant(canvas_);
  }
  bool canvas_est(Colour c) const { return canvas_.bitmap() == unie(c); }

  QTemporaryDir dossier_;
  HistoriqueImages historique_;
  Canvas canvas_;
  QStringList label6_;
  QStringList label5_;
};

TEST(NomsInstantanes, RepertoirePuisTildeEtNumero) {
  EXPECT_EQ(HistoriqueImages("/a/b").fichier_instantane(0), "/a/b/~100.bmp");
  EXPECT_EQ(HistoriqueImages("/a/b").fichier_instantane(9), "/a/b/~109.bmp");
  EXPECT_EQ(HistoriqueImages("/").fichier_instantane(3), "//~103.bmp");
}

TEST_F(Historique, PremierDemarrage) {
  EXPECT_EQ(historique_.indice_historique(), -1);
  EXPECT_TRUE(historique_.nom_instantane().isEmpty());

  reculer();
  EXPECT_EQ(historique_.indice_historique(), -1);
  EXPECT_TRUE(canvas_est(kAutre));

  avancer();  // ~100.bmp does not exist
  EXPECT_EQ(historique_.indice_historique(), 0);
  EXPECT_EQ(historique_.nom_instantane(), fichier(0));
  EXPECT_TRUE(canvas_est(kAutre));
  EXPECT_THAT(label5_, IsEmpty());
  EXPECT_THAT(label6_, IsEmpty());
}

TEST_F(Historique, TroisTraitsEcriventTroisFichiers) {
  traits(3);
  EXPECT_EQ(historique_.indice_historique(), 2);
  EXPECT_EQ(historique_.nom_instantane(), fichier(2));
  EXPECT_THAT(label6_, ElementsAre("save " + fichier(0), "save " + fichier(1),
                                   "save " + fichier(2)));
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(lire_fichier_bmp(fichier(i)) == unie(couleur_du_trait(i))) << i;
  EXPECT_FALSE(QFile::exists(fichier(3)));
}

TEST_F(Historique, ReculerPeintPuisRecule) {
  traits(3);
  // The first step back paints the picture as it stands.
  const struct {
    int indice_apres;
    Colour peinte;
  } pas[] = {{1, couleur_du_trait(2)}, {0, couleur_du_trait(1)}, {9, couleur_du_trait(0)},
             {8, kAutre}};  // ~109.bmp absent: nothing painted
  for (const auto& p : pas) {
    reculer();
    EXPECT_EQ(historique_.indice_historique(), p.indice_apres);
    EXPECT_TRUE(canvas_est(p.peinte)) << "index " << p.indice_apres;
  }
  EXPECT_THAT(label5_, ElementsAre("load " + fichier(2), "load " + fichier(1),
                                   "load " + fichier(0)));
  EXPECT_EQ(historique_.nom_instantane(), fichier(9));
}

TEST_F(Historique, ReculerAtteintLesFichiersDUnTourPrecedent) {
  ecrire_fichier_bmp(fichier(9), unie(RGB(9, 9, 9)));  // left by an earlier run
  traits(1);
  reculer();
  EXPECT_TRUE(canvas_est(couleur_du_trait(0)));
  reculer();
  EXPECT_EQ(historique_.indice_historique(), 8);
  EXPECT_TRUE(canvas_est(RGB(9, 9, 9)));
}

TEST_F(Historique, ReculerDeuxFoisPuisAvancer) {
  traits(3);
  reculer();
  reculer();
  ASSERT_EQ(historique_.indice_historique(), 0);

  const struct {
    int indice_apres;
    Colour peinte;
  } pas[] = {{1, couleur_du_trait(1)}, {2, couleur_du_trait(2)}, {3, kAutre}};
  for (const auto& p : pas) {
    avancer();
    EXPECT_EQ(historique_.indice_historique(), p.indice_apres);
    EXPECT_TRUE(canvas_est(p.peinte)) << "index " << p.indice_apres;
  }
}

TEST_F(Historique, UnTraitApresUnRetourRemplaceLaPositionSuivante) {
  traits(3);
  reculer();
  reculer();  // index 0
  historique_.wb(unie(RGB(77, 77, 77)));
  EXPECT_EQ(historique_.indice_historique(), 1);
  EXPECT_TRUE(lire_fichier_bmp(fichier(1)) == unie(RGB(77, 77, 77)));
  avancer();  // the later snapshot is still there
  EXPECT_TRUE(canvas_est(couleur_du_trait(2)));
}

TEST_F(Historique, OnzeTraitsRecommencentA100) {
  traits(11);
  EXPECT_EQ(historique_.indice_historique(), 0);
  EXPECT_EQ(label6_.last(), "save " + fichier(0));
  EXPECT_TRUE(lire_fichier_bmp(fichier(0)) == unie(couleur_du_trait(10)));
  EXPECT_TRUE(lire_fichier_bmp(fichier(1)) == unie(couleur_du_trait(1)));
  EXPECT_TRUE(lire_fichier_bmp(fichier(9)) == unie(couleur_du_trait(9)));
}

TEST_F(Historique, AvancerDe9RevientA0) {
  traits(10);
  ASSERT_EQ(historique_.indice_historique(), 9);
  avancer();
  EXPECT_EQ(historique_.indice_historique(), 0);
  EXPECT_TRUE(canvas_est(couleur_du_trait(0)));
}

TEST_F(Historique, UnPasSurUnFichierAbsentDeplaceLIndiceSansRienPeindre) {
  traits(3);
  ASSERT_TRUE(QFile::remove(fichier(2)));
  reculer();
  EXPECT_EQ(historique_.indice_historique(), 1);
  EXPECT_TRUE(canvas_est(kAutre));
  EXPECT_THAT(label5_, IsEmpty());
}

// --- painting a file ----------------------------------------------------------------------

TEST_F(Historique, UnePetiteImageCouvreSeulementLeCoinHautGauche) {
  const QString petite = dossier_.filePath("petite.bmp");
  ecrire_fichier_bmp(petite, unie(RGB(250, 0, 0), 3, 2));
  historique_.lire_bmp(petite, canvas_);
  for (int y = 0; y < kHauteur; ++y)
    for (int x = 0; x < kLargeur; ++x)
      ASSERT_EQ(canvas_.Pixels(x, y), x < 3 && y < 2 ? RGB(250, 0, 0) : kAutre) << x << "," << y;
  EXPECT_THAT(label5_, ElementsAre("load " + petite));
}

TEST_F(Historique, UneGrandeImageEstCoupee) {
  const QString grande = dossier_.filePath("grande.bmp");
  Bitmap image(kLargeur + 5, kHauteur + 4);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, RGB(x, y, 100));
  ecrire_fichier_bmp(grande, image);
  historique_.lire_bmp(grande, canvas_);
  ASSERT_EQ(canvas_.width(), kLargeur);
  ASSERT_EQ(canvas_.height(), kHauteur);
  for (int y = 0; y < kHauteur; ++y)
    for (int x = 0; x < kLargeur; ++x) ASSERT_EQ(canvas_.Pixels(x, y), RGB(x, y, 100));
}

TEST_F(Historique, LePinceauNeComptePasDansLaCopie) {
  canvas_.pen.mode = R2_XORPEN;
  const QString fichier_gris = dossier_.filePath("gris.bmp");
  ecrire_fichier_bmp(fichier_gris, unie(RGB(80, 80, 80)));
  historique_.lire_bmp(fichier_gris, canvas_);
  EXPECT_TRUE(canvas_est(RGB(80, 80, 80)));
}

TEST_F(Historique, FichierAbsentIgnore) {
  historique_.lire_bmp(dossier_.filePath("absent.bmp"), canvas_);
  EXPECT_TRUE(canvas_est(kAutre));
  EXPECT_THAT(label5_, IsEmpty());
}

// --- files that cannot be read or written ------------------------------------------------

void endommager(const QString& chemin) {
  test::ecrire_octets(chemin, QByteArray("BM abîmé, pas une image"));
}

TEST_F(Historique, FichierIllisibleLeveEtLaisseLeCanvas) {
  const QString abime = dossier_.filePath("abime.bmp");
  endommager(abime);
  try {
    historique_.lire_bmp(abime, canvas_);
    ADD_FAILURE() << "damaged file accepted";
  } catch (const ErreurFichier& e) {
    EXPECT_THAT(e.what(), HasSubstr(abime.toStdString()));
  }
  EXPECT_TRUE(canvas_est(kAutre));
  EXPECT_THAT(label5_, IsEmpty());
}

TEST_F(Historique, InstantaneIllisibleEnReculantGardeLIndice) {
  traits(3);
  endommager(fichier(2));
  canvas_ = Canvas(kLargeur, kHauteur, kAutre);
  EXPECT_THROW(historique_.affiche_fic_precedent(canvas_), ErreurFichier);
  EXPECT_EQ(historique_.indice_historique(), 2);
  EXPECT_TRUE(canvas_est(kAutre));
}

TEST_F(Historique, InstantaneIllisibleEnAvancantDeplaceLIndice) {
  traits(3);
  reculer();
  reculer();  // index 0
  endommager(fichier(1));
  canvas_ = Canvas(kLargeur, kHauteur, kAutre);
  EXPECT_THROW(historique_.affiche_fic_suivant(canvas_), ErreurFichier);
  EXPECT_EQ(historique_.indice_historique(), 1);
  EXPECT_TRUE(canvas_est(kAutre));
}

TEST_F(Historique, RepertoireNonInscriptibleLeveAChaqueEcriture) {
  const QString pas_un_dossier = dossier_.filePath("fichier");
  test::ecrire_octets(pas_un_dossier, "x");
  HistoriqueImages historique(pas_un_dossier);
  QStringList label6;
  historique.legende_sauvegarde = [&](const QString& t) { label6.append(t); };

  for (int essai = 0; essai < 2; ++essai) {
    try {
      historique.wb(unie(couleur_du_trait(essai)));
      ADD_FAILURE() << "write into a non-directory succeeded";
    } catch (const ErreurFichier& e) {
      EXPECT_THAT(e.what(), HasSubstr((pas_un_dossier + "/~100.bmp").toStdString()));
    }
    // The caption names the file before the write; the ring does not move past a
    // snapshot that was never written.
    EXPECT_EQ(historique.indice_historique(), -1);
  }
  EXPECT_THAT(label6, ElementsAre("save " + pas_un_dossier + "/~100.bmp",
                                  "save " + pas_un_dossier + "/~100.bmp"));
}

TEST_F(Historique, EcritureRateeNeLaissePasUnVieuxFichierDansLHistoire) {
  ecrire_fichier_bmp(fichier(1), unie(RGB(9, 9, 9)));  // from an earlier run
  traits(1);
  // An empty picture cannot be written, whoever runs the test.
  EXPECT_THROW(historique_.wb(Bitmap()), ErreurFichier);
  EXPECT_EQ(historique_.indice_historique(), 0);
  EXPECT_EQ(historique_.nom_instantane(), fichier(0));
  reculer();
  EXPECT_TRUE(canvas_est(couleur_du_trait(0)));
}

}  // namespace
}  // namespace orvane
