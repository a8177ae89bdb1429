#include "editor/settings_dialog.h"

#include <algorithm>

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/map_grid.h"
#include "data/order_sheet.h"
#include "editor/editor_modes.h"
#include "editor/program_state.h"
#include "editor/sheet_screen.h"
#include "editor/window_links.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace vorda {

std::int32_t ClampSettingsValue(int index, std::int64_t value) {
  const SpinRange r = kSettingsRanges[static_cast<std::size_t>(index)];
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, r.Min, r.Max));
}

SettingsValues CharSettingsValues() {
  const TCharSettings& c = CharSettings();
  return {c.CharMozg, c.CharFelt, c.CharTerfokusz, c.CharTvp, c.CharVp, c.CharPp, c.CharTu};
}

void StoreSettingsValues(const SettingsValues& typed) {
  SettingsValues v{};
  for (int i = 0; i < kSettingsValueCount; ++i) v[static_cast<std::size_t>(i)] = ClampSettingsValue(i, typed[static_cast<std::size_t>(i)]);

  TCharSettings& c = CharSettings();
  c.CharMozg = static_cast<std::uint8_t>(v[0]);
  c.CharFelt = static_cast<std::uint8_t>(v[1]);
  c.CharTerfokusz = static_cast<std::uint8_t>(v[2]);
  c.CharTvp = v[3];
  c.CharVp = v[4];
  c.CharPp = v[5];
  c.CharTu = static_cast<std::int8_t>(v[6]);

  const std::string& ksz = SheetModel().Header.KSZ;
  std::uint8_t index = FindSheetSettings();
  if (index == 0) {
    TSettingsEntry fresh;
    fresh.KSZ = ksz;
    index = AppendSettingsEntry(fresh);  // a full table says so and gives 0
  }
  if (index != 0) {
    TSettingsEntry& e = Accounts().SettingsTable[index];
    e.KSZ = ksz;
    e.MOZG = c.CharMozg;
    e.FELT = c.CharFelt;
    e.TERFOKUSZ = c.CharTerfokusz;
    e.TVP = c.CharTvp;
    e.VP = c.CharVp;
    e.PP = c.CharPp;
    e.TU = c.CharTu;
  }

  // Every line's costs, and the descriptions that name a teleport's cost.
  RefreshAllLinesAroundPopup();
  UpdateStatusLine(1);
}

std::string FolderOfChosenFile(std::string_view file) {
  const std::size_t slash = file.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(file.substr(0, slash + 1));
}

bool KeepFolderSetting(std::string& folder) {
  if (folder.find('/') == std::string::npos) folder.clear();
  return !folder.empty();
}

void ChooseMapFolder(std::string_view chosen_file) {
  std::string& map = Program().Options.Map;
  const std::string folder = FolderOfChosenFile(chosen_file);
  const bool changed = folder != map;
  map = folder;
  if (!changed) return;
  std::string error;
  if (!FindFileNoCase(folder, "MAP.DAT").empty() && !LoadMapDat(folder, error))
    Messages().Show(error, MessageKind::Error);
  if (const std::string list = FindFileNoCase(folder, "SF_MAP.LST"); !list.empty()) {
    error.clear();
    if (!LoadMapNameList(list, MapListKind::SfMapLst, error)) Messages().Show(error, MessageKind::Error);
  }
}

void ChooseEncyclopediaFolder(std::string_view chosen_file) {
  std::string& lexor = Program().Options.Lexor;
  const std::string folder = FolderOfChosenFile(chosen_file);
  const bool changed = folder != lexor;
  lexor = folder;
  if (!changed) return;
  Windows().EncyclopediaFolderChanged(folder);
}

void ChooseReportFolder(std::string_view chosen_file) { Program().Options.Fordulo = FolderOfChosenFile(chosen_file); }

}  // namespace vorda
