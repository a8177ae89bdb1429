#pragma once
// The e-mail order dialog `TForm2` ("E-mail UL mentése") as plain logic: it
// edits the account part of the sheet header, looks the account up when the
// character number changes, checks the data, saves the sheet as ".UL", writes
// the ".emv" file and stores the account. The window only passes its events
// here and shows `EmailDialog()`.
#include <array>
#include <cstdint>
#include <string>

namespace vorda {

// Controls that Enter can move the focus to.
enum class EmailFocus { None, Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, CheckBox1 };

struct EmailDialogState {
  // Edit1..Edit7 at [1..7]: character, turn, account, password, queued
  // character, queued turn, e-mail address.
  std::array<std::string, 8> Edit;
  // CheckBox1..CheckBox11 at [1..11]: the eleven send flags in their order.
  std::array<bool, 12> CheckBox{};
  std::string Label8;  // the queue label; "\r" breaks its line
  std::string Label9;
  std::string SheetPrevCharacter;
  bool AccountLookupPending = false;
};

EmailDialogState& EmailDialog();
void ResetEmailDialog();

// The widths of Edit1..Edit7 at [1..7].
inline constexpr std::array<std::size_t, 8> kEmailEditLength = {0, 4, 4, 5, 8, 4, 4, 35};

// A character typed into edit `edit` (1..7): true when the edit takes it.
// Backspace (8) and Tab (9) pass everywhere; Enter is discarded and moves the
// focus to `focus`.
bool EmailEditKeyPress(int edit, char key, EmailFocus& focus);

// The dialog's activation: fills the edits and boxes from the sheet header,
// arms the first account look-up and takes the keys from the editor.
void EmailFormActivate();
// The dialog's closing: the editor gets its keys back in edit mode.
void EmailFormClose();

void Edit1Enter();
// A key released in Edit1, whose text is now `text`: the account look-up.
void Edit1KeyUp(const std::string& text);
// A key released in edit 2..7 (whose text is now `text`): its header field
// follows it (the queued pair also refreshes the queue label).
void EmailEditKeyUp(int edit, const std::string& text);

// A click on box 1..11 (its state already toggled): its flag follows it; a
// checked encoding box (6..10) unchecks the other four.
void EmailCheckBoxClick(int box);
// A box set from code: runs its click only when the state really changes.
void SetEmailCheckBox(int box, bool checked);

// F2: checks, saves the ".UL" and the ".emv" into `dir` and stores the account.
// True when everything was written (the dialog then closes): the codes are then
// upper case in all 40 lines and the sheet is drawn again. False when a check
// failed or a file could not be written (a message says why); the codes keep
// their case.
bool Ments1Click(const std::string& dir);

}  // namespace vorda
