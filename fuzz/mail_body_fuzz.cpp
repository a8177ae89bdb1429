// The ".emv" files read into the body of the order mail, from any bytes.
// Input: the files, separated by the byte 1Eh. The body holds every file's
// lines in order, each ended by CR LF and each file by one more; no bare CR or
// LF reaches the mail, and the mail's header ends at its first empty line.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "mail/send_dialog.h"

namespace {

// The lines of `bytes` as the mail should carry them: split at CR LF, LF or a
// lone CR, the last line's break being optional.
std::vector<std::string> LinesOf(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  while (from < bytes.size()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n", from), bytes.size());
    lines.emplace_back(bytes.substr(from, end - from));
    from = end + 1;
    if (end < bytes.size() && bytes[end] == '\r' && from < bytes.size() && bytes[from] == '\n') ++from;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorda;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> files;
  for (std::size_t from = 0;;) {
    const std::size_t end = input.find(fuzz::kPartSeparator, from);
    files.emplace_back(input.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from));
    if (end == std::string_view::npos) break;
    from = end + 1;
  }

  const std::string body = JoinOrderFiles(files);
  std::string expected;
  for (const auto& f : files) {
    for (const auto& line : LinesOf(f)) expected += line + "\r\n";
    expected += "\r\n";
  }
  FUZZ_CHECK(body == expected);

  const std::string mail = ComposeOrderMail("a@b.hu", "", body, 0);
  const std::size_t header_end = mail.find("\r\n\r\n");
  FUZZ_CHECK(header_end != std::string::npos && mail.substr(header_end + 4) == body);
  for (std::size_t i = 0; i < mail.size(); ++i) {
    if (mail[i] == '\r') FUZZ_CHECK(i + 1 < mail.size() && mail[i + 1] == '\n');
    if (mail[i] == '\n') FUZZ_CHECK(i > 0 && mail[i - 1] == '\r');
  }
  return 0;
}
