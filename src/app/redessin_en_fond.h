#pragma once

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <thread>

#include "app/systeme.h"
#include "journal/rendu_echelle.h"

class QWidget;

namespace orvane {

// How a re-drawing in the background ended: written to its file, drawn for the window,
// cancelled or failed.
enum class IssueRedessin { Ecrite, Dessinee, Annulee, Echec };

// A re-drawing on a worker thread, its progress in a dialog whose "Annuler" stops it
// within a moment, even inside one heavy stroke. It is either written to a picture file,
// which a stop leaves unwritten, or handed to the window (an opened journal), which a stop
// leaves as it was. The window goes on answering meanwhile; the dialog, modal to it, keeps
// the user from drawing or starting another.
class RedessinEnFond : public QObject {
  Q_OBJECT
 public:
  // Written at the chosen scale into `chemin`.
  RedessinEnFond(QWidget* fenetre, Dessin dessin, ChoixEchelle choix, QString chemin);
  // Drawn at scale 1 for the window, which takes it with prendre_image() once ended as
  // Dessinee; `texte` says what is drawn.
  RedessinEnFond(QWidget* fenetre, Dessin dessin, const QString& texte);
  // Stops the work and waits for it.
  ~RedessinEnFond() override;

  QProgressDialog* dialogue() const { return dialogue_; }
  Bitmap prendre_image() { return std::move(image_); }

 signals:
  // Once, on the window's thread; `message` is the failure's sentence.
  void terminee(IssueRedessin issue, const QString& message);

 private:
  void demarrer(QWidget* fenetre, const QString& texte);
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
  Bitmap image_;
  QPointer<QProgressDialog> dialogue_;
  QTimer minuterie_;
  // Joined, not a QThread waited for: QThread::wait synchronises through Qt's own mutex, which
  // ThreadSanitizer cannot see, and it would take the members' destruction for a race.
  std::thread fil_;
};

}  // namespace orvane
