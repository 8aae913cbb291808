// The elliptic tool's mouse handlers: they read the palette and hand over to the tool.
#include <exception>

#include "app/tform1.h"

namespace orvane {

void TForm1::_FormMouseDown_ellipse(Qt::MouseButton bouton, Qt::KeyboardModifiers, int x,
                                    int y) {
  if (bouton != Qt::LeftButton) return;
  // Everything the press needs is read before anything changes: an edit that does not
  // convert ends the press with the curve as it was.
  ReglagesEllipse reglages;
  reglages.couleur_crayon = couleur_crayon;
  reglages.epaisseur = nombre_dans(Edit3);
  reglages.ombre.ombre_1 = CheckBox_ombre_1->Checked();
  reglages.ombre.ombre_2 = CheckBox_ombre_2->Checked();
  if (reglages.ombre.active() && outil_ellipse.appui_trace_un_arc()) {
    reglages.ombre.largeur = nombre_dans(Edit7);
  }
  // The picture before the curve; one that cannot be written is reported once the point
  // is placed.
  std::exception_ptr erreur_instantane;
  if (outil_ellipse.nb_points_ellipse == 0) {
    try {
      wb();
    } catch (...) {
      erreur_instantane = std::current_exception();
    }
  }
  outil_ellipse.appui(canvas(), reglages, {x, y});
  if (erreur_instantane) std::rethrow_exception(erreur_instantane);
}

void TForm1::_FormMouseMove_ellipse(Qt::KeyboardModifiers, int x, int y) {
  if (outil_ellipse.nb_points_ellipse <= 0) return;
  outil_ellipse.mouvement(canvas(), couleur_crayon, {x, y});
  souris_x = x;
  souris_y = y;
}

// The tool erases the figures it drew where it drew them, so the release point is not
// needed.
void TForm1::_FormMouseUp_ellipse(Qt::MouseButton bouton, Qt::KeyboardModifiers, int, int) {
  if (bouton != Qt::RightButton) return;
  outil_ellipse.fin_de_courbe(canvas());
  wb();
}

}  // namespace orvane
