#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "orders/describers.h"
#include "support/state_reset.h"

namespace vorda {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

class DescribeOrders3Test : public testing::FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    LoadItemTable("11 0 5 6 7 8 Rubin\n12 1 5 6 7 8 Kard\n13 0 1 1 1 1 Pajzs\n");
    LoadCharacterTable("1200 Gandalf\n7001 Aragorn\n");
    LoadMonsterTable("5 Farkas\n988 Troll\n");
  }

  // Describes `code` on `line` the way the refresh calls the describer, with
  // stale working values and a description that only a match replaces.
  static std::string Describe(const std::string& code, std::int32_t p1, std::int32_t p2 = 0,
                              std::int32_t p3 = 0, int line = 1) {
    auto& s = SheetModel();
    s.Lines.SheetCodes[static_cast<std::size_t>(line)] = code;
    s.Lines.SheetParams[static_cast<std::size_t>(line)] = {p1, p2, p3};
    s.CurParam1 = s.CurParam2 = s.CurParam3 = -77;
    s.LineDescription = "<untouched>";
    DescribeOrders3(line);
    return s.LineDescription;
  }
};

struct Case {
  const char* code;
  std::int32_t p1, p2, p3;
  std::string expected;
};

TEST_F(DescribeOrders3Test, OrdersOtherThanNews) {
  const Case cases[] = {
      {"FOK", 11, 12, 0, "@Rubin$ behelyezése a következő tárgyba: @Kard$"_w},
      {"FOK", 0, 99, 0, "@ $ behelyezése a következő tárgyba: @#99$"_w},
      {"FPH", 0, 0, 7, "törlöd a @feltételes pajzshasználat$ beállításokat"_w},
      {"FPH", 13, 5, 0, "feltételes pajzshasználat: @Pajzs$, ha ellenfeled @Farkas$"_w},
      {"FPH", 0, 988, 0, "feltételes pajzshasználat: , ha ellenfeled @Troll$"_w},
      {"FPH", 13, -5, 0, "feltételes pajzshasználat: @Pajzs$"_w},
      {"FPH", -1, 0, 0, "feltételes pajzshasználat: "_w},
      {"FVK", 40, 0, 0, "feltételes varázskő használat: @40%$ alatt"_w},
      {"FVK", kMin, 0, 0, "feltételes varázskő használat: @-2147483648%$ alatt"_w},
      {"TK", 0, 0, 0, "többszemélyes kaland"_w},
      {"TK", 2, 0, 0, "@2$. többszemélyes kaland"_w},
      {"TK", 2, 1200, 77, "@2$. többszemélyes kaland, vezető: @Gandalf$ (kód: @77$)"_w},
      {"TK", -5, 7001, -1, "többszemélyes kaland, vezető: @Aragorn$"_w},
      {"TK", 0, 0, kMax, "többszemélyes kaland (kód: @2147483647$)"_w},
      {"TKB", 1, 0, 9, "TK beállítás: @csapat folytatja a kalandot$"_w},
      {"TKB", 1, 1, 0, "TK beállítás: @csapat nem folytatja a kalandot$"_w},
      {"TKB", 2, 1200, 3, "TK beállítás: @3$. kaland ismertetése @Gandalf$ karakterrel"_w},
      {"TKB", 2, 0, 0, "TK beállítás: @0$. kaland ismertetése @ $ karakterrel"_w},
      {"TKB", 1, 2, 0, "TK beállítás: ^???$"_w},
      {"TKB", 3, 0, 0, "TK beállítás: ^???$"_w},
      {"KLD", 7, 0, 0, "küldetést vállalsz el (@7$. küldetés)"_w},
      {"KLD", -3, 0, 0, "küldetést vállalsz el (@-3$. küldetés)"_w},
      {"FBB", 11, 5, 0, "Ha találsz, beteszed bankba: @Rubin$ (@5$ db fölött)"_w},
      {"FBB", 11, 12, 13, "Ha találsz, beteszed bankba: @Rubin Kard Pajzs"_w},
      {"FBB", 11, 0, 13, "Ha találsz, beteszed bankba: @Rubin"_w},
      {"FBB", 11, 5, -1, "Ha találsz, beteszed bankba: @Rubin"_w},
      {"FBB", 0, 0, 0, "Ha találsz, beteszed bankba: @ "_w},
      {"FKB", 11, 4, 0, "Ha kevés, kiveszed bankból: @Rubin$ (@4$ db-ig)"_w},
      {"FKB", 11, 0, 0, "Ha kevés, kiveszed bankból: @Rubin$ (^?$ db-ig)"_w},
      {"FKB", 0, 0, 0, "Ha kevés, kiveszed bankból: @T1$ (@P2$ db-ig)"_w},
      {"FKB", 11, -1, 0, "Ha kevés, kiveszed bankból: @T1$ (@P2$ db-ig)"_w},
      {"FKB", kMin, 4, 0, "Ha kevés, kiveszed bankból: @T1$ (@P2$ db-ig)"_w},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.code) + " " + std::to_string(c.p1) + " " + std::to_string(c.p2) + " " +
                 std::to_string(c.p3));
    EXPECT_EQ(Describe(c.code, c.p1, c.p2, c.p3), c.expected);
  }
}

