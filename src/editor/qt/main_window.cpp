#include "editor/qt/main_window.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "editor/editor_modes.h"
#include "editor/editor_state.h"
#include "editor/line_refresh.h"
#include "editor/program_state.h"
#include "editor/sheet_files.h"
#include "editor/sheet_screen.h"
#include "editor/window_links.h"
#include "platform/qt/event_guard.h"
#include "platform/qt/qt_keys.h"
#include "platform/qt/qt_text.h"

namespace vorda {

TForm1::TForm1(QWidget* parent)
    : QWidget(parent), canvas_(kSheetWidth, kSheetHeight), store_(canvas_.Image()) {
  GuardEvent([this] { FormCreate(); });
}

TForm1::~TForm1() {
  Windows().OnCloseMain = nullptr;
  InstallSheetPictureStore(nullptr);
  InstallSheetCanvas(nullptr);
}

void TForm1::FormCreate() {
  physical_keys_ = PlatformHasPhysicalKeyCodes();
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(kSheetWidth, kSheetHeight);

  auto& program = Program();
  program.ProgramDir = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString() + "/";

  // Screens of more than 96 pixels per inch get the smaller font, and the
  // texts on the grid move up a pixel.
  auto& ed = Editor();
  ed.LargeFontOffset = 0;
  const int ppi = logicalDpiX();
  if (ppi > 96) {
    canvas_.SetPixelsPerInch(ppi);
    canvas_.SetFontSize(7);
    ed.LargeFontOffset = -1;
  }

  for (auto& slot : program.RecentSheets) slot.clear();
  SheetModel().Header.KSZ = "0000";
  SheetModel().Header.SZLA = "00000";
  program.FirstActivation = true;

  setWindowTitle(ToQString("20 soros és 40 soros UL tápláló program by Quorbel (Win95/98)  v2.32.5"_w));

  canvas_.SetBrushColor(colors::Black);
  canvas_.FillRect(0, 0, kSheetWidth, kSheetHeight);
  InstallSheetCanvas(&canvas_);
  InstallSheetPictureStore(&store_);
  Windows().OnCloseMain = [this] { close(); };
}

void TForm1::FormActivate() {
  auto& program = Program();
  if (!program.FirstActivation) return;
  program.FirstActivation = false;
  LoadAccountsAndSettingsAtStart(program.ProgramDir);

  auto& ed = Editor();
  ed.EditorReady = true;
  ed.EditorMode = 1;
  ed.ColorMarkup = true;
  ed.CursorCell = 10;
  ed.SheetModified = false;

  // No ini file names a sheet to open: the sheet starts empty.
  LoadGameDataFiles(program.ProgramDir);
  DrawSheetFrame();
  RedrawSheet();
  UpdateStatusLine(1);
  MoveCursor(10);
  Windows().RefreshMap(true);
  update();
}

void TForm1::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (activation_queued_) return;
  activation_queued_ = true;
  // After the window is up, so that a message of the start-up shows over it.
  QTimer::singleShot(0, this, [this] { GuardEvent([this] { FormActivate(); }); });
}

bool TForm1::event(QEvent* e) {
  // Tab and Ctrl+Tab would move the focus; on the sheet they are keys.
  if (e->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(e);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return QWidget::event(e);
}

bool TForm1::focusNextPrevChild(bool /*next*/) { return false; }

void TForm1::keyPressEvent(QKeyEvent* e) {
  GuardEvent([&] {
    const VirtualKey k = TranslateKeyEvent(*e, physical_keys_);
    if (k.code == 0) return;
    if (!RunMenuShortcut(k.code, k.shift)) {
      std::uint16_t key = k.code;
      FormKeyDown(key, k.shift);
    }
    update();
  });
  e->accept();
}

void TForm1::keyReleaseEvent(QKeyEvent* e) {
  GuardEvent([&] {
    if (e->isAutoRepeat()) return;  // a held key is released once, at the end
    VirtualKey k = TranslateKeyEvent(*e, physical_keys_);
    FormKeyUp(k.code, k.shift);
    update();
  });
  e->accept();
}

void TForm1::paintEvent(QPaintEvent* /*e*/) {
  GuardEvent([this] {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage(QPoint(0, 0), canvas_.Image());
  });
}

}  // namespace vorda
