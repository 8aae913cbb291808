#include "drawing/trace_symetrique.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

#include "drawing/clones_ombres.h"
#include "drawing/copies_symetriques.h"
#include "drawing/arrondi.h"
#include "drawing/doublons_copies.h"
#include "drawing/repetitions_copies.h"
#include "drawing/trace_segment.h"

namespace orvane {

namespace {

// The width drawn from 0 .. w + current - 1, so that it wanders around w - 1 from call to
// call; the sum is taken in 64 bits, as widths typed into the palette have no upper limit.
int largeur_au_hasard(Aleatoire& aleatoire, int w, int actuelle) {
  const std::int64_t etendue = static_cast<std::int64_t>(w) + actuelle;
  return aleatoire.Random(static_cast<int>(
      std::clamp<std::int64_t>(etendue, 0, std::numeric_limits<int>::max())));
}

// The copy's end points where scale 1 rounds them, in a re-drawing at scale K.
Copie sur_la_grille(const ReglagesTrace& reglages, const Copie& c) {
  const int k = reglages.echelle_grille;
  if (k <= 1) return c;
  const double o = reglages.origine_grille;
  const auto place = [&](double v) {
    std::int64_t p = 0;
    return arrondi_64((v - o) / k, p) ? static_cast<double>(p) * k + o : v;
  };
  return {place(c.x1), place(c.y1), place(c.x2), place(c.y2)};
}

}  // namespace

int epaisseur_du_trait(Aleatoire& aleatoire, bool epaisseur_aleatoire, int w, int actuelle) {
  return epaisseur_aleatoire ? largeur_au_hasard(aleatoire, w, actuelle) : w;
}

void trace_copies(Canvas& canvas, const ReglagesTrace& reglages, Aleatoire& aleatoire,
                  EtatTrace& etat, Point a, Point b, Colour couleur) {
  // The colours are drawn for every copy in order, so the generator moves as it always
  // does; only the painting of copies that change nothing is spared.
  const bool remplissage = reglages.peindre_dessiner == 1 || reglages.peindre_dessiner == 2;
  const Repetition regle =
      remplissage ? Repetition::UneFois : repetition_du_mode(canvas.pen.mode);
  OmbresCumulees cumul;
  const auto peindre = [&](const CopiePeinte& p) {
    peindre_copie(canvas, reglages, etat, p.copie, p.couleur, &cumul);
  };
  // Whole repeated turns first, cheaply, as the copies stream by. Fills look at the
  // picture as they go: nothing more is spared. Lines in the modes whose result depends on
  // the order of the paints: runs of one copy. Other lines: any copy equal to another.
  const std::int64_t periode = periode_copies(reglages);
  DoublonsCopies egales(regle, peindre);
  RepetitionsCopies suites(1, regle, peindre);
  RepetitionsCopies tours(periode, regle, [&](const CopiePeinte& p) {
    if (remplissage) {
      peindre(p);
    } else if (regle == Repetition::UneOuDeuxFois) {
      suites.recevoir(p);
    } else {
      egales.recevoir(p);
    }
  });
  const bool cles = !remplissage || periode > 0;
  // Clones without a shadow are drawn with the pen as the call set it, whatever shade the
  // copy takes: copies in different shades on the same pixels paint the same.
  const bool teinte_du_crayon = !remplissage && !reglages.ombre_1 && !reglages.ombre_2 &&
                                reglages.nombre_clones > 1;
  bool une_copie = false;
  Colour derniere = couleur;
  Colour couleur_segment = couleur;
  // Where the last line drawn one by one would end: spared copies draw none.
  std::optional<Point> position;
  copies_symetriques(reglages, {etat.centre_x, etat.centre_y}, a, b, [&](const Copie& sur) {
    const Copie c = sur_la_grille(reglages, sur);
    derniere = couleur_copie(reglages, aleatoire, etat, couleur_segment);
    une_copie = true;
    if (!remplissage) {
      if (const auto fin = position_apres_copie(reglages, c)) position = fin;
    }
    const Colour peinte = teinte_du_crayon ? canvas.pen.color : derniere;
    // Without anything to compare the key is not worth working out.
    tours.recevoir(cles ? copie_peinte(c, peinte, reglages) : CopiePeinte{c, peinte});
    if (canvas.veille != nullptr) canvas.veille->partie_faite();
  });
  tours.finir();
  egales.finir();
  suites.finir();
  appliquer_ombres(canvas, cumul);
  // The pen and position as the last copy leaves them, painted or spared.
  if (une_copie) regler_comme_apres_copie(canvas, reglages, etat, derniere);
  if (position) canvas.MoveTo(position->x, position->y);
}

void trace_symetrique(Canvas& canvas, const ReglagesTrace& reglages, Aleatoire& aleatoire,
                      EtatTrace& etat, Point a, Point b, int mode, Colour couleur) {
  canvas.pen.mode = mode;
  canvas.pen.color = couleur;
  canvas.pen.width = epaisseur_du_trait(aleatoire, reglages.epaisseur_aleatoire,
                                        reglages.epaisseur, canvas.pen.width);
  trace_copies(canvas, reglages, aleatoire, etat, a, b, couleur);
}

bool trace_met_sablier(const ReglagesTrace& reglages) {
  const bool polaire = reglages.symetrie == 0 || reglages.symetrie == 1;
  return polaire && reglages.spirale && reglages.peindre_dessiner != 0;
}

}  // namespace orvane
