#pragma once
// The desktop's scale, as the program takes it. The sheet and the map are
// drawn pixel by pixel for 96 dots per inch, so Qt may scale the windows by
// whole factors only: a screen of 192 dots per inch (or a desktop scale of
// 200%) doubles every pixel, one of 120 or 144 keeps them as they are. What is
// left of the dots per inch after the whole factor (a window's logicalDpiX:
// 96 at 192, 120 at 240) is what chooses the sheet's font.

namespace vorda {

// Before the application is made.
void UseWholeDesktopScale();

}  // namespace vorda