TEST_F(DescribeOrders3Test, MacroRowsAndTheirEdges) {
  const Case cases[] = {
      {"MAK", 3, 0, 0, "@3$. makró futtatása"_w},
      {"MAK", 3, 5, 0, "@3$. makró létrehozása a következő @5$ parancsból"_w},
      {"MAK", 3, 5, 15, "@3$. makró módosítása következő @5$ parancsból (^15$. parancstól)"_w},
      {"MAK", 3, 5, 14, "@3$. makró módosítása a következő @5$ parancsból (@14$. parancstól @makróbővítés II.$)"_w},
      {"MAK", 3, 5, 13, "@3$. makró módosítása a következő @5$ parancsból (@13$. parancstól @makróbővítés II.$)"_w},
      {"MAK", 3, 5, 12, "@3$. makró módosítása a következő @5$ parancsból (@12$. parancstól @makróbővítés I.$)"_w},
      {"MAK", 3, 5, 11, "@3$. makró módosítása a következő @5$ parancsból (@11$. parancstól @makróbővítés I.$)"_w},
      {"MAK", 3, 5, 10, "@3$. makró módosítása a következő @5$ parancsból (@10$. parancstól)"_w},
      {"MAK", 3, 5, 1, "@3$. makró módosítása a következő @5$ parancsból (@1$. parancstól)"_w},
      {"MAK", kMax, kMax, kMax,
       "@2147483647$. makró módosítása következő @2147483647$ parancsból (^2147483647$. parancstól)"_w},
      {"MAK", 3, 0, 4, "makró parancs"_w},
      {"MAK", 0, 5, 0, "makró parancs"_w},
      {"MAK", 3, 5, -1, "makró parancs"_w},
      {"MAK", 3, -5, 0, "makró parancs"_w},
      {"MAK", kMin, kMin, kMin, "makró parancs"_w},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.p1) + " " + std::to_string(c.p2) + " " + std::to_string(c.p3));
    EXPECT_EQ(Describe(c.code, c.p1, c.p2, c.p3), c.expected);
  }
}

TEST_F(DescribeOrders3Test, CircusNamesTheBitsAndUsesUpTheWorkingValue) {
  struct CircusCase {
    std::int32_t mask;
    std::string expected;
    std::int32_t left;  // CurParam1 afterwards
  };
  const CircusCase cases[] = {
      {5, "cirkuszolsz: @banya céllövölde "_w, 0},
      {64, "cirkuszolsz: @tárgybeváltás "_w, 0},
      {127, "cirkuszolsz: @tárgybeváltás szellemkastély labirintus kártya banya ötpróba céllövölde "_w, 0},
      {42, "cirkuszolsz: @szellemkastély kártya ötpróba "_w, 0},
      {128, "cirkuszolsz: @^hibás paraméter (maximum 127 lehet)"_w, 128},
      {kMax, "cirkuszolsz: @^hibás paraméter (maximum 127 lehet)"_w, kMax},
      {0, "cirkuszolsz: @ törlöd a CIR beállításodat"_w, 0},
      {-1, "cirkuszolsz: @", -1},
      {kMin, "cirkuszolsz: @", kMin},
  };
  for (const CircusCase& c : cases) {
    SCOPED_TRACE(c.mask);
    EXPECT_EQ(Describe("CIR", c.mask, 8, 9), c.expected);
    EXPECT_EQ(SheetModel().CurParam1, c.left);
    EXPECT_EQ(SheetModel().CurParam2, 8);
    EXPECT_EQ(SheetModel().Lines.SheetParams[1][0], c.mask);  // the sheet keeps its parameter
  }
}

