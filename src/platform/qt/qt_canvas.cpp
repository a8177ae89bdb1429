#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "platform/qt/qt_text.h"

namespace vorda {

namespace {
bool IsFixedPitchName(std::string_view name) { return name == "Courier New"; }

// Courier New's characters are 0.6 em wide; Windows rounds the advance to whole
// pixels, so that at 11 and 12 pixels a character is 7 wide.
int FixedPitchAdvanceOf(int pixel_size) { return std::max(1, (pixel_size * 6 + 5) / 10); }
}  // namespace

QtCanvas::QtCanvas(int width, int height) : image_(width, height, QImage::Format_RGB32) {
  image_.fill(Qt::black);
  RebuildFont();
}

QRgb QtCanvas::ToRgb(Color c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

Color QtCanvas::FromRgb(QRgb rgb) {
  return static_cast<Color>(qRed(rgb)) | (static_cast<Color>(qGreen(rgb)) << 8) |
         (static_cast<Color>(qBlue(rgb)) << 16);
}

void QtCanvas::SetPixelsPerInch(int ppi) {
  ppi_ = std::max(1, ppi);
  RebuildFont();
}

void QtCanvas::SetFontName(std::string_view name) {
  font_name_ = name;
  RebuildFont();
}

void QtCanvas::SetFontSize(int points) {
  font_size_ = points;
  RebuildFont();
}

void QtCanvas::SetFontBold(bool bold) {
  bold_ = bold;
  RebuildFont();
}

QFont QtCanvas::CurrentFont() const { return font_; }

void QtCanvas::RebuildFont() {
  const bool fixed = IsFixedPitchName(font_name_);
  QFont f(fixed ? QStringLiteral("Liberation Mono") : QStringLiteral("Liberation Sans"));
  f.setStyleHint(fixed ? QFont::TypeWriter : QFont::SansSerif, QFont::NoAntialias);
  // Points to pixels rounded as Windows does (8 points at 96 pixels per inch = 11).
  const int pixels = std::max(1, (font_size_ * ppi_ + 36) / 72);
  f.setPixelSize(pixels);
  f.setBold(bold_);
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setKerning(false);
  font_ = f;
  fixed_advance_ = fixed ? FixedPitchAdvanceOf(pixels) : 0;
  const QFontMetrics metrics(font_);
  text_height_ = metrics.ascent() + metrics.descent();
  text_ascent_ = metrics.ascent();
  if (fixed) {
    // Liberation Mono's capitals are taller than Courier New's (0.571 em): its
    // glyphs sit lower by the difference, so that their tops start where Courier
    // New's do. The status labels depend on it: the band of line 40 clears the
    // top three rows of their line.
    const int taller = qRound(QFontMetricsF(font_).capHeight()) - qRound(0.571 * pixels);
    text_ascent_ += std::max(0, taller);
  } else {
    // Liberation Sans, hinted at these sizes, puts the accents of bold lower-case
    // letters on the top row of the text (Arial keeps them a row lower). That
    // row lies above the band that the line refresh clears, so they would stay
    // behind; the glyphs sit one pixel lower instead, still inside the band.
    text_ascent_ += 1;
  }
}

void QtCanvas::SetPixel(int x, int y, Color c) {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
  image_.setPixel(x, y, ToRgb(c));
}

void QtCanvas::FillRect(int x1, int y1, int x2, int y2) {
  const int left = std::max(x1, 0), top = std::max(y1, 0);
  const int right = std::min(x2, image_.width()), bottom = std::min(y2, image_.height());
  const QRgb rgb = ToRgb(brush_);
  for (int y = top; y < bottom; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
    for (int x = left; x < right; ++x) row[x] = rgb;
  }
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  FillRect(x1, y1, x2, y2);
  for (int x = x1; x < x2; ++x) {
    SetPixel(x, y1, pen_);
    SetPixel(x, y2 - 1, pen_);
  }
  for (int y = y1; y < y2; ++y) {
    SetPixel(x1, y, pen_);
    SetPixel(x2 - 1, y, pen_);
  }
}

namespace {
// A painter on the image that draws aliased with a one-pixel pen and a solid brush.
void PreparePainter(QPainter& painter, QRgb pen, QRgb brush, const QImage& image) {
  painter.setRenderHint(QPainter::Antialiasing, false);
  QPen p{QColor(pen)};
  p.setWidth(1);
  painter.setPen(p);
  painter.setBrush(QColor(brush));
  painter.setClipRect(QRect(0, 0, image.width(), image.height()));
}
}  // namespace

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  QPainter painter(&image_);
  PreparePainter(painter, ToRgb(pen_), ToRgb(brush_), image_);
  // Pixel centres of the outline run from x1 to x2 - 1 (and y1 to y2 - 1).
  painter.drawEllipse(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
}

void QtCanvas::Polygon(std::span<const Point> points) {
  if (points.empty()) return;
  QPolygon polygon;
  for (const Point& p : points) polygon << QPoint(p.x, p.y);
  QPainter painter(&image_);
  PreparePainter(painter, ToRgb(pen_), ToRgb(brush_), image_);
  painter.drawPolygon(polygon);
}

void QtCanvas::LineTo(int x, int y) {
  // Bresenham from the pen to (x, y), the end point itself left out.
  int x0 = pen_pos_.x, y0 = pen_pos_.y;
  const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
  const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
  int err = dx + dy;
  while (!(x0 == x && y0 == y)) {
    SetPixel(x0, y0, pen_);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
  pen_pos_ = {x, y};
}

int QtCanvas::TextWidth(std::string_view text) const {
  if (fixed_advance_ > 0) return static_cast<int>(text.size()) * fixed_advance_;
  return qRound(QFontMetricsF(font_).horizontalAdvance(ToQString(text)));
}

void QtCanvas::TextOut(int x, int y, std::string_view text) {
  const int width = TextWidth(text);
  FillRect(x, y, x + width, y + text_height_);
  QPainter painter(&image_);
  painter.setFont(font_);
  painter.setPen(QColor(ToRgb(font_color_)));
  painter.setClipRect(QRect(0, 0, image_.width(), image_.height()));
  if (fixed_advance_ > 0) {
    // Each character in its own cell, so that the columns stay on the grid.
    for (std::size_t i = 0; i < text.size(); ++i)
      painter.drawText(QPoint(x + static_cast<int>(i) * fixed_advance_, y + text_ascent_),
                       ToQString(text.substr(i, 1)));
  } else {
    painter.drawText(QPoint(x, y + text_ascent_), ToQString(text));
  }
  painter.end();
  pen_pos_ = {x + width, y};
}

}  // namespace vorda
