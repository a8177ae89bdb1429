#pragma once
// The program's own folder, its ini file's values and the recent-sheet list:
// what start-up fills and the windows read.
#include <array>
#include <cstdint>
#include <string>

namespace vorda {

struct TOptions {
  std::int32_t FormLeft = 0, FormTop = 0, MapLeft = 0, MapTop = 0;
  bool ShowMap = false;
  std::int32_t NotesLeft = 0, NotesTop = 0;
  bool ShowNotes = false;
  std::int32_t NotesWidth = 0, NotesHeight = 0;
  std::string CurrentUL;  // at most 10
  std::int32_t Active = 10, Description = 0, Color = 1;
  std::string Lexor, Map, Fordulo;  // folders, at most 255, ending in the separator
  std::int32_t Replacer = 0;
  std::string SenderEmail, SendCC, SMTP;  // at most 35
  std::int32_t SMTPPort = 25;
  std::string Username;  // at most 255
  std::string Password;  // scrambled
};

struct ProgramState {
  // The folder of the program's files (ini, accounts, settings, game tables,
  // notebook), ending in "/".
  std::string ProgramDir;
  std::string IniPath;
  // Whether IniPath existed at start: only then does the first activation
  // open the sheet the ini file names.
  bool IniFound = false;
  bool FirstActivation = true;
  TOptions Options;
  // Bare file names, newest first, without gaps or duplicates; slots 1..10
  // (index 0 unused).
  std::array<std::string, 11> RecentSheets;
  std::int32_t PendingMenuIndex = 0;
  // The exit prompt's "K" gave up the sheet's changes for a close that is
  // still to come; when the close box keeps the window, they count again.
  bool SheetGivenUpForClose = false;
};

ProgramState& Program();
void ResetProgramState();

}  // namespace vorda
