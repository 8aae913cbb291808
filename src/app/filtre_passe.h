#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class QEvent;
class QWidget;

namespace orvane {

// While a long operation runs inside a handler: the screen goes on being repainted and the
// stop button can be clicked, and no other event reaches the program's handlers. Keys are
// dropped; mouse and window events and the ticks of the given timers are held and put back
// in the queue, in their order, when the filter ends, so they are handled afterwards.
// A filter made while another one is active leaves everything to the outer one.
class FiltrePasse : public QObject {
 public:
  explicit FiltrePasse(const QWidget* bouton_arret = nullptr,
                       std::vector<const QObject*> minuteries = {},
                       const QObject* fenetre = nullptr);
  ~FiltrePasse() override;
  FiltrePasse(const FiltrePasse&) = delete;
  FiltrePasse& operator=(const FiltrePasse&) = delete;

  // Handles what is waiting: repaints, clicks on the stop button.
  static void traiter_evenements();

 protected:
  bool eventFilter(QObject* cible, QEvent* evenement) override;

 private:
  struct Retenu {
    QPointer<QObject> cible;
    std::unique_ptr<QEvent> evenement;
  };

  bool vers_le_bouton_arret(QObject* cible, const QEvent* evenement);
  void retenir(QObject* cible, const QEvent* evenement);

  static FiltrePasse* actif_;
  bool installe_ = false;
  const QWidget* bouton_arret_;
  std::vector<const QObject*> minuteries_;
  const QObject* fenetre_;  // the window whose resizing would replace the picture
  bool bouton_enfonce_ = false;
  std::vector<Retenu> retenus_;
};

// Drops every key event waiting to be handled; mouse events stay queued.
void vide_clavier();

}  // namespace orvane
