// Fuzzes the TEXT.DTA entry reader and the line conversion: the first byte
// chooses the packing mode (with invented tables), the next two the offset the
// index would give, the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "encyclopedia/encyclopedia_lookup.h"
#include "encyclopedia/encyclopedia_state.h"
#include "encyclopedia/text_unpack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  auto& state = vorda::Encyclopedia();
  state.Packing.Method1Known = state.Packing.Method2Known = true;
  state.Packing.Seed1 = 42;
  state.Packing.Table1 = {{0x02, "\x03" "a"}, {0x01, "sz"}, {0x03, "gy"}};
  state.Packing.Table2 = {{0x81, "\x80t"}, {0x80, "en "}, {0x84, "T1"}};
  state.EncyclopediaTextMode = static_cast<std::uint8_t>(data[0] % 3);
  const std::size_t position = data[1] | (static_cast<std::size_t>(data[2]) << 8);
  const std::string_view file(reinterpret_cast<const char*>(data + 3), size - 3);
  vorda::TextModeOfFirstLine(file.substr(0, file.find_first_of("\r\n")));
  const std::string text = vorda::ReadEncyclopediaEntry(file, vorda::HeaderLineStart(file, position));
  vorda::EncyclopediaRtfDocument(text);
  return 0;
}
