#include <array>
#include <string_view>

#include "data/order_sheet.h"
#include "orders/describe_orders1_branches.h"
#include "orders/describers.h"

namespace vorda {

namespace {

using namespace describe1;

struct CodeBranch {
  std::string_view Code;
  Branch Describe;
};

// The codes in their matching order: movement, transfers, friends and entering
// first, then trade, craft, conditional and character orders.
constexpr std::array<CodeBranch, 60> kCodes = {{
    {"M", DescribeMove},
    {"A", DescribeHandOver},
    {"AA", DescribeHandOverSet},
    {"FA", DescribeCourier},
    {"FAA", DescribeCourierSet},
    {"AL", DescribeSacrifice},
    {"AMT", DescribeMaxTuTransfer},
    {"AT", DescribeTuTransfer},
    {"BA", DescribeFriends},
    {"BE", DescribeEnter},
    {"BEAJ", DescribeRecommend},
    {"BEEN", DescribeAdmit},
    {"BPB", DescribeClosingOrderSlot},
    {"BPK", DescribeClosingOrderDelete},
    {"D", DescribeDrop},
    {"DD", DescribeDropSet},
    {"DX", DescribeDeusExMachina},
    {"E", DescribeFoodGathering},
    {"EA", DescribeSale},
    {"EE", DescribeSaleSet},
    {"EF", DescribeMindAbility},
    {"EP", DescribeBuilding},
    {"ERKI", DescribeExpel},
    {"F", DescribeInvention},
    {"FAS", DescribeConditionalDigging},
    {"FF", DescribeWeaponChange},
    {"FFK", DescribeWeaponChangeRisk},
    {"FGY", DescribeConditionalHealing},
    {"FK", DescribeTracking},
    {"FKER", DescribeLeaderChange},
    {"FKT", DescribeConditionalCraft},
    {"FKU", DescribeSearch},
    {"FL", DescribeConditionalTheft},
    {"FLH", DescribeConditionalRanged},
    {"FOG", DescribeCapture},
    {"FSE", DescribeConditionalHelp},
    {"FTV", DescribeConditionalSpell},
    {"FU", DescribeCourting},
    {"FV", DescribePickUp},
    {"FVH", DescribeConditionalSpellLevel},
    {"GO", DescribeEvilDeed},
    {"GY", DescribeSelfHealing},
    {"GYJ", DescribeGathering},
    {"GYK", DescribeCombatTraining},
    {"HU", DescribeWaste},
    {"ID", DescribeTaming},
    {"IM", DescribeTemple},
    {"IN", DescribeInformation},
    {"INL", DescribeMassInformation},
    {"INT", DescribeMassItemInformation},
    {"INK", DescribeInformationForward},
    {"JLK", DescribePassword},
    {"K", DescribeTracking},
    {"KF", DescribeReadyItems},
    {"KIEN", DescribeRelease},
    {"KNO", DescribeAbilityRaise},
    {"KOKI", DescribeLeaveSharedMind},
    {"KOTB", DescribeJoinSharedMind},
    {"KOTF", DescribeDissolveSharedMind},
    {"KOTL", DescribeCreateSharedMind},
}};

}  // namespace

void DescribeOrders1(int line) {
  if (!LoadCurParams(line)) return;
  auto& s = SheetModel();
  const auto i = static_cast<std::size_t>(line);

  const std::string& code = s.Lines.SheetCodes[i];
  for (const CodeBranch& c : kCodes) {
    if (code != c.Code) continue;
    OrderLine order{line, s.CurParam1, s.CurParam2, s.CurParam3};
    s.LineDescription = c.Describe(order);
    return;
  }
}

}  // namespace vorda
