#pragma once
// Small pieces that the cost rules and several describers share.
#include <cstdint>
#include <string>

namespace vorda {

// The program keeps its numbers in 32 bits: a product or a sum of parameters is
// worked out wide and kept modulo 2^32, never overflowed.
constexpr std::int32_t Wrap32(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

constexpr bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
  return value >= low && value <= high;
}

// An order parameter that may name either names a character when
// 999 < X < 7000 or X > 9100, otherwise (0 too) a monster.
std::string CharacterOrMonsterName(std::int32_t id);

// The conditional theft list (orders "L" and "FL"): whose camp P1 (10 everybody,
// 1..9 a monster kind, 1000..8999 a character), item P2, P3 times.
std::string ConditionalTheftText(std::int32_t p1, std::int32_t p2, std::int32_t p3);

}  // namespace vorda
