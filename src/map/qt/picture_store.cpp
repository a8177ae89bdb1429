#include "map/qt/picture_store.h"

#include <QColor>
#include <QPainter>
#include <string_view>

namespace vorda {

namespace {

// The digits 0..9 on a 4 x 7 grid, a row of four pixels a text ('#' set).
constexpr std::array<std::array<std::string_view, 7>, 10> kDigitGlyphs = {{
    {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."},
    {"..#.", ".##.", "..#.", "..#.", "..#.", "..#.", ".###"},
    {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"},
    {"###.", "...#", "...#", ".##.", "...#", "...#", "###."},
    {"#..#", "#..#", "#..#", "####", "...#", "...#", "...#"},
    {"####", "#...", "#...", "###.", "...#", "...#", "###."},
    {".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."},
    {"####", "...#", "...#", "..#.", "..#.", ".#..", ".#.."},
    {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."},
    {".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."},
}};

// The question mark of the unknown-square mark, 5 x 9.
constexpr std::array<std::string_view, 9> kQuestionGlyph = {
    ".###.", "#...#", "....#", "...#.", "..#..", "..#..", ".....", "..#..", "..#..",
};

void PutGlyphPixels(QImage& image, const auto& rows, int x, int y, QColor color) {
  for (int r = 0; r < static_cast<int>(rows.size()); ++r)
    for (int c = 0; c < static_cast<int>(rows[static_cast<std::size_t>(r)].size()); ++c)
      if (rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] == '#') {
        const int px = x + c;
        const int py = y + r;
        if (px >= 0 && py >= 0 && px < image.width() && py < image.height()) image.setPixelColor(px, py, color);
      }
}

// A number in the small digits, left to right from (x, y), one pixel apart.
void PutNumber(QImage& image, int number, int x, int y, QColor color) {
  const std::string text = std::to_string(number);
  for (std::size_t i = 0; i < text.size(); ++i)
    PutGlyphPixels(image, kDigitGlyphs[static_cast<std::size_t>(text[i] - '0')], x + static_cast<int>(i) * 5, y,
                   color);
}

// Colours far apart for neighbouring numbers: the hue steps by 7/23 of the
// circle, and every other number is darker.
QColor SpreadColor(int n, int count, int saturation) {
  const int hue = (n * 7 % count) * 360 / count;
  return QColor::fromHsv(hue, saturation, n % 2 == 0 ? 210 : 150);
}

QImage TerrainTile(int code) {
  QImage tile(TForm4::kTileSize, TForm4::kTileSize, QImage::Format_RGB32);
  const QColor base = code == 0 ? QColor(40, 40, 48) : SpreadColor(code, 23, 170);
  tile.fill(base);
  QPainter p(&tile);
  p.setPen(code == 0 ? QColor(70, 70, 80) : base.darker(140));
  // Six hatch kinds, with a spacing that grows every six codes: no two codes
  // share both colour and pattern.
  const int step = 5 + 2 * (code / 6);
  const int s = TForm4::kTileSize;
  for (int k = 0; k < 2 * s; k += step) {
    switch (code % 6) {
      case 0: p.drawLine(0, k, s, k); break;
      case 1: p.drawLine(k, 0, k, s); break;
      case 2: p.drawLine(k, 0, k - s, s); break;
      case 3: p.drawLine(k - s, 0, k, s); break;
      case 4:
        p.drawLine(0, k, s, k);
        p.drawLine(k, 0, k, s);
        break;
      default:
        for (int d = 0; d < s; d += step) p.drawPoint(k + 1, d + 1);
        break;
    }
  }
  p.end();
  PutNumber(tile, code, 2, s - 9, code == 0 ? QColor(120, 120, 130) : base.lighter(170));
  return tile;
}

QImage FeatureIcon(int kind) {
  QImage icon(TForm4::kIconWidth, TForm4::kIconHeight, QImage::Format_RGB32);
  icon.fill(Qt::black);
  QPainter p(&icon);
  if (kind == 0) {
    p.setPen(QColor(60, 60, 60));
    p.drawRect(0, 0, icon.width() - 1, icon.height() - 1);
    return icon;
  }
  const QColor base = SpreadColor(kind, 17, 200).lighter(120);
  p.fillRect(icon.rect(), base);
  p.setPen(base.darker(170));
  p.drawRect(0, 0, icon.width() - 1, icon.height() - 1);
  // The field the feature's number is drawn on: places 1..4 lie at x 11..29.
  p.fillRect(10, 2, 21, 11, Qt::black);
  p.end();
  // The kind's number, small and dark, in the chip left of the field; two
  // digits are packed three pixels apart to fit.
  const QColor ink = base.darker(300);
  if (kind < 10) {
    PutGlyphPixels(icon, kDigitGlyphs[static_cast<std::size_t>(kind)], 3, 4, ink);
  } else {
    PutGlyphPixels(icon, kDigitGlyphs[1], 0, 4, ink);
    PutGlyphPixels(icon, kDigitGlyphs[static_cast<std::size_t>(kind - 10)], 4, 4, ink);
  }
  return icon;
}

QImage UnknownMark() {
  QImage mark(TForm4::kMarkSize, TForm4::kMarkSize, QImage::Format_ARGB32);
  mark.fill(Qt::transparent);
  QPainter p(&mark);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::black);
  p.setBrush(QColor(215, 215, 215));
  p.drawEllipse(0, 0, TForm4::kMarkSize - 1, TForm4::kMarkSize - 1);
  p.end();
  PutGlyphPixels(mark, kQuestionGlyph, 7, 5, Qt::black);
  return mark;
}

QImage Digit(int digit) {
  QImage image(TForm4::kDigitWidth, TForm4::kDigitHeight, QImage::Format_RGB32);
  image.fill(Qt::black);
  PutGlyphPixels(image, kDigitGlyphs[static_cast<std::size_t>(digit)], 0, 0, Qt::white);
  return image;
}

QImage Blank(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::black);
  return image;
}

}  // namespace

TForm4::TForm4(QWidget* parent) : QWidget(parent) {
  for (std::size_t code = 0; code < kep_.size(); ++code) kep_[code] = TerrainTile(static_cast<int>(code));
  for (std::size_t kind = 0; kind < komp_.size(); ++kind) komp_[kind] = FeatureIcon(static_cast<int>(kind));
  for (std::size_t d = 0; d < s_.size(); ++d) s_[d] = Digit(static_cast<int>(d));
  ismert_ = UnknownMark();
  save1_ = Blank(kIconWidth, kIconHeight);
  save2_ = Blank(kIconWidth, kIconHeight);
  save_pic_ = Blank(170, 136);
}

const QImage& TForm4::Kep(int code) const {
  return kep_[static_cast<std::size_t>(code >= 0 && code < static_cast<int>(kep_.size()) ? code : 0)];
}

const QImage& TForm4::Komp(int kind) const {
  return komp_[static_cast<std::size_t>(kind >= 0 && kind < static_cast<int>(komp_.size()) ? kind : 0)];
}

const QImage& TForm4::S(int digit) const {
  return s_[static_cast<std::size_t>(digit >= 0 && digit <= 9 ? digit : 0)];
}

}  // namespace vorda
