#include "mail/email_dialog.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "data/accounts_settings.h"
#include "data/order_sheet.h"
#include "editor/editor_state.h"
#include "editor/program_state.h"
#include "editor/sheet_files.h"
#include "editor/sheet_totals.h"
#include "mail/emv_file.h"
#include "platform/message_box.h"
#include "platform/recording_canvas.h"
#include "platform/win1250.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"
#include "support/write_faults.h"

namespace vorda {
namespace {

std::string Join(std::initializer_list<std::string> lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

std::string EmptyLines(int from, int to) {
  std::string out;
  for (int n = from; n <= to; ++n) {
    const std::string i = std::to_string(n);
    out += "C" + i + "=&P" + i + "1=0&P" + i + "2=0&P" + i + "3=0&\r\n";
  }
  return out;
}

class EmailDialogTest : public testing::FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    ResetProgramState();
    ResetEditorState();
    ResetStatusValues();
    ResetEmailDialog();
    InstallMessageBoxes(&boxes);
  }
  void TearDown() override {
    InstallMessageBoxes(nullptr);
    ResetEmailDialog();
    ResetStatusValues();
    ResetEditorState();
    ResetProgramState();
    FreshState::TearDown();
  }

  static void SetLine(int l, std::string code, std::int32_t p1, std::int32_t p2, std::int32_t p3) {
    SheetModel().Lines.SheetCodes[static_cast<std::size_t>(l)] = std::move(code);
    SheetModel().Lines.SheetParams[static_cast<std::size_t>(l)] = {p1, p2, p3};
  }

  // A sheet that passes every check.
  static void ValidHeader() {
    auto& h = SheetModel().Header;
    h.KSZ = "1234";
    h.FORD = "12";
    h.SZLA = "12345";
    h.PSW = "Titok12";
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const auto& m : boxes.shown) out.push_back(m.text);
    return out;
  }

  bool Exists(const std::string& name) const { return std::filesystem::exists(dir.path() + "/" + name); }

  RecordingMessageBoxes boxes;
  testing::TempDir dir;
};

TEST_F(EmailDialogTest, Writes20LineFileByteForByte) {
  auto& sheet = SheetModel();
  auto& h = sheet.Header;
  ValidHeader();
  h.SZLA = "01234";
  for (int f : {ELVESZETT, UL, SZL, UUE, BEALL}) h.SendFlags[static_cast<std::size_t>(f)] = true;
  SetLine(1, "M", 5, 3, 0);
  SetLine(2, "", 7, 0, 0);  // counts in the check number, not written
  SetLine(3, "AB", 1, 0, -1);
  SetLine(4, " Q", 2, 0, 0);  // a code that starts with a blank is no code
  Editor().SheetModified = true;

  ASSERT_TRUE(Ments1Click(dir.path()));
  EXPECT_EQ(dir.Read("1234_0012b.emv"),
            Join({"VERSION=1.1&ELVESZETT=OFF&KSZ=1234&SZLA=1234&FORD=12&BEALL=OFF&PSW=Titok12&",
                  "C1=m&P11=5&P12=3&P13=0&", "C2=&P21=0&P22=0&P23=0&", "C3=ab&P31=1&P32=0&P33=-1&",
                  "C4=&P41=0&P42=0&P43=0&"}) +
                EmptyLines(5, 20) + Join({"UL=OFF&SZL=OFF&ELLSZ=18&KOD=UUE&Post=P"}));
  EXPECT_TRUE(Exists("1234-0012b.ul"));
  EXPECT_TRUE(boxes.shown.empty());
  // The old form's account number stays four digits; upper-case codes stay so.
  EXPECT_EQ(h.SZLA, "1234");
  EXPECT_EQ(h.FORD, "0012");
  EXPECT_EQ(h.KOD, "KOD=UUE&");
  EXPECT_EQ(sheet.Lines.SheetCodes[1], "M");
  EXPECT_EQ(sheet.Lines.SheetCodes[3], "AB");
  EXPECT_EQ(sheet.Lines.SheetCodes[4], "");
  EXPECT_FALSE(Editor().SheetModified);
}

