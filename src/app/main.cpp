#include <QLocale>
#include <iostream>

#include "app/application_orvane.h"
#include "app/ligne_de_commande.h"
#include "app/plateforme_x11.h"
#include "app/systeme.h"
#include "app/tform1.h"
#include "app/traductions_qt.h"

int main(int argc, char** argv) {
  if (const auto fin = orvane::repondre_ligne_de_commande(argc, argv, std::cout)) return *fin;
  orvane::choisir_xwayland(argc, argv);
  orvane::ApplicationOrvane app(argc, argv);
  orvane::installer_traductions_qt(app, QLocale::system());
  orvane::SystemeQt systeme;
  orvane::TForm1 fenetre(systeme);
  // The geometry is already the whole screen (a bare X server has no window manager);
  // where there is one, full-screen also puts the window above its panels.
  fenetre.showFullScreen();
  fenetre.raise();
  fenetre.activateWindow();
  return app.exec();
}
