#include "support/map_fixture.h"

#include "platform/win1250.h"
#include "platform/files.h"

namespace vorda::testing {

namespace {

// Field offsets within a square's record.
constexpr std::size_t kTerrainAt = 0;
constexpr std::size_t kKnownAt = 4;
constexpr std::size_t kFeaturesAt = 6;
constexpr std::size_t kFeatureSize = 4;
constexpr std::size_t kLandscapeAt = 86;

void PutU16(std::string& dat, std::size_t at, std::uint16_t v) {
  dat[at] = static_cast<char>(v & 0xFF);
  dat[at + 1] = static_cast<char>(v >> 8);
}

}  // namespace

std::string BlankMapDat() { return std::string(kMapDatBytes, '\0'); }

void SetMapDatTerrain(std::string& dat, int x, int y, std::uint8_t terrain) {
  dat[MapDatOffset(x, y) + kTerrainAt] = static_cast<char>(terrain);
}

void SetMapDatKnown(std::string& dat, int x, int y, std::uint8_t known) {
  dat[MapDatOffset(x, y) + kKnownAt] = static_cast<char>(known);
}

void SetMapDatFeature(std::string& dat, int x, int y, int slot, std::uint8_t kind, std::uint16_t number) {
  const std::size_t at = MapDatOffset(x, y) + kFeaturesAt + static_cast<std::size_t>(slot) * kFeatureSize;
  dat[at] = static_cast<char>(kind);
  PutU16(dat, at + 2, number);
}

void SetMapDatLandscape(std::string& dat, int x, int y, std::uint16_t index) {
  PutU16(dat, MapDatOffset(x, y) + kLandscapeAt, index);
}

std::string InventedMapDat() {
  std::string dat = BlankMapDat();
  for (int x = 0; x < kMapDatWidth; ++x) {
    for (int y = 0; y < kMapDatHeight; ++y) {
      const bool marsh = x >= 100 && x <= 109 && y >= 40 && y <= 49;
      int terrain = (x / 12 + (y / 8) * 5) % 23;
      if (terrain == 6 && !marsh) terrain = 7;  // terrain 6 only in the marsh
      SetMapDatTerrain(dat, x, y, static_cast<std::uint8_t>(marsh ? 6 : terrain));
      if (x >= 420) continue;
      SetMapDatKnown(dat, x, y, 1);
      SetMapDatLandscape(dat, x, y, static_cast<std::uint16_t>(x / 140 + 1));
      if (x % 20 == 5 && y % 16 == 3) {
        SetMapDatFeature(dat, x, y, 0, 1, static_cast<std::uint16_t>(x / 20 % 3 + 1));
        if (x % 40 == 25) SetMapDatFeature(dat, x, y, 1, 5, 7);
      }
    }
  }
  return dat;
}

std::string InventedMapLst() {
  return "1 1 Kőhalom\r\n"
         "1 2 Vénfűz tanya\r\n"
         "1 3 Ködös rév\r\n"
         "5 7 Ezüstforrás\r\n"
         "999 1 Sóspuszta\r\n"
         "999 2 Ködlápok\r\n"
         "999 3 Szürke-hegyek\r\n"_w;
}

std::string InventedSfMapLst() {
  return "1 1 Kőhalom romjai\r\n"
         "15 1 Nem kerülhet be\r\n"
         "999 2 Ködláp-mocsár\r\n"_w;
}

bool WriteInventedMapFiles(const std::string& folder) {
  return WriteFileAtomically(JoinPath(folder, "MAP.DAT"), InventedMapDat()) &&
         WriteFileAtomically(JoinPath(folder, "MAP.LST"), InventedMapLst()) &&
         WriteFileAtomically(JoinPath(folder, "SF_MAP.LST"), InventedSfMapLst());
}

}  // namespace vorda::testing
