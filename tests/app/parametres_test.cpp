#include <gmock/gmock.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include "app/application_orvane.h"
#include "fenetre_test.h"

namespace orvane {
namespace {

using ::testing::ElementsAre;

// Each test writes the settings file (or not) before the window starts and is activated.
class Parametres : public FenetreTest {
 protected:
  void SetUp() override {}

  void demarrer(const QByteArray& contenu_fichier = {}) {
    if (!contenu_fichier.isNull()) {
      QFile f(fichier());
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(contenu_fichier);
    }
    FenetreTest::SetUp();
  }

  QString fichier() const { return repertoire.filePath(QStringLiteral("orvane.prm")); }

  QByteArray contenu() const {
    QFile f(fichier());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  // The seven settings as the palette shows them.
  std::vector<QString> reglages() const {
    return {form->Edit3->Text(),
            QString::number(form->RadioGroup_type_trace->ItemIndex()),
            QString::number(form->RadioGroup_symetrie->ItemIndex()),
            form->CheckBox_panel_disparait_auto->Checked() ? "coché" : "non coché",
            QString::number(form->Panel1->Color()),
            form->Label_rep->Caption(),
            form->Edit_nom_generique->Text()};
  }
};

TEST_F(Parametres, NoFileGivesTheSevenDefaultsAndAConfirmedQuitWritesTwentyLines) {
  demarrer();
  EXPECT_THAT(reglages(), ElementsAre("10", "0", "0", "non coché", "4227327", repertoire.path(),
                                      "image.bmp"));

  systeme.reponse_question = false;
  form->demande_quitter();
  EXPECT_FALSE(QFile::exists(fichier()));
  EXPECT_EQ(systeme.terminaisons, 0);

  form->RadioGroup_symetrie->setItemIndex(3);
  form->CheckBox_panel_disparait_auto->setChecked(true);
  systeme.reponse_question = true;
  form->demande_quitter();
  EXPECT_EQ(systeme.terminaisons, 1);
  const QByteArray attendu = "10\r\n0\r\n3\r\ntrue\r\n4227327\r\n" + repertoire.path().toUtf8() +
                             "\r\nimage.bmp\r\n" + QByteArray(13, '\0').replace('\0', "\r\n");
  EXPECT_EQ(contenu(), attendu);
}

TEST_F(Parametres, AFileHoldingOnlyThreeSetsThePenWidthAndLeavesTheRestAtTheirDefaults) {
  demarrer("3");
  EXPECT_THAT(reglages(), ElementsAre("3", "0", "0", "non coché", "4227327", repertoire.path(),
                                      "image.bmp"));
}

TEST_F(Parametres, EveryLineIsAppliedAndTheRadioGroupsReact) {
  demarrer("7\r\n2\r\n4\r\ntrue\r\n255\r\n/ailleurs\r\nfleur.png\r\n");
  EXPECT_THAT(reglages(),
              ElementsAre("7", "2", "4", "coché", "255", "/ailleurs", "fleur.png"));
  EXPECT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), 0);  // the trace type's reaction
  EXPECT_TRUE(form->Panel1->isVisible());  // the box is read later, by the slide-out
}

TEST_F(Parametres, OnlyLowerCaseTrueChecksTheAutoHideBox) {
  demarrer("\r\n\r\n\r\nTrue\r\n");
  EXPECT_FALSE(form->CheckBox_panel_disparait_auto->Checked());
}

TEST_F(Parametres, GroupIndicesOutsideTheItemsAreLimitedToThem) {
  demarrer("\r\n9\r\n-4\r\n");
  EXPECT_EQ(form->RadioGroup_type_trace->ItemIndex(), 5);
  EXPECT_EQ(form->RadioGroup_symetrie->ItemIndex(), -1);
}

TEST_F(Parametres, ALineTwoThatIsNotANumberStopsTheLoadingThereAndIsShown) {
  demarrer("4\r\nabc\r\n2\r\n\r\n\r\n\r\nautre.bmp\r\n");
  EXPECT_EQ(form->Edit3->Text(), "4");
  EXPECT_EQ(form->RadioGroup_symetrie->ItemIndex(), 0);
  EXPECT_EQ(form->Edit_nom_generique->Text(), "image.bmp");
  EXPECT_THAT(systeme.messages, ElementsAre("'abc' n'est pas une valeur entière correcte"));
  EXPECT_NE(QApplication::focusWidget(), form->Edit2);
}

TEST_F(Parametres, FocusComingBackFromTheFloatingHelpPanelAppliesTheFileAgain) {
  demarrer("\r\n\r\n2\r\n");
  EXPECT_EQ(QApplication::focusWidget(), form->Edit2);
  form->RadioGroup_symetrie->setItemIndex(4);

  // Another application, then back: the user's choice stays.
  QApplication::setActiveWindow(nullptr);
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(form->isActiveWindow());
  EXPECT_EQ(form->RadioGroup_symetrie->ItemIndex(), 4);

  // The help panel's own window, then back: the stored symmetry returns.
  form->Panel8->setVisible(true);
  form->Panel8->detacher(QPoint(10, 10));
  QApplication::setActiveWindow(form->Panel8);
  ASSERT_TRUE(form->Panel8->isActiveWindow());
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(form->isActiveWindow());
  EXPECT_EQ(form->RadioGroup_symetrie->ItemIndex(), 2);
}

TEST_F(Parametres, AFileThatCannotBeWrittenIsToldWithItsCauseAndTheProgramStillEnds) {
  demarrer();
  // A directory in its place: not even root can write it.
  ASSERT_TRUE(QDir(repertoire.path()).mkdir(QStringLiteral("orvane.prm")));
  systeme.reponse_question = true;
  form->demande_quitter();
  ASSERT_EQ(systeme.messages.size(), 1);
  EXPECT_TRUE(systeme.messages[0].contains(fichier())) << systeme.messages[0].toStdString();
  EXPECT_TRUE(systeme.messages[0].contains(QStringLiteral("c'est un répertoire")))
      << systeme.messages[0].toStdString();
  EXPECT_EQ(systeme.terminaisons, 1);
}

// A window never activated (a headless compositor, some kiosks) never read the file: what
// its palette holds are defaults, which leaving or a session's end must not write over
// the user's settings. With no file there is nothing to lose, and leaving writes one.
TEST_F(Parametres, AWindowNeverActivatedLeavesAnExistingFileByteForByte) {
  const QByteArray utilisateur = "7\r\n2\r\n4\r\ntrue\r\n255\r\n/ailleurs\r\nfleur.png\r\nx";
  for (const bool fichier_present : {true, false}) {
    QFile::remove(fichier());
    if (fichier_present) {
      QFile f(fichier());
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(utilisateur);
    }
    systeme.programme = repertoire.filePath(QStringLiteral("orvane"));
    form = std::make_unique<TForm1>(systeme);  // never shown, never activated
    form->RadioGroup_symetrie->setItemIndex(3);
    const auto fichier_attendu = [&](const char* chemin) {
      if (fichier_present) {
        EXPECT_EQ(contenu(), utilisateur) << chemin;
      } else {
        EXPECT_EQ(contenu().split('\n').value(2), "3\r") << chemin;  // the palette's symmetry
      }
    };
    form->fin_de_session();
    fichier_attendu("session's end");
    const int terminaisons = systeme.terminaisons;
    systeme.reponse_question = true;
    form->demande_quitter();
    EXPECT_EQ(systeme.terminaisons, terminaisons + 1);
    fichier_attendu("quit");
  }
  EXPECT_THAT(systeme.messages, ::testing::IsEmpty());
}

TEST_F(Parametres, OnceTheFileIsReadLeavingAndASessionsEndWriteIt) {
  demarrer("7\r\n");
  form->RadioGroup_symetrie->setItemIndex(3);
  form->fin_de_session();
  EXPECT_TRUE(contenu().startsWith("7\r\n0\r\n3\r\n")) << contenu().toStdString();
  form->RadioGroup_symetrie->setItemIndex(4);
  systeme.reponse_question = true;
  form->demande_quitter();
  EXPECT_TRUE(contenu().startsWith("7\r\n0\r\n4\r\n")) << contenu().toStdString();
}

}  // namespace
}  // namespace orvane
