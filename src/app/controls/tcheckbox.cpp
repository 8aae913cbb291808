#include "app/controls/tcheckbox.h"

#include "app/controls/frontiere.h"

namespace orvane {

TCheckBox::TCheckBox(QWidget* parent, const QString& caption) : QCheckBox(caption, parent) {
  connect(this, &QCheckBox::clicked, this, [this] {
    if (OnClick) a_la_frontiere(OnClick);
  });
}

void TCheckBox::setChecked(bool checked) {
  if (checked == isChecked()) return;
  const bool blocked = blockSignals(true);
  QCheckBox::setChecked(checked);
  blockSignals(blocked);
  if (OnClick) OnClick();
}

}  // namespace orvane
