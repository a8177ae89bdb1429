#include "platform/rich_text.h"

#include <map>

namespace vorda {

namespace {

// Deeper groups are still counted, so that their "}" match, but share the
// format of the deepest kept one: a damaged file must not make the reader
// hold a format per byte.
constexpr std::size_t kMaxKeptDepth = 256;

enum class Destination { Text, FontTable, ColorTable, Skip };

struct Group {
  RichFormat format;
  int font_number = -1;
  Destination destination = Destination::Text;
};

struct FontEntry {
  std::string name;
  FontFamily family = FontFamily::Unknown;
};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Reader {
 public:
  explicit Reader(std::string_view rtf) : in_(rtf) {}

  RichText Run() {
    while (pos_ < in_.size()) {
      const char c = in_[pos_++];
      if (c == '{') {
        Open();
      } else if (c == '}') {
        if (depth_ == 0) continue;  // a stray closing brace
        Close();
        if (depth_ == 0) break;  // the document is complete
      } else if (c == '\\') {
        Control();
      } else if (c == '\r' || c == '\n') {
        continue;
      } else {
        Text(c);
      }
    }
    return std::move(out_);
  }

 private:
  Group& Top() { return stack_.back(); }

  void Open() {
    ++depth_;
    if (stack_.size() < kMaxKeptDepth) {
      Group g = stack_.empty() ? Group{} : Top();
      // A font table entry's group starts a new entry.
      if (!stack_.empty() && Top().destination == Destination::FontTable) g.font_number = -1;
      stack_.push_back(std::move(g));
    }
  }

  void Close() {
    if (depth_ <= stack_.size()) {
      const Group closed = std::move(stack_.back());
      stack_.pop_back();
      if (closed.destination == Destination::FontTable) FinishFont(closed);
    }
    --depth_;
  }

  void FinishFont(const Group& g) {
    if (g.font_number >= 0 && !font_name_.empty()) {
      std::string name = font_name_;
      while (!name.empty() && name.back() == ' ') name.pop_back();
      fonts_[g.font_number] = FontEntry{name, font_family_};
    }
    font_name_.clear();
    font_family_ = FontFamily::Unknown;
  }

  void Control() {
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (!IsLetter(c)) {
      ++pos_;
      if (c == '\\' || c == '{' || c == '}') {
        Text(c);
      } else if (c == '\'') {
        const int hi = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
        const int lo = pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
        if (hi >= 0 && lo >= 0) {
          pos_ += 2;
          Text(static_cast<char>(hi * 16 + lo));
        }
      } else if (c == '\r' || c == '\n') {
        Word("par", false, 0);
      } else if (c == '*' && !stack_.empty() && depth_ <= stack_.size()) {
        Top().destination = Destination::Skip;
      }
      return;
    }
    std::string word;
    while (pos_ < in_.size() && IsLetter(in_[pos_]) && word.size() < 32) word += in_[pos_++];
    while (pos_ < in_.size() && IsLetter(in_[pos_])) ++pos_;  // an overlong word is cut
    bool has_number = false;
    bool negative = false;
    long long number = 0;
    if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && IsDigit(in_[pos_ + 1])) {
      negative = true;
      ++pos_;
    }
    while (pos_ < in_.size() && IsDigit(in_[pos_])) {
      has_number = true;
      if (number < 1000000000) number = number * 10 + (in_[pos_] - '0');
      ++pos_;
    }
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
    Word(word, has_number, static_cast<int>(negative ? -number : number));
  }

  void Word(std::string_view word, bool has_number, int n) {
    if (stack_.empty() || depth_ > stack_.size()) {
      if (word == "par" && depth_ > 0) NewParagraph();
      return;
    }
    Group& g = Top();
    if (g.destination == Destination::Skip) return;
    if (word == "fonttbl") {
      g.destination = Destination::FontTable;
      return;
    }
    if (word == "colortbl") {
      g.destination = Destination::ColorTable;
      colors_.clear();
      color_ = RichColor{};
      return;
    }
    if (g.destination == Destination::FontTable) {
      if (word == "f" && has_number) g.font_number = n;
      if (word == "froman") font_family_ = FontFamily::Roman;
      if (word == "fswiss") font_family_ = FontFamily::Swiss;
      if (word == "fmodern") font_family_ = FontFamily::Modern;
      if (word == "fscript") font_family_ = FontFamily::Script;
      if (word == "fdecor") font_family_ = FontFamily::Decor;
      if (word == "ftech") font_family_ = FontFamily::Tech;
      return;
    }
    if (g.destination == Destination::ColorTable) {
      const auto byte = static_cast<std::uint8_t>(n < 0 ? 0 : n > 255 ? 255 : n);
      if (word == "red") color_.red = byte;
      if (word == "green") color_.green = byte;
      if (word == "blue") color_.blue = byte;
      if (word == "red" || word == "green" || word == "blue") color_.automatic = false;
      return;
    }
    if (word == "par") {
      NewParagraph();
    } else if (word == "tab") {
      Text('\t');
    } else if (word == "plain") {
      g.format = RichFormat{};
      g.font_number = -1;
    } else if (word == "f" && has_number) {
      g.font_number = n;
    } else if (word == "fs" && has_number) {
      if (n > 0 && n <= 3276) g.format.half_points = n;
    } else if (word == "b") {
      g.format.bold = !has_number || n != 0;
    } else if (word == "cf" && has_number) {
      g.format.color = (n >= 0 && static_cast<std::size_t>(n) < colors_.size()) ? colors_[n] : RichColor{};
    }
  }

  void Text(char c) {
    if (stack_.empty() || depth_ > stack_.size()) {
      if (depth_ > 0) Append(c, deep_format_);
      return;
    }
    Group& g = Top();
    switch (g.destination) {
      case Destination::Skip:
        return;
      case Destination::FontTable:
        if (c == ';') {
          // The name ends here; the entry's group closes it.
        } else if (font_name_.size() < 64) {
          font_name_ += c;
        }
        return;
      case Destination::ColorTable:
        if (c == ';') {
          if (colors_.size() < 256) colors_.push_back(color_);
          color_ = RichColor{};
        }
        return;
      case Destination::Text:
        break;
    }
    RichFormat f = g.format;
    const auto font = fonts_.find(g.font_number);
    if (font != fonts_.end()) {
      f.font = font->second.name;
      f.family = font->second.family;
    }
    if (depth_ == stack_.size()) deep_format_ = f;
    Append(c, f);
  }

  void Append(char c, const RichFormat& f) {
    auto& paragraph = out_.paragraphs.back();
    if (paragraph.empty() || !(paragraph.back().format == f)) paragraph.push_back(RichRun{{}, f});
    paragraph.back().text += c;
  }

  void NewParagraph() { out_.paragraphs.emplace_back(); }

  std::string_view in_;
  std::size_t pos_ = 0;
  std::size_t depth_ = 0;
  std::vector<Group> stack_;
  std::map<int, FontEntry> fonts_;
  std::string font_name_;
  FontFamily font_family_ = FontFamily::Unknown;
  std::vector<RichColor> colors_;
  RichColor color_;
  RichFormat deep_format_;
  RichText out_;
};

}  // namespace

std::string RichText::PlainText() const {
  std::string out;
  for (std::size_t i = 0; i < paragraphs.size(); ++i) {
    if (i > 0) out += '\n';
    for (const auto& run : paragraphs[i]) out += run.text;
  }
  return out;
}

RichText ParseRtf(std::string_view rtf) { return Reader(rtf).Run(); }

}  // namespace vorda
