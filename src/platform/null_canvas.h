#pragma once
// A canvas that draws nowhere, for the time before the sheet image exists and
// for work that needs no picture (a sheet loaded to be checked or written).
#include "platform/canvas.h"

namespace vorda {

class NullCanvas : public Canvas {
 public:
  void SetBrushColor(Color c) override { brush_ = c; }
  void SetPenColor(Color c) override { pen_ = c; }
  void SetFontColor(Color c) override { font_ = c; }
  void SetFontName(std::string_view name) override { name_ = name; }
  void SetFontSize(int points) override { size_ = points; }
  void SetFontBold(bool bold) override { bold_ = bold; }
  Color BrushColor() const override { return brush_; }
  Color PenColor() const override { return pen_; }
  Color FontColor() const override { return font_; }
  std::string FontName() const override { return name_; }
  int FontSize() const override { return size_; }
  bool FontBold() const override { return bold_; }
  void FillRect(int, int, int, int) override {}
  void Rectangle(int, int, int, int) override {}
  void Ellipse(int, int, int, int) override {}
  void Polygon(std::span<const Point>) override {}
  void MoveTo(int x, int y) override { pos_ = {x, y}; }
  void LineTo(int x, int y) override { pos_ = {x, y}; }
  Point PenPos() const override { return pos_; }
  void TextOut(int x, int y, std::string_view text) override { pos_ = {x + TextWidth(text), y}; }
  int TextWidth(std::string_view text) const override { return static_cast<int>(text.size()) * 7; }

 private:
  Color brush_ = colors::White, pen_ = colors::Black, font_ = colors::Black;
  std::string name_;
  int size_ = 8;
  bool bold_ = false;
  Point pos_;
};

}  // namespace vorda
