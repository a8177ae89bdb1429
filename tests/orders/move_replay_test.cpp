#include "orders/move_replay.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "data/char_settings.h"
#include "data/game_tables.h"
#include "data/map_grid.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "orders/orders_state.h"
#include "support/state_reset.h"

namespace vorda {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

class MoveReplayTest : public testing::FreshState {
 protected:
  void SetUp() override {
    testing::FreshState::SetUp();
    Start(100, 50);
  }

  static void Start(std::int32_t x, std::int32_t y) {
    Orders().StartCoords.StartX = x;
    Orders().StartCoords.StartY = y;
  }
  // A teleport already pending at the turn's start, with its return point.
  static void PendingReturn(std::int32_t x, std::int32_t y) {
    Orders().StartCoords.TeleportX = x;
    Orders().StartCoords.TeleportY = y;
    Orders().TeleportReturnChecked = true;
  }
  static void Line(int i, const std::string& code, std::int32_t p1, std::int32_t p2 = 0, std::int32_t p3 = 0) {
    SheetModel().Lines.SheetCodes[static_cast<std::size_t>(i)] = code;
    SheetModel().Lines.SheetParams[static_cast<std::size_t>(i)] = {p1, p2, p3};
  }
  static void Terrain(int x, int y, std::uint8_t t) { MapModel().MapGrid->Cells[x][y].Terrain = t; }

