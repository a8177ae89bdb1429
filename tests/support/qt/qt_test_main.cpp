// The one main of every Qt test program: an application on the offscreen
// platform (unless one is set), scaled as the program is, kept alive while the
// tests close windows.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/qt/desktop_scale.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  vorda::UseWholeDesktopScale();  // as the program does
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // the tests close windows
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
