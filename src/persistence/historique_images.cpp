#include "persistence/historique_images.h"

#include <QFileInfo>
#include <utility>

#include "persistence/fichier_bmp.h"

namespace orvane {

namespace {

void legender(const std::function<void(const QString&)>& legende, const QString& texte) {
  if (legende) legende(texte);
}

}  // namespace

HistoriqueImages::HistoriqueImages(QString repertoire_programme)
    : repertoire_programme_(std::move(repertoire_programme)) {}

QString HistoriqueImages::fichier_instantane(int position) const {
  return repertoire_programme_ + QStringLiteral("/~%1.bmp").arg(100 + position);
}

void HistoriqueImages::wb(const Bitmap& image) {
  const int ancien_indice = indice_historique_;
  const QString ancien_nom = nom_instantane_;
  indice_historique_ = (indice_historique_ + 1) % kTailleAnneau;
  nom_instantane_ = fichier_instantane(indice_historique_);
  legender(legende_sauvegarde, QStringLiteral("save ") + nom_instantane_);
  try {
    ecrire_fichier_bmp(nom_instantane_, image);
  } catch (...) {
    // Moving on would leave a stale file of an earlier lap inside the history, painted
    // by the next step back as if it were the latest picture.
    indice_historique_ = ancien_indice;
    nom_instantane_ = ancien_nom;
    throw;
  }
}

void HistoriqueImages::lire_bmp(const QString& chemin, Canvas& canvas) {
  const QFileInfo fichier(chemin);
  if (!fichier.exists() || fichier.isDir()) return;
  const Bitmap image = lire_fichier_bmp(chemin);
  if (avant_peinture) avant_peinture();
  canvas.Draw(0, 0, image);
  legender(legende_chargement, QStringLiteral("load ") + chemin);
}

void HistoriqueImages::affiche_fic_precedent(Canvas& canvas) {
  if (indice_historique_ < 0) return;
  nom_instantane_ = fichier_instantane(indice_historique_);
  lire_bmp(nom_instantane_, canvas);
  indice_historique_ = indice_historique_ == 0 ? kTailleAnneau - 1 : indice_historique_ - 1;
}

void HistoriqueImages::affiche_fic_suivant(Canvas& canvas) {
  indice_historique_ = (indice_historique_ + 1) % kTailleAnneau;
  nom_instantane_ = fichier_instantane(indice_historique_);
  lire_bmp(nom_instantane_, canvas);
}

}  // namespace orvane
