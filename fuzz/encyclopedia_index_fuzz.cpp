// Fuzzes the TEXT.IDX scan: the first byte chooses the packing mode (with
// invented tables), the rest is the index.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "encyclopedia/encyclopedia_lookup.h"
#include "encyclopedia/encyclopedia_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  auto& state = vorda::Encyclopedia();
  state.Packing.Method1Known = state.Packing.Method2Known = true;
  state.Packing.Seed1 = 42;
  state.Packing.Table1 = {{0x02, "\x03" "a"}, {0x01, "sz"}, {0x03, "gy"}};
  state.Packing.Table2 = {{0x81, "\x80t"}, {0x80, "en "}, {0x84, "T1"}};
  state.EncyclopediaTextMode = static_cast<std::uint8_t>(data[0] % 3);
  const std::string_view index(reinterpret_cast<const char*>(data + 1), size - 1);
  vorda::FindKeyInIndex(index, "T5");
  vorda::FindKeyInIndex(index, "EK-2553");
  return 0;
}
