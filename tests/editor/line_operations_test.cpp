#include "editor/line_operations.h"

#include <gtest/gtest.h>

#include <vector>

#include "editor/screen_fixture.h"
#include "orders/orders_state.h"
#include "platform/win1250.h"

namespace vorda {
namespace {

using Params3 = std::array<std::int32_t, 3>;

class LineOperationsTest : public testing::ScreenFixture {
 protected:
  static std::uint16_t Cursor() { return Editor().CursorCell; }
  static void At(int cell) { Editor().CursorCell = static_cast<std::uint16_t>(cell); }
  static std::int32_t& Manual(int line) { return SheetModel().Lines.SheetTvpManual[static_cast<std::size_t>(line)]; }

  // Lines 1..n coded "Cn" with P1 = n, so that a line's origin shows.
  static void CodeLines(int from, int to) {
    for (int l = from; l <= to; ++l) SetLine(l, "C" + std::to_string(l), l);
  }
  // The codes of lines 1..40, "" for an empty one.
  static std::vector<std::string> Codes() {
    std::vector<std::string> out;
    for (int l = 1; l <= kSheetLines; ++l) out.push_back(Code(l));
    return out;
  }
};

TEST_F(LineOperationsTest, CopyKeyFillsTheEmptyNeighbour) {
  SetLine(5, "BE", 12, 3);
  Manual(5) = 7;
  At(52);
  Press(vk::OemPlus);
  EXPECT_EQ(Code(6), "BE");
  EXPECT_EQ(Params(6), (Params3{12, 3, 0}));
  EXPECT_EQ(Manual(6), 7);  // the key copies the manual TVP too
  EXPECT_EQ(Cursor(), 60);
  Press(vk::OemPlus);  // again: line 6 into line 7
  EXPECT_EQ(Code(7), "BE");
  EXPECT_EQ(Cursor(), 70);
  EXPECT_TRUE(Editor().SheetModified);

  // An empty cursor line under a coded one takes its copy; the cursor goes on.
  SetLine(20, "KF", 4);
  At(21 * 10 + 2);
  Press(vk::OemPlus);
  EXPECT_EQ(Code(21), "KF");
  EXPECT_EQ(Params(21), (Params3{4, 0, 0}));
  EXPECT_EQ(Cursor(), 220);
}

TEST_F(LineOperationsTest, CopyDoesNothingWithoutAnEmptyNeighbourOrOnLine40) {
  const struct {
    int cursor_line;
    std::vector<int> coded;
  } cases[] = {
      {5, {5, 6}},   // both coded
      {5, {}},       // nothing to copy
      {1, {}},       // an empty line 1 has no line above
      {40, {39, 40}},
      {40, {39}},
  };
  for (const auto& c : cases) {
    ClearSheetLines();
    for (const int l : c.coded) SetLine(l, "X" + std::to_string(l), l);
    const auto before = Codes();
    Editor().SheetModified = false;
    At(10 * c.cursor_line);
    Press(vk::OemPlus);
    EXPECT_EQ(Codes(), before) << c.cursor_line;
    EXPECT_EQ(Cursor(), 10 * c.cursor_line) << c.cursor_line;
  }
}

TEST_F(LineOperationsTest, CopyMenuCommandKeepsTheTargetsManualTvp) {
  SetLine(5, "BE", 12);
  Manual(5) = 7;
  Manual(6) = -3;
  At(50);
  Rejt01Click();
  EXPECT_EQ(Code(6), "BE");
  EXPECT_EQ(Manual(6), -3);
  EXPECT_EQ(Cursor(), 60);
}

TEST_F(LineOperationsTest, InsertShiftsDownToTheFirstGapAfterACodedLine) {
  CodeLines(1, 5);
  Manual(4) = 9;
  At(32);
  Rejt04Click();
  EXPECT_EQ(Code(3), "");
  EXPECT_EQ(Params(3), (Params3{0, 0, 0}));
  EXPECT_EQ(Code(4), "C3");
  EXPECT_EQ(Code(6), "C5");
  EXPECT_EQ(Manual(5), 9);  // the manual TVP moves with its line
  EXPECT_EQ(Code(7), "");
  EXPECT_EQ(Cursor(), 32);
  EXPECT_TRUE(Editor().SheetModified);

  // Empty lines under the cursor before the first coded one move down too.
  ClearSheetLines();
  SetLine(6, "C6", 6);
  At(40);
  Rejt04Click();
  EXPECT_EQ(Code(7), "C6");
  EXPECT_EQ(Code(6), "");
}

TEST_F(LineOperationsTest, InsertOnAFullSheetLosesLine40) {
  CodeLines(1, 40);
  At(100);
  Rejt04Click();
  EXPECT_EQ(Code(10), "");
  EXPECT_EQ(Code(11), "C10");
  EXPECT_EQ(Code(40), "C39");  // "C40" is gone
}

TEST_F(LineOperationsTest, InsertKeepsACodedLine40WhileAnEmptyLineLiesBelowTheCursor) {
  // An empty cursor line 39 above a coded line 40: nothing moves.
  SetLine(40, "C40", 40);
  At(390);
  Rejt04Click();
  EXPECT_EQ(Code(40), "C40");
  EXPECT_EQ(Code(39), "");

  // Empty lines 5 and 6 above a coded block down to 40: the nearest empty
  // line, the cursor's own, takes the shift, and nothing moves.
  ClearSheetLines();
  CodeLines(7, 40);
  const auto block = Codes();
  At(50);
  Rejt04Click();
  EXPECT_EQ(Codes(), block);

  // Line 40 takes no insert.
  CodeLines(1, 39);
  At(400);
  const auto before = Codes();
  Rejt04Click();
  EXPECT_EQ(Codes(), before);
}

TEST_F(LineOperationsTest, DeleteClearsAFieldOrTheLineOrRemovesTheLine) {
  const struct {
    const char* what;
    int cell;
    Params3 p3;            // the parameters of line 3
    std::string code3;     // line 3's code afterwards
    Params3 after3;        // and its parameters
    std::string code4;     // line 4's code afterwards
    int cursor;
  } cases[] = {
      {"parameter 7", 32, {1, 7, 2}, "C3", {1, 0, 2}, "C4", 32},
      {"negative parameter", 33, {1, 0, -1}, "C4", {4, 0, 0}, "C5", 30},
      {"empty parameter", 32, {1, 0, 2}, "C4", {4, 0, 0}, "C5", 30},
      {"code", 30, {1, 7, 2}, "", {0, 0, 0}, "C4", 30},
  };
  for (const auto& c : cases) {
    ClearSheetLines();
    CodeLines(1, 40);
    SetLine(3, "C3", c.p3[0], c.p3[1], c.p3[2]);
    Manual(3) = 5;
    At(c.cell);
    Press(vk::Delete);
    EXPECT_EQ(Code(3), c.code3) << c.what;
    EXPECT_EQ(Params(3), c.after3) << c.what;
    EXPECT_EQ(Code(4), c.code4) << c.what;
    EXPECT_EQ(Cursor(), c.cursor) << c.what;
  }
  // A removed line leaves line 40 empty.
  EXPECT_EQ(Code(40), "C40");
  At(30);
  Press(vk::Delete);  // the code of the emptied line 3: the line goes
  EXPECT_EQ(Code(3), "C4");
  EXPECT_EQ(Code(39), "C40");
  EXPECT_EQ(Code(40), "");
  EXPECT_EQ(Manual(40), 0);
}

TEST_F(LineOperationsTest, DeleteMenuCommandActsLikeTheKey) {
  CodeLines(1, 3);
  At(22);  // P2 of line 2 is empty
  Rejt02Click();
  EXPECT_EQ(Code(2), "C3");
  EXPECT_EQ(Cursor(), 20);
}

TEST_F(LineOperationsTest, LineMoveSwapsWithTheNeighbour) {
  CodeLines(1, 40);
  Manual(5) = 11;
  SheetModel().Lines.SheetVp[4] = 99;
  At(52);
  Press(vk::F4);
  ASSERT_EQ(Editor().EditorMode, 4);
  Press(vk::Up);
  EXPECT_EQ(Code(4), "C5");
  EXPECT_EQ(Params(4), (Params3{5, 0, 0}));
  EXPECT_EQ(Manual(4), 11);
  EXPECT_EQ(Code(5), "C4");
  EXPECT_EQ(Manual(5), 0);
  EXPECT_EQ(Cursor(), 40);
  EXPECT_TRUE(Editor().SheetModified);
  EXPECT_EQ(LastTextAt(5, 46)->brush, colors::Green);  // the number follows the line
  EXPECT_EQ(LastTextAt(5, 58)->brush, colors::Black);
  Type({vk::Down, vk::Down});
  EXPECT_EQ(Code(6), "C5");
  EXPECT_EQ(Cursor(), 60);

  // Up on line 1, Down on line 40 and Esc do nothing.
  const struct {
    int cell;
    std::uint16_t key;
  } idle[] = {{10, vk::Up}, {400, vk::Down}, {200, vk::Escape}, {200, 'A'}};
  for (const auto& c : idle) {
    At(c.cell);
    const auto before = Codes();
    Press(c.key);
    EXPECT_EQ(Codes(), before) << c.key;
    EXPECT_EQ(Cursor(), c.cell) << c.key;
    EXPECT_EQ(Editor().EditorMode, 4);
  }
  Press(vk::F4);
  EXPECT_EQ(Editor().EditorMode, 1);
}

TEST_F(LineOperationsTest, ManualColumnArithmetic) {
  const struct {
    std::int32_t before;
    std::vector<std::uint16_t> keys;
    std::int32_t after;
  } cases[] = {
      {0, {'1', '2', '3', '4'}, 234},
      {-12, {'3'}, -123},
      {-12, {'3', '4'}, -234},
      {0, {vk::Numpad0 + 5, vk::Numpad0 + 0}, 50},
      {998, {vk::Add, vk::Add, vk::Add}, 999},
      {-998, {vk::Subtract, vk::Subtract}, -999},
      {123, {vk::Back}, 12},
      {-5, {vk::Back}, 0},
      {4567, {'8'}, 678},  // a value from outside the range comes back inside it
  };
  for (const auto& c : cases) {
    SetLine(7, "BE", 1);
    Manual(7) = c.before;
    At(70);
    Erforrsok1Click();
    ASSERT_EQ(Editor().EditorMode, 5);
    for (const auto k : c.keys) Press(k);
    EXPECT_EQ(Manual(7), c.after) << c.before;
    Press(vk::Return);
    EXPECT_EQ(Editor().EditorMode, 1);
  }
}

TEST_F(LineOperationsTest, ManualColumnSelectsLinesAndIgnoresFreeOnes) {
  SetLine(1, "BE", 1);
  At(12);
  Erforrsok1Click();
  EXPECT_TRUE(Editor().ResourceView);  // the command shows the resource columns first
  EXPECT_EQ(Modes().PromptIndex, 1);
  Press(vk::Up);
  EXPECT_EQ(Modes().PromptIndex, 40);
  Type({'5', vk::Add, vk::Back});
  EXPECT_EQ(Manual(40), 0);
  EXPECT_FALSE(Editor().SheetModified);
  Press(vk::Down);
  EXPECT_EQ(Modes().PromptIndex, 1);
  const auto* cell = LastTextAt(234, 10);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->brush, colors::Green);
  Press(vk::Down);
  Press(vk::Escape);
  EXPECT_EQ(Editor().EditorMode, 1);
  EXPECT_EQ(Cursor(), 20);  // the code column of the selected line
  EXPECT_EQ(LastTextAt(234, 22)->brush, colors::Black);

