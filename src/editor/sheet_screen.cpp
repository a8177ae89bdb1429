#include "editor/sheet_screen.h"

#include "data/order_sheet.h"
#include "data/text.h"
#include "editor/editor_state.h"

namespace vorda {

namespace {

// One resource column: the value right-aligned to `width` in `color`, or a grey
// dash when it is 0.
void DrawResourceValue(int x, int y, std::int32_t value, int width, Color color) {
  Canvas& c = SheetCanvas();
  c.SetBrushColor(colors::Black);
  if (value == 0) {
    c.SetFontColor(colors::Grey);
    c.TextOut(x, y, width == 3 ? " - " : "  - ");
  } else {
    c.SetFontColor(color);
    c.TextOut(x, y, IntToStrPadded(value, width));
  }
}

}  // namespace

void DrawLineSum(int line) { DrawResourceValue(195, 12 * line - 2, LineTvp(line), 4, colors::Aqua); }

}  // namespace vorda
