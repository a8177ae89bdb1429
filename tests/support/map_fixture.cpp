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

// The showcase's feature of each kind 1..17: its number (chosen to show every
// width of the number rule) and its name.
struct ShowcaseFeature {
  std::uint16_t number;
  const char* line;
};
constexpr ShowcaseFeature kShowcaseFeatures[18] = {
    {0, ""},
    {1, ""},  // named with the other kind-1 features
    {120, "2 120 Öreg tölgyes\r\n"},
    {1005, "3 1005 Bányató\r\n"},
    {10000, "4 10000 Hollókő vára\r\n"},
    {7, ""},  // Ezüstforrás
    {0, "6 0 Névtelen kút\r\n"},
    {33, "7 33 Szélmalom\r\n"},
    {8, "8 8 Vámház\r\n"},
    {909, "9 909 Rókalyuk\r\n"},
    {10, "10 10 Kápolna\r\n"},
    {2011, "11 2011 Sárkányfészek\r\n"},
    {12, "12 12 Remetelak\r\n"},
    {313, "13 313 Halászkunyhó\r\n"},
    {14, "14 14 Kőhíd\r\n"},
    {1515, "15 1515 Tündérkert\r\n"},
    {16, "16 16 Égett torony\r\n"},
    {1717, "17 1717 Kristálybarlang\r\n"},
};

void PutShowcase(std::string& dat) {
  for (int k = 0; k < 25; ++k) {
    const int x = kShowcaseX - 2 + k % 5;
    const int y = kShowcaseY - 2 + k / 5;
    SetMapDatTerrain(dat, x, y, static_cast<std::uint8_t>(k <= 22 ? k : 9 + 5 * (k - 23)));
    SetMapDatKnown(dat, x, y, k <= 22 ? 1 : 0);
    for (int slot = 0; slot < 20; ++slot) SetMapDatFeature(dat, x, y, slot, 0, 0);
    if (k == 12) {
      for (int kind = 1; kind <= 17; ++kind)
        SetMapDatFeature(dat, x, y, kind - 1, static_cast<std::uint8_t>(kind), kShowcaseFeatures[kind].number);
    } else if (k < 17) {
      const int first = k + 1;
      const int second = (k + 8) % 17 + 1;
      SetMapDatFeature(dat, x, y, 0, static_cast<std::uint8_t>(first), kShowcaseFeatures[first].number);
      SetMapDatFeature(dat, x, y, 3, static_cast<std::uint8_t>(second), kShowcaseFeatures[second].number);
    }
  }
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
  PutShowcase(dat);
  return dat;
}

std::string InventedMapLst() {
  std::string showcase;
  for (const ShowcaseFeature& f : kShowcaseFeatures) showcase += f.line;
  return "1 1 Kőhalom\r\n"
         "1 2 Vénfűz tanya\r\n"
         "1 3 Ködös rév\r\n"
         "5 7 Ezüstforrás\r\n"
         "999 1 Sóspuszta\r\n"
         "999 2 Ködlápok\r\n"
         "999 3 Szürke-hegyek\r\n"_w +
         Utf8ToWin1250(showcase);
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
