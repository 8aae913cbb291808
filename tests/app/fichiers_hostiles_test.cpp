// The window among hostile files: the user's files beside the program, named pipes where
// files are read, a settings file with a huge line, BMP variants.
#include <gmock/gmock.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <new>

#include "app/controls/frontiere.h"
#include "fenetre_test.h"
#include "persistence/bmp_fabrique.h"
#include "persistence/ecriture_atomique.h"
#include "persistence/ecriture_tuee.h"
#include "persistence/environnement_hostile.h"
#include "persistence/fichier_bmp.h"
#include "persistence/graines.h"
#include "persistence/image_qt.h"

namespace orvane {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using namespace orvane::test;

// Each test lays out the program's directory before the window starts.
class FichiersHostiles : public FenetreTest {
 protected:
  void SetUp() override {}
  void demarrer() { FenetreTest::SetUp(); }
  QString dans(const QString& nom) const { return repertoire.filePath(nom); }
  const Canvas& toile() const { return std::as_const(*form->Image1).canvas(); }

  // What Qt calls reach: an error ends in the error box.
  template <class F>
  void par_la_frontiere(F&& f) {
    a_la_frontiere(std::forward<F>(f));
  }

  // The longest text any label or edit of the window shows.
  qsizetype plus_long_texte() const {
    qsizetype n = 0;
    for (const QLabel* l : form->findChildren<QLabel*>()) n = std::max(n, l->text().size());
    for (const QLineEdit* e : form->findChildren<QLineEdit*>()) n = std::max(n, e->text().size());
    return n;
  }
};

TEST_F(FichiersHostiles, AStartKeepsEveryFileOfTheUsersAndCleansOrvanesOwnLeftover) {
  const QStringList du_leur = {"orvane.prm.backup", "orvane.prm.2024ab", "~100.bmp.copie1",
                               "~105.bmp.Ab12Cd",   "~105.bmp.XXXXXX",   "orvane.prm.Q1w2E3"};
  for (const QString& nom : du_leur) ecrire_octets(dans(nom), nom.toUtf8());
  // A snapshot write killed half-way, on a file system without unnamed temporary files.
  essayer_temporaires_sans_nom(false);
  const pid_t tue = ecriture_tuee(dans("~103.bmp"));
  essayer_temporaires_sans_nom(true);
  ASSERT_GT(tue, 0);
  ASSERT_EQ(QDir(repertoire.path()).entryList(QDir::Files | QDir::Hidden).size(), du_leur.size() + 1);

  demarrer();
  QStringList presents = QDir(repertoire.path()).entryList(QDir::Files | QDir::Hidden);
  presents.sort();
  QStringList attendus = du_leur;
  attendus.sort();
  EXPECT_EQ(presents, attendus);
  for (const QString& nom : du_leur) EXPECT_EQ(lire_octets(dans(nom)), nom.toUtf8());
  EXPECT_TRUE(systeme.messages.isEmpty()) << systeme.messages.join(" | ").toStdString();
}

TEST_F(FichiersHostiles, TheFolderOfTheLastSaveIsCleanedOnceTheSettingsNameIt) {
  ASSERT_TRUE(QDir(repertoire.path()).mkdir("images"));
  ecrire_octets(dans("images/dessin.bmp"), "garde");
  essayer_temporaires_sans_nom(false);
  const pid_t tue = ecriture_tuee(dans("images/dessin.bmp"));
  essayer_temporaires_sans_nom(true);
  ASSERT_GT(tue, 0);
  ASSERT_EQ(QDir(dans("images")).entryList(QDir::Files | QDir::Hidden).size(), 2);
  ecrire_octets(dans("orvane.prm"),
                ("10\r\n0\r\n0\r\n0\r\n12632256\r\n" + dans("images") + "\r\nimage.bmp\r\n").toUtf8());
  demarrer();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->Label_rep->Caption() == dans("images"); }, 5000));
  EXPECT_EQ(QDir(dans("images")).entryList(QDir::Files | QDir::Hidden), QStringList{"dessin.bmp"});
  EXPECT_EQ(lire_octets(dans("images/dessin.bmp")), "garde");
}

