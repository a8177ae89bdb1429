#pragma once
// The editor's modes and the dispatch of the main window's keys. Every key
// without a shift state goes to the handler of the current EditorMode:
//   1 edit (EditKey)             2 save prompt          3 exit prompt
//   33 prompt before loading a recent sheet              4 line move
//   5 manual TVP column          6 list chooser         7 search list
//   8 parameter entry box (ParamEntryKey)
// A mode without a handler drops its keys. Keys with a shift state are left to
// the menu shortcuts, which the main window tries before the dispatch.
#include <cstdint>
#include <string>

#include "platform/virtual_keys.h"

namespace vorda {

// The values the modes share.
struct ModeState {
  // The mode that was active when the save prompt opened; saving closes the
  // program when it is 3 (the prompt came from the exit prompt).
  std::uint8_t SavedEditorMode = 0;
  // The selection of the open popup: the save prompt's field (1, 2), the line
  // of the manual TVP column, the list chooser's entry (1..4).
  std::int32_t PromptIndex = 0;
  // The parameter entry box: its five digits and the value read on Enter.
  std::string ParamEntryText = "00000";
  std::int32_t ParamEntryValue = 0;
  // Set by the save prompt's handler when a save failed: the prompt stays open
  // after its Enter.
  bool KeepSavePrompt = false;
  // Set when the lines' costs changed behind a popup (another character typed
  // in the save prompt, the settings stored while a popup was open): the sheet
  // is drawn anew once the popup is gone.
  bool RedrawAfterPopup = false;
};

ModeState& Modes();

// Recomputes every line for the character's settings. In edit, line-move and
// manual TVP mode the lines are drawn at once; behind any other popup they are
// drawn nowhere, so that the popup stays whole and its keys keep working, and
// the sheet is drawn when the popup closes.
void RefreshAllLinesAroundPopup();

using ModeKeyHandler = void (*)(std::uint16_t key);

// Installs the handler of a mode (nullptr: the mode drops its keys). The save
// prompt's handler (mode 2) reads SavedEditorMode itself.
void SetModeKeyHandler(std::uint8_t mode, ModeKeyHandler handler);

// The main window's key-down event. With any shift state the key is left as it
// is (for the menu); otherwise, while EditorReady is set, the current mode's
// handler gets it, and the key is consumed (set to 0) in either case. After the
// save prompt's Enter or Esc the editor returns to mode 1 and slot 1 is put back
// (unless the prompt asked to stay open), then the sheet is drawn anew when the
// prompt asked for it. Whatever the key meets, it shows at most one box.
void FormKeyDown(std::uint16_t& key, ShiftState shift);

// The main window's key-up event: the map window follows the cursor.
void FormKeyUp(std::uint16_t& key, ShiftState shift);

// Menu shortcuts, matched on the key code and the exact shift state before the
// key reaches FormKeyDown.
using MenuCommand = void (*)();
// Binds (or with nullptr unbinds) a shortcut; a key and shift state has at most
// one command.
void SetMenuShortcut(std::uint16_t key, ShiftState shift, MenuCommand command);
// Runs the command bound to the key, if any; true when a command took the key.
// The command shows at most one box.
bool RunMenuShortcut(std::uint16_t key, ShiftState shift);

// "Sormozgatás" (F4): line-move mode on from edit mode, off from line-move
// mode; in any other mode nothing.
void SormozgatasClick();
// "&Kilépés" (Alt+X) and "Kilepés tiltása" (Alt+F4): close the main window.
void Kilps1Click();
void Rejt03Click();

// Back to the start: the shared values, the handlers of modes 1 and 8 and the
// shortcuts above.
void ResetEditorModes();

}  // namespace vorda
