#include "colour/coloriage_aleatoire.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "colour/coul_aleatoire.h"
#include "drawing/trace_symetrique.h"

namespace orvane {
namespace {

constexpr Colour kCrayon = 0x008000;

// A canvas painted by the real renderer, with a scripted pointer and scripted colours, and
// a log of what the walk reports.
class Coloriage : public testing::Test {
 protected:
  void preparer(int largeur, int hauteur, int symetrie, Point centre, Colour fond = 0) {
    toile = Canvas(largeur, hauteur, fond);
    reglages.symetrie = symetrie;
    reglages.peindre_dessiner = 1;
    reglages.nb_petales = 1;
    etat.centre_x = centre.x;
    etat.centre_y = centre.y;
    etat.couleur_crayon = kCrayon;
  }

  EnvironnementColoriage environnement() {
    EnvironnementColoriage env;
    env.couleur_aleatoire = [this] {
      if (couleurs.empty()) return coul_aleatoire(COUL_NORMALE, 0, aleatoire);
      const Colour c = couleurs.front();
      couleurs.pop_front();
      return c;
    };
    env.remplir = [this](Point p, Colour c) {
      remplis.push_back(p);
      etat.couleur_peinture = c;
      trace_symetrique(toile, reglages, aleatoire, etat, p, p, R2_COPYPEN, c);
    };
    env.pointeur = [this] { return pointeur; };
    env.montrer_peinture = [this](Colour c) { montrees.push_back(c); };
    env.legende_x = [this](const std::string& t) { journal.push_back("x:" + t); };
    env.legende_y = [this](const std::string& t) { journal.push_back("y:" + t); };
    env.arret_demande = [this] { return ++questions_arret > arret_apres; };
    return env;
  }

  void en_ligne() { parcours_en_ligne(toile, etat.centre_y, peinture, environnement()); }
  void en_grille() { parcours_en_grille(toile, kCrayon, peinture, aleatoire, environnement()); }

  // A seed whose grid step (the walk's first draw) satisfies `convient`.
  template <typename F>
  void semer_pour_un_pas(F convient) {
    for (std::uint64_t graine = 1;; ++graine) {
      Aleatoire essai(graine);
      if (convient(100 + essai.Random(50))) {
        aleatoire.semer(graine);
        return;
      }
    }
  }

  int pixels_de(Colour c) const {
    int n = 0;
    for (int y = 0; y < toile.height(); ++y) {
      for (int x = 0; x < toile.width(); ++x) n += toile.Pixels(x, y) == c;
    }
    return n;
  }

