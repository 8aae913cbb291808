// A picture drawn larger and reduced by area averaging.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "picture_compare.h"
#include "platform/reduction_moyenne.h"

namespace orvane {
namespace {

// The mean of each block worked out in reals, for comparison.
Bitmap reference(const Bitmap& source, int f) {
  Bitmap r(source.width() / f, source.height() / f);
  for (int y = 0; y < r.height(); ++y) {
    for (int x = 0; x < r.width(); ++x) {
      double s[3] = {0, 0, 0};
      for (int dy = 0; dy < f; ++dy) {
        for (int dx = 0; dx < f; ++dx) {
          const Colour c = source.pixel(x * f + dx, y * f + dy);
          s[0] += rouge(c);
          s[1] += vert(c);
          s[2] += bleu(c);
        }
      }
      const double n = f * f;
      r.setPixel(x, y, RGB(static_cast<int>(std::nearbyint(s[0] / n)),
                           static_cast<int>(std::nearbyint(s[1] / n)),
                           static_cast<int>(std::nearbyint(s[2] / n))));
    }
  }
  return r;
}

TEST(ReductionMoyenne, EachPixelIsTheRoundedMeanOfItsBlockPerChannel) {
  std::mt19937 hasard(18);
  for (const auto& [largeur, hauteur, facteur] :
       {std::tuple{12, 8, 4}, std::tuple{10, 6, 2}, std::tuple{9, 7, 4}, std::tuple{3, 5, 1}}) {
    Bitmap source(largeur, hauteur);
    for (int y = 0; y < hauteur; ++y)
      for (int x = 0; x < largeur; ++x) source.setPixel(x, y, hasard() & 0xFFFFFF);
    const Bitmap reduite = reduire_par_moyenne(source, facteur);
    EXPECT_EQ(reduite.width(), largeur / facteur);
    EXPECT_EQ(reduite.height(), hauteur / facteur);
    EXPECT_TRUE(test::samePicture(reduite, reference(source, facteur),
                                  "reduction_" + std::to_string(largeur) + "_" +
                                      std::to_string(facteur)));
  }
}

TEST(ReductionMoyenne, HalvesGoToTheEvenNeighbourAndBlocksStayApart) {
  // Left block: red 8 x 1 and 8 x 0 (0.5), green 8 x 3 and 8 x 0 (1.5), blue 9 x 1 (0.5625).
  // Right block: white, beside it, so a block read from its neighbour shows.
  Bitmap source(8, 4, 0xFFFFFF);
  for (int i = 0; i < 16; ++i) {
    const int x = i % 4;
    const int y = i / 4;
    source.setPixel(x, y, RGB(i < 8 ? 1 : 0, i < 8 ? 3 : 0, i < 9 ? 1 : 0));
  }
  const Bitmap reduite = reduire_par_moyenne(source, 4);
  ASSERT_EQ(reduite.width(), 2);
  EXPECT_EQ(reduite.pixel(0, 0), RGB(0, 2, 1));
  EXPECT_EQ(reduite.pixel(1, 0), 0xFFFFFFu);
}

}  // namespace
}  // namespace orvane
