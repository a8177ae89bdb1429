#pragma once
// The notebook of each character: free text kept in notesz/KSZ.not in the
// program's folder (Windows-1250, CR LF line ends, no header). While its window
// is shown it follows the sheet: the notes of the character that was shown are
// saved before the sheet changes, and the new character's notes are loaded.
//
// Notes are never lost: the folder is created when a save finds it missing,
// every clear is preceded by a save, a save goes through a temporary file, the
// text and its status line are kept (and the user told, once per command) until
// a save succeeds, and a character number that is no plain number never
// becomes a file name.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace vorda {

struct NotebookState {
  bool Shown = false;    // the window is visible; the sheet's triggers act only then
  std::string Text;      // the notes, Windows-1250, lines separated by "\n"
  std::string Status;    // "NOTESZ: " + KSZ + " " + the character's name
  std::string ShownKsz;  // whose notes Text holds; empty after a clear
  bool Modified = false; // Text changed since it was loaded or saved
  // The last save failed: Text is kept, under ShownKsz, until one succeeds.
  bool SaveFailed = false;
  // A failed save was reported during the current command; its further
  // failures stay silent.
  bool FailureShown = false;
  // The close was carried out: the window is closed with the program and
  // saves nothing more.
  bool ProgramEnding = false;
};

NotebookState& Notebook();
void ResetNotebook();

// A character number that may name a notebook file: one to four digits.
bool NotebookKszValid(std::string_view ksz);
// `program_dir`/notesz/KSZ.not (folder and file found in any case); empty for a
// character number that is not valid.
std::string NotebookPath(const std::string& program_dir, std::string_view ksz);

// The notes as the file holds them (each line ended by CR LF), and back.
std::string NotebookFileBytes(std::string_view text);
std::string NotebookTextOfFile(std::string_view bytes);

// "NOTESZ: " + KSZ + " " + the name of character KSZ.
std::string NotebookStatus(std::string_view ksz);

// Why `text` cannot be stored as the notebook of `ksz` so that it reads back
// the same; empty when it can.
std::string NotebookRefusal(std::string_view ksz, std::string_view text);

// A command that may save the notebook begins (a sheet opened or begun, the
// save prompt opened, the window closed): its first failed save is reported
// again.
void BeginNotebookCommand();

// Writes the notes under the character whose notes they are (the sheet's when
// none was loaded), creating the folder; false on failure, with a message
// unless one was shown already during this command.
bool SaveNotebook();
// The same save at shut-down, where nothing is shown: the file and why when it
// failed.
std::optional<UnsavedFile> SaveNotebookAtClose();
// The program ends, the notes saved at shut-down or (`give_up`: the user
// closes without saving) given up: nothing saves them any more, the window's
// own save as it closes included.
void NotebookProgramEnds(bool give_up);
// Saves only when there is something to keep: notes in the text, or a file of
// that character already.
bool SaveNotebookIfKept();
// Saves what there is to keep, then empties the text; a failed save keeps it.
void ClearNotebook();
// Names the sheet's character and reads its notes (empty when it has none). A
// text changed since its last save is saved first; if that fails it stays.
void LoadNotebook();

// Fills the notebook's entries of Windows(); each does nothing while the
// notebook is hidden. `refresh` shows Text and Status again after a clear or a
// load.
void LinkNotebook(std::function<void()> refresh);

}  // namespace vorda
