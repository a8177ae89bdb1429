#pragma once
// Invented map files for tests and for the demo: a MAP.DAT of made-up terrain
// and features, and small MAP.LST and SF_MAP.LST lists naming them. The bytes
// are built from the file format itself (not from the program's structs), so
// that a test of the reader checks the layout rather than restating it.
#include <cstddef>
#include <cstdint>
#include <string>

namespace vorda::testing {

inline constexpr int kMapDatWidth = 840;
inline constexpr int kMapDatHeight = 128;
inline constexpr std::size_t kMapDatRecord = 88;
inline constexpr std::size_t kMapDatBytes = std::size_t{kMapDatWidth} * kMapDatHeight * kMapDatRecord;

// Byte offset of the record of square (x, y): X-major, 88 bytes a square.
constexpr std::size_t MapDatOffset(int x, int y) {
  return (static_cast<std::size_t>(x) * kMapDatHeight + static_cast<std::size_t>(y)) * kMapDatRecord;
}

// An all-zero MAP.DAT: every square unknown, terrain 0, no features.
std::string BlankMapDat();

// Sets fields of square (x, y) in MAP.DAT bytes.
void SetMapDatTerrain(std::string& dat, int x, int y, std::uint8_t terrain);
void SetMapDatKnown(std::string& dat, int x, int y, std::uint8_t known);
void SetMapDatFeature(std::string& dat, int x, int y, int slot, std::uint8_t kind, std::uint16_t number);
void SetMapDatLandscape(std::string& dat, int x, int y, std::uint16_t index);

// The invented world. Terrain follows a fixed pattern of bands (codes 0..22),
// with a marsh of terrain 6 at x 100..109, y 40..49 (and one square of the
// showcase below); the squares with x < 420
// are known; every known square with x % 20 == 5 and y % 16 == 3 holds a
// feature of kind 1 (numbers 1..3) and those with x % 40 == 25 also one of
// kind 5, number 7; known squares carry landscape 1..3 by their x.
// Around the showcase square every terrain code and feature kind can be seen
// in one 5 x 5 view: the 25 squares from (300, 100) to (304, 104), row by row,
// have terrain 0 to 22 (then two unknown squares); the first 17 hold two
// features each, and the centre holds all 17 kinds in slots 1 to 17.
inline constexpr int kShowcaseX = 302;
inline constexpr int kShowcaseY = 102;
std::string InventedMapDat();
// The names of those features and landscapes (Windows-1250).
std::string InventedMapLst();
// A second list as the settings window's folder would hold it: it renames
// feature 1/1 and landscape 2, and has a kind-15 line that must be ignored.
std::string InventedSfMapLst();

// Writes MAP.DAT, MAP.LST and SF_MAP.LST of the invented world into `folder`
// (which must exist). False when a file cannot be written.
bool WriteInventedMapFiles(const std::string& folder);

}  // namespace vorda::testing
