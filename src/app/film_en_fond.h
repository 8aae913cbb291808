#pragma once

#include <QObject>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <thread>

#include "film/reglages_film.h"
#include "journal/journal.h"

class QWidget;

namespace orvane {

// How a film in the background ended.
enum class IssueFilmFond { Ecrit, Vide, Annule, Echec };

// A film of the journal made on a worker thread, its progress in a dialog whose "Annuler"
// stops it within a moment and leaves no file. The window goes on answering meanwhile;
// the dialog, modal to it, keeps the user from drawing or starting another.
class FilmEnFond : public QObject {
  Q_OBJECT
 public:
  FilmEnFond(QWidget* fenetre, Journal journal, const ReglagesFilm& reglages, QString chemin);
  // Stops the work and waits for it.
  ~FilmEnFond() override;

  QProgressDialog* dialogue() const { return dialogue_; }

 signals:
  // Once, on the window's thread; `message` is the failure's sentence.
  void termine(IssueFilmFond issue, const QString& message);

 private:
  // On the worker thread.
  void travailler();
  void montrer_progres();
  void finir();

  const Journal journal_;
  const ReglagesFilm reglages_;
  const QString chemin_;
  std::atomic<bool> arret_{false};
  std::atomic<bool> mesure_{true};
  std::atomic<std::int64_t> fait_{0};
  std::atomic<std::int64_t> total_{0};
  // Written by the worker, read once it has finished.
  IssueFilmFond issue_ = IssueFilmFond::Annule;
  QString message_;
  QPointer<QProgressDialog> dialogue_;
  QTimer minuterie_;
  // Joined, not a QThread waited for: QThread::wait synchronises through Qt's own mutex, which
  // ThreadSanitizer cannot see, and it would take the members' destruction for a race.
  std::thread fil_;
};

}  // namespace orvane
