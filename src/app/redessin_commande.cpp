#include "app/redessin_commande.h"

#include <QFile>
#include <new>
#include <string>

#include "app/progres_terminal.h"
#include "persistence/erreur_fichier.h"
#include "persistence/sortie_redessin.h"

namespace orvane {

namespace {

int echec(std::ostream& erreurs, const std::string& phrase) {
  erreurs << "orvane : " << phrase << "\n";
  return 1;
}

}  // namespace

int redessiner_en_commande(const DemandeRendu& demande, const LectureDessin& lire,
                           std::ostream& erreurs, bool terminal) {
  const QString sortie = QFile::decodeName(demande.sortie.c_str());
  Dessin dessin;
  try {
    dessin = lire(QFile::decodeName(demande.journal.c_str()));
  } catch (const ErreurFichier& e) {
    return echec(erreurs, e.what());
  }
  const int echelle = demande.echelle;
  const std::string refus = refus_echelle(dessin.largeur, dessin.hauteur, echelle, demande.lisse);
  if (!refus.empty()) return echec(erreurs, refus);
  const std::int64_t largeur = std::int64_t{dessin.largeur} * echelle;
  const std::int64_t hauteur = std::int64_t{dessin.hauteur} * echelle;
  const QString refus_sortie = refus_sortie_redessin(sortie, largeur, hauteur);
  if (!refus_sortie.isEmpty()) return echec(erreurs, refus_sortie.toStdString());

  ProgresTerminal progres(erreurs, terminal,
                          "Redessin à l'échelle " + std::to_string(echelle) +
                              (demande.lisse ? ", lissé" : ""));
  try {
    const std::optional<Bitmap> image = rendre(
        dessin, echelle, demande.lisse,
        [&progres](std::int64_t fait, std::int64_t total) { return progres(fait, total); });
    progres.terminer();
    if (!image) return echec(erreurs, "Le redessin s'est arrêté avant la fin.");
    ecrire_redessin(sortie, *image, [] { return true; });
  } catch (const ErreurFichier& e) {
    progres.terminer();
    return echec(erreurs, e.what());
  } catch (const std::bad_alloc&) {
    progres.terminer();
    return echec(erreurs, "La mémoire manque pour une image de " + std::to_string(largeur) +
                              " x " + std::to_string(hauteur) + " pixels.");
  } catch (const std::exception& e) {
    progres.terminer();
    return echec(erreurs, std::string("Le redessin a échoué : ") + e.what());
  }
  erreurs << "Image de " << largeur << " x " << hauteur << " pixels écrite dans « "
          << demande.sortie << " ».\n";
  return 0;
}

}  // namespace orvane
