#include "editor/sheet_files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <sys/resource.h>

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "editor/editor_modes.h"
#include "editor/editor_state.h"
#include "editor/program_state.h"
#include "editor/sheet_screen.h"
#include "editor/sheet_totals.h"
#include "orders/orders_state.h"
#include "platform/message_box.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"
#include "support/write_faults.h"

namespace vorda {
namespace {

using testing::TempDir;

std::string Join(std::initializer_list<std::string> lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

const std::string kSeparator = "|                                \xA6     \xA6 |";
const std::string kFrame = "|                                +-----+ |";

// An order line with no code and nothing in it, as the form shows it.
std::string EmptyLine(int n) {
  return std::string(n < 10 ? "|  " : "| ") + std::to_string(n) +
         ". -        -      -      -   \xA6   0 \xA6 |       0      0     0    0";
}

// Character 1234 "Gorbul", turn 7, start at 12;34, no teleport; lines 1, 2, 3
// and 5 used. Check number 1+2+3+4+5 = 15; TVP 30+40-12 plus the turn's 100 =
// 158; VP 7+5, PP 3+2, TU -2+1.
const std::string kGolden20 = Join({
    "|  20 soros UL                           |",
    "|  Morvenkaldriss          Utasítás  Lap | Gorbul"_w,
    "|                         ______         | ind.koord: 12;34",
    "|  #: 1234  szla: ....    ______ F:    7 | ",
    "|                         ______         |     tvp     vp  pszi   tu",
    "|  Név:................   ______  N: ... |     100      5     2    1"_w,
    kFrame,
    "|  1. M        1      2      3   \xA6  30 \xA6 |       0      0     0    0",
    "|  2. EF       4      -      -   \xA6  40 \xA6 |       0      0     0    0",
    "|  3. KA      -1      5     -1   \xA6   0 \xA6 |       0      0     0    0",
    EmptyLine(4),
    "|  5. -        -      -      -   \xA6   0 \xA6 |     -12      7     3   -2",
    kSeparator,
    EmptyLine(6), EmptyLine(7), EmptyLine(8), EmptyLine(9), EmptyLine(10),
    kSeparator,
    EmptyLine(11), EmptyLine(12), EmptyLine(13), EmptyLine(14), EmptyLine(15),
    kSeparator,
    EmptyLine(16), EmptyLine(17), EmptyLine(18), EmptyLine(19), EmptyLine(20),
    kFrame,
    "|            15 Ell.szám           158   |             12     5   -1"_w,
});

// A 40-line settings sheet of character 42 (not in the character table), turn
// 123, with a teleport pair and only the start x set (so no start pair is
// written); line 21 holds a code, line 40 an EF line with 4 points at 40 TVP.
std::string Golden40() {
  std::string out = Join({
      "|  40 soros UL                     BEALL |",
      "|  Morvenkaldriss          Utasítás  Lap | #42"_w,
      "|                         ______         | ",
      "|  #: 0042  szla: ....    ______ F:  123 | teleport : 500;60",
      "|                         ______         |     tvp     vp  pszi   tu",
      "|  Név:................   ______  N: ... |       0      0     0    0"_w,
      kFrame,
  });
  for (int n = 1; n <= 40; ++n) {
    if (n == 21)
      out += "| 21. VAR  12345  99999  -1234   \xA6" "1000 \xA6 |     999      0     0    0\r\n";
    else if (n == 40)
      out += "| 40. EF       4      -      -   \xA6  40 \xA6 |       0      0     0    0\r\n";
    else
      out += EmptyLine(n) + "\r\n";
    if (n % 5 == 0 && n != 40) out += kSeparator + "\r\n";
  }
  // Check number: 4 (P1 of line 40); TVP 1000 + 999 + 40.
  out += Join({kFrame, "|             4 Ell.szám          2039   |              0     0    0"_w});
  return out;
}

// The older narrow form. Line 4 is shorter than 42 characters (its teleport
// text aside) and the turn starts in column 35; parameters are 4 columns wide,
// each followed by two blanks, P3 by two blanks and " ¦", so the TVP stands in
// columns 32..35.
std::string NarrowSheet(const std::string& line4 = "|  #: 0815  szla: ....  ______ F:   31 | teleport : 3;4") {
  std::string text = Join({
      "|  20 soros UL                        |",
      "|  Morvenkaldriss       Utasítás  Lap |"_w,
      "|                      ______         | ind.koord: 7;8",
      line4,
      "|",
      "|",
      "|",
      "|  1. MA   1234  5678    -1   \xA6 120 \xA6 |      -5      0     0    0",
      "|  2. -       -     -     -   \xA6   0 \xA6 |       0      0     0    0",
      "|  3. EF      3     -     2   \xA6  45 \xA6 |       0      0     0    0",
      "|  4. -       -     -     -   \xA6   0 \xA6 |       0      0     0    0",
      "|  5. -       -     -     -   \xA6   0 \xA6 |       0      0     0    0",
      "|",
  });
  for (int n = 6; n <= 20; ++n) {
    text += std::string(n < 10 ? "|  " : "| ") + std::to_string(n) + ". -       -     -     -   \xA6   0 \xA6 |\r\n";
    if (n % 5 == 0 && n != 20) text += "|\r\n";
  }
  return text + Join({"|                             +-----+ |", "|         0 Ell.szám    0   |"_w});
}

class SheetFilesTest : public testing::FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    ResetProgramState();
    ResetEditorState();
    ResetStatusValues();
    ResetEditorModes();
    ResetSheetScreen();
    InstallMessageBoxes(&boxes);
  }
  void TearDown() override {
    InstallMessageBoxes(nullptr);
    ResetProgramState();
    ResetEditorState();
    ResetStatusValues();
    ResetEditorModes();
    ResetSheetScreen();
    FreshState::TearDown();
  }

