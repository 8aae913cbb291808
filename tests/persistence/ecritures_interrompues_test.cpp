#include "persistence/ecritures_interrompues.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "persistence/bmp_fabrique.h"
#include "persistence/ecriture_atomique.h"
#include "persistence/ecriture_tuee.h"

namespace orvane {
namespace {

QStringList contenu_du_dossier(const QString& chemin) {
  QStringList noms = QDir(chemin).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  noms.sort();
  return noms;
}

TEST(EcrituresInterrompues, OnlyOrvanesOwnLeftoversGoNeverAFileOfTheUsers) {
  QTemporaryDir dossier;
  // Names a user may give, some shaped like the temporary files of other programs.
  const QStringList du_leur = {
      "orvane.prm.backup", "orvane.prm.2024ab", "~100.bmp.copie1", "~105.bmp.Ab12Cd",
      "orvane.prm.Q1w2E3", "~105.bmp",          "orvane.prm",      ".orvane-tmp-notes",
      ".orvane-tmp-12-abc", ".orvane-tmp-0-Ab12Cd", "notes.txt"};
  for (const QString& nom : du_leur) test::ecrire_octets(dossier.filePath(nom), nom.toUtf8());
  ASSERT_TRUE(QDir(dossier.path()).mkdir(".orvane-tmp-999999999-AAAAAA"));  // not a file

  // A snapshot write killed half-way leaves nothing where the file system has unnamed
  // temporary files.
  ASSERT_GT(test::ecriture_tuee(dossier.filePath("~102.bmp")), 0);
  EXPECT_EQ(contenu_du_dossier(dossier.path()).size(), du_leur.size() + 1);
  // Elsewhere it leaves its named temporary file, which goes at the next start.
  essayer_temporaires_sans_nom(false);
  const pid_t tue = test::ecriture_tuee(dossier.filePath("~102.bmp"));
  essayer_temporaires_sans_nom(true);
  ASSERT_GT(tue, 0);
  const QString reste = QStringLiteral(".orvane-tmp-%1-").arg(tue);
  const QStringList restes = QDir(dossier.path()).entryList({reste + "*"}, QDir::Files | QDir::Hidden);
  ASSERT_EQ(restes.size(), 1);
  // One being written right now by a running Orvane (this process) stays.
  const QString en_cours = QStringLiteral(".orvane-tmp-%1-Zz09Yy").arg(getpid());
  test::ecrire_octets(dossier.filePath(en_cours), "en cours");

  EXPECT_EQ(supprimer_ecritures_interrompues(dossier.path()), 1);
  QStringList attendus = du_leur;
  attendus << ".orvane-tmp-999999999-AAAAAA" << en_cours;
  attendus.sort();
  EXPECT_EQ(contenu_du_dossier(dossier.path()), attendus);
  for (const QString& nom : du_leur)
    EXPECT_EQ(test::lire_octets(dossier.filePath(nom)), nom.toUtf8()) << nom.toStdString();
  EXPECT_EQ(supprimer_ecritures_interrompues(dossier.filePath("absent")), 0);
}

TEST(EcrituresInterrompues, TheWriterNamesItsTemporaryFilesForTheCleanUp) {
  qint64 processus = 0;
  EXPECT_TRUE(est_temporaire_orvane(".orvane-tmp-4242-aB3dE9", processus));
  EXPECT_EQ(processus, 4242);
  for (const char* nom : {".orvane-tmp-4242-aB3dE", ".orvane-tmp-4242-aB3dE9x", "orvane-tmp-1-aB3dE9",
                          ".orvane-tmp--1-aB3dE9", ".orvane-tmp-01-aB3dE9", ".orvane-tmp-4242-aB-dE9",
                          "x.orvane-tmp-4242-aB3dE9"})
    EXPECT_FALSE(est_temporaire_orvane(QString::fromLatin1(nom), processus)) << nom;
}

}  // namespace
}  // namespace orvane
