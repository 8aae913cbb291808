#include "persistence/historique_images.h"

#include <utility>

#include "persistence/causes_fichier.h"
#include "persistence/ecriture_image.h"
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

void HistoriqueImages::avertir_une_fois(const QString& chemin, const QString& texte) {
  if (avertis_.insert(chemin).second && avertissement) avertissement(texte);
}

void HistoriqueImages::wb(const Bitmap& image) {
  commencer_wb(image);
  finir_wb();
}

void HistoriqueImages::commencer_wb(Bitmap image) {
  attendre_ecriture();
  // Retrying a place that cannot hold a file would lose every later snapshot.
  int position = (indice_historique_ + 1) % kTailleAnneau;
  for (int essai = 0;; ++essai) {
    const QString fichier = fichier_instantane(position);
    const Examen examen = examiner(fichier);
    if (examen.occupant != Occupant::Autre) break;
    if (essai == kTailleAnneau - 1) refuser_ecriture(fichier, examen.cause);
    avertir_une_fois(fichier, QStringLiteral("Impossible d'écrire l'image « %1 » : %2. L'historique "
                                             "passe à la place suivante ; ce message ne sera pas "
                                             "répété.")
                                  .arg(fichier, examen.cause));
    position = (position + 1) % kTailleAnneau;
  }
  indice_avant_ecriture_ = indice_historique_;
  nom_avant_ecriture_ = nom_instantane_;
  indice_historique_ = position;
  nom_instantane_ = fichier_instantane(indice_historique_);
  legender(legende_sauvegarde, QStringLiteral("save ") + nom_instantane_);
  ecriture_ = std::async(std::launch::async,
                         [chemin = nom_instantane_, image = std::move(image),
                          ecrire = ecrire_image, fin = ecriture_terminee] {
                           // The end is said whatever happens, the error kept in the future.
                           struct Fin {
                             const std::function<void()>& f;
                             ~Fin() {
                               if (f) f();
                             }
                           } fin_dite{fin};
                           ecrire(chemin, image);
                         });
}

void HistoriqueImages::attendre_ecriture() {
  if (!ecriture_.valid()) return;
  try {
    ecriture_.get();
    ecriture_reussie_ = true;
  } catch (...) {
    // Moving on would leave a stale file of an earlier lap inside the history, painted
    // by the next step back as if it were the latest picture.
    if (ecriture_echouee) ecriture_echouee(indice_historique_);
    indice_historique_ = indice_avant_ecriture_;
    nom_instantane_ = nom_avant_ecriture_;
    if (!erreur_ecriture_) erreur_ecriture_ = std::current_exception();
  }
}

bool HistoriqueImages::finir_wb() {
  attendre_ecriture();
  if (erreur_ecriture_) std::rethrow_exception(std::exchange(erreur_ecriture_, nullptr));
  return std::exchange(ecriture_reussie_, false);
}

void HistoriqueImages::lire_bmp(const QString& chemin, Canvas& canvas) {
  const Examen examen = examiner(chemin);
  if (examen.occupant == Occupant::Rien) return;
  if (examen.occupant == Occupant::Autre) {
    // Stepped over like a missing file, so that undo goes on past it.
    avertir_une_fois(chemin, QStringLiteral("Impossible de lire l'image « %1 » : %2. Cette place "
                                            "de l'historique est sautée ; ce message ne sera pas "
                                            "répété.")
                                 .arg(chemin, examen.cause));
    return;
  }
  const Bitmap image = lire_fichier_bmp(chemin);
  if (avant_peinture) avant_peinture();
  canvas.Draw(0, 0, image);
  if (peinte) peinte(chemin, image);
  legender(legende_chargement, QStringLiteral("load ") + chemin);
}

void HistoriqueImages::affiche_fic_precedent(Canvas& canvas) {
  attendre_ecriture();
  if (indice_historique_ < 0) return;
  nom_instantane_ = fichier_instantane(indice_historique_);
  lire_bmp(nom_instantane_, canvas);
  indice_historique_ = indice_historique_ == 0 ? kTailleAnneau - 1 : indice_historique_ - 1;
}

void HistoriqueImages::affiche_fic_suivant(Canvas& canvas) {
  attendre_ecriture();
  indice_historique_ = (indice_historique_ + 1) % kTailleAnneau;
  nom_instantane_ = fichier_instantane(indice_historique_);
  lire_bmp(nom_instantane_, canvas);
}

}  // namespace orvane
