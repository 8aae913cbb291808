#include <QTest>

#include "fenetre_test.h"

namespace orvane {
namespace {

class SourisPalette : public FenetreTest {};

// Right press and release, then a move, on the widget under the centre of each control.
TEST_F(SourisPalette, EveryControlKeepsItsMouseEventsFromThePalette) {
  int controles = 0;
  for (QObject* o : form->Panel1->children()) {
    auto* controle = qobject_cast<QWidget*>(o);
    if (!controle || controle->isHidden()) continue;
    const QPoint centre = controle->geometry().center();
    QWidget* sous_pointeur = form->Panel1->childAt(centre);
    ASSERT_NE(sous_pointeur, nullptr) << controle->metaObject()->className();
    const QPoint local = sous_pointeur->mapFrom(form->Panel1, centre);
    const std::string nom = controle->metaObject()->className() + std::string(" ") +
                            controle->objectName().toStdString() + " at " +
                            std::to_string(centre.x()) + "," + std::to_string(centre.y());

    form->masquage_en_cours = true;
    QTest::mouseMove(sous_pointeur, local);
    EXPECT_TRUE(form->masquage_en_cours) << "move handed to the palette: " << nom;

    QTest::mousePress(sous_pointeur, Qt::RightButton, {}, local);
    QTest::mouseRelease(sous_pointeur, Qt::RightButton, {}, local);
    EXPECT_TRUE(systeme.couleurs_proposees.empty()) << "right click opened the dialog: " << nom;
    systeme.couleurs_proposees.clear();
    ++controles;
  }
  EXPECT_GT(controles, 40);
}

TEST_F(SourisPalette, TheCloneCaptionOpensNothingButThePalettesOwnSurfaceDoes) {
  const QPoint centre = form->Label7->rect().center();
  QTest::mousePress(form->Label7, Qt::RightButton, {}, centre);
  EXPECT_TRUE(systeme.couleurs_proposees.empty());

  QTest::mousePress(form->Panel1, Qt::RightButton, {}, QPoint(form->Panel1->width() - 3, 60));
  EXPECT_EQ(systeme.couleurs_proposees.size(), 1u);
  form->masquage_en_cours = true;
  QTest::mouseMove(form->Panel1, QPoint(form->Panel1->width() - 3, 61));
  EXPECT_FALSE(form->masquage_en_cours);
}

}  // namespace
}  // namespace orvane
