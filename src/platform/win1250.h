#pragma once
// Windows-1250 is the program's text encoding. Source files are UTF-8, so every
// Hungarian literal is written as "..."_w, which converts it to Windows-1250
// bytes at compile time (a character that Windows-1250 lacks fails the build).
// At the edges (Qt, the console) the run-time converters below are used.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorda {

namespace win1250_detail {

// Unicode code points of the bytes 80h..FFh (0 where the code page has a hole).
inline constexpr std::array<std::uint16_t, 128> kUpperHalf = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// -1 when the code point has no Windows-1250 byte.
constexpr int ByteOfCodePoint(std::uint32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  for (int i = 0; i < 128; ++i)
    if (kUpperHalf[i] != 0 && kUpperHalf[i] == cp) return 0x80 + i;
  return -1;
}

template <std::size_t N>
struct Utf8Text {
  char bytes[N]{};
  constexpr Utf8Text(const char (&s)[N]) {
    for (std::size_t i = 0; i < N; ++i) bytes[i] = s[i];
  }
};

template <std::size_t N>
struct Converted {
  char bytes[N]{};
  std::size_t size = 0;
};

template <std::size_t N>
consteval Converted<N> Convert(const Utf8Text<N>& in) {
  Converted<N> out;
  std::size_t i = 0;
  const std::size_t len = N - 1;  // without the terminating zero
  while (i < len) {
    const auto b0 = static_cast<unsigned char>(in.bytes[i]);
    std::uint32_t cp = 0;
    std::size_t more = 0;
    if (b0 < 0x80) { cp = b0; }
    else if ((b0 & 0xE0) == 0xC0) { cp = b0 & 0x1F; more = 1; }
    else if ((b0 & 0xF0) == 0xE0) { cp = b0 & 0x0F; more = 2; }
    else if ((b0 & 0xF8) == 0xF0) { cp = b0 & 0x07; more = 3; }
    else throw "invalid UTF-8 in a _w literal";
    if (i + more >= N) throw "truncated UTF-8 in a _w literal";
    for (std::size_t k = 1; k <= more; ++k) {
      const auto b = static_cast<unsigned char>(in.bytes[i + k]);
      if ((b & 0xC0) != 0x80) throw "invalid UTF-8 in a _w literal";
      cp = (cp << 6) | (b & 0x3F);
    }
    i += more + 1;
    const int byte = ByteOfCodePoint(cp);
    if (byte < 0) throw "character not in Windows-1250 in a _w literal";
    out.bytes[out.size++] = static_cast<char>(byte);
  }
  return out;
}

template <Utf8Text S>
struct Storage {
  static constexpr Converted<sizeof(S.bytes)> value = Convert(S);
};

}  // namespace win1250_detail

// "árvíztűrő"_w: the literal as Windows-1250 bytes.
template <win1250_detail::Utf8Text S>
std::string operator""_w() {
  const auto& c = win1250_detail::Storage<S>::value;
  return std::string(c.bytes, c.size);
}

// Run-time conversions. Bytes with no character (the code page's holes) and
// characters with no byte become "?". UTF-8 is read by the C library's iconv,
// which also judges malformed input (each malformed sequence one "?").
std::string Win1250ToUtf8(std::string_view win1250);
std::string Utf8ToWin1250(std::string_view utf8);

// The code point of a byte; 0 for the holes 81h, 83h, 88h, 90h and 98h.
constexpr std::uint16_t CodePointOfByte(unsigned char byte) {
  return byte < 0x80 ? byte : win1250_detail::kUpperHalf[byte - 0x80];
}
// The byte of a code point, -1 when the code page has none.
int Win1250ByteOf(std::uint32_t code_point);

}  // namespace vorda

using vorda::operator""_w;
