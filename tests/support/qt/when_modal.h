#pragma once
// Runs a step on a modal window (a box, a dialog) as soon as it is up, for
// tests of windows whose exec() only returns once it is answered.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace vorda::testing {

template <typename Window>
void WhenModalIsUp(std::function<void(Window&)> answer) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    if (!window) return;
    timer->stop();
    timer->deleteLater();
    answer(*window);
  });
  timer->start(10);
}

}  // namespace vorda::testing
