// The floor the program's start is measured against (scripts/bench): a bare Qt
// Widgets window of the main window's size that paints itself black, started
// the way vorda40 starts (the same scaling settings), marking the end of its
// first paint as the program marks its first drawn sheet. Arguments: the
// window's width and height (default 680 x 564, the main window under Xvfb).
#include <QApplication>
#include <QPainter>
#include <QWidget>

#include "platform/timing_marks.h"

namespace {

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.end();
    if (painted_) return;
    painted_ = true;
    vorda::TimingMark("first-drawn-sheet");
  }

 private:
  bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  vorda::TimingMark("main");
  if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING")) qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
  QApplication app(argc, argv);
  vorda::TimingMark("app");
  const QStringList args = QApplication::arguments();
  BareWindow window;
  window.setAttribute(Qt::WA_OpaquePaintEvent);
  window.resize(args.size() > 2 ? args[1].toInt() : 680, args.size() > 2 ? args[2].toInt() : 564);
  window.show();
  return QApplication::exec();
}