TEST_F(EmailDialogTest, Writes40LineFileByteForByteAndReadsItBack) {
  auto& sheet = SheetModel();
  auto& h = sheet.Header;
  h.KSZ = "2345";
  h.FORD = "0003";
  h.SZLA = "01234";
  h.PSW = "pw";
  h.EMAIL = "en@pelda.hu";
  h.NEWEMAIL = "uj@pelda.hu";
  h.PREKAR = "1234";
  h.PREFORD = "0045";
  for (int f : {JL, EXT, B64}) h.SendFlags[static_cast<std::size_t>(f)] = true;
  SetLine(21, "VAR", 12345, 0, -3);
  SetLine(40, "EF", 4, 0, 0);

  ASSERT_TRUE(Ments1Click(dir.path()));
  EXPECT_EQ(dir.Read("2345_0003.emv"),
            Join({"VERSION=2.0&", "email=en@pelda.hu&", "KSZ=2345&SZLA=01234&FORD=3&PSW=pw&"}) + EmptyLines(1, 20) +
                Join({"C21=var&P211=12345&P212=0&P213=-3&"}) + EmptyLines(22, 39) +
                Join({"C40=ef&P401=4&P402=0&P403=0&",
                      "JL=OFF&EXT=OFF&ELLSZ=4&KOD=B64&NEWEMAIL=uj@pelda.hu&PREKAR=1234&PREFORD=0045&Post=P"}));

  const SheetState saved = sheet;
  ResetSheetModel();  // a new sheet object: the references above are gone
  ASSERT_TRUE(LoadSheet(dir.path(), "2345_0003.emv"));
  const auto& loaded = SheetModel();
  EXPECT_TRUE(loaded.Sheet40Lines);
  EXPECT_EQ(loaded.Lines.SheetCodes, saved.Lines.SheetCodes);
  EXPECT_EQ(loaded.Lines.SheetParams, saved.Lines.SheetParams);
  for (auto field : {&SheetHeader::KSZ, &SheetHeader::SZLA, &SheetHeader::FORD, &SheetHeader::PSW,
                     &SheetHeader::NEWEMAIL, &SheetHeader::PREKAR, &SheetHeader::PREFORD})
    EXPECT_EQ(loaded.Header.*field, saved.Header.*field);
  EXPECT_EQ(loaded.Header.SendFlags, saved.Header.SendFlags);
}

TEST_F(EmailDialogTest, EachFlagWritesItsKey) {
  struct Case {
    int flag;
    std::string header, options;
  };
  const std::string plain_header = "VERSION=1.1&KSZ=1234&SZLA=12345&FORD=12&PSW=Titok12&";
  const Case cases[] = {
      {-1, plain_header, "ELLSZ=0&Post=P"},
      {ELVESZETT, "VERSION=1.1&ELVESZETT=OFF&KSZ=1234&SZLA=12345&FORD=12&PSW=Titok12&", "ELLSZ=0&Post=P"},
      {UL, plain_header, "UL=OFF&ELLSZ=0&Post=P"},
      {JL, plain_header, "JL=OFF&ELLSZ=0&Post=P"},
      {EXT, plain_header, "EXT=OFF&ELLSZ=0&Post=P"},
      {SZL, plain_header, "SZL=OFF&ELLSZ=0&Post=P"},
      {B64, plain_header, "ELLSZ=0&KOD=B64&Post=P"},
      {B64P, plain_header, "ELLSZ=0&KOD=B64&PRINT=OFF&Post=P"},
      {UUE, plain_header, "ELLSZ=0&KOD=UUE&Post=P"},
      {UUEP, plain_header, "ELLSZ=0&KOD=UUE&PRINT=OFF&Post=P"},
      {POSTA, plain_header, "ELLSZ=0&KOD=POSTA&Post=P"},
      {BEALL, "VERSION=1.1&KSZ=1234&SZLA=12345&FORD=12&BEALL=OFF&PSW=Titok12&", "ELLSZ=0&Post=P"},
  };
  for (const auto& c : cases) {
    ResetSheetModel();
    ValidHeader();
    if (c.flag >= 0) SheetModel().Header.SendFlags[static_cast<std::size_t>(c.flag)] = true;
    PrepareEmvSheet(SheetModel());
    EXPECT_EQ(EmvFileText(SheetModel(), 0, false), c.header + "\r\n" + EmptyLines(1, 20) + c.options + "\r\n")
        << c.flag;
  }
  // The post-only choice wins over any encoding.
  std::array<bool, kSendFlagCount> both{};
  both[B64] = both[POSTA] = true;
  EXPECT_EQ(KodText(both), "KOD=POSTA&");
}

