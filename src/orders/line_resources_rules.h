#pragma once
// The cost rules of one order line, shared by the cost calculator's files: the
// line's parameters, the wide arithmetic the rules are written in, and the rule
// tables of the code families with many numbers (items, relics, abilities,
// places, missions).
#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "orders/order_phrases.h"

namespace vorda::line_costs {

struct LineParams {
  std::int32_t P1 = 0;
  std::int32_t P2 = 0;
  std::int32_t P3 = 0;
};

// TVP, VP and PP are 32-bit columns: every rule is worked out wide and the
// result kept modulo 2^32 (Wrap32), so that no parameter a file may hold can
// overflow.
using vorda::Wrap32;

// TU is one signed byte: a value is kept as its low byte read as -128..127.
constexpr std::int8_t TuByte(std::int64_t value) {
  return static_cast<std::int8_t>(static_cast<std::uint8_t>(value));
}

// The game's ceiling: a div b (toward zero), plus 1 when b does not divide a.
constexpr std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
  return a / b + (a % b != 0 ? 1 : 0);
}

inline bool IsOneOf(std::int32_t value, std::initializer_list<std::int32_t> set) {
  return std::find(set.begin(), set.end(), value) != set.end();
}

using vorda::InRange;

// "H": the VP of an item line (computed with the other VP rules, before TVP).
std::int64_t ItemVp(const LineParams& p);
// "H": the TVP of an item line; `tvp` is what the line holds, which some items
// keep as the variant the editor chose.
std::int64_t ItemTvp(const LineParams& p, std::int32_t tvp);

// "KT": VP and TVP of a relic line (TVP may be kept from `tvp`).
std::int64_t RelicVp(const LineParams& p);
std::int64_t RelicTvp(const LineParams& p, std::int32_t tvp);

// "EK": TU and TVP of an ability line. `distance` is the teleport distance of
// ability 559 (unused by every other ability); `tvp` is what the line holds.
std::int64_t AbilityTu(const LineParams& p, std::int32_t distance);
std::int64_t AbilityTvp(const LineParams& p, std::int32_t tvp);

// "BE": the TVP of entering a place; `tvp` is what the line holds and
// `position_x` the x that the last move replay reached.
std::int64_t PlaceTvp(const LineParams& p, std::int32_t tvp, std::int32_t position_x);

// "KLD": the TVP of a mission.
std::int64_t MissionTvp(const LineParams& p);

}  // namespace vorda::line_costs
