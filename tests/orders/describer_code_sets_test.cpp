// The four describers share the order codes out between them: each code
// belongs to exactly one, so that no order falls through to "? Ismeretlen
// parancs" and no two describers fight over a line.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "data/order_sheet.h"
#include "orders/describers.h"
#include "support/state_reset.h"

namespace vorda {
namespace {

using Describer = void (*)(int);

struct CodeSet {
  const char* describer;
  Describer describe;
  std::vector<std::string> codes;
};

const std::array<CodeSet, 4>& CodeSets() {
  static const std::array<CodeSet, 4> sets = {{
      {"DescribeOrders0", DescribeOrders0, {"VD", "ESK", "ZAN", "ONGY", "EK", "V"}},
      {"DescribeOrders1",
       DescribeOrders1,
       {"M",    "A",   "AA",  "FA",  "FAA", "AL",   "AMT",  "AT",   "BA",   "BE",   "BEAJ", "BEEN",
        "BPB",  "BPK", "D",   "DD",  "DX",  "E",    "EA",   "EE",   "EF",   "EP",   "ERKI", "F",
        "FAS",  "FF",  "FFK", "FGY", "FK",  "FKER", "FKT",  "FKU",  "FL",   "FLH",  "FOG",  "FSE",
        "FTV",  "FU",  "FV",  "FVH", "GO",  "GY",   "GYJ",  "GYK",  "HU",   "ID",   "IM",   "IN",
        "INL",  "INT", "INK", "JLK", "K",   "KF",   "KIEN", "KNO",  "KOKI", "KOTB", "KOTF", "KOTL"}},
      {"DescribeOrders2",
       DescribeOrders2,
       {"ERO", "EXT", "FNO", "BB",  "KB",  "TRO", "FELV", "KPB", "KPK", "KUT", "L",   "LE",  "SZV", "LM",
        "OV",  "PBE", "PKI", "RM",  "SE",  "SZE", "SZK",  "SZM", "T",   "FT",  "TAN", "TF",  "TIM", "TNO",
        "TPF", "TPS", "PPF", "PPS", "TV",  "USZ", "FUSZ", "VE",  "FVE", "VIK", "VPF", "VPS", "VTN", "ZIP",
        "VI",  "KT",  "AV",  "VV",  "LOT", "KRE", "FGO",  "FM",  "LIC", "P",   "KPCS", "HH", "H"}},
      {"DescribeOrders3",
       DescribeOrders3,
       {"FOK", "FPH", "FVK", "TK", "TKB", "MAK", "KLD", "CIR", "FBB", "FKB", "HIR"}},
  }};
  return sets;
}

TEST(DescriberCodeSetsTest, TheListsAreDisjointAndHoldEveryCostedCode) {
  std::set<std::string> all;
  std::size_t total = 0;
  for (const CodeSet& set : CodeSets()) {
    total += set.codes.size();
    all.insert(set.codes.begin(), set.codes.end());
  }
  EXPECT_EQ(CodeSets()[0].codes.size(), 6u);
  EXPECT_EQ(CodeSets()[1].codes.size(), 60u);
  EXPECT_EQ(CodeSets()[2].codes.size(), 55u);
  EXPECT_EQ(CodeSets()[3].codes.size(), 11u);
  EXPECT_EQ(all.size(), total);
  // Every code that the cost calculator prices is also described.
  for (const char* code :
       {"PPS", "PPF", "FOK", "H",  "KRE", "V",   "VPS", "VPF", "EK",  "P",   "VV", "EF",  "AT",  "IM",  "ERO", "KLD",
        "KPCS", "KT", "M",   "A",   "AA",  "FA",  "FAA", "JLK", "AL",  "BE",  "BEEN", "D", "E",   "EP",  "ERKI", "F",
        "FV",  "GO",  "GY",  "GYK", "ID",  "KUT", "RM",  "TAN", "TF",  "TIM", "TPF", "TPS", "USZ", "VTN", "ZIP", "AV"})
    EXPECT_TRUE(all.count(code)) << code;
}

class DescriberCodeSetsRunTest : public testing::FreshState {};

// Each code is answered by its own describer, with a description for at least
// one of a few plain parameter sets, and left alone by the three others.
TEST_F(DescriberCodeSetsRunTest, EachCodeIsDescribedByItsOwnDescriberOnly) {
  const std::array<std::array<std::int32_t, 3>, 6> params = {{
      {0, 0, 0}, {1, 1, 0}, {1, 1, 1}, {2, 1, 0}, {5, 5, 5}, {1200, 2, 0},
  }};
  const std::string untouched = "\x01untouched";
  auto& s = SheetModel();
  for (const CodeSet& owner : CodeSets()) {
    for (const std::string& code : owner.codes) {
      SCOPED_TRACE(code);
      bool described = false;
      bool always_answered = true;
      std::set<std::string> intruders;
      for (const auto& p : params) {
        s.Lines.SheetCodes[1] = code;
        s.Lines.SheetParams[1] = p;
        for (const CodeSet& other : CodeSets()) {
          s.LineDescription = untouched;
          other.describe(1);
          const bool answered = s.LineDescription != untouched;
          if (&other == &owner) {
            always_answered = always_answered && answered;
            described = described || (answered && !s.LineDescription.empty());
          } else if (answered) {
            intruders.insert(other.describer);
          }
        }
      }
      EXPECT_TRUE(always_answered) << owner.describer << " left its own code alone";
      EXPECT_TRUE(intruders.empty()) << (intruders.empty() ? "" : *intruders.begin()) << " answered " << owner.describer << "'s code";
      EXPECT_TRUE(described) << owner.describer << " gave no description";
    }
  }
}

}  // namespace
}  // namespace vorda
