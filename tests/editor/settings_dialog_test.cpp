#include "editor/settings_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/map_grid.h"
#include "data/order_sheet.h"
#include "editor/program_state.h"
#include "editor/screen_fixture.h"
#include "editor/sheet_totals.h"
#include "platform/message_box.h"
#include "platform/win1250.h"
#include "support/map_fixture.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

namespace fs = std::filesystem;

class SettingsDialogTest : public testing::ScreenFixture {
 protected:
  void SetUp() override {
    ScreenFixture::SetUp();
    InstallMessageBoxes(&boxes);
  }
  void TearDown() override {
    InstallMessageBoxes(nullptr);
    ScreenFixture::TearDown();
  }
  RecordingMessageBoxes boxes;
};

TEST(SettingsValues, TypedValuesAreBroughtToTheNearestBound) {
  struct Case {
    int index;
    std::int64_t typed, kept;
  };
  const Case cases[] = {
      {0, 3, 5},          {0, 99, 15},        {0, 9, 9},          {1, 13, 12},      {2, -1, 0},
      {2, 21, 20},        {3, -3001, -3000},  {4, 20001, 20000},  {5, -5000, -3000}, {6, 101, 100},
      {6, -101, -100},    {4, INT64_MIN, -20000},
  };
  for (const auto& c : cases) EXPECT_EQ(ClampSettingsValue(c.index, c.typed), c.kept) << c.index << " " << c.typed;
}

TEST(SettingsFolders, KeptAsChosenUpToTheLastSlash) {
  struct Case {
    const char* file;
    const char* folder;
  };
  const Case cases[] = {
      {"/home/Jatekos/Terkep/MAP.DAT", "/home/Jatekos/Terkep/"},  // never lower-cased
      {"/data/map.dat/Map.Dat", "/data/map.dat/"},                // a folder named map.dat stays whole
      {"/MAP.DAT", "/"},
      {"MAP.DAT", ""},
      {"/jatek/fordulok/1234-0011.htm", "/jatek/fordulok/"},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderOfChosenFile(c.file), c.folder) << c.file;

  std::string no_path = "terkep";
  EXPECT_FALSE(KeepFolderSetting(no_path));
  EXPECT_EQ(no_path, "");
  std::string path = "/jatek/Terkep/";
  EXPECT_TRUE(KeepFolderSetting(path));
  EXPECT_EQ(path, "/jatek/Terkep/");
}

TEST_F(SettingsDialogTest, ANewMapFolderLoadsItsMapOnce) {
  testing::TempDir dir;
  fs::create_directory(dir.path() + "/map.dat");
  const std::string folder = dir.path() + "/map.dat/";
  ASSERT_TRUE(testing::WriteInventedMapFiles(folder));
  fs::rename(folder + "MAP.DAT", folder + "map.dat");  // found in any case

  ChooseMapFolder(folder + "map.dat");
  EXPECT_EQ(Program().Options.Map, folder);
  EXPECT_EQ(MapCellAt(105, 45)->Terrain, 6);
  EXPECT_EQ(FeatureName(1, 1), "Kőhalom romjai"_w);  // SF_MAP.LST read after the map

  ResetMapState();
  ChooseMapFolder(folder + "map.dat");  // the same again: nothing loaded
  EXPECT_EQ(MapCellAt(105, 45)->Terrain, 0);
  EXPECT_TRUE(boxes.shown.empty());

  ChooseReportFolder(dir.path() + "/fordulok/1234-0011.htm");
  EXPECT_EQ(Program().Options.Fordulo, dir.path() + "/fordulok/");
  // A new encyclopedia folder is handed to the encyclopedia, which tests its
  // packing; the same folder again is not.
  std::vector<std::string> tested;
  Windows().OnEncyclopediaFolderChanged = [&](const std::string& folder) { tested.push_back(folder); };
  ChooseEncyclopediaFolder(dir.path() + "/Lexor/TEXT.DTA");
  EXPECT_EQ(Program().Options.Lexor, dir.path() + "/Lexor/");
  ChooseEncyclopediaFolder(dir.path() + "/Lexor/text.dta");
  EXPECT_EQ(tested, std::vector<std::string>{dir.path() + "/Lexor/"});
  ResetWindowLinks();
  ChooseEncyclopediaFolder(dir.path() + "/Masik/TEXT.DTA");  // no encyclopedia window: only stored
  EXPECT_EQ(Program().Options.Lexor, dir.path() + "/Masik/");
}

