#pragma once
// Edit mode (mode 1): the keys of the sheet itself. The cursor moves cell by
// cell and wraps by line and column; letters type the code, digits the
// parameters; the keypad's "+" and "-" step a parameter, and "+" on the code
// column steps the line's TVP through the variants of its order.
#include <cstdint>

namespace vorda {

// One key of edit mode. After every key the portal fill runs and the status
// line is redrawn.
void EditKey(std::uint16_t key, std::uint8_t shift);

// Keypad "+" on the code column: the line's TVP to the next variant of its
// order ("JLK", "A", "BE" 493, "AA", "EF", "H" 92, 78, 165, 365, 392); other
// codes and values outside a cycle are left as they are.
void CycleCodeColumnCost(int line);

// Line-move mode: the cursor line's number highlighted, the cursor on its code.
void EnterLineMoveMode();

}  // namespace vorda
