#pragma once
// Follows the character across the map through the move, caravan and teleport
// orders of the sheet, from the turn's start coordinates (Orders().StartCoords),
// leaving the position reached in Orders().MovePosition; and the distance and
// tau cost of a teleport from the position before a line.
#include <cstdint>
#include <string>

namespace vorda {

// Replays lines 1..line_count; on line `line_count` an "M" order uses only its
// first `last_line_moves` parameters (0..3), on earlier lines all three.
void TraceMoves(std::int32_t line_count, std::int32_t last_line_moves);

// Chebyshev distance from the position before `line` to (x, y); 0 when no start
// is set. Leaves MovePosition as it found it.
std::int32_t TeleportDistance(std::int32_t x, std::int32_t y, std::int32_t line);

// The tau cost of a teleport from the position before `line` to (x, y), as a
// description fragment written into `text` (left alone where no rule writes).
// Both leave MovePosition as they found it.
void TeleportTauText(std::int32_t x, std::int32_t y, std::int32_t line, std::string& text);
void SpaceBenderTauText(std::int32_t x, std::int32_t y, std::int32_t line, std::string& text);

}  // namespace vorda
