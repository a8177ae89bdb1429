#pragma once
// The recent-sheet list, `Program().RecentSheets`: ten bare file names, newest
// first, without gaps and without duplicates. (The "&File" menu shows one item
// per entry; the main window rebuilds it from the list.)
#include <string_view>

namespace vorda {

// Puts the bare name of `file_name` (its folder removed) first in the list. An
// equal name already there moves to the front; with all ten slots taken the
// oldest entry is dropped. Duplicates the list held before (an ini file edited
// by hand) are removed and gaps closed. Callers pass names already lower-cased.
void AddRecentFile(std::string_view file_name);

}  // namespace vorda
