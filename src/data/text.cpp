#include "data/text.h"

#include <array>
#include <limits>

namespace vorda {

namespace {

constexpr std::array<unsigned char, 256> MakeCwiTable() {
  std::array<unsigned char, 256> t{};
  for (int i = 0; i < 256; ++i) t[i] = static_cast<unsigned char>(i);
  // CWI-2 byte -> Windows-1250 byte.
  t[0x81] = 0xFC;  // ü
  t[0x82] = 0xE9;  // é
  t[0x8D] = 0xCD;  // Í
  t[0x8F] = 0xC1;  // Á
  t[0x90] = 0xC9;  // É
  t[0x93] = 0xF5;  // ő
  t[0x94] = 0xF6;  // ö
  t[0x95] = 0xD3;  // Ó
  t[0x96] = 0xFB;  // ű
  t[0x97] = 0xDA;  // Ú
  t[0x98] = 0xDB;  // Ű
  t[0x99] = 0xD6;  // Ö
  t[0x9A] = 0xDC;  // Ü
  t[0xA0] = 0xE1;  // á
  t[0xA1] = 0xED;  // í
  t[0xA2] = 0xF3;  // ó
  t[0xA3] = 0xFA;  // ú
  t[0xA7] = 0xD5;  // Ő
  t[0xFE] = 0x2A;  // the operator's bullet becomes an asterisk
  return t;
}

constexpr auto kCwiTable = MakeCwiTable();
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

}  // namespace

std::string CwiToWin1250(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(kCwiTable[static_cast<unsigned char>(c)]);
  return out;
}

char LowerCaseChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string IntToStrPadded(std::int32_t value, int width) {
  std::string digits = std::to_string(value);
  if (width > 0 && static_cast<int>(digits.size()) < width)
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), ' ');
  return digits;
}

std::string PadRight(std::string_view s, int width) {
  std::string out(s);
  if (width > 0 && static_cast<int>(out.size()) < width) out.append(static_cast<std::size_t>(width) - out.size(), ' ');
  return out;
}

std::string ByteToHex(std::uint8_t b) {
  return std::string{kHexDigits[b >> 4], kHexDigits[b & 0x0F]};
}

std::uint8_t HexToByte(std::string_view s) {
  auto position = [&](std::size_t i) -> int {
    if (i >= s.size()) return 0;
    const auto p = kHexDigits.find(s[i]);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
  };
  const int value = (position(0) - 1) * 16 + (position(1) - 1);
  return static_cast<std::uint8_t>(value & 0xFF);
}

namespace {

// Every Old replaced in one left-to-right pass.
std::string ReplaceInOnePass(std::string_view old_text, std::string_view new_text, std::string_view s) {
  std::string out;
  std::size_t from = 0;
  for (std::size_t at; (at = s.find(old_text, from)) != std::string_view::npos; from = at + old_text.size()) {
    out.append(s.substr(from, at - from));
    out += new_text;
  }
  out.append(s.substr(from));
  return out;
}

}  // namespace

std::string ReplaceAll(std::string_view old_text, std::string_view new_text, std::string_view s) {
  if (old_text.empty() || old_text == new_text) return std::string(s);
  // A New that holds Old would be found again after every replacement.
  if (new_text.find(old_text) != std::string_view::npos) return ReplaceInOnePass(old_text, new_text, s);
  // Every search starts again from the text's start. That ends by itself when
  // New is shorter than Old; a pair of other lengths can cycle ("ab" by "ba" in
  // "aab" comes back to "aab"), so past a bound far above what any ending run
  // needs the text is replaced in one pass instead.
  const std::size_t bound = (s.size() + 1) * (old_text.size() + new_text.size() + 1) * 4;
  std::string text(s);
  std::size_t steps = 0;
  for (std::size_t at; (at = text.find(old_text)) != std::string::npos;) {
    if (++steps > bound) return ReplaceInOnePass(old_text, new_text, s);
    text.insert(at, new_text);
    text.erase(text.find(old_text), old_text.size());
  }
  return text;
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

std::string PrintableText(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  return out;
}

std::int32_t LeadingNumber(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  std::int64_t value = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
    value = value * 10 + (s[i] - '0');
    if (value > std::numeric_limits<std::int32_t>::max()) {
      value = std::numeric_limits<std::int32_t>::max() + std::int64_t{negative ? 1 : 0};
      break;
    }
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace vorda
