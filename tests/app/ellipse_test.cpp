#include <QFileInfo>
#include <QTest>
#include <array>
#include <functional>
#include <string>

#include "../drawing/comparaison_images.h"
#include "app/tform1.h"
#include "drawing/arc_ellipse.h"
#include "fenetre_test.h"
#include "persistence/fichier_bmp.h"

namespace orvane {
namespace {

constexpr int kElliptique = 5;

class Ellipse : public FenetreTest {
 protected:
  void SetUp() override {
    FenetreTest::SetUp();
    form->RadioGroup_type_trace->setItemIndex(kElliptique);
  }

  const Bitmap& image() { return form->canvas().bitmap(); }
  void appuyer(Qt::MouseButton b, Point p) { form->FormMouseDown(b, {}, p.x, p.y); }
  void bouger(Point p) { form->FormMouseMove({}, p.x, p.y); }
  void relacher(Qt::MouseButton b, Point p) { form->FormMouseUp(b, {}, p.x, p.y); }
  void clic(Qt::MouseButton b, Point p) {
    bouger(p);
    appuyer(b, p);
    relacher(b, p);
  }

  // One arc in copy mode on a black canvas of the window's size.
  Bitmap arc_seul(Point a, Point b, Point c, Colour couleur, int largeur) {
    Canvas reference(image().width(), image().height(), 0);
    trace_arc_ellipse(reference, form->table_sinus, form->table_cosinus, a, b, c, R2_COPYPEN,
                      couleur, largeur, {});
    return reference.bitmap();
  }
};

TEST_F(Ellipse, ThreeClicksAndARightClickLeaveOneArcBetweenTwoSnapshots) {
  form->Edit3->setText("3");
  const Colour couleur = form->couleur_crayon;
  const bool palette = form->Panel1->Visible();
  const Point a{400, 300}, b{600, 300}, c{600, 500};
  clic(Qt::LeftButton, a);
  EXPECT_EQ(form->historique.indice_historique(), 0);  // the picture before the curve
  bouger({500, 250});
  EXPECT_EQ(form->souris_x, 500);
  clic(Qt::LeftButton, b);
  bouger({650, 400});
  clic(Qt::LeftButton, c);
  bouger({700, 600});
  clic(Qt::RightButton, {700, 600});
  EXPECT_TRUE(memes_images(image(), arc_seul(a, b, c, couleur, 3), "fenetre_arc"));
  EXPECT_EQ(form->historique.indice_historique(), 1);  // the finished curve
  instantane_ecrit();
  EXPECT_TRUE(QFileInfo::exists(repertoire.filePath("~101.bmp")));
  // None of the ordinary release's work: no colour drawn, no palette toggled.
  EXPECT_EQ(form->couleur_crayon, couleur);
  EXPECT_EQ(form->Panel1->Visible(), palette);
  EXPECT_EQ(form->outil_ellipse.nb_points_ellipse, 0);
}

TEST_F(Ellipse, OnlyTheLeftPressAndTheRightReleaseAct) {
  appuyer(Qt::RightButton, {100, 100});
  appuyer(Qt::MiddleButton, {100, 100});
  EXPECT_EQ(form->outil_ellipse.nb_points_ellipse, 0);
  appuyer(Qt::LeftButton, {100, 100});
  relacher(Qt::LeftButton, {100, 100});
  relacher(Qt::MiddleButton, {100, 100});
  EXPECT_EQ(form->outil_ellipse.nb_points_ellipse, 1);
  EXPECT_EQ(form->historique.indice_historique(), 0);
  // A right release with no curve under way still writes a snapshot.
  relacher(Qt::RightButton, {100, 100});
  relacher(Qt::RightButton, {100, 100});
  EXPECT_EQ(form->historique.indice_historique(), 2);
}

TEST_F(Ellipse, ShadowsAreReadFromThePalette) {
  form->CheckBox_ombre_1->setChecked(true);
  form->Edit7->setText("4");
  const Colour couleur = form->couleur_crayon;
  for (Point p : {Point{400, 300}, Point{600, 300}, Point{600, 500}}) {
    clic(Qt::LeftButton, p);
  }
  clic(Qt::RightButton, {600, 500});
  Canvas reference(image().width(), image().height(), 0);
  trace_arc_ellipse(reference, form->table_sinus, form->table_cosinus, {400, 300}, {600, 300},
                    {600, 500}, R2_COPYPEN, couleur, 1, OmbreArc{true, false, 4});
  EXPECT_TRUE(memes_images(image(), reference.bitmap(), "fenetre_arc_ombre"));
}

TEST_F(Ellipse, AnEditThatDoesNotConvertLeavesTheCurveAsItWas) {
  clic(Qt::LeftButton, {400, 300});
  clic(Qt::LeftButton, {600, 300});
  bouger({650, 450});
  const Bitmap avant = image();
  form->Edit3->setText("abc");
  EXPECT_ANY_THROW(appuyer(Qt::LeftButton, {650, 450}));
  form->Edit3->setText("1");
  form->CheckBox_ombre_2->setChecked(true);
  form->Edit7->setText("x");
  EXPECT_ANY_THROW(appuyer(Qt::LeftButton, {650, 450}));
  EXPECT_EQ(form->outil_ellipse.nb_points_ellipse, 2);
  EXPECT_EQ(image(), avant);
  // The curve goes on once the edit is mended.
  form->Edit7->setText("2");
  appuyer(Qt::LeftButton, {650, 450});
  EXPECT_EQ(form->outil_ellipse.nb_points_ellipse, 3);
}

TEST_F(Ellipse, ACentreChoiceEndsAtItsReleaseAndTheToolGetsTheNextPress) {
  form->Panel3Click();
  clic(Qt::LeftButton, {100, 200});
  EXPECT_EQ(form->centre_x, 100);
  EXPECT_FALSE(form->choix_centre);
  EXPECT_EQ(systeme.curseur, crArrow);
  EXPECT_EQ(form->Label1->Caption(), QString());
  EXPECT_EQ(form->outil_ellipse.nb_points_ellipse, 0);
  clic(Qt::LeftButton, {300, 200});
  EXPECT_EQ(form->outil_ellipse.nb_points_ellipse, 1);
  EXPECT_EQ(form->centre_x, 100);
}

// Whatever replaces or repaints the canvas takes the rubber figures with it: the moves and
// the cancel that follow leave the picture exactly as the replacement left it.
TEST_F(Ellipse, RubberFiguresNeverOutliveTheCanvasTheyWereDrawnOn) {
  struct Remplacement {
    const char* nom;
    std::function<void(TForm1&)> faire;
  };
  const Remplacement remplacements[] = {
      {"E", [](TForm1& f) { f.FormKeyDown(0x45, {}); }},
      {"Ctrl_E", [](TForm1& f) { f.FormKeyDown(0x45, Qt::ControlModifier); }},
      {"nouveau_noir", [](TForm1& f) { f.Panel_new_fond_noirClick(); }},
      {"nouveau_blanc", [](TForm1& f) { f.Panel2Click(); }},
      {"taille",
       [](TForm1& f) {
         f.resize(f.width() - 100, f.height() - 50);
         QApplication::processEvents();
       }},
      {"F4", [](TForm1& f) { f.FormKeyDown(0x73, {}); }},
      {"F5", [](TForm1& f) { f.FormKeyDown(0x74, {}); }},
      {"moins", [](TForm1& f) { f.Panel11Click(); }},
      {"plus", [](TForm1& f) { f.Panel13Click(); }},
      {"K",
       [](TForm1& f) {
         const int type = f.RadioGroup_type_trace->ItemIndex();
         f.FormKeyDown(0x4B, {});  // the pass leaves the tool on "crayon": back to ours
         f.RadioGroup_type_trace->setItemIndex(type);
       }},
      {"ouvrir",
       [this](TForm1& f) {
         systeme.chemin_ouvert = repertoire.filePath("ouverte.bmp");
         f.Panel5Click();
       }},
  };
  ecrire_fichier_bmp(repertoire.filePath("ouverte.bmp"), Bitmap(900, 600, 0x0000FF));
  struct Outil {
    const char* nom;
    int type;
    Qt::MouseButton annulation;
    int clics;  // points placed before the replacement
  };
  const Outil outils[] = {
      {"lignes", 1, Qt::RightButton, 1},
      {"losanges", 4, Qt::MiddleButton, 1},
      {"ellipse_ligne", kElliptique, Qt::RightButton, 1},
      {"ellipse_arc", kElliptique, Qt::RightButton, 2},
      {"ellipse_marqueur", kElliptique, Qt::RightButton, 4},
  };
  form->Edit1->setText("6");  // fewer petals: the bands show their copies all the same
  form->Edit3->setText("5");
  form->RadioGroup_couleur_crayon->setItemIndex(1);  // one colour throughout
  for (const Outil& outil : outils) {
    for (const Remplacement& r : remplacements) {
      const std::string cas = std::string(outil.nom) + "_" + r.nom;
      form->showNormal();
      form->resize(1366, 768);
      QApplication::processEvents();
      form->Panel_new_fond_noirClick();
      form->RadioGroup_type_trace->setItemIndex(outil.type);
      // No anchor left from the case before (K leaves the tool on "crayon").
      clic(outil.annulation, {300, 200});
      form->centre_x = 683;
      form->centre_y = 384;
      // Snapshots at positions 0..3, shown back to position 1, so that F5 and "+" find
      // the next one even after the figure's own snapshot.
      form->canvas().bitmap().setPixel(5, 5, 0x00FF00);
      for (int i = 0; i < 4; ++i) form->wb();
      form->affiche_fic_precedent();
      form->affiche_fic_precedent();

      const Point points[] = {{500, 300}, {700, 320}, {720, 500}, {600, 600}};
      for (int i = 0; i < outil.clics; ++i) clic(Qt::LeftButton, points[i]);
      const Bitmap sans_figure = image();
      bouger({650, 420});
      ASSERT_NE(image(), sans_figure) << cas << ": no figure on screen";

      r.faire(*form);
      const Bitmap apres = image();
      // Twice: after Ctrl+E the first cancel press only sets the centre.
      for (int fois = 0; fois < 2; ++fois) {
        for (Point p : {Point{660, 430}, Point{400, 500}, Point{300, 200}}) bouger(p);
        clic(outil.annulation, {300, 200});
      }
      EXPECT_TRUE(memes_images(image(), apres, cas)) << cas;
    }
  }
}

TEST_F(Ellipse, AStepThatFindsNoSnapshotLeavesTheFiguresKnown) {
  clic(Qt::LeftButton, {400, 300});  // snapshot ~100.bmp
  clic(Qt::LeftButton, {600, 300});
  bouger({650, 450});
  form->FormKeyDown(0x74, {});  // F5: ~101.bmp does not exist, nothing is painted
  clic(Qt::RightButton, {650, 450});
  EXPECT_TRUE(memes_images(image(), Bitmap(image().width(), image().height(), 0),
                           "pas_d_instantane"));
}

TEST_F(Ellipse, APictureSmallerThanTheCanvasLeavesNoFigureBesideIt) {
  const QString petite = repertoire.filePath("petite.bmp");
  ecrire_fichier_bmp(petite, Bitmap(300, 200, 0x0000FF));
  form->Edit3->setText("1");
  for (int type : {1, kElliptique}) {
    form->Panel_new_fond_noirClick();
    form->RadioGroup_type_trace->setItemIndex(type);
    const int clics = type == 1 ? 1 : 4;
    const Point points[] = {{200, 150}, {700, 320}, {720, 500}, {600, 600}};
    for (int i = 0; i < clics; ++i) clic(Qt::LeftButton, points[i]);
    bouger({650, 420});  // figures on both sides of the picture's edge
    form->lire_bmp(petite);
    for (Point p : {Point{660, 430}, Point{100, 100}}) bouger(p);
    clic(Qt::RightButton, {100, 100});
    Canvas attendu(image().width(), image().height(), 0);
    attendu.Draw(0, 0, Bitmap(300, 200, 0x0000FF));
    if (type == kElliptique) {
      // The finished arcs stay beside the picture.
      for (const auto& [a, b, c] : {std::array<Point, 3>{points[0], points[1], points[2]},
                                    std::array<Point, 3>{points[2], {740, 680}, points[3]}}) {
        trace_arc_ellipse(attendu, form->table_sinus, form->table_cosinus, a, b, c, R2_COPYPEN,
                          form->couleur_crayon, 1, {});
      }
      attendu.Draw(0, 0, Bitmap(300, 200, 0x0000FF));
    }
    EXPECT_TRUE(memes_images(image(), attendu.bitmap(), "petite_image_" + std::to_string(type)));
  }
}

}  // namespace
}  // namespace orvane