  // Ctrl+Tab leaves the mode as well, and draws the sum column again.
  At(10);
  Erforrsok1Click();
  Press('7');
  canvas.Clear();
  Erforrsok1Click();
  EXPECT_EQ(Editor().EditorMode, 1);
  EXPECT_EQ(Manual(1), 7);
  ASSERT_NE(LastTextAt(195, 10), nullptr);
  EXPECT_NE(LastTextAt(195, 478), nullptr);
}

TEST_F(LineOperationsTest, MoveSearchGoesRoundTheSheetOnce) {
  // No move field anywhere: the cursor stays.
  SetLine(3, "V", 100);
  At(32);
  Rejt05Click();
  EXPECT_EQ(Cursor(), 32);

  // The only move field under the cursor: it stays on it.
  SetLine(9, "M", 0, 4);
  At(92);
  Rejt05Click();
  EXPECT_EQ(Cursor(), 92);

  const struct {
    const char* code;
    Params3 p;
    int found;  // 0: not a move field
  } fields[] = {
      {"M", {0, 0, 8}, 153}, {"M", {9, 0, 0}, 0},      {"V", {163}, 151},  {"V", {489}, 151},
      {"V", {0, 163}, 0},    {"EK", {559}, 151},       {"EK", {227}, 0},   {"H", {1387}, 151},
      {"H", {1477}, 151},    {"H", {92}, 0},           {"m", {1, 1, 1}, 0},
  };
  for (const auto& f : fields) {
    ClearSheetLines();
    SetLine(15, f.code, f.p[0], f.p[1], f.p[2]);
    At(200);  // the search wraps from line 40 to line 1
    Rejt05Click();
    EXPECT_EQ(Cursor(), f.found ? f.found : 200) << f.code << " " << f.p[0];
  }

  // Fields after the cursor come first, in reading order.
  ClearSheetLines();
  SetLine(2, "M", 1, 2, 3);
  SetLine(30, "M", 5);
  At(21);
  Rejt05Click();
  EXPECT_EQ(Cursor(), 22);
  At(23);
  Rejt05Click();
  EXPECT_EQ(Cursor(), 301);
  Rejt05Click();
  EXPECT_EQ(Cursor(), 21);
}

TEST_F(LineOperationsTest, PortalLinesGetTheirTargetsAfterAKey) {
  for (const PortalPair& pair : PortalPairs) {
    ClearSheetLines();
    Orders().StartCoords.StartX = pair.X;
    Orders().StartCoords.StartY = pair.Y;
    SetLine(1, "V", 163);
    Editor().SheetModified = false;
    At(10);
    Press(vk::Right);
    EXPECT_EQ(Params(1), (Params3{163, pair.ToX, pair.ToY})) << pair.X << "," << pair.Y;
    EXPECT_TRUE(Editor().SheetModified);
  }
  // The pairs named for the one-way portals and the square they lead to.
  const struct {
    std::int32_t x, y;
    Params3 after;
  } cases[] = {
      {453, 118, {163, 513, 49}}, {406, 26, {163, 513, 49}}, {513, 49, {163, 0, 0}}, {423, 71, {163, 0, 0}},
  };
  for (const auto& c : cases) {
    ClearSheetLines();
    Orders().StartCoords.StartX = c.x;
    Orders().StartCoords.StartY = c.y;
    SetLine(1, "V", 163);
    At(11);
    Press(vk::Left);
    EXPECT_EQ(Params(1), c.after) << c.x << "," << c.y;
  }
}

TEST_F(LineOperationsTest, PortalFillReadsThePositionMovesLeaveAndKeepsFilledLines) {
  // Two steps east of the start lead onto the portal at (423, 70).
  Orders().StartCoords.StartX = 421;
  Orders().StartCoords.StartY = 70;
  SetLine(1, "M", 2, 2);
  SetLine(2, "V", 163, 0, 5);  // P3 set: not completed
  SetLine(3, "V", 163);
  SetLine(4, "V", 96);
  At(20);
  Press(vk::Right);
  EXPECT_EQ(Params(2), (Params3{163, 0, 5}));
  At(40);
  Press(vk::Left);  // on line 3's P3, the cursor line is 3
  EXPECT_EQ(Params(3), (Params3{163, 450, 5}));
  At(40);
  Press(vk::Right);
  EXPECT_EQ(Params(4), (Params3{96, 0, 0}));
}

TEST_F(LineOperationsTest, PortalFillWaitsWhileAKeyOpenedAPopup) {
  // A key that opens a popup over the sheet leaves the portal line alone: its
  // cells would be drawn over the popup and the popup's closing would put the
  // old cells back. The next edit-mode key fills it.
  const struct {
    int cell;
    std::uint16_t open, close;
    std::uint8_t mode;
  } cases[] = {
      {12, vk::Multiply, vk::Escape, 6},  // P2 of "V": the chooser
      {13, vk::Divide, vk::Return, 8},    // the parameter entry box
  };
  for (const auto& c : cases) {
    ClearSheetLines();
    Orders().StartCoords.StartX = 364;
    Orders().StartCoords.StartY = 67;
    SetLine(1, "V", 163);
    Editor().SheetModified = false;
    At(c.cell);
    Press(c.open);
    ASSERT_EQ(Editor().EditorMode, c.mode) << c.open;
    EXPECT_EQ(Params(1), (Params3{163, 0, 0})) << c.open;
    Press(c.close);
    ASSERT_EQ(Editor().EditorMode, 1) << c.open;
    EXPECT_EQ(Params(1), (Params3{163, 0, 0})) << c.open;
    Press(vk::Left);
    EXPECT_EQ(Params(1), (Params3{163, 191, 105})) << c.open;
    EXPECT_TRUE(Editor().SheetModified) << c.open;
  }
}

TEST_F(LineOperationsTest, PortalFillReplaysThroughTheMapWindowEvenWhileItIsHidden) {
  int refreshes = 0;
  bool visible = true;
  Windows().OnMapVisible = [&] { return visible; };
  Windows().OnRefreshMap = [&](bool force) {
    EXPECT_FALSE(force);
    ++refreshes;
    Orders().MovePosition.X = 72;  // what the map window's replay leaves
    Orders().MovePosition.Y = 84;
  };
  SetLine(1, "V", 163);
  At(10);
  Press(vk::Right);
  EXPECT_EQ(Params(1), (Params3{163, 132, 46}));
  EXPECT_GE(refreshes, 1);

  // Hidden: the map window still replays, so that its view follows.
  visible = false;
  refreshes = 0;
  ClearSheetLines();
  SetLine(2, "V", 163);
  At(20);
  Press(vk::Right);
  EXPECT_GE(refreshes, 1);
  EXPECT_EQ(Params(2), (Params3{163, 132, 46}));

  // Without a map window the replay runs by itself.
  Windows().OnRefreshMap = nullptr;
  ClearSheetLines();
  Orders().StartCoords.StartX = 190;
  Orders().StartCoords.StartY = 60;
  SetLine(2, "V", 163);
  At(20);
  Press(vk::Right);
  EXPECT_EQ(Params(2), (Params3{163, 364, 64}));
}

// Remembers where the resource view's picture was drawn.
class PictureStore : public testing::RecordingPictureStore {
 public:
  void DrawResourcePicture(int x, int y) override { pictures.push_back({x, y}); }
  std::vector<Point> pictures;
};

TEST_F(LineOperationsTest, ResourceViewShowsTheColumnsTotalsAndCompass) {
  PictureStore pictures;
  InstallSheetPictureStore(&pictures);
  SetLine(2, "BE", 5);
  Manual(2) = 12;
  RedrawSheet();
  SheetModel().Lines.SheetVp[3] = 8;
  const std::string description = SheetModel().Lines.SheetTexts[2];
  canvas.Clear();

  Vltslerserforrsokkztt1Click();
  EXPECT_TRUE(Editor().ResourceView);
  EXPECT_EQ(pictures.pictures, (std::vector<Point>{{435, 100}}));
  ASSERT_NE(LastTextAt(234, 22), nullptr);
  EXPECT_EQ(LastTextAt(234, 22)->text, "  12");
  EXPECT_EQ(LastTextAt(274, 34)->text, "   8");
  EXPECT_EQ(LastTextAt(395, 390)->text, "Elhasznált erôforrások"_w);
  EXPECT_EQ(LastTextAt(395, 422)->text, "Varázspont: "_w);
  EXPECT_EQ(LastTextAt(479, 422)->text, "   8");
  EXPECT_EQ(LastTextAt(595, 387)->text, "irányok"_w);
  EXPECT_EQ(LastTextAt(617, 405)->text, "8");
  int ellipses = 0, triangles = 0;
  for (const auto& e : canvas.Entries()) {
    if (e.op == RecordingCanvas::Op::Ellipse && e.color == colors::White) ++ellipses;
    if (e.op == RecordingCanvas::Op::Polygon && e.brush == colors::White && e.points.size() == 3) ++triangles;
  }
  EXPECT_EQ(ellipses, 2);
  EXPECT_EQ(triangles, 4);

  // Off again: every description comes back.
  Press(vk::Right);
  Vltslerserforrsokkztt1Click();
  EXPECT_FALSE(Editor().ResourceView);
  EXPECT_EQ(SheetModel().Lines.SheetTexts[2], description);
  InstallSheetPictureStore(&store);
}

// The sheet's lines as the line operations move them: code, parameters and the
// manual TVP (the other cost values are worked out again by the refresh).
struct LineModel {
  std::string code;
  Params3 p{};
  std::int32_t manual = 0;
  bool operator==(const LineModel&) const = default;
};

TEST_F(LineOperationsTest, RandomOperationsLeaveTheSheetTheRulesDescribe) {
  std::uint32_t seed = 4242;
  const auto next = [&seed](std::uint32_t n) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % n);
  };
  const char* codes[] = {"", "", "A", "M", "BE", "KF"};
  std::array<LineModel, kSheetLines + 2> model{};
  const auto coded = [&model](int l) { return !model[static_cast<std::size_t>(l)].code.empty(); };
  const auto load = [&] {
    for (int l = 1; l <= kSheetLines; ++l) {
      auto& m = model[static_cast<std::size_t>(l)];
      SetLine(l, m.code, m.p[0], m.p[1], m.p[2]);
      Manual(l) = m.manual;
    }
  };
  const auto sheet = [&] {
    std::array<LineModel, kSheetLines + 2> out{};
    for (int l = 1; l <= kSheetLines; ++l) out[static_cast<std::size_t>(l)] = {Code(l), Params(l), Manual(l)};
    return out;
  };

  for (int round = 0; round < 40; ++round) {
    for (int l = 1; l <= kSheetLines; ++l) {
      auto& m = model[static_cast<std::size_t>(l)];
      m.code = codes[next(std::size(codes))];
      m.p = {next(4) - 1, next(3), next(10) - 2};
      m.manual = m.code.empty() ? 0 : next(7) - 3;
    }
    if (round % 8 == 0)  // now and then a full sheet
      for (int l = 1; l <= kSheetLines; ++l) model[static_cast<std::size_t>(l)].code = "KF";
    load();
    for (int step = 0; step < 30; ++step) {
      const int line = 1 + next(kSheetLines);
      const int column = next(4);
      At(10 * line + column);
      int cursor = 10 * line + column;
      const auto at = [&model](int l) -> LineModel& { return model[static_cast<std::size_t>(l)]; };
      switch (next(5)) {
        case 0:  // copy into the empty neighbour
          Press(vk::OemPlus);
          if (line == kSheetLines) break;
          if (coded(line) && !coded(line + 1)) {
            at(line + 1) = at(line);
            cursor = 10 * (line + 1);
          } else if (!coded(line) && line > 1 && coded(line - 1)) {
            at(line) = at(line - 1);
            cursor = 10 * (line + 1);
          }
          break;
        case 1: {  // insert
          Rejt04Click();
          if (line == kSheetLines) break;
          int gap = kSheetLines;
          bool seen = false;
          for (int l = line; l <= kSheetLines; ++l) {
            if (coded(l)) seen = true;
            else if (seen) {
              gap = l;
              break;
            }
          }
          if (gap == kSheetLines && coded(kSheetLines))
            for (int l = line; l < kSheetLines; ++l)
              if (!coded(l)) {
                gap = l;
                break;
              }
          for (int l = gap; l > line; --l) at(l) = at(l - 1);
          at(line) = {};
          break;
        }
        case 2: {  // delete
          Press(vk::Delete);
          std::int32_t* field = column ? &at(line).p[static_cast<std::size_t>(column - 1)] : nullptr;
          if (!field && coded(line)) {
            at(line) = {};
          } else if (field && *field > 0) {
            *field = 0;
          } else {
            for (int l = line; l < kSheetLines; ++l) at(l) = at(l + 1);
            at(kSheetLines) = {};
            cursor = 10 * line;
          }
          break;
        }
        default: {  // line move, up or down a few times
          Press(vk::F4);
          int l = line;
          for (int k = 0, n = 1 + next(3); k < n; ++k) {
            const bool up = next(2) == 0;
            Press(up ? vk::Up : vk::Down);
            const int other = up ? l - 1 : l + 1;
            if (other < 1 || other > kSheetLines) continue;
            std::swap(at(l), at(other));
            l = other;
          }
          Press(vk::F4);
          cursor = 10 * l;
          break;
        }
      }
      ASSERT_EQ(Editor().EditorMode, 1);
      ASSERT_EQ(sheet(), model) << "round " << round << " step " << step << " cell " << 10 * line + column;
      ASSERT_EQ(Cursor(), cursor) << "round " << round << " step " << step;
    }
  }
}

}  // namespace
}  // namespace vorda