TEST_F(EmailDialogTest, ChecksRunInOrderAndTheFirstFailureSavesNothing) {
  struct Case {
    const char* ford;
    const char* ksz;
    const char* psw;
    const char* szla;
    const char* newemail;
    std::string message;
  };
  const std::string not_saved = "\rAz UL nem lett elmentve!!!"_w;
  const std::string ford_msg = "E-mail UL mentésnél KÖTELEZÖ\rfordulószámot megadni!"_w + not_saved;
  const std::string ksz_msg = "A karakterszám 1000-nél kisebb!"_w + not_saved;
  const std::string psw_msg = "Nincs megadva táplálási jelszó"_w + not_saved;
  const std::string szla_msg = "A számlaszám nem lehet 1000-nél kisebb"_w + not_saved;
  const Case cases[] = {
      // Everything wrong: the turn is named first.
      {"", "", "", "", "a=b", ford_msg},
      {"0000", "999", "", "", "", ford_msg},
      {"1", "999", "", "", "", ksz_msg},
      {"1", "", "", "", "", ksz_msg},
      {"1", "1000", "", "", "", psw_msg},
      {"1", "1000", "x", "0999", "", szla_msg},
      // An account number that is no number fails its check.
      {"1", "1000", "x", "12a45", "", szla_msg},
      {"1", "1000", "x", "", "", szla_msg},
      // A value that would break the file's layout.
      {"1", "1000", "x", "1000", "uj=cim", "Az e-mail UL-ben egy érték nem tartalmazhat & vagy = jelet (hibás: NEWEMAIL)."_w + not_saved},
  };
  for (const auto& c : cases) {
    auto& h = SheetModel().Header;
    h.FORD = c.ford;
    h.KSZ = c.ksz;
    h.PSW = c.psw;
    h.SZLA = c.szla;
    h.NEWEMAIL = c.newemail;
    boxes.shown.clear();
    EXPECT_FALSE(Ments1Click(dir.path())) << c.message;
    EXPECT_EQ(Texts(), std::vector<std::string>{c.message});
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
  }
  SheetModel().Header.NEWEMAIL.clear();
  SheetModel().Lines.SheetCodes[2] = "A&";
  boxes.shown.clear();
  EXPECT_FALSE(Ments1Click(dir.path()));
  EXPECT_EQ(Texts(), std::vector<std::string>{"Az e-mail UL-ben egy érték nem tartalmazhat & vagy = jelet (hibás: C2)."_w +
                                              not_saved});
}

