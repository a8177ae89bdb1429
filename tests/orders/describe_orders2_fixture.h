#pragma once
// Small invented game tables for the tests of the third describer, and a way
// to describe one line as the line refresh would.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "orders/describers.h"
#include "support/state_reset.h"

namespace vorda::testing {

// "Hosszú íj" in the DOS code page (ú A3h, í A1h): a name converted on loading.
inline constexpr const char* kDescribe2Items =
    "1 0 0 0 0 0 Olimpiai jegy\r\n"
    "12 0 0 0 12 0 Kard\r\n"
    "13 0 0 0 65535 0 Draga ko\r\n"
    "17 1 120 30 0 0 Hossz\xA3 \xA1j\r\n"
    "28 0 0 0 0 0 Fenoko\r\n"
    "40 2 0 0 0 0 Palca\r\n"
    "92 2 0 0 0 0 Kotel\r\n"
    "305 0 0 0 0 0 Gyorsito\r\n"
    "341 0 0 0 0 0 Ust\r\n"
    "757 0 0 0 0 0 Relikvia A\r\n"
    "766 0 0 0 0 0 Relikvia B\r\n"
    "767 0 0 0 0 0 Relikvia C\r\n"
    "776 0 0 0 0 0 Relikvia D\r\n"
    "777 0 0 0 0 0 Relikvia E\r\n"
    "786 0 0 0 0 0 Relikvia F\r\n"
    "883 0 0 0 0 0 Nyilvesszo\r\n"
    "970 0 0 0 0 0 Tukor\r\n"
    "1064 0 0 0 0 0 Atalakito\r\n"
    "1167 0 0 0 0 0 Fozoedeny\r\n"
    "1184 0 0 0 0 0 Fen\r\n"
    "1820 2 0 0 0 0 Zold fiola\r\n"
    "1928 0 0 0 0 0 Elso ko\r\n"
    "1933 0 0 0 0 0 Hatodik ko\r\n"
    "1959 0 0 0 0 0 Jegkristaly\r\n"
    "2243 0 0 0 0 0 Hojeg\r\n";

inline constexpr const char* kDescribe2Monsters =
    "1 Farkas\r\n3 Medve\r\n5 Troll\r\n9 Goblin\r\n10 Patkany\r\n999 Ork\r\n7000 Golem\r\n9100 Demon\r\n";

inline constexpr const char* kDescribe2Characters =
    "1000 Aladar\r\n1500 Elek\r\n6999 Bela\r\n8999 Cecil\r\n9101 Dezso\r\n";

// Id, blank, kind, TVP, VP/PP, learning cost, name.
inline constexpr const char* kDescribe2Spells =
    "5 V 0 4 0 Tuzgolyo\r\n"
    "6 H 0 0 4 Pajzs\r\n"
    "7 P 0 0 0 Latas\r\n"
    "65 P 0 0 0 Aura\r\n"
    "104 V 0 0 0 Terkep\r\n"
    "158 V 0 0 1 Hatar also\r\n"
    "159 V 0 0 7 Kis magia\r\n"
    "163 V 0 0 50 Nagy magia\r\n"
    "164 V 0 0 1 Hatar felso\r\n"
    "200 V 0 0 9 Vegyes\r\n"
    "201 V 0 0 0 Ingyen\r\n"
    "307 V 0 0 3 Ima\r\n"
    "310 V 0 0 4 Csoda\r\n"
    "399 V 0 0 1 Teo\r\n"
    "439 P 0 0 2 Tau\r\n"
    "-3 V 0 0 5 Negativ\r\n";

inline constexpr const char* kDescribe2Recipes = "3 10 Gulyas\r\n";

inline void LoadDescribe2Tables() {
  LoadItemTable(kDescribe2Items);
  LoadMonsterTable(kDescribe2Monsters);
  LoadCharacterTable(kDescribe2Characters);
  LoadSpellTable(kDescribe2Spells);
  LoadRecipeTable(kDescribe2Recipes);
}

// One row of a describer table: the line and the description it must get.
struct Describe2Case {
  const char* code;
  std::int32_t p1 = 0;
  std::int32_t p2 = 0;
  std::int32_t p3 = 0;
  std::string expected;
};

// Describes line `line` directly, in the state the line refresh leaves before
// the describers run: an empty description and working parameters that an
// earlier describer may have changed.
inline std::string DescribeLine2(const std::string& code, std::int32_t p1, std::int32_t p2, std::int32_t p3,
                                 int line = 7) {
  auto& s = SheetModel();
  s.Lines.SheetCodes[static_cast<std::size_t>(line)] = code;
  s.Lines.SheetParams[static_cast<std::size_t>(line)] = {p1, p2, p3};
  s.LineDescription.clear();
  s.CurParam1 = s.CurParam2 = s.CurParam3 = -77;
  DescribeOrders2(line);
  return s.LineDescription;
}

// Describes every row and compares byte for byte; failures show the texts in UTF-8.
inline void ExpectDescriptions(const std::vector<Describe2Case>& cases) {
  for (const auto& c : cases) {
    const std::string got = DescribeLine2(c.code, c.p1, c.p2, c.p3);
    EXPECT_EQ(got, c.expected) << c.code << " " << c.p1 << " " << c.p2 << " " << c.p3 << "\n  got:      \""
                               << Win1250ToUtf8(got) << "\"\n  expected: \"" << Win1250ToUtf8(c.expected) << "\"";
  }
}

class Describe2Test : public FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    LoadDescribe2Tables();
  }
};

}  // namespace vorda::testing
