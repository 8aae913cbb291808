// Under a right-to-left language Qt's translation mirrors every widget; the palette's
// French captions must keep their indicators on the left.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLocale>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTranslator>

#include "app/tform1.h"
#include "app/traductions_qt.h"
#include "systeme_simule.h"

namespace orvane {
namespace {

class DroiteAGauche : public ::testing::Test {
 protected:
  void SetUp() override {
    traducteur_ = installer_traductions_qt(*QCoreApplication::instance(),
                                           QLocale(QStringLiteral("ar_EG")));
    QApplication::processEvents();
  }
  void TearDown() override {
    if (traducteur_) {
      QCoreApplication::removeTranslator(traducteur_);
      delete traducteur_;
    }
    QApplication::processEvents();
  }

  QTranslator* traducteur_ = nullptr;
};

// The indicator's box and the caption's box of a radio button or a check box.
std::pair<QRect, QRect> indicateur_et_texte(QAbstractButton* bouton, bool radio) {
  QStyleOptionButton option;
  option.initFrom(bouton);
  option.text = bouton->text();
  QStyle* style = bouton->style();
  return {style->subElementRect(radio ? QStyle::SE_RadioButtonIndicator
                                      : QStyle::SE_CheckBoxIndicator,
                                &option, bouton),
          style->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                      : QStyle::SE_CheckBoxContents,
                                &option, bouton)};
}

TEST_F(DroiteAGauche, ThePalettesIndicatorsStayLeftOfTheirCaptionsUnderArabic) {
  ASSERT_NE(traducteur_, nullptr) << "no Arabic translation of Qt installed";
  // What the translation does to every window, and to Qt's dialogs.
  ASSERT_EQ(QApplication::layoutDirection(), Qt::RightToLeft);

  SystemeSimule systeme;
  TForm1 form(systeme);
  form.show();
  QApplication::processEvents();
  int vus = 0;
  for (QWidget* panneau : {static_cast<QWidget*>(form.Panel1), static_cast<QWidget*>(form.Panel8)}) {
    EXPECT_EQ(panneau->layoutDirection(), Qt::LeftToRight);
    for (QAbstractButton* bouton : panneau->findChildren<QAbstractButton*>()) {
      const bool radio = qobject_cast<QRadioButton*>(bouton) != nullptr;
      if (!radio && !qobject_cast<QCheckBox*>(bouton)) continue;
      ++vus;
      const auto [indicateur, texte] = indicateur_et_texte(bouton, radio);
      EXPECT_LE(indicateur.right(), texte.left()) << bouton->text().toStdString();
      EXPECT_LT(indicateur.center().x(), bouton->width() / 2) << bouton->text().toStdString();
    }
  }
  EXPECT_GT(vus, 20);  // the radio groups' items and the check boxes were all looked at
}

}  // namespace
}  // namespace orvane
