#pragma once
// The news order "HIR" of the guild, mission and macro describer: its canned
// messages for the shared-mind group.
#include <cstdint>
#include <string>

namespace vorda::describe3 {

// Plain decimal, no padding.
inline std::string Num(std::int64_t value) { return std::to_string(value); }

// Message P1, filled with P2 and P3.
std::string NewsText(std::int32_t p1, std::int32_t p2, std::int32_t p3);

}  // namespace vorda::describe3
