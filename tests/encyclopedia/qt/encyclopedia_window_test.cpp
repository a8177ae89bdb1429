#include "encyclopedia/qt/encyclopedia_window.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QTextBlock>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

#include "data/order_sheet.h"
#include "editor/editor_state.h"
#include "editor/menu_commands.h"
#include "editor/program_state.h"
#include "editor/settings_dialog.h"
#include "editor/window_links.h"
#include "encyclopedia/encyclopedia_fixture.h"
#include "encyclopedia/encyclopedia_state.h"
#include "platform/message_box.h"
#include "platform/qt/qt_text.h"
#include "platform/win1250.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

class EncyclopediaWindowTest : public testing::FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    ResetEditorState();
    ResetProgramState();
    ResetWindowLinks();
    ResetEncyclopediaState();
    InstallMessageBoxes(&boxes);
    // The demo encyclopedia, in a folder of the test's own.
    const char* source = std::getenv("VORDA_SOURCE_DIR");
    const std::filesystem::path root =
        source ? std::filesystem::path(source) : std::filesystem::path(__FILE__).parent_path() / "../../..";
    for (const char* name : {"TEXT.IDX", "TEXT.DTA"})
      std::filesystem::copy_file(root / "demo" / name, std::filesystem::path(dir.path()) / name);
    Program().ProgramDir = dir.path() + "/";
    Program().Options.Lexor = dir.path() + "/";
  }
  void TearDown() override {
    form.reset();
    main.reset();
    InstallMessageBoxes(nullptr);
    ResetWindowLinks();
    ResetEncyclopediaState();
    FreshState::TearDown();
  }

  void Open() {
    main = std::make_unique<QWidget>();
    main->resize(680, 545);
    main->show();
    form = std::make_unique<TForm7>(main.get());
  }

  testing::TempDir dir;
  RecordingMessageBoxes boxes;
  std::unique_ptr<QWidget> main;
  std::unique_ptr<TForm7> form;
};

TEST_F(EncyclopediaWindowTest, CommandShowsTheEntryUnderTheCursor) {
  Open();
  EXPECT_EQ(Encyclopedia().EncyclopediaTextMode, 0);
  EXPECT_EQ(form->windowTitle(), ToQString("Enciklopédia a Lexorből"_w));
  EXPECT_EQ(form->Enc().toPlainText(), "Enc");

  SheetModel().Lines.SheetCodes[1] = "A";
  SheetModel().Lines.SheetParams[1] = {1, 0, 0};
  Editor().CursorCell = 11;
  Lexor1Click();  // the main window's command
  ASSERT_TRUE(form->isVisible());
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(form->StatusPanel().text(), ToQString("Keresett  tárgy: #1"_w));

  const QTextBlock first = form->Enc().document()->firstBlock();
  EXPECT_EQ(first.text(), ToQString("Rövid kard"_w));
  const QTextCharFormat bold = first.begin().fragment().charFormat();
  EXPECT_EQ(bold.fontWeight(), QFont::Bold);
  EXPECT_EQ(bold.foreground().color(), QColor(180, 0, 0));
  EXPECT_EQ(bold.fontPointSize(), 9.0);  // \fs18: 9 points, Courier New's fixed pitch
  EXPECT_TRUE(bold.fontFixedPitch());
  const QTextBlock second = first.next();
  EXPECT_TRUE(second.text().startsWith(ToQString("Egykezes"_w)));
  EXPECT_NE(second.begin().fragment().charFormat().fontWeight(), QFont::Bold);
  EXPECT_FALSE(form->Enc().toPlainText().contains(ToQString("szerkesztői"_w)));  // a "$" line

  // Active, it disables the main window; Esc closes it and enables it again.
  QApplication::setActiveWindow(form.get());
  for (int i = 0; i < 10; ++i) QApplication::processEvents();
  EXPECT_FALSE(main->isEnabled());
  EXPECT_TRUE(form->grab().save(QDir(QCoreApplication::applicationDirPath()).filePath("encyclopedia_window.png")));
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&form->Enc(), &esc);
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(main->isEnabled());
}

