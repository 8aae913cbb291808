#include "colour/coul_aleatoire.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace orvane {
namespace {

constexpr int kTirages = 20000;

struct Canaux {
  int r, g, b;
};
Canaux canaux(Colour c) { return {rouge(c), vert(c), bleu(c)}; }

// --- properties over many draws -----------------------------------------------------

TEST(CoulAleatoire, NormaleGrisEtViveNeDonnentJamais255) {
  for (int type : {COUL_NORMALE, COUL_VIVE, COUL_GRIS}) {
    Aleatoire a(1234 + type);
    for (int i = 0; i < kTirages; ++i) {
      const Colour c = coul_aleatoire(type, RGB(255, 0, 0), a);
      ASSERT_EQ(c >> 24, 0u) << "type " << type;
      const Canaux k = canaux(c);
      ASSERT_LT(k.r, 255) << "type " << type;
      ASSERT_LT(k.g, 255) << "type " << type;
      ASSERT_LT(k.b, 255) << "type " << type;
    }
  }
}

TEST(CoulAleatoire, NormaleCouvreToutLIntervalle) {
  Aleatoire a(7);
  std::set<int> rouges;
  for (int i = 0; i < kTirages; ++i) rouges.insert(rouge(coul_aleatoire(COUL_NORMALE, 0, a)));
  EXPECT_EQ(rouges.size(), 255u);
  EXPECT_EQ(*rouges.begin(), 0);
  EXPECT_EQ(*rouges.rbegin(), 254);
}

TEST(CoulAleatoire, GrisATroisCanauxEgaux) {
  Aleatoire a(8);
  for (int i = 0; i < kTirages; ++i) {
    const Canaux k = canaux(coul_aleatoire(COUL_GRIS, 0, a));
    ASSERT_EQ(k.r, k.g);
    ASSERT_EQ(k.g, k.b);
  }
}

TEST(CoulAleatoire, ViveAUnOuDeuxCanauxHauts) {
  Aleatoire a(9);
  std::array<int, 4> par_nombre_de_hauts{};
  for (int i = 0; i < kTirages; ++i) {
    const Canaux k = canaux(coul_aleatoire(COUL_VIVE, 0, a));
    const int hauts = (k.r >= 128) + (k.g >= 128) + (k.b >= 128);
    ASSERT_GE(hauts, 1);
    ASSERT_LE(hauts, 2);
    ++par_nombre_de_hauts[hauts];
  }
  // Both kinds of rows of the table are reached.
  EXPECT_GT(par_nombre_de_hauts[1], kTirages / 4);
  EXPECT_GT(par_nombre_de_hauts[2], kTirages / 4);
}

struct CasDegrade {
  const char* nom;
  Colour origine;
};

class Degrade : public ::testing::TestWithParam<CasDegrade> {};

TEST_P(Degrade, ResteStrictementSousLOrigine) {
  const Colour o = GetParam().origine;
  Aleatoire a(10);
  std::array<int, 3> maxima{};
  for (int i = 0; i < kTirages; ++i) {
    const Colour c = coul_aleatoire(COUL_DEGRADE, o, a);
    ASSERT_EQ(c >> 24, 0u);
    const Canaux k = canaux(c);
    // Strictly below a non-zero channel, zero where the origin is zero.
    ASSERT_TRUE(rouge(o) == 0 ? k.r == 0 : k.r < rouge(o)) << std::hex << c;
    ASSERT_TRUE(vert(o) == 0 ? k.g == 0 : k.g < vert(o)) << std::hex << c;
    ASSERT_TRUE(bleu(o) == 0 ? k.b == 0 : k.b < bleu(o)) << std::hex << c;
    maxima = {std::max(maxima[0], k.r), std::max(maxima[1], k.g), std::max(maxima[2], k.b)};
  }
  // Every channel reaches the top of its box.
  EXPECT_EQ(maxima[0], std::max(rouge(o) - 1, 0));
  EXPECT_EQ(maxima[1], std::max(vert(o) - 1, 0));
  EXPECT_EQ(maxima[2], std::max(bleu(o) - 1, 0));
}

INSTANTIATE_TEST_SUITE_P(Origines, Degrade,
                         ::testing::Values(CasDegrade{"rouge", RGB(255, 0, 0)},
                                           CasDegrade{"noir", RGB(0, 0, 0)},
                                           CasDegrade{"blanc", RGB(255, 255, 255)},
                                           CasDegrade{"mele", RGB(1, 2, 200)}),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST(CoulAleatoire, DegradeNoirDonneToujoursNoir) {
  Aleatoire a(11);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(coul_aleatoire(COUL_DEGRADE, 0, a), 0u);
}

TEST(CoulAleatoire, OrigineLueAChaqueAppel) {
  Aleatoire a(12);
  for (int i = 0; i < 100; ++i) {
    ASSERT_EQ(vert(coul_aleatoire(COUL_DEGRADE, RGB(255, 0, 0), a)), 0);
    ASSERT_EQ(rouge(coul_aleatoire(COUL_DEGRADE, RGB(0, 255, 0), a)), 0);
  }
}

// --- the order of the draws, recomputed from a twin generator ------------------------

constexpr std::uint64_t kGraines[] = {1, 42, 2026, 987654321};

TEST(CoulAleatoireOrdre, NormaleTireBleuVertRouge) {
  for (auto graine : kGraines) {
    Aleatoire a(graine), jumeau(graine);
    for (int i = 0; i < 200; ++i) {
      const int b = jumeau.Random(255);
      const int g = jumeau.Random(255);
      const int r = jumeau.Random(255);
      ASSERT_EQ(coul_aleatoire(COUL_NORMALE, 0, a), RGB(r, g, b));
    }
  }
}

TEST(CoulAleatoireOrdre, GrisTireUneValeur) {
  for (auto graine : kGraines) {
    Aleatoire a(graine), jumeau(graine);
    for (int i = 0; i < 200; ++i) {
      const int v = jumeau.Random(255);
      ASSERT_EQ(coul_aleatoire(COUL_GRIS, 0, a), RGB(v, v, v));
    }
  }
}

TEST(CoulAleatoireOrdre, DegradeTireRougeVertBleu) {
  const Colour origine = RGB(200, 100, 50);
  for (auto graine : kGraines) {
    Aleatoire a(graine), jumeau(graine);
    for (int i = 0; i < 200; ++i) {
      const int r = jumeau.Random(200);
      const int g = jumeau.Random(100);
      const int b = jumeau.Random(50);
      ASSERT_EQ(coul_aleatoire(COUL_DEGRADE, origine, a), RGB(r, g, b));
    }
  }
}

// The table of "vive": for each k, the channels in the order they are drawn and whether
// each one is high. Channels: 0 red, 1 green, 2 blue.
struct Tirage {
  int canal;
  bool haut;
};
constexpr std::array<std::array<Tirage, 3>, 6> kTableVive = {{
    {{{0, true}, {2, false}, {1, false}}},
    {{{1, true}, {2, false}, {0, false}}},
    {{{2, true}, {1, false}, {0, false}}},
    {{{1, true}, {0, true}, {2, false}}},
    {{{2, true}, {1, true}, {0, false}}},
    {{{2, true}, {0, true}, {1, false}}},
}};

TEST(CoulAleatoireOrdre, ViveSuitLaTable) {
  std::set<int> lignes_vues;
  for (auto graine : kGraines) {
    Aleatoire a(graine), jumeau(graine);
    for (int i = 0; i < 200; ++i) {
      const int k = jumeau.Random(6);
      lignes_vues.insert(k);
      std::array<int, 3> c{};
      for (const Tirage& t : kTableVive[k])
        c[t.canal] = t.haut ? 128 + jumeau.Random(127) : jumeau.Random(128);
      ASSERT_EQ(coul_aleatoire(COUL_VIVE, 0, a), RGB(c[0], c[1], c[2])) << "k = " << k;
    }
  }
  EXPECT_EQ(lignes_vues.size(), 6u);
}

TEST(CoulAleatoireOrdre, TypeInconnuTireCommeNormale) {
  for (int type : {-1, 4, 1000}) {
    Aleatoire a(5), jumeau(5);
    for (int i = 0; i < 50; ++i)
      ASSERT_EQ(coul_aleatoire(type, RGB(255, 0, 0), a), coul_aleatoire(COUL_NORMALE, 0, jumeau))
          << "type " << type;
  }
}

}  // namespace
}  // namespace orvane
