// The scrambled password as the ini file may hold it: any bytes are
// unscrambled, and any text that fits is scrambled and read back.
#include <cstdint>
#include <random>
#include <string>

#include "data/scrambler.h"
#include "fuzz_support.h"

namespace {

bool IsScrambledForm(std::string_view s) {
  if (s.size() != 2 * vorda::kScrambleBlockSize) return false;
  for (const char c : s)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorda;
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  const std::string text = UnscrambleString(input);
  FUZZ_CHECK(text.size() <= kMaxScrambledLength);
  FUZZ_CHECK(IsScrambledForm(input) || text.empty());
  if (!text.empty()) {
    const auto again = ScrambleString(text);
    FUZZ_CHECK(again && IsScrambledForm(*again) && UnscrambleString(*again) == text);
  }

  std::mt19937 random(static_cast<std::uint32_t>(size));
  const auto scrambled = ScrambleString(input, random);
  FUZZ_CHECK(scrambled.has_value() == (input.size() <= kMaxScrambledLength));
  if (scrambled) {
    FUZZ_CHECK(IsScrambledForm(*scrambled));
    FUZZ_CHECK(UnscrambleString(*scrambled) == input);
  }
  return 0;
}
