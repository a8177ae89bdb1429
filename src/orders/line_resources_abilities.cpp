// Ability ("EK") costs: TU and TVP by the ability's number.
#include <cstdint>

#include "orders/line_resources_rules.h"

namespace vorda::line_costs {

namespace {

struct FixedAbilityCost {
  std::int32_t Ability;
  std::int32_t Tu;
  std::int32_t Tvp;
};

// Abilities whose cost does not depend on the parameters.
constexpr FixedAbilityCost kFixedAbilityCosts[] = {
    {1, 1, 0},    {2, 1, 0},    {4, 1, 0},    {5, 0, 3},    {6, 2, 0},    {32, 1, 5},   {37, 1, 0},
    {39, 1, 0},   {99, 1, 10},  {101, 1, 0},  {102, 1, 5},  {105, 4, 20}, {111, 1, 0},  {114, 4, 20},
    {115, 1, 0},  {118, 4, 15}, {122, 4, 20}, {131, 2, 10}, {133, 6, 60}, {135, 2, 10}, {140, 6, 0},
    {143, 2, 50}, {145, 1, 10}, {147, 1, 5},  {148, 4, 20}, {158, 2, 10}, {159, 4, 10}, {163, 6, 20},
    {164, 1, 5},  {172, 2, 10}, {176, 0, 10}, {185, 4, 0},  {187, 1, 0},  {189, 1, 10}, {206, 2, 5},
    {207, 1, 5},  {208, 2, 10}, {210, 3, 60}, {212, 1, 0},  {214, 4, 40}, {224, 4, 20}, {225, 4, 40},
    {227, 0, 5},  {248, 2, 20}, {288, 2, 10}, {289, 1, 10}, {293, 0, 10}, {294, 3, 0},  {302, 2, 50},
    {311, 4, 20},
};

const FixedAbilityCost* FindFixedAbility(std::int32_t ability) {
  for (const auto& row : kFixedAbilityCosts)
    if (row.Ability == ability) return &row;
  return nullptr;
}

// A teleport given a target square (P2, P3) is the cheap form of 395 and 503.
bool HasTarget(const LineParams& p) { return p.P2 > 0 && p.P3 > 0; }

}  // namespace

std::int64_t AbilityTu(const LineParams& p, std::int32_t distance) {
  if (const auto* fixed = FindFixedAbility(p.P1)) return fixed->Tu;
  const std::int64_t p2 = p.P2;
  const std::int64_t p3 = p.P3;
  switch (p.P1) {
    case 3:
      if (p2 >= 1000) return 1;
      switch (p2) {
        case 0: return 1;
        case 1: return 0;
        case 2: return 1;
        case 4: return 2;
        case 5: return 1;
        default: return 0;
      }
    case 7: return p3 == 0 ? 1 : p3;
    case 12: return p3 == 0 ? 5 : 0;
    case 40: return p2;
    case 41:
      if (p2 == 26) return CeilDiv(p3, 5);
      return p2 == 166 ? p3 : 0;
    case 42: return p2;
    case 43: return p2 >= 1 && p2 <= 6 ? (p2 + 1) / 2 : 0;
    case 103: return 0;
    case 109: return p2 == 1 ? 4 : 6;
    case 134:
      return (p2 == 70 && (p3 == 5 || p3 == 6)) || (p2 == 85 && p3 == 3) || (p2 == 152 && p3 == 2) ? 1 : 0;
    case 138:
      if (p2 == 0) return 1;
      return p2 >= 1 && p2 <= 3 ? p2 : 0;
    case 153: return 2 * p2;
    case 179: return p2;
    case 180: return -p2;
    case 190: return p2 > 0 ? 1 : 0;
    case 194: return p2;
    case 215:
    case 390: return -p2;
    case 395:
    case 503: return HasTarget(p) ? 3 : 6;
    // One TU for every three squares of the jump, or part of three.
    case 559: return HasTarget(p) ? CeilDiv(distance, 3) : 0;
    default: return 0;
  }
}

std::int64_t AbilityTvp(const LineParams& p, std::int32_t tvp) {
  if (const auto* fixed = FindFixedAbility(p.P1)) return fixed->Tvp;
  const std::int64_t p2 = p.P2;
  switch (p.P1) {
    case 3:
      if (p2 == 1 || p2 == 2 || p2 == 4) return 10;
      return p2 == 5 ? 20 : 0;
    case 40: return -5 * p2;
    case 41: return 5;
    case 103: return p2;
    case 109: return 20;
    case 138:
      if (p2 == 0) return 10;
      return p2 >= 1 && p2 <= 3 ? 5 * p2 : 0;
    case 153: return 25 * p2;
    case 179: return -5 * p2;
    case 180: return 7 * p2;
    case 194: return 10 * p2;
    case 395:
    case 503: return HasTarget(p) ? 5 : 20;
    case 559: return HasTarget(p) ? 10 : tvp;
    default: return 0;  // 7, 12, 42, 43, 134, 190, 215, 390 and unknown abilities
  }
}

}  // namespace vorda::line_costs
