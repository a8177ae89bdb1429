#include "platform/win1250.h"

#include <gtest/gtest.h>

namespace vorda {
namespace {

TEST(Win1250Literal, HungarianLettersBecomeSingleBytes) {
  EXPECT_EQ("árvíztűrő tükörfúrógép"_w,
            "\xE1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p");
  EXPECT_EQ("ŐŰ"_w, "\xD5\xDB");
  EXPECT_EQ("plain"_w, "plain");
  EXPECT_EQ(""_w, "");
}

TEST(Win1250Conversion, RoundTripsEveryByteThatHasACharacter) {
  for (int b = 1; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = Win1250ToUtf8(byte);
    if (utf8 == "?" && b != '?') continue;  // one of the code page's holes
    EXPECT_EQ(Utf8ToWin1250(utf8), byte) << b;
  }
}

TEST(Win1250Conversion, LiteralTableAgreesWithIconv) {
  EXPECT_EQ(Utf8ToWin1250("Beállítás őű"), "Beállítás őű"_w);
  EXPECT_EQ(Win1250ToUtf8("\xF5\xFB"), "őű");
}

TEST(Win1250Conversion, UnmappableBecomesQuestionMark) {
  EXPECT_EQ(Utf8ToWin1250("a\xE2\x82\xBD" "b"), "a?b");  // the rouble sign has no byte
  EXPECT_EQ(Win1250ToUtf8("a\x81" "b"), "a?b");           // 81h is a hole
}

}  // namespace
}  // namespace vorda
