#pragma once
// When a window makes its controls. The program's start makes every window it
// has and shows two or three; a window that only a command shows can make its
// controls when it is first shown, and the start does not wait for them. Made
// at creation (the default), a window's controls can be looked at before it is
// ever shown.

namespace vorda {

enum class ControlsMade { AtCreation, AtFirstShow };

}  // namespace vorda
