#include "data/map_grid.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "platform/win1250.h"
#include "support/map_fixture.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

using testing::BlankMapDat;
using testing::MapDatOffset;
using testing::TempDir;

class MapGridTest : public testing::FreshState {};

// MAP.DAT bytes with markers poked straight into the file's bytes.
std::string MarkedMapDat() {
  std::string dat = BlankMapDat();
  const std::size_t a = MapDatOffset(1, 0);
  dat[a + 0] = '\x11';  // terrain
  dat[a + 4] = '\x01';  // known
  dat[a + 6] = '\x05';  // slot 0: kind 5
  dat[a + 8] = '\x10';  // slot 0: number 2710h
  dat[a + 9] = '\x27';
  dat[a + 86] = '\x34';  // landscape 1234h
  dat[a + 87] = '\x12';
  const std::size_t b = MapDatOffset(839, 127);
  dat[b + 0] = '\x16';
  dat[b + 6 + 19 * 4] = '\x11';  // slot 19: kind 17, number 0102h
  dat[b + 6 + 19 * 4 + 2] = '\x02';
  dat[b + 6 + 19 * 4 + 3] = '\x01';
  dat[b + 87] = '\x03';  // landscape 0300h
  dat[MapDatOffset(0, 1)] = '\x09';  // the record right after (0, 0): Y runs fastest
  return dat;
}

TEST_F(MapGridTest, RecordsStandAtTheirFileOffsets) {
  EXPECT_EQ(MapDatOffset(1, 0), 11264u);
  EXPECT_EQ(MapDatOffset(839, 127), 9461672u);
  TempDir dir;
  dir.Write("map.dat", MarkedMapDat());  // any case of the name is found
  std::string error;
  ASSERT_TRUE(LoadMapDat(dir.path() + "/", error)) << error;

  const MapCell* a = MapCellAt(1, 0);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->Terrain, 0x11);
  EXPECT_EQ(a->Known, 1);
  EXPECT_EQ(a->Features[0].Kind, 5);
  EXPECT_EQ(a->Features[0].Number, 10000);
  EXPECT_EQ(a->LandscapeIndex, 0x1234);

  const MapCell* b = MapCellAt(839, 127);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Terrain, 0x16);
  EXPECT_EQ(b->Features[19].Kind, 17);
  EXPECT_EQ(b->Features[19].Number, 0x0102);
  EXPECT_EQ(b->LandscapeIndex, 0x0300);

  EXPECT_EQ(MapCellAt(0, 1)->Terrain, 9);
  EXPECT_EQ(MapCellAt(0, 127)->Terrain, 0);  // the record before (1, 0) is clean
  EXPECT_EQ(MapCellAt(1, 1)->Terrain, 0);
  EXPECT_EQ(MapModel().MapGrid->Cells[1][0].LandscapeIndex, 0x1234);
}

TEST_F(MapGridTest, CellsOutsideTheMapAreNone) {
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {840, 0}, {0, 128}, {INT32_MIN, INT32_MAX}})
    EXPECT_EQ(MapCellAt(x, y), nullptr) << x << "," << y;
  EXPECT_NE(MapCellAt(0, 0), nullptr);
  EXPECT_NE(MapCellAt(839, 127), nullptr);
}

TEST_F(MapGridTest, AFileOfTheWrongSizeIsRefusedAndTheGridStays) {
  TempDir good;
  good.Write("MAP.DAT", MarkedMapDat());
  std::string error;
  ASSERT_TRUE(LoadMapDat(good.path(), error)) << error;

  std::string short_dat = BlankMapDat();
  short_dat.pop_back();
  std::string long_dat = BlankMapDat() + '\x01';
  for (const std::string* dat : {&short_dat, &long_dat}) {
    TempDir bad;
    bad.Write("MAP.DAT", *dat);
    error.clear();
    EXPECT_FALSE(LoadMapDat(bad.path(), error)) << dat->size();
    EXPECT_NE(error.find(std::to_string(dat->size())), std::string::npos) << error;
    EXPECT_EQ(MapCellAt(1, 0)->Terrain, 0x11) << "the earlier map must stay";
    EXPECT_EQ(MapCellAt(1, 0)->LandscapeIndex, 0x1234);
  }

  TempDir empty;
  error.clear();
  EXPECT_FALSE(LoadMapDat(empty.path(), error));  // no file at all
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(MapCellAt(1, 0)->Terrain, 0x11);
}

