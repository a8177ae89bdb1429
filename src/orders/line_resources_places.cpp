// Entering a place ("BE") and taking a mission ("KLD"): their TVP.
#include <cstdint>

#include "orders/line_resources_rules.h"

namespace vorda::line_costs {

// The first rule that applies decides.
std::int64_t PlaceTvp(const LineParams& p, std::int32_t tvp, std::int32_t position_x) {
  const std::int64_t p2 = p.P2;
  const std::int64_t p3 = p.P3;
  if (p.P1 == 502 && p2 != 0) {
    if (p2 >= 1 && p2 <= 5) return 10 * p2 + 20;
    if (p2 == 6 || p2 == 7) return 60;
    if (p2 == 8) return 90;
    return tvp;
  }
  if (p.P1 == 488) return 20;
  if (p.P1 == 493) {
    // The editor's "+" key chooses among 5, 50 and 300; P2 overrides it.
    std::int64_t result = IsOneOf(tvp, {5, 50, 300}) ? tvp : 5;
    if (p2 > 0) result = 50 * p2;
    return result;
  }
  if (p.P1 == 494) return 10;
  if (IsOneOf(p.P1, {563, 578, 579, 580}) && p2 == 1) return 5;
  if (InRange(p.P1, 607, 613) || InRange(p.P1, 621, 623)) {
    if (p2 >= 1 && p2 <= 19) return p3 == 0 ? 5 : 5 * p3;
    return p2 == 0 && p3 == 0 ? 5 : 0;
  }
  if (p.P1 == 717 && p2 > 0) return 50;
  if (InRange(p.P1, 1173, 1180)) return 30;
  if (p.P1 == 1215) return 2 * p2;  // the wagon caravan, by the squares travelled
  if (p.P1 == 1511) return 30;
  if (p.P1 == 1512) return 10;
  if (p.P1 == 1821) return 10;
  if (p.P1 == 620) return position_x > 300 ? 20 : tvp;
  if (IsOneOf(p.P1, {497, 745, 783, 824, 825})) return p2 > 0 ? 5 + 10 * p2 : 5;
  if (p2 > 0)
    return IsOneOf(p.P1, {562, 572, 573, 574, 630, 631, 632, 686, 698, 702, 725, 782, 815, 816}) ? 50 : 5;
  return 5;
}

std::int64_t MissionTvp(const LineParams& p) {
  if (IsOneOf(p.P1, {18, 21, 23, 26, 28, 31, 33, 36, 38, 41, 55, 58})) return 300;
  if (IsOneOf(p.P1, {19, 22, 24, 27, 29, 32, 34, 37, 39, 42, 56, 59})) return 200;
  if (IsOneOf(p.P1, {20, 25, 30, 35, 40, 57})) return 250;
  return 40;
}

}  // namespace vorda::line_costs
