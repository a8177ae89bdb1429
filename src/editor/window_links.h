#pragma once
// What the editor asks of windows that it does not own: the main window closes
// (Esc and the closing commands), the map window is refreshed, asked whether it
// is visible, or shown. Each window fills in its part when it is created; an
// empty entry means the window does not exist, and asking it does nothing. The
// editor stands below the map, the mail and the encyclopedia: it reaches them
// only through these links.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/files.h"

namespace vorda {

// Where a window stands on the screen: its frame's left and top, its inner
// width and height, as the window system gives them.
struct WindowPlace {
  std::int32_t Left = 0, Top = 0, Width = 0, Height = 0;
};

struct WindowLinks {
  std::function<void()> OnCloseMain;
  std::function<bool()> OnMapVisible;
  // The map window's refresh (it replays the moves up to the cursor line and
  // redraws); `force` redraws even when nothing changed.
  std::function<void(bool force)> OnRefreshMap;
  // Enables and shows the map window with its grid on column 2, row 2.
  std::function<void()> OnShowMap;
  // Where the map window and the notebook stand now; read once, at close, so
  // that the ini file gets the windows' own places.
  std::function<WindowPlace()> OnMapPlace;
  std::function<WindowPlace()> OnNotebookPlace;

  // The dialogs and small windows, each filled in by its window when it is
  // created: the e-mail order dialog, the sending dialog, the settings window,
  // the turn comparison and the notebook (each shown as the menu command asks),
  // and the encyclopedia look-up for the cell under the cursor, which shows its
  // window when an entry was found.
  std::function<void()> OnShowEmailDialog;
  std::function<void()> OnShowSendDialog;
  std::function<void()> OnShowSettings;
  std::function<void()> OnShowComparison;
  std::function<void()> OnShowNotebook;
  std::function<void()> OnLookupEncyclopedia;
  // The settings window chose another encyclopedia folder: the encyclopedia
  // finds how the TEXT.DTA there is packed (none there: plain).
  std::function<void(const std::string& folder)> OnEncyclopediaFolderChanged;
  // The sending dialog tells whether a send is on its way: the program does
  // not close until it ends.
  std::function<bool()> OnSendRunning;

  // The notebook follows the sheet while it is shown; each entry does nothing
  // while the notebook is hidden. Save writes the open notebook under the
  // character number in force (creating the notesz folder); SaveIfKept saves
  // only when the notebook holds lines or the character's file exists (the
  // save prompt's rule); Clear saves what there is to keep, then empties it;
  // Load clears it, names the character and reads the current character's file.
  std::function<bool()> OnNotebookSave;  // false: shown but not saved (said why)
  std::function<void()> OnNotebookSaveIfKept;
  std::function<void()> OnNotebookClear;
  std::function<void()> OnNotebookLoad;
  // At shut-down: the notes shown (or left unsaved by a failed save) are
  // written without a box; the file and why when that failed. ProgramEnds:
  // the close is carried out, with the notes saved or (`give_up`) given up by
  // the user; the window saves nothing more on its way out.
  std::function<std::optional<UnsavedFile>()> OnNotebookSaveAtClose;
  std::function<void(bool give_up)> OnNotebookProgramEnds;

  void CloseMain() const {
    if (OnCloseMain) OnCloseMain();
  }
  bool MapVisible() const { return OnMapVisible && OnMapVisible(); }
  void RefreshMap(bool force) const {
    if (OnRefreshMap) OnRefreshMap(force);
  }
  void ShowMap() const {
    if (OnShowMap) OnShowMap();
  }
  static void Call(const std::function<void()>& f) {
    if (f) f();
  }
  void ShowEmailDialog() const { Call(OnShowEmailDialog); }
  void ShowSendDialog() const { Call(OnShowSendDialog); }
  void ShowSettings() const { Call(OnShowSettings); }
  void ShowComparison() const { Call(OnShowComparison); }
  void ShowNotebook() const { Call(OnShowNotebook); }
  void LookupEncyclopedia() const { Call(OnLookupEncyclopedia); }
  void EncyclopediaFolderChanged(const std::string& folder) const {
    if (OnEncyclopediaFolderChanged) OnEncyclopediaFolderChanged(folder);
  }
  bool SendRunning() const { return OnSendRunning && OnSendRunning(); }
  bool NotebookSave() const { return !OnNotebookSave || OnNotebookSave(); }
  void NotebookSaveIfKept() const { Call(OnNotebookSaveIfKept); }
  void NotebookClear() const { Call(OnNotebookClear); }
  void NotebookLoad() const { Call(OnNotebookLoad); }
  std::optional<UnsavedFile> NotebookSaveAtClose() const {
    return OnNotebookSaveAtClose ? OnNotebookSaveAtClose() : std::nullopt;
  }
  void NotebookProgramEnds(bool give_up) const {
    if (OnNotebookProgramEnds) OnNotebookProgramEnds(give_up);
  }
};

WindowLinks& Windows();
void ResetWindowLinks();

}  // namespace vorda
