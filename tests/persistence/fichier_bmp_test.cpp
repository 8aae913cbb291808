#include "persistence/fichier_bmp.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <limits>
#include <random>

#include "persistence/bmp_fabrique.h"
#include "persistence/environnement_hostile.h"
#include "persistence/limite_taille_fichier.h"
#include "persistence/longueur_bmp.h"

namespace orvane {
namespace {

using ::testing::HasSubstr;
using namespace orvane::test;

// Every pixel different, channels near both ends of their range.
Bitmap motif(int largeur, int hauteur) {
  Bitmap b(largeur, hauteur);
  for (int y = 0; y < hauteur; ++y)
    for (int x = 0; x < largeur; ++x) b.setPixel(x, y, RGB(x * 37 + y, 255 - x, y * 53 + 7 * x));
  return b;
}

class FichierBmp : public ::testing::Test {
 protected:
  QString chemin(const QString& nom) const { return dossier_.filePath(nom); }

  // Expects lire_fichier_bmp to refuse the file with a message naming it.
  void attendre_refus(const QString& fichier) const {
    try {
      lire_fichier_bmp(fichier);
      ADD_FAILURE() << "accepted " << fichier.toStdString();
    } catch (const ErreurFichier& e) {
      EXPECT_THAT(e.what(), HasSubstr(fichier.toStdString()));
    }
  }

  QTemporaryDir dossier_;
};

// --- writing and reading back ----------------------------------------------------------

class AllerRetour : public FichierBmp, public ::testing::WithParamInterface<QSize> {};

TEST_P(AllerRetour, RelitLesMemesPixels) {
  const Bitmap image = motif(GetParam().width(), GetParam().height());
  const QString fichier = chemin("image.bmp");
  ecrire_fichier_bmp(fichier, image);

  const Bitmap relue = lire_fichier_bmp(fichier);
  ASSERT_EQ(relue.width(), image.width());
  ASSERT_EQ(relue.height(), image.height());
  EXPECT_TRUE(relue == image);
  for (int i = 0; i < relue.width() * relue.height(); ++i) ASSERT_EQ(relue.data()[i] >> 24, 0u);
}

// Widths 1..4 cover every row padding of a 24-bit file.
INSTANTIATE_TEST_SUITE_P(Tailles, AllerRetour,
                         ::testing::Values(QSize(1, 1), QSize(2, 3), QSize(3, 2), QSize(4, 5),
                                           QSize(641, 7)));

TEST_F(FichierBmp, EcritUnBmp24BitsNonCompresse) {
  const QString fichier = chemin("image.bmp");
  ecrire_fichier_bmp(fichier, motif(3, 2));
  const QByteArray octets = lire_octets(fichier);
  ASSERT_GE(octets.size(), 54);
  EXPECT_EQ(octets.left(2), QByteArray("BM"));
  EXPECT_EQ(qFromLittleEndian<quint16>(octets.constData() + 28), 24);  // bits per pixel
  EXPECT_EQ(qFromLittleEndian<quint32>(octets.constData() + 30), 0u);  // no compression
  EXPECT_EQ(octets.size(), 54 + 2 * 12);  // two rows of 9 bytes padded to 12
}

TEST_F(FichierBmp, RemplaceUnFichierExistant) {
  const QString fichier = chemin("image.bmp");
  ecrire_fichier_bmp(fichier, motif(20, 20));
  ecrire_fichier_bmp(fichier, motif(2, 2));
  EXPECT_TRUE(lire_fichier_bmp(fichier) == motif(2, 2));
}

// --- files written by others -------------------------------------------------------------

TEST_F(FichierBmp, LitUnBmp8BitsEcritParQImage) {
  QImage indexee(5, 3, QImage::Format_Indexed8);
  QList<QRgb> palette;
  for (int i = 0; i < 256; ++i) palette.append(qRgb(i, 255 - i, (i * 7) & 0xFF));
  indexee.setColorTable(palette);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) indexee.setPixel(x, y, (x * 50 + y * 17) & 0xFF);
  const QString fichier = chemin("indexee.bmp");
  ASSERT_TRUE(indexee.save(fichier, "BMP"));
  ASSERT_EQ(qFromLittleEndian<quint16>(lire_octets(fichier).constData() + 28), 8);

