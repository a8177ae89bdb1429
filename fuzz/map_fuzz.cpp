// The map and its name lists read from any bytes. Input: MAP.LST, SF_MAP.LST
// and MAP.DAT bytes, separated by the byte 1Eh. The MAP.DAT part is loaded as
// it stands (and must be refused unless it has the map's exact size), and,
// when its first byte is odd, also repeated to the map's size so that whole
// maps of any content are read and looked up.
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <string>

#include "data/map_grid.h"
#include "fuzz_support.h"

namespace {

using namespace vorda;

void CheckNameLists() {
  const MapState& m = MapModel();
  FUZZ_CHECK(m.LandscapeCount >= 0 && m.LandscapeCount <= kMaxLandscapeNumber);
  for (int n = 0; n <= kMaxLandscapeNumber; ++n) {
    const std::string& name = LandscapeName(n);
    FUZZ_CHECK(name.size() <= kLandscapeNameLength);
    FUZZ_CHECK(name.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(n <= m.LandscapeCount || name.empty());
  }
  FUZZ_CHECK(LandscapeName(0).empty() && LandscapeName(kMaxLandscapeNumber + 1).empty());
  FUZZ_CHECK(FeatureName(0, 1).empty() && FeatureName(kFeatureKinds + 1, 1).empty());
  FUZZ_CHECK(FeatureName(1, -1).empty() && FeatureName(1, kMaxFeatureNumber + 1).empty());
}

// Squares of a grid made of `pattern` repeated read back their file bytes.
void CheckTiledGrid(std::string_view pattern, const std::string& dat) {
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{0, 1}, std::pair{419, 63},
                            std::pair{kMapWidth - 1, kMapHeight - 1},
                            std::pair{static_cast<int>(pattern.size() % kMapWidth), static_cast<int>(pattern.size() % kMapHeight)}}) {
    const MapCell* cell = MapCellAt(x, y);
    FUZZ_CHECK(cell != nullptr);
    const std::size_t at = (static_cast<std::size_t>(x) * kMapHeight + static_cast<std::size_t>(y)) * kMapCellSize;
    FUZZ_CHECK(std::memcmp(cell, dat.data() + at, kMapCellSize) == 0);
    for (const MapFeature& f : cell->Features) {
      const std::string& name = FeatureName(f.Kind, f.Number);
      FUZZ_CHECK(name.size() <= kFeatureNameLength);
    }
    FUZZ_CHECK(LandscapeName(cell->LandscapeIndex).size() <= kLandscapeNameLength);
  }
  FUZZ_CHECK(MapCellAt(-1, 0) == nullptr && MapCellAt(kMapWidth, 0) == nullptr && MapCellAt(0, kMapHeight) == nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto parts = fuzz::SplitParts(input, 3);
  // The name lists are not cleared between inputs: every check below holds
  // whatever earlier lists left, as a list only ever overwrites the names it
  // gives.

  // A refused MAP.DAT leaves the grid as it was.
  const TMapGrid* before = MapModel().MapGrid.get();
  std::string error;
  const bool loaded = LoadMapDatBytes(parts[2], error);
  FUZZ_CHECK(loaded == (parts[2].size() == kMapDatSize));
  FUZZ_CHECK(loaded || (MapModel().MapGrid.get() == before && !error.empty()));

  ReadMapNameList(parts[0], MapListKind::MapLst);
  CheckNameLists();
  // SF_MAP.LST never names kinds 15..17: what MAP.LST gave them stays.
  std::string kind15 = FeatureName(15, 1), kind17 = FeatureName(17, kMaxFeatureNumber);
  ReadMapNameList(parts[1], MapListKind::SfMapLst);
  CheckNameLists();
  FUZZ_CHECK(FeatureName(15, 1) == kind15 && FeatureName(17, kMaxFeatureNumber) == kind17);

  // Half of the inputs, as a whole map costs milliseconds.
  if (!parts[2].empty() && !loaded && (parts[2][0] & 1) != 0) {
    // The pattern, then what is there so far doubled until the map is full.
    std::string dat(parts[2].substr(0, kMapDatSize));
    dat.reserve(kMapDatSize);
    while (dat.size() < kMapDatSize) dat.append(dat, 0, std::min(dat.size(), kMapDatSize - dat.size()));
    FUZZ_CHECK(LoadMapDatBytes(dat, error));
    CheckTiledGrid(parts[2], dat);
  }
  return 0;
}
