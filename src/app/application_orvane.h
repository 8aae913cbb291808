#pragma once

#include <QApplication>

namespace orvane {

// The application object: its names. Errors never reach it; they are caught where Qt
// calls into Orvane (app/controls/frontiere.h).
class ApplicationOrvane : public QApplication {
  Q_OBJECT
 public:
  ApplicationOrvane(int& argc, char** argv);
};

}  // namespace orvane
