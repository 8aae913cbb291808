#include "persistence/historique_images.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <utility>
#include <vector>

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
    historique_.lire_image = [this](const QString& chemin) {
      ++lectures_;
      return lire_fichier_bmp(chemin);
    };
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

  // Steps |n| times, back when n < 0, each step having to paint exactly what the file it
  // names holds, or nothing where there is none.
  void pas_fideles(int n) {
    for (int i = 0; i < std::abs(n); ++i) {
      const qsizetype avant = label5_.size();
      n < 0 ? reculer() : avancer();
      const QString nom = historique_.nom_instantane();
      if (label5_.size() == avant) {
        EXPECT_TRUE(canvas_est(kAutre)) << nom.toStdString();
        EXPECT_FALSE(QFile::exists(nom)) << nom.toStdString();
      } else {
        EXPECT_EQ(label5_.last(), "load " + nom);
        EXPECT_TRUE(canvas_.bitmap() == lire_fichier_bmp(nom)) << nom.toStdString();
      }
    }
  }

  QTemporaryDir dossier_;
  HistoriqueImages historique_;
  Canvas canvas_;
  QStringList label6_;
  QStringList label5_;
  int lectures_ = 0;  // files read by the ring
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

// --- the pictures kept in memory ----------------------------------------------------------

TEST_F(Historique, LesPasEnMemoireMontrentCeQueTiennentLesFichiers) {
  traits(13);  // a lap and three places more: index 2
  historique_.ecrire_image = [](const QString&, const Bitmap&) {
    throw ErreurFichier("disque plein");
  };
  // Place 3 keeps the file of the first lap.
  EXPECT_THROW(historique_.wb(unie(RGB(66, 66, 66))), ErreurFichier);
  historique_.ecrire_image = ecrire_fichier_bmp;
  ASSERT_EQ(historique_.indice_historique(), 2);

  pas_fideles(-12);
  pas_fideles(+14);
  EXPECT_EQ(lectures_, 1);  // the file of the failed write alone; the rest from memory

  // A new run knows no picture: it reads each file once, then keeps it.
  lectures_ = 0;
  HistoriqueImages relance(dossier_.path());
  relance.legende_chargement = historique_.legende_chargement;
  relance.lire_image = historique_.lire_image;
  std::swap(historique_, relance);
  pas_fideles(+10);
  EXPECT_EQ(lectures_, 10);
  pas_fideles(-10);
  pas_fideles(+10);
  EXPECT_EQ(lectures_, 10);
}

TEST_F(Historique, UnFichierChangeParUnAutreProgrammeEstRelu) {
  traits(3);
  ecrire_fichier_bmp(fichier(1), unie(RGB(200, 0, 0)));
  ASSERT_TRUE(QFile::remove(fichier(0)));
  pas_fideles(-3);  // 2 from memory, 1 read again, 0 gone
  EXPECT_EQ(lectures_, 1);
}

// A disk whose writes wait at a gate the test opens, and that fails the writes of one colour.
class DisqueLent {
 public:
  static constexpr Colour kRefusee = RGB(66, 0, 66);

  std::function<void(const QString&, const Bitmap&)> ecrivain() {
    return [this](const QString& chemin, const Bitmap& image) {
      std::unique_lock verrou(m_);
      ecritures_.emplace_back(chemin, image.pixel(0, 0));
      cv_.notify_all();
      cv_.wait(verrou, [this] { return passages_ > 0; });
      --passages_;
      verrou.unlock();
      if (image.pixel(0, 0) == kRefusee) throw ErreurFichier("disque plein");
      ecrire_fichier_bmp(chemin, image);
    };
  }
  // Lets `n` more writes through.
  void laisser_passer(int n) {
    const std::lock_guard verrou(m_);
    passages_ += n;
    cv_.notify_all();
  }
  // Waits until `n` writes have begun.
  void attendre_debuts(std::size_t n) {
    std::unique_lock verrou(m_);
    cv_.wait(verrou, [&] { return ecritures_.size() >= n; });
  }
  std::vector<std::pair<QString, Colour>> ecritures() {
    const std::lock_guard verrou(m_);
    return ecritures_;
  }

 private:
  std::mutex m_;
  std::condition_variable cv_;
  int passages_ = 0;
  std::vector<std::pair<QString, Colour>> ecritures_;  // begun, in order
};