TEST_F(DescribeOrders3Test, EveryNewsMessage) {
  // Characters in P2 or P3 are 1200 (Gandalf) or 7001 (Aragorn), items 11..13,
  // squares 42;28, dates 12.24.
  const Case cases[] = {
      {"HIR", 1, 12, 24, "KT találkozó 12.24 a szokott helyen"_w},
      {"HIR", 2, 12, 24, "KT találkozó 12.24 nem a szokott helyen"_w},
      {"HIR", 3, 12, 24, "12.24 hírdetett KT találkozó elmarad"_w},
      {"HIR", 4, 9, 1200, "KT újság 9. száma megjelent. Válaszboríték: Gandalf"_w},
      {"HIR", 5, 37, 4, "lehet fejleszteni a(z) 37. képességet, fejenként 4 TU"_w},
      {"HIR", 6, 15, 0, "a képességbe még 15 TU kell, tegyen még bele, aki tud"_w},
      {"HIR", 7, 1, 2, "a képesség kész, de még nem működik. várjatok a fejlesztéssel"_w},
      {"HIR", 8, 1200, 7001, "Gandalf letudatcsatázta egyik tagunkat: Aragornt"_w},
      {"HIR", 9, 1200, 40, "Gandalf ellenségünk. támadjátok tudatcsatával. TU-ja kb. 40"_w},
      {"HIR", 10, 1200, 0, "Gandalf a szövetségesünk, BA parancs"_w},
      {"HIR", 11, 7001, 0, "Aragorn az ellenségünk, lehet támadni őket tudatilag is"_w},
      {"HIR", 12, 1200, 0, "békét kötöttünk a(z) Gandalf KT-val"_w},
      {"HIR", 13, 8, 2, "a KT létszáma 8 felvehetünk még 2 tagot"_w},
      {"HIR", 14, 7001, 0, "új tag lépett a KT-ba: Aragorn"_w},
      {"HIR", 15, 1200, 0, "Gandalf tettei miatt kirúgásra lett ítélve. adjatok ki FKER-t"_w},
      {"HIR", 16, 1200, 0, "Gandalf passzív a KT-ban. adjatok ki rá FKER parancsot"_w},
      {"HIR", 17, 1200, 3, "lemondok a vezetőségről, adjatok ki FKER 1200 3 parancsot"_w},
      {"HIR", 18, 7001, 0, "Aragorn erőszakosan kilépett a KT-ból"_w},
      {"HIR", 19, 7001, 0, "Aragornt kérésére kiengedtem a KT-ból"_w},
      {"HIR", 20, 1200, 0, "új tag jelentkezett: Gandalf be kellene ajánlani"_w},
      {"HIR", 21, 30, 0, "KT érdekében kellene 30 TU minél hamarabb"_w},
      {"HIR", 22, 6, 0, "szükségem lenne 6 TU-ra, aki tud, adjon"_w},
      {"HIR", 23, 1200, 0, "felesleges TU-kat adjátok Gandalf részére"_w},
      {"HIR", 24, 3, 12, "nagyon kellene 3 darab Kard"_w},
      {"HIR", 25, 13, 7001, "akinek van felesleges (kölcsön) Pajzs adja Aragorn"_w},
      {"HIR", 26, 988, 11, "infót kérek: Troll és Rubin"_w},
      {"HIR", 27, 12, 0, "ha kell Kard szólj, mert eladom/eldobom"_w},
      {"HIR", 28, 1200, 0, "tudod hol található Gandalf? ha igen, üzenj"_w},
      {"HIR", 29, 0, 0, "kérlek gyógyítsatok rajtam"_w},
      {"HIR", 30, 36, 1234, "fontos mondanivalóm van. hívjatok: 361234"_w},
      {"HIR", 31, 42, 28, "Raia templom 42;28 még lehet jelentkezni"_w},
      {"HIR", 32, 42, 28, "Elenios templom 42;28 még lehet jelentkezni"_w},
      {"HIR", 33, 42, 28, "Leah templom 42;28 még lehet jelentkezni"_w},
      {"HIR", 34, 42, 28, "Dornodon templom 42;28 még lehet jelentkezni"_w},
      {"HIR", 35, 42, 28, "Tharr templom 42;28 még lehet jelentkezni"_w},
      {"HIR", 36, 42, 28, "Sheran templom 42;28 még lehet jelentkezni"_w},
      {"HIR", 37, 42, 28, "Fairlight templom 42;28 még lehet jelentkezni"_w},
      {"HIR", 38, 42, 28, "42;28 mezőn tudati lenyomat"_w},
      {"HIR", 39, 42, 28, "42;28 mezőn tudati jel"_w},
      {"HIR", 40, 42, 28, "42;28 mezőn álomvirág"_w},
      {"HIR", 41, 42, 28, "42;28 mezőn szopógödör"_w},
      {"HIR", 42, 42, 28, "42;28 mezőn nagy költségű múmia-próba"_w},
      {"HIR", 43, 42, 28, "42;28 mezőn Raia templom épült"_w},
      {"HIR", 44, 42, 28, "42;28 mezőn Elenios templom épült"_w},
      {"HIR", 45, 42, 28, "42;28 mezőn Tharr templom épült"_w},
      {"HIR", 46, 42, 28, "42;28 mezőn Sheran templom épült"_w},
      {"HIR", 47, 42, 28, "42;28 mezőn Fairlight templom épült"_w},
      {"HIR", 48, 42, 28, "42;28 mezőn Dornodon templom épült"_w},
      {"HIR", 49, 42, 28, "42;28 mezőn Leah templom épült"_w},
      {"HIR", 50, 4, 11, "előre megbeszélt 4 helyen van egy Rubin"_w},
      {"HIR", 51, 42, 28, "Vándor Balgor a 42;28 mezőn táborozik"_w},
      {"HIR", 52, 42, 28, "42;28 mezőn van valami érdekes/furcsa"_w},
      {"HIR", 53, 42, 28, "42;28 mezőn táborozok"_w},
      {"HIR", 54, 1200, 0, "Gandalf előző HIRe nem igaz"_w},
      {"HIR", 55, 12, 24, "12.24-án tudatkorbács, aki nem fejleszt"_w},
      {"HIR", 56, 1200, 7, "leváltjuk a KT vezetőt, add ki az FKER 1200 7 parancsot"_w},
      {"HIR", 57, 0, 0, "kellemes ünnepeket"_w},
      {"HIR", 58, 42, 28, "újabb szent liget a(z) 42;28 mezőn"_w},
      {"HIR", 59, 12, 150, "eladok Kard tárgyat 150 aranyért/darab áron"_w},
      {"HIR", 60, 13, 90, "vennék Pajzs tárgyat 90 aranyért/darab áron"_w},
      {"HIR", 61, 2, 11, "eladó 2 Rubin"_w},
      {"HIR", 62, 40, 20, "van 40 MXTUm, kellene még 20"_w},
      {"HIR", 63, 1200, 7001, "Gandalf KT megtámadta Aragorn szöv. KT-t"_w},
      {"HIR", 64, 12, 24, "következő KT verseny/olimpia 12.24-án kezdődik"_w},
      {"HIR", 65, 12, 24, "KT versenynek/olimpiának 12.24-án vége"_w},
      {"HIR", 66, 25, 0, "van fölösleges 25 MXTUm"_w},
      {"HIR", 67, 42, 28, "valaki kiirtott/rombolt egy növényt/épitményt a(z) 42;28 mezőn"_w},
      {"HIR", 68, 42, 28, "kiirtottam/romboltam egy növényt/épitményt a(z) 42;28 mezőn"_w},
      {"HIR", 69, 12, 0, "beleromboltam Kard-ba, de nem romboltam le teljesen"_w},
      {"HIR", 70, 1200, 5, "Gandalf nem használhat EK-t, amíg 5 TUt nem fejleszt"_w},
      {"HIR", 71, 5, 0, "senki nem használhat EK-t, amíg 5 TUt nem fejleszt"_w},
      {"HIR", 72, 12, 24, "küldjetek karlapot 12.24-ig a köv. KT gyűlésre"_w},
      {"HIR", 73, 37, 1200, "ne használd 37. képességet Gandalf KT tagjaira"_w},
      {"HIR", 74, 37, 7001, "ha tudod, használd 37. képességet Aragorn KT tagjaira"_w},
      {"HIR", 84, 150, 11, "Megöltem egy @150$ Tp-s masszát. @Rubin$ volt benne!"_w},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.p1);
    EXPECT_EQ(Describe(c.code, c.p1, c.p2, c.p3), c.expected);
  }
}

