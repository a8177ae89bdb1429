#include "editor/sheet_screen.h"

#include <gtest/gtest.h>

#include "data/char_settings.h"
#include "platform/win1250.h"
#include "editor/screen_fixture.h"

namespace vorda {
namespace {

using Op = RecordingCanvas::Op;

class SheetScreenTest : public testing::ScreenFixture {
 protected:
  struct DrawnCell {
    std::string text;  // empty for an underline
    Color color = 0;   // text or underline colour
    Color back = 0;    // the cell rectangle's colour
  };

  // Draws one cell plain or highlighted and reads back what it drew.
  DrawnCell Draw(int cell, bool highlighted) {
    canvas.Clear();
    Editor().CursorCell = 0;  // outside the sheet: nothing drawn for the old cell
    if (highlighted)
      MoveCursor(cell);
    else
      SetCursorPlain(cell), SetCursorPlain(0);
    DrawnCell out;
    for (const auto& e : canvas.Entries()) {
      if (e.op == Op::Rectangle) out.back = e.brush;
      if (e.op == Op::Text) out.text = e.text, out.color = e.color;
      if (e.op == Op::Line) out.text.clear(), out.color = e.color;
    }
    return out;
  }

  // The colours of the three parameter cells of `line`, drawn plain.
  std::array<Color, 3> ParamColours(int line) {
    std::array<Color, 3> out{};
    for (int c = 1; c <= 3; ++c) out[static_cast<std::size_t>(c - 1)] = Draw(10 * line + c, false).color;
    return out;
  }
};

TEST_F(SheetScreenTest, FrameDrawsKeyBarStatusLabelsAndLineNumbers) {
  DrawSheetFrame();
  const auto* bar = LastTextAt(0, 514);
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->text.size(), 99u);
  EXPECT_EQ(bar->text.find("F1"), 1u);
  EXPECT_EQ(bar->text.find("F2"), 12u);
  EXPECT_EQ(bar->text.find("Alt+F2"), 24u);
  EXPECT_EQ(bar->text.find("F3"), 43u);
  EXPECT_EQ(bar->text.find("F5"), 58u);
  EXPECT_EQ(bar->text.find("ESC"), 72u);
  EXPECT_EQ(bar->color, colors::DarkRed);
  EXPECT_EQ(bar->brush, colors::White);

  const struct {
    int x;
    std::string word;
  } words[] = {{28, "Help"}, {105, "Mentés"_w}, {217, "E-MAIL UL"}, {323, "Betöltés"_w}, {427, "Beállítás"_w},
               {532, "Kilépés"_w}};
  for (const auto& w : words) {
    const auto* t = LastTextAt(w.x, 514);
    ASSERT_NE(t, nullptr) << w.word;
    EXPECT_EQ(t->text, w.word);
    EXPECT_EQ(t->color, colors::Black);
    EXPECT_EQ(t->brush, colors::White);
  }

  const auto* labels = LastTextAt(4, 498);
  ASSERT_NE(labels, nullptr);
  ASSERT_EQ(labels->text.size(), 91u);
  EXPECT_EQ(labels->text.find("Ell:"), 2u);
  EXPECT_EQ(labels->text.find("Mozg:"), 55u);
  EXPECT_EQ(labels->text.find("Karsz:"), 66u);
  EXPECT_EQ(labels->text.find("Ford:"), 80u);
  EXPECT_EQ(labels->text.back(), '.');
  EXPECT_EQ(labels->color, colors::White);
  ASSERT_NE(LastTextAt(164, 498), nullptr);
  EXPECT_EQ(LastTextAt(164, 498)->text, "/");

  EXPECT_EQ(LastTextAt(5, 10)->text, " 1.");
  EXPECT_EQ(LastTextAt(5, 10)->color, colors::Grey);
  EXPECT_EQ(LastTextAt(5, 478)->text, "40.");
  EXPECT_TRUE(LastTextAt(5, 478)->bold);
  EXPECT_EQ(LastTextAt(5, 478)->font, "Courier New");

