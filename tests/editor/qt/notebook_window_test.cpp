#include "editor/qt/notebook_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "editor/notebook.h"
#include "editor/program_state.h"
#include "editor/start_up.h"
#include "editor/window_links.h"
#include "platform/ini_file.h"
#include "platform/qt/qt_text.h"
#include "platform/win1250.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

class NotebookWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    Reset();
    Program().ProgramDir = dir.path() + "/";
  }
  void TearDown() override { Reset(); }
  static void Reset() {
    testing::ResetAllState();
    ResetWindowLinks();
    ResetNotebook();
    ResetProgramState();
  }

  testing::TempDir dir;
};

TEST_F(NotebookWindow, ShowsTheCharactersNotesAndSavesThemOnClose) {
  LoadCharacterTable("1234 Gorbul\r\n");
  SheetModel().Header.KSZ = "1234";
  std::filesystem::create_directory(dir.path() + "/notesz");
  dir.Write("notesz/1234.not", "Kincs a barlangban\r\nŐrök: 3 troll\r\n"_w);
  {
    TForm9 form;
    EXPECT_FALSE(form.isVisible());  // ShowNotes is off
    EXPECT_EQ(form.size(), QSize(100, 100));
    form.resize(435, 300);
    Windows().ShowNotebook();
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.Memo()->toPlainText(), QString::fromUtf8("Kincs a barlangban\nŐrök: 3 troll"));
    EXPECT_TRUE(form.grab().save(QDir(QCoreApplication::applicationDirPath()).filePath("notebook.png")));

    form.Memo()->appendPlainText(QString::fromUtf8("Új: kulcs"));
    form.close();
    EXPECT_EQ(dir.Read("notesz/1234.not"), "Kincs a barlangban\r\nŐrök: 3 troll\r\nÚj: kulcs\r\n"_w);
    EXPECT_FALSE(Program().Options.ShowNotes);
    ASSERT_TRUE(Windows().OnNotebookPlace);
    EXPECT_EQ(Windows().OnNotebookPlace().Width, 435);  // a closed window keeps its size for the ini file
  }
  EXPECT_FALSE(Windows().OnNotebookPlace);
  EXPECT_FALSE(Windows().OnNotebookLoad);

  {  // the program ends with the notebook open and changed
    TForm9 form;
    Windows().ShowNotebook();
    form.Memo()->appendPlainText(ToQString("Utolsó"_w));
  }
  EXPECT_EQ(dir.Read("notesz/1234.not"), "Kincs a barlangban\r\nŐrök: 3 troll\r\nÚj: kulcs\r\nUtolsó\r\n"_w);
}

// The ini file gets the notebook's own place and size, read when the program
// closes, and the next run puts it there again.
TEST_F(NotebookWindow, ItsPlaceAndSizeAreReadAtCloseAndHoldFromRunToRun) {
  FileIniStorage ini(dir.path() + "/vorda40.ini");
  auto form = std::make_unique<TForm9>();
  form->move(700, 10);
  form->resize(435, 300);
  Windows().ShowNotebook();
  QCoreApplication::processEvents();
  for (int run = 1; run <= 3; ++run) {
    ASSERT_TRUE(ShutDown(ini));
    const IniProfile written = IniProfile::Parse(dir.Read("vorda40.ini"));
    EXPECT_EQ(written.ReadInteger("UL Notes Options", "PosLeft", 0), 700) << run;
    EXPECT_EQ(written.ReadInteger("UL Notes Options", "PosTop", 0), 10) << run;
    EXPECT_EQ(written.ReadInteger("UL Notes Options", "Width", 0), 435) << run;
    EXPECT_EQ(written.ReadInteger("UL Notes Options", "Height", 0), 300) << run;
    EXPECT_EQ(written.ReadInteger("UL Notes Options", "ShowNotes", 0), 1) << run;

    form.reset();
    ResetNotebook();
    ResetProgramState();
    Program().ProgramDir = dir.path() + "/";
    ASSERT_TRUE(ReadIniAtStart(ini));
    form = std::make_unique<TForm9>();
    QCoreApplication::processEvents();
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->geometry().size(), QSize(435, 300)) << run;
    EXPECT_EQ(form->pos(), QPoint(700, 10)) << run;
  }
  form.reset();
}

