#include "film/faire_film.h"

#include <QFileInfo>
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
#include "persistence/causes_fichier.h"
#include "persistence/erreur_fichier.h"

namespace orvane {

namespace {

// Frames waiting for the encoder, converted for it: with the one being drawn and the one
// being encoded, memory holds a few frames whatever the film's length.
constexpr std::size_t kImagesEnAttente = 2;

std::string refus(const QString& sortie, const QString& cause) {
  return QStringLiteral("Impossible d'écrire le film « %1 » : %2.").arg(sortie, cause).toStdString();
}

// The largest scale whose frame the format takes; 0 when none.
int echelle_max_format(FormatFilm format, int largeur, int hauteur) {
  for (int k = kEchelleMax; k >= kEchelleMin; --k)
    if (cote_code(format, std::int64_t{largeur} * k) <= cote_max(format) &&
        cote_code(format, std::int64_t{hauteur} * k) <= cote_max(format))
      return k;
  return 0;
}

// The canvas's colour: the last new canvas's.
Colour couleur_toile(const Journal& journal) {
  const std::vector<Entree>& entrees = journal.entrees();
  for (auto e = entrees.rbegin(); e != entrees.rend(); ++e)
    if (const auto* toile = std::get_if<EntreeToile>(&*e)) return toile->couleur & 0xFFFFFFu;
  return 0;
}

}  // namespace

std::string refus_reglages_film(FormatFilm format, int largeur, int hauteur,
                                const ReglagesFilm& reglages) {
  using std::to_string;
  if (reglages.duree < kDureeFilmMin || reglages.duree > kDureeFilmMax)
    return "La durée du dessin doit être un entier de " + to_string(kDureeFilmMin) + " à " +
           to_string(kDureeFilmMax) + " secondes.";
  if (reglages.images_par_seconde < kImagesParSecondeMin ||
      reglages.images_par_seconde > kImagesParSecondeMax)
    return "Le nombre d'images par seconde doit être un entier de " +
           to_string(kImagesParSecondeMin) + " à " + to_string(kImagesParSecondeMax) + ".";
  if (reglages.echelle < kEchelleMin || reglages.echelle > kEchelleMax)
    return refus_echelle(largeur, hauteur, reglages.echelle, reglages.lisse);
  const std::int64_t l = std::int64_t{largeur} * reglages.echelle;
  const std::int64_t h = std::int64_t{hauteur} * reglages.echelle;
  if (cote_code(format, l) <= cote_max(format) && cote_code(format, h) <= cote_max(format))
    return refus_echelle(largeur, hauteur, reglages.echelle, reglages.lisse);
  const int permise = std::min(echelle_max_format(format, largeur, hauteur),
                               echelle_la_plus_grande(largeur, hauteur, reglages.lisse));
  const std::string debut = "Le format " + nom_format(format).toStdString() +
                            " ne dépasse pas " + to_string(cote_max(format)) +
                            " pixels de côté ; à l'échelle " + to_string(reglages.echelle) +
                            ", le film en aurait " + to_string(l) + " x " + to_string(h);
  if (permise == 0) return debut + " : même l'échelle 1 est trop grande.";
  return debut + " : la plus grande échelle possible est " + to_string(permise) + ".";
}

std::string refus_film(const QString& sortie, int largeur, int hauteur,
                       const ReglagesFilm& reglages) {
  const std::optional<FormatFilm> format = format_du_nom(sortie);
  if (!format)
    return refus(sortie, QStringLiteral("son nom doit finir par %1")
                             .arg(QString::fromUtf8(kExtensionsFilm)));
  const std::string reglage = refus_reglages_film(*format, largeur, hauteur, reglages);
  if (!reglage.empty()) return reglage;
  const QFileInfo repertoire(QFileInfo(sortie).absolutePath());
  if (!repertoire.isDir()) return refus(sortie, QStringLiteral("répertoire introuvable"));
  if (!repertoire.isWritable())
    return refus(sortie, QStringLiteral("le répertoire « %1 » n'est pas accessible en écriture")
                             .arg(repertoire.filePath()));
  const QString occupe = refus_remplacement(sortie);
  if (!occupe.isEmpty()) return refus(sortie, occupe);
  return {};
}

bool sans_dessin(const Journal& journal) {
  const std::vector<Entree>& entrees = journal.entrees();
  return entrees.empty() || std::holds_alternative<EntreeToile>(entrees.back());
}

std::string journal_sans_dessin(const std::string& journal) {
  return "Le journal « " + journal + " » ne dessine rien : il n'y a pas de film à en faire.";
}

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
                        images.prendre_image_finie());

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
