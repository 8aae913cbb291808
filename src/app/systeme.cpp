#include "app/systeme.h"

#include <QApplication>
#include <QColorDialog>
#include <QCursor>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

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

std::optional<Colour> SystemeQt::choisir_couleur(QWidget* parent, Colour initiale) {
  const QColor depart(rouge(initiale), vert(initiale), bleu(initiale));
  const QColor choisie = QColorDialog::getColor(depart, parent);
  if (!choisie.isValid()) return std::nullopt;
  return RGB(choisie.red(), choisie.green(), choisie.blue());
}

bool SystemeQt::question(QWidget* parent, const QString& titre, const QString& texte) {
  QMessageBox boite(QMessageBox::Question, titre, texte, QMessageBox::NoButton, parent);
  QPushButton* oui = boite.addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
  QPushButton* non = boite.addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
  boite.setDefaultButton(oui);
  boite.setEscapeButton(non);
  boite.exec();
  return boite.clickedButton() == oui;
}

void SystemeQt::message(QWidget* parent, const QString& texte) {
  QMessageBox::information(parent, QApplication::applicationDisplayName(), texte);
}

QString SystemeQt::ouvrir_image(QWidget* parent, const QString& repertoire) {
  return QFileDialog::getOpenFileName(parent, QString(), repertoire,
                                      QStringLiteral("Images BMP (*.bmp);;Tous (*)"));
}

QString SystemeQt::enregistrer_image(QWidget* parent, const QString& chemin_propose) {
  return QFileDialog::getSaveFileName(parent, QString(), chemin_propose,
                                      QStringLiteral("Images BMP (*.bmp)"));
}

void SystemeQt::terminer() { QApplication::exit(0); }

}  // namespace orvane
