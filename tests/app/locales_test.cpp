#include <gtest/gtest.h>

#include <QLocale>
#include <QTest>
#include <stdexcept>

#include "app/nombres.h"
#include "app/tform1.h"
#include "systeme_simule.h"

namespace orvane {
namespace {

// The window under one locale, as the user's regional settings would give it.
class SousLocale : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale(QString::fromLatin1(GetParam()))); }
  void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

int lu(const TEdit* edit) { return StrToInt(filtre_nombre(edit->Text()), edit->Text()); }

TEST_P(SousLocale, EveryUpDownStepsToItsEndsAndBackReadingEachValueUnchanged) {
  SystemeSimule systeme;
  TForm1 form(systeme);
  EXPECT_TRUE(systeme.messages.isEmpty()) << systeme.messages.join(" | ").toStdString();
  for (TUpDown* u : {form.UpDown1, form.UpDown2, form.UpDown3, form.UpDown4, form.UpDown5,
                     form.UpDown6}) {
    const auto verifier = [&] {
      ASSERT_EQ(lu(u->Associate()), u->Position()) << u->Associate()->Text().toStdString();
    };
    verifier();
    while (u->Position() > u->Min()) {
      u->pas(-1);
      verifier();
    }
    while (u->Position() < u->Max()) {
      u->pas(1);
      verifier();
    }
    while (u->Position() > u->Min()) {
      u->pas(-1);
      verifier();
    }
  }
  // The engine reads the same numbers: a stroke with the edits at their ends draws.
  form.Edit5->setText(texte_entier(1000));
  form.CheckBox_spirale->setChecked(true);
  EXPECT_EQ(form.reglages_trace().facteur_milliemes, 1000);
  EXPECT_TRUE(systeme.messages.isEmpty()) << systeme.messages.join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Locales, SousLocale,
                         ::testing::Values("C", "fr_FR", "de_CH", "sv_SE", "ar_EG", "fa_IR",
                                           "bn_BD", "en_US", "hi_IN", "my_MM"));

// A desktop whose program path cannot be had: start-up fails half-way.
class SystemeEnPanne : public SystemeSimule {
 public:
  QString chemin_programme() override { throw std::runtime_error("chemin introuvable"); }
};

TEST(ErreursDeDemarrage, AreShownInTheErrorBoxAndTheWindowStillOpens) {
  SystemeEnPanne systeme;
  TForm1 form(systeme);
  ASSERT_EQ(systeme.messages.size(), 1);
  EXPECT_EQ(systeme.messages[0], QStringLiteral("chemin introuvable"));
  form.show();
  QApplication::processEvents();
  EXPECT_TRUE(form.isVisible());
}

}  // namespace
}  // namespace orvane