TEST_F(DescribeOrders3Test, NewsWithoutMessageAndNamesMissingFromTheTables) {
  const Case cases[] = {
      {"HIR", 0, 1, 2, "híreket mesélsz társaidnak: 0. hírt 1 2"_w},
      {"HIR", 75, 1, 2, "híreket mesélsz társaidnak: 75. hírt 1 2"_w},
      {"HIR", 83, 0, 0, "híreket mesélsz társaidnak: 83. hírt 0 0"_w},
      {"HIR", 85, -4, kMax, "híreket mesélsz társaidnak: 85. hírt -4 2147483647"_w},
      {"HIR", kMin, kMin, kMin,
       "híreket mesélsz társaidnak: -2147483648. hírt -2147483648 -2147483648"_w},
      {"HIR", 8, 0, 4242, "  letudatcsatázta egyik tagunkat: #4242t"_w},
      {"HIR", 26, -9, 0, "infót kérek: #-9 és  "_w},
      {"HIR", 55, kMin, kMax, "-2147483648.2147483647-án tudatkorbács, aki nem fejleszt"_w},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.p1);
    EXPECT_EQ(Describe(c.code, c.p1, c.p2, c.p3), c.expected);
  }
}

TEST_F(DescribeOrders3Test, BankOrderLeavesTheLastItemLookUpOnItsThirdItem) {
  Describe("FBB", 11, 12, 13);
  EXPECT_EQ(Tables().LastFoundIndex, 3);
  Describe("FOK", 12, 11);
  EXPECT_EQ(Tables().LastFoundIndex, 1);
}

