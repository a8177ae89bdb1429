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
#include <string>
#include <string_view>

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

// FeatureNames[kind][number], kind 1..17 (row 0 unused), number 0..10000.
using TFeatureNames = std::array<std::array<std::string, kMaxFeatureNumber + 1>, kFeatureKinds + 1>;
// LandscapeNames[number], number 1..1000 (0 unused).
using TLandscapeNames = std::array<std::string, kMaxLandscapeNumber + 1>;

struct MapState {
  MapState();
  // Both are large (9.5 MB and 170,000 strings), so they live on the heap; the
  // pointers are never null.
  std::unique_ptr<TMapGrid> MapGrid;
  std::unique_ptr<TFeatureNames> FeatureNames;
  TLandscapeNames LandscapeNames;
  // The highest landscape number read from a name list so far; 0 while none.
  std::int16_t LandscapeCount = 0;
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

// Reads MAP.DAT (found in any case) of the map folder into MapGrid in one
// block. A file that cannot be read, or is not exactly 9,461,760 bytes long, is
// refused: the grid keeps what it held and `error` gets a message for the user.
// The callers test that the file exists first.
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
