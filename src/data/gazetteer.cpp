#include "data/gazetteer.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "data/gazetteer_table.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

struct SquareText {
  std::int32_t X;
  std::int32_t Y;
  const std::string* Text;
};

bool operator<(const SquareText& a, const SquareText& b) { return a.X != b.X ? a.X < b.X : a.Y < b.Y; }

// Parses "X;Y, X;Y, ..." (the table's own notation) and adds each square.
void AddSquares(std::string_view squares, const std::string* text, std::vector<SquareText>& out) {
  while (!squares.empty()) {
    const std::size_t comma = squares.find(',');
    std::string_view one = squares.substr(0, comma);
    squares = comma == std::string_view::npos ? std::string_view() : squares.substr(comma + 1);
    while (!one.empty() && one.front() == ' ') one.remove_prefix(1);
    const std::size_t semicolon = one.find(';');
    if (semicolon == std::string_view::npos) continue;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::from_chars(one.data(), one.data() + semicolon, x);
    std::from_chars(one.data() + semicolon + 1, one.data() + one.size(), y);
    out.push_back({x, y, text});
  }
}

struct Index {
  std::vector<std::string> texts;  // one per square text, never reallocated after filling
  std::vector<SquareText> squares;  // sorted by X, then Y
};

const Index& SquareIndex() {
  static const Index index = [] {
    Index ix;
    std::size_t count = 0;
    for (const auto& town : gazetteer::Towns()) count += 1 + town.Buildings.size();
    ix.texts.reserve(count);
    for (const auto& town : gazetteer::Towns()) {
      ix.texts.push_back(town.Name);
      AddSquares(town.Squares, &ix.texts.back(), ix.squares);
      for (const auto& part : town.Buildings) {
        ix.texts.push_back(town.Name + ", " + part.Buildings);
        AddSquares(part.Squares, &ix.texts.back(), ix.squares);
      }
    }
    std::sort(ix.squares.begin(), ix.squares.end());
    return ix;
  }();
  return index;
}

}  // namespace

void DescribeMapSquare(std::int32_t x, std::int32_t y, std::string& s) {
  if (x == 0 || y == 0) {
    s.clear();
    return;
  }
  const auto& squares = SquareIndex().squares;
  const SquareText key{x, y, nullptr};
  const auto it = std::lower_bound(squares.begin(), squares.end(), key);
  if (it != squares.end() && it->X == x && it->Y == y)
    s = *it->Text;
  else
    s = "^Nem városmező (esetleg kalandozók városa)"_w;
}

}  // namespace vorda
