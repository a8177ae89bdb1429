// Movement, entering, trade and conditional orders through the real line refresh.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "editor/editor_fixture.h"
#include "editor/line_refresh.h"

namespace vorda {
namespace {

class DescribeOrders1RefreshTest : public testing::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    Editor().ColorMarkup = true;
    LoadItemTable("101 0 5 12 20 0 kard\n");
    LoadCharacterTable("1000 Aldor\n");
    LoadMonsterTable("3 medve\n");
    LoadSpellTable("9 V 1 2 3 gyogyitas\n");
  }
  void Refresh(int line, const std::string& code, std::int32_t p1, std::int32_t p2, std::int32_t p3) {
    auto& s = SheetModel().Lines;
    s.SheetCodes[line] = code;
    s.SheetParams[line] = {p1, p2, p3};
    canvas.Clear();
    RefreshSheetLine(line);
  }
  // The characters drawn in the description band of `line`, each with its colour.
  std::vector<std::pair<std::string, Color>> Runs(int line) const {
    std::vector<std::pair<std::string, Color>> out;
    for (const auto& e : canvas.Texts())
      if (e.x1 >= 234 && e.y1 == 12 * line - 2 && e.font == "Arial CE") out.push_back({e.text, e.color});
    return out;
  }
  std::string Drawn(int line) const {
    std::string out;
    for (const auto& r : Runs(line)) out += r.first;
    return out;
  }
};

TEST_F(DescribeOrders1RefreshTest, DescriptionsAreStoredAndDrawnWithoutTheirMarks) {
  struct Case {
    int line;
    std::string code;
    std::int32_t p1, p2, p3;
    std::string text;   // stored
    std::string drawn;  // marks removed, leading blanks not drawn
  };
  const std::vector<Case> cases = {
      {1, "M", 1, 0, 8, "mozogsz @északkeletre$, @északra"_w, "mozogsz északkeletre, északra"_w},
      {2, "BE", 612, 0, 0, "belépsz a @wargpini fogadóba$ / @viharóriás barlangba$ (#612)"_w,
       "belépsz a wargpini fogadóba / viharóriás barlangba (#612)"_w},
      {3, "EA", 101, 3, 0, "3 @kard$ eladása (36 ap)"_w, "3 kard eladása (36 ap)"_w},
      {4, "FTV", 0, 0, 0, "^összes FTV parancs törölve!$"_w, "összes FTV parancs törölve!"_w},
      {5, "K", 3, 5, 8, "ha @medve$ nyom, követed @5$ lépésig @északi$ irányba"_w,
       "ha medve nyom, követed 5 lépésig északi irányba"_w},
      {6, "BA", 0, 0, 0, "törlöd a barátkozási listádat     "_w, "törlöd a barátkozási listádat     "_w},
      {20, "FFK", 0, 20, 0, " 20%$ a váltott fegyverek FF kockázata"_w, "20% a váltott fegyverek FF kockázata"_w},
      {40, "KOTL", 4, 1000, 0, "közös tudat létrehozása, vezető: @Aldor$, min. létszám @4"_w,
       "közös tudat létrehozása, vezető: Aldor, min. létszám 4"_w},
  };
  for (const Case& c : cases) {
    Refresh(c.line, c.code, c.p1, c.p2, c.p3);
    EXPECT_EQ(SheetModel().Lines.SheetTexts[static_cast<std::size_t>(c.line)], c.text) << c.code;
    EXPECT_EQ(Drawn(c.line), c.drawn) << c.code;
  }
}

TEST_F(DescribeOrders1RefreshTest, MoveDrawsDirectionsInTheValueColour) {
  Refresh(3, "M", 1, 0, 8);
  std::vector<std::pair<std::string, Color>> runs;
  for (const auto& r : Runs(3)) {
    if (!runs.empty() && runs.back().second == r.second)
      runs.back().first += r.first;
    else
      runs.push_back(r);
  }
  const std::vector<std::pair<std::string, Color>> expected = {
      {"mozogsz ", colors::Yellow},
      {"északkeletre"_w, colors::Aqua},
      {", ", colors::Yellow},
      {"északra"_w, colors::Aqua},
  };
  EXPECT_EQ(runs, expected);
}

TEST_F(DescribeOrders1RefreshTest, CodeTypedWithABlankIsDescribedWithoutIt) {
  Refresh(2, "F F", 101, 0, 0);
  EXPECT_EQ(SheetModel().Lines.SheetCodes[2], "FF");
  EXPECT_EQ(SheetModel().Lines.SheetTexts[2], "fegyverváltás: @kard"_w);
}

TEST_F(DescribeOrders1RefreshTest, CombinationWithoutTextShowsAsUnknownOrder) {
  // Neither dropped (P3 0) nor hidden (code 10..99).
  SheetModel().Lines.SheetTvp[4] = 7;
  Refresh(4, "D", 101, 5, 9);
  EXPECT_EQ(SheetModel().Lines.SheetTexts[4], "");
  const auto runs = Runs(4);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].first, "? Ismeretlen parancs");
  EXPECT_EQ(runs[0].second, colors::Red);

  Refresh(5, "BE", 502, 9, 0);
  EXPECT_EQ(SheetModel().Lines.SheetTexts[5], "");
  EXPECT_EQ(Drawn(5), "? Ismeretlen parancs");
}

TEST_F(DescribeOrders1RefreshTest, GatheringKeepsTheLinesOwnThreshold) {
  Refresh(6, "GYJ", 0, 80, -1);
  EXPECT_EQ(SheetModel().Lines.SheetTexts[6], "gyűjtés @0$ ap értéktől, max teher @80$%,"_w);
  EXPECT_EQ(SheetModel().Lines.SheetParams[6][2], -1);
}

}  // namespace
}  // namespace vorda