  static void SetLine(int l, std::string code, std::int32_t p1, std::int32_t p2, std::int32_t p3, std::int32_t tvp,
                      std::int32_t manual = 0) {
    auto& s = SheetModel().Lines;
    const auto i = static_cast<std::size_t>(l);
    s.SheetCodes[i] = std::move(code);
    s.SheetParams[i] = {p1, p2, p3};
    s.SheetTvp[i] = tvp;
    s.SheetTvpManual[i] = manual;
  }

  static void BuildSheet20() {
    LoadCharacterTable("1234 Gorbul\r\n");
    auto& sheet = SheetModel();
    sheet.Header.KSZ = "1234";
    sheet.Header.FORD = "7";
    SetLine(1, "M", 1, 2, 3, 30);
    SetLine(2, "EF", 4, 0, 0, 40);
    SetLine(3, "KA", -1, 5, -1, 0);
    SetLine(5, "", 0, 0, 0, 0, -12);
    sheet.Lines.SheetVp[5] = 7;
    sheet.Lines.SheetPp[5] = 3;
    sheet.Lines.SheetTu[5] = -2;
    auto& ch = CharSettings();
    ch.CharTvp = 100;
    ch.CharVp = 5;
    ch.CharPp = 2;
    ch.CharTu = 1;
    Orders().StartCoords.StartX = 12;
    Orders().StartCoords.StartY = 34;
    Editor().SheetModified = true;
  }

  // Everything a load may change, to check that a refused load changed nothing.
  struct Snapshot {
    std::array<std::string, kSheetLines + 1> codes;
    std::array<std::array<std::int32_t, 3>, kSheetLines + 1> params;
    std::array<std::int32_t, kSheetLines + 1> tvp, manual;
    std::string ksz, ford;
    bool forty, beall;
    std::int32_t sx, sy, tx, ty;
    bool box;
    std::uint8_t ef, mozg;
    std::int32_t char_tvp;
    std::array<std::string, 11> recent;
    std::uint8_t settings_count;
    std::string edit1;
    bool operator==(const Snapshot&) const = default;
  };
  static Snapshot Take() {
    const auto& s = SheetModel();
    const auto& c = Orders().StartCoords;
    return {s.Lines.SheetCodes,      s.Lines.SheetParams,       s.Lines.SheetTvp,     s.Lines.SheetTvpManual,
            s.Header.KSZ,            s.Header.FORD,             s.Sheet40Lines,       s.Header.SendFlags[BEALL],
            c.StartX,                c.StartY,                  c.TeleportX,          c.TeleportY,
            Orders().TeleportReturnChecked, Orders().EfFactor, CharSettings().CharMozg, CharSettings().CharTvp,
            Program().RecentSheets,  Accounts().SettingsCount,  Orders().MapFields.Edit1};
  }

