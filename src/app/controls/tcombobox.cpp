#include "app/controls/tcombobox.h"

#include "app/controls/frontiere.h"

namespace orvane {

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
  connect(this, &QComboBox::activated, this, [this] {
    if (OnClick) a_la_frontiere(OnClick);
  });
}

void TComboBox::setItemIndex(int index) {
  const bool blocked = blockSignals(true);
  setCurrentIndex(index);
  blockSignals(blocked);
}

}  // namespace orvane
