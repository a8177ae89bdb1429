#include "platform/qt/window_placement.h"

#include <QRect>
#include <QWidget>

namespace vorda {

void CentreOnMainWindow(QWidget* self, const QWidget* main) {
  if (!main) return;
  const QRect m = main->frameGeometry();
  const QRect own = self->frameGeometry();
  self->move(m.left() + (m.width() - own.width()) / 2, m.top() + (m.height() - own.height()) / 2);
}

void ShowInFront(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace vorda
