// The notebook on a disk that refuses its file, as the editor's commands meet
// it: each key or command says so at most once (the save prompt once from F2
// to its Enter or Esc), the notes and their status line stay until a save
// succeeds, and the close lists them in its one box.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "data/game_tables.h"
#include "editor/menu_fixture.h"
#include "editor/notebook.h"
#include "editor/sheet_files.h"
#include "platform/win1250.h"
#include "support/write_faults.h"

namespace vorda {
namespace {

namespace fs = std::filesystem;

class NotebookFailuresTest : public testing::MenuFixture {
 protected:
  void SetUp() override {
    MenuFixture::SetUp();
    ResetNotebook();
    LinkNotebook(nullptr);  // the real notebook behind the editor's commands
    Notebook().Shown = true;
    LoadCharacterTable("1234 Gorbul\r\n5678 Fekete\r\n2222 Harmadik\r\n");
    fs::create_directory(dir.path() + "/notesz");
    dir.Write("notesz/1234.not", "régi\r\n"_w);
    SheetModel().Header.KSZ = "1234";
    SheetModel().Header.FORD = "0012";
    Windows().NotebookLoad();
    Notebook().Text = "titkos terv"_w;
    Notebook().Modified = true;
  }
  void TearDown() override {
    ResetNotebook();
    MenuFixture::TearDown();
  }
  // The notes of 1234 are still on screen, unsaved, and the old file is whole.
  void ExpectNotesKept(const std::string& where) const {
    EXPECT_EQ(Notebook().Text, "titkos terv"_w) << where;
    EXPECT_EQ(Notebook().Status, "NOTESZ: 1234 Gorbul") << where;
    EXPECT_TRUE(Notebook().Modified) << where;
    EXPECT_EQ(dir.Read("notesz/1234.not"), "régi\r\n"_w) << where;
    EXPECT_TRUE(testing::TempFilesIn(dir.path()).empty()) << where;
  }
  const std::string kFull =
      "A(z) 1234 karakter noteszét nem sikerült menteni (nincs elég hely a lemezen; a korábbi fájl megmaradt)."_w;
};

TEST_F(NotebookFailuresTest, TheSavePromptSaysItOnceAndKeepsTheNotesUntilASaveSucceeds) {
  {
    const testing::ScopedWriteFault full(WriteStep::Write, ENOSPC, ".not");
    Key(vk::F2);
    ASSERT_EQ(Editor().EditorMode, 2);
    for (const std::uint16_t key : {std::uint16_t('5'), std::uint16_t('6'), std::uint16_t('7'), std::uint16_t('8'),
                                    std::uint16_t(vk::Right), std::uint16_t(vk::Return)})
      Key(key);
    EXPECT_GT(full.hits(), 6);  // every key tried again
  }
  EXPECT_EQ(Texts(), std::vector<std::string>{kFull});
  EXPECT_EQ(Editor().EditorMode, 1);
  EXPECT_TRUE(fs::exists(dir.path() + "/5678-0012.ul"));  // the sheet itself was saved
  ExpectNotesKept("after the prompt");
  EXPECT_FALSE(fs::exists(dir.path() + "/notesz/5678.not"));

  // Space again: the next key saves the notes under their own character and
  // only then shows the typed one's.
  Key(vk::F2);
  Key(vk::Escape);
  EXPECT_EQ(dir.Read("notesz/1234.not"), "titkos terv\r\n"_w);
  EXPECT_EQ(Notebook().Status, "NOTESZ: 5678 Fekete");
  EXPECT_EQ(Notebook().Text, "");
  EXPECT_EQ(boxes.shown.size(), 1u);
}

// The whole disk is full: F2 and Enter at once meet both the notes and the
// sheet, and the one key shows one box that says both.
TEST_F(NotebookFailuresTest, OneKeyThatMeetsTwoFailuresShowsOneBox) {
  Editor().SheetModified = true;
  const testing::ScopedWriteFault full(WriteStep::Flush, ENOSPC);
  Key(vk::F2);
  Key(vk::Return);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text,
            kFull + "\r\rA lap mentése nem sikerült: 1234-0012.ul (nincs elég hely a lemezen)."_w);
  EXPECT_EQ(boxes.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(Editor().EditorMode, 2);  // the prompt stays for another try
  EXPECT_TRUE(Editor().SheetModified);
  ExpectNotesKept("after Enter");
}

TEST_F(NotebookFailuresTest, ANewOpenedOrRecentSheetSaysItOnceEach) {
  const struct {
    const char* name;
    void (*run)(const std::string& dir);
  } commands[] = {
      {"new sheet", [](const std::string&) { Key(vk::F3, shift::Ctrl); }},
      {"open", [](const std::string&) { Key(vk::F3); }},
      {"recent", [](const std::string&) { RunRecentItem(8, "2222-0012.ul"); }},
  };
  {
    const auto saved = SheetModel();
    ResetSheetModel();
    SheetModel().Header.KSZ = "2222";
    SheetModel().Header.FORD = "0012";
    ASSERT_TRUE(WriteSheetForm(dir.path()));
    SheetModel() = saved;
  }
  desktop.chosen = dir.path() + "/2222-0012.ul";
  const testing::ScopedWriteFault full(WriteStep::Rename, ENOSPC, ".not");
  for (const auto& c : commands) {
    boxes.shown.clear();
    SheetModel().Header.KSZ = "1234";
    Editor().SheetModified = false;
    c.run(dir.path());
    EXPECT_EQ(Texts(), std::vector<std::string>{kFull}) << c.name;
    ExpectNotesKept(c.name);
    if (Editor().EditorMode == 2) {  // the new sheet's prompt: its keys say no more
      Key('1');
      Key(vk::Escape);
      EXPECT_EQ(boxes.shown.size(), 1u) << c.name;
    }
  }
}

TEST_F(NotebookFailuresTest, TheCloseListsTheNotesAndKilepesGivesThemUp) {
  Program().IniPath = dir.path() + "/vorda40.ini";
  MemoryIniStorage ini;
  const testing::ScopedWriteFault full(WriteStep::Write, ENOSPC, ".not");
  boxes.choice = 0;  // "Vissza"
  EXPECT_FALSE(ShutDown(ini));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].text.find("\rnotesz/1234.not (a(z) 1234 karakter jegyzetei): nincs elég hely a lemezen\r"_w),
            std::string::npos);
  ExpectNotesKept("after Vissza");
  EXPECT_TRUE(ini.bytes);  // the rest was written

  boxes.choice = 1;  // "Kilépés mentés nélkül"
  EXPECT_TRUE(ShutDown(ini));
  EXPECT_EQ(boxes.shown.size(), 2u);
  EXPECT_FALSE(Notebook().Modified);  // nothing saves them on the way out
  EXPECT_EQ(dir.Read("notesz/1234.not"), "régi\r\n"_w);
}

// The window was closed while its save failed: the notes are not dropped, the
// close writes them.
TEST_F(NotebookFailuresTest, NotesAFailedSaveLeftAreWrittenAtTheCloseEvenWhenHidden) {
  {
    const testing::ScopedWriteFault full(WriteStep::Create, EROFS, ".not");
    BeginNotebookCommand();
    EXPECT_FALSE(SaveNotebook());
  }
  EXPECT_EQ(Texts(), std::vector<std::string>{
                         "A(z) 1234 karakter noteszét nem sikerült menteni (a lemez csak olvasható; a korábbi fájl "
                         "megmaradt)."_w});
  Notebook().Shown = false;
  MemoryIniStorage ini;
  EXPECT_TRUE(ShutDown(ini));
  EXPECT_EQ(dir.Read("notesz/1234.not"), "titkos terv\r\n"_w);
}

}  // namespace
}  // namespace vorda
