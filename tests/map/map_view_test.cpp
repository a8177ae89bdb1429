#include "map/map_view.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "data/map_grid.h"
#include "data/order_sheet.h"
#include "editor/editor_state.h"
#include "orders/orders_state.h"
#include "platform/win1250.h"
#include "map_state_fixture.h"

namespace vorda {
namespace {

class MapViewTest : public testing::MapStateTest {
 protected:
  static MapCell& Cell(int x, int y) { return MapModel().MapGrid->Cells[x][y]; }
  static void StartAt(int x, int y) {
    Orders().StartCoords.StartX = x;
    Orders().StartCoords.StartY = y;
  }
  static const MapCell& Shown(int col, int row) { return MapView().MapWindow[col][row]; }
  static bool IsEmpty(const MapCell& c) {
    const MapCell empty{};
    return std::memcmp(&c, &empty, sizeof c) == 0;
  }
};

struct Drawn {
  MapPicture picture;
  int index, x, y;
  friend bool operator==(const Drawn&, const Drawn&) = default;
};

class RecordingPainter : public MapPainter {
 public:
  void DrawPicture(MapPicture picture, int index, int x, int y) override { drawn.push_back({picture, index, x, y}); }
  void DrawFrame(const std::array<Point, 5>& points, Color color) override {
    frames.push_back(points);
    frame_colors.push_back(color);
  }
  std::vector<Drawn> drawn;
  std::vector<std::array<Point, 5>> frames;
  std::vector<Color> frame_colors;
};

// Each square near the map's corners carries its own coordinates, so that a
// square of the view shows which map square it copied.
TEST_F(MapViewTest, TheViewIsCutFromTheMapAndIsEmptyBeyondItsEdges) {
  struct Case {
    int x, y;
    const char* fk[5];
    const char* bk[5];
  };
  const Case cases[] = {
      {0, 0, {"-2", "-1", "0", "1", "2"}, {"-2", "-1", "0", "1", "2"}},
      {839, 127, {"837", "838", "839", "840", "841"}, {"125", "126", "127", "128", "129"}},
      {839, 0, {"837", "838", "839", "840", "841"}, {"-2", "-1", "0", "1", "2"}},
      {0, 127, {"-2", "-1", "0", "1", "2"}, {"125", "126", "127", "128", "129"}},
      {1, 64, {"-1", "0", "1", "2", "3"}, {"62", "63", "64", "65", "66"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "position " << c.x << ";" << c.y);
    ResetMapState();
    for (int x = c.x - 2; x <= c.x + 2; ++x)
      for (int y = c.y - 2; y <= c.y + 2; ++y)
        if (MapCellAt(x, y)) {
          Cell(x, y).Terrain = 9;
          Cell(x, y).Known = 1;
          Cell(x, y).Features[0] = {1, 0, static_cast<std::uint16_t>(x)};
          Cell(x, y).Features[1] = {2, 0, static_cast<std::uint16_t>(y)};
        }
    StartAt(c.x, c.y);
    ASSERT_TRUE(RefreshMapView(true));
    for (int i = 0; i < 5; ++i) {
      for (int j = 0; j < 5; ++j) {
        const int x = c.x - 2 + i;
        const int y = c.y - 2 + j;
        const MapCell& s = Shown(i, j);
        if (x < 0 || x > 839 || y < 0 || y > 127) {
          EXPECT_TRUE(IsEmpty(s)) << i << "," << j;
        } else {
          EXPECT_EQ(s.Features[0].Number, x) << i << "," << j;
          EXPECT_EQ(s.Features[1].Number, y) << i << "," << j;
        }
      }
      EXPECT_EQ(MapView().FK[i], c.fk[i]);
      EXPECT_EQ(MapView().BK[i], c.bk[i]);
    }
  }
}

TEST_F(MapViewTest, TheViewFollowsTheMovesUpToTheCursorCell) {
  StartAt(100, 50);
  SheetModel().Lines.SheetCodes[1] = "M";
  SheetModel().Lines.SheetParams[1] = {2, 2, 4};  // (101;50), (102;50), (102;51)
  Editor().CursorCell = 12;                       // the second parameter
  ASSERT_TRUE(RefreshMapView(false));
  EXPECT_EQ(MapView().FK[2], "102");
  EXPECT_EQ(MapView().BK[2], "50");
  Editor().CursorCell = 13;
  ASSERT_TRUE(RefreshMapView(false));
  EXPECT_EQ(MapView().BK[2], "51");
}

TEST_F(MapViewTest, AnUnchangedPositionRedrawsNothingUnlessForced) {
  StartAt(10, 10);
  Cell(10, 10).Terrain = 3;
  ASSERT_TRUE(RefreshMapView(true));
  Cell(10, 10).Terrain = 4;
  Cell(10, 10).Features[0] = {5, 0, 7};
  EXPECT_FALSE(RefreshMapView(false));
  EXPECT_EQ(Shown(2, 2).Terrain, 3);
  EXPECT_FALSE(MapView().Slots[1].FrameVisible);
  EXPECT_TRUE(RefreshMapView(true));
  EXPECT_EQ(Shown(2, 2).Terrain, 4);
  EXPECT_TRUE(MapView().Slots[1].FrameVisible);
}

TEST_F(MapViewTest, NumbersStandRightAlignedInFourPlaces) {
  struct Case {
    std::uint16_t number;
    std::vector<DigitAt> digits;
  };
  const Case cases[] = {
      {7, {{4, 7}}},
      {120, {{2, 1}, {3, 2}, {4, 0}}},
      {0, {{4, 0}}},
      {1005, {{1, 1}, {2, 0}, {3, 0}, {4, 5}}},
      {10000, {{1, 1}, {2, 0}, {3, 0}, {4, 0}}},
      // Above 32767 the number is still a number, never a sign.
      {40000, {{1, 4}, {2, 0}, {3, 0}, {4, 0}}},
      {65535, {{1, 6}, {2, 5}, {3, 5}, {4, 3}}},
  };
  for (const Case& c : cases) EXPECT_EQ(NumberDigits(c.number), c.digits) << c.number;
  EXPECT_EQ(DigitOffset(1).x, 11);
  EXPECT_EQ(DigitOffset(4).x, 26);
}

TEST_F(MapViewTest, TheSidePanelListsEveryFeatureOfTheSelectedSquare) {
  MapModel().FeatureNames[FeatureKey(5, 7)] = "Ezüstforrás"_w;
  MapModel().FeatureNames[FeatureKey(17, 10000)] = "Utolsó"_w;
  StartAt(30, 30);
  Cell(30, 30).Features[2] = {5, 0, 7};
  Cell(30, 30).Features[6] = {17, 0, 10000};
  Cell(30, 30).Features[11] = {40, 0, 3};  // a kind without icon or name
  Cell(31, 30).Features[11] = {9, 0, 1};
  // Slot 12 shows the square east of it first.
  ASSERT_TRUE(SelectMapSquare(3, 2));
  ASSERT_TRUE(RefreshMapView(true));
  EXPECT_EQ(MapView().Slots[12].Picture, 9);
  ASSERT_TRUE(SelectMapSquare(2, 2));

  const auto& slots = MapView().Slots;
  EXPECT_EQ(slots[3], (TFeatureSlot{"Ezüstforrás"_w, 5, true, 7, true}));
  EXPECT_EQ(slots[7], (TFeatureSlot{"Utolsó"_w, 17, true, 10000, true}));
  EXPECT_EQ(slots[12], (TFeatureSlot{"", 0, true, 3, true}));
  for (int n = 1; n <= 20; ++n) {
    if (n == 3 || n == 7 || n == 12) continue;
    EXPECT_EQ(slots[n], TFeatureSlot{}) << n;
  }

  SetFeatureSlot(0, 5, 7);
  SetFeatureSlot(21, 5, 7);
  EXPECT_EQ(GetFeatureName(5, 7), "Ezüstforrás"_w);
  EXPECT_EQ(GetFeatureName(0, 7), "");
  EXPECT_EQ(GetFeatureName(18, 7), "");
  EXPECT_EQ(GetFeatureName(5, 10001), "");
}

TEST_F(MapViewTest, ASquareShowsItsTileMarkAndFirstTwoFeatures) {
  StartAt(30, 30);
  MapCell& c = Cell(30, 30);
  c.Terrain = 12;
  c.Known = 0;
  c.Features[2] = {18, 0, 120};  // no icon of its own, but its place and number
  c.Features[6] = {4, 0, 7};
  c.Features[11] = {5, 0, 1};  // the third is not shown
  ASSERT_TRUE(RefreshMapView(true));

  const SquareRect r = MapSquareRect(1, 3);
  EXPECT_EQ(r.Left, 40);
  EXPECT_EQ(r.Top, 120);
  MapView().MapWindow[1][3] = c;
  RecordingPainter p;
  DrawGrid1DrawCell(1, 3, r, p);
  const std::vector<Drawn> expected = {
      {MapPicture::Tile, 12, 40, 120},    {MapPicture::Unknown, 0, 51, 131}, {MapPicture::Digit, 1, 59, 128},
      {MapPicture::Digit, 2, 64, 128},    {MapPicture::Digit, 0, 69, 128},   {MapPicture::Icon, 4, 43, 141},
      {MapPicture::Digit, 7, 69, 145},
  };
  EXPECT_EQ(p.drawn, expected);

  // Terrain 0 gets no mark, a code above 22 no tile (but its mark).
  for (const int terrain : {0, 23}) {
    MapView().MapWindow[0][0] = MapCell{};
    MapView().MapWindow[0][0].Terrain = static_cast<std::uint8_t>(terrain);
    RecordingPainter q;
    DrawGrid1DrawCell(0, 0, MapSquareRect(0, 0), q);
    ASSERT_EQ(q.drawn.size(), 1u) << terrain;
    EXPECT_EQ(q.drawn[0].picture, terrain == 0 ? MapPicture::Tile : MapPicture::Unknown);
  }
}

TEST_F(MapViewTest, CaptionsPreviewAndFrameFollowTheSelectedSquare) {
  MapModel().LandscapeNames[2] = "Ködlápok"_w;
  MapModel().LandscapeNames[4] = "Nem látszik";
  MapModel().LandscapeCount = 3;
  StartAt(50, 50);
  Cell(50, 50) = MapCell{};
  Cell(50, 50).Terrain = 6;
  Cell(50, 50).Known = 1;
  Cell(50, 50).LandscapeIndex = 2;
  Cell(51, 49).Terrain = 8;
  Cell(51, 49).LandscapeIndex = 4;
  ASSERT_TRUE(RefreshMapView(true));

  RecordingPainter p;
  PaintMapGrid(p);
  EXPECT_EQ(MapView().Tajfelirat, "Ködlápok"_w);
  EXPECT_EQ(MapView().IsmertFelirat, "");
  EXPECT_EQ(MapView().PreviewTerrain, 6);
  ASSERT_EQ(p.frames.size(), 25u);  // again after every square
  EXPECT_EQ(p.frame_colors.back(), colors::White);
  EXPECT_EQ(p.frames.back(), (std::array<Point, 5>{Point{81, 81}, {118, 81}, {118, 118}, {81, 118}, {81, 81}}));

  ASSERT_TRUE(SelectMapSquare(3, 1));
  RecordingPainter q;
  PaintMapGrid(q);
  EXPECT_EQ(MapView().Tajfelirat, "");  // index 4 is beyond the names read
  EXPECT_EQ(MapView().IsmertFelirat, "Ismeretlen Terület"_w);
  EXPECT_EQ(MapView().PreviewTerrain, 8);
  EXPECT_EQ(q.frame_colors.back(), colors::Red);

  // Outside the map: the empty square, unknown, terrain 0; a refresh keeps the
  // selection where the user put it.
  StartAt(0, 0);
  ASSERT_TRUE(SelectMapSquare(0, 0));
  ASSERT_TRUE(RefreshMapView(false));
  RecordingPainter e;
  PaintMapGrid(e);
  EXPECT_EQ(MapView().Col, 0);
  EXPECT_EQ(MapView().IsmertFelirat, "Ismeretlen Terület"_w);
  EXPECT_EQ(MapView().PreviewTerrain, 0);
}

}  // namespace
}  // namespace vorda
