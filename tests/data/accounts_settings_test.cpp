#include "data/accounts_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/char_settings.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "platform/message_box.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"
#include "support/write_faults.h"

namespace vorda {
namespace {

using testing::TempDir;

// Hand-written from the layout: two comment lines, then 16-line blocks with an
// address and 15-line blocks without, each line a 10-character label and the
// value, CR LF everywhere.
const std::string kAccountsGolden =
    "; Ha lehet, ebbe a file-ba ne piszkálj bele...\r\n"
    "; Bár minden átírható kézzel is, de biztonságosabb programból:)\r\n"
    "KARAKTER= 1234\r\n"
    "SZAMLA  = 01234\r\n"
    "KOD     = titkosjelszo123\r\n"
    "EMAIL   = jatekos@example.hu\r\n"
    "ELV     = ON\r\n"
    "UL      = OFF\r\n"
    "JL      = ON\r\n"
    "EXT     = OFF\r\n"
    "LSZ     = OFF\r\n"
    "B64     = ON\r\n"
    "B64P    = OFF\r\n"
    "UU      = OFF\r\n"
    "UUP     = OFF\r\n"
    "POSTA   = OFF\r\n"
    "BEALL   = OFF\r\n"
    "\r\n"
    "KARAKTER= 5678\r\n"
    "SZAMLA  = 55555\r\n"
    "KOD     = masik\r\n"
    "ELV     = ON\r\n"
    "UL      = ON\r\n"
    "JL      = OFF\r\n"
    "EXT     = OFF\r\n"
    "LSZ     = ON\r\n"
    "B64     = OFF\r\n"
    "B64P    = OFF\r\n"
    "UU      = OFF\r\n"
    "UUP     = ON\r\n"
    "POSTA   = ON\r\n"
    "BEALL   = OFF\r\n"
    "\r\n"_w;

// KSZ in 4 columns, then 5, 5, 7, 7, 6, 5 and 12; a number as wide as its
// column or wider keeps one blank in front and pushes the rest right.
const std::string kSettingsGolden =
    "Az alábbi sorok a karakterekre vonatkozó információk\r\n"
    "#KSZ MOZG FELT    TVP     VP    PP   TU   TERFOKUSZ\r\n"
    "1234   12    7    150     20     5   -5           3\r\n"
    "5678   10   10 -1234567 1234567     0    0          20\r\n"_w;

TAccountRecord Account(std::string ksz, std::string szla, std::string kod, std::string email,
                       std::initializer_list<SendFlag> on) {
  TAccountRecord r;
  r.KSZ = std::move(ksz);
  r.SZLA = std::move(szla);
  r.KOD = std::move(kod);
  r.EMAIL = std::move(email);
  for (const SendFlag f : on) r.Flags[f] = true;
  return r;
}

TSettingsEntry Settings(std::string ksz, int mozg, int felt, int terfokusz, int tvp, int vp, int pp, int tu) {
  TSettingsEntry e;
  e.KSZ = std::move(ksz);
  e.MOZG = static_cast<std::uint8_t>(mozg);
  e.FELT = static_cast<std::uint8_t>(felt);
  e.TERFOKUSZ = static_cast<std::uint8_t>(terfokusz);
  e.TVP = tvp;
  e.VP = vp;
  e.PP = pp;
  e.TU = static_cast<std::int8_t>(tu);
  return e;
}

class AccountsSettingsTest : public testing::FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    InstallMessageBoxes(&boxes);
  }
  void TearDown() override {
    InstallMessageBoxes(nullptr);
    FreshState::TearDown();
  }
  RecordingMessageBoxes boxes;
  TempDir dir;
};

