// The ability, spell, guild, mission and macro descriptions as the sheet
// refresh stores and draws them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "editor/editor_fixture.h"
#include "editor/line_refresh.h"
#include "orders/orders_state.h"

namespace vorda {
namespace {

class DescribeOrders03RefreshTest : public testing::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    Editor().ColorMarkup = true;
    LoadItemTable("11 0 5 6 7 8 Rubin\n12 1 5 6 7 8 Kard\n13 0 1 1 1 1 Pajzs\n");
    LoadCharacterTable("1200 Gandalf\n7001 Aragorn\n");
    LoadMonsterTable("5 Farkas\n988 Troll\n");
    LoadSpellTable("10 V 1 2 3 Gyogyitas\n");
  }
  static void SetLine(int line, const std::string& code, std::int32_t p1 = 0, std::int32_t p2 = 0,
                      std::int32_t p3 = 0) {
    auto& s = SheetModel().Lines;
    s.SheetCodes[static_cast<std::size_t>(line)] = code;
    s.SheetParams[static_cast<std::size_t>(line)] = {p1, p2, p3};
  }
  static const std::string& Text(int line) { return SheetModel().Lines.SheetTexts[static_cast<std::size_t>(line)]; }

  // The characters drawn in the description panel on the row of `line`, each
  // with its colour.
  std::vector<std::pair<std::string, Color>> Drawn(int line) const {
    std::vector<std::pair<std::string, Color>> out;
    for (const auto& e : canvas.Texts())
      if (e.x1 >= 234 && e.font == "Arial CE" && e.y1 == 12 * line - 2) out.push_back({e.text, e.color});
    return out;
  }
};

// A sheet with every code of both describers, teleports included, measured
// from an invented start after a move of another describer's code.
TEST_F(DescribeOrders03RefreshTest, SheetWithEveryCode) {
  Orders().StartCoords.StartX = 100;
  Orders().StartCoords.StartY = 50;
  SetLine(1, "VD", 5);
  SetLine(2, "ESK", 1200, 7001);
  SetLine(3, "ZAN", 10, 20, 7);
  SetLine(4, "ONGY");
  SetLine(5, "EK", 189, 1, 6);
  SetLine(6, "M", 6, 6, 0);       // two squares west: (98;50)
  SetLine(7, "V", 181, 42, 28);   // 56 squares; a return is pending after it
  SetLine(8, "EK", 559, 45, 28);  // from (42;28)
  SetLine(9, "FOK", 11, 12);
  SetLine(10, "FPH", 13, 5);
  SetLine(11, "FVK", 40);
  SetLine(12, "TK", 2, 1200, 77);
  SetLine(13, "TKB", 2, 1200, 3);
  SetLine(14, "MAK", 3);
  SetLine(15, "KLD", 7);
  SetLine(16, "CIR", 127);
  SetLine(17, "FBB", 11, 5);
  SetLine(18, "FKB", 11, 0);
  SetLine(19, "HIR", 84, 150, 11);
  SetLine(20, "V", 96, 73, 59);  // still from (42;28): eastwards

  const TMovePosition before = Orders().MovePosition;
  for (int line = 1; line <= 20; ++line) RefreshSheetLine(line);

  const std::string expected[] = {
      "",
      "szörnyvadászat: @5$ szörny csata"_w,
      "összeadod a párt: @Gandalf$ + @Aragorn$ = ^???$"_w,
      "Zan energiák kihasználása: (+@20$ TVP, -@20$ VP -@2$ TU)"_w,
      "Öngyilkos akarsz lenni te barom???"_w,
      "@erőről $átcsoportosítasz 1 pontot @MXTUra $"_w,
      "",  // another describer's
      "városi teleport II. (@42$;@28$)@ Shadar, városháza $(tau: @28$) $(térhajlító tau: @14$)"_w,
      "tudatáthelyezés: @45$;@28$ (pszi: @6$)"_w,
      "@Rubin$ behelyezése a következő tárgyba: @Kard$"_w,
      "feltételes pajzshasználat: @Pajzs$, ha ellenfeled @Farkas$"_w,
      "feltételes varázskő használat: @40%$ alatt"_w,
      "@2$. többszemélyes kaland, vezető: @Gandalf$ (kód: @77$)"_w,
      "TK beállítás: @3$. kaland ismertetése @Gandalf$ karakterrel"_w,
      "@3$. makró futtatása"_w,
      "küldetést vállalsz el (@7$. küldetés)"_w,
      "cirkuszolsz: @tárgybeváltás szellemkastély labirintus kártya banya ötpróba céllövölde "_w,
      "Ha találsz, beteszed bankba: @Rubin$ (@5$ db fölött)"_w,
      "Ha kevés, kiveszed bankból: @Rubin$ (^?$ db-ig)"_w,
      "Megöltem egy @150$ Tp-s masszát. @Rubin$ volt benne!"_w,
      // Longer than a sheet line holds: only its first 100 bytes are kept.
      ("városi teleport (@73$;@59$)@ Fehér Bérc, fogadó, városháza, fény szentélye, piroslámpás ház "
       "$(^keletre nem jó$) "_w).substr(0, 100),
  };
  for (int line = 1; line <= 20; ++line) {
    if (line == 6) continue;
    SCOPED_TRACE(line);
    EXPECT_EQ(Text(line), expected[line]);
  }
  EXPECT_EQ(Text(20).size(), 100u);
  EXPECT_EQ(SheetModel().Lines.SheetParams[16][0], 127);  // CIR used up only the working value
  EXPECT_EQ(Orders().MovePosition, before);
}

