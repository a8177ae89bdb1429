#pragma once
// The editor's position and flags that its parts (and the map window and the
// encyclopedia) share, and the canvas of the sheet image they draw on.
#include <cstdint>

#include "platform/canvas.h"

namespace vorda {

struct EditorState {
  // The cursor as line * 10 + column (0 code, 1..3 the parameters); 10..403.
  std::uint16_t CursorCell = 10;
  // CursorCell div 10 and mod 10, recomputed by the cursor drawing and the move
  // limit test before they use them.
  std::uint8_t CurLine = 1;
  std::uint8_t CurColumn = 0;
  bool SheetModified = false;
  bool ResourceView = false;  // the right half shows the resource columns
  bool ColorMarkup = false;   // set at the first activation, never cleared
  std::int32_t LargeFontOffset = 0;  // -1 on screens of more than 96 pixels per inch
  // Which key handler keys go to: 1 edit, 2 save prompt, 3 exit prompt, 33 prompt
  // before a file action, 4 line move, 5 manual cost column, 6 list chooser,
  // 7 search list, 8 parameter entry.
  std::uint8_t EditorMode = 1;
  bool EditorReady = false;
};

EditorState& Editor();
void ResetEditorState();

// The canvas of the 680 x 545 sheet image; a canvas that draws nowhere until one
// is installed. The caller keeps the canvas alive while it is installed.
Canvas& SheetCanvas();
void InstallSheetCanvas(Canvas* canvas);

}  // namespace vorda