  RecordingMessageBoxes boxes;
  TempDir dir;
};

TEST_F(SheetFilesTest, Writes20LineFormByteForByte) {
  BuildSheet20();
  ASSERT_TRUE(WriteSheetForm(dir.path()));
  EXPECT_EQ(dir.Read("1234-0007.ul"), kGolden20);
  EXPECT_EQ(SheetModel().Header.FORD, "0007");
  EXPECT_FALSE(SheetModel().Sheet40Lines);
  EXPECT_FALSE(Editor().SheetModified);
  EXPECT_EQ(Program().RecentSheets[1], "1234-0007.ul");
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SheetFilesTest, Writes40LineSettingsSheetByteForByte) {
  auto& sheet = SheetModel();
  sheet.Header.KSZ = "0042";
  sheet.Header.FORD = "0123";
  sheet.Header.SendFlags[BEALL] = true;
  SetLine(21, "VAR", 12345, 99999, -1234, 1000, 999);
  SetLine(40, "EF", 4, 0, 0, 40);
  Orders().StartCoords.StartX = 5;  // Y is 0: no start pair
  Orders().StartCoords.TeleportX = 500;
  Orders().StartCoords.TeleportY = 60;
  ASSERT_TRUE(WriteSheetForm(dir.path()));
  EXPECT_EQ(dir.Read("0042-0123b.ul"), Golden40());
  EXPECT_TRUE(sheet.Sheet40Lines);
  EXPECT_EQ(Program().RecentSheets[1], "0042-0123b.ul");
}

TEST_F(SheetFilesTest, LineCountFollowsLines21To40) {
  auto line_count = [](const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  };
  SheetModel().Lines.SheetCodes[21] = "M";
  ASSERT_TRUE(WriteSheetForm(dir.path()));
  EXPECT_EQ(line_count(dir.Read("0000-0000.ul")), 56);
  SheetModel().Lines.SheetCodes[21].clear();
  SheetModel().Lines.SheetCodes[20] = "M";
  ASSERT_TRUE(WriteSheetForm(dir.path()));
  EXPECT_EQ(line_count(dir.Read("0000-0000.ul")), 32);
  EXPECT_FALSE(SheetModel().Sheet40Lines);
}

TEST_F(SheetFilesTest, Reads20LineFormFieldByField) {
  dir.Write("1234-0007.ul", kGolden20);
  SheetModel().Lines.SheetCodes[30] = "OLD";
  SheetModel().Lines.SheetTexts[1] = "old text";
  ASSERT_TRUE(LoadSheet(dir.path(), "1234-0007.ul"));

  const auto& s = SheetModel();
  EXPECT_FALSE(s.Sheet40Lines);
  EXPECT_FALSE(s.Header.SendFlags[BEALL]);
  EXPECT_EQ(s.Header.KSZ, "1234");
  EXPECT_EQ(s.Header.FORD, "0007");
  EXPECT_EQ(s.Header.PREKAR, "0000");
  EXPECT_EQ(s.Lines.SheetCodes[1], "M   ");  // trailing blanks stay for the refresh to remove
  EXPECT_EQ(s.Lines.SheetCodes[2], "EF  ");
  EXPECT_EQ(s.Lines.SheetCodes[4], "");
  EXPECT_EQ(s.Lines.SheetCodes[30], "");
  EXPECT_EQ(s.Lines.SheetTexts[1], "");
  EXPECT_EQ(s.Lines.SheetParams[1], (std::array<std::int32_t, 3>{1, 2, 3}));
  EXPECT_EQ(s.Lines.SheetParams[2], (std::array<std::int32_t, 3>{4, 0, 0}));
  // -1 comes back in P3 only; in P1 the "-" reads as an empty field.
  EXPECT_EQ(s.Lines.SheetParams[3], (std::array<std::int32_t, 3>{0, 5, -1}));
  EXPECT_EQ(s.Lines.SheetTvp[1], 30);
  EXPECT_EQ(s.Lines.SheetTvp[2], 40);
  EXPECT_EQ(s.Lines.SheetTvpManual[5], -12);
  EXPECT_EQ(s.Lines.SheetVp[5], 0);  // recomputed by the refresh, not read
  EXPECT_EQ(Orders().EfFactor, 0);   // the EF line is not the last line
  const auto& c = Orders().StartCoords;
  EXPECT_EQ(c.StartX, 12);
  EXPECT_EQ(c.StartY, 34);
  EXPECT_EQ(c.TeleportX, 0);
  EXPECT_EQ(Orders().MapFields.Edit1, "12");
  EXPECT_EQ(Orders().MapFields.Edit2, "34");
  EXPECT_FALSE(Orders().TeleportReturnChecked);
  EXPECT_EQ(Program().RecentSheets[1], "1234-0007.ul");
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SheetFilesTest, Reads40LineSettingsSheetWithTeleportAndLastLineEf) {
  dir.Write("0042-0123b.ul", Golden40());
  ASSERT_TRUE(LoadSheet(dir.path(), "0042-0123b.ul"));
  const auto& s = SheetModel();
  EXPECT_TRUE(s.Sheet40Lines);
  EXPECT_TRUE(s.Header.SendFlags[BEALL]);
  EXPECT_EQ(s.Header.KSZ, "0042");
  EXPECT_EQ(s.Header.FORD, "0123");
  EXPECT_EQ(s.Lines.SheetCodes[21], "VAR ");
  // 5-digit values; -1234 in P3 (its "-" is not just before the last digit)
  // reads as 0.
  EXPECT_EQ(s.Lines.SheetParams[21], (std::array<std::int32_t, 3>{12345, 99999, 0}));
  EXPECT_EQ(s.Lines.SheetTvp[21], 1000);
  EXPECT_EQ(s.Lines.SheetTvpManual[21], 999);
  EXPECT_EQ(Orders().EfFactor, 10);  // 40 TVP / 4 on the last line
  const auto& c = Orders().StartCoords;
  EXPECT_EQ(c.StartX, 0);
  EXPECT_EQ(c.StartY, 0);
  // The box was off: turning it on takes the loaded pair over at once.
  EXPECT_TRUE(Orders().TeleportReturnChecked);
  EXPECT_EQ(c.TeleportX, 500);
  EXPECT_EQ(c.TeleportY, 60);
  EXPECT_EQ(c.LoadedTeleportX, 0);
  EXPECT_EQ(c.LoadedTeleportY, 0);
  EXPECT_EQ(Orders().MapFields.Edit3, "500");
  EXPECT_EQ(Orders().MapFields.Edit4, "60");
}

TEST_F(SheetFilesTest, TeleportPairWaitsWhenTheBoxIsAlreadyOnAndClearsWhenAbsent) {
  dir.Write("0042-0123b.ul", Golden40());
  dir.Write("1234-0007.ul", kGolden20);
  Orders().TeleportReturnChecked = true;
  ASSERT_TRUE(LoadSheet(dir.path(), "0042-0123b.ul"));
  const auto& c = Orders().StartCoords;
  EXPECT_EQ(c.TeleportX, 500);
  EXPECT_EQ(c.LoadedTeleportX, 500);
  EXPECT_EQ(c.LoadedTeleportY, 60);

  ASSERT_TRUE(LoadSheet(dir.path(), "1234-0007.ul"));
  EXPECT_FALSE(Orders().TeleportReturnChecked);
  EXPECT_EQ(c.TeleportX, 0);
  EXPECT_EQ(c.TeleportY, 0);
  EXPECT_EQ(Orders().MapFields.Edit3, "0");
}

TEST_F(SheetFilesTest, ReadsTheOlderNarrowForm) {
  const std::string text = NarrowSheet();
  dir.Write("0815-0031.ul", text);
  ASSERT_TRUE(LoadSheet(dir.path(), "0815-0031.ul")) << boxes.shown.size();
  const auto& s = SheetModel();
  EXPECT_EQ(s.Header.KSZ, "0815");
  EXPECT_EQ(s.Header.FORD, "0031");
  EXPECT_EQ(s.Lines.SheetCodes[1], "MA  ");
  EXPECT_EQ(s.Lines.SheetParams[1], (std::array<std::int32_t, 3>{1234, 5678, -1}));
  EXPECT_EQ(s.Lines.SheetTvp[1], 120);
  EXPECT_EQ(s.Lines.SheetTvpManual[1], -5);
  EXPECT_EQ(s.Lines.SheetParams[3], (std::array<std::int32_t, 3>{3, 0, 2}));
  EXPECT_EQ(s.Lines.SheetTvp[3], 45);
  EXPECT_EQ(Orders().StartCoords.StartX, 7);
  EXPECT_EQ(Orders().StartCoords.StartY, 8);
  EXPECT_EQ(Orders().StartCoords.TeleportX, 3);
  EXPECT_EQ(Orders().StartCoords.TeleportY, 4);
}

TEST_F(SheetFilesTest, WriteAndReadBackKeepEveryLine) {
  SheetModel().Header.KSZ = "2001";
  SheetModel().Header.FORD = "0044";
  for (int l = 1; l <= kSheetLines; ++l)
    SetLine(l, l % 3 == 0 ? "" : (l % 3 == 1 ? "EF" : "M"), l * 7, l % 4 == 0 ? 0 : 900 + l, l % 5 == 0 ? -l % 10 : l,
            l * 10 - 100, l % 2 ? -l : l * 3);
  const OrderSheet written = SheetModel().Lines;
  ASSERT_TRUE(WriteSheetForm(dir.path()));

  ResetSheetModel();
  ASSERT_TRUE(LoadSheet(dir.path(), "2001-0044.ul"));
  const auto& s = SheetModel();
  for (int l = 1; l <= kSheetLines; ++l) {
    const auto i = static_cast<std::size_t>(l);
    std::string code = s.Lines.SheetCodes[i];
    code.erase(code.find_last_not_of(' ') + 1);
    EXPECT_EQ(code, written.SheetCodes[i]) << l;
    EXPECT_EQ(s.Lines.SheetParams[i], written.SheetParams[i]) << l;
    EXPECT_EQ(s.Lines.SheetTvp[i], written.SheetTvp[i]) << l;
    EXPECT_EQ(s.Lines.SheetTvpManual[i], written.SheetTvpManual[i]) << l;
  }
  EXPECT_EQ(Orders().EfFactor, static_cast<std::uint8_t>(300 / 280));  // line 40: EF 280, TVP 300
}

TEST_F(SheetFilesTest, SettingsOfTheLoadedCharacterAreTakenWithTheirTeleportFoci) {
  dir.Write("1234-0007.ul", kGolden20);
  TSettingsEntry e;
  e.KSZ = "1234";
  e.MOZG = 12;
  e.FELT = 7;
  e.TERFOKUSZ = 3;
  e.TVP = 50;
  e.VP = 4;
  e.PP = 2;
  e.TU = -1;
  AppendSettingsEntry(e);
  ASSERT_TRUE(LoadSheet(dir.path(), "1234-0007.ul"));
  const auto& ch = CharSettings();
  EXPECT_EQ(ch.CharMozg, 12);
  EXPECT_EQ(ch.CharFelt, 7);
  EXPECT_EQ(ch.CharTerfokusz, 3);
  EXPECT_EQ(ch.CharTvp, 50);
  EXPECT_EQ(ch.CharVp, 4);
  EXPECT_EQ(ch.CharPp, 2);
  EXPECT_EQ(ch.CharTu, -1);
  EXPECT_EQ(Accounts().SettingsCount, 1);

  // Another character without an entry gets one with the defaults, and none of
  // the first one's foci.
  dir.Write("0042-0123b.ul", Golden40());
  ASSERT_TRUE(LoadSheet(dir.path(), "0042-0123b.ul"));
  EXPECT_EQ(ch.CharMozg, 10);
  EXPECT_EQ(ch.CharFelt, 10);
  EXPECT_EQ(ch.CharTerfokusz, 0);
  EXPECT_EQ(ch.CharTvp, 0);
  EXPECT_EQ(ch.CharTu, 0);
  ASSERT_EQ(Accounts().SettingsCount, 2);
  const auto& added = Accounts().SettingsTable[2];
  EXPECT_EQ(added.KSZ, "0042");
  EXPECT_EQ(added.MOZG, 10);
  EXPECT_EQ(added.FELT, 10);
  EXPECT_EQ(added.TERFOKUSZ, 0);
}

TEST_F(SheetFilesTest, AFullSettingsTableTakesNoNewCharacter) {
  for (int i = 1; i <= kSettingsCapacity; ++i) {
    TSettingsEntry e;
    e.KSZ = std::to_string(5000 + i);
    AppendSettingsEntry(e);
  }
  CharSettings().CharTerfokusz = 9;
  dir.Write("1234-0007.ul", kGolden20);
  ASSERT_TRUE(LoadSheet(dir.path(), "1234-0007.ul"));
  EXPECT_EQ(Accounts().SettingsCount, kSettingsCapacity);
  EXPECT_EQ(CharSettings().CharMozg, 10);
  EXPECT_EQ(CharSettings().CharTerfokusz, 0);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text,
            "A karakterbeállítások táblája megtelt (100 karakter): a(z) 1234 karakter beállításai nem menthetők."_w);
}

