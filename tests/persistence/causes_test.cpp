// Every failure names its cause: permission, decoding limit, truncation, read-only file
// system, something else than a file where one is read or written.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>

#include "persistence/bmp_fabrique.h"
#include "persistence/environnement_hostile.h"
#include "persistence/fichier_bmp.h"
#include "persistence/fichier_image.h"
#include "persistence/fichier_parametres.h"
#include "persistence/historique_images.h"

namespace orvane {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using namespace orvane::test;

quint32 crc32(const QByteArray& octets) {
  quint32 crc = 0xFFFFFFFFu;
  for (const char c : octets) {
    crc ^= static_cast<quint8>(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

QByteArray morceau_png(const QByteArray& type, const QByteArray& donnees) {
  QByteArray b(4, '\0');
  qToBigEndian<quint32>(static_cast<quint32>(donnees.size()), b.data());
  b += type + donnees;
  QByteArray crc(4, '\0');
  qToBigEndian<quint32>(crc32(type + donnees), crc.data());
  return b + crc;
}

// A 16-bit RGBA PNG whose header promises 5000 x 5000 pixels: 200 MB once decoded.
QByteArray png_5000_16_bits() {
  QByteArray entete(13, '\0');
  qToBigEndian<quint32>(5000, entete.data());
  qToBigEndian<quint32>(5000, entete.data() + 4);
  entete[8] = 16;  // bits per channel
  entete[9] = 6;   // RGBA
  return QByteArray("\x89PNG\r\n\x1a\n", 8) + morceau_png("IHDR", entete) +
         morceau_png("IDAT", QByteArray::fromHex("789c030000000001")) + morceau_png("IEND", {});
}

// A one-pixel GIF on a 65535 x 65535 logical screen.
QByteArray gif_ecran_immense() {
  return QByteArray::fromHex(
      "474946383961" "ffffffff" "800000" "000000ffffff"  // header, screen, two colours
      "2c" "00000000" "01000100" "00" "02024401" "00" "3b");
}

QByteArray encoder(const char* format) {
  QImage image(64, 48, QImage::Format_RGB32);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) image.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) % 256));
  QByteArray octets;
  QBuffer tampon(&octets);
  tampon.open(QIODevice::WriteOnly);
  image.save(&tampon, format);
  return octets;
}

// The message an operation fails with, or empty if it does not fail.
QString message_de(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const ErreurFichier& e) {
    return QString::fromUtf8(e.what());
  }
  return QString();
}

class Causes : public ::testing::Test {
 protected:
  QString chemin(const QString& nom) const { return dossier_.filePath(nom); }
  QTemporaryDir dossier_;
};

// "Impossible de lire l'image « path » : cause..." and nothing of Qt's English.
void attendre_cause(const QString& message, const QString& fichier, const QString& debut_cause) {
  EXPECT_TRUE(message.startsWith(QStringLiteral("Impossible de lire l'image « %1 » : %2")
                                     .arg(fichier, debut_cause)))
      << message.toStdString();
  EXPECT_TRUE(message.endsWith(u'.')) << message.toStdString();
  for (const char* anglais : {"Unable", "error", "Error", "denied"})
    EXPECT_FALSE(message.contains(QLatin1String(anglais))) << message.toStdString();
}

