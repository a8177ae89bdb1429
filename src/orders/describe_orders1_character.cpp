// Mind abilities, the conditional standing orders (digging, healing, crafting,
// stealing, ranged weapons, capture, help, spells), tracking, courting, taming,
// temples and the shared-mind group orders.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "data/game_tables.h"
#include "platform/win1250.h"
#include "orders/describe_orders1_branches.h"
#include "orders/directions.h"

namespace vorda::describe1 {

namespace {

constexpr std::int32_t kFirstMindAbility = 501;
constexpr std::int32_t kLastMindAbility = 561;

// The mind abilities 501..561 by name.
const std::array<std::string, kLastMindAbility - kFirstMindAbility + 1>& MindAbilityNames() {
  static const std::array<std::string, kLastMindAbility - kFirstMindAbility + 1> names = {
      " (@tudati portya$)"_w,           // 501
      " (@auraerősítés$)"_w,            // 502
      " (@kedvenc táborhely$)"_w,       // 503
      " (@elmetágítás$)"_w,             // 504
      " (@tudatforrás$)"_w,             // 505
      " (@tudati gyorsítás I.$)"_w,     // 506
      " (@kőbőr$)"_w,                   // 507
      " (@varázslómester I.$)"_w,       // 508
      " (@közös ima I.$)"_w,            // 509
      " (@tudati retesz$)"_w,           // 510
      " (@tudatkinézis II.$)"_w,        // 511
      " (@mentális felfrissülés$)"_w,   // 512
      " (@tudati gyorsítás II.$)"_w,    // 513
      " (@tudati kitérés I.$)"_w,       // 514
      " (@manaszívás$)"_w,              // 515
      " (@a hit ereje$)"_w,             // 516
      " (@tudati kontaktus$)"_w,        // 517
      " (@tudati kincstár$)"_w,         // 518
      " (@tudati ismétlés$)"_w,         // 519
      " (@tudati gyorsítás III.$)"_w,   // 520
      " (@tudati kitérés II.$)"_w,      // 521
      " (@taumaturgia mentor$)"_w,      // 522
      " (@hitbéli mentor$)"_w,          // 523
      " (@pszi regeneráció II.$)"_w,    // 524
      " (@tudati ostrom$)"_w,           // 525
      " (@vakmerőség$)"_w,              // 526
      " (@tudati erősítés$)"_w,         // 527
      " (@regeneráció$)"_w,             // 528
      " (@manaretesz$)"_w,              // 529
      " (@isteni védelem$)"_w,          // 530
      " (@mentális roncsolás$)"_w,      // 531
      " (@tudati segítség$)"_w,         // 532
      " (@gyűjtögető életmód$)"_w,      // 533
      " (@tudati erősítés II.$)"_w,     // 534
      " (@pajzshasználat$)"_w,          // 535
      " (@varázslómester II.$)"_w,      // 536
      " (@a hit ereje II.$)"_w,         // 537
      " (@tudati kontaktus II.$)"_w,    // 538
      " (@tudati ostrom II.$)"_w,       // 539
      " (@halhatatlanság$)"_w,          // 540
      " (@a düh vérvörös köde$)"_w,     // 541
      " (@pajzshasználat II.$)"_w,      // 542
      " (@mágikus vámpirizáció$)"_w,    // 543
      " (@gyógyítómester$)"_w,          // 544
      " (@elmerombolás$)"_w,            // 545
      " (@tudati védelem$)"_w,          // 546
      " (@nyakláncviselés$)"_w,         // 547
      " (@kritikus találat$)"_w,        // 548
      " (@pajzshasználat III.$)"_w,     // 549
      " (@varázslómester IV.$)"_w,      // 550
      " (@isteni ítélet$)"_w,           // 551
      " (@elmemester$)"_w,              // 552
      " (@totemmester$)"_w,             // 553
      " (@tudati cserkészés$)"_w,       // 554
      " (@bénító sebzés$)"_w,           // 555
      " (@pajzshasználat IV.$)"_w,      // 556
      " (@varázslómester V.$)"_w,       // 557
      " (@isteni áldás$)"_w,            // 558
      " (@tudatáthelyezés$)"_w,         // 559
      " (@tudatunk hatalma$)"_w,        // 560
      " (@kincsvadászat$)"_w,           // 561
  };
  return names;
}

// The spells that a temple teaches.
constexpr std::array<std::int32_t, 18> kTempleSpells = {9,   11,  14,  21,  38,  147, 178, 187, 229,
                                                        230, 250, 251, 253, 284, 362, 377, 378, 381};

}  // namespace

// Up to 399 TU can be spent on a mind ability in one order.
std::string DescribeMindAbility(OrderLine& o) {
  std::string text = o.P1 < 400 ? "tudati képesség fejlesztése (@"_w + Num(o.P1) + "$ TU)"
                                : "tudati képesség fejlesztése ^(1-399 TU lehetséges)"_w;
  if (o.P2 > 0) text += " (@" + Num(o.P2) + "$. képesség)"_w;
  if (InRange(o.P2, kFirstMindAbility, kLastMindAbility))
    text += MindAbilityNames()[static_cast<std::size_t>(o.P2 - kFirstMindAbility)];
  return text;
}

std::string DescribeConditionalDigging(OrderLine& o) {
  return "feltételes ásás (max @"_w + Num(o.P1) + "$ pontért fordulónként)"_w;
}

// Healing below a life percentage of 10..90; 0 cancels the order.
std::string DescribeConditionalHealing(OrderLine& o) {
  std::string text = "feltételes gyógyítás@ "_w;
  if (o.P1 == 0) return text + "törölve"_w;
  text += InRange(o.P1, 10, 90) ? Num(o.P1) + "%$ életerő alatt @"_w : "^?%$ életerő alatt @"_w;
  if (o.P2 > 0) text += Num(o.P2) + "$ pontért "_w;
  if (o.P3 > 0) text += "(max. @" + Num(o.P3) + "$/forduló)"_w;
  return text;
}

// Following the tracks of a monster kind 1..9 for P2 steps, towards direction P3.
std::string DescribeTracking(OrderLine& o) {
  std::string text = InRange(o.P1, 1, 9) ? "ha @" + MonsterName(o.P1) : std::string("ha ^???");
  text += "$ nyom, követed @"_w + Num(o.P2) + "$ lépésig @"_w;
  if (InRange(o.P3, 1, kDirectionCount))
    text += DirectionAdjectives()[static_cast<std::size_t>(o.P3)] + "$ irányba"_w;
  return text;
}

std::string DescribeLeaderChange(OrderLine& o) {
  if (o.P1 > 0 && o.P2 > 0)
    return "@" + CharacterName(o.P1) + "$ vezető leváltása. Helyére lép @"_w + CharacterName(o.P2);
  return "@" + CharacterName(o.P1) + "$ felfüggesztésének kérése."_w;
}

// Item 0 cancels every conditional crafting order.
std::string DescribeConditionalCraft(OrderLine& o) {
  if (o.P1 == 0) return "feltételes készítés parancsok törlése"_w;
  std::string text = "feltételes készítés:@ "_w;
  if (o.P1 > 0) text += ItemName(o.P1) + "$ @";
  if (o.P2 > 0) text += Num(o.P2) + "$ darabig";
  if (o.P3 == 1) text += " rendre";
  return text;
}

std::string DescribeSearch(OrderLine& o) {
  return "kutatsz @" + Num(o.P1) + "$ pontért, alkalmas terepen"_w;
}

// Whose camp to steal from: the same list as the "L" order.
std::string DescribeConditionalTheft(OrderLine& o) { return ConditionalTheftText(o.P1, o.P2, o.P3); }

// From a monster level on, or against silver-vulnerable (997), magic-vulnerable
// (998) beings or adventurers (999); 0 clears the list.
std::string DescribeConditionalRanged(OrderLine& o) {
  std::string text;
  if (o.P1 == 0)
    text = "törlöd a lőfegyverhasználati listád"_w;
  else if (o.P1 == 997)
    text = "felt. lőfegyverhasználat @ezüsttel$ sebezhető lényre @"_w + ItemName(o.P2) + "$";
  else if (o.P1 == 998)
    text = "felt. lőfegyverhasználat @mágikusan$ sebezhető lényre @"_w + ItemName(o.P2) + "$";
  else if (o.P1 == 999)
    text = "felt. lőfegyverhasználat @kalandozókra "_w + ItemName(o.P2) + "$";
  else
    text = "feltételes lőfegyverhasználat @"_w + Num(o.P1) + ".$ szinttől @"_w + ItemName(o.P2) + "$";
  if (o.P3 > 0) text += " (@" + Num(o.P3) + "$ db)";
  return text;
}

std::string DescribeCapture(OrderLine& o) {
  if (o.P1 == 0) return "minden FOG parancs törölve"_w;
  return "@" + MonsterName(o.P1) + "$ elfogása, eszközöd @"_w + ItemName(o.P2) + "$";
}

std::string DescribeConditionalHelp(OrderLine& o) {
  return "feltételes segítség max. @"_w + Num(o.P1) + "$ pontig fordulónként"_w;
}

// The opponent is a level when P2 is 10000 + level, a character for 1000..6999,
// otherwise a monster. A second spell may follow the first.
std::string DescribeConditionalSpell(OrderLine& o) {
  if (o.P1 == 0 && o.P2 == 0 && o.P3 == 0) return "^összes FTV parancs törölve!$"_w;
  std::string opponent;
  if (o.P2 >= 10000)
    opponent = Num(o.P2 - 10000);
  else if (InRange(o.P2, 1000, 6999))
    opponent = CharacterName(o.P2);
  else
    opponent = MonsterName(o.P2);
  const std::string first = "@" + SpellName(o.P1);
  if (o.P2 >= 10000) {
    if (o.P3 > 0) return first + "$, @" + SpellName(o.P3) + "$, , ha ellenfeled @"_w + opponent + "$. szintű"_w;
    return first + "$, ha ellenfeled @"_w + opponent + "$. szintű"_w;
  }
  if (o.P3 > 0) return first + "$, @" + SpellName(o.P3) + "$, ha @" + opponent + "$ utadba kerül"_w;
  return first + "$, ha @" + opponent + "$ utadba kerül"_w;
}

// Courting a monster kind 1..9 (of the other sex) or a character (1000 and up).
std::string DescribeCourting(OrderLine& o) {
  if (InRange(o.P1, 1, 9)) return "udvarlásod tárgya: ellentétes nemű @"_w + MonsterName(o.P1) + "$";
  if (o.P1 >= 1000) return "udvarolsz: @"_w + CharacterName(o.P1) + "$";
  return "udvarlásod tárgya: ^???$"_w;
}

std::string DescribeConditionalSpellLevel(OrderLine& o) {
  return "feltételes varázslathasználat @"_w + Num(o.P1) + ".$ szinttől"_w;
}

std::string DescribeEvilDeed(OrderLine& o) {
  std::string text = "gonosz tettre vetemedsz "_w;
  if (o.P1 > 0) text += "(@" + Num(o.P1) + ".$ jellempróbánál)"_w;
  return text;
}

std::string DescribeSelfHealing(OrderLine& o) {
  if (InRange(o.P1, 1, 40)) return "gyógyítasz magadon @"_w + Num(o.P1) + "$ pontért"_w;
  return "gyógyítasz magadon ^???$ pontért"_w;
}

std::string DescribeCombatTraining(OrderLine& o) {
  return "harci készségedet fejleszted @"_w + Num(o.P2) + "$ pontért (fegyvered: @"_w + ItemName(o.P1) + "$)";
}

std::string DescribeTaming(OrderLine& o) {
  return "idomítás: @"_w + MonsterName(o.P1) + "$ @" + Num(o.P2) + "$ pontért"_w;
}

// In a temple: 1 looks for a temple site, 2 and 3 pray for a divine contact, a
// temple spell is learnt, anything else is a plain prayer.
std::string DescribeTemple(OrderLine& o) {
  std::string text;
  if (o.P1 == 1)
    text = "@templomhelyet$ keresel";
  else if (o.P1 == 2)
    text = "isteni kapcsolat (@üres ima$)"_w;
  else if (o.P1 == 3)
    text = "isteni kapcsolat (@küldetés -2 TU$)"_w;
  else if (std::find(kTempleSpells.begin(), kTempleSpells.end(), o.P1) != kTempleSpells.end())
    text = "varázslatot tanulsz (@"_w + SpellName(o.P1) + "$)";
  else
    text = "imádkozol"_w;
  if (o.P2 > 0) text += " (@" + Num(o.P2) + " alkalommal$)";
  return text;
}

std::string DescribeAbilityRaise(OrderLine& o) {
  std::string text = "@" + Num(o.P1) + ".$ képesség növelése @"_w;
  if (o.P2 > 0) text += Num(o.P2) + "$ ponttal";
  return text;
}

std::string DescribeLeaveSharedMind(OrderLine&) { return "kéred kilépésedet a közös tudatból"_w; }

std::string DescribeJoinSharedMind(OrderLine& o) {
  return "kéred belépésedet a(z) @"_w + CharacterName(o.P1) + "$ közös tudatba"_w;
}

std::string DescribeDissolveSharedMind(OrderLine&) { return "feloszlatod a közös tudatot"_w; }

std::string DescribeCreateSharedMind(OrderLine& o) {
  return "közös tudat létrehozása, vezető: @"_w + CharacterName(o.P2) + "$, min. létszám @"_w + Num(o.P1);
}

}  // namespace vorda::describe1
