#include "film/faire_film.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <variant>

#include "film/encodeur_film.h"
#include "film/file_images.h"
#include "film/format_film.h"
#include "film/images_du_dessin.h"
#include "journal/rendu_echelle.h"
#include "persistence/erreur_fichier.h"

namespace orvane {

namespace {

// Frames waiting for the encoder, converted for it: with the one being drawn and the one
// being encoded, memory holds a few frames whatever the film's length.
constexpr std::size_t kImagesEnAttente = 2;

// The canvas's colour: the last new canvas's.
Colour couleur_toile(const Journal& journal) {
  const std::vector<Entree>& entrees = journal.entrees();
  for (auto e = entrees.rbegin(); e != entrees.rend(); ++e)
    if (const auto* toile = std::get_if<EntreeToile>(&*e)) return toile->couleur & 0xFFFFFFu;
  return 0;
}

}  // namespace

IssueFilm faire_film(const Journal& journal, const QString& sortie, const ReglagesFilm& reglages,
                     const ProgresFilm& progres) {
  const std::optional<FormatFilm> format = format_du_nom(sortie);
  if (!format) throw ErreurFichier(refus_film(sortie, 1, 1, reglages));
  if (sans_dessin(journal)) return IssueFilm::Vide;
  ImagesDuDessin images(journal, reglages.echelle, reglages.lisse);
  if (!images.mesurer(progres.mesure, *format == FormatFilm::Gif)) return IssueFilm::Arrete;
  if (images.travail() == 0) return IssueFilm::Vide;

  const int largeur = static_cast<int>(cote_code(*format, images.largeur()));
  const int hauteur = static_cast<int>(cote_code(*format, images.hauteur()));
  const Colour fond = couleur_toile(journal);
  EncodeurFilm encodeur(sortie, *format, largeur, hauteur, reglages.images_par_seconde, fond,
                        images.prendre_image_finie(), reglages.fils_codage);

  const std::int64_t total = reglages.images_dessin() + reglages.images_tenue();
  std::atomic<std::int64_t> encodees{0};
  std::atomic<bool> arret{false};
  FileImages file(kImagesEnAttente);
  std::exception_ptr erreur;
  bool ecrit = false;  // by the encoder's thread, read once it has ended
  std::thread codage([&] {
    const auto continuer = [&] {
      ++encodees;
      return !arret.load();
    };
    try {
      bool complet = true;
      while (std::optional<ImageFilm> image = file.retirer())
        if (!encodeur.ajouter(image->trame, image->fois, continuer)) complet = false;
      if (complet && !arret) {
        encodeur.finir();
        ecrit = true;
      }
    } catch (...) {
      erreur = std::current_exception();
    }
    file.fermer();
  });

  const auto rapporter = [&] { return !progres.images || progres.images(encodees, total); };
  const Continuer continuer = [&] { return !file.fermee() && rapporter(); };
  bool fait = false;
  try {
    fait = images.filmer(
        reglages.images_dessin(), reglages.images_tenue(),
        [&](const Bitmap& image, std::int64_t fois) {
          if (!file.deposer({encodeur.convertir(image), fois}, continuer))
            throw DessinInterrompu{};
        },
        continuer);
    if (fait) {
      file.terminer();
      while (!file.attendre_fermeture(std::chrono::milliseconds(40)))
        if (!rapporter()) {
          fait = false;
          break;
        }
    }
  } catch (...) {
    arret = true;
    file.fermer();
    codage.join();
    throw;
  }
  if (!fait) {
    arret = true;
    file.fermer();
  }
  codage.join();
  if (erreur) std::rethrow_exception(erreur);
  // A stop asked once the file was in place comes too late to undo it.
  if (!ecrit) return IssueFilm::Arrete;
  rapporter();
  return IssueFilm::Fait;
}

}  // namespace orvane
