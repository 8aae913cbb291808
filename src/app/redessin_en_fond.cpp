#include "app/redessin_en_fond.h"

#include <QProgressDialog>
#include <new>
#include <utility>

#include "app/dialogue_progres.h"
#include "persistence/erreur_fichier.h"
#include "persistence/sortie_redessin.h"

namespace orvane {

namespace {

constexpr int kGraduations = 1000;
constexpr int kRafraichissementMs = 50;

}  // namespace

RedessinEnFond::RedessinEnFond(QWidget* fenetre, Dessin dessin, ChoixEchelle choix,
                               QString chemin)
    : dessin_(std::move(dessin)), choix_(choix), chemin_(std::move(chemin)) {
  const qint64 k = choix_.echelle;
  demarrer(fenetre, QStringLiteral("Redessin à l'échelle %1%2 : %3 x %4 pixels")
                        .arg(k)
                        .arg(choix_.lisse ? QStringLiteral(", lissé") : QString())
                        .arg(dessin_.largeur * k)
                        .arg(dessin_.hauteur * k));
}

RedessinEnFond::RedessinEnFond(QWidget* fenetre, Dessin dessin, const QString& texte)
    : dessin_(std::move(dessin)), choix_{1, false} {
  demarrer(fenetre, texte);
}

void RedessinEnFond::demarrer(QWidget* fenetre, const QString& texte) {
  dialogue_ = dialogue_de_progres(fenetre, texte, QStringLiteral("Redessin"), kGraduations);
  connect(dialogue_, &QProgressDialog::canceled, this, [this] { arret_ = true; });
  connect(&minuterie_, &QTimer::timeout, this, &RedessinEnFond::montrer_progres);
  minuterie_.start(kRafraichissementMs);
  dialogue_->setValue(0);
  dialogue_->show();

  fil_ = std::thread([this] {
    travailler();
    QMetaObject::invokeMethod(this, &RedessinEnFond::finir, Qt::QueuedConnection);
  });
}

RedessinEnFond::~RedessinEnFond() {
  arret_ = true;
  if (fil_.joinable()) fil_.join();
  if (dialogue_) dialogue_->close();
}

void RedessinEnFond::travailler() {
  const qint64 k = choix_.echelle;
  try {
    const auto progres = [this](std::int64_t fait, std::int64_t total) {
      fait_ = fait;
      total_ = total;
      return !arret_;
    };
    std::optional<Bitmap> image = rendre(dessin_, choix_.echelle, choix_.lisse, progres);
    if (!image || arret_) return;
    if (chemin_.isEmpty()) {
      image_ = std::move(*image);
      issue_ = IssueRedessin::Dessinee;
      return;
    }
    fait_ = 0;
    total_ = 0;
    enregistrement_ = true;
    if (ecrire_redessin(chemin_, *image, progres)) issue_ = IssueRedessin::Ecrite;
  } catch (const ErreurFichier& e) {
    issue_ = IssueRedessin::Echec;
    message_ = QString::fromStdString(e.what());
  } catch (const std::bad_alloc&) {
    issue_ = IssueRedessin::Echec;
    message_ = memoire_manquante_redessin(dessin_.largeur * k, dessin_.hauteur * k);
  } catch (const std::exception& e) {
    issue_ = IssueRedessin::Echec;
    message_ = QString::fromStdString(e.what());
  }
}

void RedessinEnFond::montrer_progres() {
  if (!dialogue_ || arret_) return;
  // Once drawn, the bar counts the picture's rows written.
  if (enregistrement_) {
    const QString legende = QStringLiteral("Enregistrement de « %1 »").arg(chemin_);
    if (dialogue_->labelText() != legende) dialogue_->setLabelText(legende);
  }
  const std::int64_t total = total_;
  if (total > 0) dialogue_->setValue(static_cast<int>(fait_ * kGraduations / total));
}

void RedessinEnFond::finir() {
  // The worker has only to return: joined, what it wrote is seen here.
  fil_.join();
  minuterie_.stop();
  if (dialogue_) dialogue_->close();
  emit terminee(issue_, message_);
}

}  // namespace orvane
