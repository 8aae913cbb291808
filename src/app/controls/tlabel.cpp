#include "app/controls/tlabel.h"

#include <QEvent>

#include "app/controls/chemin_abrege.h"
#include "app/controls/couleurs_qt.h"

namespace orvane {

TLabel::TLabel(QWidget* parent) : QLabel(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents, false);
  setMouseTracking(true);
  setWordWrap(false);
  // Captions come from the program and from the settings file: never read as markup.
  setTextFormat(Qt::PlainText);
}

void TLabel::setCaption(const QString& caption) {
  caption_ = caption;
  montrer();
}

void TLabel::setFontColor(Colour c) {
  QPalette p = palette();
  p.setColor(QPalette::WindowText, vers_qcolor(c));
  setPalette(p);
}

void TLabel::setCheminAbrege(bool abrege) {
  chemin_abrege_ = abrege;
  montrer();
}

void TLabel::setConseilSuiviDuTexte(const QString& conseil) {
  conseil_ = conseil;
  conseil_suivi_du_texte_ = true;
  montrer();
}

void TLabel::resizeEvent(QResizeEvent* e) {
  QLabel::resizeEvent(e);
  if (chemin_abrege_) montrer();
}

void TLabel::changeEvent(QEvent* e) {
  QLabel::changeEvent(e);
  if (chemin_abrege_ && e->type() == QEvent::FontChange) montrer();
}

void TLabel::montrer() {
  setText(chemin_abrege_ ? chemin_abrege(caption_, fontMetrics(), width()) : caption_);
  if (conseil_suivi_du_texte_) setToolTip(conseil_.isEmpty() ? QString() : conseil_ + caption_);
}

}  // namespace orvane
