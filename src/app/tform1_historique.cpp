// The picture history: a snapshot after every stroke, undo and redo through the ring.
#include "app/tform1.h"

#include <QMetaObject>

#include "app/controls/frontiere.h"
#include "persistence/erreur_fichier.h"

namespace orvane {

void TForm1::installer_historique(const QString& repertoire) {
  historique = HistoriqueImages(repertoire);
  historique.legende_sauvegarde = [this](const QString& t) { Label6->setCaption(t); };
  historique.legende_chargement = [this](const QString& t) { Label5->setCaption(t); };
  // A picture that covers only part of the canvas must not leave figures beside it.
  historique.avant_peinture = [this] { effacer_figures_elastiques(); };
  historique.avertissement = [this](const QString& t) { systeme_.erreur(this, t); };
  // Files are written on another thread: the window takes each outcome when it ends.
  historique.ecriture_terminee = [this] {
    QMetaObject::invokeMethod(
        this, [this] { a_la_frontiere([this] { bilan_instantanes(); }); }, Qt::QueuedConnection);
  };
  // A place whose write failed keeps an older file: the journal must not take it for
  // this picture.
  historique.ecriture_echouee = [this](int place) { journal.oublier(place); };
  historique.peinte = [this](const QString& chemin, std::shared_ptr<const Bitmap> image) {
    const int place = historique.indice_historique();
    const bool du_cycle = place >= 0 && chemin == historique.fichier_instantane(place);
    journal.image_peinte(du_cycle ? place : -1, std::move(image), canvas().width(),
                         canvas().height());
  };
}

void TForm1::wb() {
  try {
    historique.commencer_wb(Image1->canvas().bitmap());
    journal.instantane(historique.indice_historique(), canvas().width(), canvas().height());
  } catch (const ErreurFichier& e) {
    signaler_echec_instantane(e);
  }
}

void TForm1::finir_instantane() { rendre_compte_instantanes(true); }

void TForm1::bilan_instantanes() { rendre_compte_instantanes(false); }

void TForm1::rendre_compte_instantanes(bool attendre) {
  try {
    if (attendre ? historique.finir_wb() : historique.bilan_ecritures())
      echec_instantane_signale_ = false;
  } catch (const ErreurFichier& e) {
    signaler_echec_instantane(e);
  }
}

void TForm1::signaler_echec_instantane(const ErreurFichier& e) {
  // A directory that cannot be written would otherwise put an error box after every
  // stroke: say it once, until a snapshot is written again.
  if (echec_instantane_signale_) return;
  echec_instantane_signale_ = true;
  const QString suite = QStringLiteral(
      " Les traits suivants ne seront pas gardés pour « - » et « + » tant que ce "
      "répertoire ne pourra pas être écrit ; ce message ne sera pas répété.");
  throw ErreurFichier((QString::fromUtf8(e.what()) + suite).toStdString());
}

void TForm1::lire_bmp(const QString& chemin) { historique.lire_bmp(chemin, canvas()); }

void TForm1::affiche_fic_precedent() { historique.affiche_fic_precedent(canvas()); }

void TForm1::affiche_fic_suivant() { historique.affiche_fic_suivant(canvas()); }

void TForm1::Panel11Click() { affiche_fic_precedent(); }

void TForm1::Panel13Click() { affiche_fic_suivant(); }

}  // namespace orvane
