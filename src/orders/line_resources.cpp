#include "orders/line_resources.h"

#include <cstdint>
#include <string_view>

#include "data/char_settings.h"
#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "orders/line_resources_rules.h"
#include "orders/move_replay.h"
#include "orders/orders_state.h"

namespace vorda {

namespace {

using line_costs::LineParams;
using line_costs::TuByte;
using line_costs::Wrap32;

// One line being priced: its code, its parameters and its four resource
// columns as the line held them (the values that a rule may keep).
struct PricedLine {
  int Line = 0;
  std::string_view Code;
  LineParams P;
  std::int32_t Tvp = 0;
  std::int32_t Vp = 0;
  std::int32_t Pp = 0;
  std::int8_t Tu = 0;

  void SetTvp(std::int64_t value) { Tvp = Wrap32(value); }
  void SetVp(std::int64_t value) { Vp = Wrap32(value); }
  void SetPp(std::int64_t value) { Pp = Wrap32(value); }
  void SetTu(std::int64_t value) { Tu = TuByte(value); }

  int CountPositiveParams() const { return (P.P1 > 0) + (P.P2 > 0) + (P.P3 > 0); }
};

bool IsDirection(std::int32_t value) { return value >= 1 && value <= 8; }

constexpr std::int32_t kWholeTvpSpell = 299;  // the one spell of a set that costs its full TVP

// "V": the VP of casting spell P1. Only spells (kind "V") cost VP.
std::int64_t SpellVp(const LineParams& p) {
  if (p.P1 <= 0 || SpellKind(p.P1) != 'V') return 0;
  const std::int64_t n2 = SpellValue2(p.P1);
  switch (p.P1) {
    case 15:  // by the strength P3, at most 6
      if (p.P3 >= 1 && p.P3 <= 6) return n2 * p.P3;
      return p.P3 > 6 ? 6 * n2 : n2;
    case 21:
    case 77:
    case 88:
    case 160: return p.P2 > 0 ? n2 * p.P2 : n2;
    case 22: return p.P2 > 0 ? ItemCost(p.P2) / 2 : 0;  // half the cost of the item P2
    default: return n2;
  }
}

// "V": the TVP of casting spell P1.
void SpellTvp(PricedLine& l) {
  switch (l.P.P1) {
    case 15:
      if (l.P.P3 > 0) l.SetTvp(5 * std::int64_t{l.P.P3});
      break;
    case 205:
      if (l.P.P2 == 1) l.SetTvp(0);
      break;
    default: l.SetTvp(SpellValue1(l.P.P1)); break;
  }
}

// "P": PP and TU of using psi ability P1. Only abilities of kind "P" cost PP.
void PsiRule(PricedLine& l) {
  const LineParams& p = l.P;
  l.Vp = 0;
  l.Pp = 0;
  l.Tu = 0;
  if (p.P1 <= 0 || SpellKind(p.P1) != 'P') return;
  const std::int64_t n2 = SpellValue2(p.P1);
  if (p.P1 == 74 && p.P3 > 0) {
    l.SetPp(n2 * p.P3);
  } else if (p.P1 == 115 || p.P1 == 195) {
    // These give TU back: one a use, P2 uses at a time.
    if (p.P2 > 0) {
      l.SetPp(n2 * p.P2);
      l.SetTu(-std::int64_t{p.P2});
    } else {
      l.SetPp(n2);
      l.SetTu(-1);
    }
  } else {
    l.SetPp(n2);
  }
}

// "VV": a set of up to three spells and psi abilities (P1..P3), each paying
// its own VP or PP.
void SpellSetRule(PricedLine& l) {
  std::int64_t vp = 0;
  std::int64_t pp = 0;
  for (const std::int32_t id : {l.P.P1, l.P.P2, l.P.P3}) {
    if (id <= 0) continue;
    const char kind = SpellKind(id);
    if (kind == 'V') vp += SpellValue2(id);
    if (kind == 'P') pp += SpellValue2(id);
  }
  l.SetVp(vp);
  l.SetPp(pp);
  l.Tu = 0;
}

// "VV": in a set every spell costs half its TVP, except spell 299.
void SpellSetTvp(PricedLine& l) {
  std::int64_t tvp = 0;
  for (const std::int32_t id : {l.P.P1, l.P.P2, l.P.P3}) {
    if (id <= 0) continue;
    const std::int64_t n1 = SpellValue1(id);
    tvp += id == kWholeTvpSpell ? n1 : n1 / 2;
  }
  l.SetTvp(tvp);
}

// "EF": TVP factor x P1. The factor lives on between lines: one of the
// editor's choices 5, 15 and 20 stays, anything else becomes 10, and a line
// with P2 > 0 sets 7 for itself and the lines after it.
void EfTvp(PricedLine& l) {
  if (l.P.P1 >= 400) {
    l.SetTvp(0);
    return;
  }
  std::uint8_t& factor = Orders().EfFactor;
  if (factor != 5 && factor != 15 && factor != 20) factor = 10;
  if (l.P.P2 > 0) factor = 7;
  l.SetTvp(std::int64_t{factor} * l.P.P1);
}

// Step 1: VP (and PP) of the codes that spend VP or PP directly.
void VpAndPpRules(PricedLine& l) {
  const LineParams& p = l.P;
  l.Vp = 0;
  if (l.Code == "PPS") {
    l.Pp = p.P1;
  } else if (l.Code == "PPF") {
    l.SetPp(-std::int64_t{p.P1});
  } else if (l.Code == "FOK") {
    // TVP only
  } else if (l.Code == "H") {
    l.SetVp(line_costs::ItemVp(p));
  } else if (l.Code == "KRE") {
    l.SetVp(p.P3 == 0 ? 12 : 12 * std::int64_t{p.P3});
  } else if (l.Code == "V") {
    l.SetVp(SpellVp(p));
    l.Pp = 0;
    l.Tu = 0;
  } else if (l.Code == "VPS" || l.Code == "VPF") {
    const std::int64_t vp = p.P1 > 0 && p.P2 > 0 ? std::int64_t{p.P1} * p.P2 : p.P1;
    l.SetVp(l.Code == "VPS" ? vp : -vp);
    l.Pp = 0;
    l.Tu = 0;
  } else if (l.Code == "EK") {
    if (p.P1 == 215 || p.P1 == 390) l.SetVp(12 * std::int64_t{p.P2});
  }
}

// Step 2: psi abilities and spell sets.
void PsiAndSpellSetRules(PricedLine& l) {
  if (l.Code == "P")
    PsiRule(l);
  else if (l.Code == "VV")
    SpellSetRule(l);
}

// Step 3: PP and TU of the codes that spend mind points.
void PpAndTuRules(PricedLine& l) {
  const LineParams& p = l.P;
  if (l.Code == "EF") {
    l.Pp = 0;
    l.SetTu(p.P1 < 400 ? p.P1 : 0);
  } else if (l.Code == "AT") {
    l.Pp = 0;
    l.SetTu(p.P2);
  } else if (l.Code == "IM") {
    std::int64_t tu = p.P1 == 3 ? 2 : 0;
    if (p.P2 > 0) tu *= p.P2;
    l.SetTu(tu);
  } else if (l.Code == "EK") {
    l.Pp = 0;
    std::int32_t distance = 0;
    // Ability 559 teleports to (P2, P3) without return: 5 PP a square.
    if (p.P1 == 559 && p.P2 > 0 && p.P3 > 0) {
      distance = TeleportDistance(p.P2, p.P3, l.Line);
      l.SetPp(5 * std::int64_t{distance});
    }
    l.SetTu(line_costs::AbilityTu(p, distance));
  }
}

// Step 4: TVP. Each rule may keep the TVP that the line holds.
using TvpRule = void (*)(PricedLine&);

struct TvpLink {
  std::string_view Code;
  TvpRule Rule;
};

constexpr TvpLink kTvpChain[] = {
    {"ERO", [](PricedLine& l) { l.SetTvp(0); }},
    {"KLD", [](PricedLine& l) { l.SetTvp(line_costs::MissionTvp(l.P)); }},
    {"KPCS", [](PricedLine& l) { l.SetTvp(l.P.P1 == 3 ? 20 : 0); }},
    {"KT",
     [](PricedLine& l) {
       l.SetVp(line_costs::RelicVp(l.P));
       l.SetTvp(line_costs::RelicTvp(l.P, l.Tvp));
     }},
    {"M",
     [](PricedLine& l) {
       const int steps = IsDirection(l.P.P1) + IsDirection(l.P.P2) + IsDirection(l.P.P3);
       l.SetTvp(std::int64_t{CharSettings().CharMozg} * steps);
     }},
    {"A", [](PricedLine& l) { l.SetTvp(l.Tvp != 0 ? 5 : 0); }},
    {"AA",
     [](PricedLine& l) {
       if (l.Tvp != 0 && l.CountPositiveParams() > 0) l.SetTvp(5 * l.CountPositiveParams());
     }},
    {"FA", [](PricedLine& l) { l.SetTvp(3); }},
    {"FAA",
     [](PricedLine& l) {
       if (l.CountPositiveParams() > 0) l.SetTvp(3 * l.CountPositiveParams());
     }},
    {"JLK", [](PricedLine& l) { l.SetTvp(l.Tvp == 15 ? 15 : 5); }},
    {"AL", [](PricedLine& l) { l.SetTvp(l.P.P1 > 0 && l.P.P2 > 0 && l.P.P3 == 0 ? 5 : 20); }},
    {"BE",
     [](PricedLine& l) { l.SetTvp(line_costs::PlaceTvp(l.P, l.Tvp, Orders().MovePosition.X)); }},
    {"BEEN", [](PricedLine& l) { l.SetTvp(20); }},
    {"D", [](PricedLine& l) { l.SetTvp(l.P.P3 == 0 ? 0 : 6); }},
    {"E",
     [](PricedLine& l) {
       if (l.P.P1 >= 0 && l.P.P1 <= 40) l.SetTvp(l.P.P1);
     }},
    {"EF", EfTvp},
    {"EP", [](PricedLine& l) { l.SetTvp(l.P.P2); }},
    {"ERKI", [](PricedLine& l) { l.SetTvp(20); }},
    {"F", [](PricedLine& l) { l.SetTvp(CharSettings().CharFelt); }},
    {"FV", [](PricedLine& l) { l.SetTvp(4); }},
    {"GO", [](PricedLine& l) { l.SetTvp(10); }},
    {"GY", [](PricedLine& l) { l.SetTvp(l.P.P1 >= 1 && l.P.P1 <= 40 ? l.P.P1 : 40); }},
    {"GYK", [](PricedLine& l) { l.SetTvp(l.P.P2); }},
    {"ID", [](PricedLine& l) { l.SetTvp(l.P.P2); }},
    {"IM",
     [](PricedLine& l) {
       std::int64_t tvp = 30;
       if (l.P.P2 > 0) tvp = 30 * std::int64_t{l.P.P2};
       if (line_costs::IsOneOf(l.P.P1, {9, 11, 14, 21, 38, 147, 178, 187, 229, 230, 250, 251, 253, 284, 362,
                                        377, 378, 381}))
         tvp = 50;
       l.SetTvp(tvp);
     }},
    {"KUT", [](PricedLine& l) { l.SetTvp(l.P.P1 >= 0 && l.P.P1 <= 1000 ? l.P.P1 : 1000); }},
    {"RM", [](PricedLine& l) { l.SetTvp(l.P.P3); }},
    {"TAN", [](PricedLine& l) { l.SetTvp(10); }},
    {"TF", [](PricedLine& l) { l.SetTvp(l.P.P2); }},
    {"TIM", [](PricedLine& l) { l.SetTvp(l.P.P1 == 2520 ? 10 : l.P.P1); }},
    {"TPF", [](PricedLine& l) { l.SetTvp(-std::int64_t{l.P.P1}); }},
    {"TPS", [](PricedLine& l) { l.SetTvp(l.P.P1); }},
    {"USZ", [](PricedLine& l) { l.SetTvp(l.P.P1); }},
    {"VTN",
     [](PricedLine& l) {
       if (l.P.P1 == 163 && l.P.P2 != 0)
         l.SetTvp(l.P.P2);
       else
         l.SetTvp(35 * l.CountPositiveParams());
     }},
    {"ZIP", [](PricedLine& l) { l.SetTvp(l.P.P2); }},
    {"AV",
     [](PricedLine& l) {
       switch (l.P.P1) {
         case 9: l.SetTvp(12); break;
         case 10:
         case 11:
         case 24:
         case 25: l.SetTvp(10); break;
         case 12: l.SetTvp(l.P.P2); break;
         case 13: l.SetTvp(3); break;
         case 29: l.SetTvp(20); break;
         default: l.SetTvp(0); break;
       }
     }},
    {"VV", SpellSetTvp},
    {"KRE", [](PricedLine& l) { l.SetTvp(2); }},
    {"EK", [](PricedLine& l) { l.SetTvp(line_costs::AbilityTvp(l.P, l.Tvp)); }},
    {"V", SpellTvp},
    {"P", [](PricedLine& l) { l.SetTvp(SpellValue1(l.P.P1)); }},
    {"FOK", [](PricedLine& l) { l.SetTvp(10); }},
    {"H",
     [](PricedLine& l) {
       l.SetTvp(line_costs::ItemTvp(l.P, l.Tvp));
       if (l.P.P1 == 1639) l.SetVp(50);
     }},
};

void TvpRules(PricedLine& l) {
  for (const auto& link : kTvpChain) {
    if (link.Code == l.Code) {
      link.Rule(l);
      return;
    }
  }
  l.Tvp = 0;  // a code without a TVP rule
}

}  // namespace

void CalcLineResources(int line) {
  if (line < 1 || line > kSheetLines) return;
  OrderSheet& sheet = SheetModel().Lines;
  const auto i = static_cast<std::size_t>(line);

  // A free line spends nothing: an order erased from it leaves no PP or TU
  // behind in the totals.
  if (sheet.SheetCodes[i].empty()) {
    sheet.SheetTvp[i] = 0;
    sheet.SheetVp[i] = 0;
    sheet.SheetPp[i] = 0;
    sheet.SheetTu[i] = 0;
    return;
  }

  const auto& params = sheet.SheetParams[i];
  PricedLine l;
  l.Line = line;
  l.Code = sheet.SheetCodes[i];
  l.P = LineParams{params[0], params[1], params[2]};
  l.Tvp = sheet.SheetTvp[i];
  l.Vp = sheet.SheetVp[i];
  l.Pp = sheet.SheetPp[i];
  l.Tu = sheet.SheetTu[i];

  VpAndPpRules(l);
  PsiAndSpellSetRules(l);
  PpAndTuRules(l);
  TvpRules(l);

  sheet.SheetTvp[i] = l.Tvp;
  sheet.SheetVp[i] = l.Vp;
  sheet.SheetPp[i] = l.Pp;
  sheet.SheetTu[i] = l.Tu;
}

}  // namespace vorda
