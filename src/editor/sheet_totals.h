#pragma once
// The status line's values: the check number, the counted move steps and the
// sheet's resource totals (the ".UL" footer writes them too).
#include <cstdint>

namespace vorda {

struct StatusValues {
  std::int32_t CheckSum = 0;     // sum of every parameter from 1 to 999
  std::uint8_t MoveCount = 0;    // steps of "M" lines, and "V" 163 lines
  std::int32_t TvpToCursor = 0;  // TVP of lines 1..CurLine plus the turn's TVP
  std::int32_t TotalTvp = 0;     // lines 1..40 plus the character's turn values
  std::int32_t TotalVp = 0;
  std::int32_t TotalPp = 0;
  std::int8_t TotalTu = 0;       // summed with 8-bit wrap-around
};

StatusValues& Status();
void ResetStatusValues();

// Recomputes Status() from the sheet, the character's turn values and
// Editor().CurLine. Sums wrap as 32-bit (TU as 8-bit) values, never overflow.
void ComputeStatusValues();

}  // namespace vorda