TEST_F(EmailDialogTest, QueueWarningDropsTheQueuePiece) {
  struct Case {
    const char* prekar;
    const char* preford;
    bool warned, written;
  };
  const Case cases[] = {
      {"0123", "0045", true, false},
      {"1234", "0045", false, true},
      {"1234", "0000", true, false},
      {"0000", "0045", false, false},
  };
  const std::string warning = "A sorbanálló rész hibás!\rAz UL nem sorbanállósként lesz elmentve!"_w;
  for (const auto& c : cases) {
    ResetSheetModel();
    ValidHeader();
    SheetModel().Header.PREKAR = c.prekar;
    SheetModel().Header.PREFORD = c.preford;
    boxes.shown.clear();
    ASSERT_TRUE(Ments1Click(dir.path()));
    EXPECT_EQ(Texts(), c.warned ? std::vector<std::string>{warning} : std::vector<std::string>{}) << c.prekar;
    const std::string file = dir.Read("1234_0012.emv");
    EXPECT_EQ(file.find("PREKAR=") != std::string::npos, c.written) << c.prekar << c.preford;
    if (c.written) {
      EXPECT_NE(file.find("PREKAR=1234&PREFORD=0045&Post=P\r\n"), std::string::npos);
    }
  }
}

TEST_F(EmailDialogTest, AFailedWriteKeepsTheOldFileAndTheDialogOpen) {
  ValidHeader();
  std::filesystem::create_directory(dir.path() + "/1234_0012.emv");
  EXPECT_FALSE(Ments1Click(dir.path()));
  EXPECT_EQ(Texts(), std::vector<std::string>{"Az e-mail UL fájl nem írható: 1234_0012.emv (egy mappa áll a fájl helyén)."_w});
  EXPECT_EQ(Accounts().AccountCount, 0);
}

// A fault at any step of writing the ".emv": one message, the old file byte
// for byte, the sheet as it was (its codes not cut) and still unsaved, no
// account stored, no temporary file.
TEST_F(EmailDialogTest, AFaultWhileWritingTheOrderFileKeepsTheOldOneAndTheSheet) {
  ValidHeader();
  SetLine(1, "M X", 5, 3, 0);
  const std::string old_bytes = dir.Write("1234_0012.emv", "VERSION=1.1&old\r\n");
  for (const auto& fault : testing::kWriterFaults) {
    const std::string name = testing::FaultName(fault);
    boxes.shown.clear();
    Editor().SheetModified = true;
    SheetModel().Header.SZLA = "01234";  // the older form's writer would shorten it
    {
      const testing::ScopedWriteFault injected(fault.step, fault.error, ".emv");
      EXPECT_FALSE(Ments1Click(dir.path())) << name;
    }
    ASSERT_EQ(boxes.shown.size(), 1u) << name;
    EXPECT_TRUE(Editor().SheetModified) << name;
    EXPECT_EQ(SheetModel().Lines.SheetCodes[1], "M X") << name;
    EXPECT_EQ(SheetModel().Header.SZLA, "01234") << name;
    EXPECT_EQ(Accounts().AccountCount, 0) << name;
    EXPECT_TRUE(testing::TempFilesIn(dir.path()).empty()) << name;
    if (fault.step != WriteStep::FolderFlush) {
      EXPECT_EQ(dir.Read("1234_0012.emv"), "VERSION=1.1&old\r\n") << name;
    } else {
      dir.Write("1234_0012.emv", "VERSION=1.1&old\r\n");
    }
    if (fault.step == WriteStep::Rename && fault.error == ENOSPC) {
      EXPECT_EQ(boxes.shown[0].text, "Az e-mail UL fájl nem írható: 1234_0012.emv (nincs elég hely a lemezen; a korábbi "
                                     "fájl változatlan maradt)."_w);
    }
  }
}

