#include "encyclopedia/encyclopedia_lookup.h"

#include <gtest/gtest.h>

#include "data/order_sheet.h"
#include "encyclopedia/encyclopedia_fixture.h"
#include "platform/win1250.h"

namespace vorda {
namespace {

using testing::EncyclopediaTest;
using testing::FixtureEntry;

void SetLine(int line, const std::string& code, std::int32_t p1, std::int32_t p2, std::int32_t p3) {
  auto& sheet = SheetModel().Lines;
  sheet.SheetCodes[static_cast<std::size_t>(line)] = code;
  sheet.SheetParams[static_cast<std::size_t>(line)] = {p1, p2, p3};
}

TEST_F(EncyclopediaTest, KeyByCodeColumnAndParameter) {
  struct Case {
    std::string code;
    std::int32_t p1, p2, p3;
    std::array<std::string, 4> keys;  // columns 0..3
  };
  const std::vector<Case> cases = {
      {"BB", 5, 7, 9, {"", "T5", "T7", "T9"}},
      {"KB", 5, 0, 9, {"", "T5", "", "T9"}},
      {"FOG", 12, 30, 0, {"", "S12", "T30", ""}},
      {"FTV", 4, 8, 0, {"", "V4", "S8", ""}},
      {"T", 7, 8, 9, {"", "S7", "S8", "S9"}},
      {"IN", 1, 4, 6, {"", "", "S4", "T6"}},
      {"RM", 1, 2, 3, {"", "T1", "T2", ""}},
      {"VV", 1, 2, 3, {"", "V1", "V2", "V3"}},
      {"EK", 5, 6, 7, {"", "EK5", "", ""}},
      {"AV", -3, 6, 7, {"", "AV-3", "", ""}},
      {"A", 19, 1, 1, {"", "T18", "", ""}},  // looked up under the item it shares its entry with
      {"A", 190, 1, 1, {"", "T190", "", ""}},
      {"A", 70000, 0, 0, {"", "T70000", "", ""}},
      {"bb", 5, 7, 9, {"", "", "", ""}},  // codes are compared case-sensitively
      {"XYZ", 5, 7, 9, {"", "", "", ""}},
  };
  for (const Case& c : cases) {
    SetLine(3, c.code, c.p1, c.p2, c.p3);
    for (int column = 0; column <= 3; ++column)
      EXPECT_EQ(EncyclopediaKeyOfCell(static_cast<std::uint16_t>(30 + column)), c.keys[column]) << c.code << " " << column;
  }
}

TEST(EncyclopediaLineToRtf, ConvertsOneLine) {
  struct Case {
    std::string in, out;
  };
  const std::vector<Case> cases = {
      {"^Bword^b x", "{\\cf3\\b word x}"},
      {"^B1 ^B2", "{\\cf3\\b 1 {\\cf3\\b 2}}"},
      {"text {\\b bold} more", "text  more"},
      {"a\\b c", "a"},            // a control word without "}" ends at the line's end
      {"x}y\\z", "xy"},           // a "}" before the "\" is not its end
      {"a} b}", "a b"},           // stray braces would close the document
      {"a^}bc", "abc"},           // a caret takes a stray brace with it
      {"^^Bx", "{\\cf3\\b x}"},   // a caret before a bold mark goes alone
      {"end^", "end"},
      {"\xA0 \x82 \xFE *", "\xE1 \xE9 \x7F *"},
  };
  for (const Case& c : cases) EXPECT_EQ(EncyclopediaLineToRtf(c.in), c.out) << c.in;
}

TEST_F(EncyclopediaTest, EntryRunsFromItsHeaderToTheNext) {
  struct Case {
    std::string data;
    std::string text;
  };
  const std::string long_line(300, 'a');
  const std::vector<Case> cases = {
      {"#T1\r\nab\r\n$hidden\r\n\xA8hidden\r\ncd\r\n#T2\r\nnext", "ab\r\n\\par cd\r\n\\par "},
      {"#T1\nab\rXcd\r\rz", "abcd\r\n\\par z\r\n\\par "},  // CR X drops X; CR CR ends a line
      {"#T1\r\nlast\r", "last\r\n\\par "},
      {"#T1\r\n" + long_line + "\r\n", std::string(255, 'a') + "\r\n\\par "},
      // The mark-up may take a line past 255 bytes; its group is still closed.
      {"#T1\r\n^B" + std::string(250, 'a'), "{\\cf3\\b " + std::string(250, 'a') + "}\r\n\\par "},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadEncyclopediaEntry(c.data, 0), c.text) << c.data;
}

TEST(HeaderLineStart, FindsTheHeaderWhateverItsLength) {
  EXPECT_EQ(HeaderLineStart("#T1\r\nx", 5), 0u);
  EXPECT_EQ(HeaderLineStart("x\r\n#T12\r\ny", 9), 3u);
  EXPECT_EQ(HeaderLineStart("x\n#T12\ny", 7), 2u);
  EXPECT_EQ(HeaderLineStart("x\r\r#T12\r\ry", 9), 3u);
  EXPECT_EQ(HeaderLineStart("#T1\r", 4), 0u);
}

TEST(RtfDocument, IsTheDocumentAroundTheBody) {
  EXPECT_EQ(EncyclopediaRtfDocument("a\r\n\\par "),
            "{\\rtf1\\ansi \\deff4\\deflang1033{\\fonttbl\r\n"
            "{\\f4\\froman\\fcharset238\\fprq2 Times New Roman CE;}\r\n"
            "{\\f5\\fmodern\\fcharset238\\fprq1 Courier New CE;}}\r\n"
            "{\\colortbl;\r\n"
            "\\red0\\green0\\blue0;\r\n"
            "\\red0\\green128\\blue0;\r\n"
            "\\red180\\green0\\blue0;\r\n"
            "\\red40\\green150\\blue200;\r\n"
            "\\red255\\green0\\blue166;}\r\n"
            "\\f5\\fs18 \r\n"
            "a\r\n\\par \r\n"
            "}}}}}}}}}}}}}}}}}}}}}}}}}}\r\n");
}

// An invented encyclopedia, the same in each of the three forms.
const std::vector<FixtureEntry> kEntries = {
    {"T5", {"A kard ^Bs\xA0rk\xA0ny^b vas", "$rejtett", "gyakorlat szerint T1 egy"}},
    {"T12", {"Pajzs"}},
    {"S7", {"Var\xA1zslat {\\i d\x82lt} en t"}},
    {"T4464", {"Nagy t\xA0rgy"}},
    {"EK9", {"Utols\xA2"}},
    {"EK-2553", {"Negat\xA1v"}},
};

class EncyclopediaFilesTest : public EncyclopediaTest, public ::testing::WithParamInterface<int> {};

TEST_P(EncyclopediaFilesTest, EntryUnderTheCursorIsShown) {
  const int mode = GetParam();
  testing::TempDir program, lexor;
  program.Write("lexor_tables.txt", testing::kTestPackingFile);
  ASSERT_EQ(LoadEncyclopediaPacking(program.path()), "");
  testing::WriteEncyclopedia(lexor, mode, kEntries);
  ASSERT_EQ(DetectEncyclopediaTextMode(lexor.path()), mode);
  RecordingRichTextView view;
  InstallEncyclopediaView(&view);

  struct Case {
    std::string code;
    std::int32_t param;
    std::string text;
    std::string status;
  };
  const std::vector<Case> cases = {
      // The first entry of the file.
      {"A", 5,
       "A kard {\\cf3\\b s\xE1rk\xE1ny vas}\r\n\\par gyakorlat szerint T1 egy\r\n\\par ",
       "Keresett  tárgy: #5"_w},
      // Its header is shorter packed than unpacked.
      {"A", 12, "Pajzs\r\n\\par ", "Keresett  tárgy: #12"_w},
      {"FOG", 7, "Var\xEDzslat  en t\r\n\\par ", "Keresett  tárgy: #7"_w},
      {"A", 70000, "Nagy t\xE1rgy\r\n\\par ", "Keresett  tárgy: #4464"_w},  // 16-bit numbers
      {"EK", 9, "Utols\xF3\r\n\\par ", "Keresett  tárgy: #9"_w},
      // 40000 wraps to -25536, and "#EK-25536" is cut to 8 characters; the
      // last entry ends with the file.
      {"EK", 40000, "Negat\xEDv\r\n\\par ", "Keresett  tárgy: #-25536"_w},
  };
  for (const Case& c : cases) {
    SetLine(2, c.code, c.param, 0, 0);
    LookupEncyclopediaEntryAtCursor(21, lexor.path());
    EXPECT_EQ(Encyclopedia().EncyclopediaText, c.text) << c.code << c.param;
    EXPECT_EQ(Encyclopedia().StatusText, c.status);
    EXPECT_EQ(view.rtf, EncyclopediaRtfDocument(c.text));
  }
  EXPECT_TRUE(boxes.shown.empty());

  // The bold mark-up of the first entry, as the view reads it.
  SetLine(2, "A", 5, 0, 0);
  LookupEncyclopediaEntryAtCursor(21, lexor.path());
  ASSERT_EQ(view.shown.paragraphs.size(), 3u);
  const auto& first = view.shown.paragraphs[0];
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[0].text, "A kard ");
  EXPECT_FALSE(first[0].format.bold);
  EXPECT_EQ(first[1].text, "s\xE1rk\xE1ny vas");
  EXPECT_TRUE(first[1].format.bold);
  EXPECT_EQ(first[1].format.color, (RichColor{false, 180, 0, 0}));
  EXPECT_EQ(first[1].format.font, "Courier New CE");
  EXPECT_EQ(first[1].format.half_points, 18);
  InstallEncyclopediaView(nullptr);
}

INSTANTIATE_TEST_SUITE_P(PlainAndPacked, EncyclopediaFilesTest, ::testing::Values(0, 1, 2));

TEST_F(EncyclopediaTest, NothingFoundSaysSoAndShowsNoEarlierEntry) {
  testing::TempDir lexor;
  testing::WriteEncyclopedia(lexor, 0, kEntries);
  SetLine(1, "A", 5, 0, 0);
  LookupEncyclopediaEntryAtCursor(11, lexor.path());
  ASSERT_FALSE(Encyclopedia().EncyclopediaText.empty());

  struct Case {
    std::string code;
    std::int32_t param;
    std::uint16_t cell;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"A", 6, 11, "Az enciklopédiában nincs szócikk ehhez: T6"_w},
      {"A", 0, 11, "A kurzor alatti mezőhöz nem tartozik enciklopédia-szócikk."_w},
      {"A", -5, 11, "A kurzor alatti mezőhöz nem tartozik enciklopédia-szócikk."_w},
      {"A", 5, 10, "A kurzor alatti mezőhöz nem tartozik enciklopédia-szócikk."_w},
  };
  for (const Case& c : cases) {
    boxes.shown.clear();
    SetLine(1, c.code, c.param, 0, 0);
    LookupEncyclopediaEntryAtCursor(c.cell, lexor.path());
    EXPECT_EQ(Encyclopedia().EncyclopediaText, "");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, c.message);
  }
}

