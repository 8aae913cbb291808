// Drawings in the background: Ctrl+Shift+S re-draws the picture at a scale into a file, an
// opened journal is drawn for the canvas.
#include <QFileInfo>

#include "app/controls/frontiere.h"
#include "app/tform1.h"
#include "persistence/sortie_redessin.h"

namespace orvane {

void TForm1::redessine_a_l_echelle() {
  if (redessin_ || !dessin_courant) return;
  Dessin dessin = dessin_courant();
  const std::optional<ChoixEchelle> choix =
      systeme_.choisir_echelle(this, QSize(dessin.largeur, dessin.hauteur), choix_echelle_);
  _ws();
  if (!choix) return;
  choix_echelle_ = *choix;
  const int k = choix->echelle;
  const std::string refus = refus_echelle(dessin.largeur, dessin.hauteur, k, choix->lisse);
  if (!refus.empty()) {
    systeme_.erreur(this, QString::fromStdString(refus));
    return;
  }

  DialogueImage dialogue;
  dialogue.repertoire = Label_rep->Caption();
  dialogue.extension_defaut = QStringLiteral("png");
  dialogue.filtre = filtre_images_redessin();
  dialogue.nom_propose = QStringLiteral("%1_x%2%3.png")
                             .arg(QFileInfo(Edit_nom_generique->Text()).completeBaseName())
                             .arg(k)
                             .arg(choix->lisse ? QStringLiteral("_lisse") : QString());
  dialogue.titre = QStringLiteral(" redessine l'image à l'échelle %1").arg(k);
  const QString chemin = systeme_.enregistrer_image(this, dialogue);
  _ws();
  if (chemin.isEmpty()) return;
  const QString refus_sortie = refus_sortie_redessin(chemin, qint64{dessin.largeur} * k,
                                                     qint64{dessin.hauteur} * k);
  if (!refus_sortie.isEmpty()) {
    systeme_.erreur(this, refus_sortie);
    return;
  }

  redessin_ = std::make_unique<RedessinEnFond>(this, std::move(dessin), *choix, chemin);
  suivre_redessin({}, true);
}

void TForm1::dessiner_en_fond(Dessin dessin, const QString& texte,
                              std::function<void(Bitmap)> dessinee, bool echec_signale) {
  redessin_ = std::make_unique<RedessinEnFond>(this, std::move(dessin), texte);
  suivre_redessin(std::move(dessinee), echec_signale);
}

void TForm1::suivre_redessin(std::function<void(Bitmap)> dessinee, bool echec_signale) {
  connect(redessin_.get(), &RedessinEnFond::terminee, this,
          [this, dessinee = std::move(dessinee), echec_signale](IssueRedessin issue,
                                                                const QString& message) {
            a_la_frontiere([&] {
              RedessinEnFond* fini = redessin_.release();
              fini->deleteLater();
              if (issue == IssueRedessin::Echec && echec_signale) systeme_.erreur(this, message);
              if (issue == IssueRedessin::Dessinee) dessinee(fini->prendre_image());
            });
          });
}

}  // namespace orvane
