#include "data/game_tables.h"

#include <gtest/gtest.h>

#include "platform/win1250.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

using GameTablesTest = testing::FreshState;

// "Hosszú íj" in the DOS code page: ú is A3h, í is A1h.
constexpr const char* kBowCwi = "Hossz\xA3 \xA1j";

TEST_F(GameTablesTest, ItemLineReadsEveryFieldAndConvertsTheName) {
  LoadItemTable(std::string("17 1 120 30 0 0 ") + kBowCwi + "\r\n");
  const auto& t = Tables();
  ASSERT_EQ(t.ItemCount, 1);
  const auto& r = t.ItemTable[1];
  EXPECT_EQ(r.Id, 17);
  EXPECT_EQ(r.Kind, 1);
  EXPECT_EQ(r.W1, 120);
  EXPECT_EQ(r.W2, 30);
  EXPECT_EQ(r.W3, 0);
  EXPECT_EQ(r.W4, 0);
  EXPECT_EQ(r.Name, "Hosszú íj"_w);  // no CR kept
}

TEST_F(GameTablesTest, NameCountsItsSeparatingBlanksAmongTwentyCharacters) {
  struct Case { const char* line; const char* name; };
  const Case cases[] = {
      // one blank: 19 characters of the name survive
      {"5 0 0 0 0 0 ABCDEFGHIJKLMNOPQRSTUVWXY\n", "ABCDEFGHIJKLMNOPQRS"},
      // two blanks: 18
      {"5 0 0 0 0 0  ABCDEFGHIJKLMNOPQRSTUVWXY\n", "ABCDEFGHIJKLMNOPQR"},
      // blanks only: empty; trailing blanks stay
      {"5 0 0 0 0 0    \n", ""},
      {"5 0 0 0 0 0 ab  \n", "ab  "},
      // tabs separate numbers too, and the last line needs no line break
      {"5\t0\t0 0 0 0 X", "X"},
  };
  for (const auto& c : cases) {
    LoadItemTable(c.line);
    ASSERT_EQ(Tables().ItemCount, 1) << c.line;
    EXPECT_EQ(Tables().ItemTable[1].Name, c.name) << c.line;
  }
}

TEST_F(GameTablesTest, NumbersAreKeptToTheFieldWidth) {
  LoadItemTable("9 257 70000 -1 65535 65536 X\n");
  const auto& r = Tables().ItemTable[1];
  EXPECT_EQ(r.Kind, 1);
  EXPECT_EQ(r.W1, 70000 - 65536);
  EXPECT_EQ(r.W2, 65535);
  EXPECT_EQ(r.W3, 65535);
  EXPECT_EQ(r.W4, 0);
}

TEST_F(GameTablesTest, NumbersMayRunOntoTheNextLineAndBadLinesAreDropped) {
  // A number field skips line breaks; the name is the rest of the number's line.
  LoadCharacterTable("\n\n  1001\n Aldor\n1002 Berk\r\n1x03 Cili\n1004 Dani");
  const auto& t = Tables();
  ASSERT_EQ(t.CharacterCount, 3);
  EXPECT_EQ(t.CharacterTable[1].Id, 1001);
  EXPECT_EQ(t.CharacterTable[1].Name, "");
  // " Aldor" fails as a number: that line is dropped and its slot reused.
  EXPECT_EQ(t.CharacterTable[2].Id, 1002);
  EXPECT_EQ(t.CharacterTable[2].Name, "Berk");
  EXPECT_EQ(t.CharacterTable[3].Id, 1004);
  EXPECT_EQ(t.CharacterTable[3].Name, "Dani");
}

TEST_F(GameTablesTest, BlankLinesAtTheEndAddOneEmptyRecord) {
  LoadMonsterTable("12 Troll\n\n\n");
  const auto& t = Tables();
  ASSERT_EQ(t.MonsterCount, 2);
  EXPECT_EQ(t.MonsterTable[2].Id, 0);
  EXPECT_EQ(t.MonsterTable[2].Name, "");
  EXPECT_EQ(MonsterName(0), " ");  // Id 0 is answered before the search
}