TEST_F(EncyclopediaTest, MissingOrDamagedFilesGiveMessages) {
  SetLine(1, "A", 5, 0, 0);
  struct Case {
    std::string name;
    std::string dta;  // "-": no file
    std::string idx;
    std::string message;  // after the folder: "" = the folder is empty
  };
  auto record = [](std::string key, std::int32_t position, int length = -1) {
    std::string r(1, static_cast<char>(length < 0 ? static_cast<int>(key.size()) : length));
    r += key + std::string(8 - key.size(), '\0');
    for (int i = 0; i < 4; ++i) r += static_cast<char>((static_cast<std::uint32_t>(position) >> (8 * i)) & 0xFF);
    return r;
  };
  const std::string dta = "#T5\r\nkard\r\n";
  const std::string damaged = "Sérült a TEXT.IDX ("_w;
  const std::vector<Case> cases = {
      {"no data", "-", "", "Nem találok TEXT.DTA-t a megadott útvonalon\n\nTEXT.DTA útvonala:\n"_w},
      {"no index", dta, "-", "Nem találok TEXT.IDX-et a megadott útvonalon\n\nTEXT.IDX útvonala:\n"_w},
      {"one byte", dta, "\x01", damaged + "rövidebb két bájtnál)\n\nTEXT.IDX útvonala:\n"_w},
      {"cut short", dta, std::string("\x02\x00", 2) + record("T4", 5) + "\x02T5",
       damaged + "rövidebb, mint amennyi szócikket jelez)\n\nTEXT.IDX útvonala:\n"_w},
      {"long key", dta, std::string("\x01\x00", 2) + record("T5", 5, 9),
       damaged + "egy kulcs 8 bájtnál hosszabb)\n\nTEXT.IDX útvonala:\n"_w},
      {"past the end", dta, std::string("\x01\x00", 2) + record("T5", 500),
       damaged + "egy szócikk helye a TEXT.DTA-n kívül esik)\n\nTEXT.IDX útvonala:\n"_w},
      {"negative", dta, std::string("\x01\x00", 2) + record("T5", -1),
       damaged + "egy szócikk helye a TEXT.DTA-n kívül esik)\n\nTEXT.IDX útvonala:\n"_w},
  };
  for (const Case& c : cases) {
    testing::TempDir lexor;
    if (c.dta != "-") lexor.Write("text.dta", c.dta);
    if (c.idx != "-") lexor.Write("Text.Idx", c.idx);
    boxes.shown.clear();
    LookupEncyclopediaEntryAtCursor(11, lexor.path() + "/");
    EXPECT_EQ(Encyclopedia().EncyclopediaText, "") << c.name;
    ASSERT_EQ(boxes.shown.size(), 1u) << c.name;
    EXPECT_EQ(boxes.shown[0].text, c.message + lexor.path() + "/") << c.name;
  }
  // An empty folder is the current one and is shown as such.
  boxes.shown.clear();
  LookupEncyclopediaEntryAtCursor(11, "");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Nem találok TEXT.DTA-t a megadott útvonalon\n\nTEXT.DTA útvonala:\nnincs megadva útvonal!"_w);
}

}  // namespace
}  // namespace vorda
