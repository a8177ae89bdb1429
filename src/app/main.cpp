// vorda40: the order-sheet planner. It reads its files (the ini file, the game
// tables, the accounts and settings) from the folder the executable stands in;
// one command-line argument names another ini file in that folder.
#include <QApplication>

#include "platform/win1250.h"
#include "editor/qt/main_window.h"
#include "editor/qt/notebook_window.h"
#include "editor/qt/settings_window.h"
#include "editor/qt/turn_comparison_window.h"
#include "encyclopedia/qt/encyclopedia_window.h"
#include "mail/qt/email_dialog_window.h"
#include "mail/qt/send_dialog_window.h"
#include "map/qt/map_window.h"
#include "map/qt/picture_store.h"
#include "platform/message_box.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/timing_marks_qt.h"
#include "platform/timing_marks.h"

int main(int argc, char** argv) {
  vorda::TimingMark("main");
  // The sheet is drawn pixel by pixel for 96 dots per inch: Qt must not scale
  // the window on a screen of more; the window uses its smaller font there.
  if (qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING")) qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
  QApplication app(argc, argv);
  vorda::StartTimingMarks(app);
  vorda::TimingMark("app");
  const std::string title = "Vorda40 UL tervező program"_w;
  QApplication::setApplicationName(vorda::ToQString(title));
  // The program ends with its main window, whatever other windows are shown.
  QApplication::setQuitOnLastWindowClosed(false);

  vorda::QtMessageBoxes boxes(title);
  vorda::InstallMessageBoxes(&boxes);
  vorda::QtDesktop desktop;
  vorda::InstallDesktop(&desktop);
  int result = 0;
  {
    vorda::TForm1 form(nullptr, QApplication::arguments().mid(1));
    // The map's picture store and window come right after the main window,
    // which has read the options and loaded the map by then.
    vorda::TForm4 map_pictures;
    vorda::TForm3 map_window(map_pictures);
    boxes.SetParent(&form);
    desktop.SetParent(&form);
    vorda::TForm2 email_dialog(&form);
    vorda::TForm5 send_dialog(&form);
    vorda::TForm6 settings(&form);
    vorda::TForm7 encyclopedia(&form, &map_window);
    vorda::TForm8 comparison(&form);
    vorda::TForm9 notebook(&form);
    vorda::TimingMark("windows");
    QObject::connect(&form, &vorda::TForm1::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    form.show();
    form.activateWindow();
    result = QApplication::exec();
  }
  vorda::InstallDesktop(nullptr);
  vorda::InstallMessageBoxes(nullptr);
  return result;
}