// A disk error or a file cut while it is read: part of the new map stands over
// the old one, so the grid becomes the empty map of the start, and the user is
// told to read it again.
// A read that breaks off once begun changes nothing: the map shown stays, and
// a grid that held none still holds none.
TEST_F(MapGridTest, AReadThatFailsPartwayChangesNothingAndSaysSo) {
  TempDir dir;
  dir.Write("MAP.DAT", MarkedMapDat());
  const auto fail_halfway = [](const std::string&, std::span<std::byte> memory) {
    std::memset(memory.data(), 0x07, memory.size() / 2);  // half of another map, then the disk fails
    return ExactFileRead{ExactFileRead::Status::FailedPartway, memory.size()};
  };
  const std::string partway =
      "A MAP.DAT olvasása félbeszakadt (a fájl olvasás közben megváltozott, vagy hibás a lemez). A térkép nem "
      "változott."_w;
  const auto all_zero = [] {
    for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {400, 64}, {839, 127}}) {
      const auto* bytes = reinterpret_cast<const unsigned char*>(MapCellAt(x, y));
      if (!std::all_of(bytes, bytes + sizeof(MapCell), [](unsigned char b) { return b == 0; })) return false;
    }
    return true;
  };
  std::string error;
  MapModel().ReadMapDatFile = fail_halfway;
  EXPECT_FALSE(LoadMapDat(dir.path(), error));
  EXPECT_EQ(error, partway);
  EXPECT_TRUE(all_zero());

  MapModel().ReadMapDatFile = ReadRegularFileExactly;
  ASSERT_TRUE(LoadMapDat(dir.path(), error)) << error;
  ASSERT_EQ(MapCellAt(1, 0)->Terrain, 0x11);
  MapModel().ReadMapDatFile = fail_halfway;
  error.clear();
  EXPECT_FALSE(LoadMapDat(dir.path(), error));
  EXPECT_EQ(error, partway);
  EXPECT_EQ(MapCellAt(1, 0)->Terrain, 0x11);
  EXPECT_EQ(MapCellAt(0, 0)->Terrain, 0);  // not the 0x07 of the broken read

  // Read again whole, the file replaces the map.
  MapModel().ReadMapDatFile = ReadRegularFileExactly;
  EXPECT_TRUE(LoadMapDat(dir.path(), error)) << error;
  EXPECT_EQ(MapCellAt(1, 0)->Terrain, 0x11);
}

// A FIFO would block the open for good and a folder reads as an absurd size:
// neither is opened, and the grid and names stay.
TEST_F(MapGridTest, OnlyRegularFilesAreRead) {
  std::string error;
  ASSERT_TRUE(LoadMapDatBytes(MarkedMapDat(), error));
  ReadMapNameList("1 1 Marad\n", MapListKind::MapLst);
  for (const bool fifo : {true, false}) {
    TempDir dir;
    for (const char* name : {"MAP.DAT", "MAP.LST"}) {
      const std::string path = dir.path() + "/" + name;
      ASSERT_EQ(fifo ? ::mkfifo(path.c_str(), 0600) : ::mkdir(path.c_str(), 0700), 0) << path;
    }
    error.clear();
    EXPECT_FALSE(LoadMapDat(dir.path(), error));
    EXPECT_EQ(error, "A(z) MAP.DAT nem közönséges fájl (hanem például mappa), ezért nem olvasható. "
                     "A térkép nem változott."_w);
    error.clear();
    EXPECT_FALSE(LoadMapNameList(dir.path() + "/MAP.LST", MapListKind::MapLst, error));
    EXPECT_EQ(error, "A(z) MAP.LST nem közönséges fájl (hanem például mappa), ezért nem olvasható. "
                     "A térkép nem változott."_w);
  }
  EXPECT_EQ(MapCellAt(1, 0)->Terrain, 0x11);
  EXPECT_EQ(FeatureName(1, 1), "Marad");
}

