// The help panel laid out for its text: a readable font at any palette scale, a panel as
// large as the text needs, and a scroll bar only where the screen is too small for it.
#include <QScrollBar>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

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
      l.setLeadingIncluded(true);
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
  // The style draws a nearly white thumb on a light groove, which reads as the groove.
  Memo1->verticalScrollBar()->setStyleSheet(QStringLiteral(
      "QScrollBar:vertical { background: #E4E4E4; width: 12px; margin: 0; }"
      "QScrollBar::handle:vertical { background: #707070; min-height: 24px;"
      " margin: 2px; border-radius: 4px; }"
      "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
      "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));

  const QStringList lignes = Memo1->toPlainText().split(u'\n');
  // The frame and the document's margin on both sides; 2 pixels for the cursor at a line's
  // end.
  const int marge = static_cast<int>(std::ceil(Memo1->document()->documentMargin()));
  const int cadre = 2 * (Memo1->frameWidth() + marge);
  const int largeur_texte =
      static_cast<int>(std::ceil(place_du_texte(lignes, police, 1e6).width())) + 2;
  // The box counts the document's margin twice in its height and once more in its room.
  QSize memo(largeur_texte + cadre,
             static_cast<int>(std::ceil(place_du_texte(lignes, police, largeur_texte).height())) +
                 cadre + marge + 2);

  // The panel's borders, at the palette's scale; the panel keeps a border's width of the
  // screen around it.
  const int bord = a_l_echelle(8, f);
  const int haut = a_l_echelle(34, f);
  const int bas = a_l_echelle(14, f);
  const QSize ecran = taille_ecran();
  const int hauteur_libre = ecran.height() - haut - bas - 2 * bord;
  // Decided here, not by the text box: laid out at its first size, the text may have taken
  // a scroll bar whose room then wraps lines, which keeps the bar.
  const bool trop_long = memo.height() > hauteur_libre;
  if (trop_long) {
    memo.setHeight(hauteur_libre);
    memo.rwidth() += Memo1->verticalScrollBar()->sizeHint().width();
  }
  memo.setWidth(std::min(memo.width(), ecran.width() - 4 * bord));
  Memo1->setGeometry(bord, haut, memo.width(), memo.height());
  Panel8->resize(2 * bord + memo.width(), haut + memo.height() + bas);
  SpeedButton_exit_help->move(Panel8->width() - a_l_echelle(34, f), SpeedButton_exit_help->y());

  Memo1->setVerticalScrollBarPolicy(trop_long ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

}  // namespace orvane
