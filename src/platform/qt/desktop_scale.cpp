#include "platform/qt/desktop_scale.h"

#include <QGuiApplication>

namespace vorda {

void UseWholeDesktopScale() {
  // Floor: 1.25 and 1.5 give 1, 2.5 gives 2. Qt keeps the rest of the dots per
  // inch as the logical dots per inch of the screen.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
}

}  // namespace vorda
