// Fuzzes the RTF reader that shows encyclopedia entries (plain C++, no Qt).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/rich_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view rtf(reinterpret_cast<const char*>(data), size);
  vorda::ParseRtf(rtf).PlainText();
  return 0;
}
