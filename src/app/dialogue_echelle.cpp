#include "app/dialogue_echelle.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "journal/redessin.h"

namespace orvane {

DialogueEchelle::DialogueEchelle(QSize taille, ChoixEchelle initial, QWidget* parent)
    : QDialog(parent), taille_(taille) {
  setWindowTitle(QStringLiteral("Redessiner l'image à une autre échelle"));
  echelle_ = new QSpinBox(this);
  echelle_->setRange(kEchelleMin, kEchelleMax);
  echelle_->setValue(initial.echelle);
  lisse_ = new QCheckBox(QStringLiteral("lissé"), this);
  lisse_->setChecked(initial.lisse);
  lisse_->setToolTip(QStringLiteral("dessiné 4 fois plus grand, puis réduit : bords adoucis"));
  resultat_ = new QLabel(this);
  auto* boutons = new QDialogButtonBox(this);
  boutons->addButton(QStringLiteral("Redessiner"), QDialogButtonBox::AcceptRole)->setDefault(true);
  boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
  connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(echelle_, &QSpinBox::valueChanged, this, &DialogueEchelle::montrer_taille);

  auto* formulaire = new QFormLayout(this);
  formulaire->addRow(QStringLiteral("Échelle :"), echelle_);
  formulaire->addRow(QString(), lisse_);
  formulaire->addRow(QStringLiteral("Image :"), resultat_);
  formulaire->addRow(boutons);
  montrer_taille();
}

ChoixEchelle DialogueEchelle::choix() const { return {echelle_->value(), lisse_->isChecked()}; }

void DialogueEchelle::montrer_taille() {
  const qint64 k = echelle_->value();
  resultat_->setText(
      QStringLiteral("%1 x %2 pixels").arg(taille_.width() * k).arg(taille_.height() * k));
}

}  // namespace orvane