  Canvas toile;
  ReglagesTrace reglages;
  EtatTrace etat;
  Aleatoire aleatoire{7};
  Point pointeur;
  std::deque<Colour> couleurs;
  std::vector<Colour> montrees;
  std::vector<Point> remplis;
  std::vector<std::string> journal;
  Colour peinture = 0xFFFF00;
  int questions_arret = 0;
  int arret_apres = 1 << 30;
};

TEST(TextePourcentage, RoundsHalvesToEvenAndStopsAtAHundred) {
  const struct {
    long long v, d;
    const char* texte;
  } cas[] = {{37, 100, "37 %"}, {1, 8, "12 %"},     {3, 8, "38 %"},    {0, 10, "0 %"},
             {1930, 1930, "100 %"}, {1955, 1930, "100 %"}, {-5, 200, "-2 %"}};
  for (const auto& c : cas) EXPECT_EQ(texte_pourcentage(c.v, c.d), c.texte) << c.v << "/" << c.d;
}

TEST(ParcoursChoisi, RowWalkForRosaceAndVitrailOnly) {
  EXPECT_TRUE(parcours_en_ligne_pour(0));
  EXPECT_TRUE(parcours_en_ligne_pour(1));
  for (int symetrie : {2, 3, 4}) EXPECT_FALSE(parcours_en_ligne_pour(symetrie));
}

TEST_F(Coloriage, FlatCanvasUnderRosaceEndsInTheLastPaintedColour) {
  preparer(300, 200, 0, {150, 100});
  reglages.nb_petales = 24;
  en_ligne();
  // Samples at x = 0, 25, ..., 300, each refilling the whole canvas with its fresh colour.
  ASSERT_EQ(remplis.size(), 13u);
  EXPECT_EQ(pixels_de(peinture), 300 * 200);
  EXPECT_EQ(montrees.size(), 13u);
  EXPECT_EQ(peinture, montrees.back());
}

TEST_F(Coloriage, GridWalkSparesPencilOutlinesWhileTheRowWalkRecoloursThem) {
  for (const bool grille : {true, false}) {
    SCOPED_TRACE(grille ? "grille" : "ligne");
    remplis.clear();
    preparer(300, 200, grille ? 4 : 0, {100, 60});
    toile.pen.color = kCrayon;
    toile.MoveTo(50, 0);
    toile.LineTo(50, 200);
    // A sample of either walk falls on the line: (50, 50) on the grid, (50, 60) on the row.
    pointeur = {50, 50};
    grille ? en_grille() : en_ligne();
    const Point sur_la_ligne = grille ? Point{50, 50} : Point{50, 60};
    const bool peint = std::find(remplis.begin(), remplis.end(), sur_la_ligne) != remplis.end();
    EXPECT_NE(peint, grille);
    EXPECT_EQ(pixels_de(kCrayon), grille ? 200 : 0);
  }
}

TEST_F(Coloriage, SampleAlreadyOfItsFreshColourIsSkippedButTheColourKept) {
  for (const bool grille : {true, false}) {
    SCOPED_TRACE(grille ? "grille" : "ligne");
    // Narrow enough for a single sample in either walk.
    preparer(20, 20, grille ? 4 : 0, {10, 10}, 0x336699);
    remplis.clear();
    couleurs = {0x336699};
    grille ? en_grille() : en_ligne();
    EXPECT_TRUE(remplis.empty());
    EXPECT_EQ(peinture, 0x336699u);
  }
}

TEST_F(Coloriage, SamplesPastTheRightAndBottomEdgesPaintTheirImagesInside) {
  // 100 x 60 picture: samples may lie up to x = 110 and y = 70.
  const struct {
    const char* nom;
    int symetrie;
    Point centre, pointeur;
  } cas[] = {
      {"past the right edge, miroir vertical", 2, {60, 30}, {105, 30}},
      {"past the bottom edge, 4 quarts", 3, {50, 40}, {30, 65}},
  };
  // A step above 105 leaves one sample: the one under test.
  semer_pour_un_pas([](int pas) { return pas > 105; });
  for (const auto& c : cas) {
    SCOPED_TRACE(c.nom);
    preparer(100, 60, c.symetrie, c.centre);
    remplis.clear();
    pointeur = c.pointeur;
    const Aleatoire avant = aleatoire;
    en_grille();
    aleatoire = avant;
    ASSERT_EQ(remplis.size(), 1u);
    EXPECT_EQ(remplis[0], c.pointeur);
    EXPECT_EQ(pixels_de(peinture), 100 * 60);
  }
}

TEST_F(Coloriage, RowOutsideThePictureStillPaintsAndKeepsARealPaintColour) {
  preparer(100, 60, 0, {50, 5});
  reglages.nb_petales = 2;  // the half turn of (x, -15) lies at (100 - x, 25)
  pointeur = {0, 20};
  couleurs = {0x111111, 0x222222, 0x333333, 0x444444, 0x555555};
  en_ligne();
  ASSERT_EQ(remplis.size(), 5u);
  EXPECT_EQ(remplis.front(), (Point{0, -15}));
  EXPECT_EQ(peinture, 0x555555u);
  EXPECT_EQ(pixels_de(0x555555), 100 * 60);
}

TEST_F(Coloriage, LabelTextsOverARowWalk) {
  preparer(90, 40, 1, {45, 20});
  pointeur = {10, 3};
  en_ligne();
  const std::vector<std::string> attendu = {"y:100 %", "x:35 %", "x:60 %", "x:85 %", "x:100 %"};
  EXPECT_EQ(journal, attendu);
}

TEST_F(Coloriage, LabelTextsOverAGridWalk) {
  preparer(190, 190, 3, {95, 95});
  semer_pour_un_pas([](int pas) { return pas == 120; });
  en_grille();
  const std::vector<std::string> attendu = {"x:60 %", "x:100 %", "y:60 %",
                                            "x:60 %", "x:100 %", "y:100 %"};
  EXPECT_EQ(journal, attendu);
}

TEST_F(Coloriage, StopEndsTheGridWalkAtOnceButNotTheRowWalk) {
  arret_apres = 0;
  preparer(300, 300, 4, {150, 150});
  en_grille();
  ASSERT_EQ(journal.size(), 1u);
  EXPECT_EQ(journal[0].substr(0, 2), "x:");
  EXPECT_EQ(remplis.size(), 1u);

  journal.clear();
  preparer(300, 300, 0, {150, 150});
  en_ligne();
  EXPECT_EQ(journal.size(), 14u);  // "100 %" for Y, then the 13 samples
}

}  // namespace
}  // namespace orvane
