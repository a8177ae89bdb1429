// The sheet drawn from the canvas's glyph masks is, to the pixel, the sheet a
// painter draws character by character: the frame, every order code's
// description, the cursor, the status line, typed keys and the resource view.
#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "editor/editor_fixture.h"
#include "editor/editor_modes.h"
#include "editor/line_refresh.h"
#include "editor/sheet_screen.h"
#include "platform/files.h"
#include "platform/qt/qt_canvas.h"
#include "platform/virtual_keys.h"
#include "support/full_sheet.h"

namespace vorda {
namespace {

const std::string kUnknownCode = "m";  // no describer knows it

class SheetPixelsTest : public testing::EditorFixture {
 protected:
  // One session on a fresh editor: 40 lines coded from `first` on, drawn whole,
  // then edited by keys and shown as resources and back.
  QImage Draw(bool paint_directly, std::size_t first) {
    ResetAll();
    ResetSheetScreen();
    ResetEditorModes();
    const char* source = std::getenv("VORDA_SOURCE_DIR");
    LoadGameDataFiles(JoinPath(source ? source : ".", "demo"));
    QtCanvas qt(680, 545);
    qt.SetPaintTextDirectly(paint_directly);
    InstallSheetCanvas(&qt);
    auto& ed = Editor();
    ed.EditorReady = true;
    ed.EditorMode = 1;
    ed.ColorMarkup = true;
    ed.CursorCell = 10;
    DrawSheetFrame();
    testing::CodeSheetLines(testing::EveryOrderCode(), first);
    testing::CodeSheetLine(39, kUnknownCode);
    RedrawSheet();
    MoveCursor(10);
    UpdateStatusLine(1);
    for (std::uint16_t key : {vk::Down, vk::Right, std::uint16_t{vk::Digit0 + 7}, vk::Add, vk::Back, vk::Down,
                              std::uint16_t{vk::LetterA + 1}, vk::Left, vk::Subtract})
      FormKeyDown(key, shift::None);
    ed.ResourceView = true;
    RedrawSheet();
    RefreshSheetLine(7);
    MoveCursor(ed.CursorCell);
    InstallSheetCanvas(&canvas);
    return qt.Image();
  }
};

TEST_F(SheetPixelsTest, GlyphMasksDrawTheSheetAPainterDraws) {
  const auto codes = testing::EveryOrderCode();
  for (std::size_t first = 0; first < codes.size(); first += 40) {
    const QImage fast = Draw(false, first);
    const QImage painted = Draw(true, first);
    ASSERT_TRUE(fast == painted) << "codes from " << codes[first];
  }
}

}  // namespace
}  // namespace vorda
