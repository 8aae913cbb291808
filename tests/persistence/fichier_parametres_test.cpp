#include "persistence/fichier_parametres.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "persistence/limite_taille_fichier.h"

namespace orvane {
namespace {

using ::testing::HasSubstr;

class FichierParametres : public ::testing::Test {
 protected:
  QString chemin() const { return dossier_.filePath(QStringLiteral("orvane.prm")); }

  void ecrire(const QByteArray& octets) const {
    QFile f(chemin());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
  }

  QByteArray contenu() const {
    QFile f(chemin());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QTemporaryDir dossier_;
};

// Twenty lines ended by CR LF, `debut` giving the first ones.
QByteArray vingt_lignes(const QList<QByteArray>& debut) {
  QByteArray r;
  for (int i = 0; i < max_parametre; ++i)
    r += (i < debut.size() ? debut[i] : QByteArray()) + "\r\n";
  return r;
}

TEST_F(FichierParametres, NoFileGivesEmptyLinesAndTheDefaults) {
  EXPECT_EQ(lire_ligne(chemin(), 1), QString());
  EXPECT_EQ(lire_parametre(chemin(), 3, QStringLiteral("0")), QStringLiteral("0"));
}

TEST_F(FichierParametres, LinesEndAtCrLfCrOrLfAndTheLastNeedsNoEnd) {
  const QByteArray longue(kLongueurLigneMax, 'x');  // the longest line read
  ecrire("a\r\nb\nc\rd\r\n\r\n" + longue + "\r\nf\xc3\xa9");
  const QStringList attendu{"a", "b", "c", "d", "", QString::fromLatin1(longue), "f\u00e9"};
  for (int n = 1; n <= attendu.size(); ++n)
    EXPECT_EQ(lire_ligne(chemin(), n), attendu[n - 1]) << "line " << n;
  EXPECT_EQ(lire_ligne(chemin(), 8), QString());
  EXPECT_EQ(lire_ligne(chemin(), 0), QString());
  EXPECT_EQ(lire_parametre(chemin(), 5, QStringLiteral("defaut")), QStringLiteral("defaut"));
  EXPECT_EQ(lire_parametre(chemin(), 1, QStringLiteral("defaut")), QStringLiteral("a"));
}

TEST_F(FichierParametres, WritingALineToNoFileMakesTwentyCrLfLines) {
  ecrire_parametre(QStringLiteral("répertoire"), chemin(), 6);
  EXPECT_EQ(contenu(), vingt_lignes({"", "", "", "", "", "r\xc3\xa9pertoire"}));
  EXPECT_EQ(lire_ligne(chemin(), 6), QStringLiteral("répertoire"));
}

TEST_F(FichierParametres, TwentyFiveLinesKeepTheirFirstTwentyByteForByte) {
  QByteArray depart;
  for (int i = 1; i <= 25; ++i) depart += "ligne " + QByteArray::number(i) + " \xff\r\n";
  ecrire(depart);
  ecrire_parametre(QStringLiteral("3"), chemin(), 1);
  QList<QByteArray> attendu{"3"};
  for (int i = 2; i <= 20; ++i) attendu << "ligne " + QByteArray::number(i) + " \xff";
  EXPECT_EQ(contenu(), vingt_lignes(attendu));
}

TEST_F(FichierParametres, OneWriteOfSevenLinesEqualsSevenLineWrites) {
  const QStringList valeurs{"10", "0", "0", "false", "4227327", "/tmp", "image.bmp"};
  ecrire("ancien\r\n\r\n\r\n\r\n\r\n\r\n\r\nhuit\r\n");
  for (int n = 1; n <= 7; ++n) ecrire_parametre(valeurs[n - 1], chemin(), n);
  const QByteArray ligne_par_ligne = contenu();

  ecrire("ancien\r\n\r\n\r\n\r\n\r\n\r\n\r\nhuit\r\n");
  std::map<int, QString> toutes;
  for (int n = 1; n <= 7; ++n) toutes[n] = valeurs[n - 1];
  ecrire_parametres(toutes, chemin());
  EXPECT_EQ(contenu(), ligne_par_ligne);
  EXPECT_EQ(contenu(),
            vingt_lignes({"10", "0", "0", "false", "4227327", "/tmp", "image.bmp", "huit"}));
}

TEST_F(FichierParametres, AValueCannotSplitIntoTwoLines) {
  ecrire_parametre(QStringLiteral("a\r\nb"), chemin(), 1);
  EXPECT_EQ(lire_ligne(chemin(), 1), QStringLiteral("a  b"));
  EXPECT_EQ(lire_ligne(chemin(), 2), QString());
}

TEST_F(FichierParametres, ALineAboveTwentyIsRefusedWithItsMessageAndNothingIsWritten) {
  ecrire("garde\r\n");
  try {
    ecrire_parametres({{1, QStringLiteral("x")}, {21, QStringLiteral("y")}}, chemin());
    FAIL() << "no error";
  } catch (const ErreurFichier& e) {
    EXPECT_EQ(std::string(e.what()), " max_parametre = 20\n augmenter ce nombre dans le source...");
  }
  EXPECT_EQ(contenu(), QByteArray("garde\r\n"));
}

TEST_F(FichierParametres, AFileThatCannotBeWrittenFailsAndKeepsThePreviousFile) {
  const QString absent = dossier_.filePath(QStringLiteral("absent/orvane.prm"));
  EXPECT_THROW(ecrire_parametre(QStringLiteral("1"), absent, 1), ErreurFichier);
  EXPECT_FALSE(QFile::exists(absent));

  // A directory where the file should be: neither read nor replaced.
  ASSERT_TRUE(QDir(dossier_.path()).mkdir(QStringLiteral("orvane.prm")));
  try {
    ecrire_parametre(QStringLiteral("1"), chemin(), 1);
    FAIL() << "no error";
  } catch (const ErreurFichier& e) {
    EXPECT_THAT(e.what(), HasSubstr("orvane.prm"));
  }
  EXPECT_TRUE(QFileInfo(chemin()).isDir());
  EXPECT_THROW(lire_ligne(chemin(), 1), ErreurFichier);
}

TEST_F(FichierParametres, AWriteCutShortLeavesThePreviousFileWhole) {
  ecrire("10\r\n0\r\n");
  {
    test::LimiteTailleFichier limite(40);  // a disk that fills up during the write
    EXPECT_THROW(ecrire_parametres({{6, QString(100, u'x')}}, chemin()), ErreurFichier);
  }
  EXPECT_EQ(contenu(), QByteArray("10\r\n0\r\n"));
  EXPECT_EQ(QDir(dossier_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"orvane.prm"});
}

// The message for a line over the limit: its number, none of its text.
std::string trop_longue(const QString& chemin, int n) {
  return QStringLiteral("Impossible de lire le fichier des réglages « %1 » : ligne %2 trop longue "
                        "(plus de 4096 octets).")
      .arg(chemin)
      .arg(n)
      .toStdString();
}

TEST_F(FichierParametres, ALineOverTheLimitIsABadLineNamedByItsNumber) {
  for (const int n : {1, 2, 6, 20}) {
    QList<QByteArray> lignes{"10", "0", "0", "false", "4227327", "/tmp", "image.bmp"};
    while (lignes.size() < 20) lignes << "";
    lignes[n - 1] = QByteArray(kLongueurLigneMax + 1, 'x');
    ecrire(vingt_lignes(lignes));
    for (int i = 1; i <= 20; ++i) {
      if (i == n) {
        try {
          lire_ligne(chemin(), i);
          ADD_FAILURE() << "line " << n << " read";
        } catch (const ErreurFichier& e) {
          EXPECT_EQ(e.what(), trop_longue(chemin(), n));
        }
      } else {
        EXPECT_EQ(lire_ligne(chemin(), i), QString::fromUtf8(lignes[i - 1])) << n << ": " << i;
      }
    }
  }
}

TEST_F(FichierParametres, AHundredMegabyteLineIsNeverReadWhole) {
  ecrire("10\r\n");
  {
    // 100 MB of zero bytes (a sparse file, made at once), then a line end and line 3.
    QFile f(chemin());
    ASSERT_TRUE(f.resize(4 + 100 * 1024 * 1024));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("\r\n0\r\n");
  }
  EXPECT_EQ(lire_ligne(chemin(), 1), QStringLiteral("10"));
  for (const int n : {2, 3}) {  // line 3 lies beyond the part read: line 2 is to blame
    try {
      lire_ligne(chemin(), n);
      ADD_FAILURE() << "line " << n << " read";
    } catch (const ErreurFichier& e) {
      EXPECT_EQ(e.what(), trop_longue(chemin(), 2));
    }
  }
  // The next save writes the values and drops what cannot be read.
  ecrire_parametres({{2, QStringLiteral("3")}, {3, QStringLiteral("1")}}, chemin());
  EXPECT_EQ(contenu(), vingt_lignes({"10", "3", "1"}));
}

TEST_F(FichierParametres, LinesOverTheLimitAreNotCarriedOverNorWritten) {
  QList<QByteArray> lignes{"10", "0"};
  while (lignes.size() < 20) lignes << "ligne";
  lignes[8] = QByteArray(5000, 'y');
  ecrire(vingt_lignes(lignes));
  ecrire_parametre(QStringLiteral("2"), chemin(), 2);
  lignes[1] = "2";
  lignes[8] = "";
  EXPECT_EQ(contenu(), vingt_lignes(lignes));

  // A value that could not be read back is refused before the file is touched.
  const QByteArray avant = contenu();
  try {
    ecrire_parametres({{1, QStringLiteral("4")}, {7, QString(kLongueurLigneMax + 1, u'n')}},
                      chemin());
    ADD_FAILURE() << "written";
  } catch (const ErreurFichier& e) {
    EXPECT_EQ(QString::fromUtf8(e.what()),
              QStringLiteral("Impossible d'écrire le fichier des réglages « %1 » : ligne 7 trop "
                             "longue (plus de 4096 octets).")
                  .arg(chemin()));
  }
  EXPECT_EQ(contenu(), avant);
  ecrire_parametre(QString(kLongueurLigneMax, u'n'), chemin(), 7);
  EXPECT_EQ(lire_ligne(chemin(), 7), QString(kLongueurLigneMax, u'n'));
}

TEST(TexteBool, OnlyLowerCaseTrueIsTrue) {
  EXPECT_EQ(bool_en_texte(true), QStringLiteral("true"));
  EXPECT_EQ(bool_en_texte(false), QStringLiteral("false"));
  EXPECT_TRUE(texte_en_bool(QStringLiteral("true")));
  for (const char* s : {"True", "TRUE", "0", "1", "", " true", "false"})
    EXPECT_FALSE(texte_en_bool(QString::fromLatin1(s))) << s;
}

}  // namespace
}  // namespace orvane