TEST_F(AccountsSettingsTest, WritesBothFilesByteForByte) {
  // BEALL on in memory is still written off.
  AppendAccount(Account("1234", "01234", "titkosjelszo123", "jatekos@example.hu", {ELVESZETT, JL, B64, BEALL}));
  AppendAccount(Account("5678", "55555", "masik", "", {ELVESZETT, UL, SZL, UUEP, POSTA}));
  AppendSettingsEntry(Settings("1234", 12, 7, 3, 150, 20, 5, -5));
  AppendSettingsEntry(Settings("5678", 10, 10, 20, -1234567, 1234567, 0, 0));

  ASSERT_TRUE(SaveAccountsAndSettings(dir.path()).empty());
  EXPECT_EQ(dir.Read("SZAMLAK.CFG"), kAccountsGolden);
  EXPECT_EQ(dir.Read("beallit.cfg"), kSettingsGolden);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AccountsSettingsTest, ReadsGoldenFilesFieldByFieldAndWritesThemBackUnchanged) {
  dir.Write("SZAMLAK.CFG", kAccountsGolden);
  dir.Write("beallit.cfg", kSettingsGolden);
  LoadAccountsAndSettings(dir.path());

  const auto& st = Accounts();
  ASSERT_EQ(st.AccountCount, 2);
  const auto& a = st.AccountTable[1];
  EXPECT_EQ(a.KSZ, "1234");
  EXPECT_EQ(a.SZLA, "01234");
  EXPECT_EQ(a.KOD, "titkosjelszo123");
  EXPECT_EQ(a.EMAIL, "jatekos@example.hu");
  const std::array<bool, kSendFlagCount> a_flags = {true, false, true, false, false, true,
                                                    false, false, false, false, false};
  EXPECT_EQ(a.Flags, a_flags);
  const auto& b = st.AccountTable[2];
  EXPECT_EQ(b.KSZ, "5678");
  EXPECT_EQ(b.EMAIL, "");
  const std::array<bool, kSendFlagCount> b_flags = {true, true, false, false, true, false,
                                                    false, false, true, true, false};
  EXPECT_EQ(b.Flags, b_flags);

  ASSERT_EQ(st.SettingsCount, 2);
  const auto& s = st.SettingsTable[1];
  EXPECT_EQ(s.KSZ, "1234");
  EXPECT_EQ(s.MOZG, 12);
  EXPECT_EQ(s.FELT, 7);
  EXPECT_EQ(s.TVP, 150);
  EXPECT_EQ(s.VP, 20);
  EXPECT_EQ(s.PP, 5);
  EXPECT_EQ(s.TU, -5);
  EXPECT_EQ(s.TERFOKUSZ, 3);
  EXPECT_EQ(st.SettingsTable[2].TVP, -1234567);
  EXPECT_EQ(st.SettingsTable[2].VP, 1234567);
  EXPECT_EQ(st.SettingsTable[2].TERFOKUSZ, 20);

  std::filesystem::remove(dir.path() + "/SZAMLAK.CFG");
  std::filesystem::remove(dir.path() + "/beallit.cfg");
  ASSERT_TRUE(SaveAccountsAndSettings(dir.path()).empty());
  EXPECT_EQ(dir.Read("SZAMLAK.CFG"), kAccountsGolden);
  EXPECT_EQ(dir.Read("beallit.cfg"), kSettingsGolden);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AccountsSettingsTest, ValuesAreCutToTheirFieldsAndOnlyOnIsOn) {
  // Labels are not examined (except for EMAIL), values are cut to 4, 5, 18, 35
  // and 3 characters, and a flag is on only for exactly "ON"; a BEALL stored on
  // by hand is read on.
  dir.Write("szamlak.cfg",
            "x\r\ny\r\n"
            "??????????123456\r\n"
            "SZAMLA  = 1234567\r\n"
            "KOD     = 0123456789abcdefghijk\r\n"
            "EMAIL   = " + std::string(40, 'e') + "\r\n"
            "ELV     = ONX\r\n"
            "UL      = on\r\nJL      = OFF\r\nEXT     = ON\r\nLSZ     = \r\nB64     = O\r\n"
            "B64P    = ON \r\nUU      = ON\r\nUUP     = OFF\r\nPOSTA   = OFF\r\nBEALL   = ON\r\n\r\n");
  LoadAccountsAndSettings(dir.path());
  ASSERT_EQ(Accounts().AccountCount, 1);
  const auto& r = Accounts().AccountTable[1];
  EXPECT_EQ(r.KSZ, "1234");
  EXPECT_EQ(r.SZLA, "12345");
  EXPECT_EQ(r.KOD, "0123456789abcdefgh");
  EXPECT_EQ(r.EMAIL, std::string(35, 'e'));
  // "ONX" and "ON " are not "ON".
  const std::array<bool, kSendFlagCount> flags = {false, false, false, true, false, false,
                                                  false, true, false, false, true};
  EXPECT_EQ(r.Flags, flags);
}