TEST_F(SheetFilesTest, ARefusedLoadLeavesEverythingAsItWas) {
  BuildSheet20();
  Program().RecentSheets[1] = "elozo.ul";
  const Snapshot before = Take();

  std::string bad_coords = kGolden20;
  bad_coords.replace(bad_coords.find("12;34"), 5, "12;x4");
  std::string slipped = kGolden20;  // a separator line lost: the order lines slip
  slipped.erase(slipped.find(kSeparator), kSeparator.size() + 2);
  std::string junk;
  for (int i = 0; i < 4000; ++i) junk += static_cast<char>((i * 37 + 11) % 256);

  struct Case {
    const char* name;
    std::string bytes;  // nothing is written for the missing file
    std::string message;
  };
  const Case cases[] = {
      {"nincs.ul", "", "A fájl nem található vagy nem olvasható: nincs.ul"_w},
      {"ures.ul", "", "A fájl hiányos, nem tölthető be: ures.ul"_w},
      {"csonka.ul", kGolden20.substr(0, kGolden20.find("|  9. ")), "A fájl hiányos, nem tölthető be: csonka.ul"_w},
      {"szemet.ul", junk, "A fájl nem UL lap vagy sérült, nem tölthető be: szemet.ul"_w},
      {"csuszott.ul", slipped, "A fájl nem UL lap vagy sérült, nem tölthető be: csuszott.ul"_w},
      {"koord.ul", bad_coords, "Hibás koordináta a fájlban, nem tölthető be: koord.ul"_w},
  };
  for (const auto& c : cases) {
    if (std::string_view(c.name) != "nincs.ul") dir.Write(c.name, c.bytes);
    boxes.shown.clear();
    EXPECT_FALSE(LoadSheet(dir.path(), c.name)) << c.name;
    EXPECT_TRUE(Take() == before) << c.name;
    ASSERT_EQ(boxes.shown.size(), 1u) << c.name;
    EXPECT_EQ(boxes.shown[0].text, c.message);
    EXPECT_EQ(boxes.shown[0].kind, MessageKind::Error);
  }
}

