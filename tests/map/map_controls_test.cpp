#include "map/map_controls.h"

#include <gtest/gtest.h>

#include <string>

#include "data/map_grid.h"
#include "editor/editor_state.h"
#include "map/map_view.h"
#include "orders/move_replay.h"
#include "orders/orders_state.h"
#include "map_state_fixture.h"

namespace vorda {
namespace {

class MapControlsTest : public testing::MapStateTest {
 protected:
  static TStartCoords& Coords() { return Orders().StartCoords; }
};

TEST_F(MapControlsTest, OnlyDigitsBackspaceAndTabPassAndEnterMovesOn) {
  struct Case {
    MapField field;
    char key;
    char passed;
    MapFocus focus;
  };
  const Case cases[] = {
      {MapField::Edit1, '0', '0', MapFocus::Stay},   {MapField::Edit4, '9', '9', MapFocus::Stay},
      {MapField::Edit2, 8, 8, MapFocus::Stay},       {MapField::Edit3, 9, 9, MapFocus::Stay},
      {MapField::Edit1, '-', 0, MapFocus::Stay},     {MapField::Edit2, 'a', 0, MapFocus::Stay},
      {MapField::Edit3, ' ', 0, MapFocus::Stay},     {MapField::Edit4, 22, 0, MapFocus::Stay},  // Ctrl+V
      {MapField::Edit1, '\xE9', 0, MapFocus::Stay},  // an accented letter
      {MapField::Edit1, 13, 0, MapFocus::Edit2},     {MapField::Edit2, 13, 0, MapFocus::Grid},
      {MapField::Edit3, 13, 0, MapFocus::Edit4},     {MapField::Edit4, 13, 0, MapFocus::Grid},
  };
  for (const Case& c : cases) {
    char key = c.key;
    EXPECT_EQ(MapFieldKeyPress(c.field, key), c.focus) << int{c.key};
    EXPECT_EQ(key, c.passed) << int{c.key};
  }
}

TEST_F(MapControlsTest, EachFieldStoresItsValueAndAPastedNonNumberIsKept) {
  struct Case {
    MapField field;
    const char* text;
    std::int32_t stored;
    bool number;
  };
  const Case cases[] = {
      {MapField::Edit1, "1", 1, true},    {MapField::Edit1, "12", 12, true},  {MapField::Edit1, "123", 123, true},
      {MapField::Edit2, "05", 5, true},   {MapField::Edit2, "", 0, true},     {MapField::Edit3, "999", 999, true},
      {MapField::Edit4, "-5", -5, true},  {MapField::Edit4, "60", 60, true},  {MapField::Edit4, "6x", 60, false},
      {MapField::Edit4, "99999999999", 60, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StoreMapField(c.field, c.text), c.number) << c.text;
    EXPECT_EQ(MapFieldText(c.field), c.text);
  }
  EXPECT_EQ(Coords().StartX, 123);
  EXPECT_EQ(Coords().StartY, 0);
  EXPECT_EQ(Coords().TeleportX, 999);
  EXPECT_EQ(Coords().TeleportY, 60);
}

TEST_F(MapControlsTest, TheTeleportBoxSetsAndClearsTheReturnPoint) {
  EXPECT_FALSE(TeleportFieldsEnabled());
  EXPECT_FALSE(SetTeleportChecked(false));  // no change, no click

  // Checked with the fields still "0" and no loaded pair.
  ASSERT_TRUE(SetTeleportChecked(true));
  EXPECT_TRUE(TeleportFieldsEnabled());
  EXPECT_EQ(Coords().TeleportX, 0);
  StoreMapField(MapField::Edit3, "30");
  StoreMapField(MapField::Edit4, "20");
  TraceMoves(0, 0);
  EXPECT_TRUE(Orders().MovePosition.ReturnPending);
  EXPECT_EQ(Orders().MovePosition.TeleX, 30);

  ASSERT_TRUE(SetTeleportChecked(false));
  EXPECT_FALSE(TeleportFieldsEnabled());
  EXPECT_EQ(MapFieldText(MapField::Edit3), "0");
  EXPECT_EQ(MapFieldText(MapField::Edit4), "0");
  EXPECT_EQ(Coords().TeleportX, 0);
  EXPECT_EQ(Coords().TeleportY, 0);
  TraceMoves(0, 0);
  EXPECT_FALSE(Orders().MovePosition.ReturnPending);

  // Checking again takes the fields' values, or the pair a sheet brought once.
  StoreMapField(MapField::Edit3, "7");
  ASSERT_TRUE(SetTeleportChecked(true));
  EXPECT_EQ(Coords().TeleportX, 7);
  Coords().LoadedTeleportX = 500;
  Coords().LoadedTeleportY = 60;
  EXPECT_FALSE(SetTeleportChecked(true));  // already checked: the pair waits
  EXPECT_EQ(Coords().LoadedTeleportX, 500);
  SetTeleportChecked(false);
  ASSERT_TRUE(SetTeleportChecked(true));
  EXPECT_EQ(MapFieldText(MapField::Edit3), "500");
  EXPECT_EQ(MapFieldText(MapField::Edit4), "60");
  EXPECT_EQ(Coords().TeleportX, 500);
  EXPECT_EQ(Coords().TeleportY, 60);
  EXPECT_EQ(Coords().LoadedTeleportX, 0);
  EXPECT_EQ(Coords().LoadedTeleportY, 0);
}

TEST_F(MapControlsTest, LeavingTheWindowSelectsTheCentreAndGivesTheEditorItsKeys) {
  Orders().StartCoords.StartX = 20;
  Orders().StartCoords.StartY = 20;
  MapModel().MapGrid->Cells[20][20].Features[0] = {3, 0, 1};
  ASSERT_TRUE(RefreshMapView(true));
  Editor().EditorReady = true;
  MapWindowActivated();
  EXPECT_FALSE(Editor().EditorReady);

  ASSERT_TRUE(SelectMapSquare(0, 4));
  EXPECT_FALSE(MapView().Slots[1].FrameVisible);
  MapWindowDeactivated();
  EXPECT_EQ(MapView().Col, 2);
  EXPECT_EQ(MapView().Row, 2);
  EXPECT_EQ(MapView().Slots[1].Picture, 3);
  EXPECT_TRUE(Editor().EditorReady);
}

}  // namespace
}  // namespace vorda
