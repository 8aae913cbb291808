#include "app/controls/tedit.h"

#include <QKeyEvent>

#include "app/controls/couleurs_qt.h"
#include "app/controls/frontiere.h"
#include "app/controls/tupdown.h"

namespace orvane {

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (OnChange) a_la_frontiere(OnChange);
  });
}

void TEdit::setFontColor(Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::Text, vers_qcolor(c));
  setPalette(p);
}

void TEdit::keyPressEvent(QKeyEvent* e) {
  if (up_down_ && (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down)) {
    a_la_frontiere([&] { up_down_->pas(e->key() == Qt::Key_Up ? 1 : -1); });
    return;
  }
  if (OnKeyPress && e->text().size() == 1) {
    QChar key = e->text().front();
    bool fini = false;
    a_la_frontiere([&] {
      OnKeyPress(key);
      fini = true;
    });
    if (!fini || key.isNull()) return;
  }
  QLineEdit::keyPressEvent(e);
}

}  // namespace orvane
