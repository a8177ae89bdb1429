#pragma once
// The canvas drawn on a QImage (the sheet image of the main window). The two
// Windows font names the screens ask for are mapped to installed fonts of the
// same metrics: "Courier New" to Liberation Mono, "Arial CE" to Liberation Sans
// (which has every Hungarian letter, ő and ű included). The fixed-pitch font
// steps by a whole number of pixels per character, as Windows spaces it: 7 at
// the sheet's sizes (8 points at 96 pixels per inch, 7 points above that), which
// the sheet's columns are laid out on.
//
// The proportional font is the descriptions' font, and a description must stay
// inside its line's band: the 12 rows from one below the text's top (the band
// of line L starts at 12L - 1, its text at 12L - 2), which the line's refresh
// clears and no other line draws on. So that every Windows-1250 character fits
// there whole, accents and descenders alike, the font is drawn at the largest
// pixel size, not above the one its points ask for, at which the ink of every
// character lies inside those 12 rows and inside its own advance. A character
// paints its background over just those rows, never on a neighbour's band.
// Characters are placed one by one, each advancing the pen by its own advance
// rounded to whole pixels, as Windows spaces them.
//
// Text is drawn from glyph masks that each font renders once, a character when
// it is first drawn (the proportional font renders all of its characters in the
// one pass that chooses its size); the masks hold exactly the pixels a painter
// sets (the fonts are drawn without anti-aliasing), so the picture is the same
// as painting each character straight onto the image.
//
// The canvas keeps a record of what its drawing touched: the rectangles of
// image pixels that each drawing call may have changed, so that a window shows
// only those again.
#include <QFont>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "platform/canvas.h"

namespace vorda {

class QtCanvas : public Canvas {
 public:
  QtCanvas(int width, int height);

  QImage& Image() { return image_; }
  const QImage& Image() const { return image_; }

  // The screen's pixels per inch, by which point sizes become pixels (96 by
  // default). Above 96 the sheet's texts stand a pixel higher while its bands
  // stay, so descriptions keep their ink a pixel further below the text's top.
  void SetPixelsPerInch(int ppi);

  // True: every character painted by a QPainter straight onto the image, the
  // slow way that the glyph masks are made by and compared with. False (the
  // default): characters drawn from the masks.
  void SetPaintTextDirectly(bool direct) { paint_directly_ = direct; }

  void SetBrushColor(Color c) override { brush_ = c; }
  void SetPenColor(Color c) override { pen_ = c; }
  void SetFontColor(Color c) override { font_color_ = c; }
  void SetFontName(std::string_view name) override;
  void SetFontSize(int points) override;
  void SetFontBold(bool bold) override;

  Color BrushColor() const override { return brush_; }
  Color PenColor() const override { return pen_; }
  Color FontColor() const override { return font_color_; }
  std::string FontName() const override { return font_name_; }
  int FontSize() const override { return font_size_; }
  bool FontBold() const override { return bold_; }

  void FillRect(int x1, int y1, int x2, int y2) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void Polygon(std::span<const Point> points) override;
  void MoveTo(int x, int y) override { pen_pos_ = {x, y}; }
  void LineTo(int x, int y) override;
  Point PenPos() const override { return pen_pos_; }
  void TextOut(int x, int y, std::string_view text) override;
  int TextWidth(std::string_view text) const override;

  // The Qt font that the current name, size and style map to.
  QFont CurrentFont() const;
  // Pixels one character of the fixed-pitch font steps by (0 for other fonts).
  int FixedPitchAdvance() const;
  // The rows a text's background covers: from y + TextCellTop(), TextCellHeight()
  // rows (every pixel of its characters lies inside them for the proportional
  // font).
  int TextCellTop() const;
  int TextCellHeight() const;
  // $BBGGRR as a Qt colour, and back.
  static QRgb ToRgb(Color c);
  static Color FromRgb(QRgb rgb);

  // The rectangles (in image pixels, inside the image) that drawing has touched
  // since the last call, and the record emptied. Every pixel a drawing call
  // changed lies in one of them: calls that touch the same rows share one
  // rectangle around them, and past kMaxTouched rectangles the record holds the
  // one around them all.
  std::vector<QRect> TakeTouched();
  static constexpr std::size_t kMaxTouched = 48;
  // Pixels changed on Image() from outside the canvas (a picture copied onto it).
  void MarkTouched(const QRect& r);
  // Called when drawing touches the image while the record is empty.
  void SetFirstTouchHandler(std::function<void()> handler) { on_first_touch_ = std::move(handler); }

  // One font at one size and style, measured once per program, its characters
  // rendered once.
  struct Face;

 private:
  class Pixels;
  // The face of the current font, chosen when it is first needed: a font that
  // is set and changed again before anything is drawn or measured costs nothing.
  Face& CurrentFace() const { return face_ ? *face_ : ChooseFace(); }
  Face& ChooseFace() const;
  // Columns x1..x2-1 of rows y1..y2-1.
  struct Span {
    int x1, y1, x2, y2;
    bool SameRows(const Span& o) const { return y1 < o.y2 && y2 > o.y1; }
    void Unite(const Span& o) {
      x1 = std::min(x1, o.x1);
      y1 = std::min(y1, o.y1);
      x2 = std::max(x2, o.x2);
      y2 = std::max(y2, o.y2);
    }
  };
  // Records what a drawing call touched. What is drawn in the same rows (the
  // cells, the description and the sums of one line, the values of the status
  // line) shares one rectangle: a few rectangles a key, each shown in one
  // piece. Most calls draw in the rows the one before drew in.
  void Touch(int x1, int y1, int x2, int y2) {
    const Span r{std::max(x1, 0), std::max(y1, 0), std::min(x2, width_), std::min(y2, height_)};
    if (r.x2 <= r.x1 || r.y2 <= r.y1) return;
    // The last two: a key draws its line and the status line in turn.
    const std::size_t n = touched_.size();
    if (n > 0 && touched_[n - 1].SameRows(r))
      touched_[n - 1].Unite(r);
    else if (n > 1 && touched_[n - 2].SameRows(r))
      touched_[n - 2].Unite(r);
    else
      TouchNewRows(r);
  }
  void TouchNewRows(const Span& r);
  void PaintTextDirectly(int x, int y, std::string_view text);

  QImage image_;
  int width_, height_;
  qsizetype stride_;
  mutable Face* face_ = nullptr;  // chosen on first use after a change of font
  std::vector<Span> touched_;
  std::function<void()> on_first_touch_;
  bool paint_directly_ = false;
  int ppi_ = 96;
  Color brush_ = colors::White;
  Color pen_ = colors::Black;
  Color font_color_ = colors::Black;
  std::string font_name_ = "MS Sans Serif";
  int font_size_ = 8;
  bool bold_ = false;
  Point pen_pos_;
};

}  // namespace vorda
