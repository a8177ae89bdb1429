#pragma once
// The settings window's work: the current character's seven values (movement
// and invention TVP, teleport foci, the resources already used in the turn)
// and the three folders of the options (map, encyclopedia, turn reports).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorda {

struct SpinRange {
  std::int32_t Min;
  std::int32_t Max;
};

// The seven values in the window's order: MOZG, FELT, TERFOKUSZ, TVP, VP, PP, TU.
inline constexpr int kSettingsValueCount = 7;
using SettingsValues = std::array<std::int32_t, kSettingsValueCount>;
inline constexpr std::array<SpinRange, kSettingsValueCount> kSettingsRanges = {{
    {5, 15}, {5, 12}, {0, 20}, {-3000, 3000}, {-20000, 20000}, {-3000, 3000}, {-100, 100},
}};

// How many characters may be typed into each value.
inline constexpr std::array<int, kSettingsValueCount> kSettingsValueLengths = {2, 2, 2, 4, 5, 4, 3};

// A typed value brought to the nearest bound of value `index`'s range.
std::int32_t ClampSettingsValue(int index, std::int64_t value);

// The character's values as the window shows them.
SettingsValues CharSettingsValues();

// "OK": stores the values (clamped) into the sheet character's settings entry,
// appending one when it has none (a full table keeps them for this run only and
// says so), and into the character's values; then every line is refreshed, its
// costs and its description, and the status line redrawn in full.
void StoreSettingsValues(const SettingsValues& values);

// The folder of a chosen file, with its trailing "/": the path as the user
// chose it, up to its last "/"; empty when it has none.
std::string FolderOfChosenFile(std::string_view file);

// The rule for a folder shown in the window: a folder that is no path (has no
// "/") is cleared. True when a folder is set.
bool KeepFolderSetting(std::string& folder);

// The folder pickers: each stores its folder in the options at once. A new map
// folder loads its MAP.DAT and then its SF_MAP.LST when they are there; a new
// encyclopedia folder has the encyclopedia detect the packing of its TEXT.DTA
// (through the window links; none there: plain).
void ChooseMapFolder(std::string_view chosen_file);
void ChooseEncyclopediaFolder(std::string_view chosen_file);
void ChooseReportFolder(std::string_view chosen_file);

}  // namespace vorda
