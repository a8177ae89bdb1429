#include "encyclopedia/text_unpack.h"

#include <gtest/gtest.h>

#include "data/text.h"
#include "encyclopedia/encyclopedia_fixture.h"
#include "platform/win1250.h"

namespace vorda {
namespace {

using testing::EncyclopediaTest;

TEST(HalfReversal, SwapsEachHalfEndForEnd) {
  struct Case {
    std::string_view in, out;
  };
  for (const Case& c : std::initializer_list<Case>{{"", ""}, {"a", "a"}, {"ab", "ab"}, {"abcd", "badc"}, {"abcde", "baedc"}})
    EXPECT_EQ(HalfReversal(c.in), c.out) << c.in;
}

TEST(PackingGenerator, StepsBeforeEachDraw) {
  struct Case {
    std::uint32_t seed;
    std::vector<std::uint32_t> draws;
  };
  for (const Case& c : std::initializer_list<Case>{{0, {0, 0, 6, 1, 1, 4}}, {42, {2, 6, 1, 1, 0, 5}}}) {
    PackingGenerator g(c.seed);
    std::vector<std::uint32_t> got;
    for (std::size_t i = 0; i < c.draws.size(); ++i) got.push_back(g.Random(7));
    EXPECT_EQ(got, c.draws) << c.seed;
  }
}

TEST_F(EncyclopediaTest, LaterEntriesExpandWhatEarlierOnesWrote) {
  std::string text = "\x02k \x02";
  ExpandCodes1(text, "\x03" "a", 0x02);
  EXPECT_EQ(text, "\x03" "ak \x03" "a");
  Encyclopedia().Packing = testing::TestPacking();
  EXPECT_EQ(EncyclopediaUnpack2(HalfReversal("\x81\x84" "2")), "en tT12");
}

TEST_F(EncyclopediaTest, BothMethodsUnpackWhatThePackerPacked) {
  Encyclopedia().Packing = testing::TestPacking();
  for (std::string_view text : {"", "x", "#T5", "#EK12", "gyakorlat szabály", "A szent T1 kard^B ereje", "\xA0\xFE"}) {
    EXPECT_EQ(EncyclopediaUnpack1(testing::Pack1(text)), text);
    EXPECT_EQ(EncyclopediaUnpack2(testing::Pack2(text)), text);
  }
  // The generator starts again at every call.
  const std::string packed = testing::Pack1("gyakorlat");
  EXPECT_EQ(EncyclopediaUnpack1(packed), EncyclopediaUnpack1(packed));
  // Without code bytes method 2 only reverses the halves.
  EXPECT_EQ(EncyclopediaUnpack2("abcde"), "baedc");
}

// Each entry's text is two codes of the next entry: unpacking one byte would
// take 2^45 bytes. What is kept is the start of that unpacking.
TEST_F(EncyclopediaTest, ChainedCodesStopAtTheLineLimit) {
  std::string file;
  for (int code = 0x80; code < 0x80 + 45; ++code) file += "2 " + ByteToHex(static_cast<std::uint8_t>(code)) + " " +
                                                       ByteToHex(static_cast<std::uint8_t>(code + 1)) +
                                                       ByteToHex(static_cast<std::uint8_t>(code + 1)) + "\n";
  file += "2 AD 7A\n";
  ASSERT_EQ(ParseEncyclopediaPacking(file, Encyclopedia().Packing), "");
  EXPECT_EQ(EncyclopediaUnpack2("q\x80"), "q" + std::string(kUnpackedLimit - 1, 'z'));
}

TEST_F(EncyclopediaTest, TablesFileIsReadOrRefusedWhole) {
  EncyclopediaPacking p;
  EXPECT_EQ(ParseEncyclopediaPacking(testing::kTestPackingFile, p), "");
  const EncyclopediaPacking want = testing::TestPacking();
  EXPECT_TRUE(p.Method1Known);
  EXPECT_TRUE(p.Method2Known);
  EXPECT_EQ(p.Seed1, 42);
  ASSERT_EQ(p.Table1.size(), 3u);
  ASSERT_EQ(p.Table2.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(p.Table1[i].Code, want.Table1[i].Code);
    EXPECT_EQ(p.Table1[i].Text, want.Table1[i].Text);
    EXPECT_EQ(p.Table2[i].Code, want.Table2[i].Code);
    EXPECT_EQ(p.Table2[i].Text, want.Table2[i].Text);
  }

  struct Case {
    std::string file;
    std::string message;  // empty: accepted
  };
  std::string too_many = "seed 1\n";
  for (int i = 0; i < 28; ++i) too_many += "1 0" + std::string(1, "0123456789ABCDEF"[i % 16]) + " 4142\n";
  const std::string tail = "), ezért csak tömörítetlen enciklopédia olvasható."_w;
  const std::vector<Case> cases = {
      {"2 41 4243\n", ""},
      {"seed 7\n2 41 4243\n2 42 4344\n", ""},
      {"seed 1\n2 41 4142\n", "A lexor_tables.txt 2. sora hibás (a szöveg a saját kódját tartalmazza"_w + tail},
      {"seed 256\n", "A lexor_tables.txt 1. sora hibás (a mag hibás vagy kétszer szerepel"_w + tail},
      {"1 4 4142\n", "A lexor_tables.txt 1. sora hibás (hibás kód vagy szöveg"_w + tail},
      {"3 41 4242\n", "A lexor_tables.txt 1. sora hibás (ismeretlen sor"_w + tail},
      {too_many, "A lexor_tables.txt 29. sora hibás (túl sok bejegyzés"_w + tail},
      {"1 41 4242\n",
       "A lexor_tables.txt az 1. módszer táblája mellett nem adja meg a magot, ezért csak tömörítetlen enciklopédia olvasható."_w},
  };
  for (const Case& c : cases) {
    EncyclopediaPacking got;
    got.Method2Known = true;
    EXPECT_EQ(ParseEncyclopediaPacking(c.file, got), c.message) << c.file;
    if (!c.message.empty()) {
      EXPECT_FALSE(got.Method1Known || got.Method2Known) << c.file;
    }
  }
}

TEST_F(EncyclopediaTest, TablesFileIsOptional) {
  testing::TempDir dir;
  EXPECT_EQ(LoadEncyclopediaPacking(dir.path()), "");
  EXPECT_FALSE(Encyclopedia().Packing.Method1Known || Encyclopedia().Packing.Method2Known);
  dir.Write("LEXOR_TABLES.TXT", testing::kTestPackingFile);
  EXPECT_EQ(LoadEncyclopediaPacking(dir.path()), "");
  EXPECT_TRUE(Encyclopedia().Packing.Method1Known && Encyclopedia().Packing.Method2Known);
}

TEST_F(EncyclopediaTest, ModeOfTheFirstLine) {
  struct Case {
    std::string text;
    int packed_by;  // 0: written as it stands
    int seed;
    bool tables;
    int mode;
  };
  const std::vector<Case> cases = {
      {"#T12", 0, 42, true, 0},
      {"", 0, 42, true, 0},
      {"#T12", 1, 42, true, 1},
      {"#T12", 2, 42, true, 2},
      {"#T5", 2, 42, true, 2},  // "#5T": a short packed header keeps "#" in front
      {"#S7", 1, 0, true, 1},
      // A short plain header: method 2 would leave "#" in front and, with a
      // generator whose first number is 0, so would method 1.
      {"#T5", 0, 42, true, 0},
      {"#S7", 0, 0, true, 0},
      {"#V", 0, 42, true, 2},
      {"#T12", 2, 42, false, 0},  // without the tables only plain files are read
  };
  for (const Case& c : cases) {
    Encyclopedia().Packing = testing::TestPacking();
    Encyclopedia().Packing.Seed1 = static_cast<std::uint8_t>(c.seed);
    const std::string line = testing::Pack(c.packed_by, c.text);
    if (!c.tables) Encyclopedia().Packing = EncyclopediaPacking{};
    EXPECT_EQ(TextModeOfFirstLine(line), c.mode) << c.text << " packed by " << c.packed_by;
  }
}

}  // namespace
}  // namespace vorda
