#pragma once

#include <QApplication>

namespace orvane {

class Systeme;

// The application object. An error raised in any handler ends that handler and is shown in
// the error box; the program goes on.
class ApplicationOrvane : public QApplication {
  Q_OBJECT
 public:
  ApplicationOrvane(int& argc, char** argv);

  void setSysteme(Systeme* systeme) { systeme_ = systeme; }
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  Systeme* systeme_ = nullptr;
};

}  // namespace orvane
