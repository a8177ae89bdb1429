#pragma once
// The heaviest sheet the editor draws: every game table filled to capacity with
// records that no sheet line names (so that every lookup scans a whole table),
// and 40 lines coded with the order codes of all four describers. Shared by the
// drawing tests and the benchmark program.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vorda::testing {

// Writes ITEM.TXT, KARAVAN.TXT, RECEPT.TXT, KARAKTER.TXT, MONSTER.TXT and
// SPELL.TXT into `folder` (which must exist), each with as many records as its
// table holds, numbered from 100000 up. False when a file cannot be written.
bool WriteFullGameTables(const std::string& folder);

// The order codes of one describer (0..3), in the describer's own order.
const std::vector<std::string>& DescriberCodes(int describer);
// The codes of all four describers, describer 0 first.
std::vector<std::string> EveryOrderCode();

// Codes line `line` with `code` and the first of a few plain parameter sets for
// which the describers write a description (the last set when none does).
void CodeSheetLine(int line, const std::string& code);

// Lines 1..40 coded with `codes` from index `first` on, wrapping round.
void CodeSheetLines(const std::vector<std::string>& codes, std::size_t first);

}  // namespace vorda::testing