TEST_F(FichiersHostiles, MemoryShortIsSaidInFrenchNotInTheLibrarysWords) {
  demarrer();
  par_la_frontiere([] { throw std::bad_alloc(); });
  ASSERT_EQ(systeme.erreurs.size(), 1);
  EXPECT_THAT(systeme.erreurs[0].toStdString(), HasSubstr("La mémoire manque"));
  EXPECT_THAT(systeme.erreurs[0].toStdString(), ::testing::Not(HasSubstr("bad_alloc")));
}

TEST_F(FichiersHostiles, ANamedPipeAsASnapshotIsSaidAtOnceAndStepped) {
  ASSERT_TRUE(creer_tube(dans("~100.bmp")));
  demarrer();
  ChienDeGarde garde(20, "F5 onto a named pipe");
  par_la_frontiere([&] { form->commande_touche(0x74); });  // F5
  ASSERT_EQ(systeme.erreurs.size(), 1);
  EXPECT_THAT(systeme.erreurs[0].toStdString(),
              HasSubstr("« " + dans("~100.bmp").toStdString() +
                        " » : ce n'est pas un fichier ordinaire (tube nommé)"));
  EXPECT_EQ(form->historique.indice_historique(), 0);
  // The next stroke's snapshot goes past it; undo then works.
  form->wb();
  EXPECT_EQ(form->historique.indice_historique(), 1);
  instantane_ecrit();
  EXPECT_TRUE(QFileInfo(dans("~101.bmp")).isFile());
  EXPECT_EQ(systeme.erreurs.size(), 1);
}

TEST_F(FichiersHostiles, ANamedPipeOpenedIsRefusedAtOnceInTheErrorBox) {
  ASSERT_TRUE(creer_tube(dans("tube.bmp")));
  demarrer();
  form->canvas().Draw(0, 0, Bitmap(1366, 768, RGB(4, 5, 6)));
  systeme.chemin_ouvert = dans("tube.bmp");
  {
    ChienDeGarde garde(20, "opening a named pipe");
    par_la_frontiere([&] { form->Panel5Click(); });
  }
  EXPECT_THAT(systeme.erreurs,
              ElementsAre(QStringLiteral("Impossible de lire l'image « %1 » : ce n'est pas un "
                                         "fichier ordinaire (tube nommé).")
                              .arg(dans("tube.bmp"))));
  EXPECT_EQ(toile().Pixels(0, 0), RGB(4, 5, 6));
}

TEST_F(FichiersHostiles, ANamedPipeAsTheSettingsFileIsRefusedAtStartAndAtQuit) {
  ASSERT_TRUE(creer_tube(dans("orvane.prm")));
  ChienDeGarde garde(20, "a named pipe as the settings file");
  demarrer();
  const QString refus = QStringLiteral("Impossible de lire le fichier des réglages « %1 » : ce "
                                       "n'est pas un fichier ordinaire (tube nommé).")
                            .arg(dans("orvane.prm"));
  EXPECT_THAT(systeme.erreurs, ElementsAre(refus));
  systeme.reponse_question = true;
  par_la_frontiere([&] { form->demande_quitter(); });
  EXPECT_THAT(systeme.erreurs, ElementsAre(refus, refus));
  EXPECT_EQ(systeme.terminaisons, 1);  // told, and the user still leaves
  EXPECT_FALSE(QFileInfo(dans("orvane.prm")).isFile());
}

// A settings file whose line 2 or 6 is 100 MB long (zero bytes, made at once as a sparse
// file), the lines around it short.
void fichier_a_ligne_enorme(const QString& chemin, int ligne) {
  QFile f(chemin);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  const QByteArray avant[] = {"7", "2", "3", "true", "255"};
  for (int i = 1; i < ligne; ++i) f.write(avant[i - 1] + "\r\n");
  const qint64 debut = f.pos();
  ASSERT_TRUE(f.resize(debut + 100 * 1024 * 1024));
  ASSERT_TRUE(f.seek(debut + 100 * 1024 * 1024));
  f.write("\r\nfleur.bmp\r\n");
}

