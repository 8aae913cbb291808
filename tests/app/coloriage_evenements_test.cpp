#include <QTest>
#include <QTimer>
#include <functional>

#include "app/tform1.h"
#include "fenetre_test.h"

namespace orvane {
namespace {

// Mouse input that arrives while the colouring pass runs, as the desktop hands it over:
// through the window system, one event after the other.
class EvenementsPendantLaPasse : public FenetreTest {
 protected:
  void SetUp() override {
    FenetreTest::SetUp();
    form->RadioGroup_symetrie->setItemIndex(4);  // "unique"
    form->RadioGroup_couleur_crayon->setItemIndex(1);
    form->Edit3->setText(QStringLiteral("1"));
    form->activateWindow();
  }

  // Runs `geste` from inside the pass, at its first look at the screen.
  void pendant_la_passe(std::function<void()> geste) {
    bool fait = false;
    QTimer::singleShot(0, form.get(), [&] {
      fait = true;
      geste();
    });
    form->coloriage_aleatoire();
    ASSERT_TRUE(fait);
  }

  void glisser(const std::vector<QPoint>& chemin) {
    QWindow* w = form->windowHandle();
    QTest::mousePress(w, Qt::LeftButton, {}, chemin.front());
    for (size_t i = 1; i < chemin.size(); ++i) QTest::mouseMove(w, chemin[i]);
    QTest::mouseRelease(w, Qt::LeftButton, {}, chemin.back());
  }

  Bitmap image() { return form->canvas().bitmap(); }

  const std::vector<QPoint> chemin_{{300, 200}, {340, 220}, {420, 210}, {500, 300}, {520, 380}};
};

TEST_F(EvenementsPendantLaPasse, ADragDrawsTheStrokeItDrawsWithoutAPass) {
  pendant_la_passe([&] { glisser(chemin_); });
  QApplication::processEvents();
  const Bitmap avec_passe = image();
  form->affiche_fic_precedent();  // the picture the pass left
  glisser(chemin_);
  EXPECT_TRUE(avec_passe == image());
}

TEST_F(EvenementsPendantLaPasse, AClickOnNewActsOnItWhateverThePointerDoesNext) {
  const QPoint nouveau = form->Panel2->mapTo(form.get(), form->Panel2->rect().center());
  pendant_la_passe([&] {
    QWindow* w = form->windowHandle();
    QTest::mouseClick(w, Qt::LeftButton, {}, nouveau);
    for (QPoint p : {QPoint(400, 300), QPoint(600, 200)}) QTest::mouseMove(w, p);
  });
  QApplication::processEvents();
  const Bitmap& b = form->canvas().bitmap();
  int blancs = 0;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) blancs += b.row(y)[x] == 0xFFFFFF;
  EXPECT_EQ(blancs, b.width() * b.height());
}

}  // namespace
}  // namespace orvane
