#include "editor/notebook.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "editor/program_state.h"
#include "editor/window_links.h"
#include "platform/message_box.h"
#include "platform/win1250.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"
#include "support/write_faults.h"

namespace vorda {
namespace {

namespace fs = std::filesystem;

class NotebookTest : public testing::FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    ResetNotebook();
    ResetWindowLinks();
    ResetProgramState();
    InstallMessageBoxes(&boxes);
    Program().ProgramDir = dir.path() + "/";
    LoadCharacterTable("1234 Gorbul\r\n1500 Fekete\r\n");
    LinkNotebook([this] { ++refreshed; });
    Notebook().Shown = true;
  }
  void TearDown() override {
    InstallMessageBoxes(nullptr);
    ResetNotebook();
    ResetWindowLinks();
    ResetProgramState();
    FreshState::TearDown();
  }
  static void Sheet(const std::string& ksz) { SheetModel().Header.KSZ = ksz; }
  static void Type(const std::string& text) {
    Notebook().Text = text;
    Notebook().Modified = true;
  }
  std::string File(const std::string& name) const { return dir.path() + "/notesz/" + name; }

  testing::TempDir dir;
  RecordingMessageBoxes boxes;
  int refreshed = 0;
};

TEST(NotebookFile, LinesEndInCrLfAndReadBack) {
  struct Case {
    std::string text, bytes;
  };
  const Case cases[] = {{"", ""}, {"a", "a\r\n"}, {"a\nb", "a\r\nb\r\n"}, {"a\n", "a\r\n\r\n"}, {"\n", "\r\n\r\n"}};
  for (const auto& c : cases) {
    EXPECT_EQ(NotebookFileBytes(c.text), c.bytes) << c.text;
    EXPECT_EQ(NotebookTextOfFile(c.bytes), c.text) << c.text;
  }
  EXPECT_EQ(NotebookTextOfFile("x\ny\n"), "x\ny");  // a file with bare line feeds
}

TEST_F(NotebookTest, AccentedNotesSurviveAChangeOfCharacterAndAFreshStart) {
  const std::string notes = "Első sor: árvíztűrő tükörfúrógép\nŐRZŐK a keleti kapunál"_w;
  Sheet("1234");
  Windows().NotebookLoad();
  EXPECT_EQ(Notebook().Status, "NOTESZ: 1234 Gorbul");
  Type(notes);

  // Another sheet by the open dialog: save and clear, the sheet changes, load.
  Windows().NotebookSave();
  Windows().NotebookClear();
  Sheet("1500");
  Windows().NotebookLoad();
  EXPECT_EQ(Notebook().Text, "");
  EXPECT_EQ(Notebook().Status, "NOTESZ: 1500 Fekete");
  EXPECT_EQ(dir.Read("notesz/1234.not"), "Első sor: árvíztűrő tükörfúrógép\r\nŐRZŐK a keleti kapunál\r\n"_w);

  ResetNotebook();  // a restart
  LinkNotebook(nullptr);
  Notebook().Shown = true;
  Sheet("1234");
  Windows().NotebookLoad();
  EXPECT_EQ(Notebook().Text, notes);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(NotebookTest, ChangingSheetWithoutASaveFirstStillKeepsTheNotes) {
  // The recent-sheet list only loads: the changed notes go to their own
  // character, never to the new one.
  Sheet("1234");
  Windows().NotebookLoad();
  Type("titkos");
  Sheet("1500");
  Windows().NotebookLoad();
  EXPECT_EQ(dir.Read("notesz/1234.not"), "titkos\r\n");
  EXPECT_FALSE(fs::exists(File("1500.not")));
  EXPECT_EQ(Notebook().Text, "");
}

TEST_F(NotebookTest, SheetWithoutCharacterIsStoredAsZeroes) {
  Windows().NotebookLoad();
  EXPECT_EQ(Notebook().Status, "NOTESZ: 0000  ");
  Type("x");
  Windows().NotebookSave();
  EXPECT_EQ(dir.Read("notesz/0000.not"), "x\r\n");
}

TEST_F(NotebookTest, TheSavePromptKeepsNotesEvenWithoutTheFolder) {
  // A fresh installation: no notesz folder yet, notes typed for 1234.
  Sheet("1234");
  Windows().NotebookLoad();
  Type("első"_w);
  Windows().NotebookSaveIfKept();
  Windows().NotebookClear();
  EXPECT_EQ(dir.Read("notesz/1234.not"), "első\r\n"_w);
  // Nothing to keep: no file is made for a number typed on the way.
  Sheet("12");
  Windows().NotebookLoad();
  Windows().NotebookSaveIfKept();
  Windows().NotebookClear();
  EXPECT_FALSE(fs::exists(File("12.not")));
}

TEST_F(NotebookTest, HiddenNotebookFollowsNothing) {
  Notebook().Shown = false;
  Sheet("1234");
  Type("x");
  Windows().NotebookSave();
  Windows().NotebookSaveIfKept();
  Windows().NotebookClear();
  Windows().NotebookLoad();
  EXPECT_FALSE(fs::exists(dir.path() + "/notesz"));
  EXPECT_EQ(Notebook().Text, "x");
  EXPECT_EQ(refreshed, 0);
}

TEST_F(NotebookTest, NumberThatIsNoFileNameIsRefused) {
  for (const std::string ksz : {"../x", "1/2", "..", "", "12345", "12a"}) {
    boxes.shown.clear();
    ResetNotebook();
    Notebook().Shown = true;
    Sheet(ksz);
    Type("jegyzet");
    Windows().NotebookSave();
    EXPECT_EQ(boxes.shown.size(), 1u) << ksz;
    Windows().NotebookClear();
    EXPECT_EQ(Notebook().Text, "jegyzet") << ksz;  // kept, not cleared
  }
  EXPECT_FALSE(fs::exists(dir.path() + "/notesz"));
  EXPECT_FALSE(fs::exists(dir.path() + "/x.not"));
}

TEST_F(NotebookTest, FailedSaveKeepsTheTextAndTheOldFile) {
  Sheet("1234");
  Windows().NotebookLoad();
  Type("régi"_w);
  Windows().NotebookSave();
  fs::create_directories(File("1500.not"));  // a folder where the file should go
  Sheet("1500");
  Windows().NotebookLoad();
  Type("új"_w);
  Windows().NotebookSave();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "A(z) 1500 karakter noteszét nem sikerült menteni (egy mappa áll a fájl helyén)."_w);
  Sheet("1234");
  Windows().NotebookLoad();  // the unsaved text is not replaced
  EXPECT_EQ(Notebook().Text, "új"_w);
  EXPECT_EQ(dir.Read("notesz/1234.not"), "régi\r\n"_w);
  for (const auto& entry : fs::directory_iterator(dir.path() + "/notesz"))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos);  // no temporary left
}