TEST_F(GameTablesTest, FirstOfDuplicateIdsWins) {
  LoadItemTable("5 2 10 0 0 0 Elso\n5 3 20 0 0 0 Masodik\n");
  EXPECT_EQ(ItemName(5), "Elso");
  EXPECT_EQ(ItemKind(5), 2);
  EXPECT_EQ(ItemCost(5), 10);
}

TEST_F(GameTablesTest, NameLookupsAnswerBlankForZeroAndHashForUnknown) {
  LoadItemTable("7 0 0 0 0 0 Kard\n8 0 0 0 0 0 Pajzs\n");
  EXPECT_EQ(ItemName(8), "Pajzs");
  EXPECT_EQ(Tables().LastFoundIndex, 2);
  EXPECT_EQ(ItemName(0), " ");
  EXPECT_EQ(Tables().LastFoundIndex, 0);
  EXPECT_EQ(ItemName(8), "Pajzs");
  EXPECT_EQ(ItemName(123), "#123");
  EXPECT_EQ(Tables().LastFoundIndex, 0);
  EXPECT_EQ(CharacterName(-5), "#-5");  // empty table
  EXPECT_EQ(SpellName(0), " ");
}

TEST_F(GameTablesTest, LastFoundIndexFollowsOnlyItemAndRecipeLookups) {
  LoadItemTable("7 4 0 0 0 0 Kard\n");
  LoadRecipeTable("1 1 X\n2 1 Y\n3 250 Gyogyital\n");
  EXPECT_EQ(RecipeName(3), "Gyogyital");
  EXPECT_EQ(Tables().LastFoundIndex, 3);  // an index into the recipe table
  EXPECT_EQ(RecipeCost(3), 250);
  EXPECT_EQ(ItemCost(7), 0);
  EXPECT_EQ(Tables().LastFoundIndex, 3);  // ItemCost leaves it alone
  EXPECT_EQ(ItemKind(7), 4);
  EXPECT_EQ(Tables().LastFoundIndex, 1);
  EXPECT_EQ(ItemKind(99), 0);
  EXPECT_EQ(Tables().LastFoundIndex, 0);
}

TEST_F(GameTablesTest, SpellLineTakesTheKindRightAfterTheId) {
  LoadSpellTable("301 H 40 10 3 T\x96zgoly\xA2\n302  V 1 2 3 Dropped\n303xP -7 0 1 Any separator\n");
  const auto& t = Tables();
  ASSERT_EQ(t.SpellCount, 1);
  EXPECT_EQ(SpellKind(301), 'H');
  EXPECT_EQ(SpellValue1(301), 40);
  EXPECT_EQ(SpellValue2(301), 10);
  EXPECT_EQ(SpellCost(301), 3);
  EXPECT_EQ(SpellName(301), "Tűzgolyó"_w);
  // With two blanks the Kind is a blank and "V" fails as N1: the line is dropped.
  EXPECT_EQ(SpellName(302), "#302");
  EXPECT_EQ(SpellKind(302), '\0');
  // "303xP": the run "303xP" is no number, so that line is dropped as well.
  EXPECT_EQ(SpellName(303), "#303");
}

TEST_F(GameTablesTest, CaravanValueMatchesBothKeysAndAnswersNineOtherwise) {
  EXPECT_EQ(CaravanValue(0, 0), 9);  // empty table
  LoadCaravanTable("100 50 3 anything after V\n100 51 7\n");
  EXPECT_EQ(Tables().CaravanCount, 2);
  EXPECT_EQ(CaravanValue(100, 50), 3);
  EXPECT_EQ(CaravanValue(100, 51), 7);
  EXPECT_EQ(CaravanValue(51, 100), 9);
}

