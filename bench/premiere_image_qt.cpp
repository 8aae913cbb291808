// The start-up's floor: the least a Qt Widgets program does to show a full-screen black
// canvas with a strip of the palette's colour at the bottom, which is what bench/startup.sh
// waits for. Run through that script beside the program:
//   bash bench/startup.sh build/bench/premiere_image_qt 5 1366x768
#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class Ecran final : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter peintre(this);
    peintre.fillRect(rect(), Qt::black);
    peintre.fillRect(0, height() - 120, width(), 120, QColor(255, 128, 64));
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  Ecran ecran;
  // Without a window manager, full screen alone leaves a small window.
  ecran.setGeometry(QApplication::primaryScreen()->geometry());
  ecran.showFullScreen();
  return QApplication::exec();
}