TEST_F(SettingsDialogTest, OkStoresTheValuesAndRefreshesEveryLine) {
  SheetModel().Header.KSZ = "1234";
  SetLine(1, "M", 2, 2, 0);
  SetLine(2, "F");
  SheetModel().Lines.SheetTexts[40] = "régi leírás"_w;
  StoreSettingsValues({7, 99, 3, 100, -5, 2, -4});

  ASSERT_EQ(Accounts().SettingsCount, 1);
  const TSettingsEntry& e = Accounts().SettingsTable[1];
  EXPECT_EQ(e.KSZ, "1234");
  EXPECT_EQ(e.MOZG, 7);
  EXPECT_EQ(e.FELT, 12);  // brought to the bound
  EXPECT_EQ(e.TERFOKUSZ, 3);
  EXPECT_EQ(e.TVP, 100);
  EXPECT_EQ(e.TU, -4);
  EXPECT_EQ(CharSettings().CharFelt, 12);
  EXPECT_EQ(SheetModel().Lines.SheetTvp[1], 14);  // two steps of 7
  EXPECT_EQ(SheetModel().Lines.SheetTvp[2], 12);
  EXPECT_EQ(SheetModel().Lines.SheetTexts[40], "");  // every description made again
  EXPECT_EQ(Status().TotalTvp, 14 + 12 + 100);

  StoreSettingsValues({10, 10, 0, 0, 0, 0, 0});  // the same character: the same entry
  EXPECT_EQ(Accounts().SettingsCount, 1);
  EXPECT_EQ(Accounts().SettingsTable[1].MOZG, 10);
  EXPECT_EQ(SheetModel().Lines.SheetTvp[1], 20);
}

TEST_F(SettingsDialogTest, OkBehindAnOpenPopupKeepsThePopupAndDrawsTheSheetOnceItCloses) {
  SheetModel().Header.KSZ = "1234";
  SetLine(1, "M", 2, 2, 0);
  RedrawSheet();
  MoveCursor(11);
  Press(vk::Divide);  // the parameter entry box, (210, 210)-(430, 260)
  ASSERT_EQ(Editor().EditorMode, 8);
  canvas.Clear();
  StoreSettingsValues({7, 10, 0, 0, 0, 0, 0});
  EXPECT_EQ(SheetModel().Lines.SheetTvp[1], 14);  // the costs follow at once
  for (const auto& e : canvas.Entries())
    EXPECT_FALSE(e.x1 < 430 && std::max(e.x1, e.x2) > 210 && e.y1 < 260 && std::max(e.y1, e.y2) >= 210)
        << "drawn over the box at " << e.x1 << "," << e.y1;
  EXPECT_EQ(Editor().EditorMode, 8);

  canvas.Clear();
  Press('9');
  Press(vk::Return);  // the box closes: the sheet is drawn for the new costs
  EXPECT_EQ(Editor().EditorMode, 1);
  EXPECT_EQ(Editor().CursorCell, 11);
  EXPECT_EQ(SheetModel().Lines.SheetParams[1][0], 29);
  bool sum_drawn = false;
  for (const auto& e : canvas.Entries())
    sum_drawn = sum_drawn || (e.op == RecordingCanvas::Op::Text && e.x1 == 195 && e.y1 == 12 * 20 - 2);
  EXPECT_TRUE(sum_drawn);  // line 20's sum, under the box, drawn again
}

TEST_F(SettingsDialogTest, AFullTableTakesNoHundredAndFirstEntry) {
  for (int i = 1; i <= kSettingsCapacity; ++i) {
    TSettingsEntry entry;
    entry.KSZ = std::to_string(1000 + i);
    AppendSettingsEntry(entry);
  }
  SheetModel().Header.KSZ = "5555";
  StoreSettingsValues({8, 8, 0, 0, 0, 0, 0});
  EXPECT_EQ(Accounts().SettingsCount, kSettingsCapacity);
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(CharSettings().CharMozg, 8);  // the values still count for this run
}

}  // namespace
}  // namespace vorda
