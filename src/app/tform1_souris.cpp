// Mouse strokes on the canvas.
#include <exception>

#include "app/tform1.h"

namespace orvane {

namespace {
constexpr int kTypeCrayon = 0;
constexpr int kTypeLignes = 1;
constexpr int kTypeEventail = 2;
constexpr int kTypePoints = 3;
constexpr int kTypeLosanges = 4;
constexpr int kTypeElliptique = 5;

bool outil_ligne(int t) { return t == kTypeLignes || t == kTypeLosanges; }
}  // namespace

void TForm1::FormMouseDown(Qt::MouseButton bouton, Qt::KeyboardModifiers shift, int x, int y) {
  const int t = RadioGroup_type_trace->ItemIndex();
  if (choix_centre) {
    centre_x = x;
    centre_y = y;
    return;
  }
  if (t == kTypeElliptique) {
    _FormMouseDown_ellipse(bouton, shift, x, y);
    return;
  }
  if (t != kTypeLignes && bouton == Qt::RightButton) return;
  trait_en_cours = true;
  point_precedent = {x, y};
  if (outil_ligne(t)) {
    if (bouton != Qt::LeftButton) {
      ligne_ancree = false;
      efface_elastique_ligne();
      point_courant = {x, y};
      point_precedent = point_courant;
    } else if (!ligne_ancree) {
      ligne_ancree = true;
      point_courant = point_precedent;
      // The anchor is kept even if no move comes before the second click.
      elastique_debut = point_precedent;
      elastique_fin = point_precedent;
      elastique_affiche = false;
      canvas().pen.width = nombre_dans(Edit3);
    } else {
      elastique_affiche = false;
      trace_symetrique(elastique_debut, point_precedent, R2_COPYPEN, couleur_crayon);
      ligne_ancree = false;
    }
    return;
  }
  point_courant = point_precedent;
  if (RadioGroup_peindre_dessiner->ItemIndex() != 0) {
    trace_symetrique(point_courant, point_courant, mode_crayon, couleur_crayon);
  }
}

// Only a band still on screen is erased: XOR-drawing one that is not there would leave it
// behind.
void TForm1::efface_elastique_ligne() {
  if (!elastique_affiche) return;
  elastique_affiche = false;
  trace_symetrique(elastique_debut, elastique_fin, R2_XORPEN, couleur_elastique);
}

void TForm1::FormMouseMove(Qt::KeyboardModifiers shift, int x, int y) {
  const int t = RadioGroup_type_trace->ItemIndex();
  if (t == kTypeElliptique) {
    _FormMouseMove_ellipse(shift, x, y);
    return;
  }
  souris_x = x;
  souris_y = y;
  if (choix_centre || RadioGroup_peindre_dessiner->ItemIndex() != 0) return;
  if (outil_ligne(t) && ligne_ancree) {
    // The band is erased in the colour it was drawn in: a release in between (a drag that
    // set the anchor) may have drawn a new random pencil colour.
    if (elastique_affiche) {
      trace_symetrique(point_precedent, point_courant, R2_XORPEN, couleur_elastique);
    }
    elastique_affiche = false;
    point_courant = {x, y};
    couleur_elastique = couleur_crayon;
    trace_symetrique(point_precedent, point_courant, R2_XORPEN, couleur_elastique);
    elastique_affiche = true;
    elastique_debut = point_precedent;
    elastique_fin = point_courant;
    return;
  }
  if (!trait_en_cours) return;
  point_courant = {x, y};
  if (t == kTypeCrayon) {
    trace_symetrique(point_precedent, point_courant, mode_crayon, couleur_crayon);
    point_precedent = point_courant;
  } else if (t == kTypeEventail) {
    trace_symetrique(point_precedent, point_courant, mode_crayon, couleur_crayon);
  } else if (t == kTypePoints) {
    Canvas& c = canvas();
    c.pen.mode = mode_crayon;
    const int x = point_courant.x, y = point_courant.y;
    c.Ellipse(x - 2, y - 2, x + 2, y + 2);
    journal.ajouter(
        EntreeEllipse{x - 2, y - 2, x + 2, y + 2, c.pen.mode, c.pen.color, c.pen.width,
                      c.brush.color, c.brush.style});
  }
}

void TForm1::termine_choix_centre() {
  choix_centre = false;
  avant_ctrl_.reset();
  systeme_.curseur_ecran(crArrow);
  Label1->setCaption(QString());
}

void TForm1::FormMouseUp(Qt::MouseButton bouton, Qt::KeyboardModifiers shift, int x, int y) {
  const int t = RadioGroup_type_trace->ItemIndex();
  if (t == kTypeElliptique) {
    // The press of a centre choice never reached the tool: its release ends the choice,
    // or every later press would move the centre again.
    if (choix_centre) termine_choix_centre();
    _FormMouseUp_ellipse(bouton, shift, x, y);
    return;
  }
  // A snapshot that cannot be written is reported once the release has done the rest of
  // its work: the stroke must not stay "in progress" behind the error box.
  std::exception_ptr erreur_instantane;
  try {
    wb();
  } catch (...) {
    erreur_instantane = std::current_exception();
  }
  trait_en_cours = false;
  termine_choix_centre();
  if (bouton == Qt::RightButton && !outil_ligne(t)) commande_touche(0x20);
  const int peindre = RadioGroup_peindre_dessiner->ItemIndex();
  if (peindre == 0 && RadioGroup_couleur_crayon->ItemIndex() == 0) {
    couleur_crayon_precedente = couleur_crayon;
    couleur_crayon = coul_aleatoire();
    Panel_crayon->setColor(couleur_crayon);
    Panel9->setColor(Panel_crayon->Color());
  }
  if (peindre != 0 && RadioGroup_couleur_peinture->ItemIndex() == 0) {
    couleur_peinture_precedente = couleur_peinture;
    couleur_peinture = coul_aleatoire();
    Panel_peinture->setColor(couleur_peinture);
  }
  if (bouton == Qt::LeftButton && Panel1->Visible() && Panel1->y() == haut_palette) {
    masquage_arme = true;
    masquage_en_cours = false;
  }
  if (erreur_instantane) std::rethrow_exception(erreur_instantane);
}

}  // namespace orvane
