#include "editor/editor_modes.h"

#include <gtest/gtest.h>

#include "editor/screen_fixture.h"

namespace vorda {
namespace {

std::vector<std::uint16_t> g_seen;
void Remember(std::uint16_t key) { g_seen.push_back(key); }

class EditorModesTest : public testing::ScreenFixture {
 protected:
  void SetUp() override {
    ScreenFixture::SetUp();
    g_seen.clear();
  }
};

TEST_F(EditorModesTest, KeysWithAShiftStateAreLeftForTheMenu) {
  SetModeKeyHandler(1, &Remember);
  for (const ShiftState s : {shift::Shift, shift::Alt, shift::Ctrl, shift::LeftButton, shift::RightButton,
                             ShiftState(shift::Ctrl | shift::Alt)}) {
    std::uint16_t key = vk::Right;
    FormKeyDown(key, s);
    EXPECT_EQ(key, vk::Right) << int(s);
  }
  EXPECT_TRUE(g_seen.empty());
  std::uint16_t key = vk::Right;
  FormKeyDown(key, shift::None);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(g_seen, (std::vector<std::uint16_t>{vk::Right}));
}

TEST_F(EditorModesTest, WhileTheEditorIsNotReadyKeysAreSwallowed) {
  Editor().EditorReady = false;
  std::uint16_t key = vk::Right;
  FormKeyDown(key, shift::None);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(Editor().CursorCell, 10);
}

TEST_F(EditorModesTest, EachModeHasItsHandlerAndOthersDropTheirKeys) {
  SetModeKeyHandler(6, &Remember);
  for (const std::uint8_t mode : {std::uint8_t{6}, std::uint8_t{7}, std::uint8_t{99}}) {
    Editor().EditorMode = mode;
    std::uint16_t key = 'K';
    FormKeyDown(key, shift::None);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(Editor().EditorMode, mode);
  }
  EXPECT_EQ(g_seen, (std::vector<std::uint16_t>{'K'}));
  EXPECT_EQ(Editor().CursorCell, 10);
}

TEST_F(EditorModesTest, SavePromptEndsOnEnterOrEscWithSlotOneRestored) {
  SetModeKeyHandler(2, &Remember);
  SaveScreenRect(200, 200, 440, 280, 1);
  const struct {
    std::uint16_t key;
    std::uint8_t mode_after;
  } cases[] = {{'5', 2}, {vk::Space, 2}, {vk::Return, 1}, {vk::Escape, 1}};
  for (const auto& c : cases) {
    Editor().EditorMode = 2;
    store.calls.clear();
    Press(c.key);
    EXPECT_EQ(Editor().EditorMode, c.mode_after) << c.key;
    const bool restored = !store.calls.empty() && !store.calls.back().save && store.calls.back().slot == 1 &&
                          store.calls.back().rect == ScreenRect{200, 200, 440, 280};
    EXPECT_EQ(restored, c.mode_after == 1) << c.key;
  }
}

TEST_F(EditorModesTest, ShortcutsMatchTheKeyAndTheExactShiftState) {
  int closes = 0;
  Windows().OnCloseMain = [&] { ++closes; };
  EXPECT_TRUE(RunMenuShortcut('X', shift::Alt));
  EXPECT_TRUE(RunMenuShortcut(vk::F4, shift::Alt));
  EXPECT_EQ(closes, 2);
  EXPECT_FALSE(RunMenuShortcut('X', shift::None));
  EXPECT_FALSE(RunMenuShortcut('X', ShiftState(shift::Alt | shift::Shift)));
  EXPECT_FALSE(RunMenuShortcut(vk::F4, shift::Ctrl));

  static int runs = 0;
  runs = 0;
  SetMenuShortcut('7', shift::Shift, [] { ++runs; });
  SetMenuShortcut('7', shift::Shift, [] { runs += 10; });  // rebinding replaces
  EXPECT_TRUE(RunMenuShortcut('7', shift::Shift));
  EXPECT_EQ(runs, 10);
  SetMenuShortcut('7', shift::Shift, nullptr);
  EXPECT_FALSE(RunMenuShortcut('7', shift::Shift));
}

TEST_F(EditorModesTest, KeyUpRefreshesAVisibleMapWindow) {
  std::vector<bool> refreshes;
  bool visible = false;
  Windows().OnMapVisible = [&] { return visible; };
  Windows().OnRefreshMap = [&](bool force) { refreshes.push_back(force); };
  std::uint16_t key = vk::Right;
  FormKeyUp(key, shift::None);
  EXPECT_TRUE(refreshes.empty());
  visible = true;
  Editor().EditorMode = 8;
  FormKeyUp(key, shift::Ctrl);
  EXPECT_EQ(refreshes, (std::vector<bool>{false}));
}

TEST_F(EditorModesTest, SlotsOutsideOneAndTwoDoNothing) {
  SaveScreenRect(1, 2, 3, 4, 3);
  SaveScreenRect(1, 2, 3, 4, 0);
  RestoreScreenRect(3);
  EXPECT_TRUE(store.calls.empty());
  SaveScreenRect(5, 6, 7, 8, 2);
  EXPECT_EQ(ScreenSlot(2), (ScreenRect{5, 6, 7, 8}));
  EXPECT_EQ(ScreenSlot(1), ScreenRect{});
}

}  // namespace
}  // namespace vorda
