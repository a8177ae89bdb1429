#pragma once
// What one order line spends of the character's four resources (TVP, VP, PP,
// TU), written into the line's resource columns of the sheet.
namespace vorda {

// Recomputes SheetTvp, SheetVp, SheetPp and SheetTu of line `line` (1..40).
void CalcLineResources(int line);

}  // namespace vorda