TEST_F(Causes, PicturesThatCannotBeDecodedSayWhy) {
  struct Cas {
    const char* nom;
    QByteArray contenu;
    bool ouverte;  // through "Ouvrir" rather than the snapshot reader
    const char* cause;
  };
  const QByteArray bmp = encoder("BMP");
  const QByteArray png = encoder("PNG");
  const QByteArray jpeg = encoder("JPEG");
  const Cas cas[] = {
      {"png_16_bits.png", png_5000_16_bits(), true,
       "image trop grande (5000 x 5000 à 64 bits par pixel : 191 Mo à décoder, au-delà de la "
       "limite de 128 Mo)"},
      {"gif_ecran.gif", gif_ecran_immense(), true, "image trop grande (65535 x 65535 "},
      {"coupe.bmp", bmp.left(bmp.size() / 2), false, "fichier tronqué ("},
      {"coupe_ouverte.bmp", bmp.left(bmp.size() / 2), true, "fichier tronqué ("},
      {"coupe.png", png.left(png.size() * 3 / 4), true, "fichier tronqué (image PNG incomplète)"},
      {"coupe.jpg", jpeg.left(jpeg.size() * 3 / 4), true,
       "fichier tronqué (image JPEG incomplète)"},
      {"png.bmp", png, false, "ce n'est pas une image BMP"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    const QString fichier = chemin(QString::fromLatin1(c.nom));
    ecrire_octets(fichier, c.contenu);
    attendre_cause(message_de([&] {
                     if (c.ouverte)
                       lire_fichier_image(fichier);
                     else
                       lire_fichier_bmp(fichier);
                   }),
                   fichier, QString::fromUtf8(c.cause));
  }
  // Whole, the same pictures open.
  for (const auto& [nom, octets] : {std::pair{"entier.png", png}, std::pair{"entier.jpg", jpeg}}) {
    ecrire_octets(chemin(nom), octets);
    EXPECT_EQ(lire_fichier_image(chemin(nom)).width(), 64) << nom;
  }
}

TEST_F(Causes, AFileWithoutReadPermissionIsSaidSo) {
  const QString image = chemin("privee.bmp");
  const QString reglages = chemin("orvane.prm");
  ecrire_octets(image, encoder("BMP"));
  ecrire_octets(reglages, "10\r\n");
  for (const QString& f : {image, reglages}) ASSERT_TRUE(QFile::setPermissions(f, {}));
  QString ouverte, instantane, parametres;
  const bool sans_droits = sans_passe_droits([&] {
    ouverte = message_de([&] { lire_fichier_image(image); });
    instantane = message_de([&] { lire_fichier_bmp(image); });
    parametres = message_de([&] { lire_ligne(reglages, 1); });
  });
  if (!sans_droits) GTEST_SKIP() << "cannot drop the power to bypass permissions";
  attendre_cause(ouverte, image, QStringLiteral("permission refusée"));
  attendre_cause(instantane, image, QStringLiteral("permission refusée"));
  EXPECT_EQ(parametres, QStringLiteral("Impossible de lire le fichier des réglages « %1 » : "
                                       "permission refusée.")
                            .arg(reglages));
}

TEST_F(Causes, AReadOnlyFileSystemIsSaidSoAndKeepsEveryFile) {
  const QString point = chemin("lecture_seule");
  ASSERT_TRUE(QDir().mkdir(point));
  const QByteArray dossier = QFile::encodeName(point);
  if (mount("tmpfs", dossier.constData(), "tmpfs", 0, "size=1m") != 0)
    GTEST_SKIP() << "cannot mount a file system here (needs root)";
  const QString image = point + "/~100.bmp";
  const QString reglages = point + "/orvane.prm";
  ecrire_fichier_bmp(image, Bitmap(4, 4, 0x112233));
  ecrire_octets(reglages, "10\r\n");
  const QByteArray avant = lire_octets(image);
  const bool lecture_seule =
      mount("tmpfs", dossier.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=1m") == 0;
  const QString message_image = message_de([&] { ecrire_fichier_bmp(image, Bitmap(9, 9, 0)); });
  const QString message_reglages =
      message_de([&] { ecrire_parametres({{1, QStringLiteral("3")}}, reglages); });
  const QByteArray apres = lire_octets(image);
  const QByteArray reglages_apres = lire_octets(reglages);
  umount2(dossier.constData(), MNT_DETACH);
  ASSERT_TRUE(lecture_seule);
  EXPECT_EQ(message_image,
            QStringLiteral("Impossible d'écrire l'image « %1 » : système de fichiers en lecture "
                           "seule.")
                .arg(image));
  EXPECT_EQ(message_reglages, QStringLiteral("Impossible d'écrire le fichier des réglages « %1 » : "
                                             "système de fichiers en lecture seule.")
                                  .arg(reglages));
  EXPECT_EQ(apres, avant);
  EXPECT_EQ(reglages_apres, QByteArray("10\r\n"));
}

// Something else than a file where a picture or the settings are read: refused at once,
// without opening it (opening a named pipe for reading waits for a writer for ever).
TEST_F(Causes, ANamedPipeIsRefusedAtOnceWhereverAFileIsRead) {
  const QString tube_image = chemin("tube.bmp");
  const QString tube_reglages = chemin("orvane.prm");
  ASSERT_TRUE(creer_tube(tube_image));
  ASSERT_TRUE(creer_tube(tube_reglages));
  ChienDeGarde garde(20, "reading a named pipe");
  const QString pas_un_fichier = QStringLiteral("ce n'est pas un fichier ordinaire (tube nommé)");
  attendre_cause(message_de([&] { lire_fichier_image(tube_image); }), tube_image, pas_un_fichier);
  attendre_cause(message_de([&] { lire_fichier_bmp(tube_image); }), tube_image, pas_un_fichier);
  const QString refus_reglages =
      QStringLiteral("Impossible de lire le fichier des réglages « %1 » : %2.")
          .arg(tube_reglages, pas_un_fichier);
  EXPECT_EQ(message_de([&] { lire_ligne(tube_reglages, 1); }), refus_reglages);
  EXPECT_EQ(message_de([&] { ecrire_parametres({{1, QStringLiteral("3")}}, tube_reglages); }),
            refus_reglages);
  // Not replaced either, by a picture saved under its name.
  EXPECT_EQ(message_de([&] { enregistrer_image(tube_image, Bitmap(2, 2, 0)); }),
            QStringLiteral("Impossible d'écrire l'image « %1 » : %2.").arg(tube_image, pas_un_fichier));
  for (const QString& tube : {tube_image, tube_reglages}) {
    EXPECT_FALSE(QFileInfo(tube).isFile()) << tube.toStdString();
    EXPECT_TRUE(QFileInfo(tube).exists()) << tube.toStdString();
  }
  EXPECT_EQ(QDir(dossier_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
}

// The ring of snapshots with a directory and a named pipe in two of its places.
class AnneauEncombre : public Causes {
 protected:
  AnneauEncombre() : historique_(dossier_.path()), canvas_(4, 4, 0) {
    historique_.avertissement = [this](const QString& t) { avertissements_ << t; };
  }
  QString place(int i) const { return historique_.fichier_instantane(i); }
  // Paints black first, so that a step that paints nothing is seen.
  Colour apres(void (HistoriqueImages::*pas)(Canvas&)) {
    canvas_ = Canvas(4, 4, 0);
    (historique_.*pas)(canvas_);
    return canvas_.bitmap().pixel(1, 1);
  }

  HistoriqueImages historique_;
  Canvas canvas_;
  QStringList avertissements_;
};

TEST_F(AnneauEncombre, APlaceThatIsNoFileIsPassedOverOnceSaidAndUndoGoesOn) {
  ASSERT_TRUE(QDir(dossier_.path()).mkdir("~100.bmp"));
  ASSERT_TRUE(creer_tube(place(3)));
  ChienDeGarde garde(20, "the ring with a named pipe");

  for (int trait = 1; trait <= 10; ++trait) historique_.wb(Bitmap(4, 4, RGB(trait, 0, 0)));
  // Eight places for ten strokes: the last two went round to places 1 and 2 again.
  EXPECT_EQ(historique_.indice_historique(), 2);
  ASSERT_EQ(avertissements_.size(), 2);
  EXPECT_EQ(avertissements_[0],
            QStringLiteral("Impossible d'écrire l'image « %1 » : c'est un répertoire. "
                           "L'historique passe à la place suivante ; ce message ne sera pas répété.")
                .arg(place(0)));
  EXPECT_THAT(avertissements_[1].toStdString(),
              AllOf(HasSubstr(place(3).toStdString()), HasSubstr("tube nommé")));
  EXPECT_TRUE(QFileInfo(place(0)).isDir());

  // Undo walks back through every stroke kept, over the two places, without a new word.
  std::vector<int> vus;
  for (int pas = 0; pas < 10; ++pas)
    vus.push_back(rouge(apres(&HistoriqueImages::affiche_fic_precedent)));
  EXPECT_EQ(vus, (std::vector<int>{10, 9, 0, 8, 7, 6, 5, 4, 3, 0}));
  EXPECT_EQ(avertissements_.size(), 2);
  // Redo too.
  EXPECT_EQ(rouge(apres(&HistoriqueImages::affiche_fic_suivant)), 0);  // the pipe's place
  EXPECT_EQ(rouge(apres(&HistoriqueImages::affiche_fic_suivant)), 3);
  EXPECT_EQ(avertissements_.size(), 2);
}

TEST_F(AnneauEncombre, ANamedPipeMetFirstWhenSteppingIsSaidAtOnce) {
  ASSERT_TRUE(creer_tube(place(0)));
  ChienDeGarde garde(20, "stepping onto a named pipe");
  EXPECT_EQ(apres(&HistoriqueImages::affiche_fic_suivant), Colour{0});
  ASSERT_EQ(avertissements_.size(), 1);
  EXPECT_EQ(avertissements_[0],
            QStringLiteral("Impossible de lire l'image « %1 » : ce n'est pas un fichier ordinaire "
                           "(tube nommé). Cette place de l'historique est sautée ; ce message ne "
                           "sera pas répété.")
                .arg(place(0)));
  EXPECT_EQ(historique_.indice_historique(), 0);
}

TEST_F(AnneauEncombre, ARingWithNoPlaceLeftFailsWithoutMoving) {
  for (int i = 0; i < HistoriqueImages::kTailleAnneau; ++i)
    ASSERT_TRUE(QDir(dossier_.path()).mkdir(QStringLiteral("~%1.bmp").arg(100 + i)));
  EXPECT_THAT(message_de([&] { historique_.wb(Bitmap(4, 4, 0)); }).toStdString(),
              HasSubstr("c'est un répertoire"));
  EXPECT_EQ(historique_.indice_historique(), -1);
}

}  // namespace
}  // namespace orvane