// A damaged file must never load as other values: each of these is refused,
// changes nothing and says why.
TEST_F(SheetFilesTest, DamagedSheetsAreRefusedWithAMessage) {
  BuildSheet20();
  const Snapshot before = Take();
  auto with = [](std::string text, std::string_view from, std::string_view to) {
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const std::string g40 = Golden40();
  struct Case {
    const char* name;
    std::string bytes;
    std::string message;
  };
  const Case cases[] = {
      // Cut right after the last line's number: no line of it, no closing lines.
      {"vege.ul", g40.substr(0, g40.find("| 40") + 4), "A fájl hiányos, nem tölthető be: vege.ul"_w},
      // Every order line whole, the closing lines missing.
      {"zaras.ul", g40.substr(0, g40.rfind(kFrame)), "A fájl hiányos, nem tölthető be: zaras.ul"_w},
      // Saved again as UTF-8 by a text editor: "¦" takes two bytes.
      {"utf8.ul", Win1250ToUtf8(kGolden20),
       "A fájl 1. sorának oszlopai elcsúsztak (például más kódolással mentették el újra), nem tölthető be: utf8.ul"_w},
      // Manual TVPs wider than their column, as a hand-edited file may hold them.
      {"kezi1.ul", with(kGolden20, "|     -12", "| -1234567"),
       "A fájl 5. sorában a kézi TVP nem fér a -999..999 tartományba, nem tölthető be: kezi1.ul"_w},
      {"kezi2.ul", with(kGolden20, "|     -12", "| 2147483647"),
       "A fájl 5. sorában a kézi TVP nem fér a -999..999 tartományba, nem tölthető be: kezi2.ul"_w},
      {"kezi3.ul", with(kGolden20, "|     -12", "|    1000"),
       "A fájl 5. sorában a kézi TVP nem fér a -999..999 tartományba, nem tölthető be: kezi3.ul"_w},
      // Typed further right than its column: the digits past it are no VP column.
      {"kezi4.ul", with(kGolden20, "|     -12", "|     12345"),
       "A fájl 5. sorában a kézi TVP nem fér a -999..999 tartományba, nem tölthető be: kezi4.ul"_w},
      {"kezi5.ul", with(kGolden20, "|     -12", "|       -1000"),
       "A fájl 5. sorában a kézi TVP nem fér a -999..999 tartományba, nem tölthető be: kezi5.ul"_w},
      {"kezi6.ul", with(kGolden20, "|     -12", "|        1234"),
       "A fájl 5. sorában a kézi TVP nem fér a -999..999 tartományba, nem tölthető be: kezi6.ul"_w},
      {"kezi7.ul", with(kGolden20, "|     -12", "|       -12"),
       "A fájl 5. sorának oszlopai elcsúsztak (például más kódolással mentették el újra), nem tölthető be: kezi7.ul"_w},
      // A parameter wider than its field pushes the TVP column.
      {"param.ul", with(kGolden20, "1      2      3   ", "100000  2      3   "),
       "A fájl 1. sorának oszlopai elcsúsztak (például más kódolással mentették el újra), nem tölthető be: param.ul"_w},
  };
  for (const auto& c : cases) {
    dir.Write(c.name, c.bytes);
    boxes.shown.clear();
    EXPECT_FALSE(LoadSheet(dir.path(), c.name)) << c.name;
    EXPECT_TRUE(Take() == before) << c.name;
    ASSERT_EQ(boxes.shown.size(), 1u) << c.name;
    EXPECT_EQ(boxes.shown[0].text, c.message);
  }
}

TEST_F(SheetFilesTest, NoCutOffSheetLoads) {
  BuildSheet20();
  const Snapshot before = Take();
  for (std::size_t cut = 0; cut < kGolden20.size(); ++cut) {
    dir.Write("cut.ul", kGolden20.substr(0, cut));
    ASSERT_FALSE(LoadSheet(dir.path(), "cut.ul")) << cut;
    ASSERT_TRUE(Take() == before) << cut;
  }
}

// A TVP wider than its four columns pushes the rest of the line; it reads back
// whole and moves nothing else.
TEST_F(SheetFilesTest, AWideLineTvpReadsBackWhole) {
  SheetModel().Header.KSZ = "1234";
  SetLine(1, "BE", 493, 32000, 0, 1600000, -7);
  ASSERT_TRUE(WriteSheetForm(dir.path()));
  ResetSheetModel();
  ASSERT_TRUE(LoadSheet(dir.path(), "1234-0000.ul"));
  EXPECT_EQ(SheetModel().Lines.SheetTvp[1], 1600000);
  EXPECT_EQ(SheetModel().Lines.SheetTvpManual[1], -7);
}

// The VP column follows the manual TVP without a blank of its own: a VP as wide
// as its column, or wider, adjoins the manual value and still reads back.
TEST_F(SheetFilesTest, ManualTvpsReadBackBesideWideResourceColumns) {
  SheetModel().Header.KSZ = "1234";
  const struct Case {
    std::int32_t manual, vp, pp;
  } cases[] = {{-999, 1199988, 0}, {999, -1199988, 123456}, {-5, 1000000, -99999}, {0, 2147483647, 0}};
  for (int l = 1; l <= 4; ++l) {
    const Case& k = cases[l - 1];
    SetLine(l, "VAR", 1, 1, 1, 30, k.manual);
    SheetModel().Lines.SheetVp[static_cast<std::size_t>(l)] = k.vp;
    SheetModel().Lines.SheetPp[static_cast<std::size_t>(l)] = k.pp;
  }
  ASSERT_TRUE(WriteSheetForm(dir.path()));
  ResetSheetModel();
  ASSERT_TRUE(LoadSheet(dir.path(), "1234-0000.ul")) << boxes.shown.size();
  for (int l = 1; l <= 4; ++l) EXPECT_EQ(SheetModel().Lines.SheetTvpManual[static_cast<std::size_t>(l)], cases[l - 1].manual) << l;
  EXPECT_TRUE(boxes.shown.empty());
}

// A turn that cannot be one reads as no number, so saving the loaded sheet
// again keeps one name; the writer puts any turn in that same form.
TEST_F(SheetFilesTest, ATurnThatCannotBeOneReadsAsZero) {
  dir.Write("1234-0007.ul", [] {
    std::string t = kGolden20;
    t.replace(t.find("F:    7"), 7, "F:   -5");
    return t;
  }());
  ASSERT_TRUE(LoadSheet(dir.path(), "1234-0007.ul"));
  EXPECT_EQ(SheetModel().Header.FORD, "0000");
  ASSERT_TRUE(WriteSheetForm(dir.path()));
  const std::string first = dir.Read("1234-0000.ul");
  ASSERT_TRUE(LoadSheet(dir.path(), "1234-0000.ul"));
  ASSERT_TRUE(WriteSheetForm(dir.path()));
  EXPECT_EQ(dir.Read("1234-0000.ul"), first);

  SheetModel().Header.FORD = "00-5";
  ASSERT_TRUE(WriteSheetForm(dir.path()));
  EXPECT_EQ(SheetModel().Header.FORD, "0000");
  EXPECT_EQ(Program().RecentSheets[1], "1234-0000.ul");
}

// A turn held as text (an e-mail order file keeps it so) is saved as the
// sheet's reader reads it, and the saved sheet saves again under the same name.
TEST_F(SheetFilesTest, ATurnIsSavedAsTheSheetReadsIt) {
  const struct Case {
    const char* ford;
    const char* name;
  } cases[] = {{"-005", "1234-0000.ul"}, {"5x", "1234-0005.ul"}, {" 12", "1234-0012.ul"}, {"+7", "1234-0007.ul"}};
  for (const Case& k : cases) {
    SheetModel().Header.KSZ = "1234";
    SheetModel().Header.FORD = k.ford;
    ASSERT_TRUE(WriteSheetForm(dir.path())) << k.ford;
    EXPECT_EQ(Program().RecentSheets[1], k.name) << k.ford;
    const std::string first = dir.Read(k.name);
    ASSERT_TRUE(LoadSheet(dir.path(), k.name)) << k.ford;
    ASSERT_TRUE(WriteSheetForm(dir.path())) << k.ford;
    EXPECT_EQ(Program().RecentSheets[1], k.name) << k.ford;
    EXPECT_EQ(dir.Read(k.name), first) << k.ford;
  }
}

// A sheet without a (whole) character number is the no-character sheet, and a
// short one is kept in the form beallit.cfg keeps it: start after start, the
// same sheet finds its one entry again.
TEST_F(SheetFilesTest, ShortOrMissingCharacterNumbersAddNoEntryAtEveryStart) {
  dir.Write("nincs.ul", NarrowSheet("|  #:"));
  ASSERT_TRUE(LoadSheet(dir.path(), "nincs.ul"));
  EXPECT_EQ(SheetModel().Header.KSZ, "0000");
  EXPECT_EQ(Accounts().SettingsCount, 0);

  dir.Write("rovid.ul", NarrowSheet("|  #: 12"));
  for (int start = 0; start < 3; ++start) {
    ResetAccounts();
    LoadAccountsAndSettings(dir.path());
    ASSERT_TRUE(LoadSheet(dir.path(), "rovid.ul"));
    ASSERT_TRUE(SaveAccountsAndSettings(dir.path()).empty());
    EXPECT_EQ(Accounts().SettingsCount, 1) << start;
  }
  EXPECT_EQ(SheetModel().Header.KSZ, "  12");
}

TEST_F(SheetFilesTest, FileIsFoundWhateverItsCase) {
  dir.Write("1234-0007.UL", kGolden20);
  ASSERT_TRUE(LoadSheet(dir.path(), "1234-0007.ul"));
  EXPECT_EQ(SheetModel().Header.KSZ, "1234");
  // Saving overwrites that file instead of adding a second one.
  ASSERT_TRUE(WriteSheetForm(dir.path()));
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "/1234-0007.ul"));

  ASSERT_TRUE(LoadSheet(dir.path(), "1234-0007.UL"));
  EXPECT_EQ(Program().RecentSheets[1], "1234-0007.ul");
  EXPECT_EQ(Program().RecentSheets[2], "");
}

