#include "app/controls/tupdown.h"

#include <QToolButton>
#include <algorithm>

#include "app/controls/frontiere.h"
#include "app/controls/tedit.h"
#include "app/nombres.h"

namespace orvane {

namespace {

QToolButton* fleche(QWidget* parent, Qt::ArrowType sens) {
  auto* bouton = new QToolButton(parent);
  bouton->setArrowType(sens);
  bouton->setAutoRepeat(true);
  bouton->setFocusPolicy(Qt::NoFocus);
  return bouton;
}

}  // namespace

TUpDown::TUpDown(QWidget* parent, TEdit* associate, int min, int max, int position)
    : QWidget(parent), associate_(associate), min_(min), max_(max), position_(position) {
  auto* haut = fleche(this, Qt::UpArrow);
  auto* bas = fleche(this, Qt::DownArrow);
  haut_ = haut;
  bas_ = bas;
  connect(haut, &QToolButton::clicked, this, [this] { a_la_frontiere([this] { pas(1); }); });
  connect(bas, &QToolButton::clicked, this, [this] { a_la_frontiere([this] { pas(-1); }); });
  associate_->setBuddy(this);
  associate_->setText(texte_entier(position_));
}

void TUpDown::pas(int sens) {
  // The edit may have been typed into or changed by a key command: step from what it shows
  // when that is a number.
  try {
    position_ = std::clamp(StrToInt(filtre_nombre(associate_->Text())), min_, max_);
  } catch (const ErreurConversion&) {
  }
  const int nouvelle = std::clamp(position_ + sens, min_, max_);
  if (OnChanging) OnChanging();
  position_ = nouvelle;
  associate_->setText(texte_entier(position_));
}

void TUpDown::resizeEvent(QResizeEvent*) {
  const int moitie = height() / 2;
  haut_->setGeometry(0, 0, width(), moitie);
  bas_->setGeometry(0, moitie, width(), height() - moitie);
}

}  // namespace orvane
