#pragma once
// The branches of DescribeOrders1, one per order code (two codes share one where
// their texts are the same): each builds the whole description of a line from
// its code's parameters. Mark-up: "@" value colour, "$" normal colour, "^" red.
#include <cstdint>
#include <string>

#include "data/game_tables.h"
#include "data/text.h"
#include "orders/order_phrases.h"

namespace vorda::describe1 {

struct OrderLine {
  int Line = 0;  // 1..40
  std::int32_t P1 = 0;
  std::int32_t P2 = 0;
  std::int32_t P3 = 0;
};

using Branch = std::string (*)(OrderLine& order);

// A number in plain decimal, a minus sign for negatives.
inline std::string Num(std::int32_t value) { return IntToStrPadded(value, 0); }


// Movement, transfers and the friendship list.
std::string DescribeMove(OrderLine& o);                 // M
std::string DescribeHandOver(OrderLine& o);             // A
std::string DescribeHandOverSet(OrderLine& o);          // AA
std::string DescribeCourier(OrderLine& o);              // FA
std::string DescribeCourierSet(OrderLine& o);           // FAA
std::string DescribeSacrifice(OrderLine& o);            // AL
std::string DescribeMaxTuTransfer(OrderLine& o);        // AMT
std::string DescribeTuTransfer(OrderLine& o);           // AT
std::string DescribeFriends(OrderLine& o);              // BA

// Entering a place.
std::string DescribeEnter(OrderLine& o);                // BE

// Lists, closing orders, items, trade, craft and information.
std::string DescribeRecommend(OrderLine& o);            // BEAJ
std::string DescribeAdmit(OrderLine& o);                // BEEN
std::string DescribeClosingOrderSlot(OrderLine& o);     // BPB
std::string DescribeClosingOrderDelete(OrderLine& o);   // BPK
std::string DescribeDrop(OrderLine& o);                 // D
std::string DescribeDropSet(OrderLine& o);              // DD
std::string DescribeDeusExMachina(OrderLine& o);        // DX
std::string DescribeFoodGathering(OrderLine& o);        // E
std::string DescribeSale(OrderLine& o);                 // EA
std::string DescribeSaleSet(OrderLine& o);              // EE
std::string DescribeBuilding(OrderLine& o);             // EP
std::string DescribeExpel(OrderLine& o);                // ERKI
std::string DescribeInvention(OrderLine& o);            // F
std::string DescribeWeaponChange(OrderLine& o);         // FF
std::string DescribeWeaponChangeRisk(OrderLine& o);     // FFK
std::string DescribePickUp(OrderLine& o);               // FV
std::string DescribeGathering(OrderLine& o);            // GYJ
std::string DescribeWaste(OrderLine& o);                // HU
std::string DescribeInformation(OrderLine& o);          // IN
std::string DescribeMassInformation(OrderLine& o);      // INL
std::string DescribeMassItemInformation(OrderLine& o);  // INT
std::string DescribeInformationForward(OrderLine& o);   // INK
std::string DescribePassword(OrderLine& o);             // JLK
std::string DescribeReadyItems(OrderLine& o);           // KF
std::string DescribeRelease(OrderLine& o);              // KIEN

// Conditional standing orders, character development, temples and the shared mind.
std::string DescribeMindAbility(OrderLine& o);          // EF
std::string DescribeConditionalDigging(OrderLine& o);   // FAS
std::string DescribeConditionalHealing(OrderLine& o);   // FGY
std::string DescribeTracking(OrderLine& o);             // FK, K
std::string DescribeLeaderChange(OrderLine& o);         // FKER
std::string DescribeConditionalCraft(OrderLine& o);     // FKT
std::string DescribeSearch(OrderLine& o);               // FKU
std::string DescribeConditionalTheft(OrderLine& o);     // FL
std::string DescribeConditionalRanged(OrderLine& o);    // FLH
std::string DescribeCapture(OrderLine& o);              // FOG
std::string DescribeConditionalHelp(OrderLine& o);      // FSE
std::string DescribeConditionalSpell(OrderLine& o);     // FTV
std::string DescribeCourting(OrderLine& o);             // FU
std::string DescribeConditionalSpellLevel(OrderLine& o);// FVH
std::string DescribeEvilDeed(OrderLine& o);             // GO
std::string DescribeSelfHealing(OrderLine& o);          // GY
std::string DescribeCombatTraining(OrderLine& o);       // GYK
std::string DescribeTaming(OrderLine& o);               // ID
std::string DescribeTemple(OrderLine& o);               // IM
std::string DescribeAbilityRaise(OrderLine& o);         // KNO
std::string DescribeLeaveSharedMind(OrderLine& o);      // KOKI
std::string DescribeJoinSharedMind(OrderLine& o);       // KOTB
std::string DescribeDissolveSharedMind(OrderLine& o);   // KOTF
std::string DescribeCreateSharedMind(OrderLine& o);     // KOTL

}  // namespace vorda::describe1
