// Fuzzes the reader of the packer's tables file, then unpacks a line with
// whatever tables it accepted.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "encyclopedia/encyclopedia_state.h"
#include "encyclopedia/text_unpack.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  auto& packing = vorda::Encyclopedia().Packing;
  if (vorda::ParseEncyclopediaPacking(file, packing).empty()) {
    vorda::EncyclopediaUnpack1(file.substr(0, 300));
    vorda::EncyclopediaUnpack2(file.substr(0, 300));
  }
  return 0;
}
