#include <gmock/gmock.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include "fenetre_test.h"
#include "persistence/erreur_fichier.h"
#include "persistence/fichier_bmp.h"

namespace orvane {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A picture whose every pixel tells where it comes from.
QImage motif(int largeur, int hauteur) {
  QImage image(largeur, hauteur, QImage::Format_RGB32);
  for (int y = 0; y < hauteur; ++y)
    for (int x = 0; x < largeur; ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 7));
  return image;
}

Colour du_motif(int x, int y) { return RGB(x % 256, y % 256, (x + y) % 7); }

class Images : public FenetreTest {
 protected:
  QString dans(const QString& nom) const { return repertoire.filePath(nom); }

  void creer(const QStringList& noms) const {
    for (const QString& nom : noms) {
      QFile f(dans(nom));
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
  }

  const Canvas& toile() const { return std::as_const(*form->Image1).canvas(); }
};

struct CasNomUnique {
  QStringList presents;
  QString generique;
  QString propose;
  bool message;
};

TEST_F(Images, NomUniqueProposesTheFirstFreeNameAndSaysWhenTheGenericNameIsFree) {
  const CasNomUnique cas[] = {
      {{}, "image.bmp", "image.bmp", true},
      {{"image.bmp", "image_1.bmp"}, "image.bmp", "image_2.bmp", false},
      {{"image.bmp", "image_2.bmp"}, "image.bmp", "image_1.bmp", false},
      {{"photo", "photo_1"}, "photo", "photo_2", false},
      {{"a.b.png"}, "a.b.png", "a.b_1.png", false},
  };
  for (const CasNomUnique& c : cas) {
    QDir(repertoire.path()).removeRecursively();
    QDir().mkpath(repertoire.path());
    creer(c.presents);
    systeme.messages.clear();
    EXPECT_EQ(form->nom_unique(c.generique), c.propose) << c.generique.toStdString();
    if (c.message) {
      EXPECT_THAT(systeme.messages, ElementsAre(dans(c.generique) + " n'existe pas!"));
    } else {
      EXPECT_THAT(systeme.messages, IsEmpty()) << c.generique.toStdString();
    }
  }
}

TEST_F(Images, SaveOffersTheNextNameAndWritesTheCanvasAsBmpAddingTheExtension) {
  creer({"image.bmp", "image_1.bmp"});
  form->canvas().Draw(0, 0, Bitmap(3, 2, RGB(9, 8, 7)));
  form->masquage_arme = true;
  systeme.chemin_enregistre = dans("dessin");
  form->Panel7Click();

  ASSERT_EQ(systeme.dialogues_enregistrement.size(), 1u);
  const DialogueImage& d = systeme.dialogues_enregistrement[0];
  EXPECT_EQ(d.titre, " enregistre l'image image_2.bmp");
  EXPECT_EQ(d.nom_propose, "image_2.bmp");
  EXPECT_EQ(d.repertoire, repertoire.path());
  EXPECT_EQ(d.extension_defaut, "bmp");
  // BMP first; the other formats that a name's extension selects after it.
  EXPECT_TRUE(d.filtre.startsWith("images (*.bmp);;")) << d.filtre.toStdString();
  EXPECT_TRUE(d.filtre.contains("*.png")) << d.filtre.toStdString();
  EXPECT_TRUE(d.filtre.contains("*.jpg")) << d.filtre.toStdString();
  EXPECT_FALSE(form->masquage_arme);

  const Bitmap relue = lire_fichier_bmp(dans("dessin.bmp"));
  EXPECT_EQ(relue.width(), 1366);
  EXPECT_EQ(relue.height(), 768);
  EXPECT_EQ(relue.pixel(2, 1), RGB(9, 8, 7));
  EXPECT_EQ(relue.pixel(3, 1), 0u);
  EXPECT_FALSE(QFile::exists(dans("dessin")));
}

TEST_F(Images, ANameEndingInPngIsWrittenAsAPng) {
  form->canvas().Draw(0, 0, Bitmap(1, 1, RGB(200, 100, 50)));
  systeme.chemin_enregistre = dans("fleur.png");
  form->Panel7Click();
  QImageReader lecteur(dans("fleur.png"));
  lecteur.setDecideFormatFromContent(true);
  EXPECT_EQ(lecteur.format(), "png");
  const QImage image = lecteur.read();
  EXPECT_EQ(image.pixel(0, 0), qRgb(200, 100, 50));
  EXPECT_EQ(image.size(), QSize(1366, 768));
}

TEST_F(Images, TheSaveDialogsFilterAndSuffixFollowTheProposedNamesExtension) {
  const std::pair<const char*, const char*> cas[] = {
      {"fleurs.png", "png"}, {"Fleurs.JPG", "jpg"}, {"fleurs.bmp", "bmp"},
      {"fleurs", "bmp"}, {"fleurs.xyz", "bmp"}, {"v1.2", "bmp"}};
  for (const auto& [nom, format] : cas) {
    form->Edit_nom_generique->setText(nom);
    systeme.chemin_enregistre.clear();
    form->Panel7Click();
    const DialogueImage& d = systeme.dialogues_enregistrement.back();
    EXPECT_EQ(d.extension_defaut, format) << nom;
    EXPECT_TRUE(d.filtre.startsWith(QStringLiteral("images (*.%1);;").arg(format)))
        << nom << ": " << d.filtre.toStdString();
    EXPECT_TRUE(d.filtre.contains("*.bmp") && d.filtre.contains("*.png")) << nom;
  }
}

TEST_F(Images, ASaveIntoAnotherDirectoryMovesLabelRepAndTheNextSaveLooksThere) {
  const QString autre = dans("autre");
  ASSERT_TRUE(QDir().mkpath(autre));
  systeme.chemin_enregistre = autre + "/image.bmp";
  form->Panel7Click();
  EXPECT_EQ(form->Label_rep->Caption(), autre);

  systeme.chemin_enregistre.clear();  // cancelled: nothing written, Label_rep stays
  form->Panel7Click();
  ASSERT_EQ(systeme.dialogues_enregistrement.size(), 2u);
  EXPECT_EQ(systeme.dialogues_enregistrement[1].repertoire, autre);
  EXPECT_EQ(systeme.dialogues_enregistrement[1].nom_propose, "image_1.bmp");
  EXPECT_EQ(form->Label_rep->Caption(), autre);
  // The picture and its journal, nothing more.
  EXPECT_EQ(QDir(autre).entryList(QDir::Files), (QStringList{"image.bmp", "image.bmp.orvane"}));
}

TEST_F(Images, AFailedSaveKeepsLabelRep) {
  systeme.chemin_enregistre = dans("absent/image.bmp");
  EXPECT_THROW(form->Panel7Click(), ErreurFichier);
  EXPECT_EQ(form->Label_rep->Caption(), repertoire.path());
}

TEST_F(Images, AnOpenedPictureCoversTheTopLeftOfTheCanvasAtItsOwnSize) {
  form->canvas().Draw(0, 0, Bitmap(1366, 768, RGB(1, 1, 1)));
  ASSERT_TRUE(motif(40, 30).save(dans("petite.bmp")));
  systeme.chemin_ouvert = dans("petite.bmp");
  form->Panel5Click();
  EXPECT_EQ(toile().Pixels(39, 29), du_motif(39, 29));
  EXPECT_EQ(toile().Pixels(40, 29), RGB(1, 1, 1));
  EXPECT_EQ(toile().Pixels(39, 30), RGB(1, 1, 1));

  ASSERT_EQ(systeme.dialogues_ouverture.size(), 1u);
  EXPECT_EQ(systeme.dialogues_ouverture[0].repertoire, repertoire.path());
  EXPECT_EQ(systeme.dialogues_ouverture[0].extension_defaut, "bmp");
  EXPECT_THAT(systeme.dialogues_ouverture[0].filtre.toStdString(), HasSubstr("*.bmp"));
  EXPECT_THAT(systeme.dialogues_ouverture[0].filtre.toStdString(), HasSubstr("*.png"));
  EXPECT_EQ(form->Label_rep->Caption(), repertoire.path());
}

TEST_F(Images, AnOpenedPictureLargerThanTheCanvasIsCutAndAPngOpens) {
  ASSERT_TRUE(motif(1500, 900).save(dans("grande.png")));
  systeme.chemin_ouvert = dans("grande.png");
  form->Panel5Click();
  EXPECT_EQ(toile().width(), 1366);
  EXPECT_EQ(toile().height(), 768);
  EXPECT_EQ(toile().Pixels(1365, 767), du_motif(1365, 767));
  EXPECT_EQ(toile().Pixels(700, 10), du_motif(700, 10));
}

TEST_F(Images, ADamagedFileIsNamedInTheErrorAndLeavesTheCanvasAsItWas) {
  QByteArray png;
  {
    ASSERT_TRUE(motif(50, 50).save(dans("entiere.png")));
    QFile f(dans("entiere.png"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    png = f.readAll();
  }
  QByteArray bmp;
  {
    ASSERT_TRUE(motif(50, 50).save(dans("entiere.bmp")));
    QFile f(dans("entiere.bmp"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    bmp = f.readAll();
  }
  const std::pair<const char*, QByteArray> abimes[] = {
      {"coupee.png", png.left(png.size() / 2)},
      {"coupee.bmp", bmp.left(bmp.size() / 2)},
      {"texte.bmp", QByteArray("ceci n'est pas une image")},
  };
  form->canvas().Draw(0, 0, Bitmap(1366, 768, RGB(4, 5, 6)));
  for (const auto& [nom, octets] : abimes) {
    QFile f(dans(nom));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
    f.close();
    systeme.chemin_ouvert = dans(nom);
    try {
      form->Panel5Click();
      ADD_FAILURE() << nom << " opened";
    } catch (const ErreurFichier& e) {
      EXPECT_THAT(e.what(), HasSubstr(nom));
    }
    EXPECT_EQ(toile().Pixels(0, 0), RGB(4, 5, 6)) << nom;
    EXPECT_EQ(toile().Pixels(49, 49), RGB(4, 5, 6)) << nom;
  }
}

}  // namespace
}  // namespace orvane
