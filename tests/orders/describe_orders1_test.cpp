// The frame of DescribeOrders1, and the move, transfer and friendship orders.
#include "orders/describe_orders1_test.h"

namespace vorda {
namespace {

using testing::DescribeOrders1Test;
using testing::kMax;
using testing::kMin;

TEST_F(DescribeOrders1Test, CodeOutsideTheListLeavesTheDescriptionAlone) {
  auto& s = SheetModel();
  for (const std::string code : {"m", "MA", "BEA", "be", "", "KOT", "KOTLX", "ZZ"}) {
    s.Lines.SheetCodes[2] = code;
    s.Lines.SheetParams[2] = {1, 2, 3};
    s.LineDescription = "korábbi";
    DescribeOrders1(2);
    EXPECT_EQ(s.LineDescription, "korábbi") << code;
  }
}

TEST_F(DescribeOrders1Test, ParametersAreReloadedFromTheLine) {
  auto& s = SheetModel();
  s.Lines.SheetCodes[7] = "M";
  s.Lines.SheetParams[7] = {2, 4, 0};
  s.CurParam1 = 8;
  s.CurParam2 = 8;
  s.CurParam3 = 8;
  s.LineDescription = "régi szöveg"_w;
  DescribeOrders1(7);
  EXPECT_EQ(s.LineDescription, "mozogsz @keletre$, @délre"_w);
  EXPECT_EQ(s.CurParam1, 2);
  EXPECT_EQ(s.CurParam2, 4);
  EXPECT_EQ(s.CurParam3, 0);

  // Reloaded also for a code that is not its own.
  s.Lines.SheetCodes[7] = "XYZ";
  s.CurParam1 = 99;
  DescribeOrders1(7);
  EXPECT_EQ(s.CurParam1, 2);
}

TEST_F(DescribeOrders1Test, LineNumbersOutsideTheSheetAreIgnored) {
  auto& s = SheetModel();
  s.LineDescription = "marad";
  DescribeOrders1(0);
  DescribeOrders1(41);
  DescribeOrders1(-1);
  EXPECT_EQ(s.LineDescription, "marad");
  EXPECT_EQ(Describe("KOKI", 0, 0, 0, 0, 40), "kéred kilépésedet a közös tudatból"_w);
}

TEST_F(DescribeOrders1Test, Move) {
  ExpectDescriptions({
      {"M", 1, 0, 8, "mozogsz @északkeletre$, @északra"_w},
      {"M", 9, 2, 0, "mozogsz ^?$$, @keletre"_w},
      {"M", 0, 0, 0, "mozogsz"},
      {"M", 2, 0, 0, "mozogsz @keletre"},
      {"M", 8, 4, 5, "mozogsz @északra$, @délre$, @délnyugatra"_w},
      {"M", 3, 6, 7, "mozogsz @délkeletre$, @nyugatra$, @északnyugatra"_w},
      {"M", 0, -1, 3, "mozogsz, ^?$$, @délkeletre"_w},
      {"M", 7, 9, 0, "mozogsz @északnyugatra, ^?$"_w},
      {"M", kMin, kMax, 0, "mozogsz ^?$, ^?$"},
      {"M", -1, 0, kMin, "mozogsz ^?$, ^?$"},
  });
}

TEST_F(DescribeOrders1Test, HandOverTextFollowsTheLineTvp) {
  struct Case {
    std::int32_t p1, p2, p3, tvp;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {101, 1000, 0, 0, "@kard$ átadandó @Aldor$ részére"_w},
      {101, 1000, 0, 5, "@kard$ átküldve @Aldor$ részére"_w},
      {102, 1234, 3, 0, "3 @pajzs$ átadandó @Bera$ részére"_w},
      {102, 4444, -2, -1, "-2 @pajzs$ átküldve @#4444$ részére"_w},
      {0, 0, 0, 0, "@ $ átadandó @ $ részére"_w},
      // The hand-over's receiver is a character whatever the number.
      {103, 7000, kMax, kMin, "2147483647 @ij$ átküldve @Dorka$ részére"_w},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Describe("A", c.p1, c.p2, c.p3, c.tvp), c.expected) << c.p1 << " " << c.tvp;

  EXPECT_EQ(Describe("AA", 101, 102, 0, 0), "készlet átadása: @kard pajzs  "_w);
  EXPECT_EQ(Describe("AA", 101, 102, 0, 3), "készlet áküldése: @kard pajzs  "_w);
  EXPECT_EQ(Describe("AA", 0, 0, 999, -3), "készlet áküldése: @    #999"_w);
}

TEST_F(DescribeOrders1Test, CourierSacrificeAndPoints) {
  ExpectDescriptions({
      {"FA", 103, 1000, 0, "Futár: @ij$ átküldése @Aldor$ részére"_w},
      {"FA", 103, 1000, 7, "Futár: 7 @ij$ átküldése @Aldor$ részére"_w},
      {"FA", 555, 0, -1, "Futár: -1 @#555$ átküldése @ $ részére"_w},
      {"FAA", 101, 102, 103, "Futár (készlet átküldése): @kard pajzs ij"_w},
      {"FAA", 0, 0, 0, "Futár (készlet átküldése): @     "_w},
      {"AL", 101, 0, 999, "áldozás @kard   #999"_w},
      {"AMT", 1234, 50, 0, "@Bera$ javára @50$ MXTU átadandó"_w},
      {"AMT", 0, kMin, 0, "@ $ javára @-2147483648$ MXTU átadandó"_w},
      {"AT", 1234, -5, 0, "@Bera$ javára @-5$ TU átadandó"_w},
      {"AT", 9, kMax, 0, "@#9$ javára @2147483647$ TU átadandó"_w},
  });
}

// The three items are looked up in reading order: the last found record is the
// third item's.
TEST_F(DescribeOrders1Test, ItemSetsLookUpTheirItemsInReadingOrder) {
  for (const std::string code : {"AA", "FAA", "AL"}) {
    Describe(code, 101, 102, 103);
    EXPECT_EQ(Tables().LastFoundIndex, 3) << code;
    Describe(code, 103, 101, 0);
    EXPECT_EQ(Tables().LastFoundIndex, 0) << code;
  }
}

// A friend is a character for 1000..6999 and above 9100, otherwise a monster.
TEST_F(DescribeOrders1Test, FriendsAreCharactersOrMonstersByNumber) {
  ExpectDescriptions({
      {"BA", 0, 0, 0, "törlöd a barátkozási listádat     "_w},
      {"BA", 999, 1000, 6999, "barát: @ork Aldor Csenge"_w},
      {"BA", 7000, 9100, 9101, "barát: @liderc vampir Hanna"_w},
      {"BA", 0, 0, 3, "barát: @    medve"_w},
      {"BA", 5, 0, 0, "barát: @#5    "_w},
      {"BA", kMax, kMin, -1, "barát: @Ivett #-2147483648 #-1"_w},
  });
}

}  // namespace
}  // namespace vorda
