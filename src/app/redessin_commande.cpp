#include "app/redessin_commande.h"

#include <QFile>
#include <QFileInfo>
#include <new>
#include <string>

#include "app/echec_commande.h"
#include "app/progres_terminal.h"
#include "persistence/ecritures_interrompues.h"
#include "persistence/erreur_fichier.h"
#include "persistence/sortie_redessin.h"

namespace orvane {

int redessiner_en_commande(const DemandeRendu& demande, const LectureDessin& lire,
                           std::ostream& erreurs, bool terminal) {
  const QString sortie = QFile::decodeName(demande.sortie.c_str());
  Dessin dessin;
  try {
    dessin = lire(QFile::decodeName(demande.journal.c_str()));
  } catch (const ErreurFichier& e) {
    return echec_commande(erreurs, e.what());
  }
  const int echelle = demande.echelle;
  const std::string refus = refus_echelle(dessin.largeur, dessin.hauteur, echelle, demande.lisse);
  if (!refus.empty()) return echec_commande(erreurs, refus);
  const std::int64_t largeur = std::int64_t{dessin.largeur} * echelle;
  const std::int64_t hauteur = std::int64_t{dessin.hauteur} * echelle;
  const QString refus_sortie = refus_sortie_redessin(sortie, largeur, hauteur);
  if (!refus_sortie.isEmpty()) return echec_commande(erreurs, refus_sortie.toStdString());

  // What a killed write of an earlier run left there.
  supprimer_ecritures_interrompues(QFileInfo(sortie).absolutePath());
  ProgresTerminal progres(erreurs, terminal,
                          "Redessin à l'échelle " + std::to_string(echelle) +
                              (demande.lisse ? ", lissé" : ""));
  ProgresTerminal progres_ecriture(erreurs, terminal, "Écriture de « " + demande.sortie + " »");
  try {
    const std::optional<Bitmap> image = rendre(
        dessin, echelle, demande.lisse,
        [&progres](std::int64_t fait, std::int64_t total) { return progres(fait, total); });
    progres.terminer();
    if (!image) return echec_commande(erreurs, "Le redessin s'est arrêté avant la fin.");
    dessin = Dessin();  // the journal's pictures are no longer needed
    ecrire_redessin(sortie, *image, [&progres_ecriture](std::int64_t fait, std::int64_t total) {
      return progres_ecriture(fait, total);
    });
    progres_ecriture.terminer();
  } catch (const ErreurFichier& e) {
    progres.terminer();
    progres_ecriture.terminer();
    return echec_commande(erreurs, e.what());
  } catch (const std::bad_alloc&) {
    progres.terminer();
    progres_ecriture.terminer();
    return echec_commande(erreurs, memoire_manquante_redessin(largeur, hauteur).toStdString());
  } catch (const std::exception& e) {
    progres.terminer();
    progres_ecriture.terminer();
    return echec_commande(erreurs, std::string("Le redessin a échoué : ") + e.what());
  }
  erreurs << "Image de " << largeur << " x " << hauteur << " pixels écrite dans « "
          << demande.sortie << " ».\n";
  return 0;
}

}  // namespace orvane
