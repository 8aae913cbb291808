#include "app/application_orvane.h"
#include "app/systeme.h"
#include "app/tform1.h"

int main(int argc, char** argv) {
  orvane::ApplicationOrvane app(argc, argv);
  orvane::SystemeQt systeme;
  app.setSysteme(&systeme);
  orvane::TForm1 fenetre(systeme);
  fenetre.show();
  fenetre.raise();
  fenetre.activateWindow();
  return app.exec();
}
