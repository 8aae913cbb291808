#include "persistence/image_compacte.h"

#include <gtest/gtest.h>

#include "platform/aleatoire.h"

namespace orvane {
namespace {

Bitmap bruit(int largeur, int hauteur, int couleurs) {
  Aleatoire aleatoire(7);
  Bitmap image(largeur, hauteur);
  for (int i = 0; i < largeur * hauteur; ++i)
    image.data()[i] = (static_cast<Colour>(aleatoire.Random(couleurs)) * 0x010203u) & 0xFFFFFFu;
  return image;
}

TEST(ImageCompacte, DeplieExactementCeQuiAEtePlie) {
  Bitmap traits(64, 40, 0x000000);
  for (int x = 5; x < 60; ++x) traits.setPixel(x, 20, 0x00FF00);  // a run across the middle
  traits.setPixel(63, 39, 0xFFFFFF);                               // the very last pixel alone
  Bitmap rangs(7, 5, 0x123456);
  for (int y = 0; y < 5; ++y) rangs.setPixel(6, y, 0x654321);  // runs crossing rows
  const struct {
    const char* nom;
    Bitmap image;
  } cas[] = {{"vide", Bitmap()},
             {"un pixel", Bitmap(1, 1, 0xABCDEF)},
             {"uni", Bitmap(1920, 1080, 0x000000)},
             {"traits", traits},
             {"rangs", rangs},
             {"deux couleurs", bruit(33, 17, 2)},
             {"bruit", bruit(50, 30, 1 << 20)}};
  for (const auto& c : cas) {
    const ImageCompacte compacte(c.image);
    EXPECT_EQ(compacte.width(), c.image.width()) << c.nom;
    EXPECT_EQ(compacte.height(), c.image.height()) << c.nom;
    EXPECT_TRUE(compacte.deplier() == c.image) << c.nom;
  }
}

TEST(ImageCompacte, UnAplatCoutePeuEtLeBruitPasPlusQueSesPixels) {
  EXPECT_LE(ImageCompacte(Bitmap(1920, 1080, 0x000000)).octets(), 8u);
  const Bitmap busy = bruit(200, 100, 1 << 20);
  EXPECT_LE(ImageCompacte(busy).octets(), 200u * 100u * 4u);
}

TEST(ImageCompacte, LOctetDuHautNEntrePasDansLaCouleur) {
  Bitmap image(4, 1, 0x000010);
  image.data()[2] = 0xFF000010u;  // stray top byte: the same stored colour
  image.data()[3] = 0x7F000011u;
  Bitmap attendue(4, 1, 0x000010);
  attendue.data()[3] = 0x000011u;
  EXPECT_TRUE(ImageCompacte(image).deplier() == attendue);
}

}  // namespace
}  // namespace orvane
