#include "data/text.h"

#include <gtest/gtest.h>

#include "platform/win1250.h"

namespace vorda {
namespace {

TEST(IntToStrPadded, PadsInFrontAndNeverCuts) {
  struct Case { std::int32_t value; int width; const char* expected; };
  const Case cases[] = {
      {-42, 6, "   -42"},  // six characters: the rule, not four blanks
      {123456, 4, "123456"},
      {0, 0, "0"},
      {7, 3, "  7"},
      {INT32_MIN, 0, "-2147483648"},
      {5, 255, nullptr},
  };
  for (const auto& c : cases) {
    const std::string got = IntToStrPadded(c.value, c.width);
    if (c.expected)
      EXPECT_EQ(got, c.expected) << c.value << " width " << c.width;
    else
      EXPECT_EQ(got, std::string(254, ' ') + "5");
  }
}

TEST(PadRight, AppendsBlanksAndNeverCuts) {
  EXPECT_EQ(PadRight("abcde", 3), "abcde");
  EXPECT_EQ(PadRight("ab", 5), "ab   ");
  EXPECT_EQ(PadRight("ab", 0), "ab");
}

TEST(HexDigits, ByteToHexAndBack) {
  EXPECT_EQ(ByteToHex(10), "0A");
  EXPECT_EQ(ByteToHex(255), "FF");
  EXPECT_EQ(HexToByte("0A"), 10);
  EXPECT_EQ(HexToByte("FF"), 255);
  EXPECT_EQ(HexToByte("0a"), 255);  // lower-case a is no digit: 0 * 16 - 1
  for (int b = 0; b < 256; ++b) EXPECT_EQ(HexToByte(ByteToHex(static_cast<std::uint8_t>(b))), b);
}

TEST(HexDigits, ShortTextReadsMissingDigitsAsNonDigits) {
  EXPECT_EQ(HexToByte(""), static_cast<std::uint8_t>(-17));  // (-1) * 16 + (-1)
  EXPECT_EQ(HexToByte("1"), static_cast<std::uint8_t>(15));  // 1 * 16 - 1
}

TEST(LowerCaseChar, OnlyPlainCapitals) {
  EXPECT_EQ(LowerCaseChar('A'), 'a');
  EXPECT_EQ(LowerCaseChar('Z'), 'z');
  EXPECT_EQ(LowerCaseChar('a'), 'a');
  EXPECT_EQ(LowerCaseChar('@'), '@');
  const std::string e_acute = "É"_w;
  EXPECT_EQ(LowerCaseChar(e_acute[0]), e_acute[0]);
}

TEST(CwiToWin1250, MapsTheNineteenLettersAndKeepsTheRest) {
  const std::string cwi = "\x81\x82\x8D\x8F\x90\x93\x94\x95\x96\x97\x98\x99\x9A\xA0\xA1\xA2\xA3\xA7\xFE";
  EXPECT_EQ(CwiToWin1250(cwi), "üéÍÁÉőöÓűÚŰÖÜáíóúŐ*"_w);
  const std::string plain = "Hossz\xFA \xEDj";  // already Windows-1250, none of the CWI bytes
  EXPECT_EQ(CwiToWin1250(plain), plain);
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(CwiToWin1250(all).size(), 256u);
}

TEST(ReplaceAll, RescansFromTheStart) {
  EXPECT_EQ(ReplaceAll("   ", " ", "a     b"), "a b");
  EXPECT_EQ(ReplaceAll("  ", " ", "a      b  c"), "a b c");
  EXPECT_EQ(ReplaceAll("x", "x", "xx"), "xx");
  EXPECT_EQ(ReplaceAll("", "y", "abc"), "abc");
}

TEST(ReplaceAll, NewContainingOldEndsInOnePass) {
  EXPECT_EQ(ReplaceAll("a", "aa", "bab"), "baab");
  EXPECT_EQ(ReplaceAll("ab", "ba", "aab"), "aba");  // would cycle "aab" -> "abaab" -> "aab" by rescanning
  EXPECT_EQ(ReplaceAll("ab", "bb", "aab"), "bbb");  // ends by itself, so the rescanning rule holds
  EXPECT_EQ(ReplaceAll("&", "&amp;", "a&b&"), "a&amp;b&amp;");
}

}  // namespace
}  // namespace vorda
