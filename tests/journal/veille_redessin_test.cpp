// A re-drawing watched from inside its entries: the progress moves within a heavy stroke, a
// stop asked inside one stroke or one fill ends it there, and the watch changes no pixel.
#include <gtest/gtest.h>

#include <vector>

#include "journal/journal.h"
#include "journal/redessin.h"

namespace orvane {
namespace {

// A rosace of many spiral turns of a wide pen with a shadow: thousands of copies.
EntreeTrait trait_lourd() {
  EntreeTrait t;
  t.a = {130, 70};
  t.b = {150, 90};
  t.couleur = RGB(240, 200, 20);
  t.largeur = 5;
  t.centre = {100, 75};
  t.reglages.nb_petales = 60;
  t.reglages.spirale = true;
  t.reglages.tours = 40;
  t.reglages.facteur_milliemes = 990;
  t.reglages.epaisseur = 5;
  t.reglages.ombre_1 = true;
  t.reglages.largeur_ombre = 6;
  return t;
}

// A surface fill at one point, no symmetry: the whole canvas in one copy.
EntreeTrait remplissage_entier(Point p) {
  EntreeTrait t;
  t.a = t.b = p;
  t.couleur_peinture = RGB(10, 200, 90);
  t.reglages.symetrie = 4;
  t.reglages.peindre_dessiner = 1;
  return t;
}

struct Appel {
  std::int64_t fait, total;
};

TEST(VeilleRedessin, TheProgressMovesWithinAHeavyStrokeAndEndsAtTheTotal) {
  // At scale 2 the fill is drawn at scale 1 beside, which must not count twice.
  const Journal journal({EntreeToile{200, 150, 0}, trait_lourd(), EntreeToile{200, 150, 0},
                         trait_lourd(), remplissage_entier({0, 0})});
  std::vector<Appel> appels;
  Bitmap sortie;
  ASSERT_TRUE(redessiner(journal, 2, sortie, [&](std::int64_t fait, std::int64_t total) {
    appels.push_back({fait, total});
    return true;
  }));
  // Only the last canvas and what follows: the stroke weighs its 2400 copies.
  const std::int64_t total = 1 + 2400 + 1;
  ASSERT_GE(appels.size(), 3u);
  std::int64_t dedans = 0;
  for (std::size_t i = 0; i < appels.size(); ++i) {
    EXPECT_EQ(appels[i].total, total);
    if (i > 0) {
      EXPECT_GE(appels[i].fait, appels[i - 1].fait);
    }
    dedans += appels[i].fait > 1 && appels[i].fait < total;
  }
  EXPECT_GE(dedans, 100);  // a step every few copies
  EXPECT_EQ(appels.front().fait, 0);
  EXPECT_EQ(appels.back().fait, total);
}

TEST(VeilleRedessin, AStopAskedInsideOneEntryEndsItThere) {
  struct Cas {
    const char* nom;
    Journal journal;
    int echelle;
  };
  const std::vector<Cas> cas = {
      {"stroke", Journal({EntreeToile{200, 150, 0}, trait_lourd()}), 2},
      {"fill", Journal({EntreeToile{300, 200, 0}, remplissage_entier({10, 10})}), 8},
  };
  for (const Cas& c : cas) {
    // The second entry's first report comes as it begins; any other before the end comes
    // from inside it.
    int appels = 0, apres_arret = 0;
    bool arrete = false;
    Bitmap sortie;
    const bool fini = redessiner(c.journal, c.echelle, sortie, [&](std::int64_t, std::int64_t) {
      apres_arret += arrete;
      arrete = ++appels == 3;
      return !arrete;
    });
    EXPECT_FALSE(fini) << c.nom;
    EXPECT_TRUE(arrete) << c.nom << ": the entry was never looked at from inside";
    EXPECT_EQ(apres_arret, 0) << c.nom;
  }
}

TEST(VeilleRedessin, AWatchedDrawingHasTheSamePixels) {
  EntreeTrait bordure = trait_lourd();
  bordure.reglages.peindre_dessiner = 2;
  bordure.couleur_crayon = RGB(240, 200, 20);
  bordure.a = bordure.b = {100, 75};
  auto image = std::make_shared<Bitmap>(30, 20, RGB(1, 2, 3));
  const Journal journal({EntreeToile{200, 150, RGB(0, 0, 90)}, EntreeImage{image},
                         trait_lourd(), bordure, remplissage_entier({199, 149}),
                         EntreeEllipse{20, 20, 90, 60, R2_XORPEN, 0xFFFFFF, 3, 0x808080,
                                       BrushStyle::Solid}});
  for (int echelle : {1, 3}) {
    Bitmap libre, surveillee;
    ASSERT_TRUE(redessiner(journal, echelle, libre, {}));
    ASSERT_TRUE(redessiner(journal, echelle, surveillee,
                           [](std::int64_t, std::int64_t) { return true; }));
    EXPECT_TRUE(libre == surveillee) << "scale " << echelle;
  }
}

}  // namespace
}  // namespace orvane
