// Movement, item and point transfers, and the friendship list.
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "orders/describe_orders1_branches.h"
#include "orders/directions.h"

namespace vorda::describe1 {

namespace {

bool IsDirection(std::int32_t v) { return InRange(v, 1, kDirectionCount); }

std::string Direction(std::int32_t v) { return DirectionNames()[static_cast<std::size_t>(v)]; }

// Looked up in reading order, so that the last found record (LastFoundIndex) is
// that of the third item.
std::string ThreeItems(const OrderLine& o) {
  std::string text = ItemName(o.P1);
  text += " " + ItemName(o.P2);
  text += " " + ItemName(o.P3);
  return text;
}

}  // namespace

// Up to three steps; a step that is no direction shows as a red question mark,
// an empty one adds nothing.
std::string DescribeMove(OrderLine& o) {
  std::string text = "mozogsz";
  if (IsDirection(o.P1))
    text += " @" + Direction(o.P1);
  else if (o.P1 != 0)
    text += " ^?$";
  for (const std::int32_t step : {o.P2, o.P3}) {
    if (IsDirection(step))
      text += "$, @" + Direction(step);
    else if (step != 0)
      text += ", ^?$";
  }
  return text;
}

// A hand-over costs nothing when the receiver stands by; sent from afar it has a
// TVP cost, which the editor's "+" key switches on and off.
std::string DescribeHandOver(OrderLine& o) {
  const bool sent = SheetModel().Lines.SheetTvp[static_cast<std::size_t>(o.Line)] != 0;
  const std::string verb = sent ? "$ átküldve @"_w : "$ átadandó @"_w;
  std::string text = o.P3 == 0 ? std::string() : Num(o.P3) + " ";
  return text + "@" + ItemName(o.P1) + verb + CharacterName(o.P2) + "$ részére"_w;
}

std::string DescribeHandOverSet(OrderLine& o) {
  const bool sent = SheetModel().Lines.SheetTvp[static_cast<std::size_t>(o.Line)] != 0;
  return (sent ? "készlet áküldése: @"_w : "készlet átadása: @"_w) + ThreeItems(o);
}

std::string DescribeCourier(OrderLine& o) {
  std::string text = "Futár: "_w;
  if (o.P3 != 0) text += Num(o.P3) + " ";
  return text + "@" + ItemName(o.P1) + "$ átküldése @"_w + CharacterName(o.P2) + "$ részére"_w;
}

std::string DescribeCourierSet(OrderLine& o) {
  return "Futár (készlet átküldése): @"_w + ThreeItems(o);
}

std::string DescribeSacrifice(OrderLine& o) { return "áldozás @"_w + ThreeItems(o); }

std::string DescribeMaxTuTransfer(OrderLine& o) {
  return "@" + CharacterName(o.P1) + "$ javára @"_w + Num(o.P2) + "$ MXTU átadandó"_w;
}

std::string DescribeTuTransfer(OrderLine& o) {
  return "@" + CharacterName(o.P1) + "$ javára @"_w + Num(o.P2) + "$ TU átadandó"_w;
}

// Empty slots still add their blank name and separator.
std::string DescribeFriends(OrderLine& o) {
  const bool any = o.P1 != 0 || o.P2 != 0 || o.P3 != 0;
  std::string text = any ? "barát: @"_w : "törlöd a barátkozási listádat"_w;
  return text + CharacterOrMonsterName(o.P1) + " " + CharacterOrMonsterName(o.P2) + " " + CharacterOrMonsterName(o.P3);
}

}  // namespace vorda::describe1
