// The .orvane file: written and read back as the same journal, the same picture; damaged,
// cut or foreign bytes refused with a reason, never a crash or a large allocation.
#include "persistence/fichier_journal.h"

#include <sys/resource.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "journal/redessin.h"
#include "persistence/format_journal.h"

// An address space limit leaves no room for the sanitizer's shadow memory.
#if defined(__SANITIZE_ADDRESS__)
#define ORVANE_SOUS_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANE_SOUS_ASAN 1
#endif
#endif

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
      {"no entry", fabrique(QByteArray::fromHex("00")), "journal abîmé (aucune entrée"},
      {"a number too long", fabrique(QByteArray::fromHex("ffffffffffffffffffff7f")), "nombre"},
      {"no canvas first", fabrique(QByteArray::fromHex("0101") + QByteArray(8, 0)),
       "journal abîmé (il ne commence pas par une toile)"},
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

// A canvas, then `traits` strokes of four bytes each, one pixel apart; the header claims
// `annonce` entries.
QByteArray traits_courts(std::uint64_t traits, std::uint64_t annonce) {
  QByteArray reste;
  for (std::uint64_t v = annonce; ; v >>= 7) {
    reste.append(static_cast<char>((v & 0x7f) | (v >= 0x80 ? 0x80 : 0)));
    if (v < 0x80) break;
  }
  reste += QByteArray::fromHex("00403000");
  reste += QByteArray::fromHex("01000200").repeated(static_cast<qsizetype>(traits));
  return fabrique(reste);
}

// Reads the bytes in a child whose address space may grow by `marge` bytes: it ends with 0
// for a journal, 1 for a refusal (its cause on standard error), 2 when memory ran out.
[[noreturn]] void lire_sous_limite(const QByteArray& octets, rlim_t marge) {
  long pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  rlimit limite{};
  getrlimit(RLIMIT_AS, &limite);
  limite.rlim_cur = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + marge;
  setrlimit(RLIMIT_AS, &limite);
  try {
    const Journal lu = journal_des_octets(octets);
    std::_Exit(lu.taille() > 0 ? 0 : 3);
  } catch (const JournalIllisible& e) {
    std::fprintf(stderr, "%s\n", e.what());
    std::_Exit(1);
  } catch (const std::bad_alloc&) {
    std::_Exit(2);
  }
}

// Reading sets aside room for the entries the bytes hold: about 40 bytes of memory a byte
// of file at most, for a journal of the smallest strokes; never what a count claims.
TEST(FichierJournal, ReadingNeedsMemoryForTheBytesThereNotForTheCountClaimed) {
#ifdef ORVANE_SOUS_ASAN
  GTEST_SKIP() << "under AddressSanitizer";
#endif
  constexpr std::uint64_t kTraits = 1000000;
  const QByteArray honnete = traits_courts(kTraits, kTraits + 1);
  const rlim_t marge = 40 * static_cast<rlim_t>(honnete.size()) + (rlim_t{16} << 20);
  EXPECT_EXIT(lire_sous_limite(honnete, marge), testing::ExitedWithCode(0), "");
  // The same strokes claiming four times as many entries, as many as there are bytes.
  const QByteArray menteur = traits_courts(kTraits, 4 * kTraits);
  ASSERT_LE(4 * kTraits, static_cast<std::uint64_t>(menteur.size()));
  EXPECT_EXIT(lire_sous_limite(menteur, marge), testing::ExitedWithCode(1), "tronqué");
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
      {"/d/image.bmp", "/d/image.bmp.orvane"}, {"/d/image_3.png", "/d/image_3.png.orvane"},
      {"/d/image_3.jpg", "/d/image_3.jpg.orvane"}, {"/d.x/photo", "/d.x/photo.orvane"},
      {"/d/a.orvane", "/d/a.orvane.orvane"}};
  for (const auto& [image, journal] : noms)
    EXPECT_EQ(chemin_journal_de(QString::fromUtf8(image)), QString::fromUtf8(journal));
}

