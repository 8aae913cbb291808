#include "persistence/historique_images.h"

#include <utility>

#include "persistence/causes_fichier.h"
#include "persistence/ecriture_image.h"
#include "persistence/fichier_bmp.h"
#include "persistence/signature_fichier.h"

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
  // A write that failed moves the ring back first, so that this snapshot takes its place.
  prendre_issues();
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
  avant_[static_cast<std::size_t>(position)] = {indice_historique_, nom_instantane_};
  indice_historique_ = position;
  nom_instantane_ = fichier_instantane(indice_historique_);
  legender(legende_sauvegarde, QStringLiteral("save ") + nom_instantane_);
  memoire_->ecrire(position, nom_instantane_, std::make_shared<const Bitmap>(std::move(image)),
                   ecrire_image, ecriture_terminee);
}

void HistoriqueImages::prendre_issues() {
  const AnneauEnMemoire::Bilan bilan = memoire_->recueillir();
  if (bilan.reussite) ecriture_reussie_ = true;
  if (!bilan.erreur) return;
  std::set<int> echouees(bilan.abandonnees.begin(), bilan.abandonnees.end());
  echouees.insert(bilan.place_echouee);
  for (const int place : echouees)
    if (ecriture_echouee) ecriture_echouee(place);
  // Staying would leave a stale file of an earlier lap inside the history, painted by the
  // next step back as if it were the latest picture.
  if (echouees.contains(indice_historique_)) {
    const Avant& avant = avant_[static_cast<std::size_t>(bilan.place_echouee)];
    indice_historique_ = avant.indice;
    nom_instantane_ = avant.nom;
  }
  if (!erreur_ecriture_) erreur_ecriture_ = bilan.erreur;
}

bool HistoriqueImages::rendre_bilan() {
  if (erreur_ecriture_) std::rethrow_exception(std::exchange(erreur_ecriture_, nullptr));
  return std::exchange(ecriture_reussie_, false);
}

bool HistoriqueImages::finir_wb() {
  memoire_->attendre();
  prendre_issues();
  return rendre_bilan();
}

bool HistoriqueImages::bilan_ecritures() {
  prendre_issues();
  return rendre_bilan();
}

std::shared_ptr<const Bitmap> HistoriqueImages::image_du_fichier(const QString& chemin) {
  const Examen examen = examiner(chemin);
  if (examen.occupant == Occupant::Rien) return nullptr;
  if (examen.occupant == Occupant::Autre) {
    // Stepped over like a missing file, so that undo goes on past it.
    avertir_une_fois(chemin, QStringLiteral("Impossible de lire l'image « %1 » : %2. Cette place "
                                            "de l'historique est sautée ; ce message ne sera pas "
                                            "répété.")
                                 .arg(chemin, examen.cause));
    return nullptr;
  }
  return std::make_shared<const Bitmap>(lire_image(chemin));
}

void HistoriqueImages::peindre(const QString& chemin, std::shared_ptr<const Bitmap> image,
                               Canvas& canvas) {
  if (!image) return;
  if (avant_peinture) avant_peinture();
  canvas.Draw(0, 0, *image);
  if (peinte) peinte(chemin, std::move(image));
  legender(legende_chargement, QStringLiteral("load ") + chemin);
}

void HistoriqueImages::lire_bmp(const QString& chemin, Canvas& canvas) {
  peindre(chemin, image_du_fichier(chemin), canvas);
}

std::shared_ptr<const Bitmap> HistoriqueImages::image_de_place(int place) {
  const QString chemin = fichier_instantane(place);
  if (auto image = memoire_->image(place, chemin)) return image;
  const std::optional<SignatureFichier> avant = signature_fichier(chemin);
  auto image = image_du_fichier(chemin);
  // Kept only if nobody changed the file while it was read.
  if (image && avant && avant == signature_fichier(chemin)) memoire_->retenir(place, image, *avant);
  return image;
}

void HistoriqueImages::affiche_fic_precedent(Canvas& canvas) {
  prendre_issues();
  if (indice_historique_ < 0) return;
  nom_instantane_ = fichier_instantane(indice_historique_);
  peindre(nom_instantane_, image_de_place(indice_historique_), canvas);
  indice_historique_ = indice_historique_ == 0 ? kTailleAnneau - 1 : indice_historique_ - 1;
}

void HistoriqueImages::affiche_fic_suivant(Canvas& canvas) {
  prendre_issues();
  indice_historique_ = (indice_historique_ + 1) % kTailleAnneau;
  nom_instantane_ = fichier_instantane(indice_historique_);
  peindre(nom_instantane_, image_de_place(indice_historique_), canvas);
}

}  // namespace orvane
