#pragma once
// The parameter entry box (mode 8): a small box over the sheet in which the
// field under the cursor is typed as five digits that shift in from the right;
// Enter stores the number, and only Enter closes the box.
#include <cstdint>

namespace vorda {

// Opens the box for the field under the cursor (keypad "/" or F7 on a coded
// line's parameter).
void OpenParamEntryBox();

// One key of mode 8.
void ParamEntryKey(std::uint16_t key);

}  // namespace vorda
