// The .orvane file: written and read back as the same journal, the same picture; damaged,
// cut or foreign bytes refused with a reason, never a crash or a large allocation.
#include "persistence/fichier_journal.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "journal/redessin.h"
#include "persistence/format_journal.h"

namespace orvane {
namespace {

using testing::HasSubstr;

QByteArray exemple() {
  QFile f(QStringLiteral(ORVANE_GRAINES "/journal/exemple.orvane"));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return f.readAll();
}

Bitmap dessin(const Journal& j, int echelle = 1) {
  Bitmap b;
  EXPECT_TRUE(redessiner(j, echelle, b, {}));
  return b;
}

std::string refus(const QByteArray& octets) {
  try {
    journal_des_octets(octets);
  } catch (const JournalIllisible& e) {
    return e.what();
  }
  return "lu";
}

// Bytes of a journal written by hand: magic, version, then the rest.
QByteArray fabrique(const QByteArray& reste, std::uint16_t version = kVersionJournal) {
  QByteArray b(kMagieJournal, sizeof kMagieJournal);
  b.append(static_cast<char>(version & 0xFF));
  b.append(static_cast<char>(version >> 8));
  return b + reste;
}

TEST(FichierJournal, WrittenAndReadBackItIsTheSameJournalAndDrawsTheSamePicture) {
  const QByteArray octets = exemple();
  ASSERT_FALSE(octets.isEmpty());
  const Journal lu = journal_des_octets(octets);
  EXPECT_EQ(octets_journal(lu), octets);
  EXPECT_EQ(lu.largeur(), 64);
  EXPECT_EQ(lu.hauteur(), 48);
  // Every kind of entry is there, the random draws too.
  std::set<std::size_t> sortes;
  int tirages = 0;
  for (const Entree& e : lu.entrees()) {
    sortes.insert(e.index());
    const auto* t = std::get_if<EntreeTrait>(&e);
    tirages += t && t->tirage;
  }
  EXPECT_EQ(sortes.size(), std::variant_size_v<Entree>);
  EXPECT_EQ(tirages, 4);

  QTemporaryDir dossier;
  const QString chemin = dossier.filePath(QStringLiteral("j.orvane"));
  ecrire_journal(chemin, lu);
  const Journal relu = lire_journal(chemin);
  for (int echelle : {1, 3}) EXPECT_EQ(dessin(relu, echelle), dessin(lu, echelle));
  EXPECT_NE(dessin(lu), Bitmap(64, 48, 0x102030));
}

TEST(FichierJournal, DamagedCutOrForeignBytesAreRefusedWithTheirReason) {
  const QByteArray toile = QByteArray::fromHex("01") + QByteArray::fromHex("00402000");
  struct Cas {
    const char* nom;
    QByteArray octets;
    const char* raison;
  };
  const Cas cas[] = {
      {"a picture", QByteArray("BM6\0\0\0", 6), "ce n'est pas un journal Orvane"},
      {"empty", QByteArray(), "ce n'est pas un journal Orvane"},
      {"a later version", fabrique(toile, 2), "version 2"},
      {"a count beyond the bytes", fabrique(QByteArray::fromHex("ffffffffffffffff7f")),
       "tronqué"},
      {"a number too long", fabrique(QByteArray::fromHex("ffffffffffffffffffff7f")), "nombre"},
      {"no canvas first", fabrique(QByteArray::fromHex("0101") + QByteArray(8, 0)), "toile"},
      {"an unknown entry", fabrique(QByteArray::fromHex("0209") + toile.mid(1)), "inconnue"},
      {"an empty canvas", fabrique(QByteArray::fromHex("01000000")), "taille de la toile"},
      {"a canvas too wide", fabrique(QByteArray::fromHex("010081800101")), "toile trop grande"},
      {"a canvas of too many pixels", fabrique(QByteArray::fromHex("0100ff7fff7f00")),
       "taille de la toile"},
      {"bytes after the end", fabrique(toile + "x"), "après la dernière entrée"},
      {"a pen mode beyond 15", fabrique(QByteArray::fromHex("02") + toile.mid(1) +
                                        QByteArray::fromHex("01011000")),
       "mode du crayon"},
      // A picture whose compressed data claims 4 GB: refused before anything is set aside.
      {"a picture larger than it says",
       fabrique(QByteArray::fromHex("02") + toile.mid(1) + QByteArray::fromHex("050202") +
                QByteArray::fromHex("08ffffffff78da0300")),
       "taille de l'image"},
      // 1000 x 1000 pixels said to be in 6 compressed bytes.
      {"a picture shorter than its size",
       fabrique(QByteArray::fromHex("02") + QByteArray::fromHex("00e807e80700") +
                QByteArray::fromHex("05e807e8070a002dc6c078da030000000001")),
       "trop courte"},
      {"a picture wider than the canvas",
       fabrique(QByteArray::fromHex("02") + toile.mid(1) + QByteArray::fromHex("05ff0101")),
       "image plus large"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    EXPECT_THAT(refus(c.octets), HasSubstr(c.raison));
  }
  // Cut anywhere, the example is refused.
  const QByteArray entier = exemple();
  for (qsizetype n = 0; n < entier.size(); ++n) {
    const std::string r = refus(entier.left(n));
    ASSERT_TRUE(r != "lu") << "cut at " << n;
  }
}

TEST(FichierJournal, AFileIsNamedInItsRefusalAndJournalsAreKnownByNameOrContent) {
  QTemporaryDir dossier;
  const QString coupe = dossier.filePath(QStringLiteral("coupe.dat"));
  QFile f(coupe);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(exemple().left(40));
  f.close();
  for (const QString& chemin : {coupe, dossier.filePath(QStringLiteral("absent.orvane")),
                                dossier.path()}) {
    SCOPED_TRACE(chemin.toStdString());
    try {
      lire_journal(chemin);
      ADD_FAILURE() << "read";
    } catch (const ErreurFichier& e) {
      EXPECT_THAT(e.what(), HasSubstr("Impossible de lire le journal « " + chemin.toStdString()));
    }
  }
  EXPECT_TRUE(est_journal(coupe));
  EXPECT_TRUE(est_journal(dossier.filePath(QStringLiteral("absent.ORVANE"))));
  EXPECT_FALSE(est_journal(dossier.filePath(QStringLiteral("absent.bmp"))));

  const std::pair<const char*, const char*> noms[] = {
      {"/d/image.bmp", "/d/image.orvane"}, {"/d/image_3.png", "/d/image_3.orvane"},
      {"/d.x/photo", "/d.x/photo.orvane"}, {"/d/a.orvane", "/d/a.orvane.orvane"}};
  for (const auto& [image, journal] : noms)
    EXPECT_EQ(chemin_journal_de(QString::fromUtf8(image)), QString::fromUtf8(journal));
}

}  // namespace
}  // namespace orvane
