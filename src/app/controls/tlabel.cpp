#include "app/controls/tlabel.h"

#include "app/controls/couleurs_qt.h"

namespace orvane {

TLabel::TLabel(QWidget* parent) : QLabel(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents, false);
  setMouseTracking(true);
  setWordWrap(false);
  // Captions come from the program and from the settings file: never read as markup.
  setTextFormat(Qt::PlainText);
}

void TLabel::setFontColor(Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, vers_qcolor(c));
  setPalette(p);
}

}  // namespace orvane
