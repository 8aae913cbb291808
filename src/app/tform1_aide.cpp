// The help panel laid out for its text: a readable font at any palette scale, a panel as
// large as the text needs, and a scroll bar only where the screen is too small for it.
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "app/controls/couleurs_qt.h"
#include "app/echelle_palette.h"
#include "app/tform1.h"

namespace orvane {

namespace {

// The room the help's text takes, laid out line by line as the text box lays it out: its
// widest line, and its height with the lines wrapped at `largeur`.
QSizeF place_du_texte(const QStringList& lignes, const QFont& police, double largeur) {
  QSizeF place;
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  for (const QString& ligne : lignes) {
    QTextLayout mise(ligne, police);
    mise.setTextOption(option);
    mise.beginLayout();
    for (QTextLine l = mise.createLine(); l.isValid(); l = mise.createLine()) {
      l.setLineWidth(largeur);
      place.rheight() += l.height();
    }
    mise.endLayout();
    place.rwidth() = std::max(place.width(), mise.maximumWidth());
  }
  return place;
}

}  // namespace

void TForm1::disposer_panneau_aide(double f) {
  mettre_a_l_echelle(Panel8, f);
  QFont police = Memo1->font();
  police.setPixelSize(std::max(kPoliceAideMin, police.pixelSize()));
  Memo1->setFont(police);

  const QStringList lignes = Memo1->toPlainText().split(u'\n');
  // The frame and the document's margin on both sides; the cursor's room at a line's end.
  const int marge = static_cast<int>(std::ceil(Memo1->document()->documentMargin()));
  const int cadre = 2 * (Memo1->frameWidth() + marge);
  const int largeur_texte =
      static_cast<int>(std::ceil(place_du_texte(lignes, police, 1e6).width())) + 2;
  QSize memo(largeur_texte + cadre,
             static_cast<int>(std::ceil(place_du_texte(lignes, police, largeur_texte).height())) +
                 cadre + 1);

  // The panel's borders, at the palette's scale; the panel keeps a border's width of the
  // screen around it.
  const int bord = a_l_echelle(8, f);
  const int haut = a_l_echelle(34, f);
  const int bas = a_l_echelle(14, f);
  const QSize ecran = taille_ecran();
  const int hauteur_libre = ecran.height() - haut - bas - 2 * bord;
  if (memo.height() > hauteur_libre) {
    memo.setHeight(hauteur_libre);
    memo.rwidth() += Memo1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Memo1);
  }
  memo.setWidth(std::min(memo.width(), ecran.width() - 4 * bord));
  Memo1->setGeometry(bord, haut, memo.width(), memo.height());
  Panel8->resize(2 * bord + memo.width(), haut + memo.height() + bas);
  SpeedButton_exit_help->move(Panel8->width() - a_l_echelle(34, f), SpeedButton_exit_help->y());

  // The style's nearly white thumb on a white groove reads as the groove.
  QScrollBar* barre = Memo1->verticalScrollBar();
  QPalette couleurs = barre->palette();
  couleurs.setColor(QPalette::Button, vers_qcolor(clGray));
  couleurs.setColor(QPalette::Window, vers_qcolor(0xE8E8E8));
  barre->setPalette(couleurs);
}

}  // namespace orvane