TEST_F(SheetFilesTest, FailedWriteIsReportedAndKeepsTheSheetUnsaved) {
  BuildSheet20();
  Program().RecentSheets[1] = "elozo.ul";
  // No earlier file: nothing is said to be kept.
  const struct {
    std::string folder, why;
  } cases[] = {{dir.path() + "/nincs", "a fájl mappája nem létezik"_w},
               {dir.Write("fajl", "x"), "egy fájl áll a mappa helyén"_w}};
  for (const auto& [folder, why] : cases) {
    boxes.shown.clear();
    EXPECT_FALSE(WriteSheetForm(folder));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "A lap mentése nem sikerült: 1234-0007.ul ("_w + why + ").");
    EXPECT_TRUE(Editor().SheetModified);
    EXPECT_EQ(Program().RecentSheets[1], "elozo.ul");
    EXPECT_EQ(Program().RecentSheets[2], "");
  }
  EXPECT_EQ(dir.Read("fajl"), "x");
}

TEST_F(SheetFilesTest, WriteThatFailsMidwayLeavesTheOldFileByteIdentical) {
  const std::string old_bytes = kGolden20;
  dir.Write("1234-0007.ul", old_bytes);
  BuildSheet20();
  SheetModel().Lines.SheetCodes[30] = "M";  // a 56-line file, longer than the old one

  // The file-size limit makes the kernel refuse the write after 200 bytes,
  // root or not.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 200;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteSheetForm(dir.path());
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);

  EXPECT_FALSE(written);
  EXPECT_EQ(dir.Read("1234-0007.ul"), old_bytes);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()),
            1);  // no temporary file left behind
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_TRUE(Editor().SheetModified);
}

