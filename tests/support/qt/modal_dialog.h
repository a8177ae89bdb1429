#pragma once
// For tests of code that shows a modal dialog and waits for it: the answer is
// given from the event loop the dialog runs.
#include <QApplication>
#include <QTimer>
#include <functional>

namespace vorda::testing {

// Runs `answer` on the application's modal dialog of type T once it is up.
template <typename T>
void WhenModalIsUp(std::function<void(T&)> answer) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!dialog) return;
    timer->stop();
    timer->deleteLater();
    answer(*dialog);
  });
  timer->start(10);
}

}  // namespace vorda::testing
