// Destruction, behaviour settings, relic exchange, shape change, quick casting,
// the lottery, creation, conditional villainy and climbing, auction bids, psi
// abilities, labyrinth levers and magical acceleration.
#include <array>
#include <string>

#include "data/game_tables.h"
#include "platform/win1250.h"
#include "orders/describe_orders2_branches.h"

namespace vorda::orders2 {

namespace {

// AV 26: the looks that an outward change can choose, by P2 (1 hair, 2 eyes,
// 3 skin) and P3; hair and eyes have seven, skin ten.
const std::string& LookText(std::int32_t kind, std::int32_t look) {
  static const std::array<std::array<std::string, 11>, 4> looks = {{
      {},
      {"", "szőke haj"_w, "barna haj", "fekete haj", "vörös haj"_w, "ezüst haj"_w, "arany haj",
       "ősz haj"_w, "", "", ""},
      {"", "barna szem", "szürke szem"_w, "zöld szem"_w, "kék szem"_w, "piros szem", "csillogó szem"_w,
       "félszem"_w, "", "", ""},
      {"", "normál bőrszin"_w, "sötét bőrszin"_w, "fekete bőrszin"_w, "világos bőrszin"_w, "kreol bőrszin"_w,
       "rózsaszin bőrszin"_w, "bronz bőrszin"_w, "fehér bőrszin"_w, "sárga bőrszin"_w, "zöld bőrszin"_w},
  }};
  static const std::string none;
  if (!InRange(kind, 1, 3) || !InRange(look, 1, 10)) return none;
  return looks[static_cast<std::size_t>(kind)][static_cast<std::size_t>(look)];
}

// P 74: the metal or stone that each transmutation makes, from what; any other
// item is a red piece.
std::string Transmutation(std::int32_t item) {
  switch (item) {
    case 85: return " @óndarab$ (@rézdarabból$)"_w;
    case 152: return " @vasérc$ (@óndarabból$)"_w;
    case 226: return " @ramit kő$ (@pirkitből$)"_w;
    case 232: return " @ilkin érc$ (@vasércből$)"_w;
    case 326: return " @ezüstdarab$ (@ilkin ércből$)"_w;
    case 352: return " @mithril$ (@kvazárból$)"_w;
    case 627: return " @adamantit$ (@mihlanilból$)"_w;
    case 2070: return " @metazafír$ (@metagyémántból$)"_w;
    case 2071: return " @metarubin$ (@metazafírból$)"_w;
    case 2072: return " @metasmaragd$ (@metarubinból$)"_w;
    case 2073: return " @metagyémánt$ (@metasmaragdból$)"_w;
    default: return item > 0 ? " ^???$" : "";
  }
}

}  // namespace

std::string DescribeDestruction(const OrderLine& o) {
  std::string s = "@" + ItemName(o.p1) + "$ pusztítása "_w;
  if (o.p2 > 0) s += "@" + N(o.p2) + "$ pontért"_w;
  return s;
}

// VI: boldness 1..99, aggression 1..10 and flight 1..90 percent; a zero in front
// of a later value that is set says that it does not change.
std::string DescribeBehaviour(const OrderLine& o) {
  std::string s = "viselkedés: "_w;
  if (InRange(o.p1, 1, 99))
    s += "merészség @"_w + N(o.p1) + "$";
  else if (o.p1 == 0 && (o.p2 > 0 || o.p3 > 0))
    s += "mer. nem változik"_w;
  else if (o.p1 != 0)
    s += "^???$";
  if (InRange(o.p2, 1, 10))
    s += ", agresszió @"_w + N(o.p2) + "$";
  else if (o.p2 == 0 && o.p3 > 0)
    s += ", agr. nem változik"_w;
  else if (o.p2 != 0)
    s += ", ^???$";
  if (InRange(o.p3, 1, 90))
    s += ", menekülés @"_w + N(o.p3) + "%$";
  else if (o.p3 != 0)
    s += ", ^???%$ menekülés"_w;
  return s;
}

// KT: Zarknod's three relics (757..766, 767..776, 777..786), his exchange of two
// of the middle kind, or else the making or gathering of an item.
std::string DescribeRelicExchange(const OrderLine& o) {
  if (InRange(o.p1, 757, 766) && InRange(o.p2, 767, 776) && InRange(o.p3, 777, 786)) {
    std::string s = "Zarknod: @" + ItemName(o.p1);
    s += "$, @" + ItemName(o.p2);
    s += "$, @" + ItemName(o.p3);
    return s + "$";
  }
  if (InRange(o.p1, 767, 776) && InRange(o.p2, 767, 776) && o.p3 == 0) {
    std::string s = "Zarknod relikvia csere: @" + ItemName(o.p1);
    s += "$, @" + ItemName(o.p2);
    return s + "$";
  }
  std::string s = "készítés/gyűjtés: @"_w;
  if (o.p2 > 0) s += N(o.p2) + " ";
  return s + ItemName(o.p1);
}

// AV: the shapes by P1.
std::string DescribeShapeChange(const OrderLine& o) {
  switch (o.p1) {
    case 9: return "@sasszárnyak$ (repülés - nem működik)"_w;
    case 10: return "@gyökerek$ (vízszívás a talajból)"_w;
    case 11: return "szörnnyé alakulás (@"_w + MonsterName(o.p2) + "$)";
    case 12:
      return "@testújjáépítés$ (@"_w + (o.p2 > 9 ? N(o.p2 - 10) : std::string("0")) + "$ ép gyógyulás)"_w;
    case 13: return "@álcázás$ (növényként táborozás)"_w;
    case 24:
      // Up to 10 kg more, or 11..15 for 1..5 kg less.
      if (InRange(o.p2, 1, 10)) return "@testsúlyváltoztatás$ (@+"_w + N(o.p2) + "$ kg)";
      if (InRange(o.p2, 11, 15)) return "@testsúlyváltoztatás$ (@-"_w + N(o.p2 - 10) + "$ kg)";
      return "@testsúlyváltoztatás$ (^???$ kg)"_w;
    case 25: return "felveszed @" + CharacterName(o.p2) + "$ alakját"_w;
    case 26: return "külső megváltoztatás: @"_w + LookText(o.p2, o.p3);
    case 29: return "tárggyá alakulás (@"_w + ItemName(o.p2) + "$)";
    default: return "alakváltás"_w;
  }
}

std::string DescribeQuickCasting(const OrderLine& o) {
  std::string s = "gyorsvarázslás: @"_w + SpellName(o.p1);
  s += " " + SpellName(o.p2);
  s += " " + SpellName(o.p3);
  return s;
}

// LOT: three tips of 1..30 for ten gold.
std::string DescribeLottery(const OrderLine& o) {
  std::string s = "lottózás (@10$ arany), tippjeid: "_w;
  s += InRange(o.p1, 1, 30) ? "@" + N(o.p1) : std::string("^??");
  s += InRange(o.p2, 1, 30) ? "$, @" + N(o.p2) : std::string("$, ^??");
  s += InRange(o.p3, 1, 30) ? "$, @" + N(o.p3) : std::string("$, ^??");
  return s;
}

std::string DescribeCreation(const OrderLine& o) {
  std::string s = "kreáció: @"_w;
  if (o.p3 > 0) s += N(o.p3) + " ";
  if (o.p2 > 0) s += ItemName(o.p2) + "$ készítése @"_w;
  if (o.p1 > 0) s += ItemName(o.p1) + "$ tárgyból"_w;
  return s;
}

std::string DescribeConditionalVillainy(const OrderLine& o) {
  if (o.p1 > 0) return "feltételes gonoszkodás max. @"_w + N(o.p1) + "$ pontig fordulónként"_w;
  return "feltételes gonoszkodás @törölve$"_w;
}

std::string DescribeConditionalClimbing(const OrderLine& o) {
  std::string s = "feltételes mászás max. @"_w + N(o.p1) + "$ pontig fordulónként"_w;
  if (o.p2 > 0) s += " (minimum: @" + ItemName(o.p2) + "$)";
  return s;
}

std::string DescribeAuctionBid(const OrderLine& o) {
  return "licitálás a helytartói liciten: @"_w + N(o.p1) + ".$ tételre @"_w + N(o.p2) + "$ aranyért"_w;
}

// P: a spell or an attack spell is no psi ability; the abilities with
// parameters have their own texts.
std::string DescribePsiAbility(const OrderLine& o) {
  const char kind = SpellKind(o.p1);
  if (kind == 'V') return SpellName(o.p1) + " ^??? (ez varázslat, V paranccsal aktivizáld)"_w;
  if (kind == 'H') return SpellName(o.p1) + " ^??? (ez támadó/védekező varázslat, tedd TV listába)"_w;
  switch (o.p1) {
    case 65:
      if (o.p2 == 1) return "auratranszformáció (@jóságpont$)"_w;
      if (o.p2 == 2) return "auratranszformáció (@gonoszságpont$)"_w;
      return "auratranszformáció (^???$)"_w;
    case 68:
      if (InRange(o.p2, 0, 9) || InRange(o.p2, 987, 999)) return "felejtés (@"_w + MonsterName(o.p2) + "$)";
      if (o.p2 > 999) return "felejtés (@"_w + CharacterName(o.p2) + "$)";
      return "felejtés (^???$)"_w;
    case 69: return "kí koncentráció @"_w + N(o.p2) + ".$ harcművészeti képességre"_w;
    case 74: {
      std::string s = "molekulaátrendezés"_w;
      if (o.p3 > 0) s += " " + N(o.p3);
      return s + Transmutation(o.p2);
    }
    case 104: return "térképelemzés I. (@"_w + N(o.p2) + ".$ labirintus)";
    case 113: return "pszí ernyő II. (@"_w + CharacterName(o.p2) + "$)";
    case 115: return "pszí konverzió: @+"_w + N(o.p2) + " TU$ -" + N(Times(o.p2, 50)) + " pszípont"_w;
    case 119: return "térképelemzés II. (@"_w + N(o.p2) + ".$ labirintus)";
    case 191: {
      std::string s = "ragály"_w;
      if (o.p3 > 0) s += ", célpont @"_w + CharacterName(o.p3) + "$";
      if (o.p2 >= 1) s += " (@" + N(o.p2) + "$ mösze) -"_w + N(Times(o.p2, 10)) + " pszípont"_w;
      return s;
    }
    case 195: return "pszí konverzió II: @+"_w + N(o.p2) + " TU$ -" + N(Times(o.p2, 20)) + " pszípont"_w;
    case 298: {
      std::string s = "@gyilkos ösztönök$"_w;
      if (o.p2 >= 1) s += ", célpont szintje minimum: @"_w + N(o.p2) + "$";
      return s;
    }
    default: return "pszí képesség használata: @"_w + SpellName(o.p1);
  }
}

// KPCS: what to do with the levers of a labyrinth; the fourth mode searches a
// reference point for 20 points.
std::string DescribeLevers(const OrderLine& o) {
  switch (o.p1) {
    case 0: return "@semmilyen kart$ nem húzol meg"_w;
    case 1: return "@minden kart$ automatikusan meghúzol"_w;
    case 2: return "@meghúzod a kart$, ha van az aktuális ref.pontodon"_w;
    case 3:
      if (o.p2 < 1) return "@átkutatod$ az aktuális ref.pontot @20$ pontért kapcsoló után és meghúzod"_w;
      return "@átkutatod$ a megadott (@"_w + N(o.p2) + "$) ref.pontot @20$ pontért kapcsoló után és meghúzod"_w;
    default: return "";
  }
}

std::string DescribeAcceleration(const OrderLine& o) {
  std::string s = "mágikus gyorsítás: @"_w + ItemName(o.p1);
  s += " " + ItemName(o.p2);
  s += " " + ItemName(o.p3);
  return s;
}

}  // namespace vorda::orders2
