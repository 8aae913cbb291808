#include "app/dialogue_film.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "film/reglages_film.h"
#include "journal/redessin.h"

namespace orvane {

DialogueFilm::DialogueFilm(QSize taille, ChoixFilm initial, QWidget* parent)
    : QDialog(parent), taille_(taille) {
  setWindowTitle(QStringLiteral("Filmer le dessin"));
  echelle_ = new QSpinBox(this);
  echelle_->setRange(kEchelleMin, kEchelleMax);
  echelle_->setValue(initial.echelle);
  duree_ = new QSpinBox(this);
  duree_->setRange(kDureeFilmMin, kDureeFilmMax);
  duree_->setSuffix(QStringLiteral(" s"));
  duree_->setValue(initial.duree);
  lisse_ = new QCheckBox(QStringLiteral("lissé"), this);
  lisse_->setChecked(initial.lisse);
  lisse_->setToolTip(QStringLiteral("dessiné 4 fois plus grand, puis réduit : bords adoucis"));
  resultat_ = new QLabel(this);
  auto* boutons = new QDialogButtonBox(this);
  boutons->addButton(QStringLiteral("Filmer"), QDialogButtonBox::AcceptRole)->setDefault(true);
  boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
  connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(echelle_, &QSpinBox::valueChanged, this, &DialogueFilm::montrer_resultat);
  connect(duree_, &QSpinBox::valueChanged, this, &DialogueFilm::montrer_resultat);

  auto* formulaire = new QFormLayout(this);
  formulaire->addRow(QStringLiteral("Échelle :"), echelle_);
  formulaire->addRow(QStringLiteral("Durée du dessin :"), duree_);
  formulaire->addRow(QString(), lisse_);
  formulaire->addRow(QStringLiteral("Film :"), resultat_);
  formulaire->addRow(boutons);
  montrer_resultat();
}

ChoixFilm DialogueFilm::choix() const {
  return {echelle_->value(), duree_->value(), lisse_->isChecked()};
}

void DialogueFilm::montrer_resultat() {
  const qint64 k = echelle_->value();
  resultat_->setText(QStringLiteral("%1 x %2 pixels, %3 s (dont %4 s de l'image finie), "
                                    "%5 images par seconde")
                         .arg(taille_.width() * k)
                         .arg(taille_.height() * k)
                         .arg(duree_->value() + kSecondesTenue)
                         .arg(kSecondesTenue)
                         .arg(kImagesParSecondeDefaut));
}

}  // namespace orvane
