// The palette's reactions: slide-out, colours, centre choice and the draw-mode rules.
#include "app/echelle_palette.h"
#include "app/nombres.h"
#include "app/tform1.h"

namespace orvane {

namespace {

// Rows of the pen-mode list and the mix mode each selects.
constexpr int kModeDeLaLigne[16] = {
    R2_COPYPEN,     R2_MERGEPEN,   R2_MASKPEN,     R2_MERGENOTPEN,
    R2_XORPEN,      R2_BLACK,      R2_WHITE,       R2_NOP,
    R2_NOT,         R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
    R2_MASKNOTPEN,  R2_NOTMERGEPEN, R2_NOTMASKPEN, R2_NOTXORPEN,
};

}  // namespace

void TForm1::Panel1MouseMove(int x, int) {
  Timer1->setInterval(10000);
  masquage_en_cours = false;
  Panel1->move(Panel1->x(), haut_palette);
  const int marge = a_l_echelle(50, echelle_palette);
  const bool marges =
      x < RadioGroup_peindre_dessiner->x() - marge || x > Panel4->x() + marge;
  if (marges != conseils_palette_) {
    conseils_palette_ = marges;
    appliquer_conseils_palette();
  }
}

void TForm1::appliquer_conseils_palette() {
  const auto conseil = [this](const char16_t* texte) {
    return conseils_palette_ ? QString::fromUtf16(texte) : QString();
  };
  Panel1->setToolTip(conseil(u"click droit pour changer la couleur  du menu "));
  Label_rep->setConseilSuiviDuTexte(conseil(u"répertoire de la dernière images enregistrée "));
  Edit_nom_generique->setToolTip(conseil(u"nom générique des images  "));
}

void TForm1::Timer1Timer() {
  Timer1->setInterval(10000);
  if (masquage_arme) masquage_en_cours = true;
}

void TForm1::Timer2Timer() {
  if (!CheckBox_panel_disparait_auto->Checked()) return;
  Timer2->setInterval(20);
  if (!masquage_en_cours) return;
  palette_detachee_ = true;
  if (Panel1->y() < taille_ecran().height()) {
    Panel1->move(Panel1->x(), Panel1->y() + 1);
  } else {
    _ws();
  }
}

std::optional<Colour> TForm1::dialogue_couleur() {
  CasesPerso cases = ColorDialog1.cases();
  const std::optional<Colour> choisie = systeme_.choisir_couleur(this, couleur_dialogue_, cases);
  if (choisie) {
    couleur_dialogue_ = *choisie;
    ColorDialog1.ecrire_cases(cases);  // kept only on OK
  }
  return choisie;
}

void TForm1::Panel1MouseDown(Qt::MouseButton bouton) {
  if (bouton != Qt::RightButton) return;
  if (const auto c = dialogue_couleur()) Panel1->setColor(*c);
}

void TForm1::Panel4Click() {
  if (const auto c = dialogue_couleur()) {
    Panel4->setColor(*c);
    Panel1->setColor(Panel4->Color());
  }
}

void TForm1::Panel10Click() {
  if (const auto c = dialogue_couleur()) Panel10->setColor(*c);
}

void TForm1::Panel12Click() { Panel8->setVisible(!Panel8->Visible()); }

void TForm1::SpeedButton_exit_helpClick() { Panel8->setVisible(false); }

void TForm1::Panel_crayonClick() {
  if (const auto c = dialogue_couleur()) {
    RadioGroup_couleur_crayon->setItemIndex(1);
    Panel_crayon->setColor(*c);
    couleur_crayon = Panel_crayon->Color();
    Panel9->setColor(Panel_crayon->Color());
  }
  RadioGroup_peindre_dessiner->setItemIndex(0);
}

void TForm1::Panel_peintureClick() {
  if (const auto c = dialogue_couleur()) {
    RadioGroup_couleur_peinture->setItemIndex(1);
    Panel_peinture->setColor(*c);
    couleur_peinture = Panel_peinture->Color();
  }
  RadioGroup_peindre_dessiner->setItemIndex(1);
}

void TForm1::Panel3Click() {
  Label1->setCaption(QStringLiteral("clik au centre"));
  choix_centre = true;
  systeme_.curseur_ecran(crCross);
  _ws();
}

void TForm1::RadioGroup_couleur_crayonClick() { RadioGroup_peindre_dessiner->setItemIndex(0); }

void TForm1::RadioGroup_couleur_peintureClick() { RadioGroup_peindre_dessiner->setItemIndex(1); }

void TForm1::RadioGroup_symetrieClick() { _ws(); }

void TForm1::RadioGroup_type_traceClick() {
  RadioGroup_peindre_dessiner->setItemIndex(0);
  _ws();
}

void TForm1::RadioGroup_peindre_dessinerClick() {
  regle_mode_peinture();
  _ws();
}

void TForm1::RadioGroup_peindre_dessinerEnter() {
  regle_mode_peinture();
  _ws();
}

void TForm1::regle_mode_peinture() {
  const int m = RadioGroup_peindre_dessiner->ItemIndex();
  if (m != 1 && m != 2) return;
  if (m == 2) {
    if (RadioGroup_couleur_crayon->ItemIndex() == 0) {
      couleur_crayon = couleur_crayon_precedente;
      Panel_crayon->setColor(couleur_crayon);
      Panel9->setColor(couleur_crayon);
    }
    RadioGroup_couleur_crayon->setItemIndex(1);
    RadioGroup_peindre_dessiner->setItemIndex(2);
  }
  // A fill always runs under "crayon"; the trace type's own reaction would select
  // "dessiner" again, so it is not run here.
  RadioGroup_type_trace->setItemIndexSilently(0);
}

void TForm1::ComboBox1Click() {
  const int ligne = ComboBox1->ItemIndex();
  if (ligne < 0 || ligne >= 16) return;
  mode_crayon = kModeDeLaLigne[ligne];
  canvas().pen.mode = mode_crayon;
  _ws();
}

void TForm1::UpDown5Changing() { nombre_clones = StrToInt(Edit6->Text()); }

void TForm1::Edit6Change() { nombre_clones = StrToInt(Edit6->Text()); }

void TForm1::CheckBox_ombre_1Click() {
  if (CheckBox_ombre_1->Checked()) CheckBox_ombre_2->setChecked(false);
}

void TForm1::CheckBox_ombre_2Click() {
  if (CheckBox_ombre_2->Checked()) CheckBox_ombre_1->setChecked(false);
}

}  // namespace orvane
