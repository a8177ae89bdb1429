#include "orders/start_coords.h"

#include <gtest/gtest.h>

#include <optional>

#include "orders/orders_state.h"
#include "support/state_reset.h"

namespace vorda {
namespace {

using StartCoordsTest = testing::FreshState;

TEST_F(StartCoordsTest, AFieldHasAValueOnlyWhenItsWholeTextIsANumber) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {"", 0},           {"0", 0},          {"05", 5},          {"999", 999},       {"-5", -5},
      {"+7", 7},         {"6x", std::nullopt}, {"x6", std::nullopt}, {" 6", std::nullopt}, {"+", std::nullopt},
      {"+-5", std::nullopt}, {"-", std::nullopt}, {"99999999999", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(CoordFieldValue(c.text), c.value) << c.text;
}

// A pasted non-number in a teleport field keeps the stored coordinate when the
// box turns on, and the loaded pair still takes over.
TEST_F(StartCoordsTest, CheckingTheBoxKeepsACoordinateWhoseFieldHoldsNoNumber) {
  auto& c = Orders().StartCoords;
  auto& f = Orders().MapFields;
  c.TeleportX = 40;
  c.TeleportY = 50;
  f.Edit3 = "6x";
  f.Edit4 = "12";
  ASSERT_TRUE(SetTeleportChecked(true));
  EXPECT_EQ(c.TeleportX, 40);
  EXPECT_EQ(c.TeleportY, 12);
  EXPECT_EQ(f.Edit3, "6x");

  SetTeleportChecked(false);
  f.Edit3 = "6x";
  c.TeleportX = 0;
  c.LoadedTeleportX = 500;
  c.LoadedTeleportY = 60;
  ASSERT_TRUE(SetTeleportChecked(true));
  EXPECT_EQ(c.TeleportX, 500);
  EXPECT_EQ(f.Edit3, "500");
  EXPECT_EQ(f.Edit4, "60");
}

}  // namespace
}  // namespace vorda