TEST_F(AccountsSettingsTest, ResetsHeaderAndCharacterWhetherOrNotTheFilesExist) {
  auto& sheet = SheetModel();
  sheet.Header.KSZ = "1111";
  sheet.Header.FORD = "0042";
  sheet.Header.SZLA = "99999";
  sheet.Header.PREKAR = "2222";
  sheet.Header.PREFORD = "0003";
  sheet.Lines.SheetTvpManual[1] = 5;
  sheet.Lines.SheetTvpManual[40] = -7;
  CharSettings().CharMozg = 3;
  CharSettings().CharFelt = 4;
  CharSettings().CharTerfokusz = 9;
  CharSettings().CharTvp = 77;

  LoadAccountsAndSettings(dir.path());  // neither file exists

  EXPECT_EQ(sheet.Header.KSZ, "0000");
  EXPECT_EQ(sheet.Header.FORD, "0000");
  EXPECT_EQ(sheet.Header.SZLA, "00000");
  EXPECT_EQ(sheet.Header.PREKAR, "0000");
  EXPECT_EQ(sheet.Header.PREFORD, "0000");
  EXPECT_EQ(sheet.Lines.SheetTvpManual[1], 0);
  EXPECT_EQ(sheet.Lines.SheetTvpManual[40], 0);
  EXPECT_EQ(CharSettings().CharMozg, 10);
  EXPECT_EQ(CharSettings().CharFelt, 10);
  EXPECT_EQ(CharSettings().CharTerfokusz, 0);
  EXPECT_EQ(CharSettings().CharTvp, 0);
  EXPECT_EQ(Accounts().AccountCount, 0);
  EXPECT_EQ(Accounts().SettingsCount, 0);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AccountsSettingsTest, EmptyTablesLeaveTheirFilesUntouched) {
  dir.Write("SZAMLAK.CFG", "old accounts");
  dir.Write("beallit.cfg", "old settings");
  EXPECT_TRUE(SaveAccountsAndSettings(dir.path()).empty());
  EXPECT_EQ(dir.Read("SZAMLAK.CFG"), "old accounts");
  EXPECT_EQ(dir.Read("beallit.cfg"), "old settings");

  // Only the table that has entries rewrites its file.
  AppendSettingsEntry(Settings("1234", 10, 10, 0, 0, 0, 0, 0));
  EXPECT_TRUE(SaveAccountsAndSettings(dir.path()).empty());
  EXPECT_EQ(dir.Read("SZAMLAK.CFG"), "old accounts");
  EXPECT_NE(dir.Read("beallit.cfg"), "old settings");
}

TEST_F(AccountsSettingsTest, FilesInAnotherCaseAreReadAndOverwritten) {
  dir.Write("Szamlak.Cfg", kAccountsGolden);
  LoadAccountsAndSettings(dir.path());
  ASSERT_EQ(Accounts().AccountCount, 2);
  Accounts().AccountTable[2].KOD = "uj";
  ASSERT_TRUE(SaveAccountsAndSettings(dir.path()).empty());
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "/SZAMLAK.CFG"));
  EXPECT_NE(dir.Read("Szamlak.Cfg").find("KOD     = uj\r\n"), std::string::npos);
}

