#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "app/controls/tcheckbox.h"
#include "app/controls/tcombobox.h"
#include "app/controls/tedit.h"
#include "app/controls/tradiogroup.h"
#include "app/controls/tupdown.h"

namespace orvane {
namespace {

TEST(TRadioGroup, ACodeChangeRunsTheReactionOncePerRealChangeAndReactionsNest) {
  QWidget parent;
  TRadioGroup a(&parent, "a", {"0", "1", "2"});
  TRadioGroup b(&parent, "b", {"0", "1"});
  std::vector<std::string> journal;
  a.OnClick = [&] {
    journal.push_back("a" + std::to_string(a.ItemIndex()));
    b.setItemIndex(1);
    journal.push_back("a-fin");
  };
  b.OnClick = [&] { journal.push_back("b" + std::to_string(b.ItemIndex())); };
  a.setItemIndex(2);
  a.setItemIndex(2);  // same value: nothing
  EXPECT_EQ(journal, (std::vector<std::string>{"a2", "b1", "a-fin"}));
  EXPECT_TRUE(a.button(2)->isChecked());
  EXPECT_FALSE(a.button(0)->isChecked());
}

TEST(TRadioGroup, AUserClickSelectsAndReactsLikeACodeChange) {
  QWidget parent;
  TRadioGroup g(&parent, "g", {"0", "1"});
  g.resize(100, 60);
  int reactions = 0;
  g.OnClick = [&] { ++reactions; };
  parent.show();
  QTest::mouseClick(g.button(1), Qt::LeftButton, {}, QPoint(5, g.button(1)->height() / 2));
  EXPECT_EQ(g.ItemIndex(), 1);
  EXPECT_EQ(reactions, 1);
  QTest::mouseClick(g.button(1), Qt::LeftButton, {}, QPoint(5, g.button(1)->height() / 2));
  EXPECT_EQ(g.ItemIndex(), 1);
  EXPECT_TRUE(g.button(1)->isChecked());
  EXPECT_EQ(reactions, 1);
}

TEST(TCheckBox, ACodeChangeRunsTheReactionOnlyWhenTheStateChanges) {
  QWidget parent;
  TCheckBox c(&parent, "c");
  int reactions = 0;
  c.OnClick = [&] { ++reactions; };
  c.setChecked(false);
  EXPECT_EQ(reactions, 0);
  c.setChecked(true);
  EXPECT_EQ(reactions, 1);
  EXPECT_TRUE(c.Checked());
  c.click();
  EXPECT_EQ(reactions, 2);
  EXPECT_FALSE(c.Checked());
}

TEST(TComboBox, AnIndexSetFromCodeRunsNothing) {
  QWidget parent;
  TComboBox l(&parent);
  l.addItems({"a", "b"});
  int reactions = 0;
  l.OnClick = [&] { ++reactions; };
  l.setItemIndex(1);
  EXPECT_EQ(l.ItemIndex(), 1);
  EXPECT_EQ(reactions, 0);
}

TEST(TUpDown, StepsWithinItsRangeAndWritesTheEdit) {
  QWidget parent;
  TEdit e(&parent);
  TUpDown u(&parent, &e, 0, 3, 2);
  int changements = 0;
  u.OnChanging = [&] { ++changements; };
  EXPECT_EQ(e.Text(), "2");
  u.pas(1);
  u.pas(1);
  EXPECT_EQ(e.Text(), "3");
  EXPECT_EQ(u.Position(), 3);
  for (int i = 0; i < 5; ++i) u.pas(-1);
  EXPECT_EQ(e.Text(), "0");
  EXPECT_GE(changements, 7);
}

TEST(TUpDown, StepsFromWhatTheEditShowsAndFromItsArrowKeys) {
  QWidget parent;
  TEdit e(&parent);
  TUpDown u(&parent, &e, 10, 1000, 975);
  e.setText("500");
  u.pas(1);
  EXPECT_EQ(e.Text(), "501");
  parent.show();
  e.setFocus();
  QTest::keyClick(&e, Qt::Key_Up);
  EXPECT_EQ(e.Text(), "502");
  QTest::keyClick(&e, Qt::Key_Down);
  QTest::keyClick(&e, Qt::Key_Down);
  EXPECT_EQ(e.Text(), "500");
  e.setText("nonsense");
  u.pas(-1);  // falls back on its own position
  EXPECT_EQ(e.Text(), "499");
}

TEST(TUpDown, WritesTheUsersGroupSeparatorAtFourDigits) {
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  QWidget parent;
  TEdit e(&parent);
  TUpDown u(&parent, &e, 10, 1000, 999);
  u.pas(1);
  EXPECT_EQ(e.Text(), QLocale().toString(1000));
  EXPECT_EQ(e.Text().size(), 5);
  QLocale::setDefault(QLocale::system());
}

TEST(TEdit, TheKeyPressHandlerCanSwallowACharacter) {
  QWidget parent;
  TEdit e(&parent);
  e.OnKeyPress = [](QChar& k) {
    if (k == u' ') k = QChar();
  };
  parent.show();
  QTest::keyClicks(&e, "1 2");
  EXPECT_EQ(e.Text(), "12");
}

}  // namespace
}  // namespace orvane
