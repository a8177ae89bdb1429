// The main window from start to close on the demo folder, twice: what the first
// run leaves in the ini file comes back in the second.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRect>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

#include "data/accounts_settings.h"
#include "data/map_grid.h"
#include "data/order_sheet.h"
#include "editor/editor_fixture.h"
#include "editor/editor_modes.h"
#include "editor/menu_commands.h"
#include "editor/notebook.h"
#include "editor/qt/main_window.h"
#include "editor/qt/notebook_window.h"
#include "editor/screen_slots.h"
#include "editor/sheet_screen.h"
#include "editor/window_links.h"
#include "platform/ini_file.h"
#include "platform/message_box.h"
#include "support/demo_folder.h"
#include "platform/win1250.h"
#include "support/map_fixture.h"
#include "support/temp_dir.h"
#include "support/write_faults.h"

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
    ResetNotebook();
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

// The disk is full while the program runs. The sheet's prompt comes first;
// its "K" leads to the one box with the files not written. "Vissza" keeps the
// window with everything as it was (the sheet's changes count again);
// "Kilépés mentés nélkül" closes it with no further box, the notebook window's
// own save, as the program's end closes it, included.
TEST_F(StartToCloseTest, AFullDiskAsksOnceAndBothAnswersAreKept) {
  Start();
  TForm9 notes(form.get());
  Windows().ShowNotebook();
  ASSERT_TRUE(notes.isVisible());
  notes.Memo()->setPlainText("kincs a barlangban");
  Key(Qt::Key_Down);
  Key(Qt::Key_Right);
  Key(Qt::Key_7, "7");
  ASSERT_TRUE(Editor().SheetModified);
  const std::string ini_before = dir.Read("vorda40.ini");
  const std::string sheet_before = dir.Read("1234-0012.ul");
  {
    const testing::ScopedWriteFault full(WriteStep::Write, ENOSPC);
    boxes.choice = 0;
    Key(Qt::Key_Escape);
    EXPECT_EQ(Editor().EditorMode, 3);  // the sheet's own prompt first
    EXPECT_TRUE(boxes.shown.empty());
    Key(Qt::Key_K, "k");
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("\rnotesz/1234.not (a(z) 1234 karakter jegyzetei): nincs elég hely a lemezen"_w),
              std::string::npos);
    EXPECT_NE(boxes.shown[0].text.find("\rvorda40.ini (a program beállításai): nincs elég hely a lemezen"_w),
              std::string::npos);
    EXPECT_EQ(notes.Memo()->toPlainText(), "kincs a barlangban");  // nothing lost
    EXPECT_TRUE(Editor().SheetModified);
    EXPECT_EQ(Editor().EditorMode, 1);

    boxes.choice = 1;
    Key(Qt::Key_Escape);
    Key(Qt::Key_K, "k");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(closed, 1);
    notes.close();  // as the program's end closes every window
  }
  EXPECT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(dir.Read("vorda40.ini"), ini_before);
  EXPECT_EQ(dir.Read("1234-0012.ul"), sheet_before);
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "/notesz/1234.not"));
  EXPECT_TRUE(testing::TempFilesIn(dir.path()).empty());
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