TEST_F(AccountsSettingsTest, LookUpsTakeTheLastMatch) {
  AppendAccount(Account("1234", "11111", "a", "", {}));
  AppendAccount(Account("5678", "22222", "b", "", {}));
  AppendAccount(Account("1234", "33333", "c", "", {}));
  EXPECT_EQ(FindAccount("1234"), 3);
  EXPECT_EQ(FindAccount("5678"), 2);
  EXPECT_EQ(FindAccount("0123"), 0);
  EXPECT_EQ(FindAccount("123"), 0);  // whole, exact text

  AppendSettingsEntry(Settings("0042", 10, 10, 0, 0, 0, 0, 0));
  AppendSettingsEntry(Settings("0042", 11, 10, 0, 0, 0, 0, 0));
  AppendSettingsEntry(Settings("0043", 12, 10, 0, 0, 0, 0, 0));
  SheetModel().Header.KSZ = "0042";
  EXPECT_EQ(FindSheetSettings(), 2);
  SheetModel().Header.KSZ = "0044";
  EXPECT_EQ(FindSheetSettings(), 0);

  // Both duplicates are written back.
  ASSERT_TRUE(SaveAccountsAndSettings(dir.path()).empty());
  const std::string text = dir.Read("SZAMLAK.CFG");
  EXPECT_NE(text.find("SZAMLA  = 11111"), std::string::npos);
  EXPECT_NE(text.find("SZAMLA  = 33333"), std::string::npos);
}

TEST_F(AccountsSettingsTest, DamagedSettingsEntriesAreDroppedAndReadingGoesOn) {
  dir.Write("beallit.cfg",
            "head\r\nhead\r\n"
            "1111   10   10      0      0     0    0           1\r\n"
            "2222   10   1x      0      0     0    0           2\r\n"  // not a number
            "3333   10   10      0      0     0    0           3\r\n"
            "4444   12   10     30\r\n");  // cut off inside the entry
  LoadAccountsAndSettings(dir.path());
  const auto& st = Accounts();
  ASSERT_EQ(st.SettingsCount, 2);
  EXPECT_EQ(st.SettingsTable[1].KSZ, "1111");
  EXPECT_EQ(st.SettingsTable[2].KSZ, "3333");
  EXPECT_EQ(st.SettingsTable[2].TERFOKUSZ, 3);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "A beallit.cfg 2 hibás vagy csonka bejegyzését a program kihagyta."_w);

  // Nothing half-read is written back.
  ASSERT_TRUE(SaveAccountsAndSettings(dir.path()).empty());
  EXPECT_EQ(dir.Read("beallit.cfg").find("2222"), std::string::npos);
  EXPECT_EQ(dir.Read("beallit.cfg").find("4444"), std::string::npos);
}

// A blank line read as an entry would give KSZ "" and take the next line's
// number as MOZG, and the save would lose that character for good.
TEST_F(AccountsSettingsTest, BlankLinesBetweenSettingsEntriesAreSkipped) {
  dir.Write("beallit.cfg", "h\r\nh\r\n1234 10 10 0 0 0 0 0\r\n\r\n5678 7 8 100 20 30 1 0\r\n  \r\n");
  LoadAccountsAndSettings(dir.path());
  ASSERT_EQ(Accounts().SettingsCount, 2);
  const auto& e = Accounts().SettingsTable[2];
  EXPECT_EQ(e.KSZ, "5678");
  EXPECT_EQ(e.MOZG, 7);
  EXPECT_EQ(e.FELT, 8);
  EXPECT_EQ(e.TVP, 100);
  EXPECT_EQ(e.TU, 1);
  EXPECT_TRUE(boxes.shown.empty());
}

