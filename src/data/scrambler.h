#pragma once
// The SMTP password is kept in the ini file only in scrambled form: a 128-byte
// block holding the text at a random place among random bytes, each byte offset
// by a fixed key, written as 256 upper-case hexadecimal digits. It hides the
// password from a casual reader of the file; it is no encryption.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace vorda {

inline constexpr std::size_t kScrambleBlockSize = 128;
// Byte 0 holds the length and byte 1 the offset, so 126 bytes are left for text.
inline constexpr std::size_t kMaxScrambledLength = 126;

// Added to block byte i when scrambling, subtracted when unscrambling.
extern const std::array<std::uint8_t, kScrambleBlockSize> ScrambleKey;

// The 256 digits of a fresh block holding `text`; a different result on every
// call. nullopt for a text longer than 126 bytes, which the block cannot hold.
std::optional<std::string> ScrambleString(std::string_view text);
// The same with the random bytes and the offset drawn from `random`.
std::optional<std::string> ScrambleString(std::string_view text, std::mt19937& random);

// The text a scrambled value holds. Empty for a value that is not exactly 256
// upper-case hexadecimal digits or whose length and offset do not lie inside
// the block.
std::string UnscrambleString(std::string_view hex);

}  // namespace vorda
