#include "drawing/trace_segment.h"

#include <cstdint>
#include <vector>

#include "drawing/arrondi.h"
#include "drawing/segment_entier.h"

namespace orvane {

namespace {

void remplissage_copie(Canvas& canvas, const ReglagesTrace& reglages, const EtatTrace& etat,
                       const Copie& copie, Colour couleur_segment) {
  canvas.brush.style = BrushStyle::Solid;
  canvas.pen.color = etat.couleur_peinture;
  canvas.brush.color = canvas.pen.color;
  std::int64_t px = 0, py = 0;
  const int k = std::max(1, reglages.echelle_grille);
  const double milieu = reglages.origine_grille;
  if (!arrondi_64((copie.x2 - milieu) / k, px) || !arrondi_64((copie.y2 - milieu) / k, py)) {
    return;  // far outside the picture: there is nothing to fill
  }
  px = px * k + static_cast<std::int64_t>(milieu);
  py = py * k + static_cast<std::int64_t>(milieu);
  if (!tient_sur_32_bits(px) || !tient_sur_32_bits(py)) return;
  const int x = static_cast<int>(px), y = static_cast<int>(py);
  if (reglages.peindre_dessiner == 2) {
    canvas.FloodFill(x, y, etat.couleur_crayon, FloodFillType::Border);
    return;
  }
  const Colour c = canvas.Pixels(x, y);
  if (c != couleur_segment) canvas.FloodFill(x, y, c, FloodFillType::Surface);
}

Colour assombri(Aleatoire& aleatoire, EtatTrace& etat) {
  etat.rouge_crayon = rouge(etat.couleur_crayon);
  etat.vert_crayon = vert(etat.couleur_crayon);
  etat.bleu_crayon = bleu(etat.couleur_crayon);
  constexpr int k = 10;
  const int m = aleatoire.Random(k / 4) + (k / 4) * 3;
  return RGB(etat.rouge_crayon * m / 10, etat.vert_crayon * m / 10, etat.bleu_crayon * m / 10);
}

}  // namespace

Colour couleur_copie(const ReglagesTrace& reglages, Aleatoire& aleatoire, EtatTrace& etat,
                     Colour& couleur_segment) {
  if (reglages.peindre_dessiner == 0 && reglages.type_trace == 0 &&
      reglages.epaisseur_aleatoire) {
    couleur_segment = assombri(aleatoire, etat);
  }
  return couleur_segment;
}

void peindre_copie(Canvas& canvas, const ReglagesTrace& reglages, const EtatTrace& etat,
                   const Copie& copie, Colour couleur, OmbresCumulees* cumul) {
  const bool ombre = reglages.ombre_1 || reglages.ombre_2;
  const bool remplissage = reglages.peindre_dessiner == 1 || reglages.peindre_dessiner == 2;
  // Whatever is painted otherwise comes after the shadows held back.
  if (cumul != nullptr && (remplissage || !ombre)) appliquer_ombres(canvas, *cumul);
  if (remplissage) {
    remplissage_copie(canvas, reglages, etat, copie, couleur);
    return;
  }
  // A single copy takes the segment colour; clones without a shadow keep the pen colour
  // the renderer set.
  if (!ombre && reglages.nombre_clones <= 1) canvas.pen.color = couleur;
  const std::vector<std::int64_t> decalages = decalages_clones(reglages);
  if (ombre) {
    ombres(canvas, reglages, copie, decalages, couleur, cumul);
  } else {
    lignes(canvas, copie, decalages);
  }
  if (const auto fin = position_apres_copie(reglages, copie)) canvas.MoveTo(fin->x, fin->y);
}

void regler_comme_apres_copie(Canvas& canvas, const ReglagesTrace& reglages,
                              const EtatTrace& etat, Colour couleur) {
  if (reglages.peindre_dessiner == 1 || reglages.peindre_dessiner == 2) {
    canvas.brush.style = BrushStyle::Solid;
    canvas.pen.color = etat.couleur_peinture;
    canvas.brush.color = canvas.pen.color;
    return;
  }
  if (reglages.ombre_1 || reglages.ombre_2) {
    if (reglages.largeur_ombre < 1) return;
    canvas.pen.width = reglages.epaisseur_ombre;
    canvas.pen.color =
        teinte_ombre(reglages, couleur, reglages.largeur_ombre - 1, reglages.largeur_ombre);
    return;
  }
  if (reglages.nombre_clones <= 1) canvas.pen.color = couleur;
}

void trace_segment(Canvas& canvas, const ReglagesTrace& reglages, Aleatoire& aleatoire,
                   EtatTrace& etat, const Copie& copie, Colour& couleur_segment) {
  peindre_copie(canvas, reglages, etat, copie,
                couleur_copie(reglages, aleatoire, etat, couleur_segment));
}

}  // namespace orvane