  int underlines = 0;
  bool panel = false, tvp_frame = false, divider = false;
  for (const auto& e : canvas.Entries()) {
    if (e.op == Op::Line && e.y1 == e.y2 && (e.y1 - 8) % 12 == 0 && e.y1 >= 20 && e.y1 <= 488 &&
        e.x2 - e.x1 == 28 && (e.x1 - 30) % 40 == 0 && e.color == colors::Grey)
      ++underlines;
    if (e.op == Op::Fill && e.x1 == 0 && e.y1 == 0 && e.x2 == 185 && e.y2 == 490 && e.color == colors::Black) panel = true;
    if (e.op == Op::Rectangle && e.x1 == 190 && e.y1 == 3 && e.x2 == 230 && e.y2 == 495 && e.color == colors::Grey &&
        e.brush == colors::Black)
      tvp_frame = true;
    if (e.op == Op::Line && e.x1 == 229 && e.y1 == 250 && e.x2 == 800) divider = true;
  }
  EXPECT_EQ(underlines, 160);
  EXPECT_TRUE(panel);
  EXPECT_TRUE(tvp_frame);
  EXPECT_TRUE(divider);
}

TEST_F(SheetScreenTest, FrameLeavesOutTheDividerInTheResourceViewAndLiftsTheStatusLine) {
  Editor().ResourceView = true;
  Editor().LargeFontOffset = -1;
  DrawSheetFrame();
  for (const auto& e : canvas.Entries()) EXPECT_FALSE(e.op == Op::Line && e.x1 == 229 && e.y1 == 250);
  EXPECT_NE(LastTextAt(4, 497), nullptr);
  EXPECT_NE(LastTextAt(164, 497), nullptr);
  EXPECT_NE(LastTextAt(5, 10), nullptr);  // the line numbers stay on the grid
}

TEST_F(SheetScreenTest, CellsShowTheirValuesInTheirColours) {
  struct Case {
    const char* code;
    std::array<std::int32_t, 3> p;
    int column;
    bool highlighted;
    const char* text;  // "" for the underline
    Color color;
  } cases[] = {
      {"BE", {0, 0, 0}, 0, false, "BE", colors::Aqua},
      {"BE", {0, 0, 0}, 0, true, "BE", colors::White},
      {"", {0, 0, 0}, 0, false, "", colors::Grey},
      {"", {0, 0, 0}, 0, true, "", colors::Grey},
      {"H", {10000, 0, 0}, 1, false, "****", colors::Red},
      {"H", {10000, 0, 0}, 1, true, "****", colors::White},
      {"H", {9999, 0, 0}, 1, false, "9999", colors::White},
      {"H", {-5, 0, 0}, 1, false, "  -5", colors::White},
      {"H", {0, 0, 5}, 1, false, "   0", colors::White},
      {"H", {0, 0, 5}, 2, false, "   0", colors::White},
      {"H", {0, 0, 5}, 3, false, "   5", colors::White},
      {"H", {0, 7, 0}, 1, false, "   0", colors::White},
      {"H", {0, 7, 0}, 3, false, "", colors::Grey},
      {"H", {0, 0, 0}, 1, false, "", colors::Grey},
      {"H", {0, 0, 0}, 2, true, "", colors::Grey},
  };
  for (const auto& c : cases) {
    SetLine(4, c.code, c.p[0], c.p[1], c.p[2]);
    const DrawnCell d = Draw(40 + c.column, c.highlighted);
    EXPECT_EQ(d.text, c.text) << c.code << " column " << c.column;
    EXPECT_EQ(d.color, c.color) << c.code << " column " << c.column << " " << c.highlighted;
    EXPECT_EQ(d.back, c.highlighted ? colors::Green : colors::Black);
  }
}

TEST_F(SheetScreenTest, CellGeometryFollowsTheLargeFontOffset) {
  SetLine(2, "M", 3);
  for (const int off : {0, -1}) {
    Editor().LargeFontOffset = off;
    canvas.Clear();
    Editor().CursorCell = 21;
    SetCursorPlain(22);
    const auto& rect = canvas.Entries().front();
    EXPECT_EQ(rect.op, Op::Rectangle);
    EXPECT_EQ(rect.x1, 70 + off);
    EXPECT_EQ(rect.y1, 22 + off);
    EXPECT_EQ(rect.x2, 99 - off);
    EXPECT_EQ(rect.y2, 36 - off);
    EXPECT_NE(LastTextAt(70, 22 + off), nullptr);
    canvas.Clear();
    Editor().CursorCell = 22;
    SetCursorPlain(0);  // the empty P2: its underline
    const auto& line = canvas.Entries().back();
    EXPECT_EQ(line.op, Op::Line);
    EXPECT_EQ(line.x1, 110);
    EXPECT_EQ(line.x2, 138);
    EXPECT_EQ(line.y1, 32 + off);
  }
}

TEST_F(SheetScreenTest, CursorHalvesLeaveTheLineAndColumnOfTheCellTheyDrew) {
  Editor().CursorCell = 52;
  SetCursorPlain(173);
  EXPECT_EQ(Editor().CursorCell, 173);
  EXPECT_EQ(Editor().CurLine, 5);
  EXPECT_EQ(Editor().CurColumn, 2);
  MoveCursor(401);
  EXPECT_EQ(Editor().CurLine, 40);
  EXPECT_EQ(Editor().CurColumn, 1);
  const auto& last = canvas.Entries();
  bool green = false;
  for (const auto& e : last)
    if (e.op == Op::Rectangle && e.x1 == 70 && e.y1 == 478 && e.brush == colors::Green) green = true;
  EXPECT_TRUE(green);
}

TEST_F(SheetScreenTest, TheThirteenthMoveStepAndLaterAreRed) {
  for (int l = 1; l <= 5; ++l) SetLine(l, "M", 1, 2, 3);
  for (int l = 1; l <= 4; ++l)
    for (const Color c : ParamColours(l)) EXPECT_EQ(c, colors::White) << l;
  for (const Color c : ParamColours(5)) EXPECT_EQ(c, colors::Red);
  // Under the cursor an over-limit step stays red.
  EXPECT_EQ(Draw(51, true).color, colors::Red);
  EXPECT_EQ(Draw(43, true).color, colors::White);
}

TEST_F(SheetScreenTest, OnlyDirectionsAndPortalSpellsCountForTheLimit) {
  SetLine(1, "M", 1, 2, 3);
  SetLine(2, "M", 1, 9, 2);   // 9 is no direction
  SetLine(3, "V", 163);       // one step
  SetLine(4, "V", 96);        // none
  SetLine(5, "M", 1, 2, 3);
  SetLine(6, "M", 4, 5, 6);  // steps 10 to 12
  SetLine(7, "M", 7, 8, 1);
  EXPECT_EQ(ParamColours(6), (std::array<Color, 3>{colors::White, colors::White, colors::White}));
  EXPECT_EQ(ParamColours(7), (std::array<Color, 3>{colors::Red, colors::Red, colors::Red}));
  SheetModel().Lines.SheetCodes[3] = "M";  // 163 is no direction of a move line
  EXPECT_EQ(ParamColours(7), (std::array<Color, 3>{colors::White, colors::Red, colors::Red}));
}

TEST_F(SheetScreenTest, MoveLimitCountsTheCursorLineUpToTheCursorColumn) {
  for (int l = 1; l <= 4; ++l) SetLine(l, "M", 1, 2, 3);  // 12 steps
  SetLine(5, "M", 8, 8, 8);
  SetLine(6, "V", 163);
  const struct {
    int cell;
    bool ok;
  } cases[] = {{43, true}, {50, true}, {51, false}, {40, true}, {60, false}};
  for (const auto& c : cases) {
    Editor().CursorCell = static_cast<std::uint16_t>(c.cell);
    EXPECT_EQ(MoveLimitOk(), c.ok) << c.cell;
  }
  SetLine(5, "");
  Editor().CursorCell = 60;  // the portal line counts on its code column too
  EXPECT_FALSE(MoveLimitOk());
}

class StatusLineTest : public SheetScreenTest {
 protected:
  std::string StatusText(int x) const {
    const auto* t = LastTextAt(x, 498);
    return t ? t->text : "(none)";
  }
};

TEST_F(StatusLineTest, ShowsCheckNumberMovesAndTotals) {
  auto& s = SheetModel().Lines;
  SetLine(1, "M", 1, 2, 9);
  SetLine(2, "BE", 1000, -3, 999);
  SetLine(3, "V", 163, 5);
  SetLine(30, "X", 0, 0, 4);
  s.SheetTvp[1] = 30;
  s.SheetTvpManual[1] = 2;
  s.SheetTvp[30] = 100;
  s.SheetVp[2] = 12;
  s.SheetPp[3] = 7;
  s.SheetTu[2] = 120;
  s.SheetTu[3] = 10;
  CharSettings().CharTvp = 5;
  CharSettings().CharVp = 1;
  Editor().CursorCell = 22;
  Editor().CurLine = 2;
  SheetModel().Header.KSZ = "1234";
  SheetModel().Header.FORD = "0012";
  UpdateStatusLine(1);

  EXPECT_EQ(StatusText(52), " 1183");  // 1 + 2 + 9 + 999 + 163 + 5 + 4: not 1000, not -3
  EXPECT_EQ(LastTextAt(52, 498)->color, colors::StatusGreen);
  EXPECT_EQ(StatusText(433), " 4");  // three parameters of the M line and the portal spell
  EXPECT_EQ(StatusText(514), "1234");
  EXPECT_EQ(StatusText(606), " 12");
  EXPECT_EQ(StatusText(174), "    137");
  EXPECT_EQ(LastTextAt(174, 498)->color, colors::Aqua);
  EXPECT_EQ(StatusText(112), "     37");  // lines 1 and 2 and the turn's TVP
  EXPECT_EQ(StatusText(274), "  13");
  EXPECT_EQ(LastTextAt(274, 498)->color, colors::Yellow);
  EXPECT_EQ(StatusText(314), "   7");
  EXPECT_EQ(StatusText(354), "-126");  // 120 + 10 wraps as a signed byte
}

TEST_F(StatusLineTest, TurnThatIsNoNumberShowsZero) {
  const struct {
    const char* ford;
    const char* shown;
  } cases[] = {{"", "  0"}, {"12a", "  0"}, {"abcd", "  0"}, {"0012", " 12"}, {"-1", "65535"}, {" 7", "  7"}};
  for (const auto& c : cases) {
    SheetModel().Header.FORD = c.ford;
    canvas.Clear();
    UpdateStatusLine(1);
    EXPECT_EQ(StatusText(606), c.shown) << c.ford;
  }
}

TEST_F(StatusLineTest, WithoutForceOnlyChangedValuesAreRedrawn) {
  SetLine(1, "M", 1);
  UpdateStatusLine(1);
  canvas.Clear();
  UpdateStatusLine(0);
  EXPECT_TRUE(canvas.Texts().empty());

  SheetModel().Lines.SheetVp[1] = 4;
  UpdateStatusLine(2);
  ASSERT_EQ(canvas.Texts().size(), 1u);
  EXPECT_EQ(StatusText(274), "   4");

  canvas.Clear();
  SheetModel().Header.KSZ = "2001";
  SheetModel().Lines.SheetTvp[1] = 10;
  UpdateStatusLine(0);
  EXPECT_EQ(StatusText(514), "2001");
  EXPECT_EQ(StatusText(174), "     10");
  EXPECT_EQ(StatusText(112), "     10");
  EXPECT_EQ(StatusText(52), "(none)");
  EXPECT_EQ(LastDrawnStatus().TotalTvp, 10);
}

TEST_F(StatusLineTest, FreshMemoryDrawsOnlyWhatDiffersFromZero) {
  SheetModel().Header.KSZ = "";
  SheetModel().Header.FORD = "";
  UpdateStatusLine(0);
  // Everything is 0 or empty like the fresh memory, except the TVP up to the
  // cursor, which starts at -999.
  ASSERT_EQ(canvas.Texts().size(), 1u);
  EXPECT_EQ(StatusText(112), "      0");
}

TEST_F(StatusLineTest, ResourceViewRepeatsTheTotalsInItsBox) {
  Editor().ResourceView = true;
  Editor().LargeFontOffset = -1;
  SheetModel().Lines.SheetTvp[1] = 20;
  SheetModel().Lines.SheetTu[1] = -3;
  UpdateStatusLine(1);
  const struct {
    int y;
    const char* text;
  } box[] = {{411, "  20"}, {422, "   0"}, {433, "   0"}, {444, "  -3"}};
  for (const auto& b : box) {
    const auto* t = LastTextAt(479, b.y);
    ASSERT_NE(t, nullptr) << b.y;
    EXPECT_EQ(t->text, b.text);
    EXPECT_EQ(t->color, colors::Grey);
  }
  EXPECT_NE(LastTextAt(174, 497), nullptr);
}

TEST_F(SheetScreenTest, ResourceColumnsShowValuesOrGreyDashes) {
  auto& s = SheetModel().Lines;
  s.SheetTvp[3] = 40;
  s.SheetTvpManual[3] = -5;
  s.SheetVp[3] = 0;
  s.SheetPp[3] = 12345;
  s.SheetTu[3] = 0;
  DrawLineSum(3);
  DrawLineTvpManual(3);
  DrawLineVp(3);
  DrawLinePszi(3);
  DrawLineTu(3);
  const struct {
    int x;
    const char* text;
    Color color;
  } cases[] = {{195, "  35", colors::Aqua}, {234, "  -5", colors::Yellow}, {274, "  - ", colors::Grey},
               {314, "12345", colors::Yellow}, {354, " - ", colors::Grey}};
  for (const auto& c : cases) {
    const auto* t = LastTextAt(c.x, 34);
    ASSERT_NE(t, nullptr) << c.x;
    EXPECT_EQ(t->text, c.text);
    EXPECT_EQ(t->color, c.color);
    EXPECT_EQ(t->brush, colors::Black);
  }
}

TEST_F(SheetScreenTest, RedrawSheetDrawsEveryCellAndLeavesTheLastForTheCursor) {
  SetLine(7, " B E", 493, 2);
  SetLine(40, "M", 1, 2, 3);
  Editor().CursorCell = 125;  // not a cell: nothing to draw for it
  RedrawSheet();
  EXPECT_EQ(Code(7), "BE");
  EXPECT_EQ(Editor().CursorCell, 403);
  ASSERT_NE(LastTextAt(30, 82), nullptr);
  EXPECT_EQ(LastTextAt(30, 82)->text, "BE");
  EXPECT_EQ(LastTextAt(70, 82)->text, " 493");
  EXPECT_EQ(LastTextAt(150, 478), nullptr);  // cell 403 waits for MoveCursor
  EXPECT_NE(LastTextAt(110, 478), nullptr);
  MoveCursor(10);
  EXPECT_EQ(LastTextAt(150, 478)->text, "   3");
}

TEST_F(SheetScreenTest, LineNumberHighlightedOrPlain) {
  Editor().CurLine = 12;
  DrawLineNumber(1);
  EXPECT_EQ(LastTextAt(5, 142)->text, "12.");
  EXPECT_EQ(LastTextAt(5, 142)->color, colors::White);
  EXPECT_EQ(LastTextAt(5, 142)->brush, colors::Green);
  DrawLineNumber(2);
  EXPECT_EQ(LastTextAt(5, 142)->color, colors::Grey);
  EXPECT_EQ(LastTextAt(5, 142)->brush, colors::Black);
}

}  // namespace
}  // namespace vorda
