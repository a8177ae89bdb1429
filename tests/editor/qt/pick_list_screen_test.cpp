// The pick lists on the real sheet image: what a list or the chooser covers is
// put back pixel for pixel when it closes.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>

#include "data/game_tables.h"
#include "editor/line_operations.h"
#include "editor/line_refresh.h"
#include "editor/pick_lists.h"
#include "editor/qt/sheet_picture_store.h"
#include "editor/screen_fixture.h"
#include "platform/qt/qt_canvas.h"
#include "platform/win1250.h"

namespace vorda {
namespace {

class PickListScreenTest : public testing::ScreenFixture {
 protected:
  void SetUp() override {
    ScreenFixture::SetUp();
    InstallSheetCanvas(&qt);
    InstallSheetPictureStore(&pictures);
    auto& t = Tables();
    t.ItemCount = 300;
    for (int i = 1; i <= t.ItemCount; ++i)
      t.ItemTable[static_cast<std::size_t>(i)] = {i, 0, 0, 0, 0, 0, "Ékkő "_w + std::to_string(i)};
    t.ItemTable[200].Name = "Zöld gyöngy"_w;
    // Lines whose descriptions run under the list.
    for (int l = 1; l <= 24; ++l) SetLine(l, l % 2 ? "M" : "A", l % 8 + 1, 2);
    DrawSheetFrame();
    RedrawSheet();
    MoveCursor(41);
    UpdateStatusLine(1);
  }
  void TearDown() override {
    InstallSheetPictureStore(&store);
    InstallSheetCanvas(&canvas);
    ScreenFixture::TearDown();
  }
  // Saved beside the test program, in the build folder.
  static void SavePng(const QImage& image, const char* name) {
    EXPECT_TRUE(image.save(QDir(QCoreApplication::applicationDirPath()).filePath(name)));
  }

  QtCanvas qt{680, 545};
  QtSheetPictureStore pictures{qt.Image()};
};

TEST_F(PickListScreenTest, ClosedListAndChooserLeaveTheScreenAsItWas) {
  const QImage before = qt.Image().copy();
  Press(vk::Multiply);  // P1 of an "A" line: the item list
  ASSERT_EQ(Editor().EditorMode, 7);
  Type({'Z', vk::OemOdiaeresis});
  SavePng(qt.Image(), "pick_list.png");
  EXPECT_NE(qt.Image(), before);
  Type({vk::Next, vk::Next, vk::Up, vk::Escape});
  EXPECT_EQ(qt.Image(), before);

  // P3 of the "A" line: the chooser, then the spell list it opens.
  SetCursorPlain(43);
  MoveCursor(43);
  const QImage on_p3 = qt.Image().copy();
  Press(vk::Multiply);
  ASSERT_EQ(Editor().EditorMode, 6);
  Type({vk::Down, vk::Down});
  SavePng(qt.Image(), "pick_chooser.png");
  Press(vk::Return);
  ASSERT_EQ(Editor().EditorMode, 7);
  Press(vk::Escape);
  EXPECT_EQ(qt.Image(), on_p3);
}

TEST_F(PickListScreenTest, EnterLeavesWhatWritingTheNumberDirectlyWould) {
  Press(vk::Multiply);
  Type({'Z', vk::Return});
  ASSERT_EQ(Params(4)[0], 200);
  const QImage picked = qt.Image().copy();

  // The same sheet drawn afresh, and the number written into it directly with
  // the redraws that Enter makes.
  QtCanvas fresh(680, 545);
  InstallSheetCanvas(&fresh);
  ResetSheetScreen();
  SetLine(4, "A", 5, 2);
  Editor().CursorCell = 41;
  DrawSheetFrame();
  RedrawSheet();
  MoveCursor(41);
  UpdateStatusLine(1);
  SheetModel().Lines.SheetParams[4][0] = 200;
  MoveCursor(41);
  RefreshSheetLine(4);
  EXPECT_EQ(picked, fresh.Image());
}

TEST_F(PickListScreenTest, ResourceViewDrawsItsPictureAndCompass) {
  Vltslerserforrsokkztt1Click();
  SavePng(qt.Image(), "resource_view.png");
  // The picture's seal and the compass's white triangles.
  EXPECT_NE(QtCanvas::FromRgb(qt.Image().pixel(435 + 128, 100 + 100)), colors::Black);
  EXPECT_EQ(QtCanvas::FromRgb(qt.Image().pixel(615, 440)), colors::White);
  Vltslerserforrsokkztt1Click();
  EXPECT_EQ(QtCanvas::FromRgb(qt.Image().pixel(615, 440)), colors::Black);
}

}  // namespace
}  // namespace vorda
