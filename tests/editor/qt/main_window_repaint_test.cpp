// The main window shows again only what the editor's drawing touched: after
// every key the screen holds the sheet image to the pixel, the menu bar is not
// painted with the sheet, and a typed digit repaints a small part of the window.
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPaintEvent>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

#include "editor/editor_fixture.h"
#include "editor/editor_modes.h"
#include "editor/menu_commands.h"
#include "editor/qt/main_window.h"
#include "editor/screen_slots.h"
#include "editor/sheet_screen.h"
#include "editor/window_links.h"
#include "platform/message_box.h"
#include "support/demo_folder.h"
#include "support/map_fixture.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

// What each widget was asked to paint.
class PaintRecorder : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* e) override {
    if (e->type() == QEvent::Paint) regions[watched] += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
  std::map<QObject*, QRegion> regions;
};

class MainWindowRepaintTest : public testing::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    InstallSheetCanvas(nullptr);
    ResetSheetScreen();
    ResetEditorModes();
    ResetScreenSlots();
    ResetWindowLinks();
    ResetMenuCommands();
    InstallMessageBoxes(&boxes);
    testing::CopyDemoFolder(dir.path());
    ASSERT_TRUE(testing::WriteInventedMapFiles(dir.path()));
    form = std::make_unique<TForm1>(nullptr, QStringList{}, QString::fromStdString(dir.path()));
    form->show();
    for (int i = 0; i < 50 && Program().FirstActivation; ++i) QApplication::processEvents();
    ASSERT_FALSE(Program().FirstActivation);
    Settle();
    form->installEventFilter(&paints);
    menu = form->findChild<QMenuBar*>();
    ASSERT_NE(menu, nullptr);
    menu->installEventFilter(&paints);
  }
  void TearDown() override {
    form.reset();
    InstallMessageBoxes(nullptr);
    ResetEditorModes();
    ResetWindowLinks();
    ResetMenuCommands();
    EditorFixture::TearDown();
  }
  static void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }
  void Key(int key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(form.get(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(form.get(), &release);
    Settle();
  }
  // The sheet as the screen shows it: the window's pixels below the menu bar
  // (one of the screen's pixels for each of the window's, when the screen has
  // more than one for each).
  QImage Shown() const {
    QImage window = form->windowHandle()->screen()->grabWindow(form->winId()).toImage();
    const qreal ratio = form->devicePixelRatioF();
    if (ratio != 1)
      window = window.scaled(qRound(window.width() / ratio), qRound(window.height() / ratio), Qt::IgnoreAspectRatio,
                             Qt::FastTransformation);
    return window.copy(QRect(QPoint(0, menu->height()), QSize(680, 545))).convertToFormat(QImage::Format_RGB32);
  }
  // Pixels where the screen and the sheet image differ ("x,y" texts).
  std::string Differences() const {
    const QImage shown = Shown();
    const QImage& sheet = form->SheetImage().Image();
    std::string out;
    for (int y = 0; y < sheet.height() && out.size() < 200; ++y)
      for (int x = 0; x < sheet.width(); ++x)
        if (shown.pixel(x, y) != sheet.pixel(x, y)) out += std::to_string(x) + "," + std::to_string(y) + " ";
    return out;
  }

  testing::TempDir dir;
  RecordingMessageBoxes boxes;
  std::unique_ptr<TForm1> form;
  QMenuBar* menu = nullptr;
  PaintRecorder paints;
};

// Keys of every kind: moves, digits, letters, line operations, the resource
// view on and off.
const struct {
  int key;
  const char* text;
} kKeys[] = {{Qt::Key_Down, ""},   {Qt::Key_Right, ""},    {Qt::Key_7, "7"},      {Qt::Key_Plus, "+"},
              {Qt::Key_Return, ""}, {Qt::Key_M, "m"},       {Qt::Key_Backspace, ""}, {Qt::Key_Insert, ""},
              {Qt::Key_V, "v"},     {Qt::Key_E, "e"},       {Qt::Key_Right, ""},   {Qt::Key_4, "4"},
              {Qt::Key_F4, ""},     {Qt::Key_Down, ""},     {Qt::Key_F4, ""},      {Qt::Key_Delete, ""},
              {Qt::Key_F8, ""},     {Qt::Key_Space, ""},    {Qt::Key_F6, ""},      {Qt::Key_F6, ""},
              {Qt::Key_Up, ""},     {Qt::Key_Delete, ""}};

TEST_F(MainWindowRepaintTest, AfterEveryKeyTheScreenShowsTheSheetImage) {
  ASSERT_EQ(Differences(), "");
  for (const auto& k : kKeys) {
    Key(k.key, QString::fromLatin1(k.text), k.key == Qt::Key_Plus ? Qt::KeypadModifier : Qt::NoModifier);
    ASSERT_EQ(Differences(), "") << "after key " << std::hex << k.key;
  }
  // The entry box over the sheet and the sheet after it is gone again.
  for (int i = 0; i < 12; ++i) Key(Qt::Key_Down);
  for (int i = 0; i < 3; ++i) Key(Qt::Key_Left);
  Key(Qt::Key_B, "b");
  Key(Qt::Key_E, "e");
  Key(Qt::Key_Right);
  Key(Qt::Key_F7);
  ASSERT_EQ(Editor().EditorMode, 8);
  EXPECT_EQ(Differences(), "");
  Key(Qt::Key_2, "2");
  Key(Qt::Key_Return);
  ASSERT_EQ(Editor().EditorMode, 1);
  EXPECT_EQ(Differences(), "");
}

// In the window's own coordinates, whatever the screen's pixels for each of
// them (run at 1 and at 2): every pixel of the sheet that a key changed is
// painted again, and the menu bar is no part of it.
TEST_F(MainWindowRepaintTest, EveryKeyRepaintsWhatItChangedAndNotTheMenuBar) {
  for (const auto& k : kKeys) {
    const QImage before = form->SheetImage().Image().copy();
    paints.regions.clear();
    Key(k.key, QString::fromLatin1(k.text), k.key == Qt::Key_Plus ? Qt::KeypadModifier : Qt::NoModifier);
    const QImage& after = form->SheetImage().Image();
    const QRegion painted = paints.regions[form.get()];
    for (int y = 0; y < after.height(); ++y) {
      for (int x = 0; x < after.width(); ++x) {
        if (before.pixel(x, y) == after.pixel(x, y)) continue;
        ASSERT_TRUE(painted.contains(QPoint(x, y + menu->height())))
            << x << "," << y << " after key " << std::hex << k.key;
      }
    }
    EXPECT_EQ(paints.regions.count(menu), 0u) << "after key " << std::hex << k.key;
  }
}

TEST_F(MainWindowRepaintTest, ATypedDigitRepaintsItsLineAndTheStatusLineOnly) {
  Key(Qt::Key_Down);
  Key(Qt::Key_Right);
  paints.regions.clear();
  Key(Qt::Key_5, "5");
  EXPECT_EQ(paints.regions.count(menu), 0u) << "the menu bar is no part of the sheet's repaint";
  const QRegion painted = paints.regions[form.get()];
  ASSERT_FALSE(painted.isEmpty());
  std::int64_t area = 0;
  for (const QRect& r : painted) area += std::int64_t{r.width()} * r.height();
  EXPECT_LT(area, 680 * 545 / 10);
  const int top = menu->height();
  EXPECT_TRUE(painted.intersects(QRect(70, top + 22, 28, 12)));  // line 2's first parameter
  EXPECT_TRUE(painted.intersects(QRect(52, top + 498, 35, 12)));  // the check number
}

}  // namespace
}  // namespace vorda
