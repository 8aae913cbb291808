#include "app/controls/tradiogroup.h"

#include <QApplication>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "app/controls/frontiere.h"

namespace orvane {

TRadioGroup::TRadioGroup(QWidget* parent, const QString& caption, const QStringList& items)
    : QGroupBox(caption, parent) {
  setMouseTracking(true);
  for (int i = 0; i < items.size(); ++i) {
    auto* bouton = new QRadioButton(items[i], this);
    bouton->setAutoExclusive(false);
    connect(bouton, &QRadioButton::clicked, this, [this, i] {
      montrer(item_index_);  // the click's own toggle is undone; setItemIndex decides
      a_la_frontiere([this, i] { setItemIndex(i); });
    });
    buttons_.push_back(bouton);
  }
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* avant, QWidget* apres) {
    const bool entre = apres && (apres == this || isAncestorOf(apres));
    const bool venait_de_dedans = avant && (avant == this || isAncestorOf(avant));
    if (entre && !venait_de_dedans && OnEnter) a_la_frontiere(OnEnter);
  });
}

void TRadioGroup::montrer(int index) {
  for (int i = 0; i < count(); ++i) {
    QRadioButton* b = buttons_[static_cast<size_t>(i)];
    const bool blocked = b->blockSignals(true);
    b->setChecked(i == index);
    b->blockSignals(blocked);
  }
}

void TRadioGroup::setItemIndexSilently(int index) {
  index = std::clamp(index, -1, count() - 1);
  item_index_ = index;
  montrer(index);
}

void TRadioGroup::setItemIndex(int index) {
  index = std::clamp(index, -1, count() - 1);
  if (index == item_index_) return;
  setItemIndexSilently(index);
  if (OnClick) OnClick();
}

void TRadioGroup::setEchelle(double f) {
  echelle_ = f;
  resizeEvent(nullptr);
}

void TRadioGroup::resizeEvent(QResizeEvent*) {
  if (buttons_.empty()) return;
  const auto mesure = [this](int v) { return static_cast<int>(std::lround(v * echelle_)); };
  const int haut = mesure(title().isEmpty() ? 2 : 14);
  const int disponible = height() - haut - mesure(2);
  const int pas = disponible / count();
  for (int i = 0; i < count(); ++i) {
    buttons_[static_cast<size_t>(i)]->setGeometry(mesure(6), haut + i * pas,
                                                   width() - mesure(8), pas);
  }
}

}  // namespace orvane
