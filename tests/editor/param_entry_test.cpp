#include "editor/param_entry.h"

#include <gtest/gtest.h>

#include "platform/win1250.h"
#include "editor/screen_fixture.h"

namespace vorda {
namespace {

using Op = RecordingCanvas::Op;

class ParamEntryTest : public testing::ScreenFixture {
 protected:
  void OpenOn(std::int32_t value) {
    SetLine(2, "BE", 0, value);
    Editor().EditorMode = 1;
    Editor().CursorCell = 22;
    Press(vk::F7);
  }
};

TEST_F(ParamEntryTest, BoxShowsTheFieldAsFiveDigits) {
  OpenOn(42);
  EXPECT_EQ(Editor().EditorMode, 8);
  EXPECT_EQ(Modes().ParamEntryText, "00042");
  EXPECT_EQ(ScreenSlot(1), (ScreenRect{210, 210, 430, 260}));
  ASSERT_FALSE(store.calls.empty());
  EXPECT_TRUE(store.calls.back().save);

  bool box = false, field = false;
  for (const auto& e : canvas.Entries()) {
    if (e.op == Op::Rectangle && e.x1 == 210 && e.y1 == 210 && e.x2 == 430 && e.y2 == 260 && e.color == colors::Aqua &&
        e.brush == colors::Grey)
      box = true;
    if (e.op == Op::Fill && e.x1 == 297 && e.y1 == 238 && e.x2 == 332 && e.y2 == 252 && e.color == colors::Green)
      field = true;
  }
  EXPECT_TRUE(box);
  EXPECT_TRUE(field);
  const auto* prompt = LastTextAt(220, 217);
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(prompt->text, "Ird be a paraméter értékét:"_w);
  EXPECT_EQ(prompt->color, 0xFF2200u);
  const auto* digits = LastTextAt(297, 238);
  ASSERT_NE(digits, nullptr);
  EXPECT_EQ(digits->text, "00042");
  EXPECT_EQ(digits->color, colors::White);
  EXPECT_EQ(digits->brush, colors::Green);

  // The cursor cell was drawn plain before the box was saved.
  const auto& entries = canvas.Entries();
  const auto box_at = std::find_if(entries.begin(), entries.end(), [](const auto& e) { return e.op == Op::Rectangle && e.x1 == 210; });
  const auto plain_cell = std::find_if(entries.begin(), entries.end(), [](const auto& e) {
    return e.op == Op::Rectangle && e.x1 == 110 && e.y1 == 22 && e.brush == colors::Black;
  });
  EXPECT_LT(plain_cell, box_at);
}

TEST_F(ParamEntryTest, EnterStoresTheTypedNumber) {
  const struct {
    std::int32_t before;
    std::initializer_list<std::uint16_t> keys;
    std::int32_t after;
  } cases[] = {
      {42, {'9'}, 429},
      {0, {'9', '9', '9', '9', '9'}, 32000},
      {0, {'3', '2', '7', '6', '7'}, 32767},
      {0, {'3', '2', '7', '6', '8'}, 32000},
      {123456, {}, 12345},
      {42, {vk::Back}, 4},
      {42, {vk::Back, vk::Back, vk::Back}, 0},
      {7, {vk::Numpad0 + 1, vk::Numpad0 + 2}, 712},
      {-42, {}, -42},           // "00-42" is no number: the field keeps its value
      {-42, {'1'}, -42},        // "0-421"
      {-42, {'1', '2'}, -4212},  // "-4212"
  };
  for (const auto& c : cases) {
    OpenOn(c.before);
    for (const auto k : c.keys) Press(k);
    EXPECT_EQ(Editor().EditorMode, 8);
    Editor().SheetModified = false;
    Press(vk::Return);
    EXPECT_EQ(Params(2)[1], c.after) << c.before;
    EXPECT_EQ(Editor().EditorMode, 1);
    EXPECT_TRUE(Editor().SheetModified);
    EXPECT_EQ(Editor().CursorCell, 22);
  }
}

TEST_F(ParamEntryTest, OnlyEnterClosesTheBoxAndRestoresTheSlot) {
  OpenOn(5);
  store.calls.clear();
  for (const std::uint16_t key : {vk::Escape, vk::Add, vk::Right, std::uint16_t{'A'}, vk::F7}) {
    Press(key);
    EXPECT_EQ(Editor().EditorMode, 8) << key;
    EXPECT_EQ(Modes().ParamEntryText, "00005");
  }
  EXPECT_TRUE(store.calls.empty());
  EXPECT_EQ(Code(2), "BE");
  Press(vk::Return);
  ASSERT_EQ(store.calls.size(), 1u);
  EXPECT_FALSE(store.calls[0].save);
  EXPECT_EQ(store.calls[0].slot, 1);
  EXPECT_EQ(store.calls[0].rect, (ScreenRect{210, 210, 430, 260}));
  // The cursor is drawn again after the box is gone.
  const auto& last_cell = canvas.Entries();
  bool green = false;
  for (const auto& e : last_cell)
    if (e.op == Op::Rectangle && e.x1 == 110 && e.y1 == 22 && e.brush == colors::Green) green = true;
  EXPECT_TRUE(green);
}

}  // namespace
}  // namespace vorda
