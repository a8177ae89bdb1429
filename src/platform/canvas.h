#pragma once
// The drawing surface the sheet screen paints on: a small canvas in the manner
// of a character-cell terminal drawn with absolute pixel positions.
//
// Drawing rules every implementation keeps (the screen layout depends on them):
// - colours are $BBGGRR values (red in the low byte);
// - FillRect and the fill of Rectangle cover x1..x2-1, y1..y2-1 (right and bottom
//   edges left out); Rectangle frames the same area with the pen and fills its
//   inside with the brush;
// - LineTo draws from the pen position to (x, y) leaving out the last pixel, and
//   moves the pen there;
// - Ellipse fits the ellipse into the rectangle x1..x2-1, y1..y2-1, outlines it
//   with the pen and fills its inside with the brush;
// - Polygon joins its points in order and back to the first with the pen and
//   fills the inside with the brush;
// - TextOut puts the text's top-left corner at (x, y), fills behind it with the
//   brush colour and leaves the pen at (x + width, y); a description's text
//   (font "Arial CE") keeps its ink and its background inside the 12 rows from
//   y + 1, its line's band, so that lines drawn above and below never cover it;
// - everything clips to the surface.
// Text is Windows-1250 bytes.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorda {

using Color = std::uint32_t;  // $BBGGRR

namespace colors {
inline constexpr Color Black = 0x000000;
inline constexpr Color White = 0xFFFFFF;
inline constexpr Color Yellow = 0x00FFFF;
inline constexpr Color Aqua = 0xFFFF00;
inline constexpr Color Red = 0x0000FF;
inline constexpr Color Grey = 0x878787;
inline constexpr Color Green = 0x00C000;
inline constexpr Color StatusGreen = 0x55FF11;
inline constexpr Color DarkRed = 0x000096;
}  // namespace colors

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetBrushColor(Color c) = 0;
  virtual void SetPenColor(Color c) = 0;
  virtual void SetFontColor(Color c) = 0;
  virtual void SetFontName(std::string_view name) = 0;
  virtual void SetFontSize(int points) = 0;
  virtual void SetFontBold(bool bold) = 0;

  virtual Color BrushColor() const = 0;
  virtual Color PenColor() const = 0;
  virtual Color FontColor() const = 0;
  virtual std::string FontName() const = 0;
  virtual int FontSize() const = 0;
  virtual bool FontBold() const = 0;

  virtual void FillRect(int x1, int y1, int x2, int y2) = 0;
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void Polygon(std::span<const Point> points) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual Point PenPos() const = 0;
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  virtual int TextWidth(std::string_view text) const = 0;
};

}  // namespace vorda