// Files written at given times, in seconds from a common start.
class Dossier {
 public:
  QString dans(const QString& nom) const { return dossier_.filePath(nom); }
  void poser(const QString& nom, int seconde, const QByteArray& octets = "x") {
    QFile f(dans(nom));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
    ASSERT_TRUE(f.flush());
    ASSERT_TRUE(f.setFileTime(QDateTime::fromSecsSinceEpoch(1700000000 + seconde),
                              QFileDevice::FileModificationTime));
  }

 private:
  QTemporaryDir dossier_;
};

TEST(FichierJournal, APictureFindsItsOwnJournalOrTheOldNamedOneSavedRightAfterIt) {
  struct Cas {
    const char* nom;
    std::vector<std::pair<const char*, int>> fichiers;  // name, time written
    const char* image;
    const char* trouve;  // empty: none
  };
  const Cas cas[] = {
      {"its own journal, whatever the times",
       {{"r.png", 5}, {"r.png.orvane", 1}, {"r.orvane", 9}}, "r.png", "r.png.orvane"},
      {"an old journal written after the picture", {{"r.png", 1}, {"r.orvane", 2}}, "r.png",
       "r.orvane"},
      {"an old journal older than the picture", {{"r.png", 3}, {"r.orvane", 2}}, "r.png", ""},
      // r.jpg was saved after r.png: the old journal is r.jpg's.
      {"the last of two pictures sharing it", {{"r.png", 1}, {"r.jpg", 2}, {"r.orvane", 3}},
       "r.jpg", "r.orvane"},
      {"the first of two pictures sharing it", {{"r.png", 1}, {"r.jpg", 2}, {"r.orvane", 3}},
       "r.png", ""},
      {"another journal of that base name is no picture",
       {{"r.png", 1}, {"r.jpg.orvane", 2}, {"r.orvane", 3}}, "r.png", "r.orvane"},
      {"a picture saved later does not count",
       {{"r.png", 1}, {"r.orvane", 2}, {"r.jpg", 3}}, "r.png", "r.orvane"},
      {"no journal", {{"r.png", 1}, {"r.jpg.orvane", 2}}, "r.png", ""},
      {"no suffix: the old name is its own", {{"r", 1}, {"r.orvane", 2}}, "r", "r.orvane"},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    Dossier d;
    for (const auto& [nom, seconde] : c.fichiers) d.poser(QString::fromUtf8(nom), seconde);
    const QString attendu = *c.trouve ? d.dans(QString::fromUtf8(c.trouve)) : QString();
    EXPECT_EQ(journal_de_l_image(d.dans(QString::fromUtf8(c.image))), attendu);
  }
}

// "Sauve" wrote the picture, not its journal: a journal left under that name is an earlier
// picture's and goes; what is no journal stays.
TEST(FichierJournal, AJournalThatCouldNotBeWrittenTakesTheStaleOneAwayAndSaysWhatWasKept) {
  const QString echec = QStringLiteral("Impossible d'écrire le journal « j » : disque plein.");
  Dossier d;
  const QString image = d.dans(QStringLiteral("r.png"));
  const QString journal = chemin_journal_de(image);
  d.poser(QStringLiteral("r.png.orvane"), 1, exemple());
  const QString message = retirer_journal_perime(image, echec);
  EXPECT_FALSE(QFile::exists(journal));
  EXPECT_TRUE(message.startsWith(echec)) << message.toStdString();
  EXPECT_THAT(message.toStdString(), HasSubstr("L'image « " + image.toStdString() +
                                               " » est enregistrée sans journal ; l'ancien "
                                               "journal, qui redessinait l'image d'avant, est "
                                               "supprimé."));

  // Nothing, a file that is no journal, a directory: all stay, the picture kept alone.
  d.poser(QStringLiteral("r.png.orvane"), 1, "notes");
  EXPECT_EQ(retirer_journal_perime(image, echec),
            echec + QStringLiteral(" L'image « %1 » est enregistrée sans journal.").arg(image));
  EXPECT_TRUE(QFile::exists(journal));
  ASSERT_TRUE(QFile::remove(journal));
  ASSERT_TRUE(QDir().mkdir(journal));
  EXPECT_THAT(retirer_journal_perime(image, echec).toStdString(),
              testing::EndsWith("sans journal."));
  EXPECT_TRUE(QFileInfo(journal).isDir());
}

}  // namespace
}  // namespace orvane
