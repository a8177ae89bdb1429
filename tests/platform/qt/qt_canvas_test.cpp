#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>
#include <string_view>
#include <gtest/gtest.h>

#include "platform/win1250.h"

namespace vorda {
namespace {

Color PixelAt(const QtCanvas& c, int x, int y) { return QtCanvas::FromRgb(c.Image().pixel(x, y)); }

TEST(QtCanvas, FillLeavesOutTheRightAndBottomEdges) {
  QtCanvas c(40, 30);
  c.SetBrushColor(colors::Red);
  c.FillRect(5, 5, 10, 8);
  EXPECT_EQ(PixelAt(c, 5, 5), colors::Red);
  EXPECT_EQ(PixelAt(c, 9, 7), colors::Red);
  EXPECT_EQ(PixelAt(c, 10, 7), colors::Black);
  EXPECT_EQ(PixelAt(c, 9, 8), colors::Black);
}

TEST(QtCanvas, RectangleFramesWithThePenAndFillsWithTheBrush) {
  QtCanvas c(40, 30);
  c.SetPenColor(colors::Grey);
  c.SetBrushColor(colors::Yellow);
  c.Rectangle(2, 2, 8, 6);
  EXPECT_EQ(PixelAt(c, 2, 2), colors::Grey);
  EXPECT_EQ(PixelAt(c, 7, 5), colors::Grey);
  EXPECT_EQ(PixelAt(c, 4, 3), colors::Yellow);
  EXPECT_EQ(PixelAt(c, 8, 3), colors::Black);
  EXPECT_EQ(PixelAt(c, 4, 6), colors::Black);
}

TEST(QtCanvas, LineLeavesOutItsLastPixelAndMovesThePen) {
  QtCanvas c(40, 30);
  c.SetPenColor(colors::Grey);
  c.MoveTo(3, 4);
  c.LineTo(9, 4);
  EXPECT_EQ(PixelAt(c, 3, 4), colors::Grey);
  EXPECT_EQ(PixelAt(c, 8, 4), colors::Grey);
  EXPECT_EQ(PixelAt(c, 9, 4), colors::Black);
  EXPECT_EQ(c.PenPos(), (Point{9, 4}));
}

TEST(QtCanvas, EllipseAndPolygonOutlineWithThePenAndFillWithTheBrush) {
  QtCanvas c(60, 60);
  c.SetPenColor(colors::White);
  c.SetBrushColor(colors::Red);
  c.Ellipse(10, 10, 31, 31);
  EXPECT_EQ(PixelAt(c, 20, 20), colors::Red);
  EXPECT_EQ(PixelAt(c, 20, 10), colors::White);
  EXPECT_EQ(PixelAt(c, 20, 30), colors::White);
  EXPECT_EQ(PixelAt(c, 20, 31), colors::Black);
  EXPECT_EQ(PixelAt(c, 11, 11), colors::Black);  // outside the curve, in the box's corner

  const Point triangle[] = {{40, 40}, {40, 58}, {58, 58}};
  c.SetBrushColor(colors::Yellow);
  c.Polygon(triangle);
  EXPECT_EQ(PixelAt(c, 40, 50), colors::White);
  EXPECT_EQ(PixelAt(c, 44, 54), colors::Yellow);
  EXPECT_EQ(PixelAt(c, 56, 42), colors::Black);
}

TEST(QtCanvas, DrawingOutsideTheImageIsClipped) {
  QtCanvas c(20, 20);
  c.SetBrushColor(colors::White);
  c.FillRect(-50, -50, 500, 500);
  c.MoveTo(-10, 5);
  c.LineTo(800, 5);
  c.TextOut(15, 15, "far too long a text for this image");
  EXPECT_EQ(PixelAt(c, 0, 0), colors::White);
}

TEST(QtCanvas, TextFillsBehindWithTheBrushAndAdvancesThePen) {
  QtCanvas c(200, 30);
  c.SetFontName("Courier New");
  c.SetFontBold(true);
  c.SetBrushColor(colors::Green);
  c.SetFontColor(colors::White);
  c.TextOut(10, 5, "  - ");
  EXPECT_EQ(c.PenPos(), (Point{10 + 4 * 7, 5}));
  EXPECT_EQ(PixelAt(c, 11, 6), colors::Green);  // a blank shows the brush
  EXPECT_EQ(PixelAt(c, 9, 6), colors::Black);
}

TEST(QtCanvas, SheetFontIsSevenPixelsACharacter) {
  QtCanvas c(700, 30);
  c.SetFontName("Courier New");
  c.SetFontBold(true);
  EXPECT_EQ(c.TextWidth("X"), 7);
  EXPECT_EQ(c.TextWidth(std::string(91, 'W')), 91 * 7);
  // The glyphs themselves step by 7 pixels too: a 40-character run ends where
  // its measured width says.
  c.SetBrushColor(colors::Black);
  c.SetFontColor(colors::White);
  c.TextOut(0, 0, std::string(40, '|'));
  int last_lit = -1;
  for (int x = 0; x < 700; ++x)
    for (int y = 0; y < 20; ++y)
      if (PixelAt(c, x, y) != colors::Black) last_lit = std::max(last_lit, x);
  EXPECT_GT(last_lit, 39 * 7);
  EXPECT_LT(last_lit, 40 * 7);
}

TEST(QtCanvas, DescriptionFontHasEveryHungarianLetter) {
  QtCanvas c(10, 10);
  c.SetFontName("Arial CE");
  const QFontMetrics metrics(c.CurrentFont());
  for (const char32_t ch : std::u32string_view(U"áéíóöőúüűÁÉÍÓÖŐÚÜŰ")) EXPECT_TRUE(metrics.inFontUcs4(ch)) << static_cast<unsigned>(ch);
  EXPECT_GT(c.TextWidth("őű"_w), 0);
}

TEST(QtCanvas, ColoursAreBlueGreenRedValues) {
  EXPECT_EQ(QtCanvas::ToRgb(colors::Red), qRgb(255, 0, 0));
  EXPECT_EQ(QtCanvas::ToRgb(colors::Aqua), qRgb(0, 255, 255));
  EXPECT_EQ(QtCanvas::ToRgb(colors::Yellow), qRgb(255, 255, 0));
  EXPECT_EQ(QtCanvas::FromRgb(qRgb(0x11, 0xFF, 0x55)), colors::StatusGreen);
}

}  // namespace
}  // namespace vorda
