#pragma once
// The main window's menu `MainMenu1` and its commands: the hidden "Rejtett"
// menu that exists for its shortcuts, "&File" and "&UL tábla", each item with
// its caption, shortcut and the condition under which it acts; the save prompt
// (mode 2), the exit prompt (mode 3), the prompt before a sheet replaces an
// unsaved one (mode 33); new sheet, open sheet, help and the window size.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/virtual_keys.h"

namespace vorda {

// When a command acts.
enum class MenuCondition {
  Always,
  Ready,          // EditorReady and edit mode (1)
  EnabledReady,   // as Ready, and the main window enabled
  ReadyMode1Or5,  // EditorReady and mode 1 or 5
  Mode1Or4,       // mode 1 or 4
  NoPopup,        // no popup open (modes 2, 3, 33, 6, 7, 8): a file or closing
                  // command would otherwise act behind the popup's back
};

struct MenuItemDef {
  const char* name;     // the item's name, e.g. "Rejt01"
  const char* menu;     // "Rejtett1", "File1" or "ULtbla1"
  std::string caption;  // Windows-1250; "-" is a separator
  std::uint16_t key;    // 0: no shortcut
  ShiftState shift;
  MenuCondition condition;
  void (*command)();  // nullptr: none (a separator)
};

// The items in menu order: the ten of "Rejtett", the seven of "&File" (recent
// sheets follow at run time), the six of "&UL tábla".
const std::vector<MenuItemDef>& MainMenu1();
bool MenuConditionHolds(MenuCondition condition);
// Runs the item's command when its condition holds; it shows at most one box.
void RunMenuItem(const MenuItemDef& item);
// A recent-sheet item of the "&File" menu (acts when no popup is open), with
// at most one box.
void RunRecentItem(int position, const std::string& file);

// What the menu needs of the main window; filled in by the window.
struct MainWindowLinks {
  std::function<bool()> Enabled;                 // empty: enabled
  std::function<void(int dx, int dy)> Resize;    // grow (or shrink) by pixels
};
MainWindowLinks& MainWindow();

// Installs the mode handlers of modes 2, 3 and 33 and every shortcut of the
// table (each checking its condition before it acts).
void InstallMenuCommands();
void ResetMenuCommands();

// The save prompt.
void ShowSavePrompt();
void SavePromptKey(std::uint16_t key);

// The exit prompt, shown when the window is closed with unsaved changes.
void ShowExitPrompt();
void ExitPromptKey(std::uint16_t key);

// The prompt before a sheet replaces an unsaved one: a recent sheet, a new
// sheet or an opened one; "T" goes on with it, "M" saves first (and goes on
// with nothing), "V" or Esc goes back.
enum class PendingAction { None, RecentSheet, NewSheet, OpenSheet };
void ShowPendingPrompt(PendingAction action, int menu_position = 0, const std::string& file = {});
void PendingActionPromptKey(std::uint16_t key);

// The header's account part from the account of KSZ: account number, the first
// 8 characters of its password and ten send flags; without an account "00000",
// empty and off. BEALL is not touched.
void TakeAccountData();

// The commands of the table that are built here.
void Segtsg1Click();         // help
void FormNovelesClick();     // window 50 pixels larger
void FormCsokkentesClick();  // window 50 pixels smaller
void resUL1Click();          // new sheet
void ULbetlts1Click();       // open a sheet
void ULmentse1Click();       // the save prompt
void EmailULments1Click();
void N2fordulsszehasonltsa1Click();
void Belltsok1Click();
void Trkp1Click();
void Noteszakarakterhez1Click();
void ULkldse1Click();
// The encyclopedia look-up at the cursor (a command without item or key).
void Lexor1Click();

}  // namespace vorda
