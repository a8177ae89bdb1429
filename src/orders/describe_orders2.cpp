// The third describer: skill raising, bank and mind-vault deposits, initial
// orders, research, theft, labyrinth moves, attack and monster lists, attribute
// training, point reserves, shopping, behaviour and learning; then (in their own
// files) shape change, psi abilities and item use.
#include <array>
#include <string>
#include <string_view>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "orders/attribute_names.h"
#include "orders/describe_orders2_branches.h"
#include "orders/describers.h"

namespace vorda {

namespace {

using orders2::N;
using orders2::OrderLine;
using orders2::Times;

// ERO: the strength of the turn's mini-events, in percent of the killed monsters'.
std::string DescribeStrengthening(const OrderLine& o) {
  std::string s = "miniesemény erősítés: "_w;
  if (o.p1 == 0) return s + "@kikapcsolás$, megölt szörnyek alapján számol"_w;
  // More than 300 percent is beyond what the game accepts.
  s += o.p1 < 301 ? "+@" : "+^";
  return s + N(o.p1) + "%$ a szörnyek erősségére"_w;
}

std::string DescribeExtra(const OrderLine&) { return "megpróbálsz @extra$ lemaradást szerezni:)"_w; }

// FNO: the 32 skills, each with its text, indexed 1..32.
const std::array<std::string, 33>& SkillTexts() {
  static const std::array<std::string, 33> texts = {
      "",
      "@sebzés$ képességet "_w,
      "@támadás$ képességet "_w,
      "@védekezés$ képességet "_w,
      "@max.életpont$ képességet "_w,
      "@varázslat sebzés$ képességet "_w,
      "@regeneráció$ képességet "_w,
      "@tulajdonságpont$ képességet "_w,
      "@képességpont$ képességet "_w,
      "@gyors fejlődés$ képességet "_w,
      "@vp regeneráció$ képességet "_w,
      "@kincskeresés$ képességet "_w,
      "@halhatatlanság$ képességet "_w,
      "@tárgymentő$ képességet "_w,
      "@plusz tp$ képességet "_w,
      "@rezisztencia$ képességet "_w,
      "@tulajdonságpajzs$ képességet "_w,
      "@mágiaerő$ képességet "_w,
      "@ganüidrezisztencia$ képességet "_w,
      "@ganüidvadászat$ képességet "_w,
      "@képességfejlesztés$ képességet "_w,
      "@ökölvívás$ képességet "_w,
      "@szúrófegyverek$ képességet "_w,
      "@vágófegyverek$ képességet "_w,
      "@ütőfegyverek$ képességet "_w,
      "@lőfegyverek$ képességet "_w,
      "@dobófegyverek$ képességet "_w,
      "@max. életkor$ képességet "_w,
      "@haláltánc$ képességet "_w,
      "@rugalmasság$ képességet "_w,
      "@keménység$ képességet "_w,
      "@kinetika$ képességet "_w,
      "@félreugrás$ képességet "_w,
  };
  return texts;
}

// FNO: a step of skills 18..20 and of 27 and above costs 300 points, of the others 100.
std::string DescribeSkillRaise(const OrderLine& o) {
  std::string s = "Képesség növelése: "_w;
  s += InRange(o.p1, 1, 32) ? SkillTexts()[static_cast<std::size_t>(o.p1)] : "^???$ képességet "_w;
  if (o.p2 == 0) return s + "^???$ pontért"_w;
  const int per_step = InRange(o.p1, 18, 20) || o.p1 >= 27 ? 300 : 100;
  return s + "@" + N(Times(o.p2, per_step)) + "$ pontért"_w;
}

// BB and KB: P3 518 is the mind vault, P3 < 1 the bank with a count, anything
// else three items at the bank.
std::string DescribeVault(const OrderLine& o, const std::string& mind_vault, const std::string& bank,
                          const std::string& bank_items) {
  if (o.p3 == 518) return mind_vault + N(o.p2) + " @" + ItemName(o.p1);
  if (o.p3 < 1) return bank + N(o.p2) + " @" + ItemName(o.p1);
  std::string s = bank_items + ItemName(o.p1);
  s += " " + ItemName(o.p2);
  s += " " + ItemName(o.p3);
  return s;
}

std::string DescribeDeposit(const OrderLine& o) {
  return DescribeVault(o, "Beteszed a tudati kincstárba: "_w, "Beteszed bankba: "_w, "Beteszed bankba: @"_w);
}

std::string DescribeWithdrawal(const OrderLine& o) {
  return DescribeVault(o, "Kiveszed a tudati kincstárból: "_w, "Kiveszed bankból: "_w, "Kiveszed bankból: @"_w);
}

std::string DescribeTrophies(const OrderLine& o) {
  std::string s = "új trófeáid: @"_w + MonsterName(o.p1);
  s += " " + MonsterName(o.p2);
  s += " " + MonsterName(o.p3);
  return s + "  -1 TU";
}

std::string DescribeAllianceJoin(const OrderLine& o) {
  return "felveszed a szövetségbe a(z) @"_w + CharacterName(o.p1) + "@ közös tudatot"_w;
}

// KPB and KPK: the ten slots of initial orders.
std::string DescribeInitialOrderPut(const OrderLine& o) {
  if (InRange(o.p1, 1, 10)) return "kezdeti parancs @" + N(o.p1) + ".$ helyre";
  if (o.p1 == 0) return "kezdeti parancs berakása"_w;
  return "kezdeti parancs ^?.$ helyre";
}

std::string DescribeInitialOrderDelete(const OrderLine& o) {
  if (InRange(o.p1, 1, 10)) return "kezdeti parancs törlése @"_w + N(o.p1) + ".$ helyről"_w;
  if (o.p1 == 11) return "összes kezdeti parancs törlése"_w;
  if (o.p1 == 0) return "kezdeti parancs törlése ^?.$ helyről"_w;
  return "";
}

// KUT: research of 1..1000 points; a line with any other amount costs 1000 TVP,
// as the cost rules price it, so the describer puts that into the line at once.
std::string DescribeResearch(const OrderLine& o) {
  std::string s;
  if (InRange(o.p1, 1, 1000)) {
    s = "kutatsz @" + N(o.p1) + "$ pontért"_w;
  } else {
    s = "kutatsz ^???$ pontért"_w;
    if (o.p1 != 0) SheetModel().Lines.SheetTvp[static_cast<std::size_t>(o.line)] = 1000;
  }
  if (o.p2 > 0) s += " (ha van legalább @"_w + N(o.p2) + "$ tvp-d)";
  return s;
}

// L: theft from the camp of everybody (10), of a monster (1..9) or of a character.
std::string DescribeTheft(const OrderLine& o) { return ConditionalTheftText(o.p1, o.p2, o.p3); }

std::string DescribeTakeOff(const OrderLine& o) {
  std::string s = "leveszed: ";
  if (o.p1 > 0) s += "@" + ItemName(o.p1);
  if (o.p2 > 0) s += "$, @" + ItemName(o.p2);
  if (o.p3 > 0) s += "$, @" + ItemName(o.p3);
  return s;
}

std::string DescribeVote(const OrderLine&) { return "szavazol egy fontos kerdesben"; }

// LM: a reference point 1..100, an exit 900..905, or 205 the jump to Pörhemor's ring.
std::string DescribeLabyrinthMove(const OrderLine& o) {
  std::string s = "labirintusban mozgás: @"_w;
  if (InRange(o.p1, 1, 100))
    s += N(o.p1) + "$ ref.pont";
  else if (InRange(o.p1, 900, 905))
    s += "OV " + N(o.p1 - 900) + "$";
  else if (o.p1 == 205)
    s += ", @Pörhemor körre$ ugrás"_w;
  for (const std::int32_t v : {o.p2, o.p3}) {
    if (InRange(v, 1, 100))
      s += ", @" + N(v) + "$ ref.pont";
    else if (InRange(v, 900, 905))
      s += ", @OV " + N(v - 900) + "$";
    else if (v == 205)
      s += ", @Pörhemor körre$ ugrás"_w;
  }
  return s;
}

std::string DescribeCaution(const OrderLine& o) {
  return "óvatosság állítása:@ "_w + (InRange(o.p1, 0, 5) ? N(o.p1) + "$" : std::string("^???$"));
}

std::string DescribeBankPayIn(const OrderLine& o) {
  std::string s = "pénz befizetés bankba: @"_w;
  if (o.p1 >= 0) s += N(o.p3 > 0 ? Times(o.p1, o.p3) : o.p1) + "$ arany ";
  if (o.p2 > 0) s += "@" + CharacterName(o.p2) + "$ számlájára"_w;
  return s;
}

std::string DescribeBankWithdrawal(const OrderLine& o) {
  std::string s = "pénz felvétele bankból: @"_w;
  if (o.p1 >= 0) s += N(o.p2 > 0 ? Times(o.p1, o.p2) : o.p1) + "$ arany ";
  return s;
}

std::string DescribeDemolition(const OrderLine& o) {
  std::string s = "@" + ItemName(o.p2);
  s += " $rombolása, eszközöd @"_w + ItemName(o.p1);
  if (o.p3 > 0) s += " " + N(o.p3) + "$ pontért"_w;
  return s;
}

std::string DescribeHelp(const OrderLine& o) {
  std::string s = "segítesz "_w;
  if (o.p1 > 0) s += "(@" + N(o.p1) + ".$ jellempróbánál)"_w;
  return s;
}

// SZE, SZK, SZM: one to three monsters; the later two only when set.
std::string MonsterList(const OrderLine& o) {
  std::string s = MonsterName(o.p1) + "$";
  if (o.p2 > 0) s += ", @" + MonsterName(o.p2) + "$";
  if (o.p3 > 0) s += ", @" + MonsterName(o.p3) + "$";
  return s;
}

// SZE: every monster set free is a point of goodness.
std::string DescribeRelease(const OrderLine& o) {
  std::string s = "@" + MonsterList(o) + " elengedve";
  const int k = (o.p1 > 0) + (o.p2 > 0) + (o.p3 > 0);
  if (k > 0) s += " (+" + N(k) + " jóság)"_w;
  return s;
}

std::string DescribeMonsterSearch(const OrderLine& o) {
  return "szörnykeresés (@"_w + MonsterList(o) + ")";
}

std::string DescribeKills(const OrderLine& o) { return "@" + MonsterList(o) + " leölve"_w; }

// T and FT: the attack list; P2 = 1 means "in order" and hides P3.
std::string DescribeAttackList(const OrderLine& o) {
  std::string s = o.p1 != 0 || o.p2 != 0 || o.p3 != 0 ? "támadva:@ "_w : "törlöd a támadási listádat"_w;
  s += CharacterOrMonsterName(o.p1) + " ";
  if (o.p2 == 1) return s + "$rendre";
  s += CharacterOrMonsterName(o.p2) + " ";
  s += CharacterOrMonsterName(o.p3) + " ";
  return s;
}

std::string DescribeTip(const OrderLine& o) {
  std::string s;
  if (o.p1 > 0) s = "@" + N(o.p1) + "$ ";
  s += "tippet kérsz a bölcstől"_w;
  if (o.p2 > 0) s += ", mire jó a(z) @"_w + ItemName(o.p2);
  return s;
}

// TF: raising an attribute 1..5 (6 is MXTU) now or from the points left at the
// turn's end; 0 cancels the latter.
std::string DescribeAttributeTraining(const OrderLine& o) {
  if (o.p1 == 0) return "törlöd a maradék pontból, kör végén TF-elést"_w;
  if (InRange(o.p1, 1, 5)) {
    const std::string& a = AttributeNames()[static_cast<std::size_t>(o.p1)];
    if (o.p2 == 0) return "kör végén maradék pontból TF-eled @"_w + a;
    return "fejleszted @" + a + " " + N(o.p2) + "$ pontért"_w;
  }
  if (o.p1 == 6) {
    if (o.p2 == 0) return "kör végén maradék pontból TF-eled az @MXTUdat??"_w;
    return "fejleszted az @MXTUdat?? " + N(o.p2) + "$ pontért"_w;
  }
  if (o.p2 == 0) return "kör végén maradék pontból TF-eled ^???.$ tulajdonságodat"_w;
  return "fejleszted ^???$ tulajdonságodat @"_w + N(o.p2) + "$ pontért"_w;
}

// TNO: raising an attribute by a number of points.
std::string DescribeAttributeRaise(const OrderLine& o) {
  std::string s;
  if (InRange(o.p1, 1, 5))
    s = "növeled @"_w + AttributeNames()[static_cast<std::size_t>(o.p1)];
  else if (o.p1 == 6)
    s = "növeled az @MXTUdat$"_w;
  else
    s = "növeled a ^???$ tulajdonságodat"_w;
  if (o.p2 > 0) s += " @" + N(o.p2) + "$ ponttal";
  return s;
}

// TIM: 2520 is the ancient rune.
std::string DescribeCipher(const OrderLine& o) {
  if (o.p1 == 2520) return "@ősi rúna$ megfejtése"_w;
  return "titkosírás megfejtése @"_w + N(o.p1) + "$ pontért"_w;
}

std::string DescribePointRelease(const OrderLine& o) {
  return "felszabadítasz @"_w + N(o.p1) + "$ pontot a korábban lekötöttből"_w;
}

std::string DescribePointReserve(const OrderLine& o) {
  return "lekötsz @"_w + N(o.p1) + "$ pontot későbbi felhasználásra"_w;
}

std::string DescribePsiRelease(const OrderLine& o) {
  return "felszabadítasz @"_w + N(o.p1) + "$ pszí pontot a korábban lekötöttből"_w;
}

std::string DescribePsiReserve(const OrderLine& o) {
  return "lekötsz @"_w + N(o.p1) + "$ pszí pontot későbbi felhasználásra"_w;
}

// TV: the attack and defence spells; 453 is Trinigan's rune with a count of an item.
std::string DescribeSpellList(const OrderLine& o) {
  if (o.p1 == 453) return "Trinigan rúnája (@"_w + N(o.p3) + "$ db @" + ItemName(o.p2) + "$)";
  if (o.p1 != 0 || o.p2 != 0 || o.p3 != 0) {
    std::string s = "varázslatlistába kerül: @"_w + SpellName(o.p1);
    s += " " + SpellName(o.p2);
    s += " " + SpellName(o.p3);
    return s;
  }
  return "törlöd a támadó/védekező varázslat listádat"_w;
}

std::string DescribeSwimming(const OrderLine& o) {
  return "úszkálni kezdesz @"_w + N(o.p1) + "$ pontért"_w;
}

std::string DescribeConditionalSwimming(const OrderLine& o) {
  return "feltételes úszás: max @"_w + N(o.p1) + "$ pontért"_w;
}

// VE: the purchase is priced with the item's third value, per piece.
std::string DescribePurchase(const OrderLine& o) {
  auto& t = Tables();
  t.LastFoundIndex = 0;
  const std::string name = ItemName(o.p1);
  const std::string head = o.p2 != 0 ? N(o.p2) + " @" + name : "@" + name;
  std::string price = "^?$";
  if (t.LastFoundIndex != 0) {
    const std::int32_t w3 = t.ItemTable[t.LastFoundIndex].W3;
    price = N(o.p2 != 0 ? Times(w3, o.p2) : w3);
  }
  return head + "$ vásárlása ("_w + price + " ap)";
}

std::string DescribeConditionalPurchase(const OrderLine& o) {
  if (o.p1 != 0 || o.p2 != 0)
    return "feltételes vásárlás: max @"_w + N(o.p2) + "$ db @" + ItemName(o.p1) +
           "$ vásárlása, ha boltra lépsz"_w;
  return "törlöd a @feltételes vásárlása$ beállításokat"_w;
}

std::string DescribeAdventurerBehaviour(const OrderLine& o) {
  if (InRange(o.p1, 1, 99)) return "viselkedés kalandozókkal @"_w + N(o.p1);
  return "viselkedés kalandozókkal ^???"_w;
}

std::string DescribeVpRelease(const OrderLine& o) {
  const std::int32_t vp = o.p1 > 0 && o.p2 > 0 ? Times(o.p1, o.p2) : o.p1;
  return "felszabadítasz @"_w + N(vp) + "$ vp-t a korábban lekötöttből"_w;
}

std::string DescribeVpReserve(const OrderLine& o) {
  const std::int32_t vp = o.p1 >= 1 && o.p2 >= 1 ? Times(o.p1, o.p2) : o.p1;
  return "lekötsz @"_w + N(vp) + "$ vp-t későbbi felhasználásra"_w;
}

// VTN: the learning cost of each spell or ability is paid in the unit of its
// school: magic points, theology, thaumaturgy, or plain ap.
enum class CostUnit { Magic, Theology, Thaumaturgy, Ap };

CostUnit UnitOf(std::int32_t s) {
  if (InRange(s, 159, 163)) return CostUnit::Magic;
  switch (s) {
    case 307: case 308: case 309: case 315: case 316: case 317: case 318: case 319: case 324:
    case 326: case 327: case 328: case 376: case 396: case 399: case 400: case 401:
      return CostUnit::Theology;
    case 310: case 311: case 312: case 313: case 314: case 320: case 321: case 322: case 323:
    case 325: case 329: case 361: case 365: case 402: case 403: case 404: case 439:
      return CostUnit::Thaumaturgy;
    default:
      return CostUnit::Ap;
  }
}

std::string LearningTail(CostUnit unit, bool last) {
  switch (unit) {
    case CostUnit::Magic: return last ? "$ mágiapont)"_w : "$ mágiapont), "_w;
    case CostUnit::Theology: return last ? "$ teológia)"_w : "$ teológia), "_w;
    case CostUnit::Thaumaturgy: return last ? "$ taumaturgia)" : "$ taumaturgia), ";
    case CostUnit::Ap: break;
  }
  return last ? "$ap)" : "$ap), ";
}

std::string LearningPiece(std::int32_t s, bool first, std::int32_t p2, bool last) {
  const std::int32_t cost = SpellCost(s);
  if (cost < 1) {
    if (s <= 0) return "";
    return "^" + SpellName(s) + (last ? "$???" : "$???, ");
  }
  // Learning the magic of 163 is paid in TVP when the order names an amount.
  if (first && s == 163 && p2 != 0)
    return "@" + SpellName(163) + "$ (@" + N(p2) + "$ TVP (és +@35$ TVP, ha az @500$ TVP megvan)), "_w;
  if (s <= 0) return "";
  return "@" + SpellName(s) + "$ (@" + N(cost) + LearningTail(UnitOf(s), last);
}

std::string DescribeLearning(const OrderLine& o) {
  std::string s = "tanulandó: "_w;
  s += LearningPiece(o.p1, true, o.p2, false);
  s += LearningPiece(o.p2, false, o.p2, false);
  s += LearningPiece(o.p3, false, o.p2, true);
  return s;
}

std::string DescribeItemUseOfLine(const OrderLine& o) {
  return orders2::DescribeItemUse(o, SheetModel().Lines.SheetTvp[static_cast<std::size_t>(o.line)]);
}

struct Branch {
  std::string_view code;
  std::string (*describe)(const OrderLine&);
};

// The codes in the order in which they are tried; T and FT share one branch.
constexpr std::array<Branch, 55> kBranches = {{
    {"ERO", DescribeStrengthening},
    {"EXT", DescribeExtra},
    {"FNO", DescribeSkillRaise},
    {"BB", DescribeDeposit},
    {"KB", DescribeWithdrawal},
    {"TRO", DescribeTrophies},
    {"FELV", DescribeAllianceJoin},
    {"KPB", DescribeInitialOrderPut},
    {"KPK", DescribeInitialOrderDelete},
    {"KUT", DescribeResearch},
    {"L", DescribeTheft},
    {"LE", DescribeTakeOff},
    {"SZV", DescribeVote},
    {"LM", DescribeLabyrinthMove},
    {"OV", DescribeCaution},
    {"PBE", DescribeBankPayIn},
    {"PKI", DescribeBankWithdrawal},
    {"RM", DescribeDemolition},
    {"SE", DescribeHelp},
    {"SZE", DescribeRelease},
    {"SZK", DescribeMonsterSearch},
    {"SZM", DescribeKills},
    {"T", DescribeAttackList},
    {"FT", DescribeAttackList},
    {"TAN", DescribeTip},
    {"TF", DescribeAttributeTraining},
    {"TIM", DescribeCipher},
    {"TNO", DescribeAttributeRaise},
    {"TPF", DescribePointRelease},
    {"TPS", DescribePointReserve},
    {"PPF", DescribePsiRelease},
    {"PPS", DescribePsiReserve},
    {"TV", DescribeSpellList},
    {"USZ", DescribeSwimming},
    {"FUSZ", DescribeConditionalSwimming},
    {"VE", DescribePurchase},
    {"FVE", DescribeConditionalPurchase},
    {"VIK", DescribeAdventurerBehaviour},
    {"VPF", DescribeVpRelease},
    {"VPS", DescribeVpReserve},
    {"VTN", DescribeLearning},
    {"ZIP", orders2::DescribeDestruction},
    {"VI", orders2::DescribeBehaviour},
    {"KT", orders2::DescribeRelicExchange},
    {"AV", orders2::DescribeShapeChange},
    {"VV", orders2::DescribeQuickCasting},
    {"LOT", orders2::DescribeLottery},
    {"KRE", orders2::DescribeCreation},
    {"FGO", orders2::DescribeConditionalVillainy},
    {"FM", orders2::DescribeConditionalClimbing},
    {"LIC", orders2::DescribeAuctionBid},
    {"P", orders2::DescribePsiAbility},
    {"KPCS", orders2::DescribeLevers},
    {"HH", orders2::DescribeAcceleration},
    {"H", DescribeItemUseOfLine},
}};

}  // namespace

void DescribeOrders2(int line) {
  if (!LoadCurParams(line)) return;
  auto& s = SheetModel();
  const auto i = static_cast<std::size_t>(line);
  const OrderLine o{line, s.CurParam1, s.CurParam2, s.CurParam3};
  const std::string& code = s.Lines.SheetCodes[i];
  for (const Branch& b : kBranches) {
    if (code == b.code) {
      s.LineDescription = b.describe(o);
      return;
    }
  }
}

}  // namespace vorda
