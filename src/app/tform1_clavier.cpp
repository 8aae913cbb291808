// Keyboard commands: the window sees every key before the focused control.
#include "app/nombres.h"
#include "app/raccourcis.h"
#include "app/tform1.h"
#include "app/touches.h"

namespace orvane {

namespace {

// The pen-mode list's row (1..16) chosen by a character, by its digit or by the character
// the same key gives unshifted on a French keyboard; 0 for none.
int ligne_du_caractere(unsigned char c) {
  switch (c) {
    case '1': case '&': return 1;
    case '2': case 0xE9: return 2;
    case '3': case '"': return 3;
    case '4': case '\'': return 4;
    case '5': case '(': return 5;
    case '6': case '-': return 6;
    case '7': case 0xE8: return 7;
    case '8': case '_': return 8;
    case '9': case 0xE7: return 9;
    case '0': case 0xE0: return 10;
    case 'Q': case 'q': return 11;
    case 'S': case 's': return 12;
    case 'D': case 'd': return 13;
    case 'F': case 'f': return 14;
    case 'G': case 'g': return 15;
    case 'H': case 'h': return 16;
    default: return 0;
  }
}

}  // namespace

bool TForm1::palette_visible_a_l_ecran() const {
  return Panel1->Visible() && Panel1->y() < taille_ecran().height();
}

void TForm1::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
  if (const Raccourci raccourci = raccourci_de(key, shift); raccourci != Raccourci::Aucun) {
    lancer_raccourci(raccourci);
    return;
  }
  commande_touche(key);
  if (shift.testFlag(Qt::ControlModifier) && !touche_de_modification(key)) {
    // A Ctrl held for another key (Ctrl+A, Ctrl+C in a box) is a chord, not a centre.
    annuler_choix_centre_du_ctrl();
    return;
  }
  const Qt::KeyboardModifiers etats = shift & (Qt::ShiftModifier | Qt::ControlModifier |
                                               Qt::AltModifier);
  if (etats == Qt::ControlModifier) {
    // What a chord's Ctrl puts back.
    if (!choix_centre) avant_ctrl_ = RadioGroup_peindre_dessiner->ItemIndex();
    choix_centre = true;
    systeme_.curseur_ecran(crCross);
    RadioGroup_peindre_dessiner->setItemIndex(0);
  }
}

void TForm1::commande_touche(int code) {
  if ((code == 0x1B || code == 0x7B) && !Panel8->Visible()) demande_quitter();
  if (code == 0x20) {
    Edit2->setText(QString());
    if (Panel1->Visible() && Panel1->y() < taille_ecran().height()) {
      Panel1->setVisible(false);
    } else if (Panel1->Visible()) {
      Panel1->move(Panel1->x(), haut_palette);
    } else {
      Panel1->setVisible(true);
      Panel1->move(Panel1->x(), haut_palette);
    }
    _ws();
  }
  if (code == 0x45) nouvelle_toile();
  if (code == 0x50) RadioGroup_peindre_dessiner->setItemIndex(1);
  if (code == 0x43) Panel3Click();
  if (code == 0x4B) coloriage_aleatoire();
  if (code == 0x70) Panel12Click();
  if (code == 0x1B) Panel8->setVisible(false);
  if (code == 0x73) affiche_fic_precedent();
  if (code == 0x74) affiche_fic_suivant();
}

bool TForm1::FormKeyPress(unsigned char key) {
  if (palette_visible_a_l_ecran()) return false;
  if (const int ligne = ligne_du_caractere(key)) {
    ComboBox1->setItemIndex(ligne - 1);
    ComboBox1Click();
  }
  if (key == 'W' || key == 'w') change_epaisseur(-4);
  if (key == 'X' || key == 'x') change_epaisseur(4);
  return true;
}

void TForm1::change_epaisseur(int pas) {
  long long v = StrToInt(Edit3->Text());
  v += pas;
  if (v <= 0) v = 1;
  if (v > std::numeric_limits<int>::max()) v = std::numeric_limits<int>::max();
  Edit3->setText(QString::number(v));
}

void TForm1::Edit1KeyPress(QChar& key) {
  if (key == u' ') key = QChar();
}

}  // namespace orvane