TEST_F(MapGridTest, ALoadReplacesTheWholeGrid) {
  std::string error;
  ASSERT_TRUE(LoadMapDatBytes(MarkedMapDat(), error));
  std::string other = BlankMapDat();
  testing::SetMapDatTerrain(other, 2, 2, 4);
  ASSERT_TRUE(LoadMapDatBytes(other, error));
  EXPECT_EQ(MapCellAt(1, 0)->Terrain, 0);
  EXPECT_EQ(MapCellAt(1, 0)->LandscapeIndex, 0);
  EXPECT_EQ(MapCellAt(2, 2)->Terrain, 4);
  ResetMapState();
  EXPECT_EQ(MapCellAt(2, 2)->Terrain, 0);
}

TEST_F(MapGridTest, NameListLinesStoreTheirNames) {
  ReadMapNameList(
      "3 12  Öreg tölgy\r\n"
      "1 0 Nulladik\n"
      "17 10000 Utolsó\n"
      "2 5 123456789012345678901234567890ABCDE\n"
      "999 7 1234567890123456789012345678901234567890ABCDE\n"
      "4 4 \n"
      "4 5\n"
      "\t6   8\tTabbal\r"
      "15 1 Tizenötödik\n"_w,
      MapListKind::MapLst);
  EXPECT_EQ(FeatureName(3, 12), " Öreg tölgy"_w);  // only the one separating blank is dropped
  EXPECT_EQ(FeatureName(1, 0), "Nulladik");
  EXPECT_EQ(FeatureName(17, 10000), "Utolsó"_w);
  EXPECT_EQ(FeatureName(2, 5), "123456789012345678901234567890");
  EXPECT_EQ(LandscapeName(7), "1234567890123456789012345678901234567890");
  EXPECT_EQ(FeatureName(4, 4), "");
  EXPECT_EQ(FeatureName(4, 5), "");
  EXPECT_EQ(FeatureName(6, 8), "Tabbal");
  EXPECT_EQ(FeatureName(15, 1), "Tizenötödik"_w);
  EXPECT_EQ(MapModel().LandscapeCount, 7);
}

TEST_F(MapGridTest, NamesAreKeptAsWindows1250Bytes) {
  // Bytes that a CWI-2 conversion would change must arrive unchanged.
  const std::string name = "\x81\x82\xA0\xA1\xFB";
  ReadMapNameList("1 1 " + name + "\n999 1 " + name + "\n", MapListKind::MapLst);
  EXPECT_EQ(FeatureName(1, 1), name);
  EXPECT_EQ(LandscapeName(1), name);
}

TEST_F(MapGridTest, LinesOutsideTheTablesChangeNothing) {
  ReadMapNameList(
      "18 1 Tizennyolc\n"
      "0 1 Nulla\n"
      "-1 1 Minusz\n"
      "1 10001 Túl nagy\n"
      "1 -1 Negatív\n"
      "999 0 Nulla táj\n"
      "999 1001 Túl nagy táj\n"
      "999 -5 Negatív táj\n"
      "1000 3 Más\n"_w,
      MapListKind::MapLst);
  EXPECT_EQ(MapModel().LandscapeCount, 0);
  EXPECT_TRUE(MapModel().FeatureNames.empty());  // no name stored anywhere
  EXPECT_TRUE(MapModel().LandscapeNames.empty());
  EXPECT_EQ(FeatureName(18, 1), "");
  EXPECT_EQ(FeatureName(1, 10001), "");
  EXPECT_EQ(LandscapeName(1001), "");
}

