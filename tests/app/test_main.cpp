#include <gtest/gtest.h>

#include "app/application_orvane.h"
#include "film/module_film.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  orvane::ApplicationOrvane app(argc, argv);
  orvane::situer_module_film(ORVANE_MODULE_FILM_ESSAIS);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
