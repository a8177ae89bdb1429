#include "editor/edit_keys.h"

#include <gtest/gtest.h>

#include "editor/line_refresh.h"
#include "editor/screen_fixture.h"
#include "orders/orders_state.h"

namespace vorda {
namespace {

class EditKeysTest : public testing::ScreenFixture {
 protected:
  static std::uint16_t Cursor() { return Editor().CursorCell; }
  static void At(int cell) { Editor().CursorCell = static_cast<std::uint16_t>(cell); }
};

TEST_F(EditKeysTest, CursorWrapsByColumnAndLine) {
  const struct {
    int from;
    std::uint16_t key;
    int to;
  } cases[] = {
      {12, vk::Right, 13},  {13, vk::Right, 20},  {403, vk::Right, 10}, {403, vk::Space, 10},
      {11, vk::Left, 10},   {20, vk::Left, 13},   {10, vk::Left, 403},  {22, vk::Up, 12},
      {12, vk::Up, 402},    {12, vk::Down, 22},   {402, vk::Down, 12},  {13, vk::Return, 20},
      {401, vk::Return, 10}, {250, vk::Return, 260},
  };
  for (const auto& c : cases) {
    At(c.from);
    Press(c.key);
    EXPECT_EQ(Cursor(), c.to) << c.from << " key " << c.key;
  }
}

TEST_F(EditKeysTest, LettersTypeTheCodeFromAnyColumn) {
  At(12);
  Type({'M', 'A'});
  EXPECT_EQ(Code(1), "MA");
  EXPECT_EQ(Cursor(), 10);
  Type({'B', 'C', 'D'});
  EXPECT_EQ(Code(1), "ABCD");  // the last four letters typed
  Press('E');
  EXPECT_EQ(Code(1), "BCDE");
  SetLine(2, "M X");
  At(23);
  Press('Z');
  EXPECT_EQ(Code(2), "MZ");  // a blank and what follows it are dropped first
  EXPECT_EQ(Cursor(), 20);
  EXPECT_TRUE(Editor().SheetModified);
}

TEST_F(EditKeysTest, DigitsTypeTheLastFourIntoTheField) {
  const struct {
    std::int32_t before;
    std::initializer_list<std::uint16_t> keys;
    std::int32_t after;
  } cases[] = {
      {0, {'1', '2', '3', '4', '5'}, 2345},
      {0, {vk::Numpad0 + 7, vk::Numpad0 + 0}, 70},
      {0, {'0', '0', '4'}, 4},
      {-12, {'3'}, -123},
      {-123, {'4'}, 1234},  // four characters: the sign goes first
      {12345, {'6'}, 2346},
  };
  for (const auto& c : cases) {
    SetLine(3, "BE", 0, c.before);
    At(32);
    for (const auto k : c.keys) Press(k);
    EXPECT_EQ(Params(3)[1], c.after) << c.before;
    EXPECT_EQ(Cursor(), 32);
  }
}

TEST_F(EditKeysTest, MoveLineTakesOneDirectionPerField) {
  SetLine(5, "M");
  At(50);
  Type({'3', '5'});
  EXPECT_EQ(Params(5), (std::array<std::int32_t, 3>{3, 5, 0}));
  EXPECT_EQ(Cursor(), 53);
  Type({'7', '8'});
  EXPECT_EQ(Params(5), (std::array<std::int32_t, 3>{3, 5, 78}));
  EXPECT_EQ(Cursor(), 53);
}

TEST_F(EditKeysTest, DigitOnAFreeLineOnlyMovesToItsCode) {
  At(62);
  Press('4');
  EXPECT_EQ(Params(6), (std::array<std::int32_t, 3>{0, 0, 0}));
  EXPECT_EQ(Cursor(), 60);
  Press('4');
  EXPECT_EQ(Cursor(), 60);
  EXPECT_EQ(Code(6), "");
}

TEST_F(EditKeysTest, BackspaceShortensCodesAndFields) {
  SetLine(1, "MA", 1, 2, 3);
  SheetModel().Lines.SheetTvpManual[1] = 7;
  At(10);
  Press(vk::Back);
  EXPECT_EQ(Code(1), "M");
  EXPECT_EQ(Params(1), (std::array<std::int32_t, 3>{1, 2, 3}));
  Press(vk::Back);
  EXPECT_EQ(Code(1), "");
  EXPECT_EQ(Params(1), (std::array<std::int32_t, 3>{0, 0, 0}));
  EXPECT_EQ(SheetModel().Lines.SheetTvpManual[1], 0);
  EXPECT_EQ(Cursor(), 10);

  SetLine(2, "X Y");
  At(20);
  Press(vk::Back);
  EXPECT_EQ(Code(2), "");  // "X Y": the blank part first, then the X

  const struct {
    std::int32_t before, after;
  } fields[] = {{1234, 123}, {12345, 123}, {-5, 0}, {7, 0}, {-123, -12}};
  for (const auto& f : fields) {
    SetLine(3, "BE", 0, 0, f.before);
    At(33);
    Press(vk::Back);
    EXPECT_EQ(Params(3)[2], f.after) << f.before;
    EXPECT_EQ(Cursor(), 33);
  }
  SetLine(3, "BE", 4, 0, 0);
  At(33);
  Press(vk::Back);  // an empty field: one cell to the left
  EXPECT_EQ(Cursor(), 32);

  SheetModel().Lines.SheetTvp[8] = 50;
  At(81);
  Press(vk::Back);
  EXPECT_EQ(SheetModel().Lines.SheetTvp[8], 0);
}

TEST_F(EditKeysTest, KeypadPlusAndMinusStepTheField) {
  const struct {
    const char* code;
    int column;
    std::int32_t before;
    std::uint16_t key;
    std::int32_t after;
  } cases[] = {
      {"BE", 1, 31999, vk::Add, 32000},   {"BE", 1, 32000, vk::Add, 0},
      {"BE", 1, 2147483647, vk::Add, 0},  {"BE", 1, -7, vk::Add, -6},
      {"BE", 2, 5, vk::Subtract, 4},      {"BE", 2, 1, vk::Subtract, 0},
      {"BE", 2, 0, vk::Subtract, 9999},   {"BE", 2, -3, vk::Subtract, 9999},
      {"GYJ", 3, 0, vk::Subtract, -1},    {"GYJ", 3, -1, vk::Subtract, 9999},
      {"GYJ", 3, -5, vk::Subtract, -5},   {"GYJ", 2, 0, vk::Subtract, 9999},
  };
  for (const auto& c : cases) {
    std::array<std::int32_t, 3> p{};
    p[static_cast<std::size_t>(c.column - 1)] = c.before;
    SetLine(4, c.code, p[0], p[1], p[2]);
    At(40 + c.column);
    Press(c.key);
    EXPECT_EQ(Params(4)[static_cast<std::size_t>(c.column - 1)], c.after) << c.code << " " << c.before;
    EXPECT_EQ(Cursor(), 40 + c.column);
  }
  // On a free line both keys only take the cursor to the code.
  for (const std::uint16_t key : {vk::Add, vk::Subtract}) {
    At(92);
    Press(key);
    EXPECT_EQ(Cursor(), 90);
    EXPECT_EQ(Params(9)[1], 0);
  }
}

TEST_F(EditKeysTest, PlusOnTheCodeCyclesTheLineCost) {
  const struct {
    const char* code;
    std::array<std::int32_t, 3> p;
    std::int32_t before, after;
  } cases[] = {
      {"JLK", {}, 5, 15},          {"JLK", {}, 15, 5},           {"JLK", {}, 40, 5},
      {"A", {}, 0, 5},             {"A", {}, 7, 0},              {"BE", {493}, 5, 50},
      {"BE", {493}, 50, 300},      {"BE", {493}, 300, 5},        {"BE", {493}, 12, 12},
      {"BE", {493, 2}, 5, 100},    {"BE", {493, 2}, 77, 100},    {"BE", {494}, 5, 5},
      {"AA", {3, 0, 9}, 0, 10},    {"AA", {0, 0, 0}, 0, 0},      {"AA", {3, 0, 9}, 10, 0},
      {"H", {92}, 14, 20},         {"H", {92}, 20, 14},          {"H", {78}, 16, 35},
      {"H", {78}, 35, 16},         {"H", {165}, 24, 28},         {"H", {165}, 28, 24},
      {"H", {392}, 40, 45},        {"H", {392}, 45, 40},         {"H", {365}, 14, 16},
      {"H", {365}, 35, 40},        {"H", {365}, 40, 14},         {"H", {365}, 15, 15},
      {"H", {93}, 14, 14},         {"M", {1}, 10, 10},           {"BE", {493, 2000000000}, 5, 1215752192},
  };
  for (const auto& c : cases) {
    SetLine(6, c.code, c.p[0], c.p[1], c.p[2]);
    SheetModel().Lines.SheetTvp[6] = c.before;
    CycleCodeColumnCost(6);
    EXPECT_EQ(SheetModel().Lines.SheetTvp[6], c.after) << c.code << " " << c.p[0] << " from " << c.before;
  }
}

TEST_F(EditKeysTest, EfCycleSetsTheFactorFromTheCursorLinesOwnValues) {
  const struct {
    std::int32_t before, after;
    std::uint8_t factor;
  } cases[] = {{150, 300, 10}, {300, 600, 20}, {600, 150, 5}, {77, 77, 3}};
  for (const auto& c : cases) {
    SetLine(6, "EF", 30);
    SheetModel().Lines.SheetTvp[6] = c.before;
    Orders().EfFactor = 3;
    SheetModel().CurParam1 = 999;  // what another line's refresh left
    CycleCodeColumnCost(6);
    EXPECT_EQ(SheetModel().Lines.SheetTvp[6], c.after) << c.before;
    EXPECT_EQ(Orders().EfFactor, c.factor) << c.before;
  }
}

TEST_F(EditKeysTest, PlusOnTheCodeOfAnEfLineGoesThroughTheKey) {
  SetLine(2, "EF", 30);
  SheetModel().Lines.SheetTvp[2] = 300;
  RefreshSheetLine(40);  // the working values now belong to line 40
  At(20);
  Press(vk::Add);
  EXPECT_EQ(Orders().EfFactor, 20);
  EXPECT_TRUE(Editor().SheetModified);
}

TEST_F(EditKeysTest, EntryBoxOpensOnlyOnACodedLinesParameter) {
  SetLine(1, "BE", 5);
  const struct {
    int cell;
    std::uint16_t key;
    std::uint8_t mode;
  } cases[] = {{11, vk::F7, 8}, {12, vk::Divide, 8}, {10, vk::F7, 1}, {21, vk::F7, 1}, {21, vk::Divide, 1}};
  for (const auto& c : cases) {
    Editor().EditorMode = 1;
    At(c.cell);
    Press(c.key);
    EXPECT_EQ(Editor().EditorMode, c.mode) << c.cell;
  }
}

TEST_F(EditKeysTest, F4EntersLineMoveModeAndTheMenuCommandLeavesIt) {
  SetLine(3, "BE", 5);
  At(32);
  Press(vk::F4);
  EXPECT_EQ(Editor().EditorMode, 4);
  EXPECT_EQ(Cursor(), 30);
  const auto* number = LastTextAt(5, 34);
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->brush, colors::Green);
  Press(vk::Down);  // line-move mode: the line goes down with the cursor
  EXPECT_EQ(Cursor(), 40);
  EXPECT_EQ(Code(4), "BE");
  EXPECT_TRUE(RunMenuShortcut(vk::F4, shift::None));
  EXPECT_EQ(Editor().EditorMode, 1);
  EXPECT_EQ(LastTextAt(5, 46)->brush, colors::Black);
  EXPECT_TRUE(RunMenuShortcut(vk::F4, shift::None));  // from edit mode: on again
  EXPECT_EQ(Editor().EditorMode, 4);
}

TEST_F(EditKeysTest, EscClosesTheMainWindowAndF10ShowsAHiddenMap) {
  int closes = 0, shows = 0;
  bool visible = false;
  Windows().OnCloseMain = [&] { ++closes; };
  Windows().OnMapVisible = [&] { return visible; };
  Windows().OnShowMap = [&] { ++shows; };
  Press(vk::Escape);
  EXPECT_EQ(closes, 1);
  Press(vk::F10);
  EXPECT_EQ(shows, 1);
  visible = true;
  Press(vk::F10);
  EXPECT_EQ(shows, 1);
}

TEST_F(EditKeysTest, EveryKeyRedrawsTheWholeStatusLine) {
  for (const std::uint16_t key : {vk::Right, std::uint16_t{'Q'}, std::uint16_t{0}, vk::F24}) {
    canvas.Clear();
    Press(key);
    EXPECT_NE(LastTextAt(52, 498), nullptr) << key;
    EXPECT_NE(LastTextAt(606, 498), nullptr) << key;
  }
}

}  // namespace
}  // namespace vorda
