#pragma once
// Shared fixture of the DescribeOrders1 tests: small invented game tables, and a
// line described the way the refresh prepares it (description emptied, CurParam
// loaded, then the describer called).
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "orders/describers.h"
#include "support/state_reset.h"

namespace vorda::testing {

inline constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
inline constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct DescriptionCase {
  std::string code;
  std::int32_t p1 = 0;
  std::int32_t p2 = 0;
  std::int32_t p3 = 0;
  std::string expected;  // Windows-1250
};

class DescribeOrders1Test : public FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    // Item: Id, kind (1 ranged), W1, W2 (sale price), W3, W4, name.
    LoadItemTable(
        "101 0 5 12 20 0 kard\n"
        "102 0 3 7 9 0 pajzs\n"
        "103 1 4 10 15 0 ij\n"
        "104 0 1 65535 1 0 aranyrog\n"
        "105 0 0 0 0 0 kavics\n"
        "106 1 1 1 1 0 nyilvesszo\n"
        "2147483647 0 1 2 3 4 csillagpor\n");
    // Characters and monsters share some numbers, so that a text shows which
    // table a number was looked up in.
    LoadCharacterTable(
        "5 Kata\n"
        "999 Janka\n"
        "1000 Aldor\n"
        "1234 Bera\n"
        "6999 Csenge\n"
        "7000 Dorka\n"
        "8999 Elek\n"
        "9000 Fanni\n"
        "9100 Gyula\n"
        "9101 Hanna\n"
        "2147483647 Ivett\n");
    LoadMonsterTable(
        "1 farkas\n"
        "3 medve\n"
        "9 sarkany\n"
        "10 troll\n"
        "999 ork\n"
        "1000 goblin\n"
        "6999 kiklopsz\n"
        "7000 liderc\n"
        "9100 vampir\n"
        "9101 harpia\n");
    LoadSpellTable(
        "9 V 1 2 3 gyogyitas\n"
        "10 H 1 1 1 jegpancel\n"
        "11 V 1 2 3 tuzgolyo\n"
        "381 V 0 0 0 villam\n");
  }

  // Describes line `line` holding `code` and P1..P3, with the line's TVP as the
  // cost calculator would have left it.
  static std::string Describe(const std::string& code, std::int32_t p1, std::int32_t p2, std::int32_t p3,
                              std::int32_t tvp = 0, int line = 1) {
    auto& s = SheetModel();
    const auto i = static_cast<std::size_t>(line);
    s.Lines.SheetCodes[i] = code;
    s.Lines.SheetParams[i] = {p1, p2, p3};
    s.Lines.SheetTvp[i] = tvp;
    s.LineDescription.clear();
    s.CurParam1 = p1;
    s.CurParam2 = p2;
    s.CurParam3 = p3;
    DescribeOrders1(line);
    return s.LineDescription;
  }

  static void ExpectDescriptions(const std::vector<DescriptionCase>& cases) {
    for (const DescriptionCase& c : cases) {
      const std::string got = Describe(c.code, c.p1, c.p2, c.p3);
      EXPECT_EQ(got, c.expected) << c.code << " " << c.p1 << " " << c.p2 << " " << c.p3 << "\n  got:      «"
                                 << Win1250ToUtf8(got) << "»\n  expected: «" << Win1250ToUtf8(c.expected) << "»";
    }
  }
};

}  // namespace vorda::testing
