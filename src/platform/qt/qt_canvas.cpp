#include "platform/qt/qt_canvas.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <tuple>
#include <utility>

#include "platform/qt/qt_text.h"

namespace vorda {

namespace {

// The sheet's lines are 12 pixels apart; a description's band is that high.
constexpr int kBandRows = 12;

// The advance of a control byte of the proportional font until it is measured.
constexpr int kUnmeasured = -1;

bool IsCharacter(int b) { return b >= ' ' && b != 0x7F; }  // the control bytes are no characters

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
    bool made = false;  // spans and ink box rendered (the advance is known from the start)
    bool overhang = false;  // ink outside the text's background (its rows and its advance)
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

// Whether a glyph's ink reaches outside the background a text paints behind it.
void NoteOverhang(const Face& face, Glyph& g) {
  g.overhang = g.bottom >= g.top && (g.top + face.baseline < face.cell_top || g.left < 0 || g.right >= g.advance ||
                                     g.bottom + face.baseline >= face.cell_top + face.cell_height);
}

// Whether a character is drawn by the font's own glyph for it, as a text of
// its own: not a control byte, not a format character (text layout treats the
// soft hyphen specially), and in the font (a character the font lacks comes
// from another font).
bool DrawnByItsOwnGlyph(const QRawFont& raw, unsigned char byte, QChar ch) {
  return IsCharacter(byte) && ch.category() != QChar::Other_Format && raw.supportsCharacter(ch);
}

// Renders single characters, one after another, on one scratch image with one
// painter: each alone on the cleared image with the pen at (margin, margin),
// so that its mask holds what a painter sets for that character at any pen.
// A character drawn by its own glyph is painted as that glyph, which sets the
// same pixels as painting it as a text and skips the text's layout.
class GlyphRenderer {
 public:
  explicit GlyphRenderer(const QFont& font)
      : margin_(2 * font.pixelSize() + 4),
        scratch_(2 * margin_ + 2 * font.pixelSize(), 2 * margin_, QImage::Format_RGB32),
        painter_(&scratch_),
        raw_(QRawFont::fromFont(font)) {
    painter_.setFont(font);
    painter_.setPen(Qt::white);
    run_.setRawFont(raw_);
    run_.setPositions({QPointF(0, 0)});
  }

  void Render(unsigned char byte, Glyph& g) {
    painter_.fillRect(scratch_.rect(), Qt::black);
    const QString text = CharText(byte);
    const QList<quint32> glyph =
        DrawnByItsOwnGlyph(raw_, byte, text.at(0)) ? raw_.glyphIndexesForString(text) : QList<quint32>();
    if (glyph.size() == 1) {
      run_.setGlyphIndexes(glyph);
      painter_.drawGlyphRun(QPointF(margin_, margin_), run_);
    } else {
      painter_.drawText(QPoint(margin_, margin_), text);
    }
    g.spans.clear();
    const int width = scratch_.width();
    for (int row = 0; row < scratch_.height(); ++row) {
      const auto* line = reinterpret_cast<const QRgb*>(scratch_.constScanLine(row));
      QRgb any = 0;
      for (int col = 0; col < width; ++col) any |= line[col];
      if ((any & 0xFFFFFFu) == 0) continue;  // most rows hold no ink
      for (int col = 0; col < width; ++col) {
        if (!Lit(line[col])) continue;
        const int start = col;
        while (col < width && Lit(line[col])) ++col;
        g.spans.push_back({row - margin_, start - margin_, col - margin_});
      }
    }
    for (const GlyphSpan& s : g.spans) {
      const bool first = &s == &g.spans.front();
      g.top = first ? s.dy : std::min(g.top, s.dy);
      g.bottom = first ? s.dy : std::max(g.bottom, s.dy);
      g.left = first ? s.x0 : std::min(g.left, s.x0);
      g.right = first ? s.x1 - 1 : std::max(g.right, s.x1 - 1);
    }
    g.made = true;
  }

 private:
  static bool Lit(QRgb rgb) { return (rgb & 0xFFFFFFu) != 0; }

