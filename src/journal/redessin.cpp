#include "journal/redessin.h"

#include <algorithm>
#include <span>
#include <thread>
#include <type_traits>
#include <utility>

#include "drawing/trace_symetrique.h"
#include "journal/journal.h"
#include "journal/mise_a_l_echelle.h"
#include "journal/redessin_en_bandes.h"
#include "journal/remplissage_echelle.h"
#include "journal/temoin_echelle_un.h"

namespace orvane {

Redessin::Redessin(int echelle) : echelle_(echelle) {
  construire_tables_quart(sinus_, cosinus_);
  if (echelle_ > 1) temoin_ = std::make_unique<TemoinEchelleUn>();
}

Redessin::Redessin(int echelle, Bitmap& image, int bande, int bandes)
    : echelle_(echelle), partage_(&image), bande_(bande), bandes_(bandes) {
  construire_tables_quart(sinus_, cosinus_);
}

void Redessin::reprendre_etat(const Redessin& autre) {
  generateur_ = autre.generateur_;
  lignee_ = autre.lignee_;
  pas_lignee_ = autre.pas_lignee_;
  largeur_ = autre.largeur_;
  hauteur_ = autre.hauteur_;
  toile_.pen = autre.toile_.pen;
  toile_.brush = autre.toile_.brush;
  toile_.MoveTo(autre.toile_.position().x, autre.toile_.position().y);
}

void Redessin::surveiller(Veille* veille) {
  veille_ = veille;
  toile_.veille = veille;
  if (temoin_) temoin_->surveiller(veille);
}

Redessin::~Redessin() = default;

void Redessin::positionner(const TirageTrait& tirage) {
  const std::uint64_t cible = tirage.pas_lignee();
  if (tirage.origine->lignee != lignee_ || cible < pas_lignee_) {
    generateur_ = Aleatoire(tirage.origine->etat);
    generateur_.avancer(tirage.pas);
  } else {
    generateur_.avancer(cible - pas_lignee_);
  }
  lignee_ = tirage.origine->lignee;
  pas_lignee_ = cible;
}

void Redessin::tracer(const EntreeTrait& entree) {
  if (echelle_ > 1 && sans_effet(entree)) return;
  const EntreeTrait e = a_l_echelle(entree, echelle_);
  if (e.tirage) positionner(e.tirage);
  toile_.pen.mode = e.mode;
  toile_.pen.color = e.couleur;
  toile_.pen.width = e.largeur;
  EtatTrace etat;
  etat.centre_x = e.centre.x;
  etat.centre_y = e.centre.y;
  etat.couleur_crayon = e.couleur_crayon;
  etat.couleur_peinture = e.couleur_peinture;
  const std::uint64_t avant = generateur_.pas();
  trace_copies(toile_, e.reglages, generateur_, etat, e.a, e.b, e.couleur);
  pas_lignee_ += generateur_.pas() - avant;
}

void Redessin::appliquer(const Entree& entree) {
  if (temoin_) {
    if (est_remplissage(entree)) {
      toile_.markDirty(temoin_->remplir(std::get<EntreeTrait>(entree), toile_.bitmap(), echelle_));
      return;
    }
    temoin_->suivre(entree);
  }
  if (partage_ != nullptr && echelle_ > 1 && est_remplissage(entree)) return;
  std::visit(
      [&](const auto& e) {
        using T = std::decay_t<decltype(e)>;
        if constexpr (std::is_same_v<T, EntreeToile>) {
          largeur_ = e.largeur;
          hauteur_ = e.hauteur;
          if (partage_ != nullptr) {
            const std::int64_t h = partage_->height();
            toile_ = Canvas(*partage_, static_cast<int>(h * bande_ / bandes_),
                            static_cast<int>(h * (bande_ + 1) / bandes_), veille_);
            return;
          }
          toile_ = Canvas(bord_a_l_echelle(e.largeur, echelle_),
                          bord_a_l_echelle(e.hauteur, echelle_), e.couleur & 0xFFFFFFu,
                          veille_);
        } else if constexpr (std::is_same_v<T, EntreeTrait>) {
          tracer(e);
        } else if constexpr (std::is_same_v<T, EntreeEllipse>) {
          const EntreeEllipse s = a_l_echelle(e, echelle_);
          toile_.pen.mode = s.mode;
          toile_.pen.color = s.couleur_crayon;
          toile_.pen.width = s.largeur;
          toile_.brush.color = s.couleur_pinceau;
          toile_.brush.style = s.style_pinceau;
          toile_.Ellipse(s.gauche, s.haut, s.droite, s.bas);
        } else if constexpr (std::is_same_v<T, EntreeLigne>) {
          if (echelle_ > 1 && e.a == e.b && e.largeur <= 1) return;
          const EntreeLigne s = a_l_echelle(e, echelle_);
          trace_ligne(toile_, s.a, s.b, s.mode, s.couleur, s.largeur);
        } else if constexpr (std::is_same_v<T, EntreeArc>) {
          // Dots of a one-pixel pen leave nothing.
          if (echelle_ > 1 && e.mode == R2_XORPEN && e.largeur <= 1) return;
          const EntreeArc s = a_l_echelle(e, echelle_);
          trace_arc_ellipse(toile_, sinus_, cosinus_, s.a, s.b, s.c, s.mode, s.couleur,
                            s.largeur, s.ombre);
        } else if constexpr (std::is_same_v<T, EntreeImage>) {
          if (echelle_ == 1) {
            toile_.Draw(0, 0, *e.image);
          } else {
            peindre_a_l_echelle(toile_, *e.image, echelle_, largeur_, hauteur_, veille_);
          }
        }
      },
      entree);
}

int fils_par_defaut() {
  return static_cast<int>(
      std::clamp<unsigned>(std::thread::hardware_concurrency(), kFilsMin, kFilsMax));
}

std::span<const Entree> entrees_a_dessiner(const Journal& journal) {
  const std::vector<Entree>& entrees = journal.entrees();
  std::size_t debut = entrees.size();
  while (debut > 0 && !std::holds_alternative<EntreeToile>(entrees[debut - 1])) --debut;
  if (debut > 0) --debut;
  return {entrees.begin() + static_cast<std::ptrdiff_t>(debut), entrees.end()};
}

bool redessiner(const Journal& journal, int echelle, Bitmap& sortie,
                const ProgresRedessin& progres, int fils) {
  const std::span<const Entree> a_dessiner = entrees_a_dessiner(journal);
  RedessinEnBandes redessin(echelle, fils);
  // Without anyone to tell, the drawing runs unwatched.
  if (progres) redessin.surveiller(progres, a_dessiner);
  try {
    redessin.appliquer(a_dessiner, true);
    redessin.finir();
  } catch (const DessinInterrompu&) {
    return false;
  }
  sortie = std::move(redessin.image());
  return true;
}

}  // namespace orvane