TEST_F(NotebookTest, AFaultAtAnyStepKeepsTheNotesTheirStatusAndTheOldFile) {
  Sheet("1234");
  Windows().NotebookLoad();
  Type("régi"_w);
  ASSERT_TRUE(SaveNotebook());
  Type("új"_w);
  for (const auto& fault : testing::kWriterFaults) {
    const std::string name = testing::FaultName(fault);
    boxes.shown.clear();
    BeginNotebookCommand();
    {
      const testing::ScopedWriteFault injected(fault.step, fault.error);
      EXPECT_FALSE(SaveNotebook()) << name;
      Sheet("1500");
      Windows().NotebookLoad();  // tries again, silently, and keeps the notes
      Sheet("1234");
    }
    EXPECT_EQ(boxes.shown.size(), 1u) << name;
    EXPECT_EQ(Notebook().Text, "új"_w) << name;
    EXPECT_EQ(Notebook().Status, "NOTESZ: 1234 Gorbul") << name;
    EXPECT_TRUE(Notebook().Modified) << name;
    EXPECT_TRUE(testing::TempFilesIn(dir.path()).empty()) << name;
    if (fault.step != WriteStep::FolderFlush) {
      EXPECT_EQ(dir.Read("notesz/1234.not"), "régi\r\n"_w) << name;
    }
  }
}

TEST_F(NotebookTest, ALoneCarriageReturnIsRefusedBeforeWriting) {
  Sheet("1234");
  Windows().NotebookLoad();
  Type("egy\nketto\rharom"_w);
  EXPECT_FALSE(SaveNotebook());
  EXPECT_EQ(boxes.shown.at(0).text,
            "A(z) 1234 karakter noteszét nem sikerült menteni (a(z) 2. sora kocsivissza-jelet tartalmaz, ami nem fér "
            "el a fájlban)."_w);
  EXPECT_FALSE(fs::exists(File("1234.not")));
}

}  // namespace
}  // namespace vorda
