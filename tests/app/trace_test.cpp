#include "app/tform1.h"
#include "fenetre_test.h"

namespace orvane {
namespace {

class Trace : public FenetreTest {};

// The pen takes the mode, the colour and the width, and the panels the colour, before the
// petal count and the spiral are read: an edit of those that does not convert leaves them so.
TEST_F(Trace, ThePenAndPanelsAreSetBeforeThePetalsAndTheSpiralAreRead) {
  struct Cas {
    TEdit* edit;
    bool spirale;
  };
  const Cas cas[] = {{form->Edit1, false}, {form->Edit4, true}, {form->Edit5, true}};
  for (const Cas& k : cas) {
    const QString texte = k.edit->Text();
    form->CheckBox_spirale->setChecked(k.spirale);
    form->Edit3->setText("7");
    form->canvas().pen = Pen{};
    form->Panel_crayon->setColor(0);
    k.edit->setText("2-3");  // kept by the filter, refused by the conversion
    EXPECT_ANY_THROW(form->trace_symetrique({100, 100}, {200, 120}, R2_XORPEN, 0x123456));
    EXPECT_EQ(form->canvas().pen.mode, R2_XORPEN);
    EXPECT_EQ(form->canvas().pen.color, 0x123456u);
    EXPECT_EQ(form->canvas().pen.width, 7);
    EXPECT_EQ(form->Panel_crayon->Color(), 0x123456u);
    EXPECT_EQ(form->Panel9->Color(), 0x123456u);
    k.edit->setText(texte);
  }
}

TEST_F(Trace, AThicknessThatDoesNotConvertStopsAfterTheModeAndColour) {
  form->Panel_crayon->setColor(0);
  form->canvas().pen.width = 4;
  form->Edit3->setText("abc");
  EXPECT_ANY_THROW(form->trace_symetrique({100, 100}, {200, 120}, R2_XORPEN, 0x123456));
  EXPECT_EQ(form->canvas().pen.mode, R2_XORPEN);
  EXPECT_EQ(form->canvas().pen.color, 0x123456u);
  EXPECT_EQ(form->canvas().pen.width, 4);
  EXPECT_EQ(form->Panel_crayon->Color(), 0u);
}

}  // namespace
}  // namespace orvane