TEST_F(DescribeOrders03RefreshTest, ValuesAreDrawnInTheirColour) {
  SetLine(1, "VD", 5);
  RefreshSheetLine(1);
  std::string yellow, aqua;
  for (const auto& [ch, color] : Drawn(1)) {
    if (color == colors::Yellow) yellow += ch;
    else if (color == colors::Aqua) aqua += ch;
    else ADD_FAILURE() << "colour " << color;
  }
  EXPECT_EQ(yellow, "szörnyvadászat:  szörny csata"_w);  // the blanks on both sides of the value
  EXPECT_EQ(aqua, "5");
}

TEST_F(DescribeOrders03RefreshTest, MacroThatQueuesOrdersIsRedExceptOnASettingsSheet) {
  SetLine(3, "MAK", 3, 5, 12);
  RefreshSheetLine(3);
  EXPECT_EQ(Text(3), "@3$. makró módosítása a következő @5$ parancsból (@12$. parancstól @makróbővítés I.$)"_w);
  for (const auto& run : Drawn(3)) EXPECT_EQ(run.second, colors::Red) << run.first;

  canvas.Clear();
  SheetModel().Header.SendFlags[BEALL] = true;
  RefreshSheetLine(3);
  const auto runs = Drawn(3);
  ASSERT_FALSE(runs.empty());
  EXPECT_EQ(runs.front().first, "3");
  EXPECT_EQ(runs.front().second, colors::Aqua);
  EXPECT_EQ(runs[1].second, colors::Yellow);
}

TEST_F(DescribeOrders03RefreshTest, BlanksInTheCodeAndCaseOfTheCode) {
  SetLine(2, " E K", 176);
  RefreshSheetLine(2);
  EXPECT_EQ(SheetModel().Lines.SheetCodes[2], "EK");
  EXPECT_EQ(Text(2), "tudati képesség használata"_w);

  SetLine(4, "v", 96, 42, 28);
  SheetModel().Lines.SheetTvp[4] = 12;
  RefreshSheetLine(4);
  EXPECT_EQ(Text(4), "");
  EXPECT_EQ(SheetModel().Lines.SheetTvp[4], 0);
  bool warned = false;
  for (const auto& run : Drawn(4))
    if (run.first == "? Ismeretlen parancs" && run.second == colors::Red) warned = true;
  EXPECT_TRUE(warned);
}

}  // namespace
}  // namespace vorda
