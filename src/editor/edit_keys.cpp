#include "editor/edit_keys.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

#include "data/order_sheet.h"
#include "editor/editor_state.h"
#include "editor/line_operations.h"
#include "editor/param_entry.h"
#include "editor/pick_lists.h"
#include "editor/sheet_screen.h"
#include "editor/window_links.h"
#include "orders/orders_state.h"
#include "platform/virtual_keys.h"

namespace vorda {

namespace {

constexpr int kLastCell = 10 * kSheetLines + 3;

// Products of parameters wrap as the program's 32-bit values do.
std::int32_t Wrap32(std::int64_t v) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(v)); }

// A field's text read back: an empty text or a lone "-" is 0.
std::int32_t ReadBack(const std::string& text) {
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

int NextCell(int line, int column) {
  if (column < 3) return 10 * line + column + 1;
  return line == kSheetLines ? 10 : 10 * (line + 1);
}

int PreviousCell(int line, int column) {
  if (column > 0) return 10 * line + column - 1;
  return line == 1 ? kLastCell : 10 * (line - 1) + 3;
}

// Everything from the first blank on is dropped from a code before it is typed
// into or shortened.
void CutAtBlank(std::string& code) {
  const auto blank = code.find(' ');
  if (blank != std::string::npos) code.erase(blank);
}

// Redraws the line, the move-limit colours below it and the cursor where it
// stands, after a change of the line.
void RefreshAfterEdit(int line) {
  const int at = Editor().CursorCell;
  RefreshLineView(line);
  SweepMoveLineCells(line);
  MoveCursor(at);
}

void Backspace(int line, int column) {
  auto& lines = SheetModel().Lines;
  const auto i = static_cast<std::size_t>(line);
  std::string& code = lines.SheetCodes[i];
  Editor().SheetModified = true;
  if (code.empty()) {
    lines.SheetTvp[i] = 0;
  } else if (column == 0) {
    CutAtBlank(code);
    if (!code.empty()) code.pop_back();
    MoveCursor(Editor().CursorCell);
    if (code.empty()) {
      lines.SheetParams[i] = {0, 0, 0};
      lines.SheetTvpManual[i] = 0;
      SweepLineCells(line);
      MoveCursor(10 * line);
    }
  } else {
    std::int32_t& field = lines.SheetParams[i][static_cast<std::size_t>(column - 1)];
    if (field != 0) {
      std::string text = std::to_string(field).substr(0, 4);
      text.pop_back();
      field = ReadBack(text);
    } else {
      MoveCursor(10 * line + column - 1);
    }
  }
  RefreshAfterEdit(line);
}

void Digit(int line, int column, int digit) {
  auto& lines = SheetModel().Lines;
  const auto i = static_cast<std::size_t>(line);
  const std::string& code = lines.SheetCodes[i];
  Editor().SheetModified = true;
  if (code.empty()) {
    MoveCursor(10 * line);
    return;
  }
  if (column == 0) column = 1;
  // The field keeps the last four digits typed.
  std::int32_t& field = lines.SheetParams[i][static_cast<std::size_t>(column - 1)];
  std::string text = std::to_string(field).substr(0, 4);
  if (text.size() == 4) text.erase(0, 1);
  text += static_cast<char>('0' + digit);
  field = ReadBack(text);
  // A move line takes one direction digit per field.
  if (code == "M" && column < 3) ++column;
  SweepLineCells(line);
  MoveCursor(10 * line + column);
  RefreshLineView(line);
}

void Letter(int line, char letter) {
  std::string& code = SheetModel().Lines.SheetCodes[static_cast<std::size_t>(line)];
  Editor().SheetModified = true;
  // The code keeps the last four letters typed.
  CutAtBlank(code);
  if (code.size() >= kCodeLength) code.erase(0, code.size() - (kCodeLength - 1));
  code += letter;
  MoveCursor(10 * line);
  RefreshLineView(line);
}

void NumpadPlus(int line, int column) {
  auto& lines = SheetModel().Lines;
  const auto i = static_cast<std::size_t>(line);
  Editor().SheetModified = true;
  if (column == 0) {
    CycleCodeColumnCost(line);
  } else if (lines.SheetCodes[i].empty()) {
    MoveCursor(10 * line);
  } else {
    std::int32_t& field = lines.SheetParams[i][static_cast<std::size_t>(column - 1)];
    field = field > 31999 ? 0 : field + 1;
    MoveCursor(Editor().CursorCell);
  }
  RefreshLineView(line);
}

void NumpadMinus(int line, int column) {
  auto& lines = SheetModel().Lines;
  const auto i = static_cast<std::size_t>(line);
  Editor().SheetModified = true;
  if (column > 0) {
    if (lines.SheetCodes[i].empty()) {
      MoveCursor(10 * line);
    } else {
      std::int32_t& field = lines.SheetParams[i][static_cast<std::size_t>(column - 1)];
      if (field >= 1) {
        --field;
      } else if (lines.SheetCodes[i] == "GYJ" && column == 3) {
        // The third parameter of "GYJ" may be -1.
        if (field == 0)
          field = -1;
        else if (field == -1)
          field = 9999;
      } else {
        field = 9999;
      }
      MoveCursor(Editor().CursorCell);
    }
  }
  RefreshLineView(line);
}

// `value` one step on in a cycle of variants; unchanged when it is not one.
template <std::size_t N>
std::int32_t NextInCycle(std::int32_t value, const std::array<std::int32_t, N>& cycle) {
  for (std::size_t k = 0; k < N; ++k)
    if (cycle[k] == value) return cycle[(k + 1) % N];
  return value;
}

void StepItemVariant(std::int32_t item, std::int32_t& tvp) {
  switch (item) {
    case 92: tvp = NextInCycle(tvp, std::array<std::int32_t, 2>{14, 20}); break;
    case 78: tvp = NextInCycle(tvp, std::array<std::int32_t, 2>{16, 35}); break;
    case 165: tvp = NextInCycle(tvp, std::array<std::int32_t, 2>{24, 28}); break;
    case 365: tvp = NextInCycle(tvp, std::array<std::int32_t, 7>{14, 16, 20, 24, 28, 35, 40}); break;
    case 392: tvp = NextInCycle(tvp, std::array<std::int32_t, 2>{40, 45}); break;
    default: break;
  }
}

}  // namespace

