// The enter order "BE": P1 is the place code, P2 and P3 mean what the place makes
// of them (a tower level, a stake, an order at the inn, a weapon class to learn,
// spells or monsters to ask about, the length of a caravan journey, extra safes).
#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/win1250.h"
#include "orders/describe_orders1_branches.h"
#include "orders/place_text.h"

namespace vorda::describe1 {

namespace {

bool OneOf(std::int32_t v, std::initializer_list<std::int32_t> codes) {
  return std::find(codes.begin(), codes.end(), v) != codes.end();
}

struct PlacePhrase {
  std::int32_t Code;
  std::string Text;
};

const std::string* Find(const std::vector<PlacePhrase>& table, std::int32_t code) {
  for (const PlacePhrase& row : table)
    if (row.Code == code) return &row.Text;
  return nullptr;
}

std::string Enter(std::int32_t place) { return "belépsz"_w + PlaceText(place); }

// The challenge tower charges 5 gold a level up to level 5, then 20, and 35 at
// the top (level 8).
std::string ChallengeTower(std::int32_t level) {
  std::int32_t fee = 0;
  if (InRange(level, 1, 5))
    fee = 5 * level;
  else if (InRange(level, 6, 7))
    fee = 20;
  else if (level == 8)
    fee = 35;
  else
    return std::string();
  return "próbálkozol a @kihívás tornya "_w + Num(level) + ".$ szintjén (@"_w + Num(fee) + "$ arany)";
}

std::string Arena(const OrderLine& o) {
  static const std::vector<PlacePhrase> arenas = {
      {633, "belépsz a @zangrozi arénába$ "_w},
      {634, "belépsz az @alanori arénába$ "_w},
      {635, "belépsz a @roxati arénába$ "_w},
  };
  std::string text = *Find(arenas, o.P1);
  if (o.P2 > 0 && o.P3 == 0)
    text += "(@" + Num(o.P2) + "$ arany tétben)"_w;
  else if (o.P2 >= 0 && o.P3 > 0)
    text += "(@" + Num(o.P2) + "$ arany tétben, @"_w + CharacterName(o.P3) + "$ ellen)";
  return text;
}

const std::vector<PlacePhrase>& Inns() {
  static const std::vector<PlacePhrase> inns = {
      {607, " a @shadari fogadóba$"_w},   {608, " a @qvilli fogadóba$"_w},
      {609, " a @gatini fogadóba$"_w},    {610, " a @xantroxi fogadóba$"_w},
      {611, " a @libertani fogadóba$"_w}, {612, " a @wargpini fogadóba$"_w},
      {613, " a @vaskaromi fogadóba$"_w}, {621, " a @zangrozi fogadóba$"_w},
      {622, " az @alanori fogadóba$"_w},  {623, " a @roxati fogadóba$"_w},
      {684, " a @fehér bérci fogadóba$"_w}, {703, " a @ZAN fogadóba$"_w},
  };
  return inns;
}

// What is ordered at the inn (P2), for one portion or for P3 of them.
struct InnOrder {
  std::int32_t Kind;
  std::string One;    // P3 = 0
  std::string Drink;  // after "<P3>$x @" when P3 > 0
};

std::string InnOrderText(std::int32_t kind, std::int32_t portions) {
  static const std::vector<InnOrder> orders = {
      {1, ", rendelés: @fél liter sör$ "_w, "fél liter sör$ "_w},
      {11, ", rendelés: @fél liter sör$ + @kaja$ "_w, "fél liter sör$ + @kaja$ "_w},
      {2, ", rendelés: @három deci bor$ "_w, "három deci bor$ "_w},
      {12, ", rendelés: @három deci bor$ + @kaja$"_w, "három deci bor$ + @kaja$"_w},
      {3, ", rendelés: @fél deci pálinka$ "_w, "fél deci pálinka$ "_w},
      {13, ", rendelés: @fél deci pálinka$ + @kaja$"_w, "fél deci pálinka$ + @kaja$"_w},
  };
  for (const InnOrder& row : orders) {
    if (row.Kind != kind) continue;
    if (portions == 0) return row.One;
    if (portions > 0) return ", rendelés: @"_w + Num(portions) + "$x @" + row.Drink;
    return std::string();
  }
  return std::string();
}

// The evening's games after a night's lodging.
std::string InnGames(std::int32_t games) {
  static const std::array<std::string, 8> texts = {
      "",
      "(szkander)",
      "(dart)",
      "(szkander és dart)"_w,
      "(kockázás)"_w,
      "(szkander és kocka)"_w,
      "(dart és kocka)"_w,
      "(mindenbe benne vagy)",
  };
  return InRange(games, 1, 7) ? texts[static_cast<std::size_t>(games)] : std::string();
}

std::string Inn(const OrderLine& o) {
  std::string text = "belépsz"_w;
  if (o.P1 == 612 && o.P2 == 0 && o.P3 == 0)
    text += " a @wargpini fogadóba$ / @viharóriás barlangba$ (#"_w + Num(o.P1) + ")";
  else
    text += *Find(Inns(), o.P1);
  if (o.P2 == 20 || o.P2 == 30) {
    text += o.P2 == 20 ? ", szállás: @padláson$ "_w : ", szállás: @külön szobában$ "_w;
    text += InnGames(o.P3);
  } else {
    text += InnOrderText(o.P2, o.P3);
  }
  return text;
}

const std::vector<PlacePhrase>& WeaponMasters() {
  static const std::vector<PlacePhrase> masters = {
      {562, "a @xantroxi"},           {572, "a @libertani"},
      {573, "a @wargpini"},           {574, "a @vaskaromi"},
      {630, "a @zangrozi"},           {631, "az @alanori"},
      {632, "a @roxati"},             {686, "a @Sötét Földön lévő"_w},
      {698, "a @Földelem Kapuja"_w},  {702, "a @Vérvörös Lángok"_w},
      {725, "a @sawaki"},             {782, "a @császárvárosi "_w},
      {815, "a @déli dűneelf "_w},    {816, "az @északi dűneelf "_w},
  };
  return masters;
}

std::string WeaponMaster(const OrderLine& o) {
  if (o.P2 < 1) return Enter(o.P1);
  static const std::array<std::string, 7> classes = {
      "",
      "ökölvívás$)"_w,
      "szúrófegyverek$)"_w,
      "vágófegyverek$)"_w,
      "ütőfegyverek$)"_w,
      "lőfegyverek$)"_w,
      "dobófegyverek$)"_w,
  };
  const std::string weapon_class = InRange(o.P2, 1, 6) ? classes[static_cast<std::size_t>(o.P2)] : "^???$)";
  return "bemész "_w + *Find(WeaponMasters(), o.P1) + " @fegyvermesterhez$ tanulni (@" + weapon_class;
}

// The spells (or monsters) asked about: " @first$, " and " @second$".
std::string TwoAsked(const OrderLine& o, std::string (*name)(std::int32_t)) {
  std::string text;
  if (o.P2 > 0) text += " @" + name(o.P2) + "$, ";
  if (o.P3 > 0) text += " @" + name(o.P3) + "$";
  return text;
}

bool Asks(const OrderLine& o) { return o.P2 > 0 || o.P3 > 0; }

std::string ViciousCircle(const OrderLine& o) {
  if (!Asks(o)) return "bemész az @Ördögi Kör$ épületébe"_w;
  return "Ördögi Kör: "_w + TwoAsked(o, SpellName);
}

std::string ArcheryRange(const OrderLine& o) {
  if (!Asks(o)) return "bemész az @alanori íjásztelepre$"_w;
  std::string text = "íjásztelep"_w;
  if (o.P2 > 0) text += ": @" + ItemName(o.P2) + "$ lövedék/dobófegyver"_w;
  if (o.P3 > 0) text += ", @" + Num(o.P3) + "$ arany kenőpénz"_w;
  return text;
}

std::string ChaosCathedral(const OrderLine& o) {
  if (!Asks(o)) return "bemész a @Káoszkatedrálisba$"_w;
  return "Káoszkatedrális: "_w + TwoAsked(o, SpellName);
}

std::string IronClubs(const OrderLine& o) {
  if (!Asks(o)) return "bemész a @Vasalt Bunkók$ épületébe"_w;
  return "Bunkó infók: "_w + TwoAsked(o, MonsterName);
}

// The wagon caravan travels 3 to 15 squares; 0 is shown plainly too.
std::string WagonCaravan(const OrderLine& o) {
  const bool valid = o.P2 == 0 || InRange(o.P2, 3, 15);
  return (valid ? "szekérkaraván: @"_w : "szekérkaraván: ^??? "_w) + Num(o.P2) + "$ mezőt utazol"_w;
}

std::string ContestTower(const OrderLine& o) {
  return o.P2 > 0 ? "versengés tornya: @FNO$"_w : "versengés tornya: @TP+kincskeresés$"_w;
}

std::string MonsterArena(const OrderLine& o) {
  std::string text = "szörnyaréna: @"_w + Num(o.P2) + "$ ellenfél"_w;
  if (o.P3 > 0) text += " (erősebb ellenféllel)"_w;
  return text;
}

bool IsBank(std::int32_t place) {
  return OneOf(place, {564, 581, 582, 583, 624, 625, 626, 697, 705, 748, 779, 864});
}

}  // namespace

// The first rule whose place (and parameter) matches builds the text.
std::string DescribeEnter(OrderLine& o) {
  const std::int32_t place = o.P1;
  if (place == 502 && o.P2 != 0) return ChallengeTower(o.P2);
  if (InRange(place, 633, 635)) return Arena(o);
  if (OneOf(place, {563, 578, 579, 580}) && o.P2 == 1) return "helytartói licit lekérése"_w;
  if (Find(Inns(), place)) return Inn(o);
  if (place == 493) {
    std::string text = "bemész a @rejtett kolostorba$ tanulni"_w;
    if (o.P2 > 0) text += " @" + Num(o.P2) + "$ alkalommal";
    return text;
  }
  if (Find(WeaponMasters(), place)) return WeaponMaster(o);
  if (OneOf(place, {709, 710, 747})) return ViciousCircle(o);
  if (place == 717) return ArcheryRange(o);
  if (place == 833) return ChaosCathedral(o);
  if (OneOf(place, {707, 708})) return IronClubs(o);
  if (place == 1215) return WagonCaravan(o);
  if (place == 1681) return ContestTower(o);
  if (OneOf(place, {497, 745, 783, 824, 825})) return MonsterArena(o);
  if (IsBank(place) && o.P2 > 0) return Enter(place) + " (+@" + Num(o.P2) + "$ extra széf)"_w;
  if (o.P2 > 0) return Enter(place) + " (^???$)";
  return Enter(place);
}

}  // namespace vorda::describe1
