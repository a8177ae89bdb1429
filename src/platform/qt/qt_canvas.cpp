#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <tuple>

#include "platform/qt/qt_text.h"

namespace vorda {

namespace {

// The sheet's lines are 12 pixels apart; a description's band is that high.
constexpr int kBandRows = 12;

bool IsFixedPitchName(std::string_view name) { return name == "Courier New"; }

// Courier New's characters are 0.6 em wide; Windows rounds the advance to whole
// pixels, so that at 11 and 12 pixels a character is 7 wide.
int FixedPitchAdvanceOf(int pixel_size) { return std::max(1, (pixel_size * 6 + 5) / 10); }

QFont MakeFont(bool fixed, int pixels, bool bold) {
  QFont f(fixed ? QStringLiteral("Liberation Mono") : QStringLiteral("Liberation Sans"));
  f.setStyleHint(fixed ? QFont::TypeWriter : QFont::SansSerif, QFont::NoAntialias);
  f.setPixelSize(pixels);
  f.setBold(bold);
  // Hinted, Liberation Sans lifts the accents of capitals (and of bold
  // lower-case letters) a row above Arial's, out of the band; unhinted it keeps
  // them where Arial has them. The fixed-pitch font keeps its hinted stems.
  f.setHintingPreference(fixed ? QFont::PreferFullHinting : QFont::PreferNoHinting);
  f.setKerning(false);
  return f;
}

QString CharText(unsigned char byte) {
  const char ch = static_cast<char>(byte);
  return ToQString(std::string_view(&ch, 1));
}

}  // namespace

struct QtCanvas::Face {
  // A run of ink pixels of a glyph: row dy from the baseline, columns x0..x1-1
  // from the pen.
  struct Span {
    int dy;
    int x0;
    int x1;
  };
  struct Glyph {
    int advance = 0;
    std::vector<Span> spans;
    int top = 0, bottom = -1, left = 0, right = -1;  // ink box; empty when bottom < top
  };

  bool fixed = false;
  int pixels = 0;
  bool bold = false;
  int baseline = 0;     // rows from the text's top to the baseline
  int cell_top = 0;     // first row painted behind a text, from its top
  int cell_height = 0;  // rows painted behind a text
  std::array<Glyph, 256> glyphs;
};

namespace {

using Face = QtCanvas::Face;
using Glyph = Face::Glyph;
using GlyphSpan = Face::Span;

// What a painter sets for one character drawn at the pen (0, baseline 0).
Glyph RenderGlyph(const QFont& font, const QFontMetricsF& metrics, unsigned char byte, int fixed_advance) {
  Glyph g;
  const QString text = CharText(byte);
  g.advance = fixed_advance > 0 ? fixed_advance : qRound(metrics.horizontalAdvance(text));
  const int margin = 2 * font.pixelSize() + 4;
  QImage scratch(2 * margin + 2 * font.pixelSize(), 2 * margin, QImage::Format_RGB32);
  scratch.fill(Qt::black);
  QPainter painter(&scratch);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QPoint(margin, margin), text);
  painter.end();
  const auto lit = [](QRgb rgb) { return (rgb & 0xFFFFFFu) != 0; };
  for (int row = 0; row < scratch.height(); ++row) {
    const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(row));
    for (int col = 0; col < scratch.width(); ++col) {
      if (!lit(line[col])) continue;
      const int start = col;
      while (col < scratch.width() && lit(line[col])) ++col;
      g.spans.push_back({row - margin, start - margin, col - margin});
    }
  }
  for (const GlyphSpan& s : g.spans) {
    const bool first = &s == &g.spans.front();
    g.top = first ? s.dy : std::min(g.top, s.dy);
    g.bottom = first ? s.dy : std::max(g.bottom, s.dy);
    g.left = first ? s.x0 : std::min(g.left, s.x0);
    g.right = first ? s.x1 - 1 : std::max(g.right, s.x1 - 1);
  }
  return g;
}

void RenderAll(Face& face, const QFont& font, int fixed_advance) {
  const QFontMetricsF metrics(font);
  for (int b = 0; b < 256; ++b) face.glyphs[static_cast<std::size_t>(b)] = RenderGlyph(font, metrics, static_cast<unsigned char>(b), fixed_advance);
}