void CycleCodeColumnCost(int line) {
  auto& sheet = SheetModel();
  auto& lines = sheet.Lines;
  const auto i = static_cast<std::size_t>(line);
  const std::string& code = lines.SheetCodes[i];
  const auto& p = lines.SheetParams[i];
  std::int32_t& tvp = lines.SheetTvp[i];

  if (code == "JLK") {
    tvp = tvp == 5 ? 15 : 5;
  } else if (code == "A") {
    tvp = tvp != 0 ? 0 : 5;
  } else if (code == "BE" && p[0] == 493) {
    tvp = NextInCycle(tvp, std::array<std::int32_t, 3>{5, 50, 300});
    if (p[1] > 0) tvp = Wrap32(std::int64_t{50} * p[1]);
  } else if (code == "AA" || code == "EF") {
    // The working values are the cursor line's own, whatever line was described last.
    sheet.CurParam1 = p[0];
    sheet.CurParam2 = p[1];
    sheet.CurParam3 = p[2];
    if (code == "AA") {
      if (tvp != 0) {
        tvp = 0;
      } else {
        for (const std::int32_t v : {sheet.CurParam1, sheet.CurParam2, sheet.CurParam3})
          if (v > 0) tvp += 5;
      }
    } else {
      const std::int64_t p1 = sheet.CurParam1;
      auto& factor = Orders().EfFactor;
      if (tvp == Wrap32(5 * p1)) {
        tvp = Wrap32(10 * p1);
        factor = 10;
      } else if (tvp == Wrap32(10 * p1)) {
        tvp = Wrap32(20 * p1);
        factor = 20;
      } else if (tvp == Wrap32(20 * p1)) {
        tvp = Wrap32(5 * p1);
        factor = 5;
      }
    }
  } else if (code == "H") {
    StepItemVariant(p[0], tvp);
  }
}

void EnterLineMoveMode() {
  auto& ed = Editor();
  const int line = ed.CursorCell / 10;
  ed.CurLine = static_cast<std::uint8_t>(line);
  if (line < 1 || line > kSheetLines) return;
  ed.EditorMode = 4;
  DrawLineNumber(1);
  MoveCursor(10 * line);
  RefreshLineView(line);
}

void EditKey(std::uint16_t key, std::uint8_t /*shift*/) {
  auto& ed = Editor();
  const int line = ed.CursorCell / 10;
  const int column = ed.CursorCell % 10;
  ed.CurLine = static_cast<std::uint8_t>(line);
  ed.CurColumn = static_cast<std::uint8_t>(column);
  // A cursor outside the sheet has no line to act on (it cannot get there by
  // these keys); only the status line is drawn.
  const bool on_sheet = line >= 1 && line <= kSheetLines && column <= 3;
  const bool coded = on_sheet && !SheetModel().Lines.SheetCodes[static_cast<std::size_t>(line)].empty();

  if (on_sheet) {
    switch (key) {
      case vk::Return: MoveCursor(line == kSheetLines ? 10 : 10 * (line + 1)); break;
      case vk::Escape: Windows().CloseMain(); break;
      case vk::Space:
      case vk::Right: MoveCursor(NextCell(line, column)); break;
      case vk::Left: MoveCursor(PreviousCell(line, column)); break;
      case vk::Up: MoveCursor(line == 1 ? 10 * kSheetLines + column : ed.CursorCell - 10); break;
      case vk::Down: MoveCursor(line == kSheetLines ? 10 + column : ed.CursorCell + 10); break;
      case vk::Back: Backspace(line, column); break;
      case vk::Delete: DeleteAtCursor(); break;
      case vk::OemPlus: CopyLineIntoEmptyNeighbour(true); break;
      case vk::Multiply:
        if (coded && column > 0) OpenPickListForField();
        break;
      case vk::Add: NumpadPlus(line, column); break;
      case vk::Subtract: NumpadMinus(line, column); break;
      case vk::Divide:
      case vk::F7:
        if (coded && column > 0) OpenParamEntryBox();
        break;
      case vk::F4: EnterLineMoveMode(); break;
      case vk::F10:
        if (!Windows().MapVisible()) Windows().ShowMap();
        break;
      default:
        if (key >= vk::Digit0 && key <= vk::Digit9)
          Digit(line, column, key - vk::Digit0);
        else if (key >= vk::Numpad0 && key <= vk::Numpad9)
          Digit(line, column, key - vk::Numpad0);
        else if (key >= vk::LetterA && key <= vk::LetterZ)
          Letter(line, static_cast<char>(key));
        break;
    }
  }
  FillPortalTarget();
  UpdateStatusLine(1);
}

}  // namespace vorda
