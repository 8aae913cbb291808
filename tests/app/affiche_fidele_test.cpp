// Posters that match the screen: rich figures drawn through the window's own handlers, then
// re-drawn at scales 2, 3, 4 and 8 and reduced again, agree with the canvas but for edges,
// and every region a fill left on the canvas holds its colour at scale K.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/tform1.h"
#include "fenetre_test.h"
#include "journal/fidelite_echelle.h"
#include "journal/redessin.h"

namespace orvane {
namespace {

constexpr int kElliptique = 5;
constexpr int kToucheF4 = 0x73;

class AfficheFidele : public FenetreTest {
 protected:
  // A small screen: the poster at scale 8 is 64 times the canvas.
  AfficheFidele() : FenetreTest(QSize(360, 270)) {}

  void trait(std::vector<Point> points) {
    form->FormMouseDown(Qt::LeftButton, {}, points[0].x, points[0].y);
    for (const Point& p : points) form->FormMouseMove({}, p.x, p.y);
    form->FormMouseUp(Qt::LeftButton, {}, points.back().x, points.back().y);
    instantane_ecrit();
  }

  void clic(Qt::MouseButton b, Point p) {
    form->FormMouseMove({}, p.x, p.y);
    form->FormMouseDown(b, {}, p.x, p.y);
    form->FormMouseUp(b, {}, p.x, p.y);
  }

  // An arc of the elliptic tool through three points.
  void arc(Point a, Point b, Point c) {
    form->RadioGroup_type_trace->setItemIndex(kElliptique);
    for (Point p : {a, b, c}) clic(Qt::LeftButton, p);
    clic(Qt::RightButton, c);
    instantane_ecrit();
    form->RadioGroup_type_trace->setItemIndex(0);
  }

  // A click in a paint mode (1 "peind tant que", 2 "peind j'usqu'à").
  void remplir(Point p, int sorte, Colour peinture) {
    form->RadioGroup_peindre_dessiner->setItemIndex(sorte);
    form->couleur_peinture = peinture;
    trait({p});
    form->RadioGroup_peindre_dessiner->setItemIndex(0);
  }

  void passe(Point pointeur) {
    systeme.pointeur = {pointeur.x, pointeur.y};
    form->coloriage_aleatoire();
    instantane_ecrit();
  }

  void regler(int symetrie, int largeur, const char* petales = "12") {
    form->RadioGroup_symetrie->setItemIndex(symetrie);
    form->Edit1->setText(QString::fromLatin1(petales));
    form->Edit3->setText(QString::number(largeur));
  }

  // Rosace: every trace type, shaded spokes near the centre, fills between them and in
  // closed loops, a pass, a step back and a new stroke.
  void rosace() {
    form->aleatoire.semer(5);
    form->couleur_crayon = RGB(250, 250, 250);
    regler(0, 1);
    for (int type = 0; type < 5; ++type) {
      form->RadioGroup_type_trace->setItemIndex(type);
      trait({{200 + 8 * type, 120}, {215 + 9 * type, 100}, {230, 80 + 6 * type}});
    }
    form->RadioGroup_type_trace->setItemIndex(0);
    form->CheckBox_ombre_1->setChecked(true);
    form->Edit7->setText(QStringLiteral("3"));
    regler(0, 1, "18");
    trait({{186, 135}, {200, 135}, {250, 137}});
    form->CheckBox_ombre_1->setChecked(false);
    regler(0, 1, "12");
    trait({{180, 60}, {200, 62}, {215, 70}, {205, 85}, {180, 60}});
    remplir({199, 70}, 1, RGB(20, 90, 200));
    remplir({190, 134}, 1, RGB(200, 40, 40));
    remplir({230, 120}, 2, RGB(40, 200, 90));
    arc({60, 60}, {120, 40}, {150, 90});
    passe({3, 5});
    form->FormKeyDown(kToucheF4, {});
    form->couleur_crayon = RGB(240, 200, 20);
    regler(0, 4, "8");
    trait({{180, 100}, {160, 80}, {120, 90}});
    remplir({178, 100}, 1, RGB(120, 20, 160));
  }

