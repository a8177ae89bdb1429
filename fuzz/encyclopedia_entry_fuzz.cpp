// TEXT.DTA entries read from any bytes: the first byte chooses the packing mode
// (with the invented tables), the next two the offset the index would give, the
// rest is the file. The entry starts at a line's start; its body is whole lines
// of rich text, each with its bold groups closed, so that the document around
// it shows one paragraph per line and nothing of the markup as text.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "encyclopedia/encyclopedia_lookup.h"
#include "encyclopedia/text_unpack.h"
#include "fuzz_support.h"
#include "platform/rich_text.h"

namespace {

using namespace vorda;

constexpr std::string_view kLineEnd = "\r\n\\par ";
constexpr std::string_view kBoldOpen = "{\\cf3\\b ";

// The text a body line shows: its bold groups taken off, and the line breaks
// that a packed line may unpack to (rich text does not show them). Checks that
// the groups are the only markup and that each is closed.
std::string ShownText(std::string_view line) {
  std::string shown;
  int open = 0;
  for (std::size_t i = 0; i < line.size();) {
    if (line.substr(i).starts_with(kBoldOpen)) {
      ++open;
      i += kBoldOpen.size();
      continue;
    }
    const char c = line[i++];
    FUZZ_CHECK(c != '{' && c != '\\');
    if (c == '\r' || c == '\n') continue;
    if (c == '}') {
      FUZZ_CHECK(open > 0);
      --open;
    } else {
      shown += c;
    }
  }
  FUZZ_CHECK(open == 0);
  return shown;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  fuzz::UseInventedPacking(static_cast<std::uint8_t>(data[0] % 3));
  const std::size_t position = data[1] | (static_cast<std::size_t>(data[2]) << 8);
  const std::string_view file(reinterpret_cast<const char*>(data + 3), size - 3);

  FUZZ_CHECK(TextModeOfFirstLine(file.substr(0, file.find_first_of("\r\n"))) <= 2);
  const std::size_t start = HeaderLineStart(file, position);
  FUZZ_CHECK(start <= position && start <= file.size());
  FUZZ_CHECK(start == 0 || file[start - 1] == '\r' || file[start - 1] == '\n');

  const std::string body = ReadEncyclopediaEntry(file, start);
  std::vector<std::string> shown;
  for (std::string_view rest = body; !rest.empty();) {
    const std::size_t end = rest.find(kLineEnd);
    FUZZ_CHECK(end != std::string_view::npos);
    shown.push_back(ShownText(rest.substr(0, end)));
    rest.remove_prefix(end + kLineEnd.size());
  }

  const RichText doc = ParseRtf(EncyclopediaRtfDocument(body));
  FUZZ_CHECK(doc.paragraphs.size() == shown.size() + 1);
  std::string plain;
  for (const auto& line : shown) plain += line + "\n";
  FUZZ_CHECK(doc.PlainText() == plain);
  return 0;
}
