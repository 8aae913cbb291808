// Ctrl+Shift+F: the journal's drawing filmed into a file in the background.
#include <QFileInfo>

#include "app/controls/frontiere.h"
#include "app/tform1.h"
#include "film/faire_film.h"

namespace orvane {

void TForm1::filme() {
  if (redessin_ || film_) return;
  Journal dessin = journal_a_filmer();
  const QSize taille(dessin.largeur(), dessin.hauteur());
  const std::optional<ChoixFilm> choix = systeme_.choisir_film(this, taille, choix_film_);
  _ws();
  if (!choix) return;
  choix_film_ = *choix;
  ReglagesFilm reglages;
  reglages.echelle = choix->echelle;
  reglages.lisse = choix->lisse;
  reglages.duree = choix->duree;
  // Nothing to choose a file for when the film cannot be made at that scale.
  const std::string refus_taille =
      refus_reglages_film(FormatFilm::Mp4, taille.width(), taille.height(), reglages);
  if (!refus_taille.empty()) {
    systeme_.erreur(this, QString::fromStdString(refus_taille));
    return;
  }

  DialogueImage dialogue;
  dialogue.repertoire = Label_rep->Caption();
  dialogue.extension_defaut = QStringLiteral("mp4");
  dialogue.filtre = QStringLiteral("films (*.mp4 *.webm *.gif)");
  dialogue.nom_propose = QStringLiteral("%1_x%2%3.mp4")
                             .arg(QFileInfo(Edit_nom_generique->Text()).completeBaseName())
                             .arg(choix->echelle)
                             .arg(choix->lisse ? QStringLiteral("_lisse") : QString());
  dialogue.titre = QStringLiteral(" filme le dessin à l'échelle %1").arg(choix->echelle);
  const QString chemin = systeme_.enregistrer_image(this, dialogue);
  _ws();
  if (chemin.isEmpty()) return;
  const std::string refus = refus_film(chemin, taille.width(), taille.height(), reglages);
  if (!refus.empty()) {
    systeme_.erreur(this, QString::fromStdString(refus));
    return;
  }

  film_ = std::make_unique<FilmEnFond>(this, std::move(dessin), reglages, chemin);
  connect(film_.get(), &FilmEnFond::termine, this,
          [this](IssueFilmFond issue, const QString& message) {
            a_la_frontiere([&] {
              film_.release()->deleteLater();
              // The keys come back to the window, even without a window manager to say so.
              activateWindow();
              if (issue == IssueFilmFond::Echec) systeme_.erreur(this, message);
              if (issue == IssueFilmFond::Vide)
                systeme_.erreur(this, QStringLiteral("Rien n'est encore dessiné sur la toile : "
                                                     "il n'y a pas de film à en faire."));
            });
          });
}

}  // namespace orvane
