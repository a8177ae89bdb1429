#pragma once
// The built-in gazetteer of the game world: the town (and the buildings) on a
// map square.
#include <cstdint>
#include <string>

namespace vorda {

// The text of square (x, y): empty when either coordinate is 0, the square's
// town (and buildings) when it is a town square, else the red "not a town
// square" warning.
void DescribeMapSquare(std::int32_t x, std::int32_t y, std::string& s);

}  // namespace vorda