TEST_F(DescribeOrders3Test, OtherCodesAreLeftAlone) {
  for (const char* code : {"fok", "HI", "HIRR", "CIR ", "", "V", "MA", "TKBX"}) {
    SCOPED_TRACE(code);
    EXPECT_EQ(Describe(code, 5, 5, 5), "<untouched>");
  }
}

TEST_F(DescribeOrders3Test, WorkingValuesAreReloadedFromTheLine) {
  Describe("KLD", 4, 5, 6, 40);
  EXPECT_EQ(SheetModel().CurParam1, 4);
  EXPECT_EQ(SheetModel().CurParam2, 5);
  EXPECT_EQ(SheetModel().CurParam3, 6);
  EXPECT_EQ(SheetModel().LineDescription, "küldetést vállalsz el (@4$. küldetés)"_w);
}

TEST_F(DescribeOrders3Test, LineOutsideTheSheetTouchesNothing) {
  auto& s = SheetModel();
  s.LineDescription = "<untouched>";
  s.CurParam1 = 9;
  DescribeOrders3(0);
  DescribeOrders3(41);
  DescribeOrders3(-1);
  EXPECT_EQ(s.LineDescription, "<untouched>");
  EXPECT_EQ(s.CurParam1, 9);
}

}  // namespace
}  // namespace vorda