// Nothing is written, not even the ".UL", when either file cannot carry the
// sheet: the reader would read other values back.
TEST_F(EmailDialogTest, WhatTheOrderFileCannotCarryIsRefusedBeforeEitherFileIsWritten) {
  const struct Case {
    std::string field, value;
    std::int32_t p1;
    std::string message;
  } cases[] = {
      {"SZLA", "123456", 5,
       "A számlaszám (123456) hosszabb 5 karakternél, nem fér el az e-mail UL-ben.\rAz UL nem lett elmentve!!!"},
      {"PSW", "Titok1234", 5, "A táplálási jelszó hosszabb 8 karakternél, nem fér el az e-mail UL-ben.\rAz UL nem lett "
                              "elmentve!!!"},
      {"PREFORD", "00123", 5,
       "A sorbanálló fordulószám (00123) hosszabb 4 karakternél, nem fér el az e-mail UL-ben.\rAz UL nem lett "
       "elmentve!!!"},
      {"", "", 123456, "A(z) 1. sor P1 értéke (123456) nem fér el a fájlban, a lap nem lett mentve."},
  };
  for (const Case& c : cases) {
    ResetSheetModel();
    ValidHeader();
    auto& h = SheetModel().Header;
    if (c.field == "SZLA") h.SZLA = c.value;
    if (c.field == "PSW") h.PSW = c.value;
    if (c.field == "PREFORD") {
      h.PREKAR = "1500";
      h.PREFORD = c.value;
    }
    SetLine(1, "M", c.p1, 0, 0);
    Editor().SheetModified = true;
    boxes.shown.clear();
    EXPECT_FALSE(Ments1Click(dir.path())) << c.field;
    EXPECT_EQ(Texts(), std::vector<std::string>{Utf8ToWin1250(c.message)}) << c.field;
    EXPECT_TRUE(Editor().SheetModified);
    EXPECT_FALSE(Exists("1234-0012.ul")) << c.field;
    EXPECT_FALSE(Exists("1234_0012.emv")) << c.field;
  }
  EXPECT_EQ(Accounts().AccountCount, 0);
}

// The file takes the codes in lower case; the sheet has them in upper case
// afterwards in every line, a code typed in lower case too, and shows them so at
// once. A write that fails changes no code and draws nothing.
TEST_F(EmailDialogTest, AfterTheWriteEveryCodeIsUpperCaseAndDrawnSo) {
  RecordingCanvas canvas;
  InstallSheetCanvas(&canvas);
  ValidHeader();
  SetLine(1, "m", 2, 0, 0);
  SetLine(2, "Ve", 163, 1, 0);
  SetLine(3, "\xe9q", 1, 0, 0);  // bytes past "z" keep their case
  SetLine(21, "ab", 1, 0, 0);
  Editor().CursorCell = 21;
  const auto& codes = SheetModel().Lines.SheetCodes;

  std::filesystem::create_directory(dir.path() + "/1234_0012.emv");
  ASSERT_FALSE(Ments1Click(dir.path()));
  EXPECT_EQ(codes[1], "m");
  EXPECT_EQ(codes[2], "Ve");
  EXPECT_EQ(codes[21], "ab");
  for (const auto& e : canvas.Texts()) EXPECT_NE(e.text, "M");
  std::filesystem::remove(dir.path() + "/1234_0012.emv");
  boxes.shown.clear();

  canvas.Clear();
  ASSERT_TRUE(Ments1Click(dir.path()));
  const std::string file = dir.Read("1234_0012.emv");
  EXPECT_NE(file.find("C1=m&P11=2&"), std::string::npos);
  EXPECT_NE(file.find("C2=ve&"), std::string::npos);
  EXPECT_NE(file.find("C21=ab&"), std::string::npos);
  EXPECT_EQ(codes[1], "M");
  EXPECT_EQ(codes[2], "VE");
  EXPECT_EQ(codes[3], "\xe9Q");
  EXPECT_EQ(codes[21], "AB");
  EXPECT_TRUE(boxes.shown.empty());

  // Drawn again: the codes as they are now, the line's description that of a
  // move, the cursor back on its cell (drawn last, highlighted).
  const auto drawn_at = [&](int x, int y) {
    std::string last;
    for (const auto& e : canvas.Texts())
      if (e.x1 == x && e.y1 == y) last = e.text;
    return last;
  };
  EXPECT_EQ(drawn_at(30, 10), "M");
  EXPECT_EQ(drawn_at(30, 22), "VE");
  EXPECT_EQ(drawn_at(30, 250), "AB");
  EXPECT_NE(SheetModel().Lines.SheetTexts[1].find("keletre"), std::string::npos) << SheetModel().Lines.SheetTexts[1];
  EXPECT_EQ(Editor().CursorCell, 21);
  const auto texts = canvas.Texts();
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back().y1, 498);  // the status line comes last, in full
  InstallSheetCanvas(nullptr);
}

