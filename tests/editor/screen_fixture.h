#pragma once
// A fixture for the screen and key tests: the editor fixture, plus fresh modes,
// screen slots, status-line memory and window links, and the editor as it is
// after the first activation (ready, edit mode, cursor on line 1's code).
#include <string>
#include <vector>

#include "data/order_sheet.h"
#include "editor/editor_fixture.h"
#include "editor/editor_modes.h"
#include "editor/pick_lists.h"
#include "editor/screen_slots.h"
#include "editor/sheet_screen.h"
#include "editor/window_links.h"

namespace vorda::testing {

// Remembers what the slots were asked to save and restore.
class RecordingPictureStore : public SheetPictureStore {
 public:
  struct Call {
    bool save;
    int slot;
    ScreenRect rect;
  };
  void Save(int slot, const ScreenRect& rect) override { calls.push_back({true, slot, rect}); }
  void Restore(int slot, const ScreenRect& rect) override { calls.push_back({false, slot, rect}); }
  std::vector<Call> calls;
};

class ScreenFixture : public EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    ResetScreenParts();
    InstallSheetPictureStore(&store);
    auto& ed = Editor();
    ed.EditorReady = true;
    ed.EditorMode = 1;
    ed.ColorMarkup = true;
    ed.CursorCell = 10;
  }
  void TearDown() override {
    InstallSheetPictureStore(nullptr);
    ResetScreenParts();
    EditorFixture::TearDown();
  }
  static void ResetScreenParts() {
    ResetSheetScreen();
    ResetEditorModes();
    ResetScreenSlots();
    ResetWindowLinks();
    ResetPickList();
  }

  static void SetLine(int line, const std::string& code, std::int32_t p1 = 0, std::int32_t p2 = 0,
                      std::int32_t p3 = 0) {
    auto& s = SheetModel().Lines;
    s.SheetCodes[static_cast<std::size_t>(line)] = code;
    s.SheetParams[static_cast<std::size_t>(line)] = {p1, p2, p3};
  }
  static std::array<std::int32_t, 3> Params(int line) {
    return SheetModel().Lines.SheetParams[static_cast<std::size_t>(line)];
  }
  static const std::string& Code(int line) { return SheetModel().Lines.SheetCodes[static_cast<std::size_t>(line)]; }

  // Keys as the main window hands them on: no shift state.
  static void Press(std::uint16_t key) { FormKeyDown(key, shift::None); }
  static void Type(std::initializer_list<std::uint16_t> keys) {
    for (const auto k : keys) Press(k);
  }

  // The last text drawn with its top-left corner at (x, y), or nullptr.
  const RecordingCanvas::Entry* LastTextAt(int x, int y) const {
    const RecordingCanvas::Entry* found = nullptr;
    for (const auto& e : canvas.Entries())
      if (e.op == RecordingCanvas::Op::Text && e.x1 == x && e.y1 == y) found = &e;
    return found;
  }

  RecordingPictureStore store;
};

}  // namespace vorda::testing
