// Leaving: the window manager's close asks as Escape does, a session's end keeps the
// settings without asking.
#include <QCloseEvent>
#include <QDir>
#include <QFile>

#include "fenetre_test.h"

namespace orvane {
namespace {

class Depart : public FenetreTest {
 protected:
  QString fichier() const { return repertoire.filePath(QStringLiteral("orvane.prm")); }
  QByteArray contenu() const {
    QFile f(fichier());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

TEST_F(Depart, TheWindowManagersCloseAsksAndNonKeepsEverything) {
  form->RadioGroup_symetrie->setItemIndex(2);
  systeme.reponse_question = false;
  EXPECT_FALSE(form->close());
  EXPECT_EQ(systeme.questions, QStringList{QStringLiteral("Confirmation: Quitter ?")});
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(QFile::exists(fichier()));
  EXPECT_EQ(systeme.terminaisons, 0);
  EXPECT_EQ(form->RadioGroup_symetrie->ItemIndex(), 2);
}

TEST_F(Depart, TheWindowManagersCloseWithOuiWritesTheSettingsAndEnds) {
  form->RadioGroup_symetrie->setItemIndex(2);
  systeme.reponse_question = true;
  QCloseEvent fermeture;
  QCoreApplication::sendEvent(form.get(), &fermeture);
  EXPECT_EQ(systeme.questions.size(), 1);
  EXPECT_EQ(systeme.terminaisons, 1);
  EXPECT_EQ(contenu().split('\n').value(2), QByteArray("2\r"));
}

TEST_F(Depart, ASessionsEndWritesTheSettingsWithoutAskingOrEnding) {
  form->Edit_nom_generique->setText(QStringLiteral("fleurs.png"));
  form->fin_de_session();
  EXPECT_TRUE(systeme.questions.isEmpty());
  EXPECT_EQ(systeme.terminaisons, 0);
  EXPECT_EQ(contenu().split('\n').value(6), QByteArray("fleurs.png\r"));

  // A file that cannot be written shows no box nobody would answer.
  ASSERT_TRUE(QFile::remove(fichier()));
  ASSERT_TRUE(QDir(repertoire.path()).mkdir(QStringLiteral("orvane.prm")));
  form->fin_de_session();
  EXPECT_TRUE(systeme.messages.isEmpty());
}

}  // namespace
}  // namespace orvane
