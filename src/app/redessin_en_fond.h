#pragma once

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <memory>

#include "app/systeme.h"
#include "journal/rendu_echelle.h"

class QThread;
class QWidget;

namespace orvane {

// How a re-drawing in the background ended.
enum class IssueRedessin { Ecrite, Annulee, Echec };

// A re-drawing written to a picture file on a worker thread, its progress in a dialog whose
// "Annuler" stops it at the next step and leaves no file. The window goes on answering
// meanwhile; the dialog keeps the user from starting another.
class RedessinEnFond : public QObject {
  Q_OBJECT
 public:
  RedessinEnFond(QWidget* fenetre, Dessin dessin, ChoixEchelle choix, QString chemin);
  // Stops the work and waits for it.
  ~RedessinEnFond() override;

  QProgressDialog* dialogue() const { return dialogue_; }

 signals:
  // Once, on the window's thread; `message` is the failure's sentence.
  void terminee(IssueRedessin issue, const QString& message);

 private:
  // On the worker thread.
  void travailler();
  void montrer_progres();
  void finir();

  const Dessin dessin_;
  const ChoixEchelle choix_;
  const QString chemin_;
  std::atomic<bool> arret_{false};
  std::atomic<std::int64_t> fait_{0};
  std::atomic<std::int64_t> total_{0};
  std::atomic<bool> enregistrement_{false};
  // Written by the worker, read once it has finished.
  IssueRedessin issue_ = IssueRedessin::Annulee;
  QString message_;
  QPointer<QProgressDialog> dialogue_;
  QTimer minuterie_;
  std::unique_ptr<QThread> fil_;
};

}  // namespace orvane