// Work that must end while the disk is held: a generous bound, only against a hang.
template <class F>
void sans_attendre_le_disque(F travail) {
  auto fait = std::async(std::launch::async, travail);
  ASSERT_EQ(fait.wait_for(std::chrono::seconds(30)), std::future_status::ready)
      << "waited for the disk";
  fait.get();
}

TEST_F(Historique, LesTraitsRapidesNAttendentPasLeDisque) {
  DisqueLent disque;
  historique_.ecrire_image = disque.ecrivain();
  std::atomic<int> fins = 0;
  historique_.ecriture_terminee = [&fins] { ++fins; };

  sans_attendre_le_disque([&] {
    historique_.commencer_wb(unie(couleur_du_trait(0)));
    disque.attendre_debuts(1);  // the first stroke's write holds the disk
    for (int i = 1; i < 30; ++i) historique_.commencer_wb(unie(couleur_du_trait(i)));
    EXPECT_FALSE(historique_.bilan_ecritures());
    EXPECT_EQ(historique_.indice_historique(), 9);
    // Back through the whole ring, the disk still held: the newest picture of each place.
    for (int i = 29; i >= 20; --i) {
      reculer();
      EXPECT_TRUE(canvas_est(couleur_du_trait(i))) << i;
    }
  });
  EXPECT_EQ(lectures_, 0);

  disque.laisser_passer(1000);
  EXPECT_TRUE(historique_.finir_wb());
  // A place is written once more only with its newest picture, after the places queued
  // before it.
  std::vector<std::pair<QString, Colour>> attendues{{fichier(0), couleur_du_trait(0)}};
  for (int place = 1; place < 10; ++place)
    attendues.emplace_back(fichier(place), couleur_du_trait(20 + place));
  attendues.emplace_back(fichier(0), couleur_du_trait(20));
  EXPECT_EQ(disque.ecritures(), attendues);
  EXPECT_EQ(fins, 11);
  for (int place = 0; place < 10; ++place)
    EXPECT_TRUE(lire_fichier_bmp(fichier(place)) == unie(couleur_du_trait(20 + place))) << place;
}

TEST_F(Historique, LaFinDUneEcritureNAttendPasLaSuivante) {
  DisqueLent disque;
  historique_.ecrire_image = disque.ecrivain();
  disque.laisser_passer(1);
  historique_.commencer_wb(unie(couleur_du_trait(0)));
  historique_.commencer_wb(unie(couleur_du_trait(1)));
  disque.attendre_debuts(2);
  // The first write is over, the second held: its end is taken at once.
  sans_attendre_le_disque([&] { EXPECT_TRUE(historique_.bilan_ecritures()); });
  disque.laisser_passer(1);
  EXPECT_TRUE(historique_.finir_wb());
}

TEST_F(Historique, UneEcritureRateeEmporteCellesQuiLaSuivent) {
  ecrire_fichier_bmp(fichier(1), unie(RGB(9, 9, 9)));  // from an earlier run
  ecrire_fichier_bmp(fichier(2), unie(RGB(8, 8, 8)));
  traits(1);
  DisqueLent disque;
  historique_.ecrire_image = disque.ecrivain();
  std::vector<int> oubliees;
  historique_.ecriture_echouee = [&oubliees](int place) { oubliees.push_back(place); };
  historique_.commencer_wb(unie(DisqueLent::kRefusee));
  historique_.commencer_wb(unie(couleur_du_trait(2)));
  historique_.commencer_wb(unie(couleur_du_trait(3)));
  disque.attendre_debuts(1);
  disque.laisser_passer(1000);

  try {
    historique_.finir_wb();
    ADD_FAILURE() << "the failed write was not reported";
  } catch (const ErreurFichier& e) {
    EXPECT_THAT(e.what(), HasSubstr("disque plein"));
  }
  EXPECT_EQ(disque.ecritures().size(), 1u);
  EXPECT_THAT(oubliees, ElementsAre(1, 2, 3));
  // Back where the ring stood before the failed write, the files as they were.
  EXPECT_EQ(historique_.indice_historique(), 0);
  EXPECT_EQ(historique_.nom_instantane(), fichier(0));
  EXPECT_FALSE(QFile::exists(fichier(3)));
  pas_fideles(-1);
  pas_fideles(+4);

  historique_.wb(unie(couleur_du_trait(4)));  // the queue goes on
  EXPECT_TRUE(lire_fichier_bmp(fichier(4)) == unie(couleur_du_trait(4)));
}

}  // namespace
}  // namespace orvane
