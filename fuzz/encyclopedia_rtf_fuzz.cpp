// The rich-text reader that shows encyclopedia entries, on any bytes: a
// document always has a paragraph, runs hold text and a run starts only where
// the format changes, sizes stay within what a view can show, and no more text
// comes out than went in. Any bytes written as RTF escapes and paragraph marks
// read back as themselves.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/rich_text.h"

#include "fuzz_support.h"

namespace {

using namespace vorda;

// `text` as a document: each line break a paragraph mark, every other byte
// written as "\'hh".
std::string Escaped(std::string_view text) {
  std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fmodern Courier New CE;}}\\f0\\fs18 ";
  for (char c : text) {
    if (c == '\n') {
      rtf += "\\par\r\n";
      continue;
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\'%02x", static_cast<unsigned>(static_cast<unsigned char>(c)));
    rtf += hex;
  }
  return rtf + "}";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view rtf(reinterpret_cast<const char*>(data), size);
  const RichText doc = ParseRtf(rtf);
  FUZZ_CHECK(!doc.paragraphs.empty());
  for (const auto& paragraph : doc.paragraphs) {
    for (std::size_t i = 0; i < paragraph.size(); ++i) {
      const RichRun& run = paragraph[i];
      FUZZ_CHECK(!run.text.empty());
      FUZZ_CHECK(i == 0 || !(paragraph[i - 1].format == run.format));
      FUZZ_CHECK(run.format.half_points >= 1 && run.format.half_points <= 3276);
      FUZZ_CHECK(run.format.font.size() <= 64);
    }
  }
  FUZZ_CHECK(doc.PlainText().size() <= size);

  const RichText back = ParseRtf(Escaped(rtf));
  FUZZ_CHECK(back.PlainText() == rtf);
  for (const auto& paragraph : back.paragraphs) {
    FUZZ_CHECK(paragraph.size() <= 1);
    for (const auto& run : paragraph)
      FUZZ_CHECK(run.format.font == "Courier New CE" && run.format.family == FontFamily::Modern &&
                 run.format.half_points == 18);
  }
  return 0;
}
