#include "drawing/copies_symetriques.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace orvane {
namespace {

// Rounded end points of a copy, as the painter draws them.
struct Extremites {
  long x1, y1, x2, y2;
  bool operator==(const Extremites&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Extremites& e) {
  return os << "(" << e.x1 << ", " << e.y1 << ")-(" << e.x2 << ", " << e.y2 << ")";
}

std::vector<Copie> copies(const ReglagesTrace& r, Point centre, Point a, Point b) {
  std::vector<Copie> v;
  copies_symetriques(r, centre, a, b, [&](const Copie& c) { v.push_back(c); });
  return v;
}

std::vector<Extremites> arrondies(const std::vector<Copie>& v) {
  std::vector<Extremites> e;
  for (const Copie& c : v) {
    e.push_back({std::lround(c.x1), std::lround(c.y1), std::lround(c.x2), std::lround(c.y2)});
  }
  return e;
}

ReglagesTrace reglages(int symetrie, int n = 4) {
  ReglagesTrace r;
  r.symetrie = symetrie;
  r.nb_petales = n;
  return r;
}

const Point centre{500, 400};

TEST(CopiesSymetriques, RosaceTurnsCounterClockwiseFromTheSegment) {
  const std::vector<Extremites> attendu = {
      {500, 500, 600, 500}, {600, 400, 600, 300}, {500, 300, 400, 300}, {400, 400, 400, 500}};
  EXPECT_EQ(arrondies(copies(reglages(0), centre, {500, 500}, {600, 500})), attendu);
}

TEST(CopiesSymetriques, VitrailFollowsEachRotationWithItsMirror) {
  const std::vector<Extremites> attendu = {
      {500, 500, 600, 500}, {500, 500, 400, 500}, {600, 400, 600, 300}, {400, 400, 400, 300},
      {500, 300, 400, 300}, {500, 300, 600, 300}, {400, 400, 400, 500}, {600, 400, 600, 500}};
  EXPECT_EQ(arrondies(copies(reglages(1), centre, {500, 500}, {600, 500})), attendu);
}

TEST(CopiesSymetriques, LosangesMirrorRosaceCopiesToo) {
  ReglagesTrace r = reglages(0);
  r.type_trace = 4;
  const auto v = arrondies(copies(r, centre, {500, 500}, {600, 500}));
  ASSERT_EQ(v.size(), 8u);
  EXPECT_EQ(v[1], (Extremites{500, 500, 400, 500}));
  EXPECT_EQ(v[7], (Extremites{600, 400, 600, 500}));
}

TEST(CopiesSymetriques, OnePetal) {
  const std::vector<Extremites> seul = {{510, 420, 530, 450}};
  EXPECT_EQ(arrondies(copies(reglages(0, 1), centre, {510, 420}, {530, 450})), seul);
  const std::vector<Extremites> avec_miroir = {{510, 420, 530, 450}, {490, 420, 470, 450}};
  EXPECT_EQ(arrondies(copies(reglages(1, 1), centre, {510, 420}, {530, 450})), avec_miroir);
}

TEST(CopiesSymetriques, PointAtTheCentreStaysThere) {
  for (const Copie& c : copies(reglages(1, 7), centre, centre, centre)) {
    EXPECT_EQ(c, (Copie{500, 400, 500, 400}));
  }
}

TEST(CopiesSymetriques, ReflectionsIgnorePetalsSpiralAndLosanges) {
  ReglagesTrace r = reglages(2, 9);
  r.spirale = true;
  r.tours = 3;
  r.type_trace = 4;
  const Point a{510, 420}, b{530, 380};
  EXPECT_EQ(copies(r, centre, a, b),
            (std::vector<Copie>{{510, 420, 530, 380}, {490, 420, 470, 380}}));
  r.symetrie = 3;
  EXPECT_EQ(copies(r, centre, a, b),
            (std::vector<Copie>{{510, 420, 530, 380},
                                {490, 420, 470, 380},
                                {490, 380, 470, 420},
                                {510, 380, 530, 420}}));
  r.symetrie = 4;
  EXPECT_EQ(copies(r, centre, a, b), (std::vector<Copie>{{510, 420, 530, 380}}));
}

TEST(CopiesSymetriques, ReflectionsOfExtremePointsDoNotOverflow) {
  const int grand = 2147483647;
  const auto v = copies(reglages(3), {grand, grand}, {-grand, -grand}, {0, 0});
  ASSERT_EQ(v.size(), 4u);
  EXPECT_EQ(v[2], (Copie{3.0 * grand, 3.0 * grand, 2.0 * grand, 2.0 * grand}));
}

TEST(CopiesSymetriques, DefaultSpiralWindsInwardOverAllTurns) {
  ReglagesTrace r = reglages(0, 24);
  r.spirale = true;
  r.tours = 20;
  r.facteur_milliemes = 975;
  const Point a{600, 400}, b{700, 400};
  const auto v = copies(r, centre, a, b);
  ASSERT_EQ(v.size(), 480u);
  const double facteur = std::pow(0.975, 479);
  EXPECT_NEAR(std::hypot(v.back().x1 - 500, v.back().y1 - 400), 100 * facteur, 1e-9);
  EXPECT_NEAR(std::hypot(v.back().x2 - 500, v.back().y2 - 400), 200 * facteur, 1e-9);
  // Copy 24 has gone round once: same direction as the segment, 0.975^24 as far.
  EXPECT_NEAR(v[24].x2, 500 + 200 * std::pow(0.975, 24), 1e-9);
  EXPECT_NEAR(v[24].y2, 400, 1e-9);
}

TEST(CopiesSymetriques, SpiralWithFactorOneRepeatsThePetals) {
  ReglagesTrace r = reglages(0, 6);
  r.spirale = true;
  r.tours = 3;
  r.facteur_milliemes = 1000;
  const auto v = arrondies(copies(r, centre, {520, 470}, {560, 410}));
  ASSERT_EQ(v.size(), 18u);
  for (std::size_t k = 6; k < v.size(); ++k) EXPECT_EQ(v[k], v[k - 6]) << k;
}

TEST(CopiesSymetriques, NoTurnsOrNegativeProductDrawNothing) {
  ReglagesTrace r = reglages(1, 5);
  r.spirale = true;
  r.tours = 0;
  EXPECT_TRUE(copies(r, centre, {510, 420}, {530, 450}).empty());
  r.tours = -2;
  EXPECT_TRUE(copies(r, centre, {510, 420}, {530, 450}).empty());
}

TEST(CopiesSymetriques, OutwardSpiralStopsOnceOutOfRange) {
  ReglagesTrace r = reglages(1, 100);
  r.spirale = true;
  r.tours = 100;
  r.facteur_milliemes = 5000;
  const auto v = copies(r, centre, {510, 420}, {530, 450});
  // 10 000 rotations asked for; only the few that can still reach 32-bit pixels come.
  EXPECT_LT(v.size(), 40u);
  EXPECT_GT(v.size(), 10u);
  // It went on until the copies themselves left the 32-bit range.
  const auto hors_32_bits = [](const Copie& c) {
    return std::max({std::fabs(c.x1), std::fabs(c.y1), std::fabs(c.x2), std::fabs(c.y2)}) >
           2147483647.0;
  };
  EXPECT_TRUE(hors_32_bits(v.back()));
  EXPECT_FALSE(hors_32_bits(v.front()));
  for (const Copie& c : v) {
    EXPECT_TRUE(std::isfinite(c.x1) && std::isfinite(c.y1) && std::isfinite(c.x2) &&
                std::isfinite(c.y2));
  }
}

TEST(CopiesSymetriques, NegativeFactorAlternatesSidesAndStillStops) {
  ReglagesTrace r = reglages(0, 1);
  r.spirale = true;
  r.tours = 1000000;
  r.facteur_milliemes = -2000;
  const auto v = copies(r, centre, {500, 410}, {500, 410});
  ASSERT_GE(v.size(), 3u);
  EXPECT_LT(v.size(), 40u);
  EXPECT_NEAR(v[1].y1, 400 - 20, 1e-9);
  EXPECT_NEAR(v[2].y1, 400 + 40, 1e-9);
}

}  // namespace
}  // namespace orvane
