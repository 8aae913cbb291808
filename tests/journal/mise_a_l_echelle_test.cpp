// Strokes re-drawn at scale K, reduced by K, give the canvas's picture but for edges: the
// pixels that each pen covers at scale 1 become the blocks it covers at scale K, so that in
// the mix modes whose result depends on how often a pixel is painted, lines overlap at
// scale K where they overlapped at scale 1.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fidelite_echelle.h"
#include "journal/mise_a_l_echelle.h"

namespace orvane {
namespace {

constexpr Colour kGris = RGB(90, 140, 60);

Bitmap a_l_echelle_de(const Journal& journal, int k) {
  Bitmap sortie;
  EXPECT_TRUE(redessiner(journal, k, sortie, {}));
  return sortie;
}

// A segment alone in mix mode `mode`, its pen `largeur` wide, shaded with `ombre` lines of
// width 2 one pixel apart when ombre > 0.
EntreeTrait trait(Point a, Point b, int mode, int largeur, int ombre = 0) {
  EntreeTrait t;
  t.a = a;
  t.b = b;
  t.mode = mode;
  t.couleur = RGB(250, 200, 30);
  t.couleur_crayon = t.couleur;
  t.largeur = largeur;
  t.reglages.symetrie = 4;
  t.reglages.ombre_2 = ombre > 0;
  t.reglages.largeur_ombre = ombre;
  return t;
}

// Its copies around the centre of a rosace of n petals.
EntreeTrait en_rosace(EntreeTrait t, int n) {
  t.centre = {36, 36};
  t.reglages.symetrie = 0;
  t.reglages.nb_petales = n;
  return t;
}

// n clones, spaced by a screen W pixels wide.
EntreeTrait en_clones(EntreeTrait t, int n, int w) {
  t.reglages.nombre_clones = n;
  t.reglages.largeur_ecran = w;
  return t;
}

struct Cas {
  std::string nom;
  Entree entree;
};

TEST(MiseALEchelle, StrokesOfEvenWidthsCoverTheBlocksOfTheirScaleOnePixels) {
  const std::vector<Cas> cas = {
      {"ombre en inversion, en diagonale", trait({12, 60}, {60, 12}, R2_NOT, 1, 12)},
      {"ombre en ou exclusif", trait({12, 60}, {60, 20}, R2_XORPEN, 1, 9)},
      {"rosace de traits de 4 en ou exclusif",
       en_rosace(trait({30, 33}, {62, 20}, R2_XORPEN, 4), 6)},
      // Copies a rotation leaves between pixels, rounded at scale 1.
      {"rosace de 27 traits fins en inversion",
       en_rosace(trait({38, 30}, {62, 8}, R2_NOT, 1), 27)},
      {"rosace de 27 traits de 3 en inversion",
       en_rosace(trait({38, 30}, {62, 8}, R2_NOT, 3), 27)},
      // Spaced by W / 10 = 10.9, rounded down at scale 1: 10 pixels, 30 at scale 3.
      {"clones en ou exclusif sur un écran de 109",
       en_clones(trait({36, 10}, {36, 60}, R2_XORPEN, 12), 9, 109)},
  };
  for (const Cas& c : cas) {
    const Journal journal({EntreeToile{72, 72, kGris}, c.entree});
    const Bitmap toile = a_l_echelle_de(journal, 1);
    for (int k : {2, 3, 4}) {
      SCOPED_TRACE(c.nom + " at scale " + std::to_string(k));
      EXPECT_EQ(fidelite::ecarts(toile, fidelite::reduite(a_l_echelle_de(journal, k), k)).size(),
                0u);
    }
  }
}

}  // namespace
}  // namespace orvane
