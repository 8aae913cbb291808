#include "journal/rendu_echelle.h"

#include <memory>
#include <string>
#include <utility>

#include "journal/redessin_lisse.h"
#include "platform/reduction_moyenne.h"

namespace orvane {

namespace {

// The smoothing's average, once drawn: the progress full, a stop still heard.
class VeilleMoyenne final : public Veille {
 public:
  explicit VeilleMoyenne(const ProgresRedessin& progres) : progres_(progres) {}

 protected:
  void regarder() override {
    if (!progres_(1, 1)) throw DessinInterrompu{};
  }

 private:
  const ProgresRedessin& progres_;
};

std::int64_t pixels_dessines(int largeur, int hauteur, int echelle, bool lisse) {
  const std::int64_t cote = std::int64_t{echelle} * (lisse ? kFacteurLissage : 1);
  return largeur * cote * hauteur * cote;
}

}  // namespace

Dessin dessin_du_journal(Journal journal, int fils) {
  return dessin_du_journal(std::make_shared<const Journal>(std::move(journal)), fils);
}

Dessin dessin_du_journal(std::shared_ptr<const Journal> partage, int fils) {
  Dessin dessin{partage->largeur(), partage->hauteur(),
                [partage, fils](int echelle, Bitmap& sortie, const ProgresRedessin& progres) {
                  return redessiner(*partage, echelle, sortie, progres, fils);
                }};
  if (dessinable_par_bandes(*partage)) {
    dessin.lisser = [partage, fils](int echelle, Bitmap& sortie,
                                    const ProgresRedessin& progres) {
      return redessiner_reduit(*partage, echelle * kFacteurLissage, kFacteurLissage, sortie,
                               progres, fils);
    };
  }
  return dessin;
}

int echelle_la_plus_grande(int largeur, int hauteur, bool lisse) {
  int echelle = kEchelleMax;
  while (echelle >= kEchelleMin &&
         pixels_dessines(largeur, hauteur, echelle, lisse) > kPixelsMaxRedessin)
    --echelle;
  return echelle < kEchelleMin ? 0 : echelle;
}

std::string refus_echelle(int largeur, int hauteur, int echelle, bool lisse) {
  using std::to_string;
  if (echelle < kEchelleMin || echelle > kEchelleMax)
    return "L'échelle doit être un entier de " + to_string(kEchelleMin) + " à " +
           to_string(kEchelleMax) + ".";
  if (pixels_dessines(largeur, hauteur, echelle, lisse) <= kPixelsMaxRedessin) return {};
  const std::int64_t cote = std::int64_t{echelle} * (lisse ? kFacteurLissage : 1);
  const std::string taille = to_string(largeur * cote) + " x " + to_string(hauteur * cote);
  const std::string dessin =
      lisse ? "Lissée à l'échelle " + to_string(echelle) + ", l'image se dessinerait sur " +
                  taille + " pixels, plus d'un milliard"
            : "À l'échelle " + to_string(echelle) + ", l'image aurait " + taille +
                  " pixels, plus d'un milliard";
  const int permise = echelle_la_plus_grande(largeur, hauteur, lisse);
  if (permise == 0) return dessin + " : même l'échelle 1 est trop grande.";
  return dessin + " : la plus grande échelle possible" + (lisse ? " lissée" : "") + " est " +
         to_string(permise) + ".";
}

std::optional<Bitmap> rendre(const Dessin& dessin, int echelle, bool lisse,
                             const ProgresRedessin& progres) {
  Bitmap image;
  if (lisse && dessin.lisser) {
    if (!dessin.lisser(echelle, image, progres)) return std::nullopt;
    return image;
  }
  if (!dessin.dessiner(lisse ? echelle * kFacteurLissage : echelle, image, progres))
    return std::nullopt;
  if (!lisse) return image;
  VeilleMoyenne veille(progres);
  try {
    return reduire_par_moyenne(image, kFacteurLissage, progres ? &veille : nullptr);
  } catch (const DessinInterrompu&) {
    return std::nullopt;
  }
}

}  // namespace orvane
