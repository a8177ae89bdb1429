#include "platform/recording_canvas.h"

#include <utility>

namespace vorda {

RecordingCanvas::RecordingCanvas() {
  width_of = [](std::string_view, std::string_view text) {
    return static_cast<int>(text.size()) * CharWidth;
  };
}

void RecordingCanvas::FillRect(int x1, int y1, int x2, int y2) {
  entries_.push_back({Op::Fill, x1, y1, x2, y2, {}, brush_, brush_, {}, false, {}});
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  entries_.push_back({Op::Rectangle, x1, y1, x2, y2, {}, pen_, brush_, {}, false, {}});
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  entries_.push_back({Op::Ellipse, x1, y1, x2, y2, {}, pen_, brush_, {}, false, {}});
}

void RecordingCanvas::Polygon(std::span<const Point> points) {
  Entry e{Op::Polygon, 0, 0, 0, 0, {}, pen_, brush_, {}, false, {}};
  e.points.assign(points.begin(), points.end());
  entries_.push_back(std::move(e));
}

void RecordingCanvas::LineTo(int x, int y) {
  entries_.push_back({Op::Line, pen_pos_.x, pen_pos_.y, x, y, {}, pen_, brush_, {}, false, {}});
  pen_pos_ = {x, y};
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
  const int w = TextWidth(text);
  entries_.push_back({Op::Text, x, y, x + w, y, std::string(text), font_color_, brush_, font_name_, bold_, {}});
  pen_pos_ = {x + w, y};
}

int RecordingCanvas::TextWidth(std::string_view text) const { return width_of(font_name_, text); }

std::vector<RecordingCanvas::Entry> RecordingCanvas::Texts() const {
  std::vector<Entry> out;
  for (const auto& e : entries_)
    if (e.op == Op::Text) out.push_back(e);
  return out;
}

}  // namespace vorda