  int margin_;
  QImage scratch_;
  QPainter painter_;
  QRawFont raw_;
  QGlyphRun run_;
};

// The characters whose ink decides whether a size fits the band come first:
// the tallest capitals, the lowest descenders and the glyphs that reach past
// their advance at some size, so that a size too large is known after a few.
std::array<unsigned char, 256> FitOrder() {
  static constexpr unsigned char kFirst[] = {0xD9, 0x8A, 0x28, 0x5F, 0xBD, 0xEE, 0xBE, 0xEF, 0xE5, 0xCE,
                                             0xA1, 0xCD, 0xED, 0x8C, 0x8D, 0x8F, 0x29, 0x67, 0x7C, 0x61};
  std::array<unsigned char, 256> order{};
  std::array<bool, 256> placed{};
  std::size_t n = 0;
  for (const unsigned char b : kFirst) {
    order[n++] = b;
    placed[b] = true;
  }
  for (int b = 0; b < 256; ++b)
    if (!placed[static_cast<std::size_t>(b)]) order[n++] = static_cast<unsigned char>(b);
  return order;
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
  // Every character steps by the same advance; the masks are made as the
  // characters are first drawn.
  for (Glyph& g : face->glyphs) g.advance = FixedPitchAdvanceOf(pixels);
  return face;
}

// Every character's ink inside `rows` rows and inside its own advance (the
// glyphs are all made).
bool FitsTheBand(const Face& face, int rows, int& top) {
  int lowest = 0, highest = 0;
  bool any = false;
  for (int b = ' '; b < 256; ++b) {
    const Glyph& g = face.glyphs[static_cast<std::size_t>(b)];
    if (!IsCharacter(b) || g.bottom < g.top) continue;
    if (g.left < 0 || g.right >= g.advance) return false;
    lowest = any ? std::min(lowest, g.top) : g.top;
    highest = any ? std::max(highest, g.bottom) : g.bottom;
    any = true;
  }
  top = lowest;
  return highest - lowest + 1 <= rows;
}

// A character's advance as a text of its own measures it.
int MeasuredAdvance(const QFont& font, unsigned char byte) {
  return qRound(QFontMetricsF(font).horizontalAdvance(CharText(byte)));
}

// The advances of the characters (the control bytes are measured when first
// drawn), each as a text of its own measures it. For a character drawn by its
// own glyph, the glyph's advance is the same, and far quicker to get for all of
// them at once.
std::array<int, 256> Advances(const QFont& font) {
  std::array<int, 256> advances;
  advances.fill(kUnmeasured);
  QString all;
  for (int b = ' '; b < 256; ++b) all += CharText(static_cast<unsigned char>(b));
  const QRawFont raw = QRawFont::fromFont(font);
  const QList<quint32> glyphs = raw.glyphIndexesForString(all);
  const QList<QPointF> glyph_advances =
      glyphs.size() == all.size() ? raw.advancesForGlyphIndexes(glyphs) : QList<QPointF>();
  for (int b = ' '; b < 256; ++b) {
    if (!IsCharacter(b)) continue;
    const qsizetype at = b - ' ';
    const QChar ch = all.at(at);
    const bool plain = glyph_advances.size() == all.size() && DrawnByItsOwnGlyph(raw, static_cast<unsigned char>(b), ch);
    advances[static_cast<std::size_t>(b)] =
        plain ? qRound(glyph_advances[at].x()) : MeasuredAdvance(font, static_cast<unsigned char>(b));
  }
  return advances;
}

// Renders the glyph of every character of `face` at its size in one pass. With
// `give_up` the pass ends at the first character that shows that the size does
// not fit the band (false then), which FitsTheBand would find too. The control
// bytes have no say in the size, and the font has no glyphs for them (a painter
// looks for them in every other font): their masks are made when they are first
// drawn, as the fixed-pitch font's are.
bool RenderFace(Face& face, bool give_up) {
  const QFont font = MakeFont(false, face.pixels, face.bold);
  const std::array<int, 256> advances = Advances(font);
  GlyphRenderer renderer(font);
  static const std::array<unsigned char, 256> order = FitOrder();
  int lowest = 0, highest = 0;
  bool any = false;
  for (const unsigned char b : order) {
    Glyph& g = face.glyphs[b];
    g.advance = advances[b];
    if (!IsCharacter(b)) continue;
    renderer.Render(b, g);
    if (!give_up || g.bottom < g.top) continue;
    if (g.left < 0 || g.right >= g.advance) return false;
    lowest = any ? std::min(lowest, g.top) : g.top;
    highest = any ? std::max(highest, g.bottom) : g.bottom;
    any = true;
    if (highest - lowest + 1 > kBandRows) return false;
  }
  return true;
}

std::unique_ptr<Face> MakeProportionalFace(int pixels, bool bold, int cell_top) {
  for (int size = pixels; size >= 1; --size) {
    auto face = std::make_unique<Face>();
    face->fixed = false;
    face->pixels = size;
    face->bold = bold;
    if (!RenderFace(*face, size > 1)) continue;
    int top = 0;
    if (!FitsTheBand(*face, kBandRows, top) && size > 1) continue;
    face->cell_top = cell_top;
    face->cell_height = kBandRows;
    face->baseline = cell_top - top;
    for (Glyph& g : face->glyphs) NoteOverhang(*face, g);
    return face;
  }
  return nullptr;  // not reached: at one pixel everything fits
}

// Faces are plain data, shared by every canvas and made on first use.
Face& FaceFor(bool fixed, int pixels, bool bold, int cell_top) {
  static std::map<std::tuple<bool, int, bool, int>, std::unique_ptr<Face>> faces;
  auto& slot = faces[{fixed, pixels, bold, fixed ? 0 : cell_top}];
  if (!slot) slot = fixed ? MakeFixedFace(pixels, bold) : MakeProportionalFace(pixels, bold, cell_top);
  return *slot;
}

// The masks of the characters of `text` that have none yet, made in one pass.
void MakeGlyphs(Face& face, std::string_view text) {
  const auto missing = [&](char ch) { return !face.glyphs[static_cast<unsigned char>(ch)].made; };
  if (std::none_of(text.begin(), text.end(), missing)) return;
  GlyphRenderer renderer(MakeFont(face.fixed, face.pixels, face.bold));
  for (const char ch : text)
    if (missing(ch)) {
      Glyph& g = face.glyphs[static_cast<unsigned char>(ch)];
      renderer.Render(static_cast<unsigned char>(ch), g);
      NoteOverhang(face, g);
    }
}

}  // namespace

QtCanvas::QtCanvas(int width, int height)
    : image_(width, height, QImage::Format_RGB32),
      width_(image_.width()),
      height_(image_.height()),
      stride_(image_.bytesPerLine()) {
  image_.fill(Qt::black);
}

QRgb QtCanvas::ToRgb(Color c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

Color QtCanvas::FromRgb(QRgb rgb) {
  return static_cast<Color>(qRed(rgb)) | (static_cast<Color>(qGreen(rgb)) << 8) |
         (static_cast<Color>(qBlue(rgb)) << 16);
}

void QtCanvas::SetPixelsPerInch(int ppi) {
  ppi_ = std::max(1, ppi);
  face_ = nullptr;
}

void QtCanvas::SetFontName(std::string_view name) {
  if (name == font_name_) return;
  font_name_ = name;
  face_ = nullptr;
}

void QtCanvas::SetFontSize(int points) {
  font_size_ = points;
  face_ = nullptr;
}

void QtCanvas::SetFontBold(bool bold) {
  bold_ = bold;
  face_ = nullptr;
}

QtCanvas::Face& QtCanvas::ChooseFace() const {
  // Points to pixels rounded as Windows does (8 points at 96 pixels per inch = 11).
  const int pixels = std::max(1, (font_size_ * ppi_ + 36) / 72);
  face_ = &FaceFor(IsFixedPitchName(font_name_), pixels, bold_, ppi_ > 96 ? 2 : 1);
  return *face_;
}

QFont QtCanvas::CurrentFont() const {
  const Face& face = CurrentFace();
  return MakeFont(face.fixed, face.pixels, face.bold);
}

int QtCanvas::FixedPitchAdvance() const {
  const Face& face = CurrentFace();
  return face.fixed ? face.glyphs['M'].advance : 0;
}

int QtCanvas::TextCellTop() const { return CurrentFace().cell_top; }

int QtCanvas::TextCellHeight() const { return CurrentFace().cell_height; }

void QtCanvas::TouchNewRows(const Span& r) {
  for (Span& t : touched_)
    if (t.SameRows(r)) {
      t.Unite(r);
      return;
    }
  const bool first = touched_.empty();
  if (touched_.size() == kMaxTouched) {
    // A whole screen's drawing: one rectangle around it all.
    Span all = r;
    for (const Span& t : touched_) all.Unite(t);
    touched_.assign(1, all);
  } else {
    touched_.push_back(r);
  }
  if (first && on_first_touch_) on_first_touch_();
}

void QtCanvas::MarkTouched(const QRect& r) { Touch(r.left(), r.top(), r.right() + 1, r.bottom() + 1); }

std::vector<QRect> QtCanvas::TakeTouched() {
  std::vector<QRect> rects;
  rects.reserve(touched_.size());
  for (const Span& t : touched_) rects.emplace_back(t.x1, t.y1, t.x2 - t.x1, t.y2 - t.y1);
  touched_.clear();
  return rects;
}

// The image's pixels for one drawing call: it is detached once, not per pixel.
class QtCanvas::Pixels {
 public:
  explicit Pixels(QtCanvas& canvas)
      : bits_(canvas.image_.bits()), stride_(canvas.stride_), width_(canvas.width_), height_(canvas.height_) {}
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

void QtCanvas::FillRect(int x1, int y1, int x2, int y2) {
  Pixels(*this).Fill(x1, y1, x2, y2, ToRgb(brush_));
  Touch(x1, y1, x2, y2);
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  const Pixels pixels(*this);
  pixels.Fill(x1, y1, x2, y2, ToRgb(brush_));
  const QRgb pen = ToRgb(pen_);
  pixels.Fill(x1, y1, x2, y1 + 1, pen);
  pixels.Fill(x1, y2 - 1, x2, y2, pen);
  pixels.Fill(x1, y1, x1 + 1, y2, pen);
  pixels.Fill(x2 - 1, y1, x2, y2, pen);
  Touch(x1, y1, x2, y2);
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
  // A pixel around, for the rasteriser's rounding.
  Touch(x1 - 1, y1 - 1, x2 + 1, y2 + 1);
}

void QtCanvas::Polygon(std::span<const Point> points) {
  if (points.empty()) return;
  QPolygon polygon;
  for (const Point& p : points) polygon << QPoint(p.x, p.y);
  QPainter painter(&image_);
  PreparePainter(painter, ToRgb(pen_), ToRgb(brush_), image_);
  painter.drawPolygon(polygon);
  const QRect box = polygon.boundingRect();
  Touch(box.left() - 1, box.top() - 1, box.right() + 2, box.bottom() + 2);
}

void QtCanvas::LineTo(int x, int y) {
  const Pixels pixels(*this);
  const QRgb pen = ToRgb(pen_);
  Touch(std::min(pen_pos_.x, x), std::min(pen_pos_.y, y), std::max(pen_pos_.x, x) + 1, std::max(pen_pos_.y, y) + 1);
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
  Face& face = CurrentFace();
  int width = 0;
  for (const char ch : text) {
    Glyph& g = face.glyphs[static_cast<unsigned char>(ch)];
    if (g.advance == kUnmeasured) g.advance = MeasuredAdvance(MakeFont(false, face.pixels, face.bold), static_cast<unsigned char>(ch));
    width += g.advance;
  }
  return width;
}

void QtCanvas::TextOut(int x, int y, std::string_view text) {
  Face& face = CurrentFace();
  int width = 0;
  bool made = true;
  bool overhangs = false;
  for (const char ch : text) {
    Glyph& g = face.glyphs[static_cast<unsigned char>(ch)];
    if (g.advance == kUnmeasured) g.advance = MeasuredAdvance(MakeFont(false, face.pixels, face.bold), static_cast<unsigned char>(ch));
    width += g.advance;
    made = made && g.made;
    overhangs = overhangs || g.overhang;
  }
  FillRect(x, y + face.cell_top, x + width, y + face.cell_top + face.cell_height);
  if (!made) {
    MakeGlyphs(face, text);
    for (const char ch : text) overhangs = overhangs || face.glyphs[static_cast<unsigned char>(ch)].overhang;
  }
  const int baseline = y + face.baseline;
  if (paint_directly_) {
    PaintTextDirectly(x, y, text);
  } else {
    const Pixels pixels(*this);
    const QRgb rgb = ToRgb(font_color_);
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
  // Ink that reaches outside the background (a descender below the fixed-pitch
  // font's cell, a bearing left of the pen) is touched too.
  if (overhangs) {
    int pen = x;
    for (const char ch : text) {
      const Glyph& g = face.glyphs[static_cast<unsigned char>(ch)];
      if (g.overhang) Touch(pen + g.left, baseline + g.top, pen + g.right + 1, baseline + g.bottom + 1);
      pen += g.advance;
    }
  }
  pen_pos_ = {x + width, y};
}

void QtCanvas::PaintTextDirectly(int x, int y, std::string_view text) {
  const Face& face = CurrentFace();  // every advance of the text measured by TextOut
  QPainter painter(&image_);
  painter.setFont(CurrentFont());
  painter.setPen(QColor(ToRgb(font_color_)));
  painter.setClipRect(QRect(0, 0, image_.width(), image_.height()));
  int pen = x;
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    painter.drawText(QPoint(pen, y + face.baseline), CharText(byte));
    pen += face.glyphs[byte].advance;
  }
}

}  // namespace vorda