TEST_F(MapGridTest, ANonNumericLineIsSkippedAndReadingGoesOn) {
  ReadMapNameList(
      "1 1 Első\n"
      "x 2 Rossz fajta\n"
      "1 y Rossz szám\n"
      "99999999999 1 Túl nagy szám\n"
      "1 3 Harmadik\n"
      "999 4 Táj\n"_w,
      MapListKind::MapLst);
  EXPECT_EQ(FeatureName(1, 1), "Első"_w);
  EXPECT_EQ(FeatureName(1, 3), "Harmadik");
  EXPECT_EQ(LandscapeName(4), "Táj"_w);
  EXPECT_EQ(MapModel().LandscapeCount, 4);
  EXPECT_EQ(FeatureName(1, 2), "");
}

TEST_F(MapGridTest, SfMapLstTakesOnlyKindsUpTo14AndLandscapes) {
  ReadMapNameList("14 1 Tizennégy\n15 1 Tizenöt\n17 2 Tizenhét\n999 3 Táj\n"_w, MapListKind::SfMapLst);
  EXPECT_EQ(FeatureName(14, 1), "Tizennégy"_w);
  EXPECT_EQ(FeatureName(15, 1), "");
  EXPECT_EQ(FeatureName(17, 2), "");
  EXPECT_EQ(LandscapeName(3), "Táj"_w);
}

TEST_F(MapGridTest, LandscapeCountIsTheHighestNumberSoFar) {
  ReadMapNameList("999 1 Egy\n999 5 Öt\n999 2 Kettő\n"_w, MapListKind::MapLst);
  EXPECT_EQ(MapModel().LandscapeCount, 5);
  EXPECT_EQ(LandscapeName(3), "");
  ReadMapNameList("999 3 Három\n"_w, MapListKind::SfMapLst);  // a later, lower number
  EXPECT_EQ(MapModel().LandscapeCount, 5);
  ReadMapNameList("999 1000 Ezer\n"_w, MapListKind::MapLst);
  EXPECT_EQ(MapModel().LandscapeCount, 1000);
}

TEST_F(MapGridTest, ALaterListOverwritesOnlyWhatItNames) {
  ReadMapNameList("1 1 Régi\n1 2 Marad\n999 1 Régi táj\n"_w, MapListKind::MapLst);
  ReadMapNameList("1 1 Új\n"_w, MapListKind::SfMapLst);
  EXPECT_EQ(FeatureName(1, 1), "Új"_w);
  EXPECT_EQ(FeatureName(1, 2), "Marad");
  EXPECT_EQ(LandscapeName(1), "Régi táj"_w);
}

TEST_F(MapGridTest, TheInventedMapFilesLoad) {
  TempDir dir;
  ASSERT_TRUE(testing::WriteInventedMapFiles(dir.path()));
  std::string error;
  ASSERT_TRUE(LoadMapDat(dir.path(), error)) << error;
  ASSERT_TRUE(LoadMapNameList(dir.path() + "/MAP.LST", MapListKind::MapLst, error)) << error;
  const MapCell* town = MapCellAt(25, 3);
  ASSERT_NE(town, nullptr);
  EXPECT_EQ(town->Known, 1);
  EXPECT_EQ(FeatureName(town->Features[0].Kind, town->Features[0].Number), "Vénfűz tanya"_w);
  EXPECT_EQ(FeatureName(town->Features[1].Kind, town->Features[1].Number), "Ezüstforrás"_w);
  EXPECT_EQ(LandscapeName(town->LandscapeIndex), "Sóspuszta"_w);
  EXPECT_EQ(MapCellAt(105, 45)->Terrain, 6);
  EXPECT_EQ(MapCellAt(500, 3)->Known, 0);

  ASSERT_TRUE(LoadMapNameList(dir.path() + "/SF_MAP.LST", MapListKind::SfMapLst, error)) << error;
  EXPECT_EQ(LandscapeName(2), "Ködláp-mocsár"_w);
  EXPECT_EQ(FeatureName(15, 1), "");
  EXPECT_EQ(MapModel().LandscapeCount, 3);

  EXPECT_FALSE(LoadMapNameList(dir.path() + "/NINCS.LST", MapListKind::MapLst, error));
}

}  // namespace
}  // namespace vorda
