// The canvas's record of touched pixels: a window shows again only what the
// record holds, so every pixel a drawing call changes must lie inside it.
#include <QImage>
#include <QRegion>
#include <functional>
#include <gtest/gtest.h>

#include "platform/qt/qt_canvas.h"
#include "platform/win1250.h"

namespace vorda {
namespace {

// The changed pixels outside the record, as "x,y" texts (empty: none).
std::string Untouched(const QImage& before, const QImage& after, const std::vector<QRect>& touched) {
  QRegion record;
  for (const QRect& r : touched) record += r;
  std::string out;
  for (int y = 0; y < after.height(); ++y)
    for (int x = 0; x < after.width(); ++x)
      if (before.pixel(x, y) != after.pixel(x, y) && !record.contains(QPoint(x, y)))
        out += std::to_string(x) + "," + std::to_string(y) + " ";
  return out;
}

// Runs `draw` and checks that what it changed is inside what it recorded.
void ExpectRecorded(QtCanvas& c, const char* what, const std::function<void()>& draw) {
  c.TakeTouched();
  const QImage before = c.Image().copy();
  draw();
  const std::vector<QRect> touched = c.TakeTouched();
  EXPECT_EQ(Untouched(before, c.Image(), touched), "") << what;
  for (const QRect& r : touched) EXPECT_TRUE(c.Image().rect().contains(r)) << what;
}

TEST(QtCanvasTouched, EveryDrawingCallRecordsWhatItChanges) {
  QtCanvas c(120, 90);
  c.SetPenColor(colors::White);
  c.SetBrushColor(colors::Red);
  ExpectRecorded(c, "fill", [&] { c.FillRect(5, 6, 30, 20); });
  ExpectRecorded(c, "fill over the edges", [&] { c.FillRect(-10, -10, 8, 200); });
  ExpectRecorded(c, "rectangle", [&] { c.Rectangle(40, 10, 70, 30); });
  ExpectRecorded(c, "ellipse", [&] { c.Ellipse(60, 40, 100, 75); });
  ExpectRecorded(c, "ellipse over the edge", [&] { c.Ellipse(100, 70, 140, 110); });
  const Point triangle[] = {{10, 50}, {50, 85}, {0, 89}};
  ExpectRecorded(c, "polygon", [&] { c.Polygon(triangle); });
  c.MoveTo(119, 0);
  ExpectRecorded(c, "line", [&] { c.LineTo(2, 88); });
  ExpectRecorded(c, "line out of the image", [&] { c.LineTo(-30, 200); });
}

// Every byte of both fonts, both styles and the sheet's sizes, at and across
// the image's edges.
TEST(QtCanvasTouched, TextRecordsItsBackgroundAndAllOfItsInk) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const struct {
    int ppi, points;
  } sizes[] = {{96, 8}, {120, 7}, {96, 7}};
  for (const auto& size : sizes)
    for (const bool fixed : {true, false})
      for (const bool bold : {false, true}) {
        QtCanvas c(300, 40);
        c.SetPixelsPerInch(size.ppi);
        c.SetFontSize(size.points);
        c.SetFontName(fixed ? "Courier New" : "Arial CE");
        c.SetFontBold(bold);
        c.SetFontColor(colors::Yellow);
        for (std::size_t from = 0; from < all.size(); from += 16)
          for (const int y : {-6, 14, 33}) {
            // A background the same as the image's, so that only the ink shows.
            c.SetBrushColor(colors::Black);
            const std::string text = all.substr(from, 16);
            ExpectRecorded(c, text.c_str(), [&] { c.TextOut(from % 32 ? -3 : 280 - 16 * 7, y, text); });
            c.SetBrushColor(colors::Green);
            ExpectRecorded(c, text.c_str(), [&] { c.TextOut(20, y, text); });
          }
      }
}

TEST(QtCanvasTouched, TheRecordIsEmptiedWhenTakenAndStaysSmall) {
  QtCanvas c(680, 545);
  int first_touches = 0;
  c.SetFirstTouchHandler([&] { ++first_touches; });
  EXPECT_TRUE(c.TakeTouched().empty());
  c.SetBrushColor(colors::Green);
  c.FillRect(30, 10, 59, 22);
  c.FillRect(230, 11, 700, 23);  // the same rows: one rectangle
  c.FillRect(40, 498, 80, 510);
  EXPECT_EQ(first_touches, 1);
  const std::vector<QRect> touched = c.TakeTouched();
  ASSERT_EQ(touched.size(), 2u);
  EXPECT_EQ(touched[0], QRect(QPoint(30, 10), QPoint(679, 22)));
  EXPECT_EQ(touched[1], QRect(QPoint(40, 498), QPoint(79, 509)));
  EXPECT_TRUE(c.TakeTouched().empty());

  // A screen's worth of drawing ends in one rectangle around it all.
  for (int line = 0; line < 40; ++line) c.FillRect(5, 12 * line + 3, 20, 12 * line + 8);
  c.FillRect(300, 540, 301, 541);
  EXPECT_EQ(first_touches, 2);
  const std::vector<QRect> screen = c.TakeTouched();
  ASSERT_LE(screen.size(), QtCanvas::kMaxTouched);
  QRect around;
  for (const QRect& r : screen) around |= r;
  EXPECT_EQ(around, QRect(QPoint(5, 3), QPoint(300, 540)));

  c.MarkTouched(QRect(10, 20, 170, 136));
  EXPECT_EQ(c.TakeTouched(), std::vector<QRect>{QRect(10, 20, 170, 136)});
  c.FillRect(5, 5, 5, 50);  // nothing drawn, nothing touched
  EXPECT_TRUE(c.TakeTouched().empty());
}

}  // namespace
}  // namespace vorda
