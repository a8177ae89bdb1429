#include "data/scrambler.h"

#include "data/text.h"

namespace vorda {

// Our own table; values scrambled with another table do not unscramble.
const std::array<std::uint8_t, kScrambleBlockSize> ScrambleKey = {
    0x9C, 0x81, 0xF5, 0x41, 0x65, 0xEB, 0x06, 0x56, 0x10, 0x25, 0xE3, 0x92, 0x5A, 0x85, 0x2C, 0x6B,
    0x19, 0xE5, 0xE8, 0xF4, 0x25, 0x8A, 0xD8, 0x91, 0xAE, 0x04, 0x85, 0x17, 0x2D, 0x0E, 0x2C, 0xCA,
    0x98, 0x11, 0x44, 0x53, 0xD5, 0x5D, 0xB1, 0x78, 0xBF, 0xBB, 0x44, 0xF8, 0x02, 0x61, 0x5E, 0x41,
    0x74, 0x73, 0x0F, 0xB4, 0x0F, 0xB2, 0x24, 0xE7, 0x0F, 0xED, 0x03, 0x98, 0xE1, 0x8A, 0x6B, 0xDD,
    0x3E, 0xBD, 0x50, 0x6C, 0x35, 0x63, 0x28, 0xE8, 0xAA, 0x76, 0x03, 0x21, 0xFB, 0x98, 0x88, 0x5E,
    0xEC, 0x9A, 0xD4, 0x40, 0x0B, 0x6C, 0xA4, 0xC3, 0x39, 0x9D, 0x2D, 0xE8, 0xAE, 0xF3, 0xE4, 0x07,
    0x82, 0xDA, 0xF5, 0x91, 0x80, 0xD3, 0x5F, 0x3F, 0x15, 0xE2, 0x13, 0xBB, 0x2B, 0x79, 0xA1, 0xDC,
    0x62, 0xFD, 0xA0, 0xFE, 0x3C, 0x21, 0x7F, 0x9E, 0x33, 0x35, 0xF8, 0x08, 0xA8, 0x26, 0x33, 0xDA,
};

namespace {

std::mt19937& ProgramRandom() {
  static std::mt19937 generator{std::random_device{}()};
  return generator;
}

bool IsUpperHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

}  // namespace

std::optional<std::string> ScrambleString(std::string_view text) { return ScrambleString(text, ProgramRandom()); }

std::optional<std::string> ScrambleString(std::string_view text, std::mt19937& random) {
  if (text.size() > kMaxScrambledLength) return std::nullopt;
  std::array<std::uint8_t, kScrambleBlockSize> block{};
  std::uniform_int_distribution<int> any_byte(0, 255);
  for (auto& b : block) b = static_cast<std::uint8_t>(any_byte(random));
  const std::size_t length = text.size();
  std::uniform_int_distribution<std::size_t> offsets(2, kScrambleBlockSize - length);
  const std::size_t offset = offsets(random);
  block[0] = static_cast<std::uint8_t>(length);
  block[1] = static_cast<std::uint8_t>(offset);
  for (std::size_t k = 0; k < length; ++k) block[offset + k] = static_cast<std::uint8_t>(text[k]);
  std::string hex;
  hex.reserve(2 * kScrambleBlockSize);
  for (std::size_t i = 0; i < kScrambleBlockSize; ++i)
    hex += ByteToHex(static_cast<std::uint8_t>(block[i] + ScrambleKey[i]));
  return hex;
}

std::string UnscrambleString(std::string_view hex) {
  if (hex.size() != 2 * kScrambleBlockSize) return {};
  for (const char c : hex)
    if (!IsUpperHexDigit(c)) return {};
  std::array<std::uint8_t, kScrambleBlockSize> block{};
  for (std::size_t i = 0; i < kScrambleBlockSize; ++i)
    block[i] = static_cast<std::uint8_t>(HexToByte(hex.substr(2 * i, 2)) - ScrambleKey[i]);
  const std::size_t length = block[0];
  const std::size_t offset = block[1];
  if (length > kMaxScrambledLength || offset < 2 || offset + length > kScrambleBlockSize) return {};
  return std::string(reinterpret_cast<const char*>(block.data()) + offset, length);
}

}  // namespace vorda
