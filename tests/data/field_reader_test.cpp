#include "data/field_reader.h"

#include <gtest/gtest.h>

namespace vorda {
namespace {

TEST(FieldReader, NumbersSkipBlanksTabsAndLineBreaks) {
  FieldReader in(" \t12\r\n\n-7 +3 2147483647 -2147483648");
  std::int32_t v = 0;
  for (const std::int32_t expected : {12, -7, 3, INT32_MAX, INT32_MIN}) {
    ASSERT_TRUE(in.ReadNumber(v));
    EXPECT_EQ(v, expected);
  }
  EXPECT_TRUE(in.Eof());
  EXPECT_TRUE(in.ReadNumber(v));  // at the end a number reads as 0 without error
  EXPECT_EQ(v, 0);
}

TEST(FieldReader, RunsThatAreNoIntegerFail) {
  for (const char* text : {"abc", "12x", "2147483648", "-", "+-1", "1.5", "0x10"}) {
    FieldReader in(text);
    std::int32_t v = 99;
    EXPECT_FALSE(in.ReadNumber(v)) << text;
    EXPECT_EQ(v, 0) << text;
  }
}

TEST(FieldReader, TextStopsAtTheLineEndAndNoCrStays) {
  FieldReader in("abcdef\r\nxy\rz\n");
  EXPECT_EQ(in.ReadText(4), "abcd");
  in.SkipLine();
  EXPECT_EQ(in.ReadText(10), "xy");
  in.SkipLine();  // a lone CR ends a line too
  EXPECT_EQ(in.ReadText(10), "z");
  in.SkipLine();
  EXPECT_TRUE(in.Eof());
}

TEST(FieldReader, CharactersOfTheCurrentLineOnly) {
  FieldReader in("ab\ncd");
  EXPECT_EQ(in.ReadChar(), 'a');
  EXPECT_EQ(in.ReadChar(), 'b');
  EXPECT_EQ(in.ReadChar(), '\0');
  EXPECT_EQ(in.ReadRestOfLine(), "");
  in.SkipLine();
  EXPECT_EQ(in.ReadRestOfLine(), "cd");
}

}  // namespace
}  // namespace vorda
