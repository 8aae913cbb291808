#include "app/film_commande.h"

#include <QFile>
#include <QFileInfo>
#include <new>
#include <string>

#include "app/bibliotheques_muettes.h"
#include "app/echec_commande.h"
#include "app/progres_terminal.h"
#include "film/module_film.h"
#include "persistence/ecritures_interrompues.h"
#include "persistence/erreur_fichier.h"
#include "persistence/sortie_redessin.h"

namespace orvane {

int filmer_en_commande(const DemandeFilm& demande, const LectureJournal& lire,
                       std::ostream& erreurs, bool terminal) {
  const QString sortie = QFile::decodeName(demande.sortie.c_str());
  const ReglagesFilm reglages{demande.echelle, demande.lisse, demande.duree,
                              demande.images_par_seconde, demande.fils};
  Journal journal;
  try {
    journal = lire(QFile::decodeName(demande.journal.c_str()));
  } catch (const ErreurFichier& e) {
    return echec_commande(erreurs, e.what());
  } catch (const std::bad_alloc&) {
    return echec_commande(erreurs,
                          "La mémoire manque pour lire le journal « " + demande.journal + " ».");
  }
  const std::string refus = refus_film(sortie, journal.largeur(), journal.hauteur(), reglages);
  if (!refus.empty()) return echec_commande(erreurs, refus);
  if (sans_dessin(journal))
    return echec_commande(erreurs, journal_sans_dessin(demande.journal));
  const std::int64_t largeur = std::int64_t{journal.largeur()} * demande.echelle;
  const std::int64_t hauteur = std::int64_t{journal.hauteur()} * demande.echelle;

  // What a killed write of an earlier run left there.
  supprimer_ecritures_interrompues(QFileInfo(sortie).absolutePath());
  ProgresTerminal mesure(erreurs, terminal,
                         "Mesure du dessin à l'échelle " + std::to_string(demande.echelle) +
                             (demande.lisse ? ", lissé" : ""));
  ProgresTerminal images(erreurs, terminal, "Film « " + demande.sortie + " »");
  bool mesure_finie = false;
  const ProgresFilm progres{
      [&](std::int64_t fait, std::int64_t total) { return mesure(fait, total); },
      [&](std::int64_t fait, std::int64_t total) {
        if (!mesure_finie) mesure.terminer();
        mesure_finie = true;
        return images(fait, total);
      }};
  IssueFilm issue = IssueFilm::Arrete;
  try {
    const BibliothequesMuettes muettes;
    issue = filmer(journal, sortie, reglages, progres);
  } catch (const ErreurFichier& e) {
    mesure.terminer();
    images.terminer();
    return echec_commande(erreurs, e.what());
  } catch (const std::bad_alloc&) {
    mesure.terminer();
    images.terminer();
    return echec_commande(erreurs, memoire_manquante_redessin(largeur, hauteur).toStdString());
  }
  mesure.terminer();
  images.terminer();
  if (issue == IssueFilm::Vide)
    return echec_commande(erreurs, journal_sans_dessin(demande.journal));
  if (issue == IssueFilm::Arrete)
    return echec_commande(erreurs, "Le film s'est arrêté avant la fin.");
  erreurs << "Film de " << largeur << " x " << hauteur << " pixels, "
          << reglages.duree + kSecondesTenue << " secondes à " << reglages.images_par_seconde
          << " images par seconde, écrit dans « " << demande.sortie << " ».\n";
  return 0;
}

}  // namespace orvane
