#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTimer>
#include <iostream>
#include <memory>

#include "app/application_orvane.h"
#include "app/controls/frontiere.h"
#include "app/film_commande.h"
#include "app/fin_par_signal.h"
#include "app/ligne_de_commande.h"
#include "app/plateforme_x11.h"
#include "app/redessin_commande.h"
#include "app/session_graphique.h"
#include "app/systeme.h"
#include "app/tform1.h"
#include "app/traductions_qt.h"
#include "app/vignette_commande.h"
#include "journal/rendu_echelle.h"
#include "persistence/fichier_journal.h"

namespace {

orvane::Dessin dessin_du_fichier(const QString& chemin) {
  return orvane::dessin_du_journal(orvane::lire_journal(chemin));
}

}  // namespace

int main(int argc, char** argv) {
  const orvane::DemandeLigne demande =
      orvane::lire_ligne_de_commande(argc, argv, std::cout, std::cerr);
  if (demande.fin) return *demande.fin;
  // No window for these: no display is needed, pictures are written by Qt Gui alone.
  if (demande.rendu) {
    const QCoreApplication app(argc, argv);
    orvane::supprimer_temporaires_par_signal();
    const int fils = demande.rendu->fils;
    return orvane::redessiner_en_commande(
        *demande.rendu,
        [fils](const QString& chemin) {
          return orvane::dessin_du_journal(orvane::lire_journal(chemin), fils);
        },
        std::cerr, ::isatty(STDERR_FILENO) == 1);
  }
  if (demande.film) {
    const QCoreApplication app(argc, argv);
    orvane::supprimer_temporaires_par_signal();
    return orvane::filmer_en_commande(*demande.film, orvane::lire_journal, std::cerr,
                                      ::isatty(STDERR_FILENO) == 1);
  }
  if (demande.vignette) {
    const QCoreApplication app(argc, argv);
    orvane::supprimer_temporaires_par_signal();
    return orvane::vignette_en_commande(*demande.vignette, dessin_du_fichier, std::cerr);
  }
  if (!orvane::session_graphique_presente(argc, argv)) {
    std::cerr << orvane::kSansSessionGraphique;
    return 1;
  }
  orvane::choisir_xwayland(argc, argv);
  const auto app = [&] {
    const orvane::GardeDemarrage garde;
    return std::make_unique<orvane::ApplicationOrvane>(argc, argv);
  }();
  orvane::installer_traductions_qt(*app, QLocale::system());
  orvane::SystemeQt systeme;
  orvane::TForm1 fenetre(systeme);
  // A logout: the session manager asks to save, or the session's end sends its signals.
  QObject::connect(app.get(), &QGuiApplication::commitDataRequest, &fenetre,
                   [&fenetre] { fenetre.fin_de_session(); });
  const orvane::FinParSignal fin_par_signal([&fenetre] {
    fenetre.fin_de_session();
    QCoreApplication::exit(0);
  });
  // The geometry is already the whole screen (a bare X server has no window manager);
  // where there is one, full-screen also puts the window above its panels.
  fenetre.showFullScreen();
  fenetre.raise();
  fenetre.activateWindow();
  if (!demande.image.empty()) {
    // Once the first canvas is made; an unreadable file is told in the error box.
    const QString image = QFile::decodeName(demande.image.c_str());
    QTimer::singleShot(0, &fenetre, [&fenetre, image] {
      orvane::a_la_frontiere([&] { fenetre.ouvrir_fichier(image); });
    });
  }
  return app->exec();
}
