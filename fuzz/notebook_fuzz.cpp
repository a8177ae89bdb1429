// A character's notebook file read from any bytes. The notes hold no CR (each
// line break becomes one LF) and never grow; saved and read again they are the
// same notes, and the file written from them is written again byte for byte.
#include <algorithm>
#include <cstdint>
#include <string>

#include "editor/notebook.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorda;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::string text = NotebookTextOfFile(bytes);
  FUZZ_CHECK(text.size() <= bytes.size());
  FUZZ_CHECK(text.find('\r') == std::string::npos);
  // Every byte but the line ends comes through, in order.
  const auto plain = [](std::string_view s) {
    std::string out(s);
    out.erase(std::remove_if(out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }), out.end());
    return out;
  };
  FUZZ_CHECK(plain(text) == plain(bytes));

  const std::string file = NotebookFileBytes(text);
  FUZZ_CHECK(NotebookTextOfFile(file) == text);
  FUZZ_CHECK(NotebookFileBytes(NotebookTextOfFile(file)) == file);
  // The file's lines end in CR LF only.
  for (std::size_t i = 0; i < file.size(); ++i) {
    if (file[i] == '\r') FUZZ_CHECK(i + 1 < file.size() && file[i + 1] == '\n');
    if (file[i] == '\n') FUZZ_CHECK(i > 0 && file[i - 1] == '\r');
  }
  return 0;
}
