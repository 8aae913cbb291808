// orvane --film: its options, the film it writes with its progress, and its refusals, each
// one sentence with status 1 and no file left, not even a hidden one.
#include <gmock/gmock.h>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "app/film_commande.h"
#include "app/ligne_de_commande.h"
#include "espace_adresses.h"
#include "film/journal_exemple.h"
#include "persistence/erreur_fichier.h"

namespace orvane {
namespace {

using ::testing::HasSubstr;
using ::testing::MatchesRegex;

struct CasLigne {
  std::vector<const char*> arguments;
  std::optional<DemandeFilm> film;
  std::string erreur;  // the one sentence, status 1, when no film is asked
};

TEST(LigneDeCommandeFilm, TheOptionsOfAFilmWithTheirDefaultsOrOneSentenceForTheirMistake) {
  const char* j = "fig.orvane";
  const std::vector<CasLigne> cas = {
      {{"--film", j, "--output", "a.mp4"}, DemandeFilm{j, "a.mp4", 1, 20, 30, false}, ""},
      {{"--film=x", "--output=b.webm", "--scale", "3", "--duration=5", "--fps", "12", "--smooth"},
       DemandeFilm{"x", "b.webm", 3, 5, 12, true}, ""},
      {{"--film", j, "--output", "a.mp4", "--threads", "3"},
       DemandeFilm{j, "a.mp4", 1, 20, 30, false, 3}, ""},
      {{"--film", j, "--output", "a.mp4", "--threads=0"}, std::nullopt,
       "orvane : Le nombre de fils « 0 » n'est pas un entier de 1 à 256.\n"},
      {{"--film", j, "--output", "a.mp4", "--duration", "0"}, std::nullopt,
       "orvane : La durée « 0 » n'est pas un entier de 1 à 600 secondes.\n"},
      {{"--film", j, "--output", "a.mp4", "--duration", "601"}, std::nullopt,
       "orvane : La durée « 601 » n'est pas un entier de 1 à 600 secondes.\n"},
      {{"--film", j, "--output", "a.mp4", "--fps", "61"}, std::nullopt,
       "orvane : Le nombre d'images par seconde « 61 » n'est pas un entier de 1 à 60.\n"},
      {{"--film", j, "--output", "a.mp4", "--fps", "0"}, std::nullopt,
       "orvane : Le nombre d'images par seconde « 0 » n'est pas un entier de 1 à 60.\n"},
      {{"--film", j, "--output", "a.mp4", "--scale", "17"}, std::nullopt,
       "orvane : L'échelle « 17 » n'est pas un entier de 1 à 16.\n"},
      {{"--film", j}, std::nullopt, "orvane : Il manque le film à écrire : --output FILM.\n"},
      {{"--film", j, "--output", "a.mp4", "b.bmp"}, std::nullopt,
       "orvane : Avec --film, « b.bmp » est de trop.\n"},
      {{"--duration", "4", "--output", "a.mp4"}, std::nullopt,
       "orvane : Les options --duration et --fps ne servent qu'avec --film JOURNAL.orvane.\n"},
      {{"--film", j, "--render", j, "--output", "a.mp4"}, std::nullopt,
       "orvane : L'option --film ne va ni avec --render ni avec --thumbnail.\n"},
      {{"--film", j, "--output", "a.mp4", "--fps"}, std::nullopt,
       "orvane : L'option « --fps » attend une valeur.\n"},
  };
  for (const CasLigne& c : cas) {
    std::vector<const char*> arguments{"orvane"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    std::ostringstream sortie, erreurs;
    const DemandeLigne demande = lire_ligne_de_commande(static_cast<int>(arguments.size()),
                                                        arguments.data(), sortie, erreurs);
    const std::string qui = arguments.back();
    EXPECT_EQ(erreurs.str(), c.erreur) << qui;
    EXPECT_EQ(demande.fin, c.film ? std::nullopt : std::optional(1)) << qui;
    ASSERT_EQ(demande.film.has_value(), c.film.has_value()) << qui;
    if (!c.film) continue;
    EXPECT_EQ(demande.film->journal, c.film->journal);
    EXPECT_EQ(demande.film->sortie, c.film->sortie);
    EXPECT_EQ(demande.film->echelle, c.film->echelle);
    EXPECT_EQ(demande.film->duree, c.film->duree);
    EXPECT_EQ(demande.film->images_par_seconde, c.film->images_par_seconde);
    EXPECT_EQ(demande.film->lisse, c.film->lisse);
    EXPECT_EQ(demande.film->fils, c.film->fils);
  }
}

class FilmCommande : public ::testing::Test {
 protected:
  std::string chemin(const QString& nom) const {
    return QFile::encodeName(repertoire.filePath(nom)).toStdString();
  }
  int lancer(const DemandeFilm& demande, const Journal& journal, bool terminal = false) {
    erreurs.str({});
    return filmer_en_commande(
        demande, [&](const QString&) { return journal; }, erreurs, terminal);
  }
  // Nothing in `dossier` but `noms`: no film, no temporary file.
  static void seuls(const QString& dossier, const QStringList& noms) {
    EXPECT_EQ(QDir(dossier).entryList(QDir::Files | QDir::Hidden | QDir::System), noms);
  }

  QTemporaryDir repertoire;
  std::ostringstream erreurs;
};

TEST_F(FilmCommande, TheFilmIsWrittenWithItsProgressAndASentenceSayingWhat) {
  const DemandeFilm demande{"j.orvane", chemin("a.mp4"), 2, 1, 8, false};
  ASSERT_EQ(lancer(demande, test::journal_exemple()), 0) << erreurs.str();
  const std::string texte = erreurs.str();
  EXPECT_THAT(texte, HasSubstr("Mesure du dessin à l'échelle 2 : 0 %\n"));
  EXPECT_THAT(texte, HasSubstr("Mesure du dessin à l'échelle 2 : 100 %\n"));
  const std::string film = "Film « " + demande.sortie + " »";
  EXPECT_THAT(texte, HasSubstr(film + " : 100 %\nFilm de 258 x 194 pixels, 4 secondes à 8 "
                                      "images par seconde, écrit dans « " +
                               demande.sortie + " ».\n"));
  EXPECT_GT(QFile(repertoire.filePath("a.mp4")).size(), 1000);
  seuls(repertoire.path(), {"a.mp4"});
}

struct CasRefus {
  DemandeFilm demande;
  Journal journal;  // none: the reader refuses the file
  std::string phrase;  // a regular expression
};

TEST_F(FilmCommande, EachBadInputGivesOneSentenceStatusOneAndNoFile) {
  QDir(repertoire.path()).mkdir("dossier.mp4");
  Journal vide;
  vide.ajouter(EntreeToile{40, 30, 0});
  Journal large;
  large.ajouter(EntreeToile{9000, 10, 0});
  const Journal exemple = test::journal_exemple();
  const auto d = [&](const char* nom, int echelle = 1) {
    return DemandeFilm{"j.orvane", chemin(nom), echelle, 1, 5, false};
  };
  const std::vector<CasRefus> cas = {
      {d("a.mp4"), {}, "Impossible de lire le journal « j\\.orvane » : fichier endommagé\\."},
      {d("a.avi"), exemple,
       "Impossible d'écrire le film « .*/a\\.avi » : son nom doit finir par \\.mp4, \\.webm "
       "ou \\.gif\\."},
      {d("absent/a.mp4"), exemple,
       "Impossible d'écrire le film « .*/absent/a\\.mp4 » : répertoire introuvable\\."},
      {d("dossier.mp4"), exemple,
       "Impossible d'écrire le film « .*/dossier\\.mp4 » : c'est un répertoire\\."},
      {d("a.mp4", 2), large,
       "Le format MP4 ne dépasse pas 16384 pixels de côté ; à l'échelle 2, le film en aurait "
       "18000 x 20 : la plus grande échelle possible est 1\\."},
      {d("a.webm", 16), large,
       "Le format WebM ne dépasse pas 16384 pixels de côté ; à l'échelle 16, le film en "
       "aurait 144000 x 160 : la plus grande échelle possible est 1\\."},
      {d("a.gif", 16), large,
       "Le format GIF ne dépasse pas 65535 pixels de côté ; à l'échelle 16, le film en "
       "aurait 144000 x 160 : la plus grande échelle possible est 7\\."},
      {d("a.gif", 2), Journal({EntreeToile{30000, 10000, 0}}),
       "À l'échelle 2, l'image aurait 60000 x 20000 pixels, plus d'un milliard : la plus "
       "grande échelle possible est 1\\."},
      {d("a.mp4"), vide,
       "Le journal « j\\.orvane » ne dessine rien : il n'y a pas de film à en faire\\."},
  };
  for (const CasRefus& c : cas) {
    const LectureJournal lire = [&c](const QString& journal) {
      if (c.journal.taille() == 0)
        throw ErreurFichier("Impossible de lire le journal « " + journal.toStdString() +
                            " » : fichier endommagé.");
      return c.journal;
    };
    erreurs.str({});
    EXPECT_EQ(filmer_en_commande(c.demande, lire, erreurs, false), 1) << c.demande.sortie;
    EXPECT_THAT(erreurs.str(), MatchesRegex("orvane : " + c.phrase + "\n")) << c.demande.sortie;
    seuls(repertoire.path(), {});
  }
}

TEST_F(FilmCommande, AFullDiskOrAReadOnlyFolderGivesItsSentenceAndLeavesNothing) {
  const QString plein = repertoire.filePath("plein"), lecture = repertoire.filePath("lecture");
  ASSERT_TRUE(QDir().mkdir(plein) && QDir().mkdir(lecture));
  // Small file systems mounted for the test: mounting needs root, whom no mode stops.
  if (mount("tmpfs", QFile::encodeName(plein).constData(), "tmpfs", 0, "size=16k") != 0)
    GTEST_SKIP() << "cannot mount a small file system here (needs root)";
  const bool lecture_montee =
      mount("tmpfs", QFile::encodeName(lecture).constData(), "tmpfs", MS_RDONLY, "") == 0;
  const auto film = [](const QString& dossier) {
    return QFile::encodeName(dossier + "/a.webm").toStdString();
  };
  const int statut = lancer({"j.orvane", film(plein), 4, 2, 10, false}, test::journal_exemple());
  const std::string texte = erreurs.str();
  seuls(plein, {});
  int statut_lecture = 1;
  std::string texte_lecture;
  if (lecture_montee) {
    statut_lecture = lancer({"j.orvane", film(lecture), 1, 2, 10, false}, test::journal_exemple());
    texte_lecture = erreurs.str();
    umount2(QFile::encodeName(lecture).constData(), MNT_DETACH);
  }
  umount2(QFile::encodeName(plein).constData(), MNT_DETACH);
  EXPECT_EQ(statut, 1);
  EXPECT_THAT(texte, MatchesRegex("(.*\n)?orvane : Impossible d'écrire le film « .*/a\\.webm » : "
                                  "plus de place sur le disque\\.\n"));
  if (!lecture_montee) return;
  EXPECT_EQ(statut_lecture, 1);
  EXPECT_THAT(texte_lecture, MatchesRegex("orvane : Impossible d'écrire le film « .*/a\\.webm » : "
                                          "le répertoire « .*/lecture » n'est pas accessible en "
                                          "écriture\\.\n"));
}


// Films in a child process whose address space may grow by `marge` bytes past what it
// holds once the journal is read. Its status; in `erreurs`, all it wrote on its standard
// error: the libraries' own lines first, then the program's.
int film_limite(const DemandeFilm& demande, const Journal& journal, rlim_t marge,
                std::string& erreurs) {
  return test::dans_un_enfant(
      [&](std::ostream& flux) {
        return filmer_en_commande(
            demande,
            [&](const QString&) {
              test::limiter_espace(marge);
              return journal;
            },
            flux, false);
      },
      erreurs);
}

TEST_F(FilmCommande, MemoryShortInTheCodecGivesTheMemorySentenceAloneStatusOneAndNoFile) {
  // A 1920 x 1080 canvas at scale 2: the frames fit in 300 MB, x264's and libvpx's
  // buffers for them do not. Both then say only that they failed, and x264 prints a line.
  Journal journal;
  journal.ajouter(EntreeToile{1920, 1080, 0});
  journal.ajouter(test::segment({900, 500}, {1000, 540}, RGB(250, 220, 40), 6, 7));
  for (const char* nom : {"a.mp4", "a.webm"}) {
    std::string texte;
    EXPECT_EQ(film_limite({"j.orvane", chemin(nom), 2, 1, 5, false}, journal,
                          rlim_t{300} << 20, texte),
              1)
        << nom << "\n" << texte;
    EXPECT_THAT(texte, MatchesRegex("(Mesure du dessin à l'échelle 2 : [0-9]+ %\n|"
                                    "Film « .* » : [0-9]+ %\n)*"
                                    "orvane : La mémoire manque pour une image de 3840 x 2160 "
                                    "pixels : essayez une échelle plus petite\\.\n"))
        << nom;
    seuls(repertoire.path(), {});
  }
}

}  // namespace
}  // namespace orvane