TEST_F(EmailDialogTest, AccountLookUpFillsAndClears) {
  TAccountRecord r;
  r.KSZ = "1234";
  r.SZLA = "5678";
  r.KOD = "abcdefghijklmnop";
  r.Flags[UL] = r.Flags[UUE] = true;
  r.EMAIL = "en@pelda.hu";
  AppendAccount(r);
  auto& h = SheetModel().Header;
  auto& d = EmailDialog();
  h.SendFlags[BEALL] = true;
  h.SendFlags[B64] = true;

  EmailFormActivate();
  EXPECT_TRUE(d.CheckBox[6]);
  EXPECT_FALSE(Editor().EditorReady);
  Edit1Enter();
  Edit1KeyUp("1234");
  EXPECT_EQ(h.SZLA, "05678");
  EXPECT_EQ(d.Edit[3], "05678");
  EXPECT_EQ(h.PSW, "abcdefgh");
  EXPECT_EQ(d.Edit[7], "en@pelda.hu");
  EXPECT_TRUE(d.CheckBox[2] && d.CheckBox[8] && h.SendFlags[UL] && h.SendFlags[UUE]);
  EXPECT_FALSE(d.CheckBox[6] || h.SendFlags[B64]);
  EXPECT_TRUE(h.SendFlags[BEALL] && d.CheckBox[11]);  // the sheet's own flag

  // The same number again looks nothing up: typed changes stay.
  h.PSW = "changed";
  Edit1KeyUp("1234");
  EXPECT_EQ(h.PSW, "changed");

  Edit1KeyUp("999");
  EXPECT_EQ(h.KSZ, "999");
  EXPECT_EQ(h.SZLA, "00000");
  EXPECT_EQ(h.PSW, "");
  EXPECT_EQ(h.EMAIL, "");
  EXPECT_FALSE(d.CheckBox[2] || d.CheckBox[8] || h.SendFlags[UL]);

  EmailFormClose();
  EXPECT_TRUE(Editor().EditorReady);
  EXPECT_EQ(Editor().EditorMode, 1);
}

TEST_F(EmailDialogTest, EncodingBoxesExcludeEachOther) {
  auto& d = EmailDialog();
  auto& f = SheetModel().Header.SendFlags;
  d.CheckBox[6] = true;
  EmailCheckBoxClick(6);
  d.CheckBox[8] = true;
  EmailCheckBoxClick(8);
  EXPECT_FALSE(d.CheckBox[6] || f[B64]);
  EXPECT_TRUE(d.CheckBox[8] && f[UUE]);
  d.CheckBox[2] = true;
  EmailCheckBoxClick(2);
  EXPECT_TRUE(d.CheckBox[8]);  // only 6..10 exclude each other
  // Set from code to the state it has: no click, so the flag is not touched.
  f[UUE] = false;
  SetEmailCheckBox(8, true);
  EXPECT_FALSE(f[UUE]);
}

