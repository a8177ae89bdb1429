#include "data/map_grid.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "data/field_reader.h"
#include "platform/files.h"
#include "platform/win1250.h"
#include "platform/zero_pages.h"

namespace vorda {

namespace {

MapState& State() {
  static MapState state;
  return state;
}

const std::string kNoName;

std::string SizeError(std::uintmax_t size) {
  return "Hibás MAP.DAT: "_w + std::to_string(size) + " bájt hosszú, "_w + std::to_string(kMapDatSize) +
         " bájtnak kell lennie. A térkép nem változott."_w;
}

// A folder, FIFO or device bearing the file's name is never opened: a FIFO
// would hold the program up for good.
std::string NotAFileError(const std::string& name) {
  return "A(z) "_w + name + " nem közönséges fájl (hanem például mappa), ezért nem olvasható. A térkép nem változott."_w;
}

std::string UnreadableError() { return "A MAP.DAT nem olvasható. A térkép nem változott."_w; }

std::string PartwayError() {
  return "A MAP.DAT olvasása félbeszakadt (a fájl olvasás közben megváltozott, vagy hibás a lemez). A térkép nem "
         "változott."_w;
}

int HighestFeatureKind(MapListKind kind) { return kind == MapListKind::SfMapLst ? 14 : kFeatureKinds; }

}  // namespace

void MapGridRelease::operator()(TMapGrid* grid) const noexcept { FreeZeroPages(grid, sizeof(TMapGrid)); }

MapGridPtr MakeZeroMapGrid() {
  // The pages hold the bytes of a value-initialised grid (all zero) from the
  // start; nothing is written to them until a map is read in.
  return MapGridPtr(static_cast<TMapGrid*>(AllocateZeroPages(sizeof(TMapGrid))));
}

const std::string& NameList::Find(std::uint32_t key) const {
  const auto it = names_.find(key);
  return it == names_.end() ? kNoName : it->second;
}

void NameList::Store(std::uint32_t key, std::string_view name) {
  if (name.empty())
    names_.erase(key);
  else
    names_[key] = std::string(name);
}

MapState& MapModel() { return State(); }

void ResetMapState() { State() = MapState{}; }

const MapCell* MapCellAt(std::int32_t x, std::int32_t y) {
  if (x < 0 || x >= kMapWidth || y < 0 || y >= kMapHeight) return nullptr;
  return &State().MapGrid->Cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
}

const std::string& FeatureName(std::int32_t kind, std::int32_t number) {
  if (kind < 1 || kind > kFeatureKinds || number < 0 || number > kMaxFeatureNumber) return kNoName;
  return State().FeatureNames.Find(FeatureKey(kind, number));
}

const std::string& LandscapeName(std::int32_t number) {
  if (number < 1 || number > kMaxLandscapeNumber) return kNoName;
  return State().LandscapeNames.Find(static_cast<std::uint32_t>(number));
}

bool LoadMapDatBytes(std::string_view bytes, std::string& error) {
  if (bytes.size() != kMapDatSize) {
    error = SizeError(bytes.size());
    return false;
  }
  std::memcpy(static_cast<void*>(State().MapGrid.get()), bytes.data(), kMapDatSize);
  State().GridUntouched = false;
  return true;
}

bool LoadMapDat(const std::string& map_folder, std::string& error) {
  MapState& m = State();
  const std::string path = ResolvePathNoCase(map_folder, "MAP.DAT");
  using Status = ExactFileRead::Status;
  // The file's layout is the grid's, and its kind and length are tested before
  // a byte is read. The first map goes straight into the untouched grid, so
  // the start holds the map once; a later one goes into fresh memory, so that
  // a read that breaks off leaves the map that was shown.
  const bool into_grid = m.GridUntouched;
  MapGridPtr fresh = into_grid ? nullptr : MakeZeroMapGrid();
  TMapGrid* target = into_grid ? m.MapGrid.get() : fresh.get();
  const ExactFileRead read = m.ReadMapDatFile(path, std::as_writable_bytes(std::span(target, 1)));
  switch (read.status) {
    case Status::Ok:
      if (!into_grid) m.MapGrid = std::move(fresh);
      m.GridUntouched = false;
      return true;
    case Status::WrongSize:
      error = SizeError(read.size);
      return false;
    case Status::NotRegular:
      error = NotAFileError("MAP.DAT");
      return false;
    case Status::FailedPartway:
      // Part of a map in the grid that held none: back to no map.
      if (into_grid) m.MapGrid = MakeZeroMapGrid();
      error = PartwayError();
      return false;
    case Status::Unreadable:
      break;
  }
  error = UnreadableError();
  return false;
}

void ReadMapNameList(std::string_view bytes, MapListKind list) {
  MapState& m = State();
  const int highest_feature_kind = HighestFeatureKind(list);
  FieldReader in(bytes);
  while (!in.Eof()) {
    std::int32_t kind = 0;
    std::int32_t number = 0;
    const bool numbers_ok = in.ReadNumber(kind) && in.ReadNumber(number);
    std::string text = in.ReadRestOfLine();
    in.SkipLine();
    if (!numbers_ok) continue;  // a line that is no name line is skipped, the rest still read
    // The one character between the number and the name is dropped, whatever it is.
    const std::string_view name = text.empty() ? std::string_view() : std::string_view(text).substr(1);
    if (kind >= 1 && kind <= highest_feature_kind) {
      if (number < 0 || number > kMaxFeatureNumber) continue;
      m.FeatureNames.Store(FeatureKey(kind, number), name.substr(0, kFeatureNameLength));
    } else if (kind == kLandscapeListKind) {
      if (number < 1 || number > kMaxLandscapeNumber) continue;
      m.LandscapeNames.Store(static_cast<std::uint32_t>(number), name.substr(0, kLandscapeNameLength));
      m.LandscapeCount = std::max(m.LandscapeCount, static_cast<std::int16_t>(number));
    }
  }
}

bool LoadMapNameList(const std::string& path, MapListKind kind, std::string& error) {
  const RegularFileRead read = ReadRegularFile(path);
  if (read.status == RegularFileRead::Status::NotRegular) {
    error = NotAFileError(std::filesystem::path(path).filename().string());
    return false;
  }
  if (read.status != RegularFileRead::Status::Ok) {
    error = "A térkép névlistája nem olvasható."_w;
    return false;
  }
  ReadMapNameList(read.bytes, kind);
  return true;
}

}  // namespace vorda
