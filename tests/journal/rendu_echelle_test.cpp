// Re-drawing at a scale: the pixel limit, and smoothing by drawing larger and averaging.
#include <gtest/gtest.h>

#include <memory>

#include "journal/rendu_echelle.h"

namespace orvane {
namespace {

TEST(RenduEchelle, TheLargestScaleKeepsTheDrawnPictureWithinOneBillionPixels) {
  struct Cas {
    int largeur, hauteur;
    bool lisse;
    int attendue;
  };
  for (const Cas& c : {Cas{1920, 1080, false, 16}, Cas{1920, 1080, true, 5},
                       Cas{62500, 1000, false, 4},  // 4: exactly one billion
                       Cas{62501, 1000, false, 3}, Cas{62500, 1000, true, 1},
                       Cas{62501, 1000, true, 0}, Cas{40000, 40000, false, 0}}) {
    EXPECT_EQ(echelle_la_plus_grande(c.largeur, c.hauteur, c.lisse), c.attendue)
        << c.largeur << " x " << c.hauteur << (c.lisse ? " lissée" : "");
  }
}

TEST(RenduEchelle, ARefusedScaleSaysWhyAndNamesTheLargestThatFits) {
  EXPECT_EQ(refus_echelle(1920, 1080, 16, false), "");
  EXPECT_EQ(refus_echelle(1920, 1080, 5, true), "");
  EXPECT_EQ(refus_echelle(1920, 1080, 6, true),
            "Lissée à l'échelle 6, l'image se dessinerait sur 46080 x 25920 pixels, plus d'un "
            "milliard : la plus grande échelle possible lissée est 5.");
  EXPECT_EQ(refus_echelle(62501, 1000, 4, false),
            "À l'échelle 4, l'image aurait 250004 x 4000 pixels, plus d'un milliard : la plus "
            "grande échelle possible est 3.");
  EXPECT_EQ(refus_echelle(62501, 1000, 1, true),
            "Lissée à l'échelle 1, l'image se dessinerait sur 250004 x 4000 pixels, plus d'un "
            "milliard : même l'échelle 1 est trop grande.");
  for (int echelle : {0, 17, -3})
    EXPECT_EQ(refus_echelle(10, 10, echelle, false), "L'échelle doit être un entier de 1 à 16.");
}

// A canvas 4 x 2 whose first one and a half columns are white: at scale e, the columns
// x < 1.5 e. It reports one step of two and stops when asked to.
Dessin bande_blanche(std::vector<int>& echelles) {
  return {4, 2, [&echelles](int e, Bitmap& sortie, const ProgresRedessin& progres) {
            echelles.push_back(e);
            if (!progres(1, 2)) return false;
            sortie = Bitmap(4 * e, 2 * e);
            for (int y = 0; y < sortie.height(); ++y)
              for (int x = 0; 2 * x < 3 * e; ++x) sortie.setPixel(x, y, 0xFFFFFF);
            return progres(2, 2);
          }};
}

TEST(RenduEchelle, SmoothingDrawsFourTimesLargerAndAveragesTheEdgesItCrosses) {
  std::vector<int> echelles;
  const Dessin dessin = bande_blanche(echelles);
  const auto tout = [](std::int64_t, std::int64_t) { return true; };

  const std::optional<Bitmap> net = rendre(dessin, 1, false, tout);
  ASSERT_TRUE(net);
  EXPECT_EQ(net->width(), 4);
  EXPECT_EQ(net->pixel(1, 1), 0xFFFFFFu);
  EXPECT_EQ(net->pixel(2, 1), 0u);

  // Drawn at 4: columns 0..5 of 16 white, so the second pixel is half white.
  const std::optional<Bitmap> lisse = rendre(dessin, 1, true, tout);
  ASSERT_TRUE(lisse);
  EXPECT_EQ(echelles, (std::vector<int>{1, 4}));
  ASSERT_EQ(lisse->width(), 4);
  ASSERT_EQ(lisse->height(), 2);
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(lisse->pixel(0, y), 0xFFFFFFu);
    EXPECT_EQ(lisse->pixel(1, y), RGB(128, 128, 128));
    EXPECT_EQ(lisse->pixel(2, y), 0u);
  }
}

TEST(RenduEchelle, AStopAskedWhileDrawingGivesNoPicture) {
  std::vector<int> echelles;
  for (bool lisse : {false, true}) {
    EXPECT_FALSE(rendre(bande_blanche(echelles), 3, lisse,
                        [](std::int64_t fait, std::int64_t) { return fait < 2; }));
  }
}

TEST(RenduEchelle, AJournalsDrawingOutlivesTheJournalItWasMadeFrom) {
  Dessin dessin;
  Bitmap attendue;
  {
    auto image = std::make_shared<Bitmap>(2, 1, RGB(1, 2, 3));
    image->setPixel(1, 0, RGB(200, 0, 9));
    const Journal journal({EntreeToile{5, 3, RGB(0, 0, 80)}, EntreeImage{image}});
    ASSERT_TRUE(redessiner(journal, 2, attendue, {}));
    dessin = dessin_du_journal(journal);
  }
  EXPECT_EQ(dessin.largeur, 5);
  EXPECT_EQ(dessin.hauteur, 3);
  const std::optional<Bitmap> image =
      rendre(dessin, 2, false, [](std::int64_t, std::int64_t) { return true; });
  ASSERT_TRUE(image);
  EXPECT_EQ(*image, attendue);
  EXPECT_EQ(image->pixel(3, 1), RGB(200, 0, 9));
  EXPECT_EQ(image->pixel(4, 0), RGB(0, 0, 80));
}

}  // namespace
}  // namespace orvane
