// The palette's seven settings kept between runs in the settings file.
#include <QFileInfo>

#include "app/nombres.h"
#include "app/repertoire_donnees.h"
#include "app/tform1.h"
#include "persistence/ecritures_interrompues.h"
#include "persistence/fichier_parametres.h"

namespace orvane {

namespace {

// Line 5's default: the palette's start-up colour.
const QString kCouleurPaletteDefaut = QString::number(kCouleurPaletteDepart);

}  // namespace

QString TForm1::chemin_parametres() const {
  return repertoire_reglages(systeme_.chemin_programme()) + QStringLiteral("/orvane.prm");
}

void TForm1::charge_parametres() {
  const QString chemin = chemin_parametres();
  // From now on the palette holds the file's settings, or the defaults standing for a
  // missing file or a bad line: leaving may write them.
  parametres_lus_ = true;
  // Applied line by line: a line that is not a number stops here, the lines before it
  // already applied.
  Edit3->setText(lire_parametre(chemin, 1, QStringLiteral("10")));
  RadioGroup_type_trace->setItemIndex(StrToInt(lire_parametre(chemin, 2, QStringLiteral("0"))));
  RadioGroup_symetrie->setItemIndex(StrToInt(lire_parametre(chemin, 3, QStringLiteral("0"))));
  CheckBox_panel_disparait_auto->setChecked(
      texte_en_bool(lire_parametre(chemin, 4, QStringLiteral("0"))));
  Panel1->setColor(static_cast<Colour>(StrToInt(lire_parametre(chemin, 5, kCouleurPaletteDefaut))));
  Label_rep->setCaption(
      lire_parametre(chemin, 6, repertoire_images(systeme_.chemin_programme())));
  // What a killed save of an earlier run left beside the last pictures saved.
  supprimer_ecritures_interrompues(Label_rep->Caption());
  Edit_nom_generique->setText(lire_parametre(chemin, 7, QStringLiteral("image.bmp")));
}

void TForm1::sauve_parametres() {
  // A window never activated never read the file: its palette holds the defaults, not the
  // user's settings, which must stay.
  if (!parametres_lus_ && QFileInfo::exists(chemin_parametres())) return;
  // One replacement of the file for the seven lines: a quit cut short leaves the previous
  // file whole.
  ecrire_parametres(
      {
          {1, Edit3->Text()},
          {2, QString::number(RadioGroup_type_trace->ItemIndex())},
          {3, QString::number(RadioGroup_symetrie->ItemIndex())},
          {4, bool_en_texte(CheckBox_panel_disparait_auto->Checked())},
          {5, QString::number(static_cast<qint32>(Panel1->Color()))},
          {6, Label_rep->Caption()},
          {7, Edit_nom_generique->Text()},
      },
      chemin_parametres());
}

}  // namespace orvane