// A character number is kept, written and compared right-aligned in its four
// columns, so a short one still finds its entry after a save and a restart.
TEST_F(AccountsSettingsTest, ShortCharacterNumbersKeepOneForm) {
  AppendSettingsEntry(Settings("12", 11, 10, 0, 0, 0, 0, 0));
  ASSERT_TRUE(SaveAccountsAndSettings(dir.path()).empty());
  ResetAccounts();
  LoadAccountsAndSettings(dir.path());
  ASSERT_EQ(Accounts().SettingsCount, 1);
  EXPECT_EQ(Accounts().SettingsTable[1].KSZ, "  12");
  for (const char* ksz : {"12", "  12"}) {
    SheetModel().Header.KSZ = ksz;
    EXPECT_EQ(FindSheetSettings(), 1) << ksz;
  }
}

TEST_F(AccountsSettingsTest, NumbersAreStoredInTheirFieldsWidths) {
  // MOZG, FELT and TERFOKUSZ are bytes and TU a signed byte; numbers may run
  // onto the next line.
  dir.Write("beallit.cfg", "h\r\nh\r\n1234  266  -1 2147483647 -2147483648 7\r\n 200 300\r\n");
  LoadAccountsAndSettings(dir.path());
  ASSERT_EQ(Accounts().SettingsCount, 1);
  const auto& e = Accounts().SettingsTable[1];
  EXPECT_EQ(e.MOZG, 10);
  EXPECT_EQ(e.FELT, 255);
  EXPECT_EQ(e.TVP, 2147483647);
  EXPECT_EQ(e.VP, -2147483648);
  EXPECT_EQ(e.PP, 7);
  EXPECT_EQ(e.TU, -56);
  EXPECT_EQ(e.TERFOKUSZ, 44);
}

TEST_F(AccountsSettingsTest, AccountFileCutInsideABlockKeepsWhatWasThereAndDropsEmptyRecords) {
  // The second block stops after its password line; blank lines follow the
  // cut-off one and an empty third record must not appear.
  const std::string cut = kAccountsGolden.substr(0, kAccountsGolden.find("ELV     = ON\r\nUL      = ON"));
  dir.Write("SZAMLAK.CFG", cut);
  LoadAccountsAndSettings(dir.path());
  ASSERT_EQ(Accounts().AccountCount, 2);
  const auto& r = Accounts().AccountTable[2];
  EXPECT_EQ(r.KSZ, "5678");
  EXPECT_EQ(r.KOD, "masik");
  EXPECT_EQ(r.Flags, (std::array<bool, kSendFlagCount>{}));

  ResetAccounts();
  dir.Write("SZAMLAK.CFG", kAccountsGolden + "\r\n\r\n\r\n");
  LoadAccountsAndSettings(dir.path());
  EXPECT_EQ(Accounts().AccountCount, 2);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(AccountsSettingsTest, RecordsBeyondAHundredAreRefusedWithAMessage) {
  std::string accounts = "a\r\nb\r\n";
  std::string settings = "a\r\nb\r\n";
  for (int i = 1; i <= 101; ++i) {
    const std::string ksz = std::to_string(1000 + i);
    accounts += "KARAKTER= " + ksz + "\r\nSZAMLA  = 1\r\nKOD     = k\r\n";
    for (const char* label : {"ELV     = ", "UL      = ", "JL      = ", "EXT     = ", "LSZ     = ", "B64     = ",
                              "B64P    = ", "UU      = ", "UUP     = ", "POSTA   = ", "BEALL   = "})
      accounts += std::string(label) + "OFF\r\n";
    accounts += "\r\n";
    settings += ksz + "   10   10      0      0     0    0           0\r\n";
  }
  dir.Write("SZAMLAK.CFG", accounts);
  dir.Write("beallit.cfg", settings);
  LoadAccountsAndSettings(dir.path());
  EXPECT_EQ(Accounts().AccountCount, 100);
  EXPECT_EQ(Accounts().AccountTable[100].KSZ, "1100");
  EXPECT_EQ(Accounts().SettingsCount, 100);
  EXPECT_EQ(Accounts().SettingsTable[100].KSZ, "1100");
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].text,
            "A SZAMLAK.CFG 100-nál több számlát tartalmaz: a program csak az első 100-at olvasta be."_w);

  // Full tables take no more appends.
  boxes.shown.clear();
  EXPECT_EQ(AppendSettingsEntry(Settings("9999", 10, 10, 0, 0, 0, 0, 0)), 0);
  EXPECT_EQ(AppendAccount(Account("9999", "1", "k", "", {})), 0);
  EXPECT_EQ(Accounts().SettingsCount, 100);
  EXPECT_EQ(Accounts().AccountCount, 100);
  EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST_F(AccountsSettingsTest, AFailedWriteIsReturnedWithWhyAndKeepsTheOldFile) {
  AppendAccount(Account("1234", "1", "k", "", {}));
  AppendSettingsEntry(Settings("1234", 10, 10, 0, 0, 0, 0, 0));
  // A folder that does not exist, and one whose name is a regular file.
  const struct {
    std::string folder, reason;
  } cases[] = {{dir.path() + "/nincs", "a fájl mappája nem létezik"_w},
               {dir.Write("fajl", "old bytes"), "egy fájl áll a mappa helyén"_w}};
  for (const auto& c : cases) {
    const auto unsaved = SaveAccountsAndSettings(c.folder);
    ASSERT_EQ(unsaved.size(), 2u) << c.folder;
    EXPECT_EQ(unsaved[0].file, "SZAMLAK.CFG");
    EXPECT_EQ(unsaved[0].what, "a számlák"_w);
    EXPECT_EQ(unsaved[0].reason, c.reason);
    EXPECT_EQ(unsaved[1].file, "beallit.cfg");
    EXPECT_EQ(unsaved[1].reason, c.reason);
  }
  EXPECT_EQ(dir.Read("fajl"), "old bytes");
  EXPECT_TRUE(boxes.shown.empty());  // the close shows them, in its one box
}