TEST_F(GameTablesTest, ExcessLinesBeyondTheCapacityAreIgnored) {
  std::string file;
  for (int i = 1; i <= 10500; ++i) file += std::to_string(i) + " Karakter" + std::to_string(i) + "\r\n";
  LoadCharacterTable(file);
  EXPECT_EQ(Tables().CharacterCount, kCharacterCapacity);
  EXPECT_EQ(CharacterName(9999), "Karakter9999");
  EXPECT_EQ(CharacterName(10000), "#10000");

  std::string caravans;
  for (int i = 1; i <= 300; ++i) caravans += std::to_string(i) + " 1 2\n";
  LoadCaravanTable(caravans);
  EXPECT_EQ(Tables().CaravanCount, kCaravanCapacity);
}

// The tables take memory for the records they are given: any other index up to
// the capacity reads as an empty record, and none lies beyond it.
TEST_F(GameTablesTest, IndexesWithoutARecordReadEmptyAndNoneLiesBeyondTheCapacity) {
  LoadItemTable("5 1 10 20 30 40 Kard\n");
  const GameTables& t = Tables();
  EXPECT_EQ(t.ItemTable[1].Name, "Kard");
  for (const std::size_t i : {std::size_t{0}, std::size_t{2}, std::size_t{kItemCapacity}}) {
    EXPECT_EQ(t.ItemTable[i].Id, 0) << i;
    EXPECT_EQ(t.ItemTable[i].Name, "") << i;
    EXPECT_EQ(t.SpellTable[i].Kind, '\0') << i;
  }
  Tables().ItemTable[kItemCapacity].Id = 77;
  EXPECT_EQ(t.ItemTable[kItemCapacity].Id, 77);
  EXPECT_THROW(Tables().ItemTable[kItemCapacity + 1], std::out_of_range);
  EXPECT_THROW(Tables().CaravanTable[kCaravanCapacity + 1], std::out_of_range);
}

TEST_F(GameTablesTest, BinaryJunkNeverOverrunsATable) {
  std::string junk;
  unsigned state = 12345;
  for (int i = 0; i < 200000; ++i) {
    state = state * 1103515245u + 12345u;
    junk += static_cast<char>((state >> 16) & 0xFF);
  }
  LoadItemTable(junk);
  LoadSpellTable(junk);
  LoadCaravanTable(junk);
  EXPECT_LE(Tables().ItemCount, kItemCapacity);
  EXPECT_LE(Tables().SpellCount, kSpellCapacity);
  EXPECT_LE(Tables().CaravanCount, kCaravanCapacity);
  for (int i = 1; i <= Tables().ItemCount; ++i) EXPECT_LE(Tables().ItemTable[i].Name.size(), kTableNameLength);
}

TEST_F(GameTablesTest, LoadsFromTheGivenFolderWhateverTheCaseOfTheNames) {
  testing::TempDir dir;
  dir.Write("item.txt", "17 1 120 30 0 0 Ij\r\n");
  dir.Write("Karakter.TXT", "1001 Aldor\r\n");
  dir.Write("SPELL.TXT", "301 H 40 10 3 Villam\r\n");
  LoadGameDataFiles(dir.path());
  EXPECT_EQ(ItemName(17), "Ij");
  EXPECT_EQ(CharacterName(1001), "Aldor");
  EXPECT_EQ(SpellKind(301), 'H');
  EXPECT_EQ(Tables().MonsterCount, 0);  // MONSTER.TXT is missing: empty, no message
  dir.Write("MONSTER.TXT", "");
  LoadGameDataFiles(dir.path());
  EXPECT_EQ(Tables().MonsterCount, 1);  // an empty file reads one empty record

  // A file that has gone since the last load leaves its table empty.
  testing::TempDir other;
  other.Write("ITEM.TXT", "18 0 0 0 0 0 Masik\n");
  LoadGameDataFiles(other.path());
  EXPECT_EQ(ItemName(18), "Masik");
  EXPECT_EQ(ItemName(17), "#17");
  EXPECT_EQ(CharacterName(1001), "#1001");
}

}  // namespace
}  // namespace vorda
