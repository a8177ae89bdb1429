#pragma once
// The phrase that names the target building of the enter order "BE" (its first
// parameter, the place code) as a destination, with the description mark-up
// ("@" value colour, "$" normal colour, "^" warning colour). Codes 1..255 are the
// secret labyrinths, numbered only; 256..1859 the buildings of the place table;
// any other code a numbered building.
#include <cstdint>
#include <string>
#include <vector>

namespace vorda {

// One code, or a range of codes, of a place-table row.
struct PlaceCodeRange {
  std::int32_t First = 0;
  std::int32_t Last = First;
};

// A row of the place table: the codes that share the phrase, and the phrase.
struct PlaceRow {
  std::vector<PlaceCodeRange> Codes;
  std::string Phrase;  // Windows-1250, begins with a blank
};

// The 184 rows of the building table (238 codes between 256 and 1859).
const std::vector<PlaceRow>& PlaceTable();

// " @#17.$ titkos labirintusba" for a labyrinth, the table phrase followed by
// " (#code)" for a building of the table, ": @#code.$ épületbe" otherwise.
std::string PlaceText(std::int32_t code);

}  // namespace vorda
