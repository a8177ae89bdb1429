// The sheet's fixed-pitch font as the Qt canvas draws it: the columns of the
// sheet need 7 pixels a character at both sizes the program uses, and the
// status labels need the capitals' tops 3 rows below the text's top (the band
// of line 40 clears the rows above).
#include <QFontMetrics>
#include <gtest/gtest.h>

#include "platform/qt/qt_canvas.h"

namespace vorda {
namespace {

Color PixelAt(const QtCanvas& c, int x, int y) { return QtCanvas::FromRgb(c.Image().pixel(x, y)); }

TEST(SheetFont, SevenPixelsACharacterAtBothSheetSizes) {
  const struct {
    int ppi, points;
  } cases[] = {{96, 8}, {120, 7}};
  for (const auto& c : cases) {
    QtCanvas canvas(300, 40);
    canvas.SetPixelsPerInch(c.ppi);
    canvas.SetFontSize(c.points);
    canvas.SetFontName("Courier New");
    canvas.SetFontBold(true);
    EXPECT_EQ(canvas.TextWidth("M"), 7) << c.ppi;
    canvas.SetBrushColor(colors::Black);
    canvas.SetFontColor(colors::White);
    canvas.TextOut(10, 5, "MMMMMMMMMM");
    EXPECT_EQ(canvas.PenPos(), (Point{80, 5}));
    // Every character lights its own 7-pixel cell.
    for (int i = 0; i < 10; ++i) {
      bool lit = false;
      for (int x = 10 + 7 * i; x < 17 + 7 * i; ++x)
        for (int y = 5; y < 25; ++y) lit = lit || PixelAt(canvas, x, y) == colors::White;
      EXPECT_TRUE(lit) << i;
    }
  }
}

TEST(SheetFont, CapitalsStartThreeRowsBelowTheTextTop) {
  QtCanvas canvas(100, 30);
  canvas.SetFontName("Courier New");
  canvas.SetFontBold(true);
  canvas.SetBrushColor(colors::Black);
  canvas.SetFontColor(colors::White);
  canvas.TextOut(0, 10, "MKF");
  int top = -1, bottom = -1;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 21; ++x)
      if (PixelAt(canvas, x, y) == colors::White) {
        if (top < 0) top = y;
        bottom = y;
      }
  EXPECT_EQ(top, 13);
  EXPECT_LT(bottom, 10 + 12);  // within the 12 rows the text fills
}

}  // namespace
}  // namespace vorda
