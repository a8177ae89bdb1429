#pragma once
// The two large families of the ability and spell describer: the mental
// abilities of "EK" and the spells of "V", each chosen by the line's first
// parameter.
#include <cstdint>
#include <string>

namespace vorda::describe0 {

struct LineParams {
  int line = 0;  // the sheet line, 1..40 (the teleport texts replay up to it)
  std::int32_t p1 = 0;
  std::int32_t p2 = 0;
  std::int32_t p3 = 0;
};

// Plain decimal, no padding; wide, so that a product of two 32-bit values is
// written as it is.
inline std::string Num(std::int64_t value) { return std::to_string(value); }

std::string AbilityText(const LineParams& p);  // "EK"
std::string SpellText(const LineParams& p);    // "V"

}  // namespace vorda::describe0
