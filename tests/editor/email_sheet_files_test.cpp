#include "editor/email_sheet_files.h"

#include <gtest/gtest.h>

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/order_sheet.h"
#include "editor/program_state.h"
#include "editor/sheet_files.h"
#include "orders/orders_state.h"
#include "platform/message_box.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

std::string Join(std::initializer_list<std::string> lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

std::string EmptyOrderLine(int n) {
  const std::string i = std::to_string(n);
  return "C" + i + "=&P" + i + "1=0&P" + i + "2=0&P" + i + "3=0&";
}

// A file of `count` order lines: line 3 "ma" 5, -5, 0 and line `count` "x" 123456;
// the others empty.
std::string OrderLines(int count) {
  std::string out;
  for (int n = 1; n <= count; ++n) {
    if (n == 3)
      out += "C3=ma&P31=5&P32=-5&P33=0&\r\n";
    else if (n == count)
      out += "C" + std::to_string(n) + "=x&P" + std::to_string(n) + "1=123456&P" + std::to_string(n) +
             "2=0&P" + std::to_string(n) + "3=0&\r\n";
    else
      out += EmptyOrderLine(n) + "\r\n";
  }
  return out;
}

// A 20-line file with an e-mail address: the header is the third line.
const std::string kWithAddress =
    Join({"VERSION=1.1&", "email=en@pelda.hu&", "ELVESZETT=OFF&KSZ=1234&SZLA=1234&FORD=12&BEALL=OFF&PSW=Titok12&"}) +
    OrderLines(20) +
    Join({"UL=OFF&SZL=OFF&ELLSZ=10&NEWEMAIL=uj@pelda.hu&KOD=UUE&PRINT=OFF&PREKAR=2345&PREFORD=0045&Post=P"});

class EmailSheetFilesTest : public testing::FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    ResetProgramState();
    InstallMessageBoxes(&boxes);
  }
  void TearDown() override {
    InstallMessageBoxes(nullptr);
    ResetProgramState();
    FreshState::TearDown();
  }
  RecordingMessageBoxes boxes;
  testing::TempDir dir;
};

TEST_F(EmailSheetFilesTest, ReadsHeaderLinesAndOptions) {
  const EmailSheet r = ReadEmailSheet(kWithAddress);
  EXPECT_FALSE(r.Forty);
  EXPECT_EQ(r.KSZ, "1234");
  EXPECT_EQ(r.SZLA, "1234");
  EXPECT_EQ(r.FORD, "0012");
  EXPECT_EQ(r.PSW, "Titok12");
  EXPECT_EQ(r.Lines.SheetCodes[3], "MA");
  EXPECT_EQ(r.Lines.SheetParams[3], (std::array<std::int32_t, 3>{5, -5, 0}));
  EXPECT_EQ(r.Lines.SheetCodes[20], "X");
  EXPECT_EQ(r.Lines.SheetParams[20][0], 12345);  // a value keeps its first five characters
  EXPECT_EQ(r.Lines.SheetCodes[4], "");
  EXPECT_EQ(r.NEWEMAIL, "uj@pelda.hu");
  EXPECT_EQ(r.PREKAR, "2345");
  EXPECT_EQ(r.PREFORD, "0045");
  const std::array<bool, kSendFlagCount> flags = {true, true, false, false, true, false, false, false, true, false, true};
  EXPECT_EQ(r.SendFlags, flags);
}

TEST_F(EmailSheetFilesTest, EdgeCases) {
  struct Case {
    const char* what;
    std::string bytes;
    bool forty;
    std::string ksz, ford, prekar;
    int flag;  // the one flag set, -1 none
  };
  const std::string head = "VERSION=1.1&KSZ=1234&SZLA=1234&FORD=12345&PSW=a&\r\n";
  const Case cases[] = {
      // 26 lines in all: a 20-line sheet; 27: a 40-line sheet.
      {"26 lines", head + OrderLines(20) + Join({"ELLSZ=0&Post=P", "", "", "", ""}), false, "1234", "1234", "0000", -1},
      {"27 lines", head + OrderLines(20) + Join({"ELLSZ=0&Post=P", "", "", "", "", ""}), true, "1234", "1234", "0000", -1},
      {"print with B64", head + OrderLines(20) + "KOD=B64&PRINT=OFF&Post=P\r\n", false, "1234", "1234", "0000", B64P},
      {"posta", head + OrderLines(20) + "KOD=POSTA&Post=P\r\n", false, "1234", "1234", "0000", POSTA},
      // No character number: the sheet has no character, as in a ".UL" file.
      {"no KSZ", "VERSION=1.1&FORD=3&PSW=a&\r\n" + OrderLines(20) + "Post=P\r\n", false, "0000", "0003", "0000", -1},
      {"empty KSZ", "VERSION=1.1&KSZ=&FORD=&PSW=a&\r\n", false, "0000", "0000", "0000", -1},
      // The character number in the one form a ".UL" sheet and the settings give it.
      {"short KSZ", "VERSION=1.1&KSZ=34&FORD=3&PSW=a&\r\n", false, "  34", "0003", "0000", -1},
      {"blank KSZ", "VERSION=1.1&KSZ=  &FORD=3&PSW=a&\r\n", false, "0000", "0003", "0000", -1},
      // A queued character without a turn reads as no turn.
      {"queue", head + OrderLines(20) + "PREKAR=1234&PREFORD=&Post=P\r\n", false, "1234", "1234", "1234", -1},
  };
  for (const auto& c : cases) {
    const EmailSheet r = ReadEmailSheet(c.bytes);
    EXPECT_EQ(r.Forty, c.forty) << c.what;
    EXPECT_EQ(r.KSZ, c.ksz) << c.what;
    EXPECT_EQ(r.FORD, c.ford) << c.what;
    EXPECT_EQ(r.PREKAR, c.prekar) << c.what;
    EXPECT_EQ(r.PREFORD, "0000") << c.what;
    for (int f = 0; f < kSendFlagCount; ++f) EXPECT_EQ(r.SendFlags[static_cast<std::size_t>(f)], f == c.flag) << c.what << f;
  }
}

