#include "journal/journal_courant.h"

#include <utility>

#include "journal/mise_a_l_echelle.h"

namespace orvane {

void JournalCourant::couper(std::size_t n) {
  if (n >= tout_.taille()) return;
  tout_.tronquer(n);
  ++coupures_;
  for (Place& p : places_) {
    if (p.longueur > n) p.connue = false;
  }
}

void JournalCourant::ajouter(Entree entree) {
  couper(longueur_);
  // A figure drawn again at once, as a rubber band is erased, takes back the first drawing;
  // unless a snapshot holds the picture with it.
  if (longueur_ > 0 && involutive(entree) && tout_.entrees().back() == entree) {
    bool gardee = false;
    for (const Place& p : places_) gardee = gardee || (p.connue && p.longueur == longueur_);
    if (!gardee) {
      couper(--longueur_);
      return;
    }
  }
  tout_.ajouter(std::move(entree));
  longueur_ = tout_.taille();
}

TirageTrait JournalCourant::tirage(const Aleatoire& aleatoire) {
  const bool meme_lignee = origine_ && generateur_ == &aleatoire &&
                           semis_origine_ == aleatoire.semis() &&
                           aleatoire.pas() >= pas_origine_;
  if (!meme_lignee || aleatoire.pas() - pas_origine_ > kPasEntreOrigines) {
    auto origine = std::make_shared<OrigineTirage>();
    origine->etat = aleatoire.moteur();
    origine->lignee = meme_lignee ? origine_->lignee : nouvelle_lignee();
    origine->pas = meme_lignee ? origine_->pas + (aleatoire.pas() - pas_origine_) : 0;
    origine_ = std::move(origine);
    semis_origine_ = aleatoire.semis();
    pas_origine_ = aleatoire.pas();
    generateur_ = &aleatoire;
  }
  return {origine_, aleatoire.pas() - pas_origine_};
}

void JournalCourant::instantane(int place, int largeur, int hauteur) {
  if (place < 0 || place >= kPlaces) return;
  places_[static_cast<std::size_t>(place)] = {true, longueur_, largeur, hauteur};
}

void JournalCourant::oublier(int place) {
  if (place < 0 || place >= kPlaces) return;
  places_[static_cast<std::size_t>(place)].connue = false;
}

void JournalCourant::image_peinte(int place, std::shared_ptr<const Bitmap> image, int largeur,
                                  int hauteur) {
  // Only what reaches the canvas is kept.
  if (image->width() > largeur || image->height() > hauteur)
    image = std::make_shared<const Bitmap>(a_l_echelle(*image, 1, largeur, hauteur));
  const bool couvre = image->width() >= largeur && image->height() >= hauteur;
  const bool a_sa_place = place >= 0 && place < kPlaces;
  if (a_sa_place && couvre) {
    const Place& p = places_[static_cast<std::size_t>(place)];
    if (p.connue && p.largeur == largeur && p.hauteur == hauteur &&
        image->width() == largeur && image->height() == hauteur) {
      longueur_ = p.longueur;
      ++coupures_;
      return;
    }
  }
  ajouter(EntreeImage{std::move(image)});
  if (a_sa_place && couvre) instantane(place, largeur, hauteur);
}

void JournalCourant::remplacer(const Journal& journal) {
  couper(0);
  for (const Entree& e : journal.entrees()) tout_.ajouter(e);
  longueur_ = tout_.taille();
  ++coupures_;
}

}  // namespace orvane
