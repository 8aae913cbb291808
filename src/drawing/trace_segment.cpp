#include "drawing/trace_segment.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "drawing/arrondi.h"
#include "drawing/ombre_visible.h"
#include "drawing/segment_entier.h"

namespace orvane {

namespace {

// Draws the segment shifted by i right and down; a line that would not fit the 32-bit
// coordinates of the canvas is skipped.
void ligne(Canvas& canvas, const SegmentEntier& s, std::int64_t i = 0) {
  const std::int64_t x1 = s.x1 + i, y1 = s.y1 + i, x2 = s.x2 + i, y2 = s.y2 + i;
  if (!tient_sur_32_bits(x1) || !tient_sur_32_bits(y1) || !tient_sur_32_bits(x2) ||
      !tient_sur_32_bits(y2)) {
    return;
  }
  canvas.MoveTo(static_cast<int>(x1), static_cast<int>(y1));
  canvas.LineTo(static_cast<int>(x2), static_cast<int>(y2));
}

void remplissage(Canvas& canvas, const ReglagesTrace& reglages, const EtatTrace& etat,
                 const Copie& copie, Colour couleur_segment) {
  canvas.brush.style = BrushStyle::Solid;
  canvas.pen.color = etat.couleur_peinture;
  canvas.brush.color = canvas.pen.color;
  std::int64_t px = 0, py = 0;
  const int k = std::max(1, reglages.echelle_remplissage);
  const double milieu = (k - 1) / 2;
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

Colour teinte_ombre(const ReglagesTrace& reglages, Colour couleur, int i, int largeur) {
  double b = 1 - static_cast<double>(i) / largeur;
  if (reglages.ombre_1) b = b * b;
  if (reglages.ombre_2) b = std::fabs(std::sin(3.14 * b));
  const auto composante = [b](int v) { return static_cast<int>(arrondi(v * b)); };
  return RGB(composante(rouge(couleur)), composante(vert(couleur)), composante(bleu(couleur)));
}

// The graded shadow: lines of the shadow's pen width, each one step (a pixel) further right
// and down. Only the lines that can touch the canvas are drawn, so a wide shadow costs at
// most the canvas size; the pen is left as the last line would leave it.
void ombre(Canvas& canvas, const ReglagesTrace& reglages, const Copie& copie, double d,
           Colour couleur) {
  const int largeur = reglages.largeur_ombre;
  if (largeur < 1) return;
  const int epaisseur = reglages.epaisseur_ombre;
  canvas.pen.width = epaisseur;
  const Colour derniere = teinte_ombre(reglages, couleur, largeur - 1, largeur);
  SegmentEntier s{};
  if (!arrondi_copie(copie, d, s)) {
    canvas.pen.color = derniere;
    return;
  }
  const std::int64_t pas = std::max(1, reglages.pas_ombre);
  const std::int64_t etendue = std::min<std::int64_t>(largeur * pas, INT32_MAX);
  const LignesVisibles visibles = lignes_ombre_visibles(s, static_cast<int>(etendue), epaisseur,
                                                        canvas.width(), canvas.height());
  const std::int64_t debut = (visibles.debut + pas - 1) / pas;
  const std::int64_t fin = std::min<std::int64_t>(largeur, (visibles.fin + pas - 1) / pas);
  for (std::int64_t i = debut; i < fin; ++i) {
    canvas.pen.color = teinte_ombre(reglages, couleur, static_cast<int>(i), largeur);
    ligne(canvas, s, i * pas);
  }
  canvas.pen.color = derniere;
}

void ligne_ou_ombre(Canvas& canvas, const ReglagesTrace& reglages, const Copie& copie,
                    double d, Colour couleur) {
  if (reglages.ombre_1 || reglages.ombre_2) {
    ombre(canvas, reglages, copie, d, couleur);
    return;
  }
  SegmentEntier s{};
  if (arrondi_copie(copie, d, s)) ligne(canvas, s);
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
                   const Copie& copie, Colour couleur) {
  if (reglages.peindre_dessiner == 1 || reglages.peindre_dessiner == 2) {
    remplissage(canvas, reglages, etat, copie, couleur);
    return;
  }
  // A count below 1 would divide by zero in the spacing: it draws as a single copy.
  const int n = reglages.nombre_clones;
  if (n <= 1) {
    if (!reglages.ombre_1 && !reglages.ombre_2) canvas.pen.color = couleur;
    ligne_ou_ombre(canvas, reglages, copie, 0, couleur);
    return;
  }
  const std::int64_t espacement = espacement_clones(reglages);
  // With no spacing the 2h + 1 clones, an odd number, fall on one place; a mix mode
  // repeated an odd number of times over the same pixels acts as once.
  const std::int64_t h0 = (static_cast<std::int64_t>(n) + 1) / 2;
  const std::int64_t h = espacement == 0 ? 0 : n % 2 == 1 ? h0 - 1 : h0;
  // Clones without a shadow keep the pen colour the renderer set.
  for (std::int64_t j = -h; j <= h; ++j) {
    ligne_ou_ombre(canvas, reglages, copie, static_cast<double>(j * espacement), couleur);
  }
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

std::int64_t espacement_clones(const ReglagesTrace& reglages) {
  const std::int64_t h0 = (static_cast<std::int64_t>(reglages.nombre_clones) + 1) / 2;
  return h0 < 1 ? 0 : reglages.largeur_ecran / (2 * h0);
}

void trace_segment(Canvas& canvas, const ReglagesTrace& reglages, Aleatoire& aleatoire,
                   EtatTrace& etat, const Copie& copie, Colour& couleur_segment) {
  peindre_copie(canvas, reglages, etat, copie,
                couleur_copie(reglages, aleatoire, etat, couleur_segment));
}

}  // namespace orvane