// A fault at any step: each file not written comes back with why, the old
// files stay byte for byte, the tables as they were, no temporary file.
TEST_F(AccountsSettingsTest, AFaultAtAnyStepKeepsBothOldFilesAndTheTables) {
  dir.Write("SZAMLAK.CFG", kAccountsGolden);
  dir.Write("beallit.cfg", kSettingsGolden);
  LoadAccountsAndSettings(dir.path());
  Accounts().AccountTable[1].KOD = "ujjelszo";
  Accounts().SettingsTable[1].MOZG = 15;
  const AccountsState before = Accounts();
  for (const auto& fault : testing::kWriterFaults) {
    const std::string name = testing::FaultName(fault);
    for (const char* file : {"SZAMLAK", "beallit"}) {
      const testing::ScopedWriteFault injected(fault.step, fault.error, file);
      const auto unsaved = SaveAccountsAndSettings(dir.path());
      ASSERT_EQ(unsaved.size(), 1u) << name << " " << file;
      EXPECT_EQ(unsaved[0].file.substr(0, 7), file);
      EXPECT_EQ(unsaved[0].reason.find(WriteErrorText(fault.error)), 0u) << name;
      EXPECT_TRUE(testing::TempFilesIn(dir.path()).empty()) << name;
      EXPECT_EQ(Accounts().AccountTable[1].KOD, before.AccountTable[1].KOD);
      EXPECT_EQ(Accounts().SettingsTable[1].MOZG, 15);
      if (fault.step == WriteStep::FolderFlush) continue;
      EXPECT_EQ(dir.Read(std::string(file) == "SZAMLAK" ? "SZAMLAK.CFG" : "beallit.cfg"),
                std::string(file) == "SZAMLAK" ? kAccountsGolden : kSettingsGolden)
          << name;
      // The other file was written.
      dir.Write(std::string(file) == "SZAMLAK" ? "beallit.cfg" : "SZAMLAK.CFG",
                std::string(file) == "SZAMLAK" ? kSettingsGolden : kAccountsGolden);
    }
  }
  EXPECT_TRUE(boxes.shown.empty());
}

