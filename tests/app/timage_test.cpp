#include <gtest/gtest.h>

#include "app/controls/timage.h"

namespace orvane {
namespace {

TEST(TImage, OnlyTheChangedRectangleIsConvertedForDisplay) {
  TImage image;
  image.resize(200, 100);
  image.setPicture(Canvas(200, 100));
  image.rafraichir();
  EXPECT_EQ(image.affichage().pixel(150, 50), 0xFF000000u);

  // A change the canvas does not know of stays off screen...
  image.canvas().bitmap().setPixel(150, 50, RGB(255, 0, 0));
  // ...while a drawn line is converted, red and blue in their places.
  Canvas& c = image.canvas();
  c.pen.color = RGB(10, 20, 30);
  c.MoveTo(10, 10);
  c.LineTo(20, 10);
  image.rafraichir();
  EXPECT_EQ(image.affichage().pixel(15, 10), qRgb(10, 20, 30));
  EXPECT_EQ(image.affichage().pixel(150, 50), 0xFF000000u);
  EXPECT_EQ(image.affichage().pixel(15, 11), 0xFF000000u);
}

}  // namespace
}  // namespace orvane
