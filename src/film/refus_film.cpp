#include "film/faire_film.h"

#include <QFileInfo>
#include <algorithm>
#include <variant>

#include "film/format_film.h"
#include "journal/rendu_echelle.h"
#include "persistence/causes_fichier.h"

namespace orvane {

namespace {

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

}  // namespace orvane
