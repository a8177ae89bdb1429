// A sheet of moves stepped cell by cell, as the editor's cursor walks it: at
// every step the 5 x 5 view, the axis labels, the side panel, the captions and
// the selected square's frame show the square that the move replay reached,
// through both corners of the map and a pending teleport return that keeps
// while the steps stay on terrain 6.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/map_grid.h"
#include "data/order_sheet.h"
#include "editor/editor_state.h"
#include "map/map_controls.h"
#include "map/map_view.h"
#include "orders/orders_state.h"
#include "platform/win1250.h"
#include "map_state_fixture.h"

namespace vorda {
namespace {

constexpr std::uint8_t kReturnGround = 6;

class SheetSteppingTest : public testing::MapStateTest {
 protected:

  // Every square around (cx, cy) tells where it lies: its first feature's
  // number is its x, its second's its y, and both have names.
  static void MarkAround(int cx, int cy) {
    for (int x = cx - 2; x <= cx + 2; ++x)
      for (int y = cy - 2; y <= cy + 2; ++y) {
        if (!MapCellAt(x, y)) continue;
        MapCell* c = &MapModel().MapGrid->Cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
        if (c->Known) continue;
        c->Terrain = static_cast<std::uint8_t>(x % 5 == 0 ? 11 : 3 + y % 2);  // never 6 by chance
        c->Known = 1;
        c->Features[0] = {1, 0, static_cast<std::uint16_t>(x)};
        c->Features[4] = {2, 0, static_cast<std::uint16_t>(y)};
        MapModel().FeatureNames[FeatureKey(1, x)] = "oszlop " + std::to_string(x);
        MapModel().FeatureNames[FeatureKey(2, y)] = "sor " + std::to_string(y);
      }
  }
  static void ReturnGround(int x, int y) {
    MapCell* c = &MapModel().MapGrid->Cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    c->Terrain = kReturnGround;
    c->LandscapeIndex = 1;
  }
  static void Line(int i, const char* code, std::int32_t p1, std::int32_t p2, std::int32_t p3) {
    SheetModel().Lines.SheetCodes[static_cast<std::size_t>(i)] = code;
    SheetModel().Lines.SheetParams[static_cast<std::size_t>(i)] = {p1, p2, p3};
  }
};

class TilePainter : public MapPainter {
 public:
  void DrawPicture(MapPicture picture, int index, int x, int y) override {
    if (picture == MapPicture::Tile) tiles.push_back({index, x, y});
  }
  void DrawFrame(const std::array<Point, 5>&, Color color) override { frame = color; }
  struct Tile {
    int terrain, x, y;
  };
  std::vector<Tile> tiles;
  Color frame = 0;
};

TEST_F(SheetSteppingTest, TheViewFollowsTheReplayCellByCell) {
  MapModel().LandscapeNames[1] = "Teleportmező"_w;
  MapModel().LandscapeCount = 1;
  struct Step {
    std::uint16_t cell;
    int x, y;
  };
  // Start at (2;2) with a return to (837;125) pending.
  const Step steps[] = {
      {10, 2, 2},                                          // line 1, no step counted yet
      {11, 1, 1},     {12, 0, 0},                          // on terrain 6 the return keeps pending
      {13, 837, 125},                                      // off the map: the return is taken
      {20, 837, 125}, {21, 838, 126}, {22, 839, 127}, {23, 839, 127},  // into the far corner; 0 is no step
      {30, 10, 20},   {33, 10, 20},                        // a teleport with return from the corner
      {40, 10, 20},   {41, 11, 20},                        // terrain 6 again: still pending
      {42, 839, 127},                                      // back to the corner
      {43, 839, 128},                                      // and off the map's bottom edge
  };
  for (const Step& s : steps) MarkAround(s.x, s.y);
  ReturnGround(1, 1);
  ReturnGround(0, 0);
  ReturnGround(11, 20);
  Line(1, "M", 7, 7, 7);
  Line(2, "M", 3, 3, 0);
  Line(3, "EK", 227, 10, 20);
  Line(4, "M", 2, 2, 4);

  ASSERT_TRUE(StoreMapField(MapField::Edit1, "2"));
  ASSERT_TRUE(StoreMapField(MapField::Edit2, "2"));
  ASSERT_TRUE(SetTeleportChecked(true));
  ASSERT_TRUE(StoreMapField(MapField::Edit3, "837"));
  ASSERT_TRUE(StoreMapField(MapField::Edit4, "125"));

  int last_x = -1000, last_y = -1000;
  for (const Step& s : steps) {
    SCOPED_TRACE(::testing::Message() << "cursor " << s.cell);
    Editor().CursorCell = s.cell;
    // The editor's refresh redraws only when the position moved.
    EXPECT_EQ(RefreshMapView(false), s.x != last_x || s.y != last_y);
    last_x = s.x;
    last_y = s.y;
    const auto& v = MapView();
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(v.FK[static_cast<std::size_t>(i)], std::to_string(s.x - 2 + i));
      EXPECT_EQ(v.BK[static_cast<std::size_t>(i)], std::to_string(s.y - 2 + i));
    }
    TilePainter painter;
    PaintMapGrid(painter);
    ASSERT_EQ(painter.tiles.size(), 25u);
    for (const auto& t : painter.tiles) {
      const int col = t.x / 40;
      const int row = t.y / 40;
      const MapCell* map = MapCellAt(s.x - 2 + col, s.y - 2 + row);
      const MapCell& shown = v.MapWindow[static_cast<std::size_t>(col)][static_cast<std::size_t>(row)];
      EXPECT_EQ(t.terrain, map ? map->Terrain : 0) << col << "," << row;
      EXPECT_EQ(shown.Features[0].Number, map ? map->Features[0].Number : 0) << col << "," << row;
      EXPECT_EQ(shown.Features[4].Number, map ? map->Features[4].Number : 0) << col << "," << row;
    }

    // The side panel and the captions show the centre square.
    const MapCell* centre = MapCellAt(s.x, s.y);
    if (centre) {
      EXPECT_EQ(v.Slots[1], (TFeatureSlot{"oszlop " + std::to_string(s.x), 1, true,
                                          static_cast<std::uint16_t>(s.x), true}));
      EXPECT_EQ(v.Slots[5], (TFeatureSlot{"sor " + std::to_string(s.y), 2, true,
                                          static_cast<std::uint16_t>(s.y), true}));
      EXPECT_EQ(v.IsmertFelirat, "");
    } else {
      EXPECT_EQ(v.Slots[1], TFeatureSlot{});
      EXPECT_EQ(v.Slots[5], TFeatureSlot{});
      EXPECT_EQ(v.IsmertFelirat, "Ismeretlen Terület"_w);
    }
    const bool on_return_ground = centre && centre->Terrain == kReturnGround;
    EXPECT_EQ(v.Tajfelirat, on_return_ground ? "Teleportmező"_w : std::string());
    EXPECT_EQ(painter.frame, on_return_ground ? colors::White : colors::Red);
    EXPECT_EQ(v.PreviewTerrain, centre ? centre->Terrain : 0);
  }
}

}  // namespace
}  // namespace vorda
