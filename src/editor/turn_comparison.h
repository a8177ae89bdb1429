#pragma once
// The comparison of a character's possessions in two turn reports: what changed
// in count, what only one of the two holds, and what changed between the end of
// the first turn and the start of the second (while the character camped).
#include <string>
#include <vector>

#include "data/turn_report.h"

namespace vorda {

struct TurnComparisonState {
  // What the two reports read: turn 1 at its end and start, turn 2 likewise.
  ItemCounts Turn1Now{}, Turn1Start{}, Turn2Now{}, Turn2Start{};
  // The files read, empty while none is loaded (file-system bytes).
  std::string Turn1File, Turn2File;
};

TurnComparisonState& TurnComparison();
void ResetTurnComparison();

// Reads the report of turn 1 or 2 into that turn's counts and remembers its
// file. A report that cannot be read leaves the turn unloaded (its counts
// cleared), says so and gives false.
bool LoadTurnReport(int turn, const std::string& path);

// The four lists, filled by CompareTurns.
struct ComparisonLists {
  std::vector<std::string> VDB;     // counts that changed between the two turns
  std::vector<std::string> NLKar1;  // only in the first turn
  std::vector<std::string> NLKar2;  // only in the second turn
  std::vector<std::string> VTDB;    // end of turn 1 against the start of turn 2
};

// The item codes compared: the game's items lie in 1..2500.
inline constexpr int kComparedItemCodes = 2500;
inline constexpr int kItemTextWidth = 33;
inline constexpr int kDifferenceWidth = 6;

// count, a blank, the item's name, " (#", code, ")".
std::string ComparisonItemText(std::int32_t count, int code);
ComparisonLists CompareTurns();

}  // namespace vorda
