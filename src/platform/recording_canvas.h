#pragma once
// A canvas that draws nothing and remembers what was drawn, for tests that read
// back the texts (with position and colours), rectangles and lines of a screen.
#include <functional>
#include <vector>

#include "platform/canvas.h"

namespace vorda {

class RecordingCanvas : public Canvas {
 public:
  enum class Op { Fill, Rectangle, Line, Text, Ellipse, Polygon };
  struct Entry {
    Op op;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // text: x1, y1 top-left, x2 the pen after it
    std::string text;                    // Windows-1250 bytes
    Color color = 0;                     // font colour (text), brush (fill), pen (line, frame)
    Color brush = 0;                     // brush colour (text background, rectangle inside)
    std::string font;
    bool bold = false;
    std::vector<Point> points;           // polygon: its corners
  };

  // Width of a text in pixels; by default every byte is CharWidth wide, which is
  // what the sheet's fixed-pitch font gives.
  std::function<int(std::string_view font, std::string_view text)> width_of;
  static constexpr int CharWidth = 7;

  RecordingCanvas();

  void SetBrushColor(Color c) override { brush_ = c; }
  void SetPenColor(Color c) override { pen_ = c; }
  void SetFontColor(Color c) override { font_color_ = c; }
  void SetFontName(std::string_view name) override { font_name_ = name; }
  void SetFontSize(int points) override { font_size_ = points; }
  void SetFontBold(bool bold) override { bold_ = bold; }

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

  const std::vector<Entry>& Entries() const { return entries_; }
  void Clear() { entries_.clear(); }

  // All text runs drawn so far, in drawing order.
  std::vector<Entry> Texts() const;

 private:
  std::vector<Entry> entries_;
  Color brush_ = colors::White;
  Color pen_ = colors::Black;
  Color font_color_ = colors::Black;
  std::string font_name_ = "MS Sans Serif";
  int font_size_ = 8;
  bool bold_ = false;
  Point pen_pos_;
};

}  // namespace vorda
