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

// Draws every byte in both fonts, both styles and several colours, over a
// striped background and across the image's edges.
void DrawEveryCharacter(QtCanvas& c, int ppi, int points) {
  c.SetPixelsPerInch(ppi);
  c.SetFontSize(points);
  for (int y = 0; y < c.Image().height(); y += 3) {
    c.SetBrushColor(y % 2 ? colors::DarkRed : colors::Grey);
    c.FillRect(0, y, c.Image().width(), y + 2);
  }
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const Color inks[] = {colors::Yellow, colors::Aqua, colors::Red, colors::White};
  int y = -5;
  for (const bool fixed : {true, false})
    for (const bool bold : {false, true}) {
      c.SetFontName(fixed ? "Courier New" : "Arial CE");
      c.SetFontBold(bold);
      for (std::size_t from = 0; from < all.size(); from += 64, y += 13) {
        c.SetFontColor(inks[(from / 64) % 4]);
        c.SetBrushColor(from % 128 ? colors::Black : colors::Green);
        c.TextOut(from % 128 ? -4 : 3, y, std::string_view(all).substr(from, 64));
      }
    }
  c.SetFontColor(colors::StatusGreen);
  c.TextOut(c.Image().width() - 20, c.Image().height() - 6, "gyŐŰ"_w);
}

TEST(QtCanvas, GlyphMasksDrawWhatAPainterDraws) {
  const struct {
    int ppi, points;
  } cases[] = {{96, 8}, {120, 7}, {96, 7}};
  for (const auto& k : cases) {
    QtCanvas fast(700, 13 * 16 - 2), painted(700, 13 * 16 - 2);
    painted.SetPaintTextDirectly(true);
    DrawEveryCharacter(fast, k.ppi, k.points);
    DrawEveryCharacter(painted, k.ppi, k.points);
    EXPECT_EQ(fast.PenPos(), painted.PenPos());
    ASSERT_TRUE(fast.Image() == painted.Image()) << k.ppi << " ppi, " << k.points << " points";
  }
}

// A description's characters keep every pixel inside the 12 rows of their
// line's band, from one row below the text's top (two on screens above 96 pixels
// per inch, where the text stands a row higher), and inside their own advance,
// so that neither a neighbouring line nor the next character covers them.
TEST(QtCanvas, EveryDescriptionCharacterStaysInsideItsBandAndAdvance) {
  const struct {
    int ppi, points;
    bool bold;
    int first_row;
  } cases[] = {{96, 8, true, 1}, {96, 8, false, 1}, {120, 7, true, 2}};
  for (const auto& k : cases) {
    QtCanvas c(60, 60);
    c.SetPixelsPerInch(k.ppi);
    c.SetFontSize(k.points);
    c.SetFontName("Arial CE");
    c.SetFontBold(k.bold);
    c.SetFontColor(colors::White);
    EXPECT_EQ(c.TextCellTop(), k.first_row);
    EXPECT_EQ(c.TextCellHeight(), 12);
    int top = 60, bottom = -1;
    for (int b = 0x21; b < 256; ++b) {
      if (b == 0x7F) continue;
      const std::string text(1, static_cast<char>(b));
      c.SetBrushColor(colors::Black);
      c.FillRect(0, 0, 60, 60);
      c.TextOut(20, 20, text);
      const int advance = c.TextWidth(text);
      for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
          if (PixelAt(c, x, y) == colors::White) {
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            ASSERT_TRUE(y >= 20 + k.first_row && y < 20 + k.first_row + 12) << "byte " << b << " row " << y;
            ASSERT_TRUE(x >= 20 && x < 20 + advance) << "byte " << b << " column " << x;
          }
    }
    // The font is as large as the band allows: the characters use all of it.
    EXPECT_EQ(bottom - top + 1, 12) << k.ppi << (k.bold ? " bold" : "");
  }
}

TEST(QtCanvas, ProportionalTextAdvancesByItsCharactersWidths) {
  QtCanvas c(300, 30);
  c.SetFontName("Arial CE");
  c.SetFontBold(true);
  const std::string text = "mozogsz délkeletre"_w;
  int sum = 0;
  for (const char ch : text) sum += c.TextWidth(std::string_view(&ch, 1));
  EXPECT_EQ(c.TextWidth(text), sum);
  c.TextOut(7, 4, text);
  EXPECT_EQ(c.PenPos(), (Point{7 + sum, 4}));
}

TEST(QtCanvas, ColoursAreBlueGreenRedValues) {
  EXPECT_EQ(QtCanvas::ToRgb(colors::Red), qRgb(255, 0, 0));
  EXPECT_EQ(QtCanvas::ToRgb(colors::Aqua), qRgb(0, 255, 255));
  EXPECT_EQ(QtCanvas::ToRgb(colors::Yellow), qRgb(255, 255, 0));
  EXPECT_EQ(QtCanvas::FromRgb(qRgb(0x11, 0xFF, 0x55)), colors::StatusGreen);
}

}  // namespace
}  // namespace vorda
