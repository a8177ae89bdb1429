#include "editor/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "editor/editor_modes.h"
#include "editor/editor_state.h"
#include "editor/line_refresh.h"
#include "editor/menu_commands.h"
#include "editor/program_state.h"
#include "editor/sheet_files.h"
#include "editor/sheet_screen.h"
#include "editor/start_up.h"
#include "editor/window_links.h"
#include "platform/ini_file.h"
#include "platform/qt/event_guard.h"
#include "platform/qt/qt_keys.h"
#include "platform/qt/qt_text.h"
#include "platform/timing_marks.h"

namespace vorda {

namespace {

// How a shortcut reads in the menu (the menu shows it; the key itself goes
// through the editor's shortcut table).
QString ShortcutText(std::uint16_t key, ShiftState shift) {
  QString text;
  if (shift & shift::Ctrl) text += "Ctrl+";
  if (shift & shift::Alt) text += "Alt+";
  if (shift & shift::Shift) text += "Shift+";
  if (key >= vk::F1 && key <= vk::F24) return text + "F" + QString::number(key - vk::F1 + 1);
  if (key == vk::Insert) return text + "Ins";
  if (key == vk::Tab) return text + "Tab";
  return text + QChar(key);
}

}  // namespace

TForm1::TForm1(QWidget* parent, const QStringList& arguments, const QString& program_dir)
    : QWidget(parent), canvas_(kSheetWidth, kSheetHeight), store_(canvas_) {
  GuardEvent([&] { FormCreate(arguments, program_dir); });
}

TForm1::~TForm1() {
  Windows().OnCloseMain = nullptr;
  MainWindow() = MainWindowLinks{};
  InstallSheetPictureStore(nullptr);
  InstallSheetCanvas(nullptr);
}

void TForm1::FormCreate(const QStringList& arguments, const QString& program_dir) {
  physical_keys_ = PlatformHasPhysicalKeyCodes();
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  BuildMainMenu();
  resize(kSheetWidth, kSheetHeight + menu_bar_->sizeHint().height());

  connect(qApp, &QGuiApplication::applicationStateChanged, this, &TForm1::AppBringToFront);

  auto& program = Program();
  const QString folder = program_dir.isEmpty() ? QCoreApplication::applicationDirPath() : program_dir;
  program.ProgramDir = QFile::encodeName(folder).toStdString();
  if (program.ProgramDir.empty() || program.ProgramDir.back() != '/') program.ProgramDir += '/';

  // Screens of more than 96 pixels per inch get the smaller font, and the
  // texts on the grid move up a pixel. The pixels per inch are those left after
  // the desktop's whole scale factor: 192 gives 96 (the normal font, every pixel
  // doubled), 240 gives 120.
  auto& ed = Editor();
  ed.LargeFontOffset = 0;
  const int ppi = logicalDpiX();
  if (ppi > 96) {
    canvas_.SetPixelsPerInch(ppi);
    canvas_.SetFontSize(7);
    ed.LargeFontOffset = -1;
  }

  std::vector<std::string> args;
  for (const QString& a : arguments) args.push_back(QFile::encodeName(a).toStdString());
  program.IniPath = IniPathFor(program.ProgramDir, args);
  if (ReadIniAtStart(FileIniStorage(program.IniPath))) move(program.Options.FormLeft, program.Options.FormTop);
  TimingMark("ini");
  program.FirstActivation = true;

  setWindowTitle(ToQString("20 soros és 40 soros UL tápláló program by Quorbel (Win95/98)  v2.32.5"_w));

  // What the editor draws reaches the screen once the event that drew it is
  // done, whichever window's event it was: only the pixels it touched.
  canvas_.SetFirstTouchHandler(
      [this] { QMetaObject::invokeMethod(this, [this] { ShowTouchedPixels(); }, Qt::QueuedConnection); });
  canvas_.SetBrushColor(colors::Black);
  canvas_.FillRect(0, 0, kSheetWidth, kSheetHeight);
  InstallSheetCanvas(&canvas_);
  InstallSheetPictureStore(&store_);
  LoadMapAtStart();
  BuildRecentMenu();

  // A close asked from inside a key or a command is carried out after it, when
  // the editor is back in the mode the close is judged by.
  Windows().OnCloseMain = [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); };
  MainWindow().Enabled = [this] { return isEnabled(); };
  MainWindow().Resize = [this](int dx, int dy) { resize(width() + dx, height() + dy); };
  InstallMenuCommands();
}

