#pragma once
// Pick lists: numpad "*" on a parameter opens the list of the game table that
// the order code and column call for (items, monsters, spells, characters), or
// a small chooser of the four lists (mode 6) when no rule names one. The list
// (mode 7) shows 15 records at a time, scrolls by line and page, jumps to the
// first name that begins with the typed search text, and Enter writes the
// selected record's number into the parameter.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorda {

// List types 1..4: items, monsters, spells, characters.
inline constexpr int kPickListRows = 15;
inline constexpr std::size_t kPickRowLength = 25;
inline constexpr std::size_t kSearchTextLength = 20;

struct PickListState {
  std::uint8_t PickListType = 0;
  // The visible rows and the record numbers behind them, rows 1..15 (0 unused).
  std::array<std::string, kPickListRows + 1> PickListRows;
  std::array<std::int32_t, kPickListRows + 1> PickListNumbers{};
  std::int32_t PickListTop = 1;         // record index shown in row 1 (records are 1-based)
  std::uint8_t PickListSelection = 1;   // 1..15
  std::int32_t PickListCount = 0;       // the record count of the list's table
  std::string SearchText;               // at most 20 characters
  std::int32_t LastSearchTop = 0;       // the top the last successful search chose
  std::int32_t SearchMatch = 0;         // record index of the last match
};

PickListState& PickList();
void ResetPickList();

// The list for the field under the cursor: the list (mode 7), the chooser
// (mode 6) or, for a field without a list, nothing.
void OpenPickListForField();

// What numpad "*" opens for a code, a parameter column (1..3) and the line's P1
// (which decides for "H"): a list type 1..4, kChooser, or kNoList.
inline constexpr int kNoList = 0;
inline constexpr int kChooser = -1;
int PickListForField(std::string_view code, int column, std::int32_t p1);

void OpenSearchList(int list_type);
void ListChooserKey(std::uint16_t key);
void SearchListKey(std::uint16_t key);
// A key turned into a search character, appended, and the list searched; key 0
// searches again with the text as it is.
void SearchListAddKey(std::uint16_t key, int list_type);

void FillPickRows(int list_type, std::int32_t top);
void DrawPickList(int list_type);
void SelectPickRow(int row);
void SelectChooserEntry(int entry);

// Capitals of the Hungarian alphabet (and digits, "-", blank, which stay) to
// their small letters; every other character is kept.
std::string PickListLowerCase(std::string_view s);
// `s` with blanks appended up to `width` characters; a longer `s` is not cut.
std::string PadToWidth(std::string_view s, std::size_t width);

}  // namespace vorda
