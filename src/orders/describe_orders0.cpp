// Describer of abilities and spells: monster hunt, marriage, Zan energies,
// suicide, mental abilities ("EK") and spells ("V").
#include <string>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "orders/describe_orders0_parts.h"
#include "orders/describers.h"

namespace vorda {

namespace {

using describe0::LineParams;
using describe0::Num;

std::string MonsterHuntText(const LineParams& p) {  // "VD"
  std::string s = "szörnyvadászat: "_w;
  if (p.p1 >= 2 && p.p1 <= 10)
    s += "@" + Num(p.p1) + "$ szörny csata"_w;
  else
    s += "^2-10$ szörny lehet"_w;
  return s;
}

std::string MarriageText(const LineParams& p) {  // "ESK"; the last case that applies stands
  if (p.p1 > 0 && p.p2 > 0)
    return "összeadod a párt: @"_w + CharacterName(p.p1) + "$ + @" + CharacterName(p.p2) + "$ = ^???$";
  if (p.p1 > 0) return "úgy döntöttél: @"_w + CharacterName(p.p1) + "$ lesz a párod"_w;
  return "úgy döntöttél házasodsz"_w;
}

std::string ZanText(const LineParams& p) {  // "ZAN"
  return "Zan energiák kihasználása: (+@"_w + Num(2 * static_cast<std::int64_t>(p.p1)) + "$ TVP, -@" +
         Num(p.p2) + "$ VP -@" + Num(p.p3 / 3) + "$ TU)";
}

}  // namespace

void DescribeOrders0(int line) {
  if (!LoadCurParams(line)) return;
  auto& sheet = SheetModel();
  const auto i = static_cast<std::size_t>(line);
  const LineParams p{line, sheet.CurParam1, sheet.CurParam2, sheet.CurParam3};

  const std::string& code = sheet.Lines.SheetCodes[i];
  if (code == "VD") {
    sheet.LineDescription = MonsterHuntText(p);
  } else if (code == "ESK") {
    sheet.LineDescription = MarriageText(p);
  } else if (code == "ZAN") {
    sheet.LineDescription = ZanText(p);
  } else if (code == "ONGY") {
    sheet.LineDescription = "Öngyilkos akarsz lenni te barom???"_w;
  } else if (code == "EK") {
    sheet.LineDescription = describe0::AbilityText(p);
  } else if (code == "V") {
    sheet.LineDescription = describe0::SpellText(p);
  }
}

}  // namespace vorda
