// orvane --render: its options, the picture it writes, and its refusals that write nothing.
#include <gmock/gmock.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <sstream>

#include "app/fin_par_signal.h"
#include "app/ligne_de_commande.h"
#include "app/redessin_commande.h"
#include "journal/redessin.h"
#include "persistence/ecriture_atomique.h"
#include "persistence/erreur_fichier.h"
#include "persistence/image_qt.h"
#include "espace_adresses.h"

namespace orvane {
namespace {

using ::testing::HasSubstr;
using ::testing::MatchesRegex;

struct CasRendu {
  std::vector<const char*> arguments;
  std::optional<DemandeRendu> rendu;
  std::string erreur;  // the one sentence, status 1, when no re-drawing is asked
};

TEST(LigneDeCommandeRendu, TheOptionsOfARedrawingOrOneSentenceForTheirMistake) {
  const char* j = "fig.orvane";
  const std::vector<CasRendu> cas = {
      {{"--render", j, "--scale", "4", "--output", "a.png"},
       DemandeRendu{j, "a.png", 4, false, fils_par_defaut()}, ""},
      {{"--output=b c.JPG", "--smooth", "--scale=16", "--render=x"},
       DemandeRendu{"x", "b c.JPG", 16, true, fils_par_defaut()}, ""},
      {{"-platform", "offscreen", "--render", j, "--scale", "1", "--output", "a.bmp"},
       DemandeRendu{j, "a.bmp", 1, false, fils_par_defaut()}, ""},
      {{"--render", j, "--threads", "1", "--scale", "2", "--output", "a.png"},
       DemandeRendu{j, "a.png", 2, false, 1}, ""},
      {{"--render", j, "--scale", "2", "--output", "a.png", "--threads=256"},
       DemandeRendu{j, "a.png", 2, false, 256}, ""},
      {{"--render", j, "--scale", "2", "--output", "a.png", "--threads", "0"}, std::nullopt,
       "orvane : Le nombre de fils « 0 » n'est pas un entier de 1 à 256.\n"},
      {{"--render", j, "--scale", "2", "--output", "a.png", "--threads", "257"}, std::nullopt,
       "orvane : Le nombre de fils « 257 » n'est pas un entier de 1 à 256.\n"},
      {{"--render", j, "--scale", "2", "--output", "a.png", "--threads=deux"}, std::nullopt,
       "orvane : Le nombre de fils « deux » n'est pas un entier de 1 à 256.\n"},
      {{"--render", j, "--scale", "2", "--output", "a.png", "--threads"}, std::nullopt,
       "orvane : L'option « --threads » attend une valeur.\n"},
      {{"--threads", "2", "image.bmp"}, std::nullopt,
       "orvane : Les options --scale, --output, --smooth et --threads ne servent qu'avec "
       "--render JOURNAL.orvane.\n"},
      {{"--render", j, "--scale", "17", "--output", "a.png"}, std::nullopt,
       "orvane : L'échelle « 17 » n'est pas un entier de 1 à 16.\n"},
      {{"--render", j, "--scale", "0", "--output", "a.png"}, std::nullopt,
       "orvane : L'échelle « 0 » n'est pas un entier de 1 à 16.\n"},
      {{"--render", j, "--scale", "2.5", "--output", "a.png"}, std::nullopt,
       "orvane : L'échelle « 2.5 » n'est pas un entier de 1 à 16.\n"},
      {{"--render", j, "--scale=", "--output", "a.png"}, std::nullopt,
       "orvane : L'échelle «  » n'est pas un entier de 1 à 16.\n"},
      {{"--render", j, "--output", "a.png"}, std::nullopt,
       "orvane : Il manque l'échelle du redessin : --scale K, de 1 à 16.\n"},
      {{"--render", j, "--scale", "2"}, std::nullopt,
       "orvane : Il manque l'image à écrire : --output IMAGE.\n"},
      {{"--scale", "2", "--output", "a.png"}, std::nullopt,
       "orvane : Les options --scale, --output, --smooth et --threads ne servent qu'avec "
       "--render JOURNAL.orvane.\n"},
      {{"image.bmp", "--smooth"}, std::nullopt,
       "orvane : Les options --scale, --output, --smooth et --threads ne servent qu'avec "
       "--render JOURNAL.orvane.\n"},
      {{"--render", j, "--scale", "2", "--output"}, std::nullopt,
       "orvane : L'option « --output » attend une valeur.\n"},
      {{"--render", j, "--scale", "2", "--output", "a.png", "autre.bmp"}, std::nullopt,
       "orvane : Avec --render, « autre.bmp » est de trop.\n"},
  };
  for (const CasRendu& c : cas) {
    std::vector<const char*> arguments{"orvane"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    std::ostringstream sortie, erreurs;
    const DemandeLigne demande = lire_ligne_de_commande(static_cast<int>(arguments.size()),
                                                        arguments.data(), sortie, erreurs);
    const std::string qui = arguments.back();
    EXPECT_EQ(erreurs.str(), c.erreur) << qui;
    EXPECT_EQ(sortie.str(), "") << qui;
    EXPECT_EQ(demande.fin, c.rendu ? std::nullopt : std::optional(1)) << qui;
    ASSERT_EQ(demande.rendu.has_value(), c.rendu.has_value()) << qui;
    if (!c.rendu) continue;
    EXPECT_EQ(demande.rendu->journal, c.rendu->journal);
    EXPECT_EQ(demande.rendu->sortie, c.rendu->sortie);
    EXPECT_EQ(demande.rendu->echelle, c.rendu->echelle);
    EXPECT_EQ(demande.rendu->lisse, c.rendu->lisse);
    EXPECT_EQ(demande.rendu->fils, c.rendu->fils) << qui;
    EXPECT_TRUE(demande.image.empty());
  }
}

// A canvas whose every pixel at scale e tells where it is at scale 1: (x / e, y / e) in red
// and green; 20 steps of progress.
Dessin motif(int largeur, int hauteur, int* dessins = nullptr) {
  return {largeur, hauteur, [=](int e, Bitmap& sortie, const ProgresRedessin& progres) {
            if (dessins) ++*dessins;
            sortie = Bitmap(largeur * e, hauteur * e);
            for (int y = 0; y < sortie.height(); ++y)
              for (int x = 0; x < sortie.width(); ++x) sortie.setPixel(x, y, RGB(x / e, y / e, 9));
            for (int pas = 0; pas <= 20; ++pas)
              if (!progres(pas, 20)) return false;
            return true;
          }};
}

class RedessinCommande : public ::testing::Test {
 protected:
  QString dans(const QString& nom) const { return repertoire.filePath(nom); }
  std::string chemin(const QString& nom) const { return QFile::encodeName(dans(nom)).toStdString(); }

  int lancer(const DemandeRendu& demande, const LectureDessin& lire, bool terminal = false) {
    erreurs.str({});
    return redessiner_en_commande(demande, lire, erreurs, terminal);
  }

  // Nothing left in the directory but `noms`: no picture, no temporary file.
  void seuls(const QStringList& noms) const {
    EXPECT_EQ(QDir(repertoire.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), noms);
  }

  QTemporaryDir repertoire;
  std::ostringstream erreurs;
};

TEST_F(RedessinCommande, TheExtensionChoosesTheFormatAndThePictureIsTheDrawingAtThatScale) {
  const auto lire = [](const QString&) { return motif(5, 3); };
  for (const auto& [nom, format] :
       {std::pair{"a.png", "png"}, {"b.BMP", "bmp"}, {"c.jpg", "jpeg"}, {"d.Jpeg", "jpeg"}}) {
    ASSERT_EQ(lancer({"j.orvane", chemin(nom), 3, false}, lire), 0) << erreurs.str();
    QImageReader lecteur(dans(nom));
    EXPECT_EQ(lecteur.format(), format);
    const QImage image = lecteur.read();
    ASSERT_EQ(image.size(), QSize(15, 9)) << nom;
    if (QByteArray(format) == "jpeg") continue;
    const Bitmap pixels = vers_bitmap(image);
    for (const auto& [x, y] : {std::pair{0, 0}, {14, 8}, {7, 5}})
      EXPECT_EQ(pixels.pixel(x, y), RGB(x / 3, y / 3, 9)) << nom << " " << x << "," << y;
  }
  EXPECT_THAT(erreurs.str(), HasSubstr("Image de 15 x 9 pixels écrite dans « "));
}

TEST_F(RedessinCommande, ProgressIsRewrittenOnATerminalAndATenthPerLineElsewhere) {
  const auto lire = [](const QString&) { return motif(2, 2); };
  ASSERT_EQ(lancer({"j.orvane", chemin("a.png"), 2, true}, lire, false), 0);
  const std::string lignes = erreurs.str();
  EXPECT_EQ(lignes.find('\r'), std::string::npos);
  EXPECT_THAT(lignes, HasSubstr("Redessin à l'échelle 2, lissé : 0 %\n"
                                "Redessin à l'échelle 2, lissé : 10 %\n"));
  // Then the picture's rows written, a progress of its own.
  const std::string ecriture = "Écriture de « " + chemin("a.png") + " »";
  EXPECT_THAT(lignes, HasSubstr(" : 90 %\nRedessin à l'échelle 2, lissé : 100 %\n" + ecriture +
                                " : 0 %\n" + ecriture + " : 20 %\n" + ecriture + " : 50 %\n" +
                                ecriture + " : 70 %\n" + ecriture + " : 100 %\nImage de 4 x 4"));

  ASSERT_EQ(lancer({"j.orvane", chemin("a.png"), 2, false}, lire, true), 0);
  EXPECT_THAT(erreurs.str(), HasSubstr("\rRedessin à l'échelle 2 : 5 %\rRedessin"));
  EXPECT_THAT(erreurs.str(), HasSubstr(" : 100 %\n\r" + ecriture + " : 0 %\r" + ecriture +
                                       " : 25 %\r"));
  EXPECT_THAT(erreurs.str(), HasSubstr(ecriture + " : 100 %\nImage de 4 x 4"));
}

struct CasRefus {
  DemandeRendu demande;
  Dessin dessin;
  std::string phrase;  // a regular expression
};

TEST_F(RedessinCommande, ABadJournalScaleOrOutputGivesOneSentenceAndWritesNothing) {
  QDir(repertoire.path()).mkdir("dossier.png");
  QFile ancien(dans("ancien.png"));
  ASSERT_TRUE(ancien.open(QIODevice::WriteOnly));
  ancien.write("garde");
  ancien.close();
  int dessins = 0;
  const std::vector<CasRefus> cas = {
      {{"abime.orvane", chemin("a.png"), 2, false}, {},
       "Impossible de lire le journal « abime.orvane » : fichier endommagé\\."},
      {{"j.orvane", chemin("ancien.png"), 2, false}, {},
       "Impossible de lire le journal « j\\.orvane » : fichier endommagé\\."},
      {{"j.orvane", chemin("a.gif"), 2, false}, motif(4, 4, &dessins),
       "Impossible d'écrire l'image « .*/a\\.gif » : son nom doit finir par \\.png, \\.bmp, "
       "\\.jpg ou \\.jpeg\\."},
      {{"j.orvane", chemin("sans extension"), 2, false}, motif(4, 4, &dessins),
       "Impossible d'écrire l'image « .*/sans extension » : son nom doit finir par .*"},
      {{"j.orvane", chemin("absent/a.png"), 2, false}, motif(4, 4, &dessins),
       "Impossible d'écrire l'image « .*/absent/a\\.png » : répertoire introuvable\\."},
      {{"j.orvane", chemin("dossier.png"), 2, false}, motif(4, 4, &dessins),
       "Impossible d'écrire l'image « .*/dossier\\.png » : c'est un répertoire\\."},
      {{"j.orvane", chemin("a.png"), 4, false}, motif(62501, 1000, &dessins),
       "À l'échelle 4, l'image aurait 250004 x 4000 pixels, plus d'un milliard : la plus "
       "grande échelle possible est 3\\."},
      {{"j.orvane", chemin("a.jpg"), 16, false}, motif(4100, 10, &dessins),
       "Impossible d'écrire l'image « .*/a\\.jpg » : le format JPEG ne dépasse pas 65535 "
       "pixels de côté, l'image en aurait 65600 x 160\\."},
  };
  for (const CasRefus& c : cas) {
    const LectureDessin lire = [&c](const QString& journal) {
      if (!c.dessin.dessiner)
        throw ErreurFichier("Impossible de lire le journal « " + journal.toStdString() +
                            " » : fichier endommagé.");
      return c.dessin;
    };
    EXPECT_EQ(lancer(c.demande, lire), 1) << c.demande.sortie;
    EXPECT_THAT(erreurs.str(), MatchesRegex("orvane : " + c.phrase + "\n")) << c.demande.sortie;
    seuls({"ancien.png"});
  }
  EXPECT_EQ(dessins, 0);
  ASSERT_TRUE(ancien.open(QIODevice::ReadOnly));
  EXPECT_EQ(ancien.readAll(), "garde");
}

// Runs the re-drawing in a child process whose address space may grow by `marge` bytes
// past what it holds when the drawing is read; its status, and its standard error in
// `erreurs`. (Memory short while writing: the encoders' own tests.)
int rendu_limite(const DemandeRendu& demande, const Dessin& dessin, rlim_t marge,
                 std::string& erreurs) {
  return test::dans_un_enfant(
      [&](std::ostream& flux) {
        return redessiner_en_commande(
            demande,
            [&](const QString&) {
              test::limiter_espace(marge);
              return dessin;
            },
            flux, false);
      },
      erreurs);
}

TEST_F(RedessinCommande, MemoryShortAtScaleSixteenGivesItsSentenceStatusOneNoFile) {
  // A 1920 x 1080 canvas at scale 16: 2.1 GB that 1 GB more cannot hold.
  Journal journal;
  journal.ajouter(EntreeToile{1920, 1080, 0});
  const Dessin grand = dessin_du_journal(journal);
  std::string texte;
  EXPECT_EQ(rendu_limite({"j.orvane", chemin("a.png"), 16, false}, grand, rlim_t{1} << 30, texte),
            1)
      << texte;
  EXPECT_THAT(texte, ::testing::EndsWith("\norvane : La mémoire manque pour une image de "
                                         "30720 x 17280 pixels : essayez une échelle plus "
                                         "petite.\n"));
  seuls({});
}

TEST_F(RedessinCommande, ASignalEndingARenderRemovesItsNamedTemporaryFile) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    const pid_t enfant = fork();
    if (enfant == 0) {
      essayer_temporaires_sans_nom(false);
      supprimer_temporaires_par_signal();
      EcritureAtomique fichier(dans("a.png"));
      fichier.ecrire("debut", 5);
      ::raise(signal);
      _exit(0);
    }
    int etat = 0;
    ASSERT_EQ(waitpid(enfant, &etat, 0), enfant);
    EXPECT_TRUE(WIFSIGNALED(etat) && WTERMSIG(etat) == signal) << signal;
    seuls({});
  }
}

}  // namespace
}  // namespace orvane
