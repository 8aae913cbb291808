// Saving the canvas under the next free numbered name, and opening pictures onto it.
#include <QFileInfo>
#include <memory>
#include <string>
#include <utility>

#include "app/tform1.h"
#include "persistence/erreur_fichier.h"
#include "persistence/fichier_image.h"
#include "persistence/noms_images.h"

namespace orvane {

QString TForm1::nom_unique(const QString& nom) {
  const QString repertoire = Label_rep->Caption();
  const auto existe = [&](const QString& candidat) {
    return QFileInfo(repertoire + u'/' + candidat).isFile();
  };
  QString candidat = nom;
  if (!existe(candidat))
    systeme_.message(this, repertoire + u'/' + candidat + QStringLiteral(" n'existe pas!"));
  // Searched from 1 at every call: a gap left by a deleted file is filled first.
  for (int n = 1; existe(candidat); ++n) candidat = nom_numerote(nom, n);
  return candidat;
}

void TForm1::Panel7Click() {
  DialogueImage dialogue;
  dialogue.repertoire = Label_rep->Caption();
  dialogue.extension_defaut = format_ecrit(Edit_nom_generique->Text());
  dialogue.filtre = filtre_images_ecrites(dialogue.extension_defaut);
  dialogue.nom_propose = nom_unique(Edit_nom_generique->Text());
  dialogue.titre = QStringLiteral(" enregistre l'image ") + dialogue.nom_propose;
  const QString choisi = systeme_.enregistrer_image(this, dialogue);
  if (!choisi.isEmpty()) {
    const QString chemin = avec_extension_bmp(choisi);
    // The picture first: written whole or not at all, it leaves the pair as it was.
    enregistrer_image_ou_rien(chemin);
    Label_rep->setCaption(repertoire_du_fichier(chemin));
    try {
      sauver_journal(chemin);
    } catch (...) {
      _ws();
      throw;
    }
  }
  _ws();
}

void TForm1::enregistrer_image_ou_rien(const QString& chemin) {
  const std::string garde =
      QFileInfo::exists(chemin)
          ? " Rien n'est remplacé : l'image déjà là et son journal restent tels quels."
          : " Rien n'est enregistré, ni l'image ni son journal.";
  try {
    enregistrer_image(chemin, std::as_const(*Image1).canvas().bitmap());
  } catch (const ErreurFichier& e) {
    throw ErreurFichier(e.what() + garde);
  }
}

void TForm1::Panel5Click() {
  DialogueImage dialogue;
  dialogue.repertoire = Label_rep->Caption();
  dialogue.extension_defaut = QStringLiteral("bmp");
  dialogue.filtre = filtre_images_lisibles();
  const QString chemin = systeme_.ouvrir_image(this, dialogue);
  if (!chemin.isEmpty()) ouvrir_fichier(chemin);
}

std::shared_ptr<const Bitmap> TForm1::peindre_image(const QString& chemin) {
  // Read whole before drawing: a damaged file leaves the canvas as it was.
  auto image = std::make_shared<const Bitmap>(lire_fichier_image(chemin));
  effacer_figures_elastiques();
  Canvas& c = canvas();
  c.Draw(0, 0, *image);
  journal.image_peinte(-1, image, c.width(), c.height());
  return image;
}

}  // namespace orvane
