#pragma once
// The gazetteer's data: every town of the game world with the squares named by
// the town alone and, for the squares of its buildings, the buildings there.
// Squares are written "X;Y" and separated by ", ".
#include <string>
#include <string_view>
#include <vector>

namespace vorda::gazetteer {

struct BuildingSquares {
  std::string Buildings;  // Windows-1250
  std::string_view Squares;
};

struct Town {
  std::string Name;  // Windows-1250
  std::string_view Squares;  // the squares named by the town alone; may be empty
  std::vector<BuildingSquares> Buildings;
};

const std::vector<Town>& Towns();

}  // namespace vorda::gazetteer
