#pragma once
// The canvas drawn on a QImage (the sheet image of the main window). The two
// Windows font names the screens ask for are mapped to installed fonts of the
// same metrics: "Courier New" to Liberation Mono, "Arial CE" to Liberation Sans
// (which has every Hungarian letter, ő and ű included). The fixed-pitch font
// steps by a whole number of pixels per character, as Windows spaces it: 7 at
// the sheet's sizes (8 points at 96 pixels per inch, 7 points above that), which
// the sheet's columns are laid out on.
#include <QFont>
#include <QImage>

#include "platform/canvas.h"

namespace vorda {

class QtCanvas : public Canvas {
 public:
  QtCanvas(int width, int height);

  QImage& Image() { return image_; }
  const QImage& Image() const { return image_; }

  // The screen's pixels per inch, by which point sizes become pixels (96 by
  // default).
  void SetPixelsPerInch(int ppi);

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
  int FixedPitchAdvance() const { return fixed_advance_; }
  // $BBGGRR as a Qt colour, and back.
  static QRgb ToRgb(Color c);
  static Color FromRgb(QRgb rgb);

 private:
  void SetPixel(int x, int y, Color c);
  void RebuildFont();

  QImage image_;
  QFont font_;
  int fixed_advance_ = 0;
  int text_height_ = 0;
  int text_ascent_ = 0;
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
