#include "editor/editor_modes.h"

#include <array>
#include <vector>

#include "data/order_sheet.h"
#include "editor/edit_keys.h"
#include "editor/editor_state.h"
#include "editor/line_operations.h"
#include "editor/param_entry.h"
#include "editor/pick_lists.h"
#include "editor/screen_slots.h"
#include "editor/sheet_screen.h"
#include "editor/window_links.h"
#include "platform/message_box.h"
#include "platform/null_canvas.h"

namespace vorda {

namespace {

struct Shortcut {
  std::uint16_t key;
  ShiftState shift;
  MenuCommand command;
};

void EditModeKey(std::uint16_t key) { EditKey(key, shift::None); }

// The handlers of the modes and the menu shortcuts, made on first use so that
// they are in place whenever the first key or registration comes.
struct KeyTables {
  std::array<ModeKeyHandler, 256> handlers{};
  std::vector<Shortcut> shortcuts;

  KeyTables() { InstallDefaults(); }

  void InstallDefaults() {
    handlers = {};
    handlers[1] = &EditModeKey;
    handlers[4] = &LineMoveKey;
    handlers[5] = &ManualTvpKey;
    handlers[6] = &ListChooserKey;
    handlers[7] = &SearchListKey;
    handlers[8] = &ParamEntryKey;
    shortcuts = {
        {vk::F4, shift::None, &SormozgatasClick},
        {vk::F4, shift::Alt, &Rejt03Click},
        {'X', shift::Alt, &Kilps1Click},
    };
  }
};

KeyTables& Keys() {
  static KeyTables tables;
  return tables;
}

ModeState g_modes;

}  // namespace

ModeState& Modes() { return g_modes; }

void SetModeKeyHandler(std::uint8_t mode, ModeKeyHandler handler) { Keys().handlers[mode] = handler; }

void FormKeyDown(std::uint16_t& key, ShiftState shift) {
  if (shift != shift::None) return;
  const OneBoxPerAction one_box;
  auto& ed = Editor();
  if (ed.EditorReady) {
    const std::uint8_t mode = ed.EditorMode;
    if (const ModeKeyHandler handler = Keys().handlers[mode]) {
      handler(key);
      if (mode == 2 && (key == vk::Return || key == vk::Escape)) {
        if (g_modes.KeepSavePrompt) {
          g_modes.KeepSavePrompt = false;
        } else {
          ed.EditorMode = 1;
          RestoreScreenRect(1);
        }
      }
      if (mode != 1 && ed.EditorMode == 1 && g_modes.RedrawAfterPopup) {
        g_modes.RedrawAfterPopup = false;
        RedrawSheetInPlace();
      }
    }
  }
  key = 0;
}

void RefreshAllLinesAroundPopup() {
  const std::uint8_t mode = Editor().EditorMode;
  if (mode == 1 || mode == 4 || mode == 5) {
    for (int line = 1; line <= kSheetLines; ++line) RefreshLineView(line);
    return;
  }
  Canvas* shown = &SheetCanvas();
  NullCanvas nowhere;
  InstallSheetCanvas(&nowhere);
  for (int line = 1; line <= kSheetLines; ++line) RefreshLineView(line);
  InstallSheetCanvas(shown);
  g_modes.RedrawAfterPopup = true;
}

void FormKeyUp(std::uint16_t& /*key*/, ShiftState /*shift*/) {
  if (Windows().MapVisible()) Windows().RefreshMap(false);
}

void SetMenuShortcut(std::uint16_t key, ShiftState shift, MenuCommand command) {
  auto& shortcuts = Keys().shortcuts;
  std::erase_if(shortcuts, [&](const Shortcut& s) { return s.key == key && s.shift == shift; });
  if (command) shortcuts.push_back({key, shift, command});
}

bool RunMenuShortcut(std::uint16_t key, ShiftState shift) {
  const OneBoxPerAction one_box;
  for (const Shortcut& s : Keys().shortcuts)
    if (s.key == key && s.shift == shift) {
      s.command();
      return true;
    }
  return false;
}

void SormozgatasClick() {
  auto& ed = Editor();
  if (ed.EditorMode == 1) {
    EnterLineMoveMode();
  } else if (ed.EditorMode == 4) {
    DrawLineNumber(2);
    ed.EditorMode = 1;
  }
}

void Kilps1Click() { Windows().CloseMain(); }

void Rejt03Click() { Windows().CloseMain(); }

void ResetEditorModes() {
  g_modes = ModeState{};
  Keys().InstallDefaults();
}

}  // namespace vorda