TEST_F(EncyclopediaWindowTest, NothingFoundLeavesTheWindowClosed) {
  Open();
  SheetModel().Lines.SheetCodes[1] = "A";
  SheetModel().Lines.SheetParams[1] = {999, 0, 0};
  Editor().CursorCell = 11;
  Windows().LookupEncyclopedia();
  EXPECT_FALSE(form->isVisible());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Az enciklopédiában nincs szócikk ehhez: T999"_w);
}

TEST_F(EncyclopediaWindowTest, RefusedTablesAreReportedAtCreation) {
  dir.Write("lexor_tables.txt", "1 41 4141\n");
  Open();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_TRUE(boxes.shown[0].text.starts_with("A lexor_tables.txt 1. sora hibás"_w));
  EXPECT_FALSE(Encyclopedia().Packing.Method1Known);
}

// A folder chosen in the settings reaches the encyclopedia through the window
// links, which tests the packing of its TEXT.DTA: packed, plain, none there.
TEST_F(EncyclopediaWindowTest, AFolderChosenInTheSettingsIsTestedForItsPacking) {
  dir.Write("lexor_tables.txt", std::string(testing::kTestPackingFile));
  Open();
  ASSERT_TRUE(Encyclopedia().Packing.Method2Known);
  testing::TempDir packed;
  testing::WriteEncyclopedia(packed, 2, {{"T5", {"Egy sor"}}});
  ChooseEncyclopediaFolder(packed.path() + "/TEXT.DTA");
  EXPECT_EQ(Encyclopedia().EncyclopediaTextMode, 2);
  ChooseEncyclopediaFolder(dir.path() + "/TEXT.DTA");  // the demo's plain one
  EXPECT_EQ(Encyclopedia().EncyclopediaTextMode, 0);
  ChooseEncyclopediaFolder(packed.path() + "/TEXT.DTA");
  EXPECT_EQ(Encyclopedia().EncyclopediaTextMode, 2);
  testing::TempDir empty;
  ChooseEncyclopediaFolder(empty.path() + "/TEXT.DTA");
  EXPECT_EQ(Encyclopedia().EncyclopediaTextMode, 0);
  EXPECT_TRUE(boxes.shown.empty());
}

// As the program makes it: its controls come with the first entry found. Its
// creation reads the packing all the same; a look-up that finds nothing and a
// folder chosen in the settings make no control. Shown, the window looks and
// takes Esc as one made whole.
TEST_F(EncyclopediaWindowTest, ControlsMadeAtTheFirstShowLookAndWorkTheSame) {
  dir.Write("lexor_tables.txt", std::string(testing::kTestPackingFile));
  SheetModel().Lines.SheetCodes[1] = "A";
  Editor().CursorCell = 11;
  auto look_up = [&](std::int32_t number) {
    SheetModel().Lines.SheetParams[1] = {number, 0, 0};
    Windows().LookupEncyclopedia();
    QApplication::processEvents();
  };
  Open();
  look_up(1);
  ASSERT_TRUE(form->isVisible());
  const QImage whole = form->grab().toImage();
  form->close();
  form.reset();

  ResetEncyclopediaState();
  form = std::make_unique<TForm7>(main.get(), nullptr, ControlsMade::AtFirstShow);
  EXPECT_TRUE(Encyclopedia().Packing.Method2Known);
  look_up(999);
  ChooseEncyclopediaFolder(dir.path() + "/TEXT.DTA");
  EXPECT_FALSE(form->isVisible());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Az enciklopédiában nincs szócikk ehhez: T999"_w);
  EXPECT_TRUE(form->findChildren<QWidget*>().isEmpty());

  look_up(1);
  ASSERT_TRUE(form->isVisible());
  EXPECT_EQ(form->grab().toImage(), whole);
  EXPECT_EQ(form->StatusPanel().text(), ToQString("Keresett  tárgy: #1"_w));
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&form->Enc(), &esc);
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace vorda
