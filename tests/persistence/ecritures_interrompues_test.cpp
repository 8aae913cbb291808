#include "persistence/ecritures_interrompues.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace orvane {
namespace {

TEST(EcrituresInterrompues, OnlyTheTemporaryFilesOfAtomicWritesAreRemoved) {
  QTemporaryDir dossier;
  const QStringList restes = {"~105.bmp.Ab12Cd", "~100.bmp.zzzzzz", "orvane.prm.Q1w2E3"};
  const QStringList gardes = {"~105.bmp",      "orvane.prm",        "~110.bmp.Ab12Cd",
                              "~105.bmp.abc",  "image.bmp.Ab12Cd",  "~105.bmp.Ab12Cd.x",
                              "~105.bmp.Ab-2Cd", "notes.txt"};
  for (const QString& nom : restes + gardes) {
    QFile f(dossier.filePath(nom));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
  }
  ASSERT_TRUE(QDir(dossier.path()).mkdir("~101.bmp.AAAAAA"));  // a directory is left alone

  EXPECT_EQ(supprimer_ecritures_interrompues(dossier.path()), restes.size());
  QStringList attendus = gardes;
  attendus << "~101.bmp.AAAAAA";
  attendus.sort();
  QStringList presents = QDir(dossier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  presents.sort();
  EXPECT_EQ(presents, attendus);
  EXPECT_EQ(supprimer_ecritures_interrompues(dossier.filePath("absent")), 0);
}

}  // namespace
}  // namespace orvane