// Whatever step of the save fails: one message that says why, the old file
// byte for byte, the sheet as it was and still unsaved, no temporary file.
TEST_F(SheetFilesTest, AFaultAtAnyStepOfTheSaveKeepsTheOldFileAndTheSheet) {
  BuildSheet20();
  ASSERT_TRUE(WriteSheetForm(dir.path()));
  const std::string old_bytes = dir.Read("1234-0007.ul");
  SetLine(4, "VE", 2, 0, 0, 5);
  SheetModel().Header.FORD = "7";
  Editor().SheetModified = true;
  for (const auto& fault : testing::kWriterFaults) {
    const std::string name = testing::FaultName(fault);
    boxes.shown.clear();
    const Snapshot before = Take();
    {
      const testing::ScopedWriteFault injected(fault.step, fault.error);
      EXPECT_FALSE(WriteSheetForm(dir.path())) << name;
    }
    ASSERT_EQ(boxes.shown.size(), 1u) << name;
    EXPECT_EQ(boxes.shown[0].kind, MessageKind::Error);
    EXPECT_TRUE(Take() == before) << name;
    EXPECT_TRUE(Editor().SheetModified) << name;
    EXPECT_TRUE(testing::TempFilesIn(dir.path()).empty()) << name;
    if (fault.step == WriteStep::FolderFlush) {
      EXPECT_EQ(boxes.shown[0].text, "A lap mentése nem sikerült: 1234-0007.ul (a rendszer hibaüzenete: "_w +
                                         std::strerror(EIO) +
                                         "; az új fájl a helyére került, de nem biztos, hogy a lemezre is kiíródott)."_w);
      ASSERT_TRUE(WriteFileAtomically(dir.path() + "/1234-0007.ul", old_bytes));
      continue;
    }
    EXPECT_EQ(dir.Read("1234-0007.ul"), old_bytes) << name;
    if (fault.step == WriteStep::Write && fault.error == ENOSPC) {
      EXPECT_EQ(boxes.shown[0].text,
                "A lap mentése nem sikerült: 1234-0007.ul (nincs elég hely a lemezen; a korábbi fájl változatlan maradt)."_w);
    }
  }
  // A new sheet's file: no earlier file is said to be kept.
  SheetModel().Header.FORD = "122";
  boxes.shown.clear();
  const testing::ScopedWriteFault full(WriteStep::Write, ENOSPC);
  EXPECT_FALSE(WriteSheetForm(dir.path()));
  EXPECT_EQ(boxes.shown.at(0).text, "A lap mentése nem sikerült: 1234-0122.ul (nincs elég hely a lemezen)."_w);
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "/1234-0122.ul"));
}