std::unique_ptr<Face> MakeFixedFace(int pixels, bool bold) {
  auto face = std::make_unique<Face>();
  face->fixed = true;
  face->pixels = pixels;
  face->bold = bold;
  const QFont font = MakeFont(true, pixels, bold);
  const QFontMetrics metrics(font);
  face->cell_top = 0;
  face->cell_height = metrics.ascent() + metrics.descent();
  // Liberation Mono's capitals are taller than Courier New's (0.571 em): its
  // glyphs sit lower by the difference, so that their tops start where Courier
  // New's do. The status labels depend on it: the band of line 40 clears the
  // top three rows of their line.
  const int taller = qRound(QFontMetricsF(font).capHeight()) - qRound(0.571 * pixels);
  face->baseline = metrics.ascent() + std::max(0, taller);
  RenderAll(*face, font, FixedPitchAdvanceOf(pixels));
  return face;
}

// Every character's ink inside `rows` rows and inside its own advance (the
// control bytes below the blank and DEL are no characters).
bool FitsTheBand(const Face& face, int rows, int& top) {
  int lowest = 0, highest = 0;
  bool any = false;
  for (int b = ' '; b < 256; ++b) {
    const Glyph& g = face.glyphs[static_cast<std::size_t>(b)];
    if (b == 0x7F || g.bottom < g.top) continue;
    if (g.left < 0 || g.right >= g.advance) return false;
    lowest = any ? std::min(lowest, g.top) : g.top;
    highest = any ? std::max(highest, g.bottom) : g.bottom;
    any = true;
  }
  top = lowest;
  return highest - lowest + 1 <= rows;
}

std::unique_ptr<Face> MakeProportionalFace(int pixels, bool bold, int cell_top) {
  for (int size = pixels; size >= 1; --size) {
    auto face = std::make_unique<Face>();
    face->fixed = false;
    face->pixels = size;
    face->bold = bold;
    RenderAll(*face, MakeFont(false, size, bold), 0);
    int top = 0;
    if (!FitsTheBand(*face, kBandRows, top) && size > 1) continue;
    face->cell_top = cell_top;
    face->cell_height = kBandRows;
    face->baseline = cell_top - top;
    return face;
  }
  return nullptr;  // not reached: at one pixel everything fits
}

// Faces are plain data, shared by every canvas and made on first use.
const Face& FaceFor(bool fixed, int pixels, bool bold, int cell_top) {
  static std::map<std::tuple<bool, int, bool, int>, std::unique_ptr<Face>> faces;
  auto& slot = faces[{fixed, pixels, bold, fixed ? 0 : cell_top}];
  if (!slot) slot = fixed ? MakeFixedFace(pixels, bold) : MakeProportionalFace(pixels, bold, cell_top);
  return *slot;
}

}  // namespace

QtCanvas::QtCanvas(int width, int height) : image_(width, height, QImage::Format_RGB32) {
  image_.fill(Qt::black);
  SelectFace();
}

