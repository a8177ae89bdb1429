// The main window from start to close on the demo folder, twice: what the first
// run leaves in the ini file comes back in the second.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QRect>
#include <filesystem>
#include <gtest/gtest.h>

#include "data/accounts_settings.h"
#include "data/map_grid.h"
#include "data/order_sheet.h"
#include "editor/editor_fixture.h"
#include "editor/editor_modes.h"
#include "editor/menu_commands.h"
#include "editor/qt/main_window.h"
#include "editor/screen_slots.h"
#include "editor/sheet_screen.h"
#include "editor/window_links.h"
#include "platform/ini_file.h"
#include "platform/message_box.h"
#include "support/demo_folder.h"
#include "support/map_fixture.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

class StartToCloseTest : public testing::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    InstallSheetCanvas(nullptr);
    ResetEverything();
    InstallMessageBoxes(&boxes);
    testing::CopyDemoFolder(dir.path());
    ASSERT_TRUE(testing::WriteInventedMapFiles(dir.path()));
  }
  void TearDown() override {
    form.reset();
    InstallMessageBoxes(nullptr);
    ResetEverything();
    EditorFixture::TearDown();
  }
  void ResetEverything() {
    ResetAll();
    ResetSheetScreen();
    ResetEditorModes();
    ResetScreenSlots();
    ResetWindowLinks();
    ResetMenuCommands();
  }

  // A new program run: fresh state, the window created and shown.
  void Start() {
    form.reset();
    ResetEverything();
    form = std::make_unique<TForm1>(nullptr, QStringList{}, QString::fromStdString(dir.path()));
    QObject::connect(form.get(), &TForm1::Closed, [this] { ++closed; });
    form->show();
    for (int i = 0; i < 50 && Program().FirstActivation; ++i) QApplication::processEvents();
    ASSERT_FALSE(Program().FirstActivation);
  }
  void Key(int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(form.get(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(form.get(), &release);
    QApplication::processEvents();
  }

  testing::TempDir dir;
  RecordingMessageBoxes boxes;
  std::unique_ptr<TForm1> form;
  int closed = 0;
};

TEST_F(StartToCloseTest, WhatOneRunLeavesTheNextFindsAgain) {
  Start();
  // The demo's ini file names the sample sheet; the map files are read.
  EXPECT_EQ(Program().IniPath, dir.path() + "/vorda40.ini");
  EXPECT_EQ(SheetModel().Header.KSZ, "1234");
  EXPECT_EQ(SheetModel().Lines.SheetCodes[1], "M");
  EXPECT_EQ(Editor().CursorCell, 10);
  EXPECT_FALSE(FeatureName(1, 1).empty());
  EXPECT_EQ(form->pos(), QPoint(40, 40));

  // Edit, then close: the exit prompt asks; "M" and Enter save and close.
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  Key(Qt::Key_Right);
  Key(Qt::Key_7, "7");
  ASSERT_TRUE(Editor().SheetModified);
  form->close();
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(Editor().EditorMode, 3);
  const QImage prompt = form->grab().toImage();
  EXPECT_TRUE(prompt.save(QDir(QCoreApplication::applicationDirPath()).filePath("main_window_exit_prompt.png")));
  form->close();  // refused behind the prompt, silently
  EXPECT_EQ(Editor().EditorMode, 3);
  Key(Qt::Key_M, "m");
  EXPECT_EQ(Editor().EditorMode, 2);
  Key(Qt::Key_Return);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(boxes.shown.empty());

  const IniProfile ini = IniProfile::Parse(dir.Read("vorda40.ini"));
  EXPECT_EQ(ini.ReadInteger("UL Options", "Active", 0), 31);
  EXPECT_EQ(ini.ReadString("UL Options", "CurrentUL", "", 10), "1234-0012");
  EXPECT_EQ(ini.ReadString("Fordulok", "Last1", "", 255), "1234-0012.ul");
  EXPECT_EQ(ini.ReadInteger("UL Form Options", "PosLeft", 0), 40);
  EXPECT_EQ(ini.ReadInteger("UL Send Options", "SMTPPort", 0), 25);
  EXPECT_FALSE(dir.Read("beallit.cfg").empty());

  // The next run: the same sheet, the edit in it, the cursor where it was.
  Start();
  EXPECT_EQ(SheetModel().Lines.SheetParams[3][0], 57);
  EXPECT_EQ(Editor().CursorCell, 31);
  EXPECT_FALSE(Editor().SheetModified);
  form->close();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(closed, 2);
}


TEST_F(StartToCloseTest, SavedWithF2AndClosedWithEscTheNextRunStartsWhereThisOneEnded) {
  Start();
  form->move(120, 70);
  Key(Qt::Key_Down);
  Key(Qt::Key_Right);
  Key(Qt::Key_Right);
  Key(Qt::Key_9, "9");
  ASSERT_TRUE(Editor().SheetModified);
  const std::uint16_t cursor = Editor().CursorCell;
  Key(Qt::Key_F2);
  ASSERT_EQ(Editor().EditorMode, 2);
  Key(Qt::Key_Return);
  EXPECT_EQ(Editor().EditorMode, 1);
  EXPECT_FALSE(Editor().SheetModified);
  Key(Qt::Key_Escape);  // no prompt: the sheet is saved
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(closed, 1);
  EXPECT_TRUE(boxes.shown.empty());

  Start();
  EXPECT_EQ(SheetModel().Header.KSZ, "1234");
  EXPECT_EQ(SheetModel().Lines.SheetParams[2][1], 49);  // 4, then the 9 typed
  EXPECT_EQ(Editor().CursorCell, cursor);
  EXPECT_EQ(form->pos(), QPoint(120, 70));
}

// The demo's first run shows the map window beside the sheet; the notebook,
// once Ctrl+F5 shows it, must not cover the map's coordinate boxes.
TEST_F(StartToCloseTest, TheDemoPlacesTheNotebookBelowTheMapWindow) {
  const IniProfile ini = IniProfile::Parse(dir.Read("vorda40.ini"));
  const QRect map(ini.ReadInteger("UL Map Options", "PosLeft", 0), ini.ReadInteger("UL Map Options", "PosTop", 0),
                  520, 434 + 40);  // its fixed client area, a title bar and borders
  const QRect notes(ini.ReadInteger("UL Notes Options", "PosLeft", 0),
                    ini.ReadInteger("UL Notes Options", "PosTop", 0), ini.ReadInteger("UL Notes Options", "Width", 0),
                    ini.ReadInteger("UL Notes Options", "Height", 0));
  EXPECT_FALSE(map.intersects(notes)) << notes.top();
  EXPECT_LE(notes.bottom(), 1024 - 40);  // on a 1280 x 1024 screen, with room for a title bar
}

}  // namespace
}  // namespace vorda
