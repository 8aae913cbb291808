// Writing a re-drawn picture: its format by its extension, its rows told as they are
// written, a stop asked while it is encoded, which writes nothing, and memory that runs
// short, which is said and writes nothing either.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <optional>
#include <new>
#include <string>

#include "persistence/codage_lignes.h"
#include "persistence/erreur_fichier.h"
#include "persistence/image_qt.h"
#include "persistence/sortie_redessin.h"
#include "espace_adresses.h"

namespace orvane {
namespace {

Bitmap bruit(int largeur, int hauteur) {
  Bitmap image(largeur, hauteur);
  std::uint32_t graine = 18;
  for (int y = 0; y < hauteur; ++y)
    for (int x = 0; x < largeur; ++x) image.setPixel(x, y, graine = graine * 1664525u + 1013904223u);
  return image;
}

QStringList fichiers(const QTemporaryDir& repertoire) {
  return QDir(repertoire.path()).entryList(QDir::Files | QDir::Hidden);
}

const ProgresEcriture kToujours = [](std::int64_t, std::int64_t) { return true; };

TEST(SortieRedessin, EveryRowIsToldOnceInOrderAndThePictureReadsBack) {
  QTemporaryDir repertoire;
  const Bitmap image = bruit(301, 97);  // rows not a multiple of 4 bytes in BMP
  for (const char* nom : {"a.png", "a.BMP", "a.jpg", "a.jpeg"}) {
    const QString chemin = repertoire.filePath(nom);
    std::vector<std::int64_t> lignes;
    ASSERT_TRUE(ecrire_redessin(chemin, image, [&](std::int64_t fait, std::int64_t total) {
      EXPECT_EQ(total, 97);
      lignes.push_back(fait);
      return true;
    })) << nom;
    ASSERT_EQ(lignes.size(), 98u) << nom;
    for (std::size_t i = 0; i < lignes.size(); ++i) EXPECT_EQ(lignes[i], std::int64_t(i));
    QImageReader lecteur(chemin);
    const QByteArray format = QByteArray(nom).toLower().endsWith("png")   ? "png"
                              : QByteArray(nom).toLower().endsWith("bmp") ? "bmp"
                                                                          : "jpeg";
    EXPECT_EQ(lecteur.format(), format) << nom;
    const QImage lue = lecteur.read();
    ASSERT_EQ(lue.size(), QSize(301, 97)) << nom;
    if (format != "jpeg") {
      EXPECT_TRUE(vers_bitmap(lue) == image) << nom;
    }
    QFile::remove(chemin);
  }
}

TEST(SortieRedessin, TheBmpIsTheOneQtWritesByteForByte) {
  QTemporaryDir repertoire;
  for (const QSize taille : {QSize(301, 97), QSize(1, 1), QSize(4, 3)}) {
    const Bitmap image = bruit(taille.width(), taille.height());
    const QString chemin = repertoire.filePath("a.bmp");
    ASSERT_TRUE(ecrire_redessin(chemin, image, kToujours));
    QByteArray par_qt;
    QBuffer tampon(&par_qt);
    tampon.open(QIODevice::WriteOnly);
    ASSERT_TRUE(vers_qimage(image).save(&tampon, "BMP"));
    QFile ecrit(chemin);
    ASSERT_TRUE(ecrit.open(QIODevice::ReadOnly));
    EXPECT_EQ(ecrit.readAll(), par_qt) << taille.width() << "x" << taille.height();
  }
}

TEST(SortieRedessin, AStopWhileEncodingGivesUpAtThatRowAndWritesNothing) {
  QTemporaryDir repertoire;
  const Bitmap image = bruit(1500, 1000);
  for (const char* nom : {"a.png", "a.BMP", "a.jpg", "a.jpeg"}) {
    const QString chemin = repertoire.filePath(nom);
    int appels = 0;
    EXPECT_FALSE(ecrire_redessin(chemin, image, [&](std::int64_t, std::int64_t) {
      return ++appels < 3;
    })) << nom;
    EXPECT_EQ(appels, 3) << nom;
    EXPECT_TRUE(fichiers(repertoire).isEmpty()) << nom;
  }
  EXPECT_THROW(ecrire_redessin(repertoire.filePath("a.gif"), image, kToujours), ErreurFichier);
}

// In a child process: the address space capped where it stands, as on a machine out of
// memory. The child is a fresh run of this program, so the allocator's free space is small
// beside a row of the pictures written here.
void plafonner_l_espace() {
  const rlim_t limite = test::espace_utilise();
  const rlimit espace{limite, limite};
  setrlimit(RLIMIT_AS, &espace);
}

// What the child tells its parent.
enum Resultat { kMemoireDite = 10, kAutreIssue, kAutreErreur };

// Writes with no memory to spare, through the encoder alone on an open file or the whole
// write, and ends the process with what happened.
[[noreturn]] void ecrire_sans_memoire(const QString& chemin, const Bitmap& image, bool encodeur) {
  int code = kAutreErreur;
  try {
    if (encodeur) {
      EcritureAtomique fichier(chemin);
      plafonner_l_espace();
      const QString format = QFileInfo(chemin).suffix();
      const IssueCodage issue = format == u"png"   ? coder_png(image, fichier, kToujours)
                                : format == u"bmp" ? coder_bmp(image, fichier, kToujours)
                                                   : coder_jpeg(image, fichier, kToujours);
      code = issue == IssueCodage::MemoireManquante ? kMemoireDite : kAutreIssue;
    } else {
      plafonner_l_espace();
      ecrire_redessin(chemin, image, kToujours);
      code = kAutreIssue;
    }
  } catch (const std::bad_alloc&) {
    code = kMemoireDite;
  } catch (...) {
  }
  _exit(code);
}

TEST(SortieRedessinDeathTest, MemoryShortWhileEncodingIsSaidAndWritesNothing) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  // The child runs this test again up to its statement: the directory is handed down.
  const char* const kDossier = "ORVANE_TEST_DOSSIER_MEMOIRE";
  std::optional<QTemporaryDir> propre;
  if (!qEnvironmentVariableIsSet(kDossier)) {
    propre.emplace();
    qputenv(kDossier, QFile::encodeName(propre->path()));
  }
  const QDir dossier(qEnvironmentVariable(kDossier));
  const Bitmap image = bruit(60000, 3);  // rows of 180 to 240 KB
  for (const char* nom : {"a.png", "a.bmp", "a.jpg"}) {
    for (const bool encodeur : {true, false}) {
      EXPECT_EXIT(ecrire_sans_memoire(dossier.filePath(nom), image, encodeur),
                  ::testing::ExitedWithCode(kMemoireDite), "")
          << nom << (encodeur ? " encoder" : " whole write");
      EXPECT_TRUE(dossier.entryList(QDir::Files | QDir::Hidden).isEmpty()) << nom;
    }
  }
  qunsetenv(kDossier);
}

}  // namespace
}  // namespace orvane