void TForm1::BuildMainMenu() {
  menu_bar_ = new QMenuBar(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setMenuBar(menu_bar_);
  layout->addStretch();
  file_menu_ = menu_bar_->addMenu(ToQString("&File"));
  QMenu* sheet_menu = menu_bar_->addMenu(ToQString("&UL tábla"_w));
  // The items of "Rejtett" live only as shortcuts: that menu is never shown.
  for (const MenuItemDef& item : MainMenu1()) {
    const std::string menu = item.menu;
    QMenu* target = menu == "File1" ? file_menu_ : menu == "ULtbla1" ? sheet_menu : nullptr;
    if (!target) continue;
    if (item.caption == "-") {
      target->addSeparator();
      continue;
    }
    QString text = ToQString(item.caption);
    if (item.key != 0) text += "\t" + ShortcutText(item.key, item.shift);
    QAction* action = target->addAction(text);
    action->setObjectName(item.name);
    connect(action, &QAction::triggered, this, [&item] { GuardEvent([&] { RunMenuItem(item); }); });
  }
  // A menu closed from the keyboard leaves the menu bar holding the keys (the
  // next Esc would only leave it); the sheet takes them back at once.
  for (QMenu* menu : {file_menu_, sheet_menu})
    connect(menu, &QMenu::aboutToHide, this, [this] {
      QTimer::singleShot(0, this, [this] {
        if (!QApplication::activePopupWidget() && menu_bar_->hasFocus()) setFocus(Qt::OtherFocusReason);
      });
    });
  QAction* separator = file_menu_->addSeparator();
  separator->setObjectName("FN2");
  fixed_file_items_ = static_cast<int>(file_menu_->actions().size());
  connect(file_menu_, &QMenu::aboutToShow, this, [this] { BuildRecentMenu(); });
}

void TForm1::BuildRecentMenu() {
  // The recent items are made anew from the list; each keeps its file name as
  // its data, the caption only shows it.
  const auto actions = file_menu_->actions();
  for (int i = static_cast<int>(actions.size()) - 1; i >= fixed_file_items_; --i) {
    file_menu_->removeAction(actions[i]);
    actions[i]->deleteLater();
  }
  for (const RecentMenuItem& item : RecentMenuItems()) {
    QAction* action = file_menu_->addAction(ToQString(item.file).replace('&', "&&"));
    action->setObjectName(QString::fromStdString(item.name));
    action->setData(QString::fromStdString(item.file));
    const int position = item.position;
    connect(action, &QAction::triggered, this, [action, position] {
      GuardEvent([&] { RunRecentItem(position, action->data().toString().toStdString()); });
    });
  }
}

void TForm1::AppBringToFront(Qt::ApplicationState state) {
  if (state == Qt::ApplicationActive) raise();
}

void TForm1::FormActivate() { FirstActivation(); }

void TForm1::closeEvent(QCloseEvent* e) {
  bool carried_out = false;
  GuardEvent([&] {
    if (AskToClose() != CloseAnswer::Proceed) return;
    auto& program = Program();
    program.Options.FormLeft = x();
    program.Options.FormTop = y();
    FileIniStorage ini(program.IniPath);
    carried_out = ShutDown(ini);
  });
  update();
  if (carried_out) {
    e->accept();
    emit Closed();
  } else {
    e->ignore();
  }
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
  CountKeyForMarks();
  GuardEvent([&] {
    const VirtualKey k = TranslateKeyEvent(*e, physical_keys_);
    if (k.code == 0) return;
    if (!RunMenuShortcut(k.code, k.shift)) {
      std::uint16_t key = k.code;
      FormKeyDown(key, k.shift);
    }
  });
  e->accept();
}

void TForm1::keyReleaseEvent(QKeyEvent* e) {
  GuardEvent([&] {
    if (e->isAutoRepeat()) return;  // a held key is released once, at the end
    VirtualKey k = TranslateKeyEvent(*e, physical_keys_);
    FormKeyUp(k.code, k.shift);
  });
  e->accept();
}

QRect TForm1::SheetRect() const {
  return QRect(QPoint(0, menu_bar_->height()), canvas_.Image().deviceIndependentSize().toSize());
}

void TForm1::ShowTouchedPixels() {
  const QImage& image = canvas_.Image();
  const qreal ratio = image.devicePixelRatio();
  const QPoint origin = SheetRect().topLeft();
  // Image pixels to the window's own (logical) coordinates, whatever the
  // image's pixel ratio: every pixel that a touched pixel covers.
  for (const QRect& r : canvas_.TakeTouched())
    update(QRectF(r.x() / ratio, r.y() / ratio, r.width() / ratio, r.height() / ratio).toAlignedRect().translated(origin));
}

void TForm1::paintEvent(QPaintEvent* e) {
  GuardEvent([&] {
    QPainter painter(this);
    const QImage& image = canvas_.Image();
    const qreal ratio = image.devicePixelRatio();
    const QRect sheet = SheetRect();
    // Only what is to be shown again: the sheet's pixels under the rectangles
    // asked for, and black where the window is larger than the sheet.
    for (const QRect& r : e->region()) {
      const QRect part = r & sheet;
      if (part.isEmpty()) continue;
      const QRectF source(QPointF(part.topLeft() - sheet.topLeft()) * ratio, QSizeF(part.size()) * ratio);
      painter.drawImage(QRectF(part), image, source);
    }
    if (!sheet.contains(e->region().boundingRect()))
      for (const QRect& r : e->region() - QRegion(sheet)) painter.fillRect(r, Qt::black);
  });
  CountSheetPaintForMarks();
  if (!sheet_shown_ && !Program().FirstActivation) {
    // The first paint after the first activation drew the sheet: the end of the start.
    sheet_shown_ = true;
    TimingMark("first-drawn-sheet");
  }
}

}  // namespace vorda