// Values may hold the text of other keys and flags; only a pair's own key
// counts, or a file written from what was read would read back otherwise.
TEST_F(EmailSheetFilesTest, AKeyOrFlagCountsWhereverItsTextStands) {
  const EmailSheet r = ReadEmailSheet("VERSION=1.1&XKSZ=1234&SZLA=12345&FORD=7&PSW=titok&xBEALL=OK\r\n" +
                                      OrderLines(20) + "xUL=OFF&NEWEMAIL=a@b.hu&PREKAR=2345&PREFORD=7&Post=P\r\n");
  EXPECT_EQ(r.KSZ, "1234");
  EXPECT_EQ(r.FORD, "0007");
  EXPECT_TRUE(r.SendFlags[BEALL]);
  EXPECT_TRUE(r.SendFlags[UL]);
  EXPECT_EQ(r.NEWEMAIL, "a@b.hu");
}

TEST_F(EmailSheetFilesTest, LoadSheetReadsAnEmailFileWhateverItsName) {
  auto& sheet = SheetModel();
  sheet.Header.EMAIL = "regi@pelda.hu";
  sheet.Header.KOD = "KOD=B64&";
  sheet.Lines.SheetTvpManual[2] = 50;
  sheet.Lines.SheetCodes[30] = "OLD";
  Orders().StartCoords = {};
  Orders().StartCoords.StartX = 7;
  Orders().StartCoords.TeleportY = 9;
  Orders().MapFields.Edit1 = "7";
  Orders().EfFactor = 15;
  dir.Write("level.ul", kWithAddress);

  ASSERT_TRUE(LoadSheet(dir.path(), "level.ul"));
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(sheet.Header.KSZ, "1234");
  EXPECT_EQ(sheet.Lines.SheetCodes[3], "MA");
  EXPECT_EQ(sheet.Lines.SheetCodes[30], "");
  EXPECT_EQ(sheet.Lines.SheetTvpManual[2], 0);
  EXPECT_EQ(sheet.Header.EMAIL, "regi@pelda.hu");  // not in the sheet's part of the file
  EXPECT_EQ(sheet.Header.KOD, "KOD=B64&");
  EXPECT_EQ(Orders().StartCoords.StartX, 0);
  EXPECT_EQ(Orders().StartCoords.TeleportY, 0);
  EXPECT_EQ(Orders().EfFactor, 15);  // the file holds no TVP to take one from
  EXPECT_EQ(Orders().MapFields.Edit1, "7");
  EXPECT_EQ(Program().RecentSheets[1], "level.ul");
  ASSERT_EQ(Accounts().SettingsCount, 1);
  EXPECT_EQ(Accounts().SettingsTable[1].KSZ, "1234");

  // Another file without NEWEMAIL: the first file's address is not kept.
  std::string other = kWithAddress;
  other.replace(other.find("NEWEMAIL="), std::string("NEWEMAIL=uj@pelda.hu&").size(), "");
  dir.Write("masik.emv", other);
  ASSERT_TRUE(LoadSheet(dir.path(), "masik.emv"));
  EXPECT_EQ(sheet.Header.NEWEMAIL, "");
}

TEST_F(EmailSheetFilesTest, HeaderWithoutCharacterAddsNoSettingsEntry) {
  dir.Write("ures.emv", "VERSION=1.1&PSW=x&\r\n");
  ASSERT_TRUE(LoadSheet(dir.path(), "ures.emv"));
  EXPECT_EQ(SheetModel().Header.KSZ, "0000");
  EXPECT_EQ(Accounts().SettingsCount, 0);
}

}  // namespace
}  // namespace vorda
