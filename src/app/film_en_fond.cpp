#include "app/film_en_fond.h"

#include <QProgressDialog>
#include <new>
#include <utility>

#include "app/dialogue_progres.h"
#include "film/module_film.h"
#include "persistence/erreur_fichier.h"
#include "persistence/sortie_redessin.h"

namespace orvane {

namespace {

constexpr int kGraduations = 1000;
constexpr int kRafraichissementMs = 50;
// The bar's share for the first drawing, which measures the work.
constexpr int kGraduationsMesure = 100;

}  // namespace

FilmEnFond::FilmEnFond(QWidget* fenetre, Journal journal, const ReglagesFilm& reglages,
                       QString chemin)
    : journal_(std::move(journal)), reglages_(reglages), chemin_(std::move(chemin)) {
  const qint64 k = reglages_.echelle;
  const QString texte =
      QStringLiteral("Film de « %1 » : %2 x %3 pixels, %4 s")
          .arg(chemin_)
          .arg(journal_.largeur() * k)
          .arg(journal_.hauteur() * k)
          .arg(reglages_.duree + kSecondesTenue);
  dialogue_ = dialogue_de_progres(fenetre, texte, QStringLiteral("Film"), kGraduations);
  connect(dialogue_, &QProgressDialog::canceled, this, [this] { arret_ = true; });
  connect(&minuterie_, &QTimer::timeout, this, &FilmEnFond::montrer_progres);
  minuterie_.start(kRafraichissementMs);
  dialogue_->setValue(0);
  dialogue_->show();

  fil_ = std::thread([this] {
    travailler();
    QMetaObject::invokeMethod(this, &FilmEnFond::finir, Qt::QueuedConnection);
  });
}

FilmEnFond::~FilmEnFond() {
  arret_ = true;
  if (fil_.joinable()) fil_.join();
  if (dialogue_) dialogue_->close();
}

void FilmEnFond::travailler() {
  const auto suivre = [this](bool mesure) {
    return [this, mesure](std::int64_t fait, std::int64_t total) {
      mesure_ = mesure;
      fait_ = fait;
      total_ = total;
      return !arret_;
    };
  };
  try {
    switch (filmer(journal_, chemin_, reglages_, {suivre(true), suivre(false)})) {
      case IssueFilm::Fait: issue_ = IssueFilmFond::Ecrit; break;
      case IssueFilm::Vide: issue_ = IssueFilmFond::Vide; break;
      case IssueFilm::Arrete: issue_ = IssueFilmFond::Annule; break;
    }
  } catch (const ErreurFichier& e) {
    issue_ = IssueFilmFond::Echec;
    message_ = QString::fromStdString(e.what());
  } catch (const std::bad_alloc&) {
    issue_ = IssueFilmFond::Echec;
    const qint64 k = reglages_.echelle;
    message_ = memoire_manquante_redessin(journal_.largeur() * k, journal_.hauteur() * k);
  } catch (const std::exception& e) {
    issue_ = IssueFilmFond::Echec;
    message_ = QString::fromStdString(e.what());
  }
}

void FilmEnFond::montrer_progres() {
  if (!dialogue_ || arret_) return;
  const std::int64_t total = total_;
  if (total <= 0) return;
  const std::int64_t part = fait_ * (mesure_ ? kGraduationsMesure : kGraduations -
                                                                        kGraduationsMesure) /
                            total;
  dialogue_->setValue(static_cast<int>(mesure_ ? part : kGraduationsMesure + part));
}

void FilmEnFond::finir() {
  // The worker has only to return: joined, what it wrote is seen here.
  fil_.join();
  minuterie_.stop();
  if (dialogue_) dialogue_->close();
  emit termine(issue_, message_);
}

}  // namespace orvane
