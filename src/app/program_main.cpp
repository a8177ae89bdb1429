#include "app/program_main.h"

#include <QApplication>

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
#include "platform/qt/desktop_scale.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/qt_translation.h"
#include "platform/qt/timing_marks_qt.h"
#include "platform/timing_marks.h"
#include "platform/win1250.h"

namespace vorda {

int ProgramMain(int argc, char** argv) {
  TimingMark("main");
  UseWholeDesktopScale();
  QApplication app(argc, argv);
  StartTimingMarks(app);
  TimingMark("app");
  // Qt's own buttons and file dialog in Hungarian like the rest (English when
  // Qt's translation is not installed).
  InstallQtHungarian();
  const std::string title = "Vorda40 UL tervező program"_w;
  QApplication::setApplicationName(ToQString(title));
  // The program ends with its main window, whatever other windows are shown.
  QApplication::setQuitOnLastWindowClosed(false);

  QtMessageBoxes boxes(title);
  InstallMessageBoxes(&boxes);
  QtDesktop desktop;
  InstallDesktop(&desktop);
  int result = 0;
  {
    TForm1 form(nullptr, QApplication::arguments().mid(1));
    // The map's picture store and window come right after the main window,
    // which has read the options and loaded the map by then.
    TForm4 map_pictures;
    TForm3 map_window(map_pictures);
    boxes.SetParent(&form);
    desktop.SetParent(&form);
    TForm2 email_dialog(&form, ControlsMade::AtFirstShow);
    TForm5 send_dialog(&form, ControlsMade::AtFirstShow);
    TForm6 settings(&form, ControlsMade::AtFirstShow);
    TForm7 encyclopedia(&form, &map_window, ControlsMade::AtFirstShow);
    TForm8 comparison(&form, ControlsMade::AtFirstShow);
    TForm9 notebook(&form, ControlsMade::AtFirstShow);
    TimingMark("windows");
    QObject::connect(&form, &TForm1::Closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    form.show();
    form.activateWindow();
    result = QApplication::exec();
  }
  InstallDesktop(nullptr);
  InstallMessageBoxes(nullptr);
  return result;
}

}  // namespace vorda
