#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "persistence/fichier_bmp.h"
#include "persistence/historique_images.h"

namespace orvane {
namespace {

using ::testing::HasSubstr;

// A 64 KiB file system mounted for the test: a real full disk. Mounting needs root.
class DisquePlein : public ::testing::Test {
 protected:
  void SetUp() override {
    point_ = dossier_.filePath("petit");
    ASSERT_TRUE(QDir().mkdir(point_));
    if (mount("tmpfs", point_.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0) {
      GTEST_SKIP() << "cannot mount a small file system here (needs root)";
    }
    monte_ = true;
  }
  void TearDown() override {
    if (monte_) umount2(point_.toLocal8Bit().constData(), MNT_DETACH);
  }

  static QByteArray octets(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QTemporaryDir dossier_;
  QString point_;
  bool monte_ = false;
};

TEST_F(DisquePlein, TheMessageNamesTheCauseAndThePreviousSnapshotStaysByteForByte) {
  HistoriqueImages historique(point_);
  historique.wb(Bitmap(20, 20, 0x123456));  // ~100.bmp
  const QByteArray avant = octets(point_ + "/~100.bmp");
  ASSERT_FALSE(avant.isEmpty());
  // Fill the disk: the next full-size snapshot cannot fit.
  const Bitmap grande(200, 200, 0x00FF00);
  try {
    historique.wb(grande);
    FAIL() << "a 120 KB snapshot was written on a 64 KiB disk";
  } catch (const ErreurFichier& e) {
    EXPECT_THAT(e.what(), HasSubstr("~101.bmp"));
    EXPECT_THAT(e.what(), HasSubstr("plus de place sur le disque"));
    EXPECT_THAT(e.what(), ::testing::Not(HasSubstr("Unknown error")));
  }
  EXPECT_EQ(historique.indice_historique(), 0);
  // Overwriting the existing file fails the same way and leaves it as it was.
  EXPECT_THROW(ecrire_fichier_bmp(point_ + "/~100.bmp", grande), ErreurFichier);
  EXPECT_EQ(octets(point_ + "/~100.bmp"), avant);
  EXPECT_EQ(QDir(point_).entryList(QDir::Files | QDir::Hidden), QStringList{"~100.bmp"});
}

}  // namespace
}  // namespace orvane
