#pragma once
// The player's map of the game world and the names of what lies on it.
//
// MAP.DAT is 840 x 128 squares of 88 bytes each, X-major (the square (X, Y)
// starts at byte (X * 128 + Y) * 88), little-endian, no header. The grid in
// memory has exactly the file's layout, so a load is one block read.
//
// MAP.LST and SF_MAP.LST are Windows-1250 text, one name a line: the kind, the
// number, one separating character, the name. Kinds 1..17 name features (cut to
// 30 characters), kind 999 names landscapes (cut to 40).
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/files.h"

namespace vorda {

inline constexpr int kMapWidth = 840;   // X 0..839
inline constexpr int kMapHeight = 128;  // Y 0..127
inline constexpr int kMapFeatureSlots = 20;
inline constexpr int kFeatureKinds = 17;        // kinds 1..17
inline constexpr int kMaxFeatureNumber = 10000;  // numbers 0..10000
inline constexpr int kMaxLandscapeNumber = 1000;  // numbers 1..1000
inline constexpr int kLandscapeListKind = 999;
inline constexpr std::size_t kFeatureNameLength = 30;
inline constexpr std::size_t kLandscapeNameLength = 40;

// One feature slot of a square.
struct MapFeature {
  std::uint8_t Kind = 0;  // 0 = empty slot, 1..17 a feature kind
  std::uint8_t Reserved = 0;
  std::uint16_t Number = 0;  // the name's number within its kind, 0..10000
};

// One square, byte for byte as in MAP.DAT.
struct MapCell {
  std::uint8_t Terrain = 0;  // terrain code 0..22
  std::uint8_t Reserved1 = 0;
  std::uint16_t Reserved2 = 0;
  std::uint8_t Known = 0;  // 0 = the square is unknown to the player
  std::uint8_t Reserved3 = 0;
  std::array<MapFeature, kMapFeatureSlots> Features{};
  std::uint16_t LandscapeIndex = 0;  // 0 = none, else 1..1000 into LandscapeNames
};

// The whole map: Cells[x][y].
struct TMapGrid {
  std::array<std::array<MapCell, kMapHeight>, kMapWidth> Cells{};
};

inline constexpr std::size_t kMapCellSize = 88;
inline constexpr std::size_t kMapDatSize = std::size_t{kMapWidth} * kMapHeight * kMapCellSize;  // 9,461,760

// The block read relies on the memory layout being the file's.
static_assert(std::endian::native == std::endian::little, "MAP.DAT is read as little-endian memory");
static_assert(sizeof(MapFeature) == 4);
static_assert(offsetof(MapFeature, Kind) == 0);
static_assert(offsetof(MapFeature, Number) == 2);
static_assert(sizeof(MapCell) == kMapCellSize);
static_assert(offsetof(MapCell, Terrain) == 0);
static_assert(offsetof(MapCell, Known) == 4);
static_assert(offsetof(MapCell, Features) == 6);
static_assert(offsetof(MapCell, LandscapeIndex) == 86);
static_assert(sizeof(TMapGrid) == kMapDatSize);

// The grid's memory comes zeroed from the system, untouched until a map is
// read into it: a program that loads MAP.DAT holds the map once.
struct MapGridRelease {
  void operator()(TMapGrid* grid) const noexcept;
};
using MapGridPtr = std::unique_ptr<TMapGrid, MapGridRelease>;
// An all-zero grid (every square unknown, terrain 0, no features).
MapGridPtr MakeZeroMapGrid();

// Names by number that hold only the names a list gave; every other number
// reads as the empty name.
class NameList {
 public:
  // The name stored under `key`, or the empty name.
  const std::string& Find(std::uint32_t key) const;
  std::string& operator[](std::uint32_t key) { return names_[key]; }
  // Stores `name` under `key`; an empty name is as good as none.
  void Store(std::uint32_t key, std::string_view name);
  std::size_t size() const { return names_.size(); }
  bool empty() const { return names_.empty(); }
  void clear() { names_.clear(); }

 private:
  std::unordered_map<std::uint32_t, std::string> names_;
};

// FeatureNames is keyed by kind 1..17 and number 0..10000 together.
constexpr std::uint32_t FeatureKey(std::int32_t kind, std::int32_t number) {
  return static_cast<std::uint32_t>(kind) * (kMaxFeatureNumber + 1) + static_cast<std::uint32_t>(number);
}

struct MapState {
  // The grid is large (9.5 MB), so it lives on the heap; the pointer is never null.
  MapGridPtr MapGrid = MakeZeroMapGrid();
  // No map has been put into MapGrid yet: its pages are still the system's
  // untouched zero pages, so MAP.DAT can be read straight into them.
  bool GridUntouched = true;
  NameList FeatureNames;    // FeatureKey(kind, number): names of up to 30 characters
  NameList LandscapeNames;  // number 1..1000: names of up to 40 characters
  // The highest landscape number read from a name list so far; 0 while none.
  std::int16_t LandscapeCount = 0;
  // How MAP.DAT is read (tests put a failing reader here).
  ExactFileRead (*ReadMapDatFile)(const std::string& path, std::span<std::byte> memory) = ReadRegularFileExactly;
};

MapState& MapModel();
// An all-zero grid (every square unknown, terrain 0, no features) and empty
// name lists, as at program start.
void ResetMapState();

// The square (x, y), or nullptr when it lies outside the map.
const MapCell* MapCellAt(std::int32_t x, std::int32_t y);
// The name of feature `number` of `kind`; empty outside the tables or where no
// list line named it.
const std::string& FeatureName(std::int32_t kind, std::int32_t number);
// The name of landscape `number`; empty outside 1..1000 or where no line named it.
const std::string& LandscapeName(std::int32_t number);

// Reads MAP.DAT (found in any case) of the map folder straight into MapGrid in
// one block. A file that cannot be opened, is no regular file, or is not
// exactly 9,461,760 bytes long, is refused before anything is read. A read
// that fails once it has begun (a disk error, the file cut or grown meanwhile)
// changes nothing either: the first map is read straight into the untouched
// grid, which goes back to all zero; a map that replaces another is read into
// fresh memory and takes the old one's place only when whole. On a failure
// the grid keeps what it held and `error` gets a message for the user. The
// callers test that the file exists first.
bool LoadMapDat(const std::string& map_folder, std::string& error);
// The same from bytes already in memory (the size rule included).
bool LoadMapDatBytes(std::string_view bytes, std::string& error);

enum class MapListKind {
  MapLst,    // MAP.LST: feature kinds 1..17 and landscapes
  SfMapLst,  // SF_MAP.LST: feature kinds 1..14 and landscapes
};

// Stores the names of a list into FeatureNames / LandscapeNames, overwriting
// only the entries that it names. A line of another kind, with a number outside
// its table, or whose kind or number is not a number is skipped.
void ReadMapNameList(std::string_view bytes, MapListKind kind);
// Reads the list file at `path`; false (and `error` set) when it cannot be read.
bool LoadMapNameList(const std::string& path, MapListKind kind, std::string& error);

}  // namespace vorda
