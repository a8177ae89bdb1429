#include "editor/line_operations.h"

#include <charconv>
#include <string>
#include <string_view>

#include "data/order_sheet.h"
#include "editor/edit_keys.h"
#include "editor/editor_modes.h"
#include "editor/editor_state.h"
#include "editor/line_refresh.h"
#include "editor/screen_slots.h"
#include "editor/sheet_screen.h"
#include "editor/sheet_totals.h"
#include "editor/window_links.h"
#include "orders/move_replay.h"
#include "orders/orders_state.h"
#include "platform/virtual_keys.h"
#include "platform/win1250.h"

namespace vorda {

const std::array<PortalPair, 16> PortalPairs = {{
    {423, 70, 450, 5},   {450, 5, 423, 70},    // seven pairs that lead to each other
    {195, 70, 465, 102}, {465, 102, 195, 70},
    {364, 61, 188, 31},  {188, 31, 364, 61},
    {364, 64, 190, 60},  {190, 60, 364, 64},
    {364, 67, 191, 105}, {191, 105, 364, 67},
    {132, 46, 72, 84},   {72, 84, 132, 46},
    {185, 57, 620, 89},  {620, 89, 185, 57},
    {453, 118, 513, 49}, {406, 26, 513, 49},   // two one-way portals to the same square
}};

namespace {

auto& Lines() { return SheetModel().Lines; }
std::size_t At(int line) { return static_cast<std::size_t>(line); }
int CursorLine() { return Editor().CursorCell / 10; }
int CursorColumn() { return Editor().CursorCell % 10; }
bool OnSheet(int line) { return line >= 1 && line <= kSheetLines; }
bool Coded(int line) { return !Lines().SheetCodes[At(line)].empty(); }

void RefreshMapIfVisible() {
  if (Windows().MapVisible()) Windows().RefreshMap(false);
}

// A line's content as the line operations move it: code, parameters and the
// five cost values (the description is recomputed by the refresh).
void CopyLineContent(int from, int to, bool with_manual_tvp) {
  auto& s = Lines();
  s.SheetCodes[At(to)] = s.SheetCodes[At(from)];
  s.SheetParams[At(to)] = s.SheetParams[At(from)];
  s.SheetTvp[At(to)] = s.SheetTvp[At(from)];
  if (with_manual_tvp) s.SheetTvpManual[At(to)] = s.SheetTvpManual[At(from)];
  s.SheetVp[At(to)] = s.SheetVp[At(from)];
  s.SheetPp[At(to)] = s.SheetPp[At(from)];
  s.SheetTu[At(to)] = s.SheetTu[At(from)];
}

void EmptyLineContent(int line) {
  auto& s = Lines();
  s.SheetCodes[At(line)].clear();
  s.SheetParams[At(line)] = {0, 0, 0};
  s.SheetTvp[At(line)] = 0;
  s.SheetTvpManual[At(line)] = 0;
  s.SheetVp[At(line)] = 0;
  s.SheetPp[At(line)] = 0;
  s.SheetTu[At(line)] = 0;
}

// Lines `from`..40 refreshed and their cells drawn plain.
void RedrawLinesFrom(int from) {
  for (int l = from; l <= kSheetLines; ++l) {
    RefreshLineView(l);
    SweepLineCells(l);
  }
}

std::int32_t ReadBack(std::string_view text) {
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

// The manual TVP cell of a line, x 234: white on green when selected, else
// yellow on black, or a grey dash for 0.
void DrawManualTvpCell(int line, bool highlighted) {
  if (!OnSheet(line)) return;
  const std::int32_t value = Lines().SheetTvpManual[At(line)];
  Canvas& c = SheetCanvas();
  const int y = 12 * line - 2;
  if (highlighted) {
    c.SetBrushColor(colors::Green);
    c.SetFontColor(colors::White);
    c.TextOut(234, y, IntToStrRight(value, 4));
  } else if (value == 0) {
    c.SetBrushColor(colors::Black);
    c.SetFontColor(colors::Grey);
    c.TextOut(234, y, "  - ");
  } else {
    c.SetBrushColor(colors::Black);
    c.SetFontColor(colors::Yellow);
    c.TextOut(234, y, IntToStrRight(value, 4));
  }
}

// A field holds a move step: an "M" direction, or the first parameter of a
// teleport, portal or travel order ("V", "EK", "H") of the kinds that move.
bool HoldsMoveStep(int line, int column) {
  if (column < 1 || column > 3) return false;
  const std::string& code = Lines().SheetCodes[At(line)];
  const std::int32_t v = Lines().SheetParams[At(line)][static_cast<std::size_t>(column - 1)];
  if (code == "M") return v >= 1 && v <= 8;
  if (column != 1) return false;
  if (code == "V") return v == 163 || v == 96 || v == 181 || v == 198 || v == 416 || v == 489;
  if (code == "EK") return v == 559 || v == 503;
  if (code == "H") return v == 1477 || v == 1387;
  return false;
}

int NextCellRound(int cell) {
  const int line = cell / 10;
  const int column = cell % 10;
  if (column < 3) return cell + 1;
  return line >= kSheetLines ? 10 : 10 * (line + 1);
}

void InsertEmptyLine() {
  auto& ed = Editor();
  const int line = CursorLine();
  if (line < 1 || line >= kSheetLines) return;
  const int at = ed.CursorCell;
  ed.SheetModified = true;
  SetCursorPlain(at);

  // The gap is the first empty line after a coded one; without one, line 40,
  // whose content is then lost.
  int gap = kSheetLines;
  bool seen_coded = false;
  for (int l = line; l <= kSheetLines; ++l) {
    if (Coded(l)) {
      seen_coded = true;
    } else if (seen_coded) {
      gap = l;
      break;
    }
  }
  // A coded line 40 is not given up while an empty line lies from the cursor
  // down: the nearest one takes the shift.
  if (gap == kSheetLines && Coded(kSheetLines)) {
    for (int l = line; l < kSheetLines; ++l)
      if (!Coded(l)) {
        gap = l;
        break;
      }
  }
  for (int l = gap; l > line; --l) CopyLineContent(l - 1, l, true);
  EmptyLineContent(line);

  RedrawLinesFrom(line);
  SweepMoveLineCells(line);
  MoveCursor(at);
  UpdateStatusLine(0);
  RefreshMapIfVisible();
}

// Line-move mode: the cursor line and its neighbour swap; the refresh works
// out their costs again.
void SwapWithNeighbour(int line, int other) {
  auto& ed = Editor();
  auto& s = Lines();
  ed.SheetModified = true;
  ed.CurLine = static_cast<std::uint8_t>(line);
  DrawLineNumber(2);
  std::swap(s.SheetCodes[At(line)], s.SheetCodes[At(other)]);
  std::swap(s.SheetParams[At(line)], s.SheetParams[At(other)]);
  std::swap(s.SheetTvp[At(line)], s.SheetTvp[At(other)]);
  std::swap(s.SheetTvpManual[At(line)], s.SheetTvpManual[At(other)]);
  for (const int l : {line, other}) {
    s.SheetVp[At(l)] = 0;
    s.SheetPp[At(l)] = 0;
    s.SheetTu[At(l)] = 0;
  }
  for (const int l : {line, other}) {
    SweepLineCells(l);
    RefreshLineView(l);
  }
  MoveCursor(10 * other);
  ed.CurLine = static_cast<std::uint8_t>(other);
  DrawLineNumber(1);
}

// The manual TVP of line L changed: its sum and cell drawn again, and the totals.
void AfterManualChange(int line) {
  DrawLineSum(line);
  DrawManualTvpCell(line, true);
  UpdateStatusLine(1);
}

}  // namespace

void CopyLineIntoEmptyNeighbour(bool with_manual_tvp) {
  auto& ed = Editor();
  const int line = CursorLine();
  if (line < 1 || line >= kSheetLines) return;
  ed.SheetModified = true;
  if (Coded(line) && !Coded(line + 1)) {
    CopyLineContent(line, line + 1, with_manual_tvp);
    SweepLineCells(line);
    SweepLineCells(line + 1);
    MoveCursor(10 * (line + 1));
  } else if (!Coded(line) && line > 1 && Coded(line - 1)) {
    CopyLineContent(line - 1, line, with_manual_tvp);
    SweepLineCells(line - 1);
    RefreshLineView(line - 1);
    SweepLineCells(line);
    RefreshLineView(line);
    MoveCursor(10 * (line + 1));
  }
  RefreshLineView(CursorLine());
}

void DeleteAtCursor() {
  auto& ed = Editor();
  const int line = CursorLine();
  const int column = CursorColumn();
  if (!OnSheet(line) || column > 3) return;
  auto& s = Lines();
  ed.SheetModified = true;
  int cursor_to = ed.CursorCell;
  std::int32_t* field = column > 0 ? &s.SheetParams[At(line)][static_cast<std::size_t>(column - 1)] : nullptr;

  if (column == 0 && Coded(line)) {
    ClearSheetLine(line);
    SweepLineCells(line);
    MoveCursor(cursor_to);
    RefreshLineView(line);
  } else if (field && *field > 0) {
    // Only a positive field is cleared; an empty or negative one (the "GYJ" -1
    // included) stands for the line itself, which is removed.
    *field = 0;
    SweepLineCells(line);
    MoveCursor(cursor_to);
    RefreshLineView(line);
  } else {
    for (int l = line; l < kSheetLines; ++l) {
      CopyLineContent(l + 1, l, true);
      s.SheetTexts[At(l)] = s.SheetTexts[At(l + 1)];
    }
    ClearSheetLine(kSheetLines);
    RedrawLinesFrom(line);
    cursor_to = 10 * line;
  }
  SweepMoveLineCells(line);
  MoveCursor(cursor_to);
  UpdateStatusLine(1);
  RefreshMapIfVisible();
}

void LineMoveKey(std::uint16_t key) {
  auto& ed = Editor();
  const int line = CursorLine();
  if (!OnSheet(line)) return;
  switch (key) {
    case vk::Up:
      if (line > 1) SwapWithNeighbour(line, line - 1);
      break;
    case vk::Down:
      if (line < kSheetLines) SwapWithNeighbour(line, line + 1);
      break;
    case vk::F4:
      ed.CurLine = static_cast<std::uint8_t>(line);
      DrawLineNumber(2);
      ed.EditorMode = 1;
      break;
    default:
      break;
  }
}

void HighlightManualTvpCell(int line) {
  auto& index = Modes().PromptIndex;
  DrawManualTvpCell(index, false);
  index = line;
  DrawManualTvpCell(index, true);
}

void UnhighlightManualTvpCell() { DrawManualTvpCell(Modes().PromptIndex, false); }

void ToggleManualTvpMode() {
  auto& ed = Editor();
  if (!ed.EditorReady) return;
  auto& index = Modes().PromptIndex;
  if (ed.EditorMode == 1) {
    const int line = CursorLine();
    if (!OnSheet(line)) return;
    SetCursorPlain(ed.CursorCell);
    index = line;
    DrawManualTvpCell(line, true);
    ed.EditorMode = 5;
  } else if (ed.EditorMode == 5) {
    ed.EditorMode = 1;
    UnhighlightManualTvpCell();
    MoveCursor(10 * index);
  }
}

void ManualTvpKey(std::uint16_t key) {
  auto& ed = Editor();
  const int line = Modes().PromptIndex;
  if (!OnSheet(line)) return;
  std::int32_t& manual = Lines().SheetTvpManual[At(line)];
  const bool coded = Coded(line);

  if (key == vk::Up) {
    HighlightManualTvpCell(line == 1 ? kSheetLines : line - 1);
  } else if (key == vk::Down) {
    HighlightManualTvpCell(line == kSheetLines ? 1 : line + 1);
  } else if (key == vk::Return || key == vk::Escape) {
    UnhighlightManualTvpCell();
    MoveCursor(10 * line);
    ed.EditorMode = 1;
  } else if ((key >= vk::Digit0 && key <= vk::Digit9) || (key >= vk::Numpad0 && key <= vk::Numpad9)) {
    if (!coded) return;
    ed.SheetModified = true;
    // At most three digits: the oldest one goes when a fourth is typed, the
    // sign stays.
    std::string text = std::to_string(manual);
    const std::size_t sign = text.front() == '-' ? 1 : 0;
    while (text.size() - sign > 2) text.erase(sign, 1);
    text += static_cast<char>('0' + (key >= vk::Numpad0 ? key - vk::Numpad0 : key - vk::Digit0));
    manual = ReadBack(text);
    AfterManualChange(line);
  } else if (key == vk::Back) {
    if (!coded) return;
    ed.SheetModified = true;
    std::string text = std::to_string(manual);
    text.pop_back();
    manual = ReadBack(text);
    AfterManualChange(line);
  } else if (key == vk::Add) {
    if (!coded) return;
    ed.SheetModified = true;
    if (manual < 999) ++manual;
    AfterManualChange(line);
  } else if (key == vk::Subtract) {
    if (!coded) return;
    ed.SheetModified = true;
    if (manual > -999) --manual;
    AfterManualChange(line);
  }
}

void FindNextMoveField() {
  const int start = Editor().CursorCell;
  if (!OnSheet(start / 10) || start % 10 > 3) return;
  for (int cell = NextCellRound(start); cell != start; cell = NextCellRound(cell)) {
    if (HoldsMoveStep(cell / 10, cell % 10)) {
      MoveCursor(cell);
      return;
    }
  }
}

void FillPortalTarget() {
  auto& ed = Editor();
  // The replay up to the cursor runs whether or not the map shows it, through
  // the map window's refresh even while it is hidden: its view then follows the
  // position, and shows the right squares when F10 brings it back (the refresh
  // on showing finds the position unchanged and redraws nothing).
  if (Windows().OnRefreshMap)
    Windows().RefreshMap(false);
  else
    TraceMoves(ed.CursorCell / 10, ed.CursorCell % 10);

  // Not while a popup that a key opened covers the sheet; the next key of
  // edit mode fills the line.
  if (ed.EditorMode != 1 && ed.EditorMode != 4) return;
  const int line = CursorLine();
  if (!OnSheet(line)) return;
  auto& s = Lines();
  auto& p = s.SheetParams[At(line)];
  if (s.SheetCodes[At(line)] != "V" || p[0] != 163 || p[1] != 0 || p[2] != 0) return;
  const TMovePosition& pos = Orders().MovePosition;
  for (const PortalPair& pair : PortalPairs) {
    if (pair.X != pos.X || pair.Y != pos.Y) continue;
    p[1] = pair.ToX;
    p[2] = pair.ToY;
    ed.SheetModified = true;
    const int at = ed.CursorCell;
    SweepLineCells(line);
    MoveCursor(at);
    RefreshLineView(line);
    return;
  }
}

void ToggleResourceView() {
  auto& ed = Editor();
  ed.ResourceView = !ed.ResourceView;
  if (!ed.ResourceView) {
    for (int l = 1; l <= kSheetLines; ++l) RefreshSheetLine(l);
    return;
  }
  Canvas& c = SheetCanvas();
  c.SetBrushColor(colors::Black);
  FillSheetRect(230, 10, 685, 500);
  DrawResourcePicture(435, 100);
  for (int l = 1; l <= kSheetLines; ++l) {
    DrawLineSum(l);
    DrawLineTvpManual(l);
    DrawLineVp(l);
    DrawLinePszi(l);
    DrawLineTu(l);
  }

  // The totals box.
  ComputeStatusValues();
  const StatusValues& v = Status();
  c.SetBrushColor(colors::Black);
  c.SetFontColor(colors::Grey);
  c.TextOut(395, 390, "Elhasznált erôforrások"_w);
  const struct {
    int y;
    std::string label;
    std::int32_t total;
  } totals[] = {
      {411, "TVP       : ", v.TotalTvp},
      {422, "Varázspont: "_w, v.TotalVp},
      {433, "Pszípont  : "_w, v.TotalPp},
      {444, "Tudatpont : ", v.TotalTu},
  };
  for (const auto& t : totals) {
    c.TextOut(395, t.y, t.label);
    const Point after = c.PenPos();
    c.TextOut(after.x, t.y, IntToStrRight(t.total, 4));
  }

  // The compass: 8 north at the top, then clockwise 1 north-east to 7 north-west.
  c.SetPenColor(colors::White);
  c.SetBrushColor(colors::Black);
  c.SetFontColor(colors::White);
  c.Ellipse(574, 404, 667, 497);
  c.Ellipse(589, 419, 652, 482);
  c.TextOut(595, 387, "irányok"_w);
  const struct {
    int x, y;
    const char* digit;
  } numbers[] = {{617, 405, "8"}, {590, 416, "7"}, {644, 416, "1"}, {655, 443, "2"},
                 {645, 470, "3"}, {617, 482, "4"}, {590, 470, "5"}, {578, 443, "6"}};
  for (const auto& n : numbers) c.TextOut(n.x, n.y, n.digit);
  c.MoveTo(598, 428);
  c.LineTo(642, 472);
  c.MoveTo(598, 472);
  c.LineTo(642, 428);
  c.SetBrushColor(colors::White);
  const std::array<std::array<Point, 3>, 4> triangles = {{
      {{{620, 420}, {620, 450}, {610, 440}}},
      {{{590, 450}, {620, 450}, {610, 460}}},
      {{{620, 450}, {620, 480}, {630, 460}}},
      {{{620, 450}, {650, 450}, {630, 440}}},
  }};
  for (const auto& t : triangles) c.Polygon(t);
  const std::array<std::array<Point, 2>, 4> edges = {{
      {{{620, 420}, {630, 440}}},
      {{{650, 450}, {630, 460}}},
      {{{620, 480}, {610, 460}}},
      {{{590, 450}, {610, 440}}},
  }};
  for (const auto& e : edges) {
    c.MoveTo(e[0].x, e[0].y);
    c.LineTo(e[1].x, e[1].y);
  }
  c.SetBrushColor(colors::Black);
}

void Rejt01Click() {
  CopyLineIntoEmptyNeighbour(false);
  UpdateStatusLine(0);
  RefreshMapIfVisible();
}

void Rejt02Click() { EditKey(vk::Delete, shift::None); }

void Rejt04Click() { InsertEmptyLine(); }

void Rejt05Click() {
  FindNextMoveField();
  UpdateStatusLine(1);
  RefreshMapIfVisible();
}

void Erforrsok1Click() {
  auto& ed = Editor();
  if (!ed.EditorReady) return;
  if (ed.EditorMode == 1) {
    if (!ed.ResourceView) ToggleResourceView();
    ToggleManualTvpMode();
  } else if (ed.EditorMode == 5) {
    ToggleManualTvpMode();
    SheetCanvas().SetBrushColor(colors::Black);
    for (int l = 1; l <= kSheetLines; ++l) DrawLineSum(l);
  }
}

void Vltslerserforrsokkztt1Click() { ToggleResourceView(); }

}  // namespace vorda
