// The picture's journal: what the elliptic tool draws goes to it, "Sauve" writes it beside
// the picture, "Ouvrir" draws a journal again, or takes up the one beside a picture.
#include <QFileInfo>
#include <memory>
#include <new>

#include "app/tform1.h"
#include "journal/rendu_echelle.h"
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
  // One drawing in the background at a time; its dialog keeps the user from asking more.
  if (redessin_) return;
  if (est_journal(chemin)) {
    ouvrir_journal(chemin);
    return;
  }
  const std::shared_ptr<const Bitmap> image = peindre_image(chemin);
  reprendre_journal(image, journal_de_l_image(chemin));
}

void TForm1::ouvrir_journal(const QString& chemin) {
  // Read whole, then drawn in the background before the canvas changes: a damaged file or
  // "Annuler" leaves it as it was.
  const auto lu = std::make_shared<const Journal>(lire_journal(chemin));
  dessiner_en_fond(
      dessin_du_journal(lu),
      QStringLiteral("Ouverture du journal « %1 »").arg(QFileInfo(chemin).fileName()),
      [this, lu](Bitmap image) {
        effacer_figures_elastiques();
        Canvas& c = canvas();
        c.Draw(0, 0, image);
        // A journal drawn on another screen's canvas cannot go on here: its picture is kept.
        if (lu->largeur() == c.width() && lu->hauteur() == c.height()) {
          journal.remplacer(*lu);
        } else {
          journal.image_peinte(-1, std::make_shared<const Bitmap>(std::move(image)), c.width(),
                               c.height());
        }
      });
}

void TForm1::reprendre_journal(std::shared_ptr<const Bitmap> image, const QString& chemin) {
  // A journal that cannot be read, or draws another picture, is none of this picture's.
  if (chemin.isEmpty()) return;
  std::shared_ptr<const Journal> lu;
  try {
    lu = std::make_shared<const Journal>(lire_journal(chemin));
  } catch (const ErreurFichier&) {
    return;
  }
  const Canvas& c = std::as_const(*Image1).canvas();
  if (lu->largeur() != image->width() || lu->hauteur() != image->height() ||
      c.width() != image->width() || c.height() != image->height())
    return;
  // Taken up only if nothing was drawn meanwhile: the canvas still shows the picture.
  const std::uint64_t coupures = journal.coupures();
  const std::size_t longueur = journal.longueur();
  dessiner_en_fond(
      dessin_du_journal(lu),
      QStringLiteral("Lecture du journal « %1 »").arg(QFileInfo(chemin).fileName()),
      [=, this](Bitmap redessinee) {
        if (journal.coupures() == coupures && journal.longueur() == longueur &&
            redessinee == *image)
          journal.remplacer(*lu);
      },
      false);
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
