#include "editor/sheet_screen.h"

#include <algorithm>
#include <charconv>

#include "data/order_sheet.h"
#include "data/text.h"
#include "platform/win1250.h"
#include "editor/editor_state.h"
#include "editor/line_refresh.h"
#include "editor/sheet_totals.h"
#include "orders/line_resources.h"

namespace vorda {

namespace {

StatusLineMemory g_last_drawn;

constexpr int kStatusY = 498;
constexpr int kKeyBarY = 514;

// The function-key bar: "F1" at character 2, "F2" at 13, "Alt+F2" at 25, "F3"
// at 44, "F5" at 59, "ESC" at 73, 99 characters in all; the key words are drawn
// over its blanks.
constexpr std::string_view kKeyBar =
    " F1         F2          Alt+F2             F3             F5            ESC                        ";
// The status labels: "Ell:" at character 3, "Mozg:" at 56, "Karsz:" at 67,
// "Ford:" at 81 and "." at 91.
constexpr std::string_view kStatusLabels =
    "  Ell:                                                 Mozg:      Karsz:        Ford:     .";

void SetSheetFont(Canvas& c) {
  c.SetFontName(kSheetFont);
  c.SetFontBold(true);
}

void GridStyle(Canvas& c) {
  c.SetBrushColor(colors::Black);
  c.SetFontColor(colors::Grey);
  SetSheetFont(c);
}

void DrawUnderline(Canvas& c, int column, int y) {
  c.SetPenColor(colors::Grey);
  c.MoveTo(40 * column + 30, y);
  c.LineTo(40 * column + 58, y);
}

bool IsCell(int line, int column) { return line >= 1 && line <= kSheetLines && column >= 0 && column <= 3; }

// The cell at CursorCell, plain or highlighted. A cursor outside the sheet draws
// nothing.
void DrawCursorCell(bool highlighted) {
  auto& ed = Editor();
  const int line = ed.CursorCell / 10;
  const int column = ed.CursorCell % 10;
  ed.CurLine = static_cast<std::uint8_t>(line);
  ed.CurColumn = static_cast<std::uint8_t>(column);
  if (!IsCell(line, column)) return;

  const auto& lines = SheetModel().Lines;
  const auto i = static_cast<std::size_t>(line);
  const int off = ed.LargeFontOffset;
  Canvas& c = SheetCanvas();
  const Color back = highlighted ? colors::Green : colors::Black;
  c.SetBrushColor(back);
  c.SetPenColor(back);
  c.Rectangle(40 * column + 30 + off, 12 * line - 2 + off, 40 * column + 59 - off, 12 * line + 12 - off);

  const int x = 40 * column + 30;
  const int y = 12 * line - 2 + off;
  const int underline_y = 12 * line + 8 + off;
  const std::string& code = lines.SheetCodes[i];

  if (column == 0) {
    if (code.empty()) {
      DrawUnderline(c, column, underline_y);
    } else {
      c.SetFontColor(highlighted ? colors::White : colors::Aqua);
      c.TextOut(x, y, code);
    }
    return;
  }

  const auto& p = lines.SheetParams[i];
  const std::int32_t v = p[static_cast<std::size_t>(column - 1)];
  if (v > 9999) {
    c.SetFontColor(highlighted ? colors::White : colors::Red);
    c.TextOut(x, y, "****");
  } else if (v != 0) {
    // A movement step beyond the twelfth is red, under the cursor too.
    const bool over_limit = code == "M" && !MoveLimitOk();
    c.SetFontColor(over_limit ? colors::Red : colors::White);
    c.TextOut(x, y, IntToStrRight(v, 4));
  } else if ((column == 1 && (p[1] != 0 || p[2] != 0)) || (column == 2 && p[2] != 0)) {
    // A zero standing before a later parameter is shown.
    c.SetFontColor(colors::White);
    c.TextOut(x, y, IntToStrRight(0, 4));
  } else {
    DrawUnderline(c, column, underline_y);
  }
}

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

void DrawStatusText(int x, const std::string& text, Color color) {
  Canvas& c = SheetCanvas();
  c.SetBrushColor(colors::Black);
  c.SetFontColor(color);
  c.TextOut(x, kStatusY + Editor().LargeFontOffset, text);
}

// The totals box of the resource view shows the four totals once more.
void DrawResourceViewTotal(int y, std::int32_t value) {
  Canvas& c = SheetCanvas();
  c.SetBrushColor(colors::Black);
  c.SetFontColor(colors::Grey);
  c.TextOut(479, y, IntToStrRight(value, 4));
}

}  // namespace

std::string IntToStrRight(std::int32_t value, int width) { return IntToStrPadded(value, width); }

std::uint16_t TurnNumber(const std::string& ford) {
  std::string_view s = ford;
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return 0;
  return static_cast<std::uint16_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}

StatusLineMemory& LastDrawnStatus() { return g_last_drawn; }

void ResetSheetScreen() { g_last_drawn = StatusLineMemory{}; }

void DrawSheetFrame() {
  Canvas& c = SheetCanvas();
  const int off = Editor().LargeFontOffset;

  c.SetPenColor(colors::Grey);
  if (!Editor().ResourceView) {
    c.MoveTo(229, 250);
    c.LineTo(800, 250);
  }

  GridStyle(c);
  FillSheetRect(0, 0, 185, 490);
  c.SetPenColor(colors::Grey);
  c.Rectangle(190, 3, 230, 495);

  c.SetBrushColor(colors::White);
  c.SetFontColor(colors::DarkRed);
  SetSheetFont(c);
  c.TextOut(0, kKeyBarY, kKeyBar);

  c.SetBrushColor(colors::White);
  c.SetFontColor(colors::Black);
  SetSheetFont(c);
  c.TextOut(28, kKeyBarY, "Help");
  c.TextOut(105, kKeyBarY, "Mentés"_w);
  c.TextOut(217, kKeyBarY, "E-MAIL UL");
  c.TextOut(323, kKeyBarY, "Betöltés"_w);
  c.TextOut(427, kKeyBarY, "Beállítás"_w);
  c.TextOut(532, kKeyBarY, "Kilépés"_w);

  c.SetBrushColor(colors::Black);
  c.SetFontColor(colors::White);
  c.TextOut(4, kStatusY + off, kStatusLabels);
  c.TextOut(164, kStatusY + off, "/");

  GridStyle(c);
  for (int l = 1; l <= kSheetLines; ++l) c.TextOut(5, 12 * l - 2, IntToStrRight(l, 2) + ".");
  for (int l = 1; l <= kSheetLines; ++l)
    for (int column = 0; column <= 3; ++column) DrawUnderline(c, column, 12 * l + 8);
}

void SetCursorPlain(int pos) {
  DrawCursorCell(false);
  Editor().CursorCell = static_cast<std::uint16_t>(pos);
}

void MoveCursor(int pos) {
  SetCursorPlain(pos);
  DrawCursorCell(true);
}

void RedrawSheet() {
  auto& lines = SheetModel().Lines;
  for (int l = 1; l <= kSheetLines; ++l) {
    std::string& code = lines.SheetCodes[static_cast<std::size_t>(l)];
    code.erase(std::remove(code.begin(), code.end(), ' '), code.end());
    SweepLineCells(l);
    if (Editor().ResourceView)
      DrawResourceLine(l);
    else
      RefreshSheetLine(l);
  }
}

void RedrawSheetInPlace() {
  // The redraw sweeps the cursor over every cell; it goes back to the cell it
  // stood on.
  const std::uint16_t cursor = Editor().CursorCell;
  RedrawSheet();
  MoveCursor(cursor);
  UpdateStatusLine(1);
}

void SweepLineCells(int line) {
  for (int column = 0; column <= 3; ++column) SetCursorPlain(10 * line + column);
}

void SweepMoveLineCells(int from_line) {
  const auto& codes = SheetModel().Lines.SheetCodes;
  for (int l = std::max(from_line, 1); l <= kSheetLines; ++l)
    if (codes[static_cast<std::size_t>(l)] == "M")
      for (int column = 1; column <= 3; ++column) SetCursorPlain(10 * l + column);
}

void DrawLineNumber(int mode) {
  const int line = Editor().CurLine;
  if (line < 1 || line > kSheetLines) return;
  Canvas& c = SheetCanvas();
  c.SetBrushColor(mode == 1 ? colors::Green : colors::Black);
  c.SetFontColor(mode == 1 ? colors::White : colors::Grey);
  c.TextOut(5, 12 * line - 2, IntToStrRight(line, 2) + ".");
}

void DrawLineSum(int line) { DrawResourceValue(195, 12 * line - 2, LineTvp(line), 4, colors::Aqua); }

void DrawLineTvpManual(int line) {
  DrawResourceValue(234, 12 * line - 2, SheetModel().Lines.SheetTvpManual[static_cast<std::size_t>(line)], 4,
                    colors::Yellow);
}

void DrawLineVp(int line) {
  DrawResourceValue(274, 12 * line - 2, SheetModel().Lines.SheetVp[static_cast<std::size_t>(line)], 4,
                    colors::Yellow);
}

void DrawLinePszi(int line) {
  DrawResourceValue(314, 12 * line - 2, SheetModel().Lines.SheetPp[static_cast<std::size_t>(line)], 4,
                    colors::Yellow);
}

void DrawLineTu(int line) {
  DrawResourceValue(354, 12 * line - 2, SheetModel().Lines.SheetTu[static_cast<std::size_t>(line)], 3,
                    colors::Yellow);
}

void DrawResourceLine(int line) {
  SheetCanvas().SetBrushColor(colors::Black);
  CalcLineResources(line);
  DrawLineSum(line);
  DrawLineTvpManual(line);
  DrawLineVp(line);
  DrawLinePszi(line);
  DrawLineTu(line);
  UpdateStatusLine(1);
}

void RefreshLineView(int line) {
  if (Editor().ResourceView)
    DrawResourceLine(line);
  else
    RefreshSheetLine(line);
}

void UpdateStatusLine(std::uint8_t force) {
  const bool all = force == 1;
  auto& last = g_last_drawn;
  const auto& header = SheetModel().Header;
  if (all) last.TvpToCursor = -999;

  ComputeStatusValues();
  const StatusValues& v = Status();

  if (all || v.CheckSum != last.CheckSum) DrawStatusText(52, IntToStrRight(v.CheckSum, 5), colors::StatusGreen);
  if (all || header.KSZ != last.Ksz) DrawStatusText(514, header.KSZ, colors::StatusGreen);
  if (all || header.FORD != last.Ford)
    DrawStatusText(606, IntToStrRight(TurnNumber(header.FORD), 3), colors::StatusGreen);

  const bool resource_view = Editor().ResourceView;
  if (all || v.MoveCount != last.MoveCount) DrawStatusText(433, IntToStrRight(v.MoveCount, 2), colors::StatusGreen);
  if (all || v.TotalTvp != last.TotalTvp) {
    DrawStatusText(174, IntToStrRight(v.TotalTvp, 7), colors::Aqua);
    if (resource_view) DrawResourceViewTotal(411, v.TotalTvp);
  }
  if (all || v.TotalVp != last.TotalVp) {
    DrawStatusText(274, IntToStrRight(v.TotalVp, 4), colors::Yellow);
    if (resource_view) DrawResourceViewTotal(422, v.TotalVp);
  }
  if (all || v.TotalPp != last.TotalPp) {
    DrawStatusText(314, IntToStrRight(v.TotalPp, 4), colors::Yellow);
    if (resource_view) DrawResourceViewTotal(433, v.TotalPp);
  }
  if (all || v.TotalTu != last.TotalTu) {
    DrawStatusText(354, IntToStrRight(v.TotalTu, 3), colors::Yellow);
    if (resource_view) DrawResourceViewTotal(444, v.TotalTu);
  }
  if (all || v.TvpToCursor != last.TvpToCursor) DrawStatusText(112, IntToStrRight(v.TvpToCursor, 7), colors::Aqua);

  last.CheckSum = v.CheckSum;
  last.Ksz = header.KSZ;
  last.Ford = header.FORD;
  last.MoveCount = v.MoveCount;
  last.TotalTvp = v.TotalTvp;
  last.TotalVp = v.TotalVp;
  last.TotalPp = v.TotalPp;
  last.TotalTu = v.TotalTu;
  last.TvpToCursor = v.TvpToCursor;
}

bool MoveLimitOk() {
  auto& ed = Editor();
  const int cur_line = ed.CursorCell / 10;
  const int cur_column = ed.CursorCell % 10;
  ed.CurLine = static_cast<std::uint8_t>(cur_line);
  ed.CurColumn = static_cast<std::uint8_t>(cur_column);
  const auto& lines = SheetModel().Lines;
  int count = 0;
  for (int l = 1; l <= std::min(cur_line, kSheetLines); ++l) {
    const auto i = static_cast<std::size_t>(l);
    const std::string& code = lines.SheetCodes[i];
    const auto& p = lines.SheetParams[i];
    if (code == "V") {
      if (p[0] == 163) ++count;  // one step, wherever the cursor stands on its line
    } else if (code == "M") {
      const int last_column = l == cur_line ? cur_column : 3;
      for (int column = 1; column <= std::min(last_column, 3); ++column)
        if (p[static_cast<std::size_t>(column - 1)] >= 1 && p[static_cast<std::size_t>(column - 1)] <= 8) ++count;
    }
  }
  return count <= 12;
}

}  // namespace vorda
