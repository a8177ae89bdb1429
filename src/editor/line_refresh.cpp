#include "editor/line_refresh.h"

#include <algorithm>

#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "editor/editor_state.h"
#include "editor/sheet_screen.h"
#include "orders/describers.h"
#include "orders/line_resources.h"

namespace vorda {

namespace {

// A MAK line that queues a macro for later (P2 or P3 set) is only valid on a
// settings sheet; elsewhere the whole line is shown red.
bool RedRule(const std::string& code, const std::array<std::int32_t, 3>& p) {
  return code == "MAK" && (p[1] > 0 || p[2] > 0) && !SheetModel().Header.SendFlags[BEALL];
}

int DescriptionY(int line) { return 12 * line - 2 + Editor().LargeFontOffset; }

}  // namespace

void FillSheetRect(int x1, int y1, int x2, int y2) { SheetCanvas().FillRect(x1, y1, x2, y2); }

void DrawMarkedUpText(std::string_view text, int x, int y, bool all_red) {
  Canvas& c = SheetCanvas();
  c.MoveTo(x, y);
  bool drawn_any = false;
  for (const char ch : text) {
    switch (ch) {
      case '@':
        if (!all_red) c.SetFontColor(colors::Aqua);
        continue;
      case '$':
        if (!all_red) c.SetFontColor(colors::Yellow);
        continue;
      case '^':
        if (!all_red) c.SetFontColor(colors::Red);
        continue;
      case ' ':
        if (!drawn_any) continue;
        break;
      default:
        break;
    }
    const Point at = c.PenPos();
    c.TextOut(at.x, at.y, std::string_view(&ch, 1));
    drawn_any = true;
  }
}

void RefreshSheetLine(int line) {
  if (line < 1 || line > kSheetLines) return;
  auto& sheet = SheetModel();
  auto& lines = sheet.Lines;
  auto& editor = Editor();
  Canvas& canvas = SheetCanvas();
  const auto i = static_cast<std::size_t>(line);

  CalcLineResources(line);

  if (editor.ResourceView) {
    editor.ResourceView = false;
    canvas.SetBrushColor(colors::Black);
    FillSheetRect(230, 10, 685, 500);
    for (int l = 1; l <= kSheetLines; ++l) RefreshSheetLine(l);
  }

  canvas.SetBrushColor(colors::Black);
  FillSheetRect(230, 12 * line - 1, 700, line == kSheetLines ? 501 : 12 * line + 11);

  lines.SheetTexts[i].clear();
  sheet.LineDescription.clear();

  LoadCurParams(line);
  const auto& p = lines.SheetParams[i];

  std::string& code = lines.SheetCodes[i];
  code.erase(std::remove(code.begin(), code.end(), ' '), code.end());

  DescribeOrders0(line);
  DescribeOrders1(line);
  DescribeOrders2(line);
  DescribeOrders3(line);

  if (!sheet.LineDescription.empty()) lines.SheetTexts[i] = sheet.LineDescription.substr(0, kDescriptionLength);

  canvas.SetFontColor(colors::Yellow);
  canvas.SetFontName(kDescriptionFont);

  if (lines.SheetTexts[i].empty() && !code.empty()) {
    lines.SheetTvp[i] = 0;
    canvas.SetFontColor(colors::Red);
    canvas.TextOut(234, DescriptionY(line), "? Ismeretlen parancs"_w);
  } else {
    const bool all_red = RedRule(code, p);
    canvas.SetFontColor(all_red ? colors::Red : colors::Yellow);
    if (editor.ColorMarkup) DrawMarkedUpText(lines.SheetTexts[i], 234, DescriptionY(line), all_red);
  }

  // The band of line 20 covers the divider of the right panel.
  canvas.SetPenColor(colors::Grey);
  canvas.MoveTo(229, 250);
  canvas.LineTo(800, 250);

  canvas.SetFontName(kSheetFont);

  CalcLineResources(line);
  DrawLineSum(line);
}

}  // namespace vorda