  // Vitrail: both shadows, a spiral of fills, clones, a thick pen, an arc with a shadow,
  // a fill up to the pencil's colour, a pass.
  void vitrail() {
    form->aleatoire.semer(7);
    form->couleur_crayon = RGB(230, 230, 230);
    regler(1, 1, "6");
    form->CheckBox_ombre_2->setChecked(true);
    form->Edit7->setText(QStringLiteral("4"));
    trait({{200, 135}, {230, 150}, {260, 140}, {280, 110}});
    form->CheckBox_ombre_2->setChecked(false);
    form->Edit6->setText(QStringLiteral("3"));
    regler(1, 2, "6");
    trait({{190, 100}, {230, 90}, {240, 60}});
    form->Edit6->setText(QStringLiteral("1"));
    regler(1, 9, "6");
    trait({{100, 40}, {140, 60}});
    form->CheckBox_ombre_1->setChecked(true);
    form->Edit7->setText(QStringLiteral("3"));
    arc({40, 200}, {90, 230}, {130, 200});
    form->CheckBox_ombre_1->setChecked(false);
    form->CheckBox_spirale->setChecked(true);
    form->Edit4->setText(QStringLiteral("2"));
    form->Edit5->setText(QStringLiteral("900"));
    regler(1, 1, "6");
    remplir({215, 128}, 1, RGB(30, 60, 220));
    form->CheckBox_spirale->setChecked(false);
    remplir({236, 88}, 2, RGB(220, 120, 20));
    passe({7, 2});
    regler(1, 3, "6");
    trait({{150, 150}, {170, 170}});
  }

  // Four quarters and a single segment: one-pixel diagonals touching at corners around
  // closed loops, fills of both kinds, a grid pass, a step back and a new stroke.
  void quarts() {
    form->aleatoire.semer(9);
    form->couleur_crayon = RGB(250, 250, 250);
    regler(3, 1);
    trait({{60, 30}, {90, 60}});
    trait({{89, 61}, {60, 90}});
    trait({{60, 90}, {30, 60}, {60, 30}});
    trait({{120, 40}, {160, 80}, {120, 120}, {110, 60}, {120, 40}});
    remplir({60, 60}, 1, RGB(200, 30, 30));
    remplir({125, 80}, 2, RGB(30, 200, 200));
    regler(4, 1);
    trait({{10, 10}, {100, 130}});
    trait({{101, 131}, {170, 20}});
    remplir({100, 100}, 1, RGB(90, 20, 200));
    regler(2, 5);
    trait({{20, 200}, {80, 250}});
    passe({11, 13});
    form->FormKeyDown(kToucheF4, {});
    regler(3, 2);
    trait({{30, 150}, {80, 160}, {70, 200}, {30, 150}});
    remplir({60, 165}, 1, RGB(240, 240, 30));
  }

  // At every scale, the poster reduced is the canvas but for a few pixels, and every region
  // that fills left keeps their colour.
  void verifier() {
    const Journal journal = form->journal.journal();
    const Bitmap& toile = form->canvas().bitmap();
    Bitmap redessinee;
    ASSERT_TRUE(redessiner(journal, 1, redessinee, {}));
    ASSERT_EQ(redessinee, toile);
    const std::vector<bool> peints = fidelite::peints_par_remplissage(journal);
    ASSERT_GT(std::count(peints.begin(), peints.end(), true), 1000);  // fills did paint
    for (int k : {2, 3, 4, 8}) {
      SCOPED_TRACE("scale " + std::to_string(k));
      Bitmap grande;
      ASSERT_TRUE(redessiner(journal, k, grande, {}));
      const std::vector<Point> ecarts = fidelite::ecarts(toile, fidelite::reduite(grande, k));
      const std::vector<fidelite::RegionManquee> manquees = fidelite::regions_manquees(journal, k);
      std::printf("scale %d: %zu pixels off, %zu regions missed\n", k, ecarts.size(),
                  manquees.size());
      EXPECT_LE(ecarts.size() * 10000, 5u * toile.width() * toile.height())
          << "first at (" << ecarts[0].x << ", " << ecarts[0].y << ")";
      for (const fidelite::RegionManquee& m : manquees)
        ADD_FAILURE() << "the region of (" << m.pixel.x << ", " << m.pixel.y << ") that entry "
                      << m.entree << " filled is not filled";
    }
  }
};

TEST_F(AfficheFidele, ARosaceOfEveryTraceType) {
  rosace();
  verifier();
}

TEST_F(AfficheFidele, AVitrailWithShadowsSpiralsClonesAndAThickPen) {
  vitrail();
  verifier();
}

TEST_F(AfficheFidele, QuartersOfDiagonalsTouchingAtCorners) {
  quarts();
  verifier();
}

}  // namespace
}  // namespace orvane
