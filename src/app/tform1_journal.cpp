// The picture's journal: what the elliptic tool draws goes to it, "Sauve" writes it beside
// the picture, "Ouvrir" draws a journal again.
#include <memory>
#include <new>

#include "app/tform1.h"
#include "journal/redessin.h"
#include "persistence/fichier_journal.h"

namespace orvane {

void TForm1::lier_journal() {
  outil_ellipse.temoin.ligne = [this](Point a, Point b, int mode, Colour couleur, int largeur) {
    journal.ajouter(EntreeLigne{a, b, mode, couleur, largeur});
  };
  outil_ellipse.temoin.arc = [this](Point a, Point b, Point c, int mode, Colour couleur,
                                    int largeur, const OmbreArc& ombre) {
    journal.ajouter(EntreeArc{a, b, c, mode, couleur, largeur, ombre});
  };
  outil_ellipse.temoin.ellipse = [this](const Canvas& c, int gauche, int haut, int droite,
                                        int bas) {
    journal.ajouter(EntreeEllipse{gauche, haut, droite, bas, c.pen.mode, c.pen.color,
                                  c.pen.width, c.brush.color, c.brush.style});
  };
}

void TForm1::ouvrir_fichier(const QString& chemin) {
  if (est_journal(chemin)) {
    ouvrir_journal(chemin);
  } else {
    peindre_image(chemin);
  }
}

void TForm1::ouvrir_journal(const QString& chemin) {
  // Read and drawn whole before the canvas changes: a damaged file leaves it as it was.
  const Journal lu = lire_journal(chemin);
  systeme_.curseur_ecran(crHourGlass);
  Bitmap image;
  try {
    redessiner(lu, 1, image, {});
  } catch (...) {
    systeme_.curseur_ecran(crArrow);
    throw;
  }
  systeme_.curseur_ecran(crArrow);
  effacer_figures_elastiques();
  Canvas& c = canvas();
  c.Draw(0, 0, image);
  // A journal drawn on another screen's canvas cannot go on here: its picture is kept.
  if (lu.largeur() == c.width() && lu.hauteur() == c.height()) {
    journal.remplacer(lu);
  } else {
    journal.image_peinte(-1, std::make_shared<const Bitmap>(std::move(image)), c.width(),
                         c.height());
  }
}

void TForm1::sauver_journal(const QString& chemin_image) {
  const QString chemin = chemin_journal_de(chemin_image);
  QString echec;
  try {
    ecrire_journal(chemin, journal.journal());
    return;
  } catch (const ErreurFichier& e) {
    echec = QString::fromUtf8(e.what());
  } catch (const std::bad_alloc&) {
    echec = QStringLiteral("Impossible d'écrire le journal « %1 » : mémoire insuffisante.")
                .arg(chemin);
  }
  throw ErreurFichier(retirer_journal_perime(chemin_image, echec).toStdString());
}

}  // namespace orvane