TEST_F(FichiersHostiles, AHundredMegabyteSettingsLineIsNamedAndNothingOfItIsShown) {
  for (const int ligne : {2, 6}) {
    SCOPED_TRACE(ligne);
    fichier_a_ligne_enorme(dans("orvane.prm"), ligne);
    systeme.erreurs.clear();
    systeme.terminaisons = 0;
    demarrer();
    EXPECT_THAT(systeme.erreurs,
                ElementsAre(QStringLiteral("Impossible de lire le fichier des réglages « %1 » : "
                                           "ligne %2 trop longue (plus de 4096 octets).")
                                .arg(dans("orvane.prm"))
                                .arg(ligne)));
    EXPECT_EQ(form->Edit3->Text(), QStringLiteral("7"));  // the lines before it applied
    EXPECT_EQ(form->RadioGroup_symetrie->ItemIndex(), ligne == 2 ? 0 : 3);
    EXPECT_EQ(form->Label_rep->Caption(), repertoire.path());
    EXPECT_LT(plus_long_texte(), 200);

    // The next confirmed quit writes a small file, read again without a word.
    systeme.reponse_question = true;
    par_la_frontiere([&] { form->demande_quitter(); });
    EXPECT_EQ(systeme.terminaisons, 1);
    EXPECT_LT(QFileInfo(dans("orvane.prm")).size(), 1000);
    form.reset();
    demarrer();
    EXPECT_EQ(systeme.erreurs.size(), 1);
    EXPECT_EQ(form->Edit3->Text(), QStringLiteral("7"));
    form.reset();
  }
}

TEST_F(FichiersHostiles, OuvrirPaintsATopDownBmpAndNamesAVariantItCannotRead) {
  demarrer();
  const QString haut_en_bas = graine_bmp(QStringLiteral("haut_en_bas_127x64"));
  ASSERT_FALSE(haut_en_bas.isEmpty());
  form->canvas().Draw(0, 0, Bitmap(1366, 768, RGB(4, 5, 6)));
  systeme.chemin_ouvert = haut_en_bas;
  par_la_frontiere([&] { form->Panel5Click(); });
  EXPECT_TRUE(systeme.messages.isEmpty()) << systeme.messages.join(" | ").toStdString();
  const Bitmap attendue = vers_bitmap(QImage(haut_en_bas));
  ASSERT_EQ(attendue.width(), 127);
  for (int y = 0; y < 70; ++y)
    for (int x = 0; x < 130; ++x)
      ASSERT_EQ(toile().Pixels(x, y), x < 127 && y < 64 ? attendue.pixel(x, y) : RGB(4, 5, 6))
          << x << ", " << y;

  systeme.chemin_ouvert = graine_bmp(QStringLiteral("deux_bits"));
  par_la_frontiere([&] { form->Panel5Click(); });
  EXPECT_THAT(systeme.erreurs,
              ElementsAre(QStringLiteral("Impossible de lire l'image « %1 » : variante de BMP non "
                                         "prise en charge (2 bits par pixel).")
                              .arg(systeme.chemin_ouvert)));
}

TEST_F(FichiersHostiles, OnlyErrorsCarryTheErrorIcon) {
  demarrer();
  systeme.chemin_enregistre.clear();
  form->Panel7Click();  // "... n'existe pas!" is a plain message
  ASSERT_EQ(systeme.messages.size(), 1);
  EXPECT_TRUE(systeme.erreurs.isEmpty());
  systeme.chemin_ouvert = dans("absente.bmp");
  par_la_frontiere([&] { form->Panel5Click(); });
  EXPECT_THAT(systeme.erreurs, ElementsAre(QStringLiteral(
                                   "Impossible de lire l'image « %1 » : fichier introuvable.")
                                   .arg(dans("absente.bmp"))));
}

}  // namespace
}  // namespace orvane
