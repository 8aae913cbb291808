// Writing a re-drawn picture: its format by its extension, and a stop asked while it is
// encoded, which writes nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>

#include "persistence/erreur_fichier.h"
#include "persistence/sortie_redessin.h"

namespace orvane {
namespace {

Bitmap bruit(int largeur, int hauteur) {
  Bitmap image(largeur, hauteur);
  std::uint32_t graine = 18;
  for (int y = 0; y < hauteur; ++y)
    for (int x = 0; x < largeur; ++x) image.setPixel(x, y, graine = graine * 1664525u + 1013904223u);
  return image;
}

TEST(SortieRedessin, AStopWhileEncodingGivesUpPromptlyAndWritesNothing) {
  QTemporaryDir repertoire;
  const Bitmap image = bruit(1500, 1000);
  for (const char* nom : {"a.png", "a.BMP", "a.jpg", "a.jpeg"}) {
    const QString chemin = repertoire.filePath(nom);
    int appels = 0;
    EXPECT_FALSE(ecrire_redessin(chemin, image, [&] { return ++appels < 3; })) << nom;
    // The encoder stops at its next write rather than going through the picture.
    EXPECT_LT(appels, 20) << nom;
    EXPECT_TRUE(QDir(repertoire.path()).entryList(QDir::Files | QDir::Hidden).isEmpty()) << nom;

    ASSERT_TRUE(ecrire_redessin(chemin, image, [] { return true; })) << nom;
    QImageReader lecteur(chemin);
    EXPECT_EQ(lecteur.size(), QSize(1500, 1000)) << nom;
    EXPECT_EQ(lecteur.format(), QByteArray(nom).endsWith("png") ? "png"
                                : QByteArray(nom).endsWith("BMP") ? "bmp" : "jpeg");
    QFile::remove(chemin);
  }
  EXPECT_THROW(ecrire_redessin(repertoire.filePath("a.gif"), image, [] { return true; }),
               ErreurFichier);
}

}  // namespace
}  // namespace orvane
