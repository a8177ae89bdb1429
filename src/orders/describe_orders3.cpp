// Describer of guild, mission and macro orders: gem setting, conditional
// shield and magic-stone use, group adventures, macros, missions, the circus
// games, the conditional bank orders and the group news.
#include <array>
#include <cstdint>
#include <string>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "orders/describe_orders3_parts.h"
#include "orders/describers.h"

namespace vorda {

namespace {

using describe3::Num;

struct LineParams {
  std::int32_t p1, p2, p3;
};

// The item look-ups of a text run in its reading order, so that the last found
// record (LastFoundIndex) is that of the last item named.
std::string GemSettingText(const LineParams& p) {  // "FOK": gem P1 into item P2
  const std::string gem = ItemName(p.p1);
  return "@" + gem + "$ behelyezése a következő tárgyba: @"_w + ItemName(p.p2) + "$";
}

std::string ShieldUseText(const LineParams& p) {  // "FPH": shield P1 against monster P2
  if (p.p1 == 0 && p.p2 == 0) return "törlöd a @feltételes pajzshasználat$ beállításokat"_w;
  std::string s = "feltételes pajzshasználat: "_w;
  if (p.p1 > 0) s += "@" + ItemName(p.p1) + "$";
  if (p.p2 > 0) s += ", ha ellenfeled @" + MonsterName(p.p2) + "$";
  return s;
}

std::string MagicStoneText(const LineParams& p) {  // "FVK": below P1 per cent of health
  return "feltételes varázskő használat: @"_w + Num(p.p1) + "%$ alatt";
}

std::string GroupAdventureText(const LineParams& p) {  // "TK"
  std::string s = p.p1 > 0 ? "@" + Num(p.p1) + "$. többszemélyes kaland"_w : "többszemélyes kaland"_w;
  if (p.p2 > 0) s += ", vezető: @"_w + CharacterName(p.p2) + "$";
  if (p.p3 > 0) s += " (kód: @"_w + Num(p.p3) + "$)";
  return s;
}

std::string AdventureSettingText(const LineParams& p) {  // "TKB"
  if (p.p1 == 1 && p.p2 == 0) return "TK beállítás: @csapat folytatja a kalandot$"_w;
  if (p.p1 == 1 && p.p2 == 1) return "TK beállítás: @csapat nem folytatja a kalandot$"_w;
  if (p.p1 == 2)
    return "TK beállítás: @"_w + Num(p.p3) + "$. kaland ismertetése @"_w + CharacterName(p.p2) + "$ karakterrel";
  return "TK beállítás: ^???$"_w;
}

// "MAK": run macro P1, or record it from the next P2 orders, or change it from
// its order P3 on; orders 11..12 and 13..14 need the first and second macro
// extension, and a macro has no order 15 or later.
std::string MacroText(const LineParams& p) {
  if (p.p1 > 0 && p.p2 == 0 && p.p3 == 0) return "@" + Num(p.p1) + "$. makró futtatása"_w;
  if (p.p1 > 0 && p.p2 > 0) {
    const std::string macro = "@" + Num(p.p1);
    const std::string count = Num(p.p2);
    const std::string from = Num(p.p3);
    if (p.p3 == 0) return macro + "$. makró létrehozása a következő @"_w + count + "$ parancsból"_w;
    if (p.p3 >= 15)
      return macro + "$. makró módosítása következő @"_w + count + "$ parancsból (^"_w + from + "$. parancstól)"_w;
    if (p.p3 >= 13)
      return macro + "$. makró módosítása a következő @"_w + count + "$ parancsból (@"_w + from +
             "$. parancstól @makróbővítés II.$)"_w;
    if (p.p3 >= 11)
      return macro + "$. makró módosítása a következő @"_w + count + "$ parancsból (@"_w + from +
             "$. parancstól @makróbővítés I.$)"_w;
    if (p.p3 >= 1)
      return macro + "$. makró módosítása a következő @"_w + count + "$ parancsból (@"_w + from +
             "$. parancstól)"_w;
  }
  return "makró parancs"_w;
}

std::string MissionText(const LineParams& p) {  // "KLD"
  return "küldetést vállalsz el (@"_w + Num(p.p1) + "$. küldetés)"_w;
}

// "CIR": the circus games as a bit mask. The bits are named from the highest
// down, each taken off CurParam1 as it is named.
std::string CircusText(std::int32_t& mask) {
  struct Game {
    std::int32_t bit;
    std::string name;
  };
  static const std::array<Game, 7> games = {{
      {64, "tárgybeváltás "_w},
      {32, "szellemkastély "_w},
      {16, "labirintus "},
      {8, "kártya "_w},
      {4, "banya "},
      {2, "ötpróba "_w},
      {1, "céllövölde "_w},
  }};
  std::string s = "cirkuszolsz: @";
  if (mask > 127) return s + "^hibás paraméter (maximum 127 lehet)"_w;
  if (mask == 0) return s + " törlöd a CIR beállításodat"_w;
  for (const Game& g : games) {
    if (mask >= g.bit) {
      s += g.name;
      mask -= g.bit;
    }
  }
  return s;  // a negative mask names no game
}

// "FBB": when found, item P1 goes to the bank above P2 pieces, or the items
// P1, P2 and P3 all go.
std::string FoundToBankText(const LineParams& p) {
  std::string s = "Ha találsz, beteszed bankba: @"_w + ItemName(p.p1);
  if (p.p1 > 0 && p.p2 > 0 && p.p3 == 0) return s + "$ (@" + Num(p.p2) + "$ db fölött)"_w;
  if (p.p1 > 0 && p.p2 > 0 && p.p3 > 0) {
    s += " " + ItemName(p.p2);
    return s + " " + ItemName(p.p3);
  }
  return s;
}

// "FKB": when short of item P1, take it from the bank up to P2 pieces.
std::string ShortFromBankText(const LineParams& p) {
  const std::string head = "Ha kevés, kiveszed bankból: @"_w;
  if (p.p1 > 0 && p.p2 > 0) return head + ItemName(p.p1) + "$ (@" + Num(p.p2) + "$ db-ig)";
  if (p.p1 > 0 && p.p2 == 0) return head + ItemName(p.p1) + "$ (^?$ db-ig)";
  return head + "T1$ (@P2$ db-ig)";  // the usage hint
}

}  // namespace

void DescribeOrders3(int line) {
  if (!LoadCurParams(line)) return;
  auto& sheet = SheetModel();
  const auto i = static_cast<std::size_t>(line);
  const LineParams p{sheet.CurParam1, sheet.CurParam2, sheet.CurParam3};

  const std::string& code = sheet.Lines.SheetCodes[i];
  if (code == "FOK") {
    sheet.LineDescription = GemSettingText(p);
  } else if (code == "FPH") {
    sheet.LineDescription = ShieldUseText(p);
  } else if (code == "FVK") {
    sheet.LineDescription = MagicStoneText(p);
  } else if (code == "TK") {
    sheet.LineDescription = GroupAdventureText(p);
  } else if (code == "TKB") {
    sheet.LineDescription = AdventureSettingText(p);
  } else if (code == "MAK") {
    sheet.LineDescription = MacroText(p);
  } else if (code == "KLD") {
    sheet.LineDescription = MissionText(p);
  } else if (code == "CIR") {
    sheet.LineDescription = CircusText(sheet.CurParam1);
  } else if (code == "FBB") {
    sheet.LineDescription = FoundToBankText(p);
  } else if (code == "FKB") {
    sheet.LineDescription = ShortFromBankText(p);
  } else if (code == "HIR") {
    sheet.LineDescription = describe3::NewsText(p.p1, p.p2, p.p3);
  }
}

}  // namespace vorda
