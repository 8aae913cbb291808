#include "persistence/noms_images.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(NomsImages, TheNumberGoesBeforeTheExtensionOfTheFileNameOnly) {
  const struct {
    const char* nom;
    int n;
    const char* attendu;
  } cas[] = {
      {"image.bmp", 1, "image_1.bmp"},   {"photo", 2, "photo_2"},
      {"a.b.png", 10, "a.b_10.png"},     {"dossier.d/photo", 1, "dossier.d/photo_1"},
      {".cache", 1, "_1.cache"},         {"a%2b.bmp", 3, "a%2b_3.bmp"},
  };
  for (const auto& c : cas)
    EXPECT_EQ(nom_numerote(QString::fromUtf8(c.nom), c.n), QString::fromUtf8(c.attendu)) << c.nom;
}

TEST(NomsImages, BmpIsAppendedOnlyToAPathWithoutAnyDot) {
  EXPECT_EQ(avec_extension_bmp("/tmp/dessin"), "/tmp/dessin.bmp");
  EXPECT_EQ(avec_extension_bmp("/tmp/dessin.png"), "/tmp/dessin.png");
  EXPECT_EQ(avec_extension_bmp("/tmp/v1.0/dessin"), "/tmp/v1.0/dessin");
}

TEST(NomsImages, TheDirectoryOfAFileKeepsOnlyTheRootsSlash) {
  EXPECT_EQ(repertoire_du_fichier("/tmp/images/a.bmp"), "/tmp/images");
  EXPECT_EQ(repertoire_du_fichier("/a.bmp"), "/");
}

}  // namespace
}  // namespace orvane
