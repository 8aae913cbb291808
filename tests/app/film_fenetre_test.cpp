// Ctrl+Shift+F: a scale, a length, a file, and the film made in the background with a
// progress dialog whose "Annuler" stops it and leaves no file.
#include <gmock/gmock.h>

#include <QDir>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>

#include "fenetre_test.h"
#include "film/journal_exemple.h"

namespace orvane {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class FilmFenetre : public FenetreTest {
 protected:
  void SetUp() override {
    FenetreTest::SetUp();
    form->activateWindow();
    form->Edit2->setFocus();
    form->journal_a_filmer = [this] { return journal; };
    QDir(repertoire.path()).mkdir(QStringLiteral("films"));
  }

  QString dans(const QString& nom) const { return repertoire.filePath(nom); }
  QProgressDialog* progres() const { return form->findChild<QProgressDialog*>(); }
  bool fini() const { return !progres() && !form->film_en_cours(); }
  QStringList fichiers() const {
    return QDir(dans(QStringLiteral("films"))).entryList(QDir::Files | QDir::Hidden);
  }

  Journal journal = test::journal_exemple();
};

TEST_F(FilmFenetre, CtrlShiftFAsksTheFilmAndAFileThenWritesItInTheBackground) {
  systeme.reponse_film = ChoixFilm{2, 1, false};
  systeme.chemin_enregistre = dans(QStringLiteral("films/dessin.mp4"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_F,
                  Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_THAT(systeme.films_demandes, ::testing::SizeIs(1));
  EXPECT_EQ(systeme.films_demandes[0].first, QSize(test::kLargeurExemple, test::kHauteurExemple));
  EXPECT_EQ(systeme.films_demandes[0].second, ChoixFilm{});
  ASSERT_THAT(systeme.dialogues_enregistrement, ::testing::SizeIs(1));
  const DialogueImage& d = systeme.dialogues_enregistrement[0];
  EXPECT_EQ(d.nom_propose, QStringLiteral("image_x2.mp4"));
  EXPECT_EQ(d.extension_defaut, QStringLiteral("mp4"));
  EXPECT_EQ(d.filtre, QStringLiteral("films (*.mp4 *.webm *.gif)"));
  ASSERT_TRUE(progres());
  EXPECT_THAT(progres()->labelText().toStdString(), HasSubstr(": 258 x 194 pixels, 4 s"));

  ASSERT_TRUE(QTest::qWaitFor([&] { return fini(); }, 20000));
  EXPECT_THAT(fichiers(), ElementsAre("dessin.mp4"));
  EXPECT_GT(QFile(systeme.chemin_enregistre).size(), 1000);
  EXPECT_THAT(systeme.erreurs, IsEmpty());

  // The next one offers the last choice.
  systeme.reponse_film = std::nullopt;
  form->filme();
  EXPECT_EQ(systeme.films_demandes[1].second, (ChoixFilm{2, 1, false}));
}

TEST_F(FilmFenetre, AnnulerStopsTheFilmAndLeavesNoFileWhileTheWindowAnswers) {
  // Ten minutes of frames: far longer than the test.
  systeme.reponse_film = ChoixFilm{4, 600, true};
  systeme.chemin_enregistre = dans(QStringLiteral("films/long.webm"));
  form->filme();
  QProgressDialog* dialogue = progres();
  ASSERT_TRUE(dialogue);
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialogue->value() > 100; }, 20000))
      << "the frames' progress shows after the measure";
  QTest::mouseClick(dialogue->findChild<QPushButton*>(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return fini(); }, 5000));
  EXPECT_THAT(fichiers(), IsEmpty());
  EXPECT_THAT(systeme.erreurs, IsEmpty());
}

TEST_F(FilmFenetre, RefusalsAndFailuresGoToTheErrorBoxAndWriteNothing) {
  Journal vide;
  vide.ajouter(EntreeToile{40, 30, 0});
  Journal large;
  large.ajouter(EntreeToile{9000, 10, 0});
  struct Cas {
    Journal journal;
    std::optional<ChoixFilm> choix;
    QString chemin;
    const char* erreur;  // empty: nothing to say
    std::size_t fichiers_demandes;
  };
  const QString sortie = dans(QStringLiteral("films/a.mp4"));
  const std::vector<Cas> cas = {
      {journal, std::nullopt, sortie, "", 0},          // the film's dialog cancelled
      {journal, ChoixFilm{1, 2, false}, QString(), "", 1},  // the file dialog cancelled
      {large, ChoixFilm{2, 2, false}, sortie, "la plus grande échelle possible est 1.", 0},
      {journal, ChoixFilm{1, 2, false}, dans(QStringLiteral("films/a.avi")),
       "son nom doit finir par .mp4, .webm ou .gif.", 1},
      {journal, ChoixFilm{1, 2, false}, dans(QStringLiteral("absent/a.mp4")),
       "répertoire introuvable.", 1},
      {vide, ChoixFilm{1, 2, false}, sortie, "Rien n'est encore dessiné sur la toile", 1},
  };
  for (const Cas& c : cas) {
    systeme.erreurs.clear();
    systeme.dialogues_enregistrement.clear();
    journal = c.journal;
    systeme.reponse_film = c.choix;
    systeme.chemin_enregistre = c.chemin;
    form->filme();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fini(); }, 10000));
    EXPECT_EQ(systeme.dialogues_enregistrement.size(), c.fichiers_demandes) << c.erreur;
    if (*c.erreur == '\0') {
      EXPECT_THAT(systeme.erreurs, IsEmpty());
    } else {
      ASSERT_THAT(systeme.erreurs, ::testing::SizeIs(1)) << c.erreur;
      EXPECT_THAT(systeme.erreurs[0].toStdString(), HasSubstr(c.erreur));
    }
    EXPECT_THAT(fichiers(), IsEmpty());
  }
}

}  // namespace
}  // namespace orvane
