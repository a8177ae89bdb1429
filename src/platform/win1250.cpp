#include "platform/win1250.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace vorda {

namespace {

// One conversion through iconv; an input sequence that has no counterpart is
// replaced by "?" and skipped (one byte of input, or with `skip_unit` 0 one
// UTF-8 character).
std::string Iconv(const char* to, const char* from, std::string_view in, std::size_t skip_unit) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert between Windows-1250 and UTF-8");
  std::string out;
  out.resize(in.size() * 4 + 16);
  char* inp = const_cast<char*>(in.data());
  std::size_t inleft = in.size();
  char* outp = out.data();
  std::size_t outleft = out.size();
  while (inleft > 0) {
    if (iconv(cd, &inp, &inleft, &outp, &outleft) != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      const std::size_t used = out.size() - outleft;
      out.resize(out.size() * 2);
      outp = out.data() + used;
      outleft = out.size() - used;
      continue;
    }
    // EILSEQ or EINVAL: a byte with no character, or a character with no byte.
    std::size_t bad = skip_unit;
    if (skip_unit == 0) {  // UTF-8 input: skip one whole character
      const auto b0 = static_cast<unsigned char>(*inp);
      bad = b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC0 ? 2 : 1;
      if (bad > inleft) bad = inleft;
    }
    inp += bad;
    inleft -= bad;
    if (outleft == 0) {
      const std::size_t used = out.size();
      out.resize(out.size() * 2);
      outp = out.data() + used;
      outleft = out.size() - used;
    }
    *outp++ = '?';
    --outleft;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(out.size() - outleft);
  iconv_close(cd);
  return out;
}

// The byte of every code point below the highest one the code page holds
// (0x2122, the trade mark sign); 0 for none (the byte 0 is its own).
constexpr std::uint32_t kCodePointsMapped = 0x2123;
constexpr auto kByteOf = [] {
  std::array<std::uint8_t, kCodePointsMapped> bytes{};
  for (int b = 1; b < 256; ++b) {
    const std::uint16_t cp = CodePointOfByte(static_cast<unsigned char>(b));
    if (cp != 0) bytes[cp] = static_cast<std::uint8_t>(b);
  }
  return bytes;
}();

}  // namespace

int Win1250ByteOf(std::uint32_t code_point) {
  if (code_point == 0) return 0;
  if (code_point >= kCodePointsMapped || kByteOf[code_point] == 0) return -1;
  return kByteOf[code_point];
}

std::string Win1250ToUtf8(std::string_view win1250) {
  std::string out;
  out.reserve(win1250.size());
  for (const char ch : win1250) {
    const auto byte = static_cast<unsigned char>(ch);
    const std::uint16_t cp = byte == 0 ? 0 : CodePointOfByte(byte);
    if (byte != 0 && cp == 0) {
      out += '?';
    } else if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

std::string Utf8ToWin1250(std::string_view utf8) { return Iconv("CP1250", "UTF-8", utf8, 0); }

}  // namespace vorda
