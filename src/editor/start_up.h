#pragma once
// The program's life around the editor: the ini file read at start into
// `Program().Options` and the recent-sheet list, the map files, the first
// activation that opens the sheet of the last session, the recent-sheet menu
// items, and the shut-down that writes everything back. The main window calls
// these from its events; what needs a window (its place, its caption) stays
// there.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/ini_file.h"

namespace vorda {

inline constexpr const char* kIniName = "vorda40.ini";

// "vorda40.ini" in the program's folder, or the one command-line argument (in
// the program's folder too); with any other number of arguments the default.
std::string IniPathFor(const std::string& program_dir, const std::vector<std::string>& arguments);

// Every key of the ini file into Options (texts cut to their lengths) and
// "Last1".."Last10" into the recent-sheet slots.
void ReadOptions(const IniProfile& ini);
// The file as shut-down writes it: every key in its order, then the non-empty
// recent slots.
IniProfile OptionsProfile();

// The creation's part of start-up: empty recent list, no character and no
// account in the header, then the ini file read when it exists (remembered in
// `Program().IniFound`). Without the file every option is 0 or empty, except
// the SMTP port, which is the mail port 25. True when the file was there.
bool ReadIniAtStart(const IniStorage& ini);

// Loads MAP.DAT and MAP.LST of the map folder (`Options.Map`, the program's
// folder when empty or relative to it) when they are there; a file that is
// there but cannot be read is reported.
void LoadMapAtStart();

// The cursor cell the ini file's "Active" stands for: a line 1..40 and a
// column 0..3, anything else the first line's code (10).
std::uint16_t ValidCursorCell(std::int32_t active);

// The first activation, after the window is shown: the account and settings
// files, edit mode, the sheet the ini file names with its character's settings,
// the game tables, the whole screen, the map window and the notebook.
void FirstActivation();

// The recent sheets in the "&File" menu: from position 8 (after the seven
// fixed items and the separator), one per non-empty slot. The file name is the
// item's data; the caption only shows it.
inline constexpr int kFirstRecentPosition = 8;
struct RecentMenuItem {
  int position;
  std::string name;  // "UL" + the slot number
  std::string file;
};
std::vector<RecentMenuItem> RecentMenuItems();

// A recent item chosen: with unsaved changes the prompt asks first (mode 33);
// otherwise the sheet is loaded from the program's folder. A file that is no
// longer there is reported and the sheet stays as it is. The notebook shown
// keeps the notes of the sheet it leaves.
void RecentSheetClick(int position, const std::string& file);

// Asked when the main window is to close.
enum class CloseAnswer {
  Refused,   // a popup is open or a mail is being sent: the window stays, silently
  Prompted,  // unsaved changes: the exit prompt is shown, the window stays
  Proceed,   // go on with ShutDown
};
CloseAnswer AskToClose();

// Why the options cannot be written to the ini file so that they read back the
// same (a text longer than the reader keeps, a line break); empty when they can.
std::string OptionsRefusal();

// The one box of a close that could not write everything: each file not
// written and why, and its two answers, "Vissza" (the default, and Esc's) and
// "Kilépés mentés nélkül".
std::string CloseBoxText(const std::vector<UnsavedFile>& unsaved);
const std::vector<std::string>& CloseBoxAnswers();

// Writes the ini file (with the main window's place already in Options; the
// map window's and the notebook's places are read from their links), the
// account and settings files and the notebook shown. Every write is tried and
// replaces its file in one step. When all are written the result is true (the
// window closes). Otherwise one box lists what was not written: "Vissza" gives
// false, so that the window stays open and nothing is lost; "Kilépés mentés
// nélkül" gives true, the files stay as they are on disk, and the notes shown
// are given up without a further box.
bool ShutDown(IniStorage& ini);

// Reloads MAP.DAT from the map folder (a command without menu item or key).
void mapdatbeolvass1Click();

}  // namespace vorda
