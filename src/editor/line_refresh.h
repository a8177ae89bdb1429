#pragma once
// The refresh of one sheet line: its resources, its Hungarian description by the
// four describers, and the description drawn with its colour mark-up.
#include <string_view>

namespace vorda {

// Refreshes line `line` (1..40): costs, description, drawing, line TVP sum.
void RefreshSheetLine(int line);

// Fills (x1, y1) inclusive to (x2, y2) exclusive with the canvas's brush colour.
void FillSheetRect(int x1, int y1, int x2, int y2);

// Draws a description with its mark-up from (x, y): "@" value colour, "$" normal
// colour, "^" warning colour (none of them drawn, and none of them acting when
// `all_red` holds); leading blanks are not drawn.
void DrawMarkedUpText(std::string_view text, int x, int y, bool all_red);

inline constexpr std::string_view kDescriptionFont = "Arial CE";
inline constexpr std::string_view kSheetFont = "Courier New";

}  // namespace vorda
