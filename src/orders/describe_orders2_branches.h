#pragma once
// The pieces that the branches of DescribeOrders2 share: the line being
// described, number and name helpers, and the branches that live in their own
// files (shape change, psi, relics and the rest; item use).
#include <cstdint>
#include <string>

#include "data/game_tables.h"
#include "data/text.h"
#include "orders/order_phrases.h"

namespace vorda::orders2 {

// The line being described: its number and its three parameters.
struct OrderLine {
  int line = 0;
  std::int32_t p1 = 0;
  std::int32_t p2 = 0;
  std::int32_t p3 = 0;
};

// Products and negations are worked out wide and wrapped back to 32 bits.
inline std::int32_t Times(std::int64_t a, std::int64_t b) { return Wrap32(a * b); }
inline std::int32_t Negated(std::int32_t v) { return Wrap32(-static_cast<std::int64_t>(v)); }

// A number in plain decimal.
inline std::string N(std::int32_t v) { return IntToStrPadded(v, 0); }


// ZIP, VI, KT, AV, VV, LOT, KRE, FGO, FM, LIC, P, KPCS and HH.
std::string DescribeDestruction(const OrderLine& o);          // ZIP
std::string DescribeBehaviour(const OrderLine& o);            // VI
std::string DescribeRelicExchange(const OrderLine& o);        // KT
std::string DescribeShapeChange(const OrderLine& o);          // AV
std::string DescribeQuickCasting(const OrderLine& o);         // VV
std::string DescribeLottery(const OrderLine& o);              // LOT
std::string DescribeCreation(const OrderLine& o);             // KRE
std::string DescribeConditionalVillainy(const OrderLine& o);  // FGO
std::string DescribeConditionalClimbing(const OrderLine& o);  // FM
std::string DescribeAuctionBid(const OrderLine& o);           // LIC
std::string DescribePsiAbility(const OrderLine& o);           // P
std::string DescribeLevers(const OrderLine& o);               // KPCS
std::string DescribeAcceleration(const OrderLine& o);         // HH

// H: the use of item P1; `tvp` is the line's TVP as the first cost pass left it.
std::string DescribeItemUse(const OrderLine& o, std::int32_t tvp);

}  // namespace vorda::orders2
