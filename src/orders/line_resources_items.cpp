// Item ("H") and relic ("KT") costs.
#include <algorithm>
#include <cstdint>
#include <span>

#include "data/game_tables.h"
#include "orders/line_resources_rules.h"

namespace vorda::line_costs {

namespace {

// Items with a fixed TVP, grouped by the TVP.
constexpr std::int32_t kItemsTvpMinus100[] = {979};
constexpr std::int32_t kItemsTvpMinus10[] = {1398};
constexpr std::int32_t kItemsTvpMinus5[] = {211};
constexpr std::int32_t kItemsTvp0[] = {335, 341, 544, 569, 697, 883, 892, 1137, 1143, 1400, 1459, 1460,
                                       1586, 1610, 1619, 1629, 1640, 1693, 1983, 2020, 2241, 2242, 2295};
constexpr std::int32_t kItemsTvp1[] = {242, 1419, 1435, 1546, 1588, 1690, 1701, 1827};
constexpr std::int32_t kItemsTvp2[] = {116, 135, 150, 337, 348, 369, 582, 585, 1540};
constexpr std::int32_t kItemsTvp3[] = {147,  1096, 1269, 1285, 1404, 1405, 1406,
                                       1407, 1408, 1409, 1525, 1544, 1602, 1760};
constexpr std::int32_t kItemsTvp4[] = {201, 1154};
constexpr std::int32_t kItemsTvp5[] = {81,   163,  243,  265,  504,  1150, 1224, 1225, 1253,
                                       1271, 1402, 1475, 1501, 1534, 1608, 1609, 1615, 1652,
                                       1678, 1755, 1775, 1802, 1820, 1899, 2069};
constexpr std::int32_t kItemsTvp6[] = {431, 1184};
constexpr std::int32_t kItemsTvp8[] = {34, 119, 434, 1618};
constexpr std::int32_t kItemsTvp10[] = {1106, 1107, 1268, 1332, 1340, 1387, 1413, 1450, 1477, 1819, 2313};
constexpr std::int32_t kItemsTvp12[] = {367};
constexpr std::int32_t kItemsTvp14[] = {1612};
constexpr std::int32_t kItemsTvp15[] = {62, 321, 1403};
constexpr std::int32_t kItemsTvp20[] = {645,  959,  961,  963,  1064, 1133, 1333, 1607,
                                        1639, 1660, 1717, 1873, 2121, 2136, 2183, 2504};
constexpr std::int32_t kItemsTvp25[] = {1554, 1709};
constexpr std::int32_t kItemsTvp30[] = {1085, 1497};
constexpr std::int32_t kItemsTvp50[] = {1086};
constexpr std::int32_t kItemsTvp60[] = {633};
constexpr std::int32_t kItemsTvp100[] = {2026};
constexpr std::int32_t kItemsTvp200[] = {1635};
constexpr std::int32_t kItemsTvp300[] = {975};

struct FixedItemTvp {
  std::int32_t Tvp;
  std::span<const std::int32_t> Items;
};

constexpr FixedItemTvp kFixedItemTvp[] = {
    {-100, kItemsTvpMinus100}, {-10, kItemsTvpMinus10}, {-5, kItemsTvpMinus5}, {0, kItemsTvp0},
    {1, kItemsTvp1},           {2, kItemsTvp2},         {3, kItemsTvp3},       {4, kItemsTvp4},
    {5, kItemsTvp5},           {6, kItemsTvp6},         {8, kItemsTvp8},       {10, kItemsTvp10},
    {12, kItemsTvp12},         {14, kItemsTvp14},       {15, kItemsTvp15},     {20, kItemsTvp20},
    {25, kItemsTvp25},         {30, kItemsTvp30},       {50, kItemsTvp50},     {60, kItemsTvp60},
    {100, kItemsTvp100},       {200, kItemsTvp200},     {300, kItemsTvp300},
};

// Items sold in variants: the line keeps the TVP of the variant that the
// editor's "+" key chose, and anything else falls back to the first variant.
std::int64_t VariantTvp(std::int32_t tvp, std::initializer_list<std::int32_t> variants) {
  return IsOneOf(tvp, variants) ? tvp : *variants.begin();
}

// Items with a rule of their own; false when `p.P1` has none.
bool SpecialItemTvp(const LineParams& p, std::int32_t tvp, std::int64_t& result) {
  const std::int64_t p2 = p.P2;
  switch (p.P1) {
    case 78: result = VariantTvp(tvp, {16, 35}); return true;
    case 92: result = VariantTvp(tvp, {14, 20}); return true;
    case 165: result = VariantTvp(tvp, {24, 28}); return true;
    case 365: result = VariantTvp(tvp, {14, 16, 20, 24, 28, 35, 40}); return true;
    case 392: result = VariantTvp(tvp, {40, 45}); return true;
    case 248: result = p2 >= 1 ? 5 * p2 : 5; return true;
    case 578:
    case 970: result = p2 == 0 ? 5 : 5 * p2; return true;
    case 1228: result = p2 == 0 ? 2 : 2 * p2; return true;
    case 1294: result = p2 == 0 ? 20 : 20 * p2; return true;
    // One more piece costs one more than the piece before: 2 + 3 + ... + (P2 + 1).
    case 1295: result = p2 == 0 ? 2 : p2 > 0 ? p2 * (p2 + 3) / 2 : 0; return true;
    case 1508: result = p2 == 0 ? 1 : p2; return true;
    case 1589: result = p.P3 == 0 ? 3 : 6; return true;
    case 2119: result = p2 == 0 ? 60 : tvp; return true;
    case 1167:
    case 1168: result = RecipeCost(p.P2); return true;
    default: return false;
  }
}

}  // namespace

std::int64_t ItemVp(const LineParams& p) {
  const std::int64_t p2 = p.P2;
  const std::int64_t p3 = p.P3;
  switch (p.P1) {
    case 305:
      if (p2 == 1 || p2 == 2) return -100 * p2;
      return p2 == 0 ? -100 : -200;
    case 544: return p2;
    case 1755: return -p2;
    case 697:
      if (p3 > 0) return -(p2 * p3 / 2);
      return p3 == 0 ? -(p2 / 2) : 0;
    default: return 0;  // 1639 gets its VP with its TVP
  }
}

std::int64_t ItemTvp(const LineParams& p, std::int32_t tvp) {
  std::int64_t result = 0;
  if (!SpecialItemTvp(p, tvp, result)) {
    bool fixed = false;
    for (const auto& group : kFixedItemTvp) {
      if (std::find(group.Items.begin(), group.Items.end(), p.P1) != group.Items.end()) {
        result = group.Tvp;
        fixed = true;
        break;
      }
    }
    // Any other item costs one TVP a piece, except those of kind 2.
    if (!fixed) result = p.P2 > 0 && ItemKind(p.P1) != 2 ? p.P2 : 0;
  }
  if (p.P1 == 1 && p.P2 == 999) result = 0;
  return result;
}

std::int64_t RelicVp(const LineParams& p) {
  const std::int32_t id = p.P1;
  if (IsOneOf(id, {284, 286, 313, 448, 449, 473})) return 30;
  if (InRange(id, 420, 427) || InRange(id, 457, 460) || id == 462 || id == 463 || InRange(id, 465, 467) ||
      id == 518 || id == 538)
    return 300;
  return 0;
}

std::int64_t RelicTvp(const LineParams& p, std::int32_t tvp) {
  std::int64_t result = tvp;
  if (p.P1 > 0) result = ItemCost(p.P1);
  if (p.P2 > 0) result = std::int64_t{ItemCost(p.P1)} * p.P2;
  if (InRange(p.P1, 757, 766) && InRange(p.P2, 767, 776) && InRange(p.P3, 777, 786))
    result = 50;
  else if (InRange(p.P1, 767, 776) && InRange(p.P2, 767, 776) && p.P3 == 0)
    result = 10;
  if (p.P1 == 50) {
    if (p.P2 == 0)
      result = 2;
    else if (p.P2 > 0)
      result = 2 * std::int64_t{p.P2};
  }
  return result;
}

}  // namespace vorda::line_costs