  const Bitmap lue = lire_fichier_bmp(fichier);
  ASSERT_EQ(lue.width(), 5);
  ASSERT_EQ(lue.height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) {
      const int i = (x * 50 + y * 17) & 0xFF;
      EXPECT_EQ(lue.pixel(x, y), RGB(i, 255 - i, (i * 7) & 0xFF)) << x << "," << y;
    }
}

TEST_F(FichierBmp, LitUnBmp32BitsEtIgnoreLOctetHaut) {
  // 0xAARRGGBB, with a non-zero fourth byte that must not reach the bitmap.
  const std::vector<std::uint32_t> argb = {0xAB0000FF, 0xAB00FF00, 0xABFF0000,
                                           0xAB102030, 0x00FFFFFF, 0xFF000000};
  const QString fichier = chemin("32.bmp");
  ecrire_octets(fichier, bmp_32_bits(3, 2, argb));

  const Bitmap lue = lire_fichier_bmp(fichier);
  ASSERT_EQ(lue.width(), 3);
  ASSERT_EQ(lue.height(), 2);
  EXPECT_EQ(lue.pixel(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(lue.pixel(1, 0), RGB(0, 255, 0));
  EXPECT_EQ(lue.pixel(2, 0), RGB(255, 0, 0));
  EXPECT_EQ(lue.pixel(0, 1), RGB(0x10, 0x20, 0x30));
  EXPECT_EQ(lue.pixel(1, 1), RGB(255, 255, 255));
  EXPECT_EQ(lue.pixel(2, 1), RGB(0, 0, 0));
}

TEST_F(FichierBmp, LitUnEnteteOs2) {
  const std::vector<std::uint32_t> rgb = {0x0000FF, 0x00FF00, 0xFF0000, 0x405060};
  const QString fichier = chemin("os2.bmp");
  ecrire_octets(fichier, bmp_os2_24_bits(2, 2, rgb));

  const Bitmap lue = lire_fichier_bmp(fichier);
  ASSERT_EQ(lue.width(), 2);
  ASSERT_EQ(lue.height(), 2);
  EXPECT_EQ(lue.pixel(0, 0), RGB(0, 0, 255));
  EXPECT_EQ(lue.pixel(1, 0), RGB(0, 255, 0));
  EXPECT_EQ(lue.pixel(0, 1), RGB(255, 0, 0));
  EXPECT_EQ(lue.pixel(1, 1), RGB(0x40, 0x50, 0x60));
}

// An RLE stream may end before the last row. Qt leaves the pixels it skips as they were
// in memory; reading a full picture first leaves its pixels there to show it.
TEST_F(FichierBmp, RleCourtDonneLaPremiereCouleurPasLaMemoirePrecedente) {
  const int cote = 64;
  QByteArray pleine;
  for (int y = 0; y < cote; ++y) pleine.append(QByteArray::fromHex("40c80000"));  // 64 x 200, EOL
  pleine.append(QByteArray::fromHex("0001"));
  const QByteArray courte = QByteArray::fromHex("40c80000" "0001");  // bottom row only, EOB
  const std::uint32_t couleur_0 = 0x0A141E;                        // R, G, B = 10, 20, 30

  ecrire_octets(chemin("pleine.bmp"), bmp_rle8(cote, cote, pleine, couleur_0, pleine.size()));
  ecrire_octets(chemin("courte.bmp"), bmp_rle8(cote, cote, courte, couleur_0, courte.size()));

  EXPECT_EQ(lire_fichier_bmp(chemin("pleine.bmp")).pixel(0, 0), RGB(200, 200, 200));
  const Bitmap lue = lire_fichier_bmp(chemin("courte.bmp"));
  EXPECT_EQ(lue.pixel(5, cote - 1), RGB(200, 200, 200));
  EXPECT_EQ(lue.pixel(5, 0), RGB(10, 20, 30));
  EXPECT_EQ(lue.pixel(cote - 1, cote - 2), RGB(10, 20, 30));
}

// --- files refused ---------------------------------------------------------------------

struct CasRefus {
  const char* nom;
  QByteArray (*contenu)();
};
void PrintTo(const CasRefus& cas, std::ostream* os) { *os << cas.nom; }

QByteArray encoder(int largeur, int hauteur, const char* format) {
  QImage image(largeur, hauteur, QImage::Format_RGB32);
  image.fill(0x336699);
  QByteArray octets;
  QBuffer tampon(&octets);
  tampon.open(QIODevice::WriteOnly);
  image.save(&tampon, format);
  return octets;
}

QByteArray bmp_qt_24_bits(int largeur, int hauteur) { return encoder(largeur, hauteur, "BMP"); }

const CasRefus kRefus[] = {
    {"vide", [] { return QByteArray(); }},
    {"texte", [] { return QByteArray("Ceci n'est pas une image.\r\n"); }},
    {"png", [] { return encoder(4, 4, "PNG"); }},
    {"entete_seul", [] { return bmp_qt_24_bits(40, 30).left(54); }},
    {"moitie_des_pixels", [] { return bmp_qt_24_bits(40, 30).left(54 + 40 * 3 * 15); }},
    {"un_octet_de_moins", [] {
       const QByteArray b = bmp_qt_24_bits(40, 30);
       return b.left(b.size() - 1);
     }},
    {"entete_coupe", [] { return bmp_qt_24_bits(40, 30).left(30); }},
    {"32_bits_tronque", [] {
       const QByteArray b = bmp_32_bits(8, 8, std::vector<std::uint32_t>(64, 0x123456));
       return b.left(b.size() - 4);
     }},
    {"rle_tronque", [] {
       const QByteArray donnees = QByteArray::fromHex("40c80000" "40c80000" "0001");
       return bmp_rle8(64, 2, donnees, 0, donnees.size()).chopped(5);
     }},
    {"bits_par_pixel_nul", [] {
       QByteArray b = bmp_qt_24_bits(4, 4);
       b[28] = 0;
       return b;
     }},
    {"taille_absurde", [] {
       QByteArray b = entete_bmp(60000, 60000, 24, 0, 0, 0);
       return b + QByteArray(64, '\0');
     }},
    {"pixels_au_dela_du_fichier", [] {
       QByteArray b = bmp_qt_24_bits(4, 4);
       qToLittleEndian<quint32>(1000000, b.data() + 10);
       return b;
     }},
};

class Refus : public FichierBmp, public ::testing::WithParamInterface<CasRefus> {};

TEST_P(Refus, LeveUneErreurQuiNommeLeFichier) {
  const QString fichier = chemin(QStringLiteral("%1.bmp").arg(GetParam().nom));
  ecrire_octets(fichier, GetParam().contenu());
  attendre_refus(fichier);
}

INSTANTIATE_TEST_SUITE_P(Fichiers, Refus, ::testing::ValuesIn(kRefus),
                         [](const auto& info) { return std::string(info.param.nom); });

// A header promising more than we accept says so, whatever Qt makes of it.
TEST_F(FichierBmp, UneImageTropGrandeEstDiteTropGrande) {
  const std::pair<int, int> tailles[] = {{60000, 60000}, {2147483647, 2147483647}, {9000, -9000},
                                         {70000, 1000}};
  for (const auto& [largeur, hauteur] : tailles) {
    const QString fichier = chemin(QStringLiteral("grande_%1.bmp").arg(largeur));
    ecrire_octets(fichier, entete_bmp(largeur, hauteur, 32, 0, 0, 0) + QByteArray(64, '\0'));
    try {
      lire_fichier_bmp(fichier);
      ADD_FAILURE() << "accepted " << largeur << " x " << hauteur;
    } catch (const ErreurFichier& e) {
      EXPECT_THAT(e.what(), HasSubstr("trop grande")) << largeur << " x " << hauteur;
    }
  }
}

TEST(LongueurBmp, TheLargestHeadersDoNotOverflow) {
  const QByteArray entete = entete_bmp(1, 1, 32, 0, 0, 0);
  const qint64 max = std::numeric_limits<qint64>::max();
  EXPECT_EQ(longueur_minimale_bmp(entete, QSize(2147483647, 2147483647)), max);
  EXPECT_EQ(longueur_minimale_bmp(entete, QSize(3, 2)), 54 + 12 + 12);
  QByteArray bits_max = entete;
  qToLittleEndian<quint16>(65535, bits_max.data() + 28);
  EXPECT_GT(longueur_minimale_bmp(bits_max, QSize(2147483647, 1)), 0);
}

// Random damage to the headers: each file is either read or refused with our error, never
// another exception (an allocation failure for an absurd size, say) or a crash.
TEST_F(FichierBmp, EntetesAbimesLusOuRefuses) {
  const QByteArray modeles[] = {bmp_qt_24_bits(16, 16),
                                bmp_32_bits(4, 4, std::vector<std::uint32_t>(16, 0x123456)),
                                bmp_rle8(8, 2, QByteArray::fromHex("08c80000" "08400000" "0001"),
                                         0, 10)};
  std::mt19937 aleatoire(77);
  int lus = 0;
  int refuses = 0;
  for (int essai = 0; essai < 600; ++essai) {
    QByteArray octets = modeles[essai % 3];
    const int degats = 1 + essai % 4;
    for (int d = 0; d < degats; ++d)
      octets[aleatoire() % 54] = char(aleatoire() % 256);
    const QString fichier = chemin(QStringLiteral("abime_%1.bmp").arg(essai));
    ecrire_octets(fichier, octets);
    try {
      const Bitmap lue = lire_fichier_bmp(fichier);
      ASSERT_GT(lue.width(), 0);
      ++lus;
    } catch (const ErreurFichier&) {
      ++refuses;
    }
  }
  EXPECT_GT(lus, 0);
  EXPECT_GT(refuses, 0);
}

TEST_F(FichierBmp, RefuseUnFichierAbsentOuUnDossier) {
  attendre_refus(chemin("absent.bmp"));
  ASSERT_TRUE(QDir(dossier_.path()).mkdir("dossier.bmp"));
  attendre_refus(chemin("dossier.bmp"));
}

// --- failed writes -----------------------------------------------------------------------

void attendre_echec_ecriture(const QString& fichier, const Bitmap& image) {
  try {
    ecrire_fichier_bmp(fichier, image);
    ADD_FAILURE() << "written " << fichier.toStdString();
  } catch (const ErreurFichier& e) {
    EXPECT_THAT(e.what(), HasSubstr(fichier.toStdString()));
  }
}

TEST_F(FichierBmp, DossierInexistantOuQuiEstUnFichier) {
  attendre_echec_ecriture(chemin("absent/image.bmp"), motif(4, 4));
  ecrire_octets(chemin("simple_fichier"), "x");
  attendre_echec_ecriture(chemin("simple_fichier/image.bmp"), motif(4, 4));
}

TEST_F(FichierBmp, ImageVideRefusee) {
  attendre_echec_ecriture(chemin("vide.bmp"), Bitmap());
  EXPECT_FALSE(QFile::exists(chemin("vide.bmp")));
}

TEST_F(FichierBmp, DossierEnLectureSeuleGardeLAncienFichier) {
  const QString sous_dossier = chemin("protege");
  ASSERT_TRUE(QDir().mkdir(sous_dossier));
  const QString fichier = sous_dossier + "/image.bmp";
  ecrire_fichier_bmp(fichier, motif(5, 5));
  const QByteArray avant = lire_octets(fichier);
  ASSERT_TRUE(QFile::setPermissions(sous_dossier, QFile::ReadOwner | QFile::ExeOwner));
  // Root bypasses permissions: the write runs in a thread without that power.
  std::string message;
  const bool sans_droits = sans_passe_droits([&] {
    try {
      ecrire_fichier_bmp(fichier, motif(9, 9));
    } catch (const ErreurFichier& e) {
      message = e.what();
    }
  });
  QFile::setPermissions(sous_dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  if (!sans_droits) GTEST_SKIP() << "cannot drop the power to bypass permissions";
  EXPECT_EQ(QString::fromStdString(message),
            QStringLiteral("Impossible d'écrire l'image « %1 » : permission refusée.").arg(fichier));
  EXPECT_EQ(lire_octets(fichier), avant);
}

TEST_F(FichierBmp, EcritureInterrompueGardeLAncienFichier) {
  const QString fichier = chemin("image.bmp");
  ecrire_fichier_bmp(fichier, motif(10, 10));
  const QByteArray avant = lire_octets(fichier);
  {
    LimiteTailleFichier limite(4096);
    attendre_echec_ecriture(fichier, motif(200, 200));
  }
  EXPECT_EQ(lire_octets(fichier), avant);
  EXPECT_EQ(QDir(dossier_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"image.bmp"});
}

TEST_F(FichierBmp, UnePetiteImageInterrompueGardeLAncienFichier) {
  // The disk fills up within the first block written.
  const QString fichier = chemin("image.bmp");
  ecrire_fichier_bmp(fichier, motif(10, 10));
  const QByteArray avant = lire_octets(fichier);
  {
    LimiteTailleFichier limite(100);
    attendre_echec_ecriture(fichier, motif(12, 12));
  }
  EXPECT_EQ(lire_octets(fichier), avant);
  EXPECT_EQ(QDir(dossier_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"image.bmp"});
}

}  // namespace
}  // namespace orvane