// What the form cannot carry (a pick list can put any record number into a
// parameter) is refused before anything is written; the reader is never given
// a file it would refuse or read as other values.
TEST_F(SheetFilesTest, WhatTheFormCannotCarryIsRefusedBeforeWriting) {
  const struct Case {
    int line;
    std::string code;
    std::array<std::int32_t, 3> params;
    std::int32_t manual;
    std::string message;  // empty: written
  } cases[] = {
      {8, "M", {123456, 0, 0}, 0, "A(z) 8. sor P1 értéke (123456) nem fér el a fájlban, a lap nem lett mentve."},
      {3, "M", {0, 100000, 0}, 0, "A(z) 3. sor P2 értéke (100000) nem fér el a fájlban, a lap nem lett mentve."},
      {4, "M", {0, 0, -10000}, 0, "A(z) 4. sor P3 értéke (-10000) nem fér el a fájlban, a lap nem lett mentve."},
      {5, "M", {99999, -9999, -9999}, 0, ""},  // the widest that fit
      {6, "ABCDE", {0, 0, 0}, 0, "A(z) 6. sor kódja (ABCDE) nem fér el a fájlban, a lap nem lett mentve."},
      {7, "M\r", {0, 0, 0}, 0, "A(z) 7. sor kódja sortörést tartalmaz, a lap nem lett mentve."},
      {9, "M", {0, 0, 0}, 1000, "A(z) 9. sor kézi TVP értéke (1000) nem fér el a fájlban, a lap nem lett mentve."},
      {9, "M", {0, 0, 0}, -999, ""},
      // Lines 21..40 count only on a 40-line sheet.
      {40, "", {123456, 0, 0}, 0, ""},
      {40, "M", {123456, 0, 0}, 0, "A(z) 40. sor P1 értéke (123456) nem fér el a fájlban, a lap nem lett mentve."},
  };
  for (const Case& c : cases) {
    ResetSheetModel();
    for (auto& slot : Program().RecentSheets) slot.clear();
    std::filesystem::remove(dir.path() + "/1234-0007.ul");
    SheetModel().Header.KSZ = "1234";
    SheetModel().Header.FORD = "7";
    SetLine(c.line, c.code, c.params[0], c.params[1], c.params[2], 0, c.manual);
    Editor().SheetModified = true;
    boxes.shown.clear();
    const Snapshot before = Take();
    const bool written = WriteSheetForm(dir.path());
    EXPECT_EQ(written, c.message.empty()) << c.line << " " << c.code;
    if (written) {
      // It reads back as it was written ("-" marks the empty field).
      ASSERT_TRUE(LoadSheet(dir.path(), "1234-0007.ul"));
      continue;
    }
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, Utf8ToWin1250(c.message));
    EXPECT_TRUE(Take() == before);
    EXPECT_TRUE(Editor().SheetModified);
    EXPECT_FALSE(std::filesystem::exists(dir.path() + "/1234-0007.ul"));
  }
  SheetModel().Header.KSZ = "12345";
  boxes.shown.clear();
  EXPECT_FALSE(WriteSheetForm(dir.path()));
  EXPECT_EQ(boxes.shown.at(0).text, "A karakterszám (12345) nem fér el a fájlban, a lap nem lett mentve."_w);
}

TEST_F(SheetFilesTest, NameThatLeadsOutOfTheFolderIsRefused) {
  SheetModel().Header.KSZ = "../x";
  EXPECT_FALSE(WriteSheetForm(dir.path() + "/sub"));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Érvénytelen fájlnév, a lap nem menthető: ../x-0000.ul"_w);
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "/x-0000.ul"));
}

TEST_F(SheetFilesTest, StartUpLoadResetsTheEditorDefaults) {
  auto& ed = Editor();
  ed.CursorCell = 253;
  ed.CurLine = 25;
  ed.ResourceView = true;
  ed.ColorMarkup = false;
  Status().TotalTvp = 77;
  Status().TvpToCursor = 66;
  Orders().EfFactor = 20;
  Modes().PromptIndex = 3;
  LastDrawnStatus().TvpToCursor = 40;
  SheetModel().Header.KSZ = "1234";
  LoadAccountsAndSettingsAtStart(dir.path());
  EXPECT_EQ(Modes().PromptIndex, 10);
  EXPECT_EQ(LastDrawnStatus().TvpToCursor, -999);
  EXPECT_EQ(ed.CursorCell, 10);
  EXPECT_EQ(ed.CurLine, 1);
  EXPECT_FALSE(ed.ResourceView);
  EXPECT_TRUE(ed.ColorMarkup);
  EXPECT_EQ(Status().TotalTvp, 0);
  EXPECT_EQ(Status().TvpToCursor, 0);
  EXPECT_EQ(Orders().EfFactor, 10);
  EXPECT_EQ(SheetModel().Header.KSZ, "0000");
}

}  // namespace
}  // namespace vorda
