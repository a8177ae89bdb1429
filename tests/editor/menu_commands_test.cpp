#include "editor/menu_commands.h"

#include <gtest/gtest.h>

#include "data/char_settings.h"
#include "editor/menu_fixture.h"
#include "editor/sheet_files.h"
#include "platform/win1250.h"

namespace vorda {
namespace {

class MenuCommandsTest : public testing::MenuFixture {
 protected:
  static std::string& Ksz() { return SheetModel().Header.KSZ; }
  static std::string& Ford() { return SheetModel().Header.FORD; }
  static std::uint8_t Mode() { return Editor().EditorMode; }
  // The recent sheet "name" written in the program folder for character ksz.
  void WriteSheetOf(const std::string& ksz, const std::string& code) {
    const auto saved = SheetModel();
    ResetSheetModel();
    Ksz() = ksz;
    Ford() = "0012";
    SetLine(1, code, 1);
    ASSERT_TRUE(WriteSheetForm(dir.path()));
    SheetModel() = saved;
  }
};

TEST_F(MenuCommandsTest, ConditionsFollowTheModeAndReadiness) {
  using enum MenuCondition;
  const struct Case {
    bool ready;
    std::uint8_t mode;
    bool ready_cond, mode1or5, mode1or4, no_popup;
  } cases[] = {
      {true, 1, true, true, true, true},    {false, 1, false, false, true, true},
      {true, 4, false, false, true, true},  {true, 5, false, true, false, true},
      {true, 2, false, false, false, false}, {true, 3, false, false, false, false},
      {true, 33, false, false, false, false}, {true, 6, false, false, false, false},
      {true, 7, false, false, false, false}, {true, 8, false, false, false, false},
  };
  for (const Case& c : cases) {
    Editor().EditorReady = c.ready;
    Editor().EditorMode = c.mode;
    EXPECT_TRUE(MenuConditionHolds(Always)) << int(c.mode);
    EXPECT_EQ(MenuConditionHolds(Ready), c.ready_cond) << int(c.mode);
    EXPECT_EQ(MenuConditionHolds(EnabledReady), c.ready_cond) << int(c.mode);
    EXPECT_EQ(MenuConditionHolds(ReadyMode1Or5), c.mode1or5) << int(c.mode);
    EXPECT_EQ(MenuConditionHolds(Mode1Or4), c.mode1or4) << int(c.mode);
    EXPECT_EQ(MenuConditionHolds(NoPopup), c.no_popup) << int(c.mode);
  }
  Editor().EditorReady = true;
  Editor().EditorMode = 1;
  MainWindow().Enabled = [] { return false; };
  EXPECT_FALSE(MenuConditionHolds(EnabledReady));
  EXPECT_TRUE(MenuConditionHolds(Ready));
}

TEST_F(MenuCommandsTest, EveryShortcutOfTheTableIsBoundOnce) {
  int bound = 0;
  for (const auto& item : MainMenu1()) {
    if (item.key == 0) continue;
    ++bound;
    int same = 0;
    for (const auto& other : MainMenu1()) same += other.key == item.key && other.shift == item.shift;
    EXPECT_EQ(same, 1) << item.name;
  }
  EXPECT_EQ(bound, 20);
  EXPECT_EQ(MainMenu1().size(), 23u);
}

TEST_F(MenuCommandsTest, ShortcutsActOnlyUnderTheirCondition) {
  const struct Case {
    std::uint16_t key;
    ShiftState shift;
    std::uint8_t mode;
    std::uint8_t mode_after;
    int closes;
  } cases[] = {
      {vk::F2, shift::None, 1, 2, 0},     // the save prompt
      {vk::F2, shift::None, 4, 4, 0},     // not ready
      {vk::F3, shift::Ctrl, 5, 5, 0},     // new sheet: not ready
      {'X', shift::Alt, 1, 1, 1},         // close asked
      {'X', shift::Alt, 4, 4, 1},
      {'X', shift::Alt, 2, 2, 0},         // not behind a popup
      {vk::F4, shift::Alt, 33, 33, 0},
      {vk::F4, shift::Alt, 8, 8, 0},
      {vk::F4, shift::None, 1, 4, 0},     // line move on
      {vk::F4, shift::None, 4, 1, 0},     // and off
      {vk::F4, shift::None, 5, 5, 0},
  };
  for (const Case& c : cases) {
    calls.clear();
    Editor().EditorMode = c.mode;
    Key(c.key, c.shift);
    EXPECT_EQ(Mode(), c.mode_after) << c.key << "/" << int(c.mode);
    EXPECT_EQ(calls["close"], c.closes) << c.key << "/" << int(c.mode);
  }
}

TEST_F(MenuCommandsTest, F11LooksUpTheEncyclopediaInEditModeOnly) {
  Windows().OnLookupEncyclopedia = [this] { ++calls["lexor"]; };
  Editor().CursorCell = 72;
  for (const std::uint8_t mode : {2, 4, 6, 8}) {
    Editor().EditorMode = mode;
    Key(vk::F11);
  }
  EXPECT_EQ(calls["lexor"], 0);
  Editor().EditorMode = 1;
  Key(vk::F11);
  EXPECT_EQ(calls["lexor"], 1);
  EXPECT_EQ(Editor().CurLine, 7);
  EXPECT_EQ(Editor().CurColumn, 2);
}

TEST_F(MenuCommandsTest, LineOperationsActOnlyInEditMode) {
  SetLine(1, "M", 1);
  Editor().EditorMode = 4;
  Key(vk::Insert);
  EXPECT_EQ(Code(1), "M");
  Editor().EditorMode = 1;
  MainWindow().Enabled = [] { return false; };
  Key(vk::Insert);
  EXPECT_EQ(Code(1), "M");
  MainWindow().Enabled = nullptr;
  Key(vk::Insert);
  EXPECT_EQ(Code(1), "");
  EXPECT_EQ(Code(2), "M");
}

TEST_F(MenuCommandsTest, OpeningAFileDoesNothingWhileAPopupIsOpen) {
  for (const std::uint8_t mode : {2, 3, 33, 6, 7, 8}) {
    Editor().EditorMode = mode;
    Key(vk::F3);
  }
  EXPECT_TRUE(desktop.dialogs.empty());
  Editor().EditorMode = 1;
  Key(vk::F3);
  ASSERT_EQ(desktop.dialogs.size(), 1u);
  EXPECT_EQ(desktop.dialogs[0], dir.path() + "/");
  ASSERT_EQ(desktop.last_filters.size(), 2u);
  EXPECT_EQ(desktop.last_filters[0].patterns, (std::vector<std::string>{"*.ul", "*.UL"}));
  EXPECT_EQ(desktop.last_filters[1].patterns, (std::vector<std::string>{"*.emv", "*.EMV"}));
}

TEST_F(MenuCommandsTest, SavePromptEditsTheTwoFieldsInPlace) {
  const struct Case {
    std::vector<std::uint16_t> keys;
    std::string ksz, ford;
    int field;
  } cases[] = {
      {{'1', '2', '3', '4', '5'}, "2345", "0000", 1},
      {{'1', '2', '3', '4', '5', vk::Back}, "0234", "0000", 1},
      {{vk::Numpad0 + 7, vk::Space, '1', '2'}, "0007", "0012", 2},
      {{vk::Right, vk::Add, vk::Add, vk::Left, vk::Subtract}, "0000", "0002", 1},
      {{vk::Right, '9', '9', '9', '9', vk::Add}, "0000", "9999", 2},
      {{vk::Right, vk::Subtract}, "0000", "0000", 2},
      {{'F', vk::F7, vk::Add}, "0001", "0000", 1},
  };
  for (const Case& c : cases) {
    Ksz() = "";
    Ford() = " 0 ";
    Editor().EditorMode = 1;
    Key(vk::F2);
    ASSERT_EQ(Mode(), 2);
    EXPECT_EQ(Ford(), "0000");
    for (const auto k : c.keys) Key(k);
    EXPECT_EQ(Ksz(), c.ksz) << c.ksz;
    EXPECT_EQ(Ford(), c.ford) << c.ford;
    EXPECT_EQ(Modes().PromptIndex, c.field) << c.ksz;
    EXPECT_EQ(Mode(), 2);
    Key(vk::Escape);
    EXPECT_EQ(Mode(), 1);
    EXPECT_EQ(Ksz(), c.ksz);  // kept in the header
  }
  // The active field on light green, the other on grey.
  const auto* ksz = LastTextAt(282, 222);
  const auto* ford = LastTextAt(317, 222);
  ASSERT_TRUE(ksz && ford);
  EXPECT_EQ(ksz->brush, 0x55FF11u);
  EXPECT_EQ(ford->brush, 0xAAAAAAu);
  EXPECT_EQ(ksz->color, colors::Black);
}

TEST_F(MenuCommandsTest, OverwriteWarningShowsForTheFileTheWriterWrites) {
  WriteSheetOf("1234", "KA");  // written as "1234-0012.ul"
  Key(vk::F2);
  for (const char k : std::string("1234 0012")) Key(static_cast<std::uint16_t>(k));
  ASSERT_EQ(Ksz(), "1234");
  ASSERT_EQ(Ford(), "0012");
  const auto* warning = LastTextAt(356, 252);
  ASSERT_TRUE(warning);
  EXPECT_EQ(warning->text, "Módosít!"_w);
  EXPECT_EQ(warning->color, colors::Yellow);
  EXPECT_EQ(warning->brush, colors::Red);
  Key('3');  // turn 0123: no such file
  EXPECT_EQ(LastTextAt(356, 252)->color, 0xAAAAAAu);
  SheetModel().Header.SendFlags[BEALL] = true;  // "1234-0012b.ul" is another file
  Key(vk::Back);
  EXPECT_EQ(LastTextAt(356, 252)->color, 0xAAAAAAu);
}

TEST_F(MenuCommandsTest, EnterSavesTakesTheAccountAndKeepsTheSettings) {
  AddAccount("1234", "4321", "secretpassword");
  SetLine(1, "KA", 1);
  Editor().SheetModified = true;
  auto& h = SheetModel().Header;
  h.SendFlags[BEALL] = true;
  h.SendFlags[JL] = true;
  Key(vk::F2);
  for (const auto k : {'1', '2', '3', '4', ' ', '7'}) Key(static_cast<std::uint16_t>(k));
  CharSettings().CharMozg = 12;
  Key(vk::Return);

  EXPECT_EQ(Mode(), 1);
  EXPECT_FALSE(Editor().SheetModified);
  EXPECT_FALSE(dir.Read("1234-0007b.ul").empty());
  EXPECT_EQ(h.SZLA, "04321");
  EXPECT_EQ(h.PSW, "secretpa");
  EXPECT_TRUE(h.SendFlags[UL]);
  EXPECT_TRUE(h.SendFlags[POSTA]);
  EXPECT_FALSE(h.SendFlags[JL]);
  EXPECT_TRUE(h.SendFlags[BEALL]);
  ASSERT_EQ(Accounts().SettingsCount, 1);
  EXPECT_EQ(Accounts().SettingsTable[1].KSZ, "1234");
  EXPECT_EQ(calls["close"], 0);

  // A character without account: no account data; "0000" gets no settings.
  Key(vk::F2);
  for (int i = 0; i < 4; ++i) Key('0');
  Key(vk::Return);
  EXPECT_EQ(h.SZLA, "00000");
  EXPECT_EQ(h.PSW, "");
  EXPECT_FALSE(h.SendFlags[UL]);
  EXPECT_TRUE(h.SendFlags[BEALL]);
  EXPECT_EQ(Accounts().SettingsCount, 1);
  EXPECT_FALSE(dir.Read("0000-0007b.ul").empty());
}

TEST_F(MenuCommandsTest, AFailedSaveKeepsThePromptOpenAndSaysWhy) {
  Program().ProgramDir = dir.path() + "/missing/";
  Editor().SheetModified = true;
  Key(vk::F2);
  Key(vk::Return);
  EXPECT_EQ(Mode(), 2);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_NE(boxes.shown[0].text.find("nem sikerült"_w), std::string::npos);
  EXPECT_TRUE(Editor().SheetModified);
  Program().ProgramDir = dir.path() + "/";
  Key(vk::Return);
  EXPECT_EQ(Mode(), 1);
  EXPECT_FALSE(Editor().SheetModified);
}

TEST_F(MenuCommandsTest, TypingAnotherCharacterRecomputesTheCosts) {
  AddSettings("5678", 20);
  CharSettings().CharMozg = 10;
  SetLine(1, "M", 1, 2, 3);
  RedrawSheet();
  ASSERT_EQ(SheetModel().Lines.SheetTvp[1], 30);
  Key(vk::F2);
  for (const auto k : {'5', '6', '7', '8'}) Key(static_cast<std::uint16_t>(k));
  EXPECT_EQ(CharSettings().CharMozg, 20);
  EXPECT_EQ(SheetModel().Lines.SheetTvp[1], 60);
  const std::size_t drawn = canvas.Entries().size();
  Key(vk::Escape);
  // The prompt is gone and the sheet drawn again, the code cell of line 1 too.
  bool code_drawn = false;
  for (std::size_t i = drawn; i < canvas.Entries().size(); ++i)
    code_drawn = code_drawn || (canvas.Entries()[i].x1 == 30 && canvas.Entries()[i].y1 == 10 &&
                                canvas.Entries()[i].op == RecordingCanvas::Op::Text);
  EXPECT_TRUE(code_drawn);
  Key('1');  // edit mode again: the digit goes to the sheet
  EXPECT_EQ(Mode(), 1);
}

TEST_F(MenuCommandsTest, TypingAnotherCharacterKeepsTheResourceView) {
  AddSettings("5678", 20);
  SetLine(1, "M", 1, 2, 3);
  Editor().ResourceView = true;
  RedrawSheet();
  Key(vk::F2);
  for (const auto k : {'5', '6', '7', '8'}) Key(static_cast<std::uint16_t>(k));
  EXPECT_EQ(SheetModel().Lines.SheetTvp[1], 60);
  EXPECT_TRUE(Editor().ResourceView);
  Key(vk::Escape);
  EXPECT_TRUE(Editor().ResourceView);  // the sheet comes back as it was shown
}

TEST_F(MenuCommandsTest, TheCursorStaysWhereItWasOnceAnotherCharacterIsTyped) {
  MoveCursor(62);
  const struct Case {
    const char* digits;
    std::uint16_t close;
  } cases[] = {{"5678", vk::Return}, {"1234", vk::Escape}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.digits);
    Key(vk::F2);
    for (const char* d = c.digits; *d; ++d) Key(static_cast<std::uint16_t>(*d));
    ASSERT_EQ(Ksz(), c.digits);
    Key(c.close);
    ASSERT_EQ(Mode(), 1);
    EXPECT_EQ(Editor().CursorCell, 62);
  }
}

TEST_F(MenuCommandsTest, ExitPromptKeys) {
  const struct Case {
    std::vector<std::uint16_t> keys;
    std::uint8_t mode_after;
    int closes;
    bool modified_after;
  } cases[] = {
      {{vk::Escape}, 1, 0, true},
      {{'V'}, 1, 0, true},
      {{vk::Add, vk::Subtract, vk::F7, 'X'}, 3, 0, true},
      {{'K'}, 1, 1, false},
      {{'M'}, 2, 0, true},
      {{'M', vk::Return}, 1, 1, false},
      {{'M', vk::Escape}, 1, 0, true},
  };
  for (const Case& c : cases) {
    calls.clear();
    Editor().SheetModified = true;
    EXPECT_EQ(AskToClose(), CloseAnswer::Prompted);
    ASSERT_EQ(Mode(), 3);
    for (const auto k : c.keys) Key(k);
    EXPECT_EQ(Mode(), c.mode_after) << c.keys[0];
    EXPECT_EQ(calls["close"], c.closes) << c.keys[0];
    EXPECT_EQ(Editor().SheetModified, c.modified_after) << c.keys[0];
    if (Mode() != 1) Key(vk::Escape);
  }
  const auto* k = LastTextAt(363, 250);
  ASSERT_TRUE(k);
  EXPECT_EQ(k->text, "K");
}

TEST_F(MenuCommandsTest, ANewOrOpenedSheetAsksFirstWhenTheSheetIsModified) {
  WriteSheetOf("2222", "KA");
  SetLine(1, "M", 1);
  Ksz() = "1111";
  Editor().SheetModified = true;

  Key(vk::F3, shift::Ctrl);  // new sheet
  EXPECT_EQ(Mode(), 33);
  EXPECT_EQ(Code(1), "M");
  EXPECT_EQ(LastTextAt(363, 250)->text, "T");
  Key('V');
  EXPECT_EQ(Mode(), 1);
  EXPECT_EQ(Code(1), "M");

  Key(vk::F3, shift::Ctrl);
  Key('T');
  EXPECT_EQ(Code(1), "");
  EXPECT_EQ(Ksz(), "0000");
  EXPECT_EQ(Mode(), 2);  // the new sheet gets its number
  EXPECT_EQ(calls["notes save"], 1);
  Key(vk::Escape);
  EXPECT_EQ(Mode(), 1);

  // Open: asked after the file is chosen; "T" opens it.
  SetLine(1, "M", 1);
  Editor().SheetModified = true;
  desktop.chosen = dir.path() + "/2222-0012.ul";
  Key(vk::F3);
  EXPECT_EQ(Mode(), 33);
  EXPECT_EQ(Code(1), "M");
  Key('T');
  EXPECT_EQ(Mode(), 1);
  EXPECT_EQ(Code(1), "KA");
  EXPECT_EQ(Ksz(), "2222");
  EXPECT_FALSE(Editor().SheetModified);
  EXPECT_EQ(order.substr(order.size() - 6), "SL2222");  // old notes kept, new ones shown
}

TEST_F(MenuCommandsTest, OpeningAMissingFileSaysSoAndStillTakesTheAccount) {
  AddAccount("1234", "54321", "pw");
  Ksz() = "1234";
  desktop.chosen = dir.path() + "/nope.ul";
  Key(vk::F3);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Nem létezik ilyen file!"_w}));
  EXPECT_EQ(SheetModel().Header.SZLA, "54321");
  EXPECT_EQ(Mode(), 1);
}

TEST_F(MenuCommandsTest, HelpOpensTheHelpFileOrSaysItIsMissing) {
  Key(vk::F1);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Nincs meg a VORDA40.HLP file!"}));
  EXPECT_TRUE(desktop.documents.empty());
  dir.Write("VORDA40.HLP", "help");
  Key(vk::F1);
  EXPECT_EQ(desktop.documents, (std::vector<std::string>{dir.path() + "/VORDA40.HLP"}));
  desktop.opens = false;
  Key(vk::F1);
  EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST_F(MenuCommandsTest, WindowSizeCommandsActInAnyMode) {
  Editor().EditorMode = 7;
  for (int i = 0; i < 3; ++i) Key(vk::F1, shift::Ctrl);
  EXPECT_EQ(width, 150);
  EXPECT_EQ(height, 150);
  Key(vk::F1, shift::Alt);
  EXPECT_EQ(width, 100);
  EXPECT_EQ(height, 100);
}

TEST_F(MenuCommandsTest, DialogCommandsReachTheirWindows) {
  int shown = 0;
  auto count = [&shown] { ++shown; };
  auto& w = Windows();
  w.OnShowEmailDialog = count;
  w.OnShowComparison = count;
  w.OnShowSettings = count;
  w.OnShowNotebook = count;
  w.OnShowSendDialog = count;
  w.OnShowMap = count;
  Key(vk::F2, shift::Alt);
  Key(vk::F3, shift::Alt);
  Key(vk::F5);
  Key(vk::F5, shift::Ctrl);
  Key(vk::F9);
  for (const auto& item : MainMenu1())
    if (std::string(item.name) == "Trkp1") RunMenuItem(item);
  EXPECT_EQ(shown, 6);
  Editor().EditorMode = 4;  // not ready: only the settings and the notebook
  Key(vk::F2, shift::Alt);
  Key(vk::F9);
  Key(vk::F5);
  Key(vk::F5, shift::Ctrl);
  EXPECT_EQ(shown, 8);
}

TEST_F(MenuCommandsTest, EncyclopediaCommandLooksUpTheCursorCell) {
  int lookups = 0;
  Windows().OnLookupEncyclopedia = [&] {
    ++lookups;
    EXPECT_EQ(Editor().CurLine, 12);
    EXPECT_EQ(Editor().CurColumn, 3);
  };
  Editor().CursorCell = 123;
  Editor().CurLine = 1;
  Editor().CurColumn = 0;
  Lexor1Click();
  EXPECT_EQ(lookups, 1);
}

}  // namespace
}  // namespace vorda
