// The one main of every Qt test program: an application on the offscreen
// platform (unless one is set), kept alive while the tests close windows.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // the tests close windows
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