  static const TMovePosition& Pos() { return Orders().MovePosition; }
  static std::pair<std::int32_t, std::int32_t> Replay(int lines, int last_moves = 3) {
    TraceMoves(lines, last_moves);
    return {Pos().X, Pos().Y};
  }
  using XY = std::pair<std::int32_t, std::int32_t>;
};

TEST_F(MoveReplayTest, NoLinesGivesTheStartAndKeepsThePreviousPosition) {
  Line(1, "M", 2);
  Replay(1);
  PendingReturn(7, 8);
  Orders().StartCoords.StartX = 300;
  TraceMoves(0, 0);
  EXPECT_EQ(Pos(), (TMovePosition{true, 300, 50, 101, 50, 7, 8}));
  TraceMoves(-5, 3);
  EXPECT_EQ(Pos().PrevX, 300);
}

TEST_F(MoveReplayTest, MoveStepsByDirection) {
  struct Case {
    std::string code;
    std::int32_t p1, p2, p3;
    XY expected;
  };
  const Case cases[] = {
      {"M", 2, 0, 2, {102, 50}},    // 0 is skipped
      {"M", 9, -1, 4, {100, 51}},   // 9 and -1 are skipped
      {"M", 1, 3, 5, {101, 51}},    // north-east, south-east, south-west
      {"M", 6, 7, 8, {98, 48}},     // west, north-west, north
      {"m", 2, 2, 2, {100, 50}},    // lower case is no move
      {"M ", 2, 2, 2, {100, 50}},   // the whole code counts
      {"XY", 2, 2, 2, {100, 50}},
  };
  for (const auto& c : cases) {
    Line(1, c.code, c.p1, c.p2, c.p3);
    EXPECT_EQ(Replay(1), c.expected) << c.code << " " << c.p1 << " " << c.p2 << " " << c.p3;
  }
}

TEST_F(MoveReplayTest, TheLastLineUsesOnlyItsFirstMoves) {
  Line(1, "M", 2, 2, 2);
  Line(2, "M", 4, 4, 4);
  EXPECT_EQ(Replay(2, 1), (XY{103, 51}));
  EXPECT_EQ(Replay(2, 0), (XY{103, 50}));
  EXPECT_EQ(Replay(2, 3), (XY{103, 53}));
  EXPECT_EQ(Replay(1, 2), (XY{102, 50}));
  EXPECT_EQ(Replay(2, -7), (XY{103, 50}));  // out-of-range counts are held to 0..3
  EXPECT_EQ(Replay(2, 99), (XY{103, 53}));
  EXPECT_EQ(Replay(1000, 0), (XY{103, 53}));  // never beyond the sheet's 40 lines
}

TEST_F(MoveReplayTest, APendingReturnStaysOnlyOverTerrainSix) {
  PendingReturn(10, 20);
  Terrain(101, 50, 6);
  Terrain(102, 50, 6);
  Line(1, "M", 2, 2, 2);  // two steps on terrain 6, the third onto terrain 0
  Line(2, "M", 4);
  Replay(1, 2);
  EXPECT_EQ(Pos(), (TMovePosition{true, 102, 50, 0, 0, 10, 20}));
  Replay(1);
  EXPECT_EQ(Pos(), (TMovePosition{false, 10, 20, 102, 50, 10, 20}));
  EXPECT_EQ(Replay(2), (XY{10, 21}));  // no longer pending: a plain step
}

TEST_F(MoveReplayTest, AStepOffTheMapEndsAPendingReturn) {
  Start(0, 0);
  PendingReturn(10, 20);
  Line(1, "M", 7);
  Replay(1);
  EXPECT_EQ(Pos(), (TMovePosition{false, 10, 20, 0, 0, 10, 20}));
}

TEST_F(MoveReplayTest, TeleportsWithAndWithoutReturn) {
  struct Case {
    std::string code;
    std::int32_t p1;
    bool with_return;
  };
  const Case cases[] = {
      {"EK", 227, true}, {"EK", 395, true}, {"EK", 503, true}, {"EK", 559, false}, {"H", 1387, true},
      {"V", 416, true},  {"V", 181, true},  {"V", 96, true},   {"V", 163, false},  {"V", 198, false},
  };
  for (const auto& c : cases) {
    ResetOrdersState();
    Start(100, 50);
    Line(1, c.code, c.p1, 300, 60);
    Replay(1);
    if (c.with_return)
      EXPECT_EQ(Pos(), (TMovePosition{true, 300, 60, 0, 0, 100, 50})) << c.code << " " << c.p1;
    else
      EXPECT_EQ(Pos(), (TMovePosition{false, 300, 60, 0, 0, 0, 0})) << c.code << " " << c.p1;

    // Never while a return is pending, and never to a target with a coordinate <= 0.
    Line(1, c.code, c.p1, 300, 0);
    EXPECT_EQ(Replay(1), (XY{100, 50})) << c.code << " " << c.p1;
    Line(1, c.code, c.p1, -3, 60);
    EXPECT_EQ(Replay(1), (XY{100, 50})) << c.code << " " << c.p1;
    Line(1, c.code, c.p1, 300, 60);
    PendingReturn(5, 5);
    Replay(1);
    EXPECT_EQ(Pos(), (TMovePosition{true, 100, 50, 100, 50, 5, 5})) << c.code << " " << c.p1;
    Orders().TeleportReturnChecked = false;
  }
  Line(1, "EK", 228, 300, 60);
  EXPECT_EQ(Replay(1), (XY{100, 50}));
}

TEST_F(MoveReplayTest, ASecondTeleportWaitsForTheReturn) {
  Line(1, "EK", 227, 300, 60);
  Line(2, "EK", 395, 400, 70);  // return pending: nothing
  Line(3, "M", 2);              // terrain 0: back to the return point
  Line(4, "EK", 395, 400, 70);
  EXPECT_EQ(Replay(2), (XY{300, 60}));
  EXPECT_EQ(Replay(3), (XY{100, 50}));
  Replay(4);
  EXPECT_EQ(Pos(), (TMovePosition{true, 400, 70, 100, 50, 100, 50}));
}

TEST_F(MoveReplayTest, JumpsOfSeveralCells) {
  struct Case {
    std::string code;
    std::int32_t p1, p2, p3;
    XY expected;
  };
  const Case cases[] = {
      {"H", 1477, 2, 5, {105, 50}},   {"H", 1477, 2, 25, {118, 50}},  {"H", 1477, 7, 18, {82, 32}},
      {"V", 489, 4, 7, {100, 57}},    {"V", 489, 4, 25, {100, 60}},   {"V", 489, 5, 10, {90, 60}},
      {"H", 1477, 9, 5, {100, 50}},   {"H", 1477, 0, 5, {100, 50}},   {"V", 489, -2, 5, {100, 50}},
      {"H", 1477, 2, 0, {100, 50}},   {"H", 1477, 2, -5, {100, 50}},  {"V", 489, 2, kMin, {100, 50}},
      {"H", 1478, 2, 5, {100, 50}},   {"V", 490, 2, 5, {100, 50}},
  };
  for (const auto& c : cases) {
    Line(1, c.code, c.p1, c.p2, c.p3);
    EXPECT_EQ(Replay(1), c.expected) << c.code << " " << c.p1 << " " << c.p2 << " " << c.p3;
  }
}

TEST_F(MoveReplayTest, JumpsIgnoreAPendingReturnAndTheGround) {
  PendingReturn(10, 20);
  Line(1, "V", 489, 2, 3);
  Line(2, "H", 1477, 4, 2);
  Replay(2);
  EXPECT_EQ(Pos(), (TMovePosition{true, 103, 52, 0, 0, 10, 20}));
}

TEST_F(MoveReplayTest, TheWagonCaravanDriftsByTheCaravanTable) {
  LoadCaravanTable("100 50 3\n104 54 6\n");
  struct Case {
    std::int32_t p1, p2;
    XY expected;
  };
  const Case cases[] = {
      {1215, 4, {104, 54}}, {1215, 3, {103, 53}}, {1215, 15, {115, 65}},
      {1215, 2, {100, 50}}, {1215, 16, {100, 50}}, {1216, 4, {100, 50}},
  };
  for (const auto& c : cases) {
    Line(1, "BE", c.p1, c.p2);
    EXPECT_EQ(Replay(1), c.expected) << c.p1 << " " << c.p2;
  }
  // From (104, 54) the table says west; on a square without a row (9) nothing.
  Line(1, "BE", 1215, 4);
  Line(2, "BE", 1215, 5);
  Line(3, "BE", 1215, 5);
  EXPECT_EQ(Replay(2), (XY{99, 54}));
  EXPECT_EQ(Replay(3), (XY{99, 54}));
  // A pending return neither stops it nor ends.
  PendingReturn(10, 20);
  Replay(1);
  EXPECT_EQ(Pos(), (TMovePosition{true, 104, 54, 99, 54, 10, 20}));
}

TEST_F(MoveReplayTest, CoordinatesNearTheLimitsWrapWithoutOverflow) {
  Start(kMax, kMax - 2);
  Line(1, "M", 3);
  EXPECT_EQ(Replay(1), (XY{kMin, kMax - 1}));
  Line(1, "V", 489, 3, 10);
  EXPECT_EQ(Replay(1), (XY{kMin + 9, kMin + 7}));
  PendingReturn(kMin, kMin);
  Line(1, "M", 2);
  EXPECT_EQ(Replay(1), (XY{kMin, kMin}));
  Line(1, "M", 7);
  Line(2, "H", 1477, 8, 18);
  Orders().TeleportReturnChecked = false;
  Start(1, 1);
  EXPECT_EQ(Replay(2), (XY{0, -18}));
}

// --- distances and tau texts -------------------------------------------------

TEST_F(MoveReplayTest, DistanceIsChebyshevFromThePositionBeforeTheLine) {
  EXPECT_EQ(TeleportDistance(103, 45, 1), 5);
  EXPECT_EQ(TeleportDistance(100, 50, 1), 0);
  EXPECT_EQ(TeleportDistance(90, 52, 0), 10);
  EXPECT_EQ(TeleportDistance(90, 52, kMin), 10);
  Line(1, "M", 2, 2, 2);
  Line(2, "V", 163, 200, 80);
  Line(3, "M", 2, 2, 2);  // the line itself does not count
  EXPECT_EQ(TeleportDistance(103, 45, 2), 5);
  EXPECT_EQ(TeleportDistance(103, 45, 3), 97);
  EXPECT_EQ(TeleportDistance(200, 80, 4), 3);
  EXPECT_EQ(TeleportDistance(200, 80, kMax), 3);  // beyond the sheet: all 40 lines

  Start(0, 50);
  EXPECT_EQ(TeleportDistance(103, 45, 1), 0);
  Start(100, -1);
  EXPECT_EQ(TeleportDistance(103, 45, 3), 0);
}

TEST_F(MoveReplayTest, TheDistanceRoutinesLeaveMovePositionAsTheyFoundIt) {
  PendingReturn(5, 6);
  Line(1, "M", 2);
  Line(2, "V", 181, 300, 60);
  Line(3, "V", 198, 310, 70);
  Orders().MovePosition = TMovePosition{true, 11, 12, 13, 14, 15, 16};
  const TMovePosition before = Orders().MovePosition;
  std::string text;
  for (int line : {0, 1, 2, 3, 4, 41}) {
    TeleportDistance(400, 90, line);
    TeleportTauText(400, 90, line, text);
    SpaceBenderTauText(400, 90, line, text);
    EXPECT_EQ(Orders().MovePosition, before) << line;
  }
}

TEST_F(MoveReplayTest, TauTexts) {
  struct Case {
    std::int32_t p1;
    std::int32_t d;
    std::uint8_t foci;
    std::string tau;
    std::string space_bender;
  };
  const Case cases[] = {
      {181, 0, 0, "$(tau: @0$)", "$(térhajlító tau: @0$)"_w},
      {181, 5, 0, "$(tau: @3$)", "$(térhajlító tau: @2$)"_w},
      {181, 500, 0, "$(tau: @250$)", "$(térhajlító tau: @125$)"_w},
      {181, 501, 0, "$(tau: @275$)", "$(térhajlító tau: @275$)"_w},
      {181, 502, 0, "$(tau: @275$)", "$(térhajlító tau: @275$)"_w},
      {181, 503, 0, "$(tau: @300$)", "$(térhajlító tau: @275$)"_w},
      {181, 505, 0, "$(tau: @325$)", "$(térhajlító tau: @300$)"_w},
      {181, 505, 9, "$(tau: @325$)", "$(térhajlító tau: @300$)"_w},  // foci only for 198
      {198, 125, 0, "$(tau: @250$)", "$(térhajlító tau: @125$)"_w},
      {198, 126, 0, "$(tau: @300$)", "$(térhajlító tau: @126$)"_w},
      {198, 250, 0, "$(tau: @6500$)", "$(térhajlító tau: @250$)"_w},
      {198, 251, 0, "$(tau: @6550$)", "$(térhajlító tau: @275$)"_w},
      {198, 140, 3, "$(tau: @250$)", "$(térhajlító tau: @125$)"_w},
      {198, 10, 3, "$(tau: @0$)", "$(térhajlító tau: @0$)"_w},
      {96, 20, 0, "$(tau: @10$)", "$(térhajlító tau: @5$)"_w},  // target to the west
      {416, 20, 0, "unchanged", "unchanged"},
      {0, 20, 0, "unchanged", "unchanged"},
  };
  Start(1000, 50);
  for (const auto& c : cases) {
    Line(1, "V", c.p1, 1000 - c.d, 50);
    CharSettings().CharTerfokusz = c.foci;
    std::string tau = "unchanged";
    std::string space_bender = "unchanged";
    TeleportTauText(1000 - c.d, 50, 1, tau);
    SpaceBenderTauText(1000 - c.d, 50, 1, space_bender);
    EXPECT_EQ(tau, c.tau) << c.p1 << " d=" << c.d;
    EXPECT_EQ(space_bender, c.space_bender) << c.p1 << " d=" << c.d;
  }
}

TEST_F(MoveReplayTest, NinetySixToTheEastIsRefused) {
  Start(1000, 50);
  Line(1, "V", 96, 1001, 50);
  std::string tau, space_bender = "unchanged";
  TeleportTauText(1001, 50, 1, tau);
  SpaceBenderTauText(1001, 50, 1, space_bender);
  EXPECT_EQ(tau, "$(^keletre nem jó$)"_w);
  EXPECT_EQ(space_bender, "unchanged");
  // The same x is not east.
  TeleportTauText(1000, 40, 1, tau);
  SpaceBenderTauText(1000, 40, 1, space_bender);
  EXPECT_EQ(tau, "$(tau: @5$)");
  EXPECT_EQ(space_bender, "$(térhajlító tau: @3$)"_w);
}

TEST_F(MoveReplayTest, NoTauTextWithoutAStartOrForALineOffTheSheet) {
  Line(1, "V", 181, 300, 60);
  std::string tau = "keep", space_bender = "keep";
  Start(0, 0);
  TeleportTauText(300, 60, 1, tau);
  SpaceBenderTauText(300, 60, 1, space_bender);
  EXPECT_EQ(tau, "keep");
  EXPECT_EQ(space_bender, "keep");
  Start(100, 50);
  for (int line : {0, 41, kMin, kMax}) {
    TeleportTauText(300, 60, line, tau);
    SpaceBenderTauText(300, 60, line, space_bender);
    EXPECT_EQ(tau, "keep") << line;
    EXPECT_EQ(space_bender, "keep") << line;
  }
}

TEST_F(MoveReplayTest, HugeDistancesSaturateAndTauIsExact) {
  Start(kMax, 1);
  EXPECT_EQ(TeleportDistance(kMin, 1, 1), kMax);  // 2^32 - 1 squares away
  EXPECT_EQ(TeleportDistance(kMax, kMin, 1), kMax);
  EXPECT_EQ(TeleportDistance(-kMax, 1, 1), kMax);
  EXPECT_EQ(TeleportDistance(1, 1, 1), kMax - 1);
  Line(1, "V", 181, kMin, 1);
  std::string tau, space_bender;
  TeleportTauText(kMin, 1, 1, tau);
  SpaceBenderTauText(kMin, 1, 1, space_bender);
  EXPECT_EQ(tau, "$(tau: @53687085200$)");                      // 250 + 25 * 2147483398
  EXPECT_EQ(space_bender, "$(térhajlító tau: @26843542725$)"_w);  // 250 + 25 * 1073741699
  Line(1, "V", 198, kMin, 1);
  CharSettings().CharTerfokusz = 255;
  TeleportTauText(kMin, 1, 1, tau);
  SpaceBenderTauText(kMin, 1, 1, space_bender);
  EXPECT_EQ(tau, "$(tau: @214748295000$)");                       // 50 * (2^32 - 1 - 1275) - 6000
  EXPECT_EQ(space_bender, "$(térhajlító tau: @107374144500$)"_w);  // 25 * (2^32 - 1 - 1275) - 6000
}

}  // namespace
}  // namespace vorda
