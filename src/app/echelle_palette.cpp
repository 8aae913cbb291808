#include "app/echelle_palette.h"

#include <QAbstractButton>
#include <QApplication>
#include <QProxyStyle>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "app/controls/tradiogroup.h"

namespace orvane {

namespace {

// The style's check and radio marks have a fixed size: on a scaled palette they would
// crowd out their captions and overflow their boxes.
class MarquesALEchelle : public QProxyStyle {
 public:
  MarquesALEchelle(double f, QObject* parent)
      : QProxyStyle(QApplication::style()->name()), f_(f) {
    setParent(parent);
  }

  int pixelMetric(PixelMetric metrique, const QStyleOption* option,
                  const QWidget* widget) const override {
    const int v = QProxyStyle::pixelMetric(metrique, option, widget);
    switch (metrique) {
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight:
      case PM_CheckBoxLabelSpacing:
      case PM_RadioButtonLabelSpacing:
        return std::max(1, a_l_echelle(v, f_));
      default:
        return v;
    }
  }

 private:
  double f_;
};

// Edges rather than sizes are scaled, so that neighbours that touch keep touching.
QRect rectangle_a_l_echelle(const QRect& r, double f) {
  const int gauche = a_l_echelle(r.x(), f);
  const int haut = a_l_echelle(r.y(), f);
  return QRect(gauche, haut, a_l_echelle(r.x() + r.width(), f) - gauche,
               a_l_echelle(r.y() + r.height(), f) - haut);
}

void un_controle(QWidget* controle, double f) {
  controle->setGeometry(rectangle_a_l_echelle(controle->geometry(), f));
  if (controle->testAttribute(Qt::WA_SetFont) && controle->font().pixelSize() > 0) {
    QFont police = controle->font();
    police.setPixelSize(std::max(1, a_l_echelle(police.pixelSize(), f)));
    controle->setFont(police);
  }
  if (auto* groupe = qobject_cast<TRadioGroup*>(controle)) groupe->setEchelle(f);
}

}  // namespace

double facteur_palette(int largeur_ecran) {
  return std::min(1.0, static_cast<double>(largeur_ecran) / kLargeurPalette);
}

int a_l_echelle(int longueur, double f) {
  return static_cast<int>(std::lround(longueur * f));
}

void mettre_a_l_echelle(QWidget* controle, double f) {
  if (f == 1.0) return;
  // Its size from its size, not from its edges: it is placed afterwards.
  const QSize taille = controle->size();
  un_controle(controle, f);
  controle->resize(a_l_echelle(taille.width(), f), a_l_echelle(taille.height(), f));
  for (QWidget* enfant : controle->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    un_controle(enfant, f);
  }
  auto* marques = new MarquesALEchelle(f, controle);
  for (QAbstractButton* bouton : controle->findChildren<QAbstractButton*>()) {
    if (bouton->inherits("QCheckBox") || bouton->inherits("QRadioButton"))
      bouton->setStyle(marques);
  }
}

}  // namespace orvane
