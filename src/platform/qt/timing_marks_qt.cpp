#include "platform/qt/timing_marks_qt.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QSocketNotifier>

#include "platform/timing_marks.h"

namespace vorda {

namespace {

int g_signal_pipe[2] = {-1, -1};

void OnSignal(int) {
  const char byte = 1;
  // Nothing else is safe in a signal handler; the event loop makes the mark.
  [[maybe_unused]] const ssize_t n = ::write(g_signal_pipe[1], &byte, 1);
}

class PaintCounter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Paint) CountPaintForMarks();
    return QObject::eventFilter(watched, e);
  }
};

}  // namespace

void StartTimingMarks(QCoreApplication& app) {
  if (!TimingMarksOn()) return;
  app.installEventFilter(new PaintCounter(&app));
  if (::pipe2(g_signal_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier = new QSocketNotifier(g_signal_pipe[0], QSocketNotifier::Read, &app);
  QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
    char bytes[16];
    while (::read(g_signal_pipe[0], bytes, sizeof bytes) > 0) {
    }
    TimingMark("signal");
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGUSR1, &action, nullptr);
}

}  // namespace vorda
