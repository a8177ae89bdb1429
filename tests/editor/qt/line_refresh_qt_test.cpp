// A refreshed line drawn on the real Qt canvas shows its mark-up colours where
// the mark-up puts them.
#include <gtest/gtest.h>

#include "data/order_sheet.h"
#include "editor/editor_fixture.h"
#include "editor/line_refresh.h"
#include "platform/qt/qt_canvas.h"

namespace vorda {
namespace {

class LineRefreshQtTest : public testing::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    InstallSheetCanvas(&qt);
    Editor().ColorMarkup = true;
  }
  // Columns x0..x1-1 of line L's description band that hold a pixel of colour c.
  bool HasColour(int line, int x0, int x1, Color c) const {
    for (int x = x0; x < x1; ++x)
      for (int y = 12 * line - 1; y < 12 * line + 11; ++y)
        if (QtCanvas::FromRgb(qt.Image().pixel(x, y)) == c) return true;
    return false;
  }
  QtCanvas qt{680, 545};
};

TEST_F(LineRefreshQtTest, ValueAndNormalColoursStandWhereTheMarkUpPutsThem) {
  // "M 2": "mozogsz" in the normal colour, then "@keletre" in the value colour.
  auto& s = SheetModel().Lines;
  s.SheetCodes[3] = "M";
  s.SheetParams[3] = {2, 0, 0};
  RefreshSheetLine(3);
  const std::string text = s.SheetTexts[3];
  const auto at = text.find('@');
  ASSERT_NE(at, std::string::npos) << text;
  qt.SetFontName("Arial CE");
  const int normal_end = 234 + qt.TextWidth(text.substr(0, at));
  EXPECT_TRUE(HasColour(3, 234, normal_end, colors::Yellow));
  EXPECT_FALSE(HasColour(3, 234, normal_end, colors::Aqua));
  EXPECT_TRUE(HasColour(3, normal_end, 700, colors::Aqua));
  EXPECT_FALSE(HasColour(3, 0, 680, colors::Red));
}

TEST_F(LineRefreshQtTest, ClearingALineLeavesNothingOfItsAccentedText) {
  // "M 3 7 1" reads "mozogsz délkeletre, északnyugatra, ..." in bold: the
  // accents must fall inside the band that the next refresh of the line clears.
  qt.SetFontBold(true);  // as the frame leaves the sheet's one font
  auto& s = SheetModel().Lines;
  s.SheetCodes[6] = "M";
  s.SheetParams[6] = {3, 7, 1};
  RefreshSheetLine(6);
  ASSERT_TRUE(HasColour(6, 234, 700, colors::Aqua));
  s.SheetCodes[6].clear();
  s.SheetParams[6] = {0, 0, 0};
  RefreshSheetLine(6);
  for (int y = 12 * 6 - 2; y <= 12 * 6 + 10; ++y)
    for (int x = 230; x < 680; ++x)
      if (y != 250) {
        ASSERT_EQ(QtCanvas::FromRgb(qt.Image().pixel(x, y)), colors::Black) << x << "," << y;
      }
}

TEST_F(LineRefreshQtTest, UnknownCodeIsDrawnRed) {
  SheetModel().Lines.SheetCodes[5] = "m";
  RefreshSheetLine(5);
  EXPECT_TRUE(HasColour(5, 234, 400, colors::Red));
  EXPECT_FALSE(HasColour(5, 234, 400, colors::Yellow));
}

}  // namespace
}  // namespace vorda
