#include "editor/turn_comparison.h"

#include "data/text.h"
#include "platform/message_box.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

TurnComparisonState g_comparison;

const std::string kNoSuchItem = " -= NINCS ILYEN TÁRGY =-"_w;

std::int32_t Wrap32Sub(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

// "from -> to = difference", each item text padded so that the columns line up.
std::string ChangeLine(std::int32_t from, std::int32_t to, int code) {
  return PadRight(ComparisonItemText(from, code), kItemTextWidth) + " -> " +
         PadRight(ComparisonItemText(to, code), kItemTextWidth) + " = " +
         IntToStrPadded(Wrap32Sub(to, from), kDifferenceWidth);
}

}  // namespace

TurnComparisonState& TurnComparison() { return g_comparison; }

void ResetTurnComparison() { g_comparison = TurnComparisonState{}; }

bool LoadTurnReport(int turn, const std::string& path) {
  auto& s = g_comparison;
  const bool first = turn == 1;
  ItemCounts& now = first ? s.Turn1Now : s.Turn2Now;
  ItemCounts& start = first ? s.Turn1Start : s.Turn2Start;
  std::string& file = first ? s.Turn1File : s.Turn2File;
  if (ReadReportItems(path, now, start)) {
    file = path;
    return true;
  }
  file.clear();
  Messages().Show("A forduló nem olvasható be: "_w + Utf8ToWin1250(path), MessageKind::Error);
  return false;
}

std::string ComparisonItemText(std::int32_t count, int code) {
  return std::to_string(count) + " " + Reports().ItemNameTable[static_cast<std::size_t>(code)] + " (#" +
         std::to_string(code) + ")";
}

ComparisonLists CompareTurns() {
  const auto& s = g_comparison;
  ComparisonLists out;
  for (int i = 1; i <= kComparedItemCodes; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const std::int32_t a1 = s.Turn1Now[k], a2 = s.Turn2Now[k], b2 = s.Turn2Start[k];
    if (a1 == 0 && a2 != 0) out.NLKar2.push_back(ComparisonItemText(a2, i));
    if (a1 != 0 && a2 == 0) out.NLKar1.push_back(ComparisonItemText(a1, i));
    if (a1 != 0 && a2 != 0 && a1 != a2) out.VDB.push_back(ChangeLine(a1, a2, i));
    if (b2 != a1) out.VTDB.push_back(ChangeLine(a1, b2, i));
  }
  if (out.NLKar1.empty()) out.NLKar1.push_back(kNoSuchItem);
  if (out.NLKar2.empty()) out.NLKar2.push_back(kNoSuchItem);
  return out;
}

}  // namespace vorda