// As the program makes it: its controls come with its first show, and the
// window shows the character's notes and takes typed keys as one made whole.
TEST_F(NotebookWindow, ControlsMadeAtTheFirstShowLookAndWorkTheSame) {
  LoadCharacterTable("1234 Gorbul\r\n");
  SheetModel().Header.KSZ = "1234";
  std::filesystem::create_directory(dir.path() + "/notesz");
  dir.Write("notesz/1234.not", "Őrök: 3 troll\r\n"_w);
  auto& o = Program().Options;
  o.NotesWidth = 435;
  o.NotesHeight = 300;
  QImage whole;
  {
    TForm9 form;
    Windows().ShowNotebook();
    QCoreApplication::processEvents();
    whole = form.grab().toImage();
  }
  o.ShowNotes = false;  // as the ini file gives it: not shown at creation
  TForm9 form(nullptr, ControlsMade::AtFirstShow);
  EXPECT_TRUE(form.findChildren<QWidget*>().isEmpty());  // nothing made before it is shown
  Windows().ShowNotebook();
  QCoreApplication::processEvents();
  ASSERT_TRUE(form.isVisible());
  EXPECT_EQ(form.grab().toImage(), whole);

  QApplication::setActiveWindow(&form);
  form.Memo()->setFocus();
  for (const int key : {Qt::Key_End, Qt::Key_X}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_X ? QStringLiteral("x") : QString());
    QApplication::sendEvent(form.Memo(), &press);
  }
  EXPECT_EQ(Notebook().Text, "Őrök: 3 trollx"_w);
  form.close();
  EXPECT_EQ(dir.Read("notesz/1234.not"), "Őrök: 3 trollx\r\n"_w);
}

// Before its first show the start asks the notebook for its load at the first
// activation and the close for its place and size: made with its controls
// waiting, it writes to the ini file what one made whole writes, and makes no
// control for it. Shown at start by the ini file, it makes them at that show;
// the least size of its controls holds then, in both ways alike.
TEST_F(NotebookWindow, ControlsMadeAtTheFirstShowGiveTheIniFileTheSamePlaceAndSize) {
  struct Case {
    bool shown;
    int width, height;
  };
  const Case cases[] = {{false, 435, 300}, {false, 0, 0}, {false, 20, 10}, {true, 435, 300}, {true, 20, 10}};
  for (const Case& c : cases) {
    std::string written[2];
    for (const ControlsMade made : {ControlsMade::AtCreation, ControlsMade::AtFirstShow}) {
      Reset();
      Program().ProgramDir = dir.path() + "/";
      auto& o = Program().Options;
      o.NotesLeft = 700;
      o.NotesTop = 10;
      o.NotesWidth = c.width;
      o.NotesHeight = c.height;
      o.ShowNotes = c.shown;
      TForm9 form(nullptr, made);
      QCoreApplication::processEvents();
      Windows().NotebookLoad();
      EXPECT_EQ(form.findChildren<QWidget*>().isEmpty(), made == ControlsMade::AtFirstShow && !c.shown)
          << c.shown << " " << c.width;
      FileIniStorage ini(dir.path() + "/vorda40.ini");
      ASSERT_TRUE(ShutDown(ini));
      written[made == ControlsMade::AtFirstShow] = dir.Read("vorda40.ini");
    }
    const IniProfile ini = IniProfile::Parse(written[1]);
    const int width = ini.ReadInteger("UL Notes Options", "Width", 0);
    if (c.shown)
      EXPECT_GE(width, c.width);
    else
      EXPECT_EQ(width, c.width == 0 ? 100 : c.width);
    EXPECT_EQ(written[1], written[0]) << c.shown << " " << c.width;
  }
}

}  // namespace
}  // namespace vorda
