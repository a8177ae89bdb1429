#include "orders/move_replay.h"

#include <algorithm>
#include <limits>

#include "data/char_settings.h"
#include "data/game_tables.h"
#include "data/map_grid.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "orders/order_phrases.h"
#include "orders/orders_state.h"

namespace vorda {

namespace {

// The ground on which a pending return stays pending.
constexpr std::uint8_t kReturnKeepingTerrain = 6;

constexpr int kWagonCaravan = 1215;
constexpr int kMaxCellsH1477 = 18;  // the longest jump of "H" 1477
constexpr int kMaxCellsV489 = 10;   // the longest jump of "V" 489

struct Step {
  int dx;
  int dy;
};

// Directions 1..8 clockwise from north-east; x grows to the east, y to the south.
constexpr Step kDirectionSteps[9] = {
    {0, 0}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1},
};

bool IsDirection(std::int32_t d) { return d >= 1 && d <= 8; }

// Positions are 32-bit: a jump past the limits of a 32-bit coordinate wraps
// round, as the coordinate fields themselves do.

// A square outside the map counts as ground other than terrain 6 (like an
// unknown square of a map never loaded, whose terrain is 0).
bool KeepsReturnPending(std::int32_t x, std::int32_t y) {
  const MapCell* cell = MapCellAt(x, y);
  return cell != nullptr && cell->Terrain == kReturnKeepingTerrain;
}

void Jump(TMovePosition& p, std::int32_t direction, std::int64_t cells) {
  if (!IsDirection(direction) || cells <= 0) return;
  const Step s = kDirectionSteps[direction];
  p.X = Wrap32(std::int64_t{p.X} + cells * s.dx);
  p.Y = Wrap32(std::int64_t{p.Y} + cells * s.dy);
}

// One step of an "M" order. With a return pending, a step onto any ground
// but terrain 6 puts the character back on the return point instead.
void StepOnce(TMovePosition& p, std::int32_t direction) {
  const Step s = kDirectionSteps[direction];
  const std::int32_t x = Wrap32(std::int64_t{p.X} + s.dx);
  const std::int32_t y = Wrap32(std::int64_t{p.Y} + s.dy);
  if (p.ReturnPending && !KeepsReturnPending(x, y)) {
    p.X = p.TeleX;
    p.Y = p.TeleY;
    p.ReturnPending = false;
    return;
  }
  p.X = x;
  p.Y = y;
}

// Teleports are taken only while no return is pending and with a target whose
// both coordinates are positive.
bool CanTeleport(const TMovePosition& p, std::int32_t tx, std::int32_t ty) {
  return !p.ReturnPending && tx > 0 && ty > 0;
}

void TeleportWithReturn(TMovePosition& p, std::int32_t tx, std::int32_t ty) {
  if (!CanTeleport(p, tx, ty)) return;
  p.TeleX = p.X;
  p.TeleY = p.Y;
  p.X = tx;
  p.Y = ty;
  p.ReturnPending = true;
}

void TeleportWithoutReturn(TMovePosition& p, std::int32_t tx, std::int32_t ty) {
  if (!CanTeleport(p, tx, ty)) return;
  p.X = tx;
  p.Y = ty;
}

void ReplayLine(TMovePosition& p, const std::string& code, std::int32_t p1, std::int32_t p2, std::int32_t p3,
                int moves) {
  if (code == "M") {
    const std::int32_t params[3] = {p1, p2, p3};
    for (int k = 0; k < moves; ++k)
      if (IsDirection(params[k])) StepOnce(p, params[k]);
  } else if (code == "BE") {
    if (p1 != kWagonCaravan) return;
    const int v = CaravanValue(p.X, p.Y);
    if (v >= 1 && v <= 8 && p2 >= 3 && p2 <= 15) Jump(p, v, p2);
  } else if (code == "EK") {
    switch (p1) {
      case 227: case 395: case 503: TeleportWithReturn(p, p2, p3); break;
      case 559: TeleportWithoutReturn(p, p2, p3); break;
      default: break;
    }
  } else if (code == "H") {
    switch (p1) {
      case 1387: TeleportWithReturn(p, p2, p3); break;
      case 1477: Jump(p, p2, std::min(p3, kMaxCellsH1477)); break;
      default: break;
    }
  } else if (code == "V") {
    switch (p1) {
      case 163: case 198: TeleportWithoutReturn(p, p2, p3); break;
      case 416: case 181: case 96: TeleportWithReturn(p, p2, p3); break;
      case 489: Jump(p, p2, std::min(p3, kMaxCellsV489)); break;
      default: break;
    }
  }
}

bool StartKnown() {
  const TStartCoords& s = Orders().StartCoords;
  return s.StartX > 0 && s.StartY > 0;
}

// Leaves in MovePosition the position before line `line`.
void PositionBeforeLine(std::int32_t line) {
  if (line <= 1) {
    TMovePosition& p = Orders().MovePosition;
    p.X = Orders().StartCoords.StartX;
    p.Y = Orders().StartCoords.StartY;
    return;
  }
  TraceMoves(line - 1, 3);
}

// The Chebyshev distance from the position before `line` to (tx, ty), wide:
// between coordinates near the 32-bit limits it reaches 2^32 - 1. MovePosition
// is restored whole.
std::int64_t DistanceBeforeLine(std::int32_t tx, std::int32_t ty, std::int32_t line, std::int32_t& from_x) {
  const TMovePosition saved = Orders().MovePosition;
  PositionBeforeLine(line);
  const TMovePosition& p = Orders().MovePosition;
  from_x = p.X;
  const std::int64_t dx = std::int64_t{p.X} - tx;
  const std::int64_t dy = std::int64_t{p.Y} - ty;
  const std::int64_t d = std::max(dx < 0 ? -dx : dx, dy < 0 ? -dy : dy);
  Orders().MovePosition = saved;
  return d;
}

std::int32_t FirstParam(std::int32_t line) {
  if (line < 1 || line > kSheetLines) return 0;
  return SheetModel().Lines.SheetParams[static_cast<std::size_t>(line)][0];
}

// The teleport foci shorten a "V" 198 jump by 5 squares each.
std::int64_t FocusReduced(std::int64_t d) {
  const int foci = CharSettings().CharTerfokusz;
  if (foci > 0) d -= 5 * std::int64_t{foci};
  return d < 0 ? 0 : d;
}

std::int64_t CeilDiv(std::int64_t d, std::int64_t by) { return (d + by - 1) / by; }

std::string TauFragment(const std::string& label, std::int64_t tau) {
  return "$(" + label + "tau: @" + std::to_string(tau) + "$)";
}

}  // namespace

