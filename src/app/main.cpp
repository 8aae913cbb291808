#include "app/application_orvane.h"
#include "app/systeme.h"
#include "app/tform1.h"

int main(int argc, char** argv) {
  orvane::ApplicationOrvane app(argc, argv);
  orvane::SystemeQt systeme;
  orvane::TForm1 fenetre(systeme);
  // The geometry is already the whole screen (a bare X server has no window manager);
  // where there is one, full-screen also puts the window above its panels.
  fenetre.showFullScreen();
  fenetre.raise();
  fenetre.activateWindow();
  return app.exec();
}
