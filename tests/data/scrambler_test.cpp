#include "data/scrambler.h"

#include <gtest/gtest.h>

#include "data/text.h"
#include "platform/win1250.h"

namespace vorda {
namespace {

// The block a scrambled value holds, with the key taken off again.
std::array<std::uint8_t, kScrambleBlockSize> Block(const std::string& hex) {
  std::array<std::uint8_t, kScrambleBlockSize> b{};
  for (std::size_t i = 0; i < kScrambleBlockSize; ++i)
    b[i] = static_cast<std::uint8_t>(HexToByte(std::string_view(hex).substr(2 * i, 2)) - ScrambleKey[i]);
  return b;
}

std::string Hex(const std::array<std::uint8_t, kScrambleBlockSize>& block) {
  std::string hex;
  for (std::size_t i = 0; i < kScrambleBlockSize; ++i)
    hex += ByteToHex(static_cast<std::uint8_t>(block[i] + ScrambleKey[i]));
  return hex;
}

TEST(Scrambler, RoundTripsEveryLengthTheBlockHolds) {
  const std::string texts[] = {"", "a", "jelszó ŐŰ"_w, std::string(1, '\0') + "x\xFF", std::string(125, 'q'),
                               std::string(126, 'Z')};
  for (const auto& text : texts) {
    const auto hex = ScrambleString(text);
    ASSERT_TRUE(hex.has_value()) << text.size();
    EXPECT_EQ(hex->size(), 256u);
    EXPECT_EQ(hex->find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(UnscrambleString(*hex), text);
  }
  // Random bytes and offset: never the same text twice.
  EXPECT_NE(ScrambleString("titok"), ScrambleString("titok"));
}

TEST(Scrambler, BlockHoldsLengthOffsetAndTextUnderTheKey) {
  std::mt19937 random(7);
  const auto hex = ScrambleString("abc", random);
  ASSERT_TRUE(hex);
  const auto b = Block(*hex);
  EXPECT_EQ(b[0], 3);
  ASSERT_GE(b[1], 2);
  ASSERT_LE(b[1], 125);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[b[1]]), 3), "abc");

  // The same random source gives the same value.
  std::mt19937 again(7);
  EXPECT_EQ(ScrambleString("abc", again), hex);

  // The empty text has length 0; a 126-byte text can only start at byte 2.
  EXPECT_EQ(Block(*ScrambleString("", random))[0], 0);
  for (int k = 0; k < 5; ++k) {
    const auto full = Block(*ScrambleString(std::string(126, 'x'), random));
    EXPECT_EQ(full[0], 126);
    EXPECT_EQ(full[1], 2);
  }
}

TEST(Scrambler, OffsetsCoverTheirWholeRange) {
  std::mt19937 random(1);
  std::array<bool, 129> seen{};
  for (int k = 0; k < 4000; ++k) seen[Block(*ScrambleString("", random))[1]] = true;
  for (int o = 0; o < 2; ++o) EXPECT_FALSE(seen[static_cast<std::size_t>(o)]);
  for (int o = 2; o <= 128; ++o) EXPECT_TRUE(seen[static_cast<std::size_t>(o)]) << o;
}

TEST(Scrambler, TextTooLongForTheBlockIsRefused) {
  EXPECT_FALSE(ScrambleString(std::string(127, 'x')).has_value());
}

TEST(Scrambler, MalformedStoredValuesGiveEmpty) {
  std::mt19937 random(3);
  const std::string good = *ScrambleString("secret", random);
  ASSERT_EQ(UnscrambleString(good), "secret");

  std::string lower = good;
  for (char& c : lower) c = LowerCaseChar(c);
  std::string not_hex = good;
  not_hex[100] = 'G';
  EXPECT_EQ(UnscrambleString(""), "");
  EXPECT_EQ(UnscrambleString(good.substr(0, 254)), "");
  EXPECT_EQ(UnscrambleString(good + "00"), "");
  EXPECT_EQ(UnscrambleString(not_hex), "");
  ASSERT_NE(lower, good);
  EXPECT_EQ(UnscrambleString(lower), "");  // lower-case digits are no digits

  // Length and offset bytes that point outside the block (or over themselves).
  struct Case { std::uint8_t length, offset; };
  for (const Case c : {Case{127, 1}, Case{10, 120}, Case{1, 128}, Case{0, 200}, Case{3, 1}, Case{255, 2}}) {
    auto b = Block(good);
    b[0] = c.length;
    b[1] = c.offset;
    EXPECT_EQ(UnscrambleString(Hex(b)), "") << int(c.length) << " at " << int(c.offset);
  }
  // The last place a text can stand is still inside.
  auto b = Block(good);
  b[0] = 2;
  b[1] = 126;
  b[126] = 'o';
  b[127] = 'k';
  EXPECT_EQ(UnscrambleString(Hex(b)), "ok");
}

}  // namespace
}  // namespace vorda
