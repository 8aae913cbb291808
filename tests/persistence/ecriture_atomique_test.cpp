// The atomic replacement of a file, through an unnamed temporary file and through a named
// one: the old file whole or the new one, and nothing else left, whatever happens.
#include "persistence/ecriture_atomique.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "persistence/bmp_fabrique.h"
#include "persistence/ecritures_interrompues.h"

namespace orvane {
namespace {

QStringList contenu(const QString& dossier) {
  QStringList noms = QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  noms.sort();
  return noms;
}

// Both ways of writing: through a named temporary (false) and an unnamed one (true).
class EcritureAtomiqueTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override { essayer_temporaires_sans_nom(GetParam()); }
  void TearDown() override { essayer_temporaires_sans_nom(true); }
  QString dans(const QString& nom) const { return dossier.filePath(nom); }
  QTemporaryDir dossier;
};

TEST_P(EcritureAtomiqueTest, ReplacesInPiecesKeepingPermissionsAndTheLink) {
  ASSERT_EQ(ecrire_atomiquement(dans("a.txt"), "premier"), QString());
  EXPECT_EQ(test::lire_octets(dans("a.txt")), "premier");
  ASSERT_EQ(::chmod(QFile::encodeName(dans("a.txt")).constData(), 0640), 0);
  ASSERT_TRUE(QFile::link(dans("a.txt"), dans("lien.txt")));
  {
    EcritureAtomique fichier(dans("lien.txt"));
    const QByteArray gros(200000, 'x');  // more than one buffer
    ASSERT_TRUE(fichier.ecrire(gros.constData(), gros.size()));
    ASSERT_TRUE(fichier.ecrire("!", 1));
    // Until it is put in place the old file is whole, and an unnamed temporary unseen.
    EXPECT_EQ(test::lire_octets(dans("a.txt")), "premier");
    if (GetParam()) {
      EXPECT_EQ(contenu(dossier.path()), (QStringList{"a.txt", "lien.txt"}));
    }
    ASSERT_EQ(fichier.valider(), QString());
  }
  EXPECT_EQ(test::lire_octets(dans("a.txt")), QByteArray(200000, 'x') + "!");
  EXPECT_TRUE(QFileInfo(dans("lien.txt")).isSymLink());
  struct stat etat {};
  ASSERT_EQ(::stat(QFile::encodeName(dans("a.txt")).constData(), &etat), 0);
  EXPECT_EQ(etat.st_mode & 07777, 0640u);
  EXPECT_EQ(contenu(dossier.path()), (QStringList{"a.txt", "lien.txt"}));
}

TEST_P(EcritureAtomiqueTest, GivingUpOrARefusalLeavesTheOldFileAndNothingElse) {
  ASSERT_EQ(ecrire_atomiquement(dans("a.txt"), "ancien"), QString());
  {
    EcritureAtomique fichier(dans("a.txt"));
    ASSERT_TRUE(fichier.ecrire("nouveau", 7));
  }
  ASSERT_TRUE(QDir(dossier.path()).mkdir("d"));
  EXPECT_EQ(ecrire_atomiquement(dans("d"), "x"), QStringLiteral("c'est un répertoire"));
  EXPECT_EQ(ecrire_atomiquement(dans("absent/a.txt"), "x"), QStringLiteral("répertoire introuvable"));
  EXPECT_EQ(test::lire_octets(dans("a.txt")), "ancien");
  EXPECT_EQ(contenu(dossier.path()), (QStringList{"a.txt", "d"}));
}

// A child killed with SIGKILL in the middle of a write; returns its process id.
pid_t tuee_en_ecrivant(const QString& chemin) {
  const pid_t enfant = fork();
  if (enfant == 0) {
    EcritureAtomique fichier(chemin);
    const QByteArray morceau(100000, 'z');
    fichier.ecrire(morceau.constData(), morceau.size());
    ::raise(SIGKILL);
  }
  int etat = 0;
  waitpid(enfant, &etat, 0);
  EXPECT_TRUE(WIFSIGNALED(etat) && WTERMSIG(etat) == SIGKILL);
  return enfant;
}

TEST_P(EcritureAtomiqueTest, AKilledWriteLeavesNothingOrANameTheNextStartRemoves) {
  ASSERT_EQ(ecrire_atomiquement(dans("a.txt"), "ancien"), QString());
  const pid_t tue = tuee_en_ecrivant(dans("a.txt"));
  EXPECT_EQ(test::lire_octets(dans("a.txt")), "ancien");
  const QStringList restes = contenu(dossier.path());
  if (GetParam()) {
    EXPECT_EQ(restes, QStringList{"a.txt"});
  } else {
    ASSERT_EQ(restes.size(), 2);
    EXPECT_TRUE(restes[0].startsWith(QStringLiteral(".orvane-tmp-%1-").arg(tue)));
    EXPECT_EQ(supprimer_ecritures_interrompues(dossier.path()), 1);
    EXPECT_EQ(contenu(dossier.path()), QStringList{"a.txt"});
  }
}

TEST_P(EcritureAtomiqueTest, WhatASignalsHandlerRemovesLeavesNoTemporary) {
  EcritureAtomique fichier(dans("a.txt"));
  ASSERT_TRUE(fichier.ecrire("abc", 3));
  ASSERT_TRUE(fichier.ecrire(QByteArray(70000, 'y').constData(), 70000));
  supprimer_temporaires_en_cours();
  EXPECT_EQ(contenu(dossier.path()), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(SansNomPuisNomme, EcritureAtomiqueTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "SansNom" : "Nomme"; });

}  // namespace
}  // namespace orvane
