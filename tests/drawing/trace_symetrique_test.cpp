#include "drawing/trace_symetrique.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "comparaison_images.h"

namespace orvane {
namespace {

class TraceSymetrique : public testing::Test {
 protected:
  TraceSymetrique() : canvas(1000, 800, 0), aleatoire(7) {
    etat.centre_x = 500;
    etat.centre_y = 400;
    reglages.largeur_ecran = 1000;
  }

  void trace(Point a, Point b, int mode = R2_COPYPEN, Colour couleur = 0x0000FF) {
    trace_symetrique(canvas, reglages, aleatoire, etat, a, b, mode, couleur);
  }

  Canvas canvas;
  ReglagesTrace reglages;
  Aleatoire aleatoire;
  EtatTrace etat;
};

TEST_F(TraceSymetrique, RosaceDrawsTheFourTurnedCopies) {
  reglages.symetrie = 0;
  reglages.nb_petales = 4;
  trace({500, 500}, {600, 500});
  Canvas attendu(1000, 800, 0);
  attendu.pen.color = 0x0000FF;
  const int copies[4][4] = {
      {500, 500, 600, 500}, {600, 400, 600, 300}, {500, 300, 400, 300}, {400, 400, 400, 500}};
  for (const auto& c : copies) {
    attendu.MoveTo(c[0], c[1]);
    attendu.LineTo(c[2], c[3]);
  }
  EXPECT_TRUE(memes_images(canvas.bitmap(), attendu.bitmap(), "rosace_4"));
}

TEST_F(TraceSymetrique, SetsThePenModeColourAndWidth) {
  reglages.symetrie = 4;
  reglages.epaisseur = 7;
  trace({10, 10}, {20, 20}, R2_XORPEN, 0x123456);
  EXPECT_EQ(canvas.pen.mode, R2_XORPEN);
  EXPECT_EQ(canvas.pen.color, 0x123456u);
  EXPECT_EQ(canvas.pen.width, 7);
}

TEST_F(TraceSymetrique, RandomWidthWandersBelowWidthPlusCurrent) {
  reglages.symetrie = 4;
  reglages.epaisseur = 5;
  reglages.epaisseur_aleatoire = true;
  reglages.type_trace = 1;
  std::set<int> vues;
  for (int essai = 0; essai < 300; ++essai) {
    const int avant = canvas.pen.width;
    trace({10, 10}, {12, 12});
    EXPECT_GE(canvas.pen.width, 0);
    EXPECT_LT(canvas.pen.width, 5 + avant);
    vues.insert(canvas.pen.width);
  }
  EXPECT_GT(vues.size(), 5u);
}

TEST_F(TraceSymetrique, HugeWidthsDoNotOverflowTheRandomRange) {
  canvas = Canvas(16, 16, 0);
  reglages.symetrie = 4;
  reglages.epaisseur = std::numeric_limits<int>::max();
  reglages.epaisseur_aleatoire = true;
  canvas.pen.width = std::numeric_limits<int>::max();
  trace({8, 8}, {8, 8});
  EXPECT_GE(canvas.pen.width, 0);
}

TEST_F(TraceSymetrique, ShadowsLeaveThePenTwoWide) {
  reglages.symetrie = 1;
  reglages.nb_petales = 3;
  reglages.epaisseur = 9;
  reglages.ombre_2 = true;
  reglages.largeur_ombre = 4;
  trace({520, 430}, {560, 470});
  EXPECT_EQ(canvas.pen.width, 2);
}

TEST_F(TraceSymetrique, UnshadowedClonesOfCrayonKeepTheGivenColour) {
  reglages.symetrie = 0;
  reglages.nb_petales = 6;
  reglages.type_trace = 0;
  reglages.epaisseur_aleatoire = true;
  reglages.nombre_clones = 2;
  etat.couleur_crayon = 0x008000;
  trace({520, 430}, {600, 470}, R2_COPYPEN, 0x008000);
  std::set<Colour> couleurs;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) couleurs.insert(canvas.Pixels(x, y));
  }
  EXPECT_EQ(couleurs, (std::set<Colour>{0, 0x008000}));
}

TEST_F(TraceSymetrique, SingleCrayonCopiesShowTheDarkenedShades) {
  reglages.symetrie = 0;
  reglages.nb_petales = 24;
  reglages.type_trace = 0;
  reglages.epaisseur_aleatoire = true;
  etat.couleur_crayon = 0x008000;
  trace({520, 430}, {600, 470}, R2_COPYPEN, 0x008000);
  std::set<Colour> couleurs;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) couleurs.insert(canvas.Pixels(x, y));
  }
  // Unless the random width came out 0 or 1, each copy shows one of the two shades.
  EXPECT_EQ(couleurs, (std::set<Colour>{0, RGB(0, 76, 0), RGB(0, 89, 0)}));
}

TEST_F(TraceSymetrique, OutwardSpiralFinishesWithOnlyItsInRangeCopies) {
  reglages.symetrie = 1;
  reglages.nb_petales = 100;
  reglages.spirale = true;
  reglages.facteur_milliemes = 5000;
  reglages.ombre_1 = true;
  reglages.largeur_ombre = 5;
  reglages.nombre_clones = 3;
  reglages.tours = 100;
  trace({510, 420}, {530, 450}, R2_XORPEN);
  const Bitmap cent_tours = canvas.bitmap();

  // Beyond the first turn every copy lies 5^100 times further out: nothing more shows.
  canvas = Canvas(1000, 800, 0);
  reglages.tours = 1;
  trace({510, 420}, {530, 450}, R2_XORPEN);
  EXPECT_TRUE(memes_images(cent_tours, canvas.bitmap(), "spirale_sortante"));
  EXPECT_NE(canvas.Pixels(510, 420), 0u);
}

TEST_F(TraceSymetrique, HourglassOnlyForSpiralFills) {
  struct Cas {
    int symetrie;
    bool spirale;
    int peindre;
    bool sablier;
  };
  for (const Cas cas : {Cas{0, true, 1, true}, Cas{1, true, 2, true}, Cas{0, true, 0, false},
                        Cas{0, false, 1, false}, Cas{2, true, 1, false},
                        Cas{4, true, 2, false}}) {
    reglages.symetrie = cas.symetrie;
    reglages.spirale = cas.spirale;
    reglages.peindre_dessiner = cas.peindre;
    EXPECT_EQ(trace_met_sablier(reglages), cas.sablier) << cas.symetrie << cas.peindre;
  }
}

}  // namespace
}  // namespace orvane
