#pragma once
// The eight directions of order parameters 1..8, clockwise from north-east:
// 1 north-east (x + 1, y - 1), 2 east (x + 1), 3 south-east (x + 1, y + 1),
// 4 south (y + 1), 5 south-west (x - 1, y + 1), 6 west (x - 1),
// 7 north-west (x - 1, y - 1), 8 north (y - 1); x grows to the east, y to the south.
#include <array>
#include <string>

namespace vorda {

inline constexpr int kDirectionCount = 8;

// "északkeletre" .. "északra" (where a step goes); index 1..8, index 0 is empty.
const std::array<std::string, kDirectionCount + 1>& DirectionNames();

// "északkeleti" .. "északi" (a direction as an adjective); index 1..8, index 0 is empty.
const std::array<std::string, kDirectionCount + 1>& DirectionAdjectives();

}  // namespace vorda
