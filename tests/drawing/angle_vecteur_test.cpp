#include "drawing/angle_vecteur.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

TEST(AngleVecteur, NullVectorIsZero) { EXPECT_EQ(angle_vecteur(0, 0), 0.0); }

TEST(AngleVecteur, SameDirectionAsAtan2InItsRange) {
  const double pi = 3.141592653589793;
  const double vecteurs[][2] = {
      {1, 0},   {0, 1},   {-1, 0},  {0, -1}, {1, 1},    {-1, 1},  {-1, -1}, {1, -1},
      {3, 1},   {1, 3},   {-3, 1},  {-1, 3}, {-3, -1},  {-1, -3}, {3, -1},  {1, -3},
      {100, 0.5}, {-100, 0.5}, {-100, -0.5}, {0.5, -100}, {-0.5, -100}, {-2, 2}, {2, -2}};
  for (const auto& v : vecteurs) {
    const double u = v[0], w = v[1];
    const double a = angle_vecteur(u, w);
    const double attendu = std::atan2(w, u);
    SCOPED_TRACE(testing::Message() << "(" << u << ", " << w << ") -> " << a);
    EXPECT_NEAR(std::cos(a), std::cos(attendu), 1e-15);
    EXPECT_NEAR(std::sin(a), std::sin(attendu), 1e-15);
    EXPECT_GE(a, -3 * pi / 4);
    EXPECT_LT(a, 5 * pi / 4);
  }
}

TEST(AngleVecteur, DiagonalsFollowTheLargerComponentRule) {
  // |u| = |v| goes to the v branch: pi/2 - atan(u/v) or -pi/2 - atan(u/v).
  EXPECT_DOUBLE_EQ(angle_vecteur(-1, -1), -1.5707963267948966 - std::atan(1.0));
  EXPECT_DOUBLE_EQ(angle_vecteur(-1, 1), 1.5707963267948966 + std::atan(1.0));
}

}  // namespace
}  // namespace orvane
