#include "editor/start_up.h"

#include <gtest/gtest.h>

#include "data/char_settings.h"
#include "editor/menu_fixture.h"
#include "editor/sheet_files.h"
#include "platform/win1250.h"
#include "support/write_faults.h"

#include <cerrno>
#include <filesystem>

namespace vorda {
namespace {

class StartUpTest : public testing::MenuFixture {
 protected:
  // Writes the sheet of character ksz, turn 0012, into the program folder.
  void WriteSheetOf(const std::string& ksz, const std::string& code) {
    const auto saved = SheetModel();
    ResetSheetModel();
    SheetModel().Header.KSZ = ksz;
    SheetModel().Header.FORD = "0012";
    SetLine(1, code, 1);
    ASSERT_TRUE(WriteSheetForm(dir.path()));
    SheetModel() = saved;
    for (auto& slot : Program().RecentSheets) slot.clear();
  }
};

TEST_F(StartUpTest, TheIniFileIsTheDefaultOrTheOneArgument) {
  EXPECT_EQ(IniPathFor("/p/", {}), "/p/vorda40.ini");
  EXPECT_EQ(IniPathFor("/p/", {"other.ini"}), "/p/other.ini");
  EXPECT_EQ(IniPathFor("/p/", {"a.ini", "b.ini"}), "/p/vorda40.ini");
}

TEST_F(StartUpTest, AFileWrittenByHandInTheWindowsLayoutIsRead) {
  MemoryIniStorage ini;
  ini.bytes = "[ul form options]\r\nposleft=120\r\nPOSTOP=-30\r\n"
              "[UL Map Options]\r\nShowMap=5\r\n"
              "[UL Options]\r\nCurrentUL=1234-0012b-long\r\nActive=203\r\nMap=/maps/\r\n"
              "[UL Send Options]\r\nSMTP=" + std::string(40, 's') + "\r\nPassword=" + std::string(256, 'A') +
              "\r\n[Fordulok]\r\nLast1=a.ul\r\nLast3=b.ul\r\nlast2=a.ul\r\n";
  EXPECT_TRUE(ReadIniAtStart(ini));
  const auto& o = Program().Options;
  EXPECT_EQ(o.FormLeft, 120);
  EXPECT_EQ(o.FormTop, -30);
  EXPECT_TRUE(o.ShowMap);
  EXPECT_FALSE(o.ShowNotes);
  EXPECT_EQ(o.CurrentUL, "1234-0012b");
  EXPECT_EQ(o.Active, 203);
  EXPECT_EQ(o.Color, 1);  // defaults of keys that are missing
  EXPECT_EQ(o.SMTPPort, 25);
  EXPECT_EQ(o.Map, "/maps/");
  EXPECT_EQ(o.SMTP, std::string(35, 's'));
  EXPECT_EQ(o.Password.size(), 256u);
  const auto& r = Program().RecentSheets;
  EXPECT_EQ(r[1], "a.ul");
  EXPECT_EQ(r[2], "a.ul");
  EXPECT_EQ(r[3], "b.ul");
}

TEST_F(StartUpTest, WithoutAnIniFileTheValuesAreZeroAndTheMailPortIsTwentyFive) {
  MemoryIniStorage ini;
  Program().RecentSheets[1] = "old.ul";
  Program().Options.FormLeft = 7;
  EXPECT_FALSE(ReadIniAtStart(ini));
  EXPECT_FALSE(Program().IniFound);
  const auto& o = Program().Options;
  EXPECT_EQ(o.FormLeft, 0);
  EXPECT_EQ(o.Active, 0);
  EXPECT_EQ(o.SMTPPort, 25);
  EXPECT_EQ(Program().RecentSheets[1], "");
  EXPECT_EQ(SheetModel().Header.KSZ, "0000");
  EXPECT_EQ(SheetModel().Header.SZLA, "00000");

  ASSERT_TRUE(ShutDown(ini));
  ASSERT_TRUE(ini.bytes);
  EXPECT_NE(ini.bytes->find("SMTPPort=25\r\n"), std::string::npos);
}

TEST_F(StartUpTest, ShutDownWritesEveryKeyInOrderAndReadsBackTheSame) {
  auto& o = Program().Options;
  o.FormLeft = 10;
  o.FormTop = 20;
  o.MapLeft = -5;
  o.NotesWidth = 300;
  o.ShowNotes = true;
  o.Lexor = "/lex/";
  o.SenderEmail = "a@b.hu";
  o.SMTPPort = 587;
  o.Password = std::string(256, 'F');
  Program().RecentSheets[1] = "1234-0012b.ul";
  Program().RecentSheets[2] = "0001-0001.ul";
  auto& h = SheetModel().Header;
  h.KSZ = "1234";
  h.FORD = "0012";
  h.SendFlags[BEALL] = true;
  Editor().CursorCell = 312;
  Editor().ResourceView = true;

  MemoryIniStorage ini;
  ini.bytes = "[Fordulok]\r\nLast9=stale.ul\r\n";
  ASSERT_TRUE(ShutDown(ini));
  const std::string expected_head =
      "[UL Form Options]\r\nPosLeft=10\r\nPosTop=20\r\n\r\n"
      "[UL Map Options]\r\nPosLeft=-5\r\nPosTop=0\r\nShowMap=0\r\n\r\n"
      "[UL Notes Options]\r\nPosLeft=0\r\nPosTop=0\r\nWidth=300\r\nHeight=0\r\nShowNotes=1\r\n\r\n"
      "[UL Options]\r\nCurrentUL=1234-0012b\r\nActive=312\r\nDescription=1\r\nColor=1\r\nReplacer=0\r\n"
      "Lexor=/lex/\r\nMap=\r\nFordulo=\r\n\r\n"
      "[UL Send Options]\r\nSenderEmail=a@b.hu\r\nSendCC=\r\nSMTP=\r\nSMTPPort=587\r\nUsername=\r\nPassword=";
  EXPECT_EQ(ini.bytes->substr(0, expected_head.size()), expected_head);
  EXPECT_EQ(ini.bytes->substr(ini.bytes->find("[Fordulok]")),
            "[Fordulok]\r\nLast1=1234-0012b.ul\r\nLast2=0001-0001.ul\r\n");

  const TOptions written = o;
  Program().Options = TOptions{};
  ASSERT_TRUE(ReadIniAtStart(ini));
  EXPECT_EQ(o.FormLeft, 10);
  EXPECT_EQ(o.MapLeft, -5);
  EXPECT_EQ(o.NotesWidth, 300);
  EXPECT_TRUE(o.ShowNotes);
  EXPECT_EQ(o.CurrentUL, written.CurrentUL);
  EXPECT_EQ(o.Active, 312);
  EXPECT_EQ(o.Password, written.Password);
  EXPECT_EQ(o.SMTPPort, 587);
  EXPECT_EQ(Program().RecentSheets[2], "0001-0001.ul");
  EXPECT_EQ(Program().RecentSheets[9], "");
}

// The folder cannot be written (a full disk): every file of the close is tried,
// one box lists them all, and its two answers keep the window or close it.
TEST_F(StartUpTest, AFailedCloseAsksOnceListingEveryFileAndBothAnswersWork) {
  Program().IniPath = dir.path() + "/vorda40.ini";
  MemoryIniStorage ini;
  ini.bytes = "[UL Options]\r\nActive=11\r\n";
  ini.fail_error = ENOSPC;
  AddAccount("1234", "12345", "pw");
  AddSettings("1234", 12);
  dir.Write("SZAMLAK.CFG", "old accounts");
  int dropped = 0;
  Windows().OnNotebookSaveAtClose = [] {
    return std::optional<UnsavedFile>({"notesz/1234.not", "a(z) 1234 karakter jegyzetei"_w, "nincs elég hely a lemezen"_w});
  };
  Windows().OnNotebookProgramEnds = [&dropped](bool give_up) { dropped += give_up ? 1 : 100; };
  const std::string box =
      "A program bezárásakor ezeket a fájlokat nem sikerült elmenteni:\r"
      "\rvorda40.ini (a program beállításai): nincs elég hely a lemezen"
      "\rSZAMLAK.CFG (a számlák): nincs elég hely a lemezen"
      "\rbeallit.cfg (a karakterek beállításai): nincs elég hely a lemezen"
      "\rnotesz/1234.not (a(z) 1234 karakter jegyzetei): nincs elég hely a lemezen"
      "\r\rVissza: a program nyitva marad, és semmi sem vész el. Ha helyet szabadított fel, vagy elhárította a "
      "hibát, újra bezárhatja.\r"
      "Kilépés mentés nélkül: a program most bezárul, ezek a fájlok úgy maradnak a lemezen, ahogy most vannak."_w;

  for (const std::size_t answer : {std::size_t{0}, std::size_t{1}}) {
    boxes.shown.clear();
    boxes.asked.clear();
    boxes.choice = answer;
    const testing::ScopedWriteFault full(WriteStep::Write, ENOSPC);
    EXPECT_EQ(ShutDown(ini), answer == 1);  // "Vissza": the window stays; "Kilépés...": it closes
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, box);
    EXPECT_EQ(boxes.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(boxes.asked[0], (std::vector<std::string>{"&Vissza"_w, "&Kilépés mentés nélkül"_w}));
    EXPECT_EQ(dropped, answer == 1 ? 1 : 0);  // given up only by "Kilépés..."
    // Nothing on disk changed.
    EXPECT_EQ(*ini.bytes, "[UL Options]\r\nActive=11\r\n");
    EXPECT_EQ(dir.Read("SZAMLAK.CFG"), "old accounts");
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/beallit.cfg"));
    EXPECT_TRUE(testing::TempFilesIn(dir.path()).empty());
  }
  // Space freed: the next close writes everything and asks nothing.
  boxes.shown.clear();
  ini.fail_error = 0;
  Windows().OnNotebookSaveAtClose = nullptr;
  EXPECT_TRUE(ShutDown(ini));
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_NE(dir.Read("SZAMLAK.CFG"), "old accounts");
}

// The map window's and the notebook's places come from the windows as they
// stand at close, not from what the options held before.
TEST_F(StartUpTest, ShutDownTakesThePlacesOfTheMapAndTheNotebookFromTheWindows) {
  auto& o = Program().Options;
  o.MapLeft = 698;
  o.MapTop = 8;
  o.NotesLeft = o.NotesTop = o.NotesWidth = o.NotesHeight = 1;
  Windows().OnMapPlace = [] { return WindowPlace{700, 10, 520, 434}; };
  Windows().OnNotebookPlace = [] { return WindowPlace{-20, 480, 435, 300}; };
  MemoryIniStorage ini;
  ASSERT_TRUE(ShutDown(ini));
  const IniProfile written = IniProfile::Parse(*ini.bytes);
  EXPECT_EQ(written.ReadInteger("UL Map Options", "PosLeft", 0), 700);
  EXPECT_EQ(written.ReadInteger("UL Map Options", "PosTop", 0), 10);
  EXPECT_EQ(written.ReadInteger("UL Notes Options", "PosLeft", 0), -20);
  EXPECT_EQ(written.ReadInteger("UL Notes Options", "PosTop", 0), 480);
  EXPECT_EQ(written.ReadInteger("UL Notes Options", "Width", 0), 435);
  EXPECT_EQ(written.ReadInteger("UL Notes Options", "Height", 0), 300);
}

// The exit prompt's "K" gives up the sheet's changes only for a close that is
// carried out: kept by "Vissza", they are asked about at the next close.
TEST_F(StartUpTest, VisszaAfterTheExitPromptsKKeepsTheSheetUnsaved) {
  MemoryIniStorage ini;
  ini.fail_error = EROFS;
  for (const std::size_t answer : {std::size_t{0}, std::size_t{1}}) {
    Editor().SheetModified = true;
    ShowExitPrompt();
    Key('K');
    EXPECT_EQ(calls["close"], static_cast<int>(answer) + 1);
    boxes.choice = answer;
    EXPECT_EQ(ShutDown(ini), answer == 1);
    EXPECT_EQ(Editor().SheetModified, answer == 0);
  }
}

// What the files cannot carry is named in the same box; the rest is written.
TEST_F(StartUpTest, ValuesTheFilesCannotCarryAreListedInTheCloseBox) {
  Program().IniPath = dir.path() + "/masik.ini";
  Program().Options.SMTP = std::string(36, 's');
  AddAccount("12345", "1", "pw");
  AddSettings("1234", 12);
  MemoryIniStorage ini;
  boxes.choice = 0;
  EXPECT_FALSE(ShutDown(ini));
  EXPECT_FALSE(ini.bytes);
  ASSERT_EQ(boxes.shown.size(), 1u);
  const std::string& text = boxes.shown[0].text;
  EXPECT_NE(text.find("\rmasik.ini (a program beállításai): a(z) [UL Send Options] SMTP értéke ("_w + std::string(36, 's') +
                      ") hosszabb 35 karakternél, nem fér el a fájlban\r"_w),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\rSZAMLAK.CFG (a számlák): a(z) 1. számla KARAKTER értéke (12345) hosszabb 4 karakternél, "
                      "nem fér el a fájlban\r"_w),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("beallit.cfg"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "/SZAMLAK.CFG"));
  EXPECT_FALSE(dir.Read("beallit.cfg").empty());
}

// A text the ini file's reader would cut, or whose line break would end its
// line, is refused; the sheet's name is cut to its ten characters as written.
TEST_F(StartUpTest, OptionsTheIniFileCannotCarryAreRefused) {
  const struct Case {
    void (*set)(TOptions&);
    std::string why;
  } cases[] = {
      {[](TOptions& o) { o.Lexor = "/lex\r\n[UL Options]"; }, "a(z) [UL Options] Lexor értéke sortörést tartalmaz"},
      {[](TOptions& o) { o.Username = std::string(256, 'u'); },
       "a(z) [UL Send Options] Username értéke (" + std::string(256, 'u') +
           ") hosszabb 255 karakternél, nem fér el a fájlban"},
      {[](TOptions& o) { o.Password = std::string(257, 'F'); },
       "a(z) [UL Send Options] Password értéke hosszabb 256 karakternél, nem fér el a fájlban"},
      {[](TOptions& o) { o.SendCC = std::string(35, 'c'); }, ""},
      {[](TOptions& o) { o.CurrentUL = "1234-0012b-extra"; }, ""},
  };
  for (const Case& c : cases) {
    Program().Options = TOptions{};
    c.set(Program().Options);
    EXPECT_EQ(OptionsRefusal(), Utf8ToWin1250(c.why));
  }
  Program().Options = TOptions{};
  Program().RecentSheets[3] = "uj\nsor.ul";
  EXPECT_EQ(OptionsRefusal(), "a(z) [Fordulok] Last3 értéke sortörést tartalmaz"_w);
}

TEST_F(StartUpTest, ClosingIsRefusedBehindAPopupAndAskedWithUnsavedChanges) {
  const struct Case {
    std::uint8_t mode;
    bool modified;
    CloseAnswer answer;
    std::uint8_t mode_after;
  } cases[] = {
      {1, false, CloseAnswer::Proceed, 1},  {4, false, CloseAnswer::Proceed, 4},
      {1, true, CloseAnswer::Prompted, 3},  {5, true, CloseAnswer::Prompted, 3},
      {2, false, CloseAnswer::Refused, 2},  {3, true, CloseAnswer::Refused, 3},
      {33, true, CloseAnswer::Refused, 33}, {6, false, CloseAnswer::Refused, 6},
      {7, true, CloseAnswer::Refused, 7},   {8, false, CloseAnswer::Refused, 8},
  };
  for (const Case& c : cases) {
    Editor().EditorMode = c.mode;
    Editor().SheetModified = c.modified;
    EXPECT_EQ(AskToClose(), c.answer) << int(c.mode);
    EXPECT_EQ(Editor().EditorMode, c.mode_after) << int(c.mode);
  }
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(StartUpTest, ClosingIsRefusedSilentlyWhileAMailIsBeingSent) {
  Windows().OnSendRunning = [] { return true; };
  for (const bool modified : {false, true}) {
    Editor().EditorMode = 1;
    Editor().SheetModified = modified;
    EXPECT_EQ(AskToClose(), CloseAnswer::Refused) << modified;
    EXPECT_EQ(Editor().EditorMode, 1) << modified;
  }
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(StartUpTest, OnlyAValidCellReachesTheCursor) {
  const struct Case {
    std::int32_t active;
    std::uint16_t cell;
  } cases[] = {{10, 10}, {403, 403}, {213, 213}, {215, 10}, {0, 10}, {9, 10}, {404, 10}, {410, 10}, {-10, 10}, {99999, 10}};
  for (const Case& c : cases) EXPECT_EQ(ValidCursorCell(c.active), c.cell) << c.active;
}

TEST_F(StartUpTest, FirstActivationOpensTheSheetTheIniFileNames) {
  WriteSheetOf("1234", "KA");
  AddSettings("1234", 17);
  ASSERT_TRUE(SaveAccountsAndSettings(dir.path()).empty());
  ResetAccounts();
  MemoryIniStorage ini;
  ini.bytes = "[UL Options]\r\nCurrentUL=1234-0012\r\nActive=999\r\n";
  ReadIniAtStart(ini);
  Editor().EditorReady = false;
  FirstActivation();
  EXPECT_TRUE(Editor().EditorReady);
  EXPECT_EQ(Editor().EditorMode, 1);
  EXPECT_EQ(Code(1), "KA");
  EXPECT_EQ(SheetModel().Header.KSZ, "1234");
  EXPECT_EQ(CharSettings().CharMozg, 17);
  EXPECT_EQ(Editor().CursorCell, 10);  // 999 is no cell
  EXPECT_FALSE(Editor().SheetModified);
  EXPECT_EQ(order, "L1234");
  EXPECT_FALSE(Program().FirstActivation);
  FirstActivation();  // later activations do nothing
  EXPECT_EQ(order, "L1234");
}

TEST_F(StartUpTest, RecentItemsCarryTheirFileAndLoadIt) {
  WriteSheetOf("2222", "KA");
  auto& r = Program().RecentSheets;
  r[1] = "2222-0012.ul";
  r[2] = "a&b.ul";
  const auto items = RecentMenuItems();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].position, 8);
  EXPECT_EQ(items[0].name, "UL1");
  EXPECT_EQ(items[1].file, "a&b.ul");

  // A missing file is reported and the sheet stays.
  SetLine(1, "M", 1);
  RunRecentItem(items[1].position, items[1].file);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Nem létezik ilyen file!"_w}));
  EXPECT_EQ(Code(1), "M");

  // With unsaved changes the prompt asks first; "T" loads.
  Editor().SheetModified = true;
  RunRecentItem(items[0].position, items[0].file);
  EXPECT_EQ(Editor().EditorMode, 33);
  EXPECT_EQ(Program().PendingMenuIndex, 8);
  EXPECT_EQ(Code(1), "M");
  RunRecentItem(items[0].position, items[0].file);  // not behind the prompt
  Key('T');
  EXPECT_EQ(Editor().EditorMode, 1);
  EXPECT_EQ(Code(1), "KA");
  EXPECT_FALSE(Editor().SheetModified);
  EXPECT_EQ(order, "SL2222");  // the notes of the sheet left are kept
}

TEST_F(StartUpTest, SavingBehindTheRecentPromptLoadsNothing) {
  WriteSheetOf("2222", "KA");
  SetLine(1, "M", 1);
  Editor().SheetModified = true;
  RecentSheetClick(8, "2222-0012.ul");
  Key('M');
  EXPECT_EQ(Editor().EditorMode, 2);
  Key(vk::Return);
  EXPECT_EQ(Editor().EditorMode, 1);
  EXPECT_EQ(Code(1), "M");
  EXPECT_FALSE(Editor().SheetModified);
  EXPECT_FALSE(dir.Read("0000-0000.ul").empty());
}

}  // namespace
}  // namespace vorda
