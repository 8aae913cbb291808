#include "app/systeme.h"

#include <QApplication>
#include <QColorDialog>
#include <QCursor>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "app/controls/couleurs_qt.h"
#include "app/dialogue_echelle.h"
#include "app/dialogue_film.h"

namespace orvane {

QSize SystemeQt::taille_ecran() {
  const QScreen* ecran = QGuiApplication::primaryScreen();
  return ecran ? ecran->geometry().size() : QSize(1024, 768);
}

QString SystemeQt::chemin_programme() { return QCoreApplication::applicationFilePath(); }

void SystemeQt::SetCursorPos(int x, int y) { QCursor::setPos(x, y); }

QPoint SystemeQt::GetCursorPos() { return QCursor::pos(); }

void SystemeQt::curseur_ecran(int code) {
  if (code == curseur_) return;
  if (curseur_ != crDefault) QApplication::restoreOverrideCursor();
  curseur_ = code;
  switch (code) {
    case crCross: QApplication::setOverrideCursor(Qt::CrossCursor); break;
    case crHourGlass: QApplication::setOverrideCursor(Qt::WaitCursor); break;
    case crArrow: QApplication::setOverrideCursor(Qt::ArrowCursor); break;
    default: curseur_ = crDefault; break;
  }
}

namespace {

// Runs a modal dialog, then hands the keyboard back to the window that had it. A window
// manager would do this; a bare X server leaves the focus on the vanished dialog.
int executer(QDialog& dialogue) {
  const QPointer<QWidget> avant = QApplication::activeWindow();
  const int resultat = dialogue.exec();
  QWidget* fenetre = avant ? avant.data() : dialogue.parentWidget();
  if (fenetre) fenetre = fenetre->window();
  if (fenetre && fenetre->isVisible()) fenetre->activateWindow();
  return resultat;
}

QString chemin_choisi(QFileDialog& dialogue) {
  if (executer(dialogue) != QDialog::Accepted) return QString();
  const QStringList choisis = dialogue.selectedFiles();
  return choisis.isEmpty() ? QString() : choisis.first();
}

void preparer(QFileDialog& dialogue, const DialogueImage& d) {
  dialogue.setWindowTitle(d.titre);
  dialogue.setDirectory(d.repertoire);
  dialogue.setNameFilter(d.filtre);
  dialogue.setDefaultSuffix(d.extension_defaut);
  if (!d.nom_propose.isEmpty()) dialogue.selectFile(d.nom_propose);
}

}  // namespace

std::optional<Colour> SystemeQt::choisir_couleur(QWidget* parent, Colour initiale,
                                                 CasesPerso& perso) {
  // Qt keeps one set of slots for the whole process (and may store it between runs): the
  // program's own set is put in at every use.
  for (int i = 0; i < 16; ++i)
    QColorDialog::setCustomColor(i, vers_qcolor(perso[static_cast<size_t>(i)]));
  QColorDialog dialogue(vers_qcolor(initiale), parent);
  // Native dialogs have no custom colours.
  dialogue.setOption(QColorDialog::DontUseNativeDialog);
  const bool ok = executer(dialogue) == QDialog::Accepted;
  for (int i = 0; i < 16; ++i) {
    const QColor c = QColorDialog::customColor(i);
    perso[static_cast<size_t>(i)] = RGB(c.red(), c.green(), c.blue());
  }
  if (!ok) return std::nullopt;
  const QColor choisie = dialogue.selectedColor();
  return RGB(choisie.red(), choisie.green(), choisie.blue());
}

bool SystemeQt::question(QWidget* parent, const QString& titre, const QString& texte) {
  QMessageBox boite(QMessageBox::Question, titre, texte, QMessageBox::NoButton, parent);
  QPushButton* oui = boite.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
  QPushButton* non = boite.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
  boite.setDefaultButton(oui);
  boite.setEscapeButton(non);
  executer(boite);
  return boite.clickedButton() == oui;
}

namespace {

void boite_message(QWidget* parent, QMessageBox::Icon icone, const QString& texte) {
  QMessageBox boite(icone, QApplication::applicationDisplayName(), texte, QMessageBox::Ok, parent);
  executer(boite);
}

}  // namespace

void SystemeQt::message(QWidget* parent, const QString& texte) {
  boite_message(parent, QMessageBox::Information, texte);
}

void SystemeQt::erreur(QWidget* parent, const QString& texte) {
  boite_message(parent, QMessageBox::Critical, texte);
}

QString SystemeQt::ouvrir_image(QWidget* parent, const DialogueImage& d) {
  QFileDialog dialogue(parent);
  dialogue.setAcceptMode(QFileDialog::AcceptOpen);
  dialogue.setFileMode(QFileDialog::ExistingFile);
  preparer(dialogue, d);
  return chemin_choisi(dialogue);
}

QString SystemeQt::enregistrer_image(QWidget* parent, const DialogueImage& d) {
  QFileDialog dialogue(parent);
  dialogue.setAcceptMode(QFileDialog::AcceptSave);
  dialogue.setFileMode(QFileDialog::AnyFile);
  preparer(dialogue, d);
  return chemin_choisi(dialogue);
}

std::optional<ChoixEchelle> SystemeQt::choisir_echelle(QWidget* parent, QSize taille,
                                                       ChoixEchelle initial) {
  DialogueEchelle dialogue(taille, initial, parent);
  if (executer(dialogue) != QDialog::Accepted) return std::nullopt;
  return dialogue.choix();
}

std::optional<ChoixFilm> SystemeQt::choisir_film(QWidget* parent, QSize taille,
                                                 ChoixFilm initial) {
  DialogueFilm dialogue(taille, initial, parent);
  if (executer(dialogue) != QDialog::Accepted) return std::nullopt;
  return dialogue.choix();
}

void SystemeQt::terminer() { QApplication::exit(0); }

}  // namespace orvane