// What the files cannot carry is refused before that file is written: the
// reader would keep only the first characters of a value, or lose its lines.
TEST_F(AccountsSettingsTest, ValuesLongerThanTheirFieldsAreRefusedBeforeWriting) {
  const struct Case {
    TAccountRecord account;
    std::string reason;
  } cases[] = {
      {Account("12345", "1", "k", "", {}), "a(z) 1. számla KARAKTER értéke (12345) hosszabb 4 karakternél, nem fér el a fájlban"},
      {Account("1234", "123456", "k", "", {}), "a(z) 1. számla SZAMLA értéke (123456) hosszabb 5 karakternél, nem fér el a fájlban"},
      {Account("1234", "1", std::string(19, 'k'), "", {}), "a(z) 1. számla KOD értéke hosszabb 18 karakternél, nem fér el a fájlban"},
      {Account("1234", "1", "k", std::string(36, 'e'), {}),
       "a(z) 1. számla EMAIL értéke (" + std::string(36, 'e') + ") hosszabb 35 karakternél, nem fér el a fájlban"},
      {Account("1234", "1", "k\r\nEMAIL   = x", "", {}), "a(z) 1. számla KOD értéke sortörést tartalmaz"},
      {Account("1234", "1", std::string(18, 'k'), std::string(35, 'e'), {}), ""},  // the widest that fit
  };
  for (const Case& c : cases) {
    ResetAccounts();
    dir.Write("SZAMLAK.CFG", "old accounts");
    AppendAccount(c.account);
    const auto unsaved = SaveAccountsAndSettings(dir.path());
    if (c.reason.empty()) {
      EXPECT_TRUE(unsaved.empty());
      LoadAccountsAndSettings(dir.path());
      EXPECT_EQ(Accounts().AccountTable[1].KOD, c.account.KOD);
      EXPECT_EQ(Accounts().AccountTable[1].EMAIL, c.account.EMAIL);
      continue;
    }
    ASSERT_EQ(unsaved.size(), 1u) << c.reason;
    EXPECT_EQ(unsaved[0].reason, Utf8ToWin1250(c.reason));
    EXPECT_EQ(dir.Read("SZAMLAK.CFG"), "old accounts");
  }
  ResetAccounts();
  AppendSettingsEntry(Settings("12345", 10, 10, 0, 0, 0, 0, 0));
  const auto unsaved = SaveAccountsAndSettings(dir.path());
  ASSERT_EQ(unsaved.size(), 1u);
  EXPECT_EQ(unsaved[0].reason, "a(z) 1. karakter KSZ értéke (12345) hosszabb 4 karakternél, nem fér el a fájlban"_w);
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "/beallit.cfg"));
}

// The accounts' passwords are their owner's alone; the settings file keeps
// what it had.
TEST_F(AccountsSettingsTest, TheAccountFileIsReadableByItsOwnerOnly) {
  const std::string accounts = dir.Write("SZAMLAK.CFG", "old");
  const std::string settings = dir.Write("beallit.cfg", "old");
  std::filesystem::permissions(accounts, std::filesystem::perms(0644));
  std::filesystem::permissions(settings, std::filesystem::perms(0664));
  AppendAccount(Account("1234", "1", "k", "", {}));
  AppendSettingsEntry(Settings("1234", 10, 10, 0, 0, 0, 0, 0));
  ASSERT_TRUE(SaveAccountsAndSettings(dir.path()).empty());
  EXPECT_EQ(std::filesystem::status(accounts).permissions(), std::filesystem::perms(0600));
  EXPECT_EQ(std::filesystem::status(settings).permissions(), std::filesystem::perms(0664));
}

}  // namespace
}  // namespace vorda
