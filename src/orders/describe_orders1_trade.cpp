// Recommendation, admission and release lists, closing-order slots, dropping,
// hiding and picking up items, selling, food, building, inventing, weapon
// changes, waste, information passing, passwords and readied items.
#include <cstdint>
#include <string>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "orders/describe_orders1_branches.h"

namespace vorda::describe1 {

namespace {

std::string ThreeCharacters(const OrderLine& o) {
  return CharacterName(o.P1) + " " + CharacterName(o.P2) + " " + CharacterName(o.P3);
}

// The items of a set order, each after the first behind a comma; empty slots
// are left out.
std::string ItemSet(const OrderLine& o) {
  std::string text;
  if (o.P1 > 0) text += ItemName(o.P1);
  if (o.P2 > 0) text += "$, @" + ItemName(o.P2);
  if (o.P3 > 0) text += "$, @" + ItemName(o.P3) + "$";
  return text;
}

// The items of the invention and weapon-change orders, blank-separated.
std::string ItemList(const OrderLine& o) {
  std::string text;
  if (o.P1 > 0) text += " @" + ItemName(o.P1);
  if (o.P2 > 0) text += " " + ItemName(o.P2);
  if (o.P3 > 0) text += " " + ItemName(o.P3);
  return text;
}

// Information about a character (1000..6999) or, for any other number, a monster.
std::string InformationSubject(std::int32_t id) {
  return InRange(id, 1000, 6999) ? CharacterName(id) : MonsterName(id);
}

}  // namespace

std::string DescribeRecommend(OrderLine& o) { return "beajánlva @"_w + ThreeCharacters(o); }

std::string DescribeAdmit(OrderLine& o) { return "beengedve @" + ThreeCharacters(o); }

// Ten slots hold the closing orders.
std::string DescribeClosingOrderSlot(OrderLine& o) {
  if (InRange(o.P1, 1, 10)) return "befejező parancs @"_w + Num(o.P1) + ".$ helyre";
  if (o.P1 == 0) return "befejező parancs berakása"_w;
  return "befejező parancs ^?.$ helyre"_w;
}

std::string DescribeClosingOrderDelete(OrderLine& o) {
  if (InRange(o.P1, 1, 10)) return "befejező parancs törlése @"_w + Num(o.P1) + ".$ helyről"_w;
  if (o.P1 == 11) return "összes befejező parancs törlése"_w;
  return "befejező parancs törlése ^?.$ helyről"_w;
}

// P3 0 drops the items; a code of 10..99 hides them under that code.
std::string DescribeDrop(OrderLine& o) {
  if (o.P3 == 0) {
    const std::string count = o.P2 == 0 ? std::string() : Num(o.P2) + " ";
    return count + "@" + ItemName(o.P1) + "$ eldobása"_w;
  }
  if (InRange(o.P3, 10, 99))
    return Num(o.P2) + " @" + ItemName(o.P1) + "$ elrejtése @"_w + Num(o.P3) + ".$ kódra"_w;
  return std::string();
}

std::string DescribeDropSet(OrderLine& o) { return "készlet eldobása: @"_w + ItemSet(o); }

std::string DescribeDeusExMachina(OrderLine& o) {
  const std::string squares = InRange(o.P1, 1, 20) ? "(@" + Num(o.P1) + "$ mező)"_w : "(^?$ mező)"_w;
  return "deus ex machina beállítása "_w + squares;
}

std::string DescribeFoodGathering(OrderLine& o) {
  return "élelemszerzés @"_w + (InRange(o.P1, 1, 40) ? Num(o.P1) + "$ pontért"_w : "^?$ pontért"_w);
}

// A sale is priced with the item's second value (the unit price in ap) times the
// pieces; the product can exceed 32 bits and is shown whole.
std::string DescribeSale(OrderLine& o) {
  auto& t = Tables();
  t.LastFoundIndex = 0;
  const std::string item = ItemName(o.P1);
  const std::uint16_t found = t.LastFoundIndex;
  const std::string count = o.P2 == 0 ? std::string() : Num(o.P2) + " ";
  std::string price = "^?$";
  if (found != 0) {
    const std::int64_t unit = t.ItemTable[found].W2;
    price = std::to_string(o.P2 == 0 ? unit : unit * o.P2);
  }
  return count + "@" + item + "$ eladása ("_w + price + " ap)";
}

std::string DescribeSaleSet(OrderLine& o) { return "készlet eladása: @"_w + ItemSet(o); }

std::string DescribeBuilding(OrderLine& o) {
  std::string text = "építés: @"_w + ItemName(o.P1) + "$";
  if (o.P2 > 0) text += " @" + Num(o.P2) + "$ pontért"_w;
  return text;
}

std::string DescribeExpel(OrderLine& o) {
  std::string text = "kitasítva a KT-ból:"_w;
  if (o.P1 > 0) text += " @" + CharacterName(o.P1);
  if (o.P2 > 0) text += " " + CharacterName(o.P2);
  if (o.P3 > 0) text += " " + CharacterName(o.P3);
  return text;
}

std::string DescribeInvention(OrderLine& o) { return "feltalálás:"_w + ItemList(o); }

std::string DescribeWeaponChange(OrderLine& o) { return "fegyverváltás:"_w + ItemList(o); }

std::string DescribeWeaponChangeRisk(OrderLine& o) {
  std::string text;
  if (o.P1 > 0) text += "@" + Num(o.P1) + "%";
  if (o.P2 > 0) text += " " + Num(o.P2) + "%";
  if (o.P3 > 0) text += " " + Num(o.P3) + "%";
  return text + "$ a váltott fegyverek FF kockázata"_w;
}

std::string DescribePickUp(OrderLine& o) {
  return Num(o.P2) + " @" + ItemName(o.P1) + "$ felvétele @"_w + Num(o.P3) + ".$ kódról"_w;
}

// A value threshold of -1 means none and is shown (and kept for the line) as 0.
std::string DescribeGathering(OrderLine& o) {
  if (o.P3 == -1) {
    SheetModel().CurParam3 = 0;
    o.P3 = 0;
  }
  std::string text = "gyűjtés @"_w + Num(o.P3) + "$ ap értéktől, max teher @"_w + Num(o.P2) + "$%,";
  if (o.P1 > 0) text += " @" + ItemName(o.P1) + "$ kivételével"_w;
  return text;
}

// HU 1 1 1 clears the waste list; 0 0 0 would clear nothing, so it shows how.
// The items are looked up before either text replaces the list.
std::string DescribeWaste(OrderLine& o) {
  std::string text = "hulladék: @"_w;
  if (o.P1 > 0) text += ItemName(o.P1);
  if (o.P2 > 0) text += "$, @" + ItemName(o.P2);
  if (o.P3 > 0) text += "$, @" + ItemName(o.P3);
  if (o.P1 == 0 && o.P2 == 0 && o.P3 == 0)
    text = "az összes HU parancs törlésére a ^HU 1 1 1$ parancsot használd!"_w;
  else if (o.P1 == 1 && o.P2 == 1 && o.P3 == 1)
    text = "^összes HU parancs törölve!$"_w;
  return text;
}

std::string DescribeInformation(OrderLine& o) {
  return "információ @"_w + CharacterName(o.P1) + "$ számára: @"_w + InformationSubject(o.P2) + " " +
         ItemName(o.P3);
}

std::string DescribeMassInformation(OrderLine& o) {
  std::string text = "tömeges információ: "_w;
  for (const std::int32_t v : {o.P1, o.P2, o.P3}) text += "@" + InformationSubject(v) + "$ ";
  return text;
}

std::string DescribeMassItemInformation(OrderLine& o) {
  std::string text = "tömeges információ: "_w;
  for (const std::int32_t v : {o.P1, o.P2, o.P3})
    if (v > 0) text += "@" + ItemName(v) + "$ ";
  return text;
}

std::string DescribeInformationForward(OrderLine& o) {
  if (o.P1 == 0) return "az átadott infókat átadod ^???$ számára is"_w;
  return "az átadott infókat átadod @"_w + CharacterName(o.P1) + "$ számára is"_w;
}

std::string DescribePassword(OrderLine& o) { return "jelszó kimondása: @"_w + Num(o.P1); }

// P2 1 and 2 put the item in the right or the left hand, 3 guards it; any other
// P2 is a second item: ammunition for a ranged weapon (item kind 1), or simply
// the second of three readied items. The names are looked up in reading order,
// so that the last record found is that of the last item named.
std::string DescribeReadyItems(OrderLine& o) {
  if (o.P1 <= 0 || (o.P2 <= 0 && o.P3 <= 0)) return "bekészített tárgy: @"_w + ItemName(o.P1);
  if (o.P2 == 3) return "@" + ItemName(o.P1) + "$, féltve őrzöd"_w;
  if (o.P2 == 1) return "@" + ItemName(o.P1) + "$, jobb kézbe veszed"_w;
  if (o.P2 == 2) return "@" + ItemName(o.P1) + "$, bal kézbe veszed"_w;
  const bool ranged = ItemKind(o.P2) == 1;
  std::string text = (ranged ? "bekészített lőfegyver: @"_w : "bekészített tárgyak: @"_w) + ItemName(o.P1);
  if (ranged) return text + "$, lövedék @"_w + ItemName(o.P2);
  text += "$, @" + ItemName(o.P2);
  return text + "$, @" + ItemName(o.P3);
}

std::string DescribeRelease(OrderLine& o) { return "kiengedve @" + ThreeCharacters(o); }

}  // namespace vorda::describe1
