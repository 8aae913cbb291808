#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class QEvent;
class QWidget;

namespace orvane {

// Lets a long pass run inside a handler while the screen goes on being repainted and the
// stop button can be clicked, and no other event reaches the program's handlers: keys are
// dropped; mouse and window events and the ticks of the given timers are held and handled
// after the pass, in their order, each with its own position, buttons and target widget.
// It is installed once, with the window: an application filter installed while an event
// goes through the filters makes the toolkit hand that event to the next filter twice.
class FiltrePasse : public QObject {
 public:
  FiltrePasse(const QWidget* bouton_arret, std::vector<const QObject*> minuteries,
              const QObject* fenetre, QObject* parent);
  ~FiltrePasse() override;

  // Passes may nest; the held events go back when the outermost one ends.
  void commencer() { ++profondeur_; }
  void finir();
  bool actif() const { return profondeur_ > 0; }

  // Handles what is waiting: repaints, clicks on the stop button.
  static void traiter_evenements();

 protected:
  bool eventFilter(QObject* cible, QEvent* evenement) override;

 private:
  struct Retenu {
    QPointer<QObject> cible;
    std::unique_ptr<QEvent> evenement;
  };

  void retenir(QObject* cible, const QEvent* evenement);
  static void rejouer(std::vector<Retenu>& retenus);

  const QWidget* bouton_arret_;
  std::vector<const QObject*> minuteries_;
  const QObject* fenetre_;  // the window whose resizing would replace the picture
  int profondeur_ = 0;
  std::vector<Retenu> retenus_;
};

// The filter active for the lifetime of a scope.
class PasseFiltree {
 public:
  explicit PasseFiltree(FiltrePasse& filtre) : filtre_(filtre) { filtre_.commencer(); }
  ~PasseFiltree() { filtre_.finir(); }
  PasseFiltree(const PasseFiltree&) = delete;
  PasseFiltree& operator=(const PasseFiltree&) = delete;

 private:
  FiltrePasse& filtre_;
};

}  // namespace orvane
