#include "editor/param_entry.h"

#include <charconv>
#include <string>

#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "editor/editor_modes.h"
#include "editor/editor_state.h"
#include "editor/line_refresh.h"
#include "editor/screen_slots.h"
#include "editor/sheet_screen.h"
#include "platform/virtual_keys.h"

namespace vorda {

namespace {

constexpr Color kPromptColor = 0xFF2200;
constexpr int kEntryX = 297;
constexpr int kEntryY = 238;
constexpr std::size_t kEntryDigits = 5;

std::int32_t* CursorField() {
  const auto& ed = Editor();
  const int line = ed.CursorCell / 10;
  const int column = ed.CursorCell % 10;
  if (line < 1 || line > kSheetLines || column < 1 || column > 3) return nullptr;
  return &SheetModel().Lines.SheetParams[static_cast<std::size_t>(line)][static_cast<std::size_t>(column - 1)];
}

void DrawEntryText() {
  Canvas& c = SheetCanvas();
  c.SetBrushColor(colors::Green);
  c.SetFontColor(colors::White);
  c.TextOut(kEntryX, kEntryY, Modes().ParamEntryText);
}

bool ParseNumber(const std::string& text, std::int32_t& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

void OpenParamEntryBox() {
  std::int32_t* field = CursorField();
  if (!field) return;
  SetCursorPlain(Editor().CursorCell);
  SaveScreenRect(210, 210, 430, 260, 1);

  Canvas& c = SheetCanvas();
  c.SetBrushColor(colors::Grey);
  c.SetPenColor(colors::Aqua);
  c.Rectangle(210, 210, 430, 260);
  c.SetFontColor(kPromptColor);
  c.TextOut(220, 217, "Ird be a paraméter értékét:"_w);
  c.SetBrushColor(colors::Green);
  FillSheetRect(kEntryX, kEntryY, 332, 252);

  std::string text = std::to_string(*field).substr(0, kEntryDigits);
  text.insert(0, kEntryDigits - text.size(), '0');
  Modes().ParamEntryText = text;
  DrawEntryText();
  Editor().EditorMode = 8;
}

void ParamEntryKey(std::uint16_t key) {
  auto& modes = Modes();
  std::string& text = modes.ParamEntryText;
  if ((key >= vk::Digit0 && key <= vk::Digit9) || (key >= vk::Numpad0 && key <= vk::Numpad9)) {
    const int digit = key >= vk::Numpad0 ? key - vk::Numpad0 : key - vk::Digit0;
    if (!text.empty()) text.erase(0, 1);
    text += static_cast<char>('0' + digit);
    DrawEntryText();
  } else if (key == vk::Back) {
    if (!text.empty()) text.pop_back();
    text = '0' + text;
    DrawEntryText();
  } else if (key == vk::Return) {
    auto& ed = Editor();
    ed.SheetModified = true;
    std::int32_t* field = CursorField();
    // A text that is no number (the box showed a negative value with zeros in
    // front of its sign) keeps the field as it was.
    std::int32_t value = 0;
    if (ParseNumber(text, value))
      modes.ParamEntryValue = value > 32767 ? 32000 : value;
    else
      modes.ParamEntryValue = field ? *field : 0;
    if (field) *field = modes.ParamEntryValue;
    DrawEntryText();
    ed.EditorMode = 1;
    RestoreScreenRect(1);
    MoveCursor(ed.CursorCell);
    if (field) RefreshLineView(ed.CursorCell / 10);
  }
}

}  // namespace vorda