QRgb QtCanvas::ToRgb(Color c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

Color QtCanvas::FromRgb(QRgb rgb) {
  return static_cast<Color>(qRed(rgb)) | (static_cast<Color>(qGreen(rgb)) << 8) |
         (static_cast<Color>(qBlue(rgb)) << 16);
}

void QtCanvas::SetPixelsPerInch(int ppi) {
  ppi_ = std::max(1, ppi);
  SelectFace();
}

void QtCanvas::SetFontName(std::string_view name) {
  if (name == font_name_) return;
  font_name_ = name;
  SelectFace();
}

void QtCanvas::SetFontSize(int points) {
  font_size_ = points;
  SelectFace();
}

void QtCanvas::SetFontBold(bool bold) {
  bold_ = bold;
  SelectFace();
}

void QtCanvas::SelectFace() {
  // Points to pixels rounded as Windows does (8 points at 96 pixels per inch = 11).
  const int pixels = std::max(1, (font_size_ * ppi_ + 36) / 72);
  face_ = &FaceFor(IsFixedPitchName(font_name_), pixels, bold_, ppi_ > 96 ? 2 : 1);
}

QFont QtCanvas::CurrentFont() const { return MakeFont(face_->fixed, face_->pixels, face_->bold); }

int QtCanvas::FixedPitchAdvance() const { return face_->fixed ? face_->glyphs['M'].advance : 0; }

int QtCanvas::TextCellTop() const { return face_->cell_top; }

int QtCanvas::TextCellHeight() const { return face_->cell_height; }

// The image's pixels for one drawing call: it is detached once, not per pixel.
class QtCanvas::Pixels {
 public:
  explicit Pixels(QImage& image)
      : bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()), height_(image.height()) {}
  int Width() const { return width_; }
  int Height() const { return height_; }
  QRgb* Row(int y) const { return reinterpret_cast<QRgb*>(bits_ + y * stride_); }
  void Set(int x, int y, QRgb rgb) const {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) Row(y)[x] = rgb;
  }
  // Columns x1..x2-1 of rows y1..y2-1, clipped.
  void Fill(int x1, int y1, int x2, int y2, QRgb rgb) const {
    const int left = std::max(x1, 0), right = std::min(x2, width_);
    if (left >= right) return;
    for (int y = std::max(y1, 0); y < std::min(y2, height_); ++y) std::fill(Row(y) + left, Row(y) + right, rgb);
  }

 private:
  uchar* bits_;
  qsizetype stride_;
  int width_, height_;
};

void QtCanvas::FillRect(int x1, int y1, int x2, int y2) { Pixels(image_).Fill(x1, y1, x2, y2, ToRgb(brush_)); }

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  const Pixels pixels(image_);
  pixels.Fill(x1, y1, x2, y2, ToRgb(brush_));
  const QRgb pen = ToRgb(pen_);
  pixels.Fill(x1, y1, x2, y1 + 1, pen);
  pixels.Fill(x1, y2 - 1, x2, y2, pen);
  pixels.Fill(x1, y1, x1 + 1, y2, pen);
  pixels.Fill(x2 - 1, y1, x2, y2, pen);
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
  const Pixels pixels(image_);
  const QRgb pen = ToRgb(pen_);
  // Bresenham from the pen to (x, y), the end point itself left out.
  int x0 = pen_pos_.x, y0 = pen_pos_.y;
  const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
  const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
  int err = dx + dy;
  while (!(x0 == x && y0 == y)) {
    pixels.Set(x0, y0, pen);
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
  int width = 0;
  for (const char ch : text) width += face_->glyphs[static_cast<unsigned char>(ch)].advance;
  return width;
}

void QtCanvas::TextOut(int x, int y, std::string_view text) {
  const Face& face = *face_;
  const int width = TextWidth(text);
  FillRect(x, y + face.cell_top, x + width, y + face.cell_top + face.cell_height);
  if (paint_directly_) {
    PaintTextDirectly(x, y, text);
  } else {
    const Pixels pixels(image_);
    const QRgb rgb = ToRgb(font_color_);
    const int baseline = y + face.baseline;
    int pen = x;
    for (const char ch : text) {
      const Glyph& g = face.glyphs[static_cast<unsigned char>(ch)];
      for (const GlyphSpan& s : g.spans) {
        const int row = baseline + s.dy;
        if (row < 0 || row >= pixels.Height()) continue;
        const int from = std::max(pen + s.x0, 0), to = std::min(pen + s.x1, pixels.Width());
        QRgb* const line = pixels.Row(row);
        for (int col = from; col < to; ++col) line[col] = rgb;
      }
      pen += g.advance;
    }
  }
  pen_pos_ = {x + width, y};
}

void QtCanvas::PaintTextDirectly(int x, int y, std::string_view text) {
  QPainter painter(&image_);
  painter.setFont(CurrentFont());
  painter.setPen(QColor(ToRgb(font_color_)));
  painter.setClipRect(QRect(0, 0, image_.width(), image_.height()));
  int pen = x;
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    painter.drawText(QPoint(pen, y + face_->baseline), CharText(byte));
    pen += face_->glyphs[byte].advance;
  }
}

}  // namespace vorda
