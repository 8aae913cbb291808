// BMP files Qt reads in its own way (top row first) or not at all (variants it has no
// decoder for), from the seed writer's fixtures and a few headers made here.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include "persistence/bmp_fabrique.h"
#include "persistence/fichier_bmp.h"
#include "persistence/fichier_image.h"
#include "persistence/graines.h"
#include "persistence/historique_images.h"
#include "persistence/image_qt.h"

namespace orvane {
namespace {

using ::testing::HasSubstr;
using namespace orvane::test;

// The 127 x 64 fixture: 24-bit rows stored top row first, byte i of row y = i * 37 + y * 11.
Bitmap haut_en_bas_attendue() {
  Bitmap b(127, 64);
  const auto octet = [](int i, int y) { return (i * 37 + y * 11) & 0xFF; };
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 127; ++x)
      b.setPixel(x, y, RGB(octet(3 * x + 2, y), octet(3 * x + 1, y), octet(3 * x, y)));
  return b;
}

TEST(BmpHautEnBas, IsPaintedExactlyInTheRingAndByOuvrir) {
  const QString graine = graine_bmp(QStringLiteral("haut_en_bas_127x64"));
  ASSERT_FALSE(graine.isEmpty());
  const Bitmap attendue = haut_en_bas_attendue();
  EXPECT_TRUE(vers_bitmap(QImage(graine)) == attendue);  // as Qt itself decodes it
  EXPECT_TRUE(lire_fichier_bmp(graine) == attendue);
  EXPECT_TRUE(lire_fichier_image(graine) == attendue);

  QTemporaryDir dossier;
  HistoriqueImages historique(dossier.path());
  ASSERT_TRUE(QFile::copy(graine, historique.fichier_instantane(0)));
  Canvas canvas(200, 100, RGB(1, 2, 3));
  historique.affiche_fic_suivant(canvas);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x)
      ASSERT_EQ(canvas.bitmap().pixel(x, y),
                x < 127 && y < 64 ? attendue.pixel(x, y) : RGB(1, 2, 3))
          << x << ", " << y;
}

// A 40-byte header made into another variant: its size, depth and compression.
QByteArray variante(quint32 taille_entete, int bits, int compression) {
  QByteArray b = entete_bmp(4, 2, bits, compression, 32, 0);
  qToLittleEndian<quint32>(taille_entete, b.data() + 14);
  if (taille_entete > 40) b.append(QByteArray(taille_entete - 40, '\0'));
  if (taille_entete < 40) b.remove(14 + taille_entete, 40 - taille_entete);
  qToLittleEndian<quint32>(14 + taille_entete, b.data() + 10);
  return b + QByteArray(32, '\x11');
}

TEST(BmpVariantes, AValidVariantQtDoesNotDecodeIsRefusedByName) {
  struct Cas {
    const char* nom;
    QByteArray octets;
    const char* variante;
  };
  const auto graine = [](const char* sorte) {
    return lire_octets(graine_bmp(QString::fromLatin1(sorte)));
  };
  const Cas cas[] = {
      {"deux_bits", graine("deux_bits"), "2 bits par pixel"},
      {"rle24", graine("rle24"), "compression RLE24"},
      {"64_bits", variante(40, 64, 0), "64 bits par pixel"},
      {"huffman", variante(64, 1, 3), "compression Huffman 1D"},
      {"jpeg", variante(40, 0, 4), "image JPEG incluse"},
      {"png", variante(108, 0, 5), "image PNG incluse"},
      {"alpha", variante(56, 32, 6), "champs de bits avec alpha"},
      {"entete_16", variante(16, 24, 0), "en-tête de 16 octets"},
      {"entete_52", variante(52, 24, 0), "en-tête de 52 octets"},
      {"entete_56", variante(56, 24, 0), "en-tête de 56 octets"},
  };
  QTemporaryDir dossier;
  for (const Cas& c : cas) {
    ASSERT_FALSE(c.octets.isEmpty()) << c.nom;
    const QString fichier = dossier.filePath(QString::fromLatin1(c.nom) + ".bmp");
    ecrire_octets(fichier, c.octets);
    const QString attendu =
        QStringLiteral("Impossible de lire l'image « %1 » : variante de BMP non prise en charge (%2).")
            .arg(fichier, QString::fromUtf8(c.variante));
    for (const bool ouvrir : {false, true}) {
      try {
        ouvrir ? lire_fichier_image(fichier) : lire_fichier_bmp(fichier);
        ADD_FAILURE() << c.nom << " accepted";
      } catch (const ErreurFichier& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), attendu) << c.nom;
      }
    }
  }
  // A damaged header is still called damaged.
  QByteArray abime = variante(40, 7, 0);
  const QString fichier = dossier.filePath("abime.bmp");
  ecrire_octets(fichier, abime);
  EXPECT_THROW(
      {
        try {
          lire_fichier_bmp(fichier);
        } catch (const ErreurFichier& e) {
          EXPECT_THAT(e.what(), HasSubstr("en-tête BMP endommagé"));
          throw;
        }
      },
      ErreurFichier);
}

}  // namespace
}  // namespace orvane