TEST_F(EmailDialogTest, SavingStoresTheAccount) {
  ValidHeader();
  auto& h = SheetModel().Header;
  h.SendFlags[EXT] = true;
  h.SendFlags[BEALL] = true;
  h.EMAIL = "en@pelda.hu";
  ASSERT_TRUE(Ments1Click(dir.path()));
  auto& t = Accounts();
  ASSERT_EQ(t.AccountCount, 1);
  EXPECT_EQ(t.AccountTable[1].KSZ, "1234");
  EXPECT_EQ(t.AccountTable[1].SZLA, "12345");
  EXPECT_EQ(t.AccountTable[1].KOD, "Titok12");
  EXPECT_TRUE(t.AccountTable[1].Flags[EXT]);
  EXPECT_FALSE(t.AccountTable[1].Flags[BEALL]);
  EXPECT_EQ(t.AccountTable[1].EMAIL, "en@pelda.hu");

  // Saved again: the record is updated, and a longer stored password whose
  // first eight characters are the feeding password is kept.
  t.AccountTable[1].KOD = "Titok12xLONGER";
  h.PSW = "Titok12x";
  h.SendFlags[EXT] = false;
  ASSERT_TRUE(Ments1Click(dir.path()));
  EXPECT_EQ(t.AccountCount, 1);
  EXPECT_EQ(t.AccountTable[1].KOD, "Titok12xLONGER");
  EXPECT_FALSE(t.AccountTable[1].Flags[EXT]);
  h.PSW = "masik";
  ASSERT_TRUE(Ments1Click(dir.path()));
  EXPECT_EQ(t.AccountTable[1].KOD, "masik");
}

TEST_F(EmailDialogTest, AFullAccountTableNeverGrows) {
  for (int i = 1; i <= kAccountCapacity; ++i) {
    TAccountRecord r;
    r.KSZ = std::to_string(5000 + i);
    AppendAccount(r);
  }
  ValidHeader();
  EXPECT_TRUE(Ments1Click(dir.path()));  // the files are written all the same
  EXPECT_EQ(Accounts().AccountCount, kAccountCapacity);
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(EmailDialogTest, EditsTakeTheirKeysOnly) {
  struct Case {
    int edit;
    char key;
    bool taken;
    EmailFocus focus;
  };
  const Case cases[] = {
      {1, '7', true, EmailFocus::None},  {1, 'a', false, EmailFocus::None},  {1, 8, true, EmailFocus::None},
      {1, 9, true, EmailFocus::None},    {4, 'q', true, EmailFocus::None},   {4, 'Q', true, EmailFocus::None},
      {4, '-', false, EmailFocus::None}, {7, '@', true, EmailFocus::None},   {7, ',', true, EmailFocus::None},
      {7, '&', false, EmailFocus::None}, {7, '=', false, EmailFocus::None},  {3, '\xE1', false, EmailFocus::None},
      {1, 13, false, EmailFocus::Edit2}, {2, 13, false, EmailFocus::Edit3},  {3, 13, false, EmailFocus::Edit4},
      {4, 13, false, EmailFocus::CheckBox1}, {5, 13, false, EmailFocus::Edit6}, {6, 13, false, EmailFocus::Edit1},
      {7, 13, false, EmailFocus::Edit1},
  };
  for (const auto& c : cases) {
    EmailFocus focus = EmailFocus::Edit7;
    EXPECT_EQ(EmailEditKeyPress(c.edit, c.key, focus), c.taken) << c.edit << " " << int(c.key);
    EXPECT_EQ(focus, c.focus) << c.edit << " " << int(c.key);
  }
}

TEST_F(EmailDialogTest, QueueLabelNamesTheQueuedCharacter) {
  auto& d = EmailDialog();
  EmailEditKeyUp(5, "1234");
  EXPECT_EQ(d.Label8, "#1234\r0. fordulója után lesz táplálva"_w);
  EmailEditKeyUp(6, "0045");
  EXPECT_EQ(SheetModel().Header.PREFORD, "0045");
  EXPECT_EQ(d.Label8, "#1234\r45. fordulója után lesz táplálva"_w);
  EmailEditKeyUp(5, "");
  EmailEditKeyUp(6, "");
  EXPECT_EQ(SheetModel().Header.PREKAR, "0000");
  EXPECT_EQ(d.Label8, "");
}

}  // namespace
}  // namespace vorda
