#pragma once
// Formatted text in the Rich Text Format, as the encyclopedia window shows it.
// On Windows a rich-text control reads the RTF; here a plain reader turns it
// into paragraphs of formatted runs, and a view shows those.
//
// What the reader takes (the RTF this program writes, read leniently):
// - "{" opens a group that starts with the format of the group around it, "}"
//   closes it and brings that format back. A "}" with no group open is dropped;
//   once the outermost group is closed the rest of the input is ignored, and
//   groups still open at the end of the input are closed there.
// - A control word is "\" with letters, an optional signed number and one
//   optional blank that belongs to it; a control symbol is "\" with one other
//   byte: "\\", "\{" and "\}" are those bytes as text, "\'hh" is the byte hh,
//   "\" before a line end is a paragraph end, any other one is dropped.
// - The font table ({\fonttbl {\fN\froman ... Name;}...}) names font N and its
//   family; the colour table ({\colortbl;\red0\green0\blue0;...}) lists the
//   colours 0, 1, 2, ... each ended by ";" (an entry without values, as colour 0
//   usually is, is the view's own text colour).
// - \fN chooses font N, \fsN a size of N half points, \b and \b1 bold, \b0 not
//   bold, \cfN colour N, \plain the plain format, \par ends a paragraph, \tab
//   is a tab. Other control words are ignored, and so is a group opened by
//   "\*" (a destination the reader does not know).
// - Carriage returns and line feeds are not text; every other byte is text,
//   kept as it stands (Windows-1250, the code page of \fcharset238).
//
// A rich-text view shows one document: Clear() empties it, LoadRtf() replaces
// its contents by the document the RTF describes.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorda {

enum class FontFamily { Unknown, Roman, Swiss, Modern, Script, Decor, Tech };

struct RichColor {
  bool automatic = true;  // the view's own text colour
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const RichColor&, const RichColor&) = default;
};

struct RichFormat {
  std::string font;  // empty: the view's own font
  FontFamily family = FontFamily::Unknown;
  int half_points = 24;
  bool bold = false;
  RichColor color;
  friend bool operator==(const RichFormat&, const RichFormat&) = default;
};

struct RichRun {
  std::string text;  // Windows-1250
  RichFormat format;
};

struct RichText {
  // Never empty: a document without \par is one paragraph.
  std::vector<std::vector<RichRun>> paragraphs{1};
  // The paragraphs' texts, each followed by "\n" but the last.
  std::string PlainText() const;
};

RichText ParseRtf(std::string_view rtf);

class RichTextView {
 public:
  virtual ~RichTextView() = default;
  virtual void Clear() = 0;
  virtual void LoadRtf(std::string_view rtf) = 0;
};

// Remembers what it was given, for tests.
class RecordingRichTextView : public RichTextView {
 public:
  void Clear() override {
    rtf.clear();
    shown = RichText{};
    ++clears;
  }
  void LoadRtf(std::string_view text) override {
    rtf = std::string(text);
    shown = ParseRtf(text);
    ++loads;
  }
  std::string rtf;
  RichText shown;
  int clears = 0;
  int loads = 0;
};

}  // namespace vorda
