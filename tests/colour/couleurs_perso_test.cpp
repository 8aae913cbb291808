#include "colour/couleurs_perso.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace orvane {
namespace {

using ::testing::ElementsAre;

TEST(CouleursPerso, TheSixteenEntriesOfTheProgramFirstThePalettesColour) {
  CouleursPerso d;
  couleurs_perso(d, RGB(1, 2, 0xAB));
  EXPECT_THAT(d.CustomColors,
              ElementsAre("ColorA=AB0201", "ColorB=DAFEE7", "ColorC=D9FAFF", "ColorD=FFE0B3",
                          "ColorE=E1EAFD", "ColorF=FDE1EC", "ColorG=FDE1FB", "ColorH=DDF5FF",
                          "ColorI=4080FF", "ColorJ=8AF0FF", "ColorK=FFC164", "ColorL=FFC46A",
                          "ColorM=ADC6FA", "ColorN=FBC8DC", "ColorO=F9FBB7", "ColorP=B0D8F5"));
  const CasesPerso c = d.cases();
  EXPECT_EQ(c[0], RGB(1, 2, 0xAB));
  EXPECT_EQ(c[1], RGB(231, 254, 218));  // the digits read blue, green, red
  EXPECT_EQ(c[8], RGB(255, 128, 64));
  EXPECT_EQ(c[15], RGB(245, 216, 176));
}

TEST(CouleursPerso, AMissingOrUnreadableEntryGivesNoColourAndTheFirstEntryOfAKeyWins) {
  CouleursPerso d;
  EXPECT_EQ(d.cases()[0], kCaseSansCouleur);
  d.CustomColors = {"ColorC=00FF00", "ColorC=0000FF", "ColorB=XYZ", "ColorQ=123456", "ColorAB=1"};
  const CasesPerso c = d.cases();
  EXPECT_EQ(c[2], 0x00FF00u);
  EXPECT_EQ(c[1], kCaseSansCouleur);
  EXPECT_EQ(c[0], kCaseSansCouleur);
}

TEST(CouleursPerso, WritingTheSlotsBackGivesSixteenEntriesThatReadTheSame) {
  CouleursPerso d;
  d.CustomColors = {"ColorB=123456"};
  CasesPerso c{};
  for (int i = 0; i < 16; ++i) c[static_cast<size_t>(i)] = RGB(i, 2 * i, 255 - i);
  d.ecrire_cases(c);
  ASSERT_EQ(d.CustomColors.size(), 16u);
  EXPECT_EQ(d.CustomColors[0], "ColorA=FF0000");
  EXPECT_EQ(d.CustomColors[15], "ColorP=F01E0F");
  EXPECT_EQ(d.cases(), c);
}

}  // namespace
}  // namespace orvane
