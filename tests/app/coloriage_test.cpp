#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "app/tform1.h"
#include "fenetre_test.h"

namespace orvane {
namespace {

class ColoriageFenetre : public FenetreTest {
 protected:
  // A closed ring of 24 pencil segments about the centre, each crossing only its two
  // neighbours: an inside and an outside. Thin lines crossing at a shallow angle would
  // shut single pixels in between, which no sample of the row walk reaches.
  void dessiner_anneau() {
    const int cx = form->centre_x, cy = form->centre_y;
    form->Edit3->setText(QStringLiteral("5"));
    form->trace_symetrique({cx + 100, cy - 20}, {cx + 100, cy + 20}, R2_COPYPEN,
                           form->couleur_crayon);
  }

  int pixels_de(Colour c) {
    const Bitmap& b = form->canvas().bitmap();
    int n = 0;
    for (int y = 0; y < b.height(); ++y) {
      for (int x = 0; x < b.width(); ++x) n += b.row(y)[x] == c;
    }
    return n;
  }

  QStringList instantanes() {
    instantane_ecrit();
    return QDir(repertoire.path()).entryList({QStringLiteral("~1*.bmp")}, QDir::Files);
  }

  // A click that reaches the window's queue as the desktop would hand it over.
  void poster_clic(QWidget* sur) {
    const QPointF local = sur->mapTo(form.get(), sur->rect().center());
    const QPointF global = form->mapToGlobal(local);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons boutons =
          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
      QCoreApplication::postEvent(form->windowHandle(),
                                  new QMouseEvent(type, local, local, global, Qt::LeftButton,
                                                  boutons, Qt::NoModifier));
    }
  }

  void poster_touche(Qt::Key touche, const QString& texte) {
    QCoreApplication::postEvent(form->windowHandle(),
                                new QKeyEvent(QEvent::KeyPress, touche, Qt::NoModifier, texte));
  }
};

TEST_F(ColoriageFenetre, KeyKColoursTheFigureAndWritesOneSnapshot) {
  dessiner_anneau();
  systeme.pointeur = {7, 0};  // the row of the centre, starting at x = 7
  form->activateWindow();
  form->Edit2->setFocus();
  QTest::keyClick(form->Edit2, Qt::Key_K);
  EXPECT_EQ(pixels_de(0), 0);  // no region left in the background colour
  EXPECT_EQ(instantanes(), QStringList{QStringLiteral("~100.bmp")});
  EXPECT_EQ(systeme.curseur, crArrow);
  EXPECT_EQ(form->Label_y->Caption(), QStringLiteral("100 %"));
  EXPECT_EQ(form->Label_x->Caption(), QStringLiteral("100 %"));
  EXPECT_GE(form->Label_x->width(), form->Label_x->sizeHint().width());
  // The paint swatch shows the colour of the last sample.
  EXPECT_EQ(form->Panel_peinture->Color(), form->couleur_peinture);
}

TEST_F(ColoriageFenetre, PanelKRunsTheGridWalkUnderTheOtherModes) {
  form->RadioGroup_symetrie->setItemIndex(3);
  dessiner_anneau();
  const int contour = pixels_de(form->couleur_crayon);
  QTest::mouseClick(form->Panel6, Qt::LeftButton);
  EXPECT_EQ(pixels_de(0), 0);
  EXPECT_EQ(pixels_de(form->couleur_crayon), contour);  // outlines keep their colour
  EXPECT_EQ(instantanes().size(), 1);
}

TEST_F(ColoriageFenetre, BothRadioGroupsEndAsTheyWere) {
  const struct {
    int peindre_dessiner, couleur_peinture;
  } cas[] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 1}};
  for (const auto& c : cas) {
    form->RadioGroup_couleur_peinture->setItemIndex(c.couleur_peinture);
    form->RadioGroup_couleur_crayon->setItemIndex(1);
    form->RadioGroup_peindre_dessiner->setItemIndex(c.peindre_dessiner);
    ASSERT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), c.peindre_dessiner);
    ASSERT_EQ(form->RadioGroup_couleur_peinture->ItemIndex(), c.couleur_peinture);
    form->coloriage_aleatoire();
    EXPECT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), c.peindre_dessiner)
        << c.peindre_dessiner << " " << c.couleur_peinture;
    EXPECT_EQ(form->RadioGroup_couleur_peinture->ItemIndex(), c.couleur_peinture)
        << c.peindre_dessiner << " " << c.couleur_peinture;
  }
}

TEST_F(ColoriageFenetre, StopClickedDuringTheGridWalkEndsItAfterTheSample) {
  form->RadioGroup_symetrie->setItemIndex(4);
  poster_clic(form->Panel_stop);
  form->coloriage_aleatoire();
  EXPECT_TRUE(form->arret_demande);
  EXPECT_EQ(form->Label_y->Caption(), QStringLiteral("---"));  // no row finished
  EXPECT_NE(form->Label_x->Caption(), QStringLiteral("---"));
  EXPECT_EQ(instantanes().size(), 1);
  EXPECT_EQ(systeme.curseur, crArrow);
}

TEST_F(ColoriageFenetre, ClicksDuringThePassAreHandledAfterItAndKeysNever) {
  poster_touche(Qt::Key_E, QStringLiteral("e"));  // would clear the picture
  poster_clic(form->Panel3);                      // "Centre": arms the centre choice
  form->coloriage_aleatoire();
  EXPECT_FALSE(form->choix_centre);
  const int noirs = pixels_de(0);
  QApplication::processEvents();
  EXPECT_TRUE(form->choix_centre);
  EXPECT_EQ(pixels_de(0), noirs);
  EXPECT_LT(noirs, 1366 * 768);
}

TEST_F(ColoriageFenetre, PaletteTimerTicksWaitForTheEndOfThePass) {
  form->Timer1->setInterval(1000);  // its first tick sets 10000
  const auto* horloge = qobject_cast<const QTimer*>(form->Timer1->horloge());
  ASSERT_NE(horloge, nullptr);
  QCoreApplication::postEvent(const_cast<QTimer*>(horloge), new QTimerEvent(horloge->timerId()));
  form->coloriage_aleatoire();
  EXPECT_EQ(form->Timer1->Interval(), 1000);
  QApplication::processEvents();
  EXPECT_EQ(form->Timer1->Interval(), 10000);
}

TEST_F(ColoriageFenetre, AFailingRendererStillGivesTheSelectionsAndTheCursorBack) {
  form->Edit3->setText(QStringLiteral("abc"));
  EXPECT_ANY_THROW(form->coloriage_aleatoire());
  EXPECT_EQ(form->RadioGroup_peindre_dessiner->ItemIndex(), 0);
  EXPECT_EQ(systeme.curseur, crArrow);
  // The filter is gone: events reach their handlers again.
  QTest::mouseClick(form->Panel3, Qt::LeftButton);
  EXPECT_TRUE(form->choix_centre);
}

}  // namespace
}  // namespace orvane