void TraceMoves(std::int32_t line_count, std::int32_t last_line_moves) {
  OrdersState& o = Orders();
  TMovePosition& p = o.MovePosition;
  p.PrevX = p.X;
  p.PrevY = p.Y;
  p.X = o.StartCoords.StartX;
  p.Y = o.StartCoords.StartY;
  p.TeleX = o.StartCoords.TeleportX;
  p.TeleY = o.StartCoords.TeleportY;
  p.ReturnPending = o.TeleportReturnChecked;

  const OrderSheet& sheet = SheetModel().Lines;
  const int last = std::min(line_count, kSheetLines);
  const int last_moves = std::clamp(last_line_moves, 0, 3);
  for (int i = 1; i <= last; ++i) {
    const auto& params = sheet.SheetParams[static_cast<std::size_t>(i)];
    ReplayLine(p, sheet.SheetCodes[static_cast<std::size_t>(i)], params[0], params[1], params[2],
               i == line_count ? last_moves : 3);
  }
}

std::int32_t TeleportDistance(std::int32_t x, std::int32_t y, std::int32_t line) {
  if (!StartKnown()) return 0;
  std::int32_t from_x = 0;
  const std::int64_t d = DistanceBeforeLine(x, y, line, from_x);
  // A distance beyond the 32-bit range (coordinates near both limits) is
  // reported as the largest one rather than wrapped into a negative number.
  return static_cast<std::int32_t>(std::min<std::int64_t>(d, std::numeric_limits<std::int32_t>::max()));
}

void TeleportTauText(std::int32_t x, std::int32_t y, std::int32_t line, std::string& text) {
  if (!StartKnown()) return;
  std::int32_t from_x = 0;
  std::int64_t d = DistanceBeforeLine(x, y, line, from_x);
  const std::int32_t p1 = FirstParam(line);
  std::int64_t tau = 0;
  if (p1 == 198) {
    d = FocusReduced(d);
    tau = d <= 125 ? 2 * d : 50 * d - 6000;
  } else {
    tau = d <= 500 ? CeilDiv(d, 2) : 250 + 25 * CeilDiv(d - 500, 2);
  }
  if (p1 == 96) {
    text = from_x < x ? "$(^keletre nem jó$)"_w : TauFragment("", tau);
  } else if (p1 == 181 || p1 == 198) {
    text = TauFragment("", tau);
  }
}

void SpaceBenderTauText(std::int32_t x, std::int32_t y, std::int32_t line, std::string& text) {
  if (!StartKnown()) return;
  std::int32_t from_x = 0;
  std::int64_t d = DistanceBeforeLine(x, y, line, from_x);
  const std::int32_t p1 = FirstParam(line);
  std::int64_t tau = 0;
  if (p1 == 198) {
    d = FocusReduced(d);
    tau = d <= 250 ? d : 25 * d - 6000;
  } else {
    tau = d <= 500 ? CeilDiv(d, 4) : 250 + 25 * CeilDiv(d - 500, 4);
  }
  if ((p1 == 96 && from_x >= x) || p1 == 181 || p1 == 198) text = TauFragment("térhajlító "_w, tau);
}

}  // namespace vorda
