// The six game tables read from any bytes, then looked up. Input: ITEM.TXT,
// KARAVAN.TXT, RECEPT.TXT, KARAKTER.TXT, MONSTER.TXT and SPELL.TXT, in this
// order, separated by the byte 1Eh.
#include <algorithm>
#include <cstdint>
#include <string>

#include "data/game_tables.h"
#include "fuzz_support.h"

namespace {

using namespace vorda;

// The first record with `id` among the first `count`, 0 if none.
template <typename Table>
int FirstWith(const Table& table, int count, std::int32_t id) {
  for (int i = 1; i <= count; ++i)
    if (table[static_cast<std::size_t>(i)].Id == id) return i;
  return 0;
}

// A name lookup's answer: " " for 0, the first record's name, or "#" and the number.
template <typename Table>
std::string ExpectedName(const Table& table, int count, std::int32_t id) {
  if (id == 0) return " ";
  const int i = FirstWith(table, count, id);
  return i == 0 ? "#" + std::to_string(id) : table[static_cast<std::size_t>(i)].Name;
}

template <typename Table>
void CheckNames(const Table& table, int count) {
  for (int i = 1; i <= count; ++i) {
    const std::string& name = table[static_cast<std::size_t>(i)].Name;
    FUZZ_CHECK(name.size() <= kTableNameLength);
    FUZZ_CHECK(name.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(name.empty() || name.front() != ' ');
  }
}

// Every lookup of `id` against a plain scan of the tables.
void CheckLookups(std::int32_t id) {
  const GameTables& t = Tables();
  FUZZ_CHECK(ItemName(id) == ExpectedName(t.ItemTable, t.ItemCount, id));
  const int item = id == 0 ? 0 : FirstWith(t.ItemTable, t.ItemCount, id);
  FUZZ_CHECK(t.LastFoundIndex == item);
  FUZZ_CHECK(ItemKind(id) == (item == 0 ? 0 : t.ItemTable[static_cast<std::size_t>(item)].Kind));
  FUZZ_CHECK(ItemCost(id) == (item == 0 ? 0 : t.ItemTable[static_cast<std::size_t>(item)].W1));
  FUZZ_CHECK(RecipeName(id) == ExpectedName(t.RecipeTable, t.RecipeCount, id));
  const int recipe = id == 0 ? 0 : FirstWith(t.RecipeTable, t.RecipeCount, id);
  FUZZ_CHECK(t.LastFoundIndex == recipe);
  FUZZ_CHECK(RecipeCost(id) == (recipe == 0 ? 0 : t.RecipeTable[static_cast<std::size_t>(recipe)].W1));
  FUZZ_CHECK(CharacterName(id) == ExpectedName(t.CharacterTable, t.CharacterCount, id));
  FUZZ_CHECK(MonsterName(id) == ExpectedName(t.MonsterTable, t.MonsterCount, id));
  FUZZ_CHECK(SpellName(id) == ExpectedName(t.SpellTable, t.SpellCount, id));
  const int spell = id == 0 ? 0 : FirstWith(t.SpellTable, t.SpellCount, id);
  const TSpellRecord* s = spell == 0 ? nullptr : &t.SpellTable[static_cast<std::size_t>(spell)];
  FUZZ_CHECK(SpellKind(id) == (s ? s->Kind : '\0'));
  FUZZ_CHECK(SpellValue1(id) == (s ? s->N1 : 0));
  FUZZ_CHECK(SpellValue2(id) == (s ? s->N2 : 0));
  FUZZ_CHECK(SpellCost(id) == (s ? s->N3 : 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const auto files = fuzz::SplitParts(input, 6);
  LoadItemTable(files[0]);
  LoadCaravanTable(files[1]);
  LoadRecipeTable(files[2]);
  LoadCharacterTable(files[3]);
  LoadMonsterTable(files[4]);
  LoadSpellTable(files[5]);

  const GameTables& t = Tables();
  FUZZ_CHECK(t.ItemCount >= 0 && t.ItemCount <= kItemCapacity);
  FUZZ_CHECK(t.CaravanCount >= 0 && t.CaravanCount <= kCaravanCapacity);
  FUZZ_CHECK(t.RecipeCount >= 0 && t.RecipeCount <= kRecipeCapacity);
  FUZZ_CHECK(t.CharacterCount >= 0 && t.CharacterCount <= kCharacterCapacity);
  FUZZ_CHECK(t.MonsterCount >= 0 && t.MonsterCount <= kMonsterCapacity);
  FUZZ_CHECK(t.SpellCount >= 0 && t.SpellCount <= kSpellCapacity);
  CheckNames(t.ItemTable, t.ItemCount);
  CheckNames(t.RecipeTable, t.RecipeCount);
  CheckNames(t.CharacterTable, t.CharacterCount);
  CheckNames(t.MonsterTable, t.MonsterCount);
  CheckNames(t.SpellTable, t.SpellCount);

  // The numbers the files hold, and some that no table may hold.
  for (const std::int32_t id : {0, -1, 1, 2147483647, -2147483647 - 1}) CheckLookups(id);
  for (int i = 1; i <= std::min(t.ItemCount, 50); ++i) CheckLookups(t.ItemTable[static_cast<std::size_t>(i)].Id);
  for (int i = 1; i <= std::min(t.SpellCount, 50); ++i) CheckLookups(t.SpellTable[static_cast<std::size_t>(i)].Id);
  for (int i = 1; i <= std::min(t.CharacterCount, 20); ++i)
    CheckLookups(t.CharacterTable[static_cast<std::size_t>(i)].Id);
  for (int i = 1; i <= std::min(t.CaravanCount, 50); ++i) {
    const TCaravanRecord& row = t.CaravanTable[static_cast<std::size_t>(i)];
    std::uint16_t expected = 9;
    for (int k = 1; k <= t.CaravanCount; ++k) {
      const TCaravanRecord& r = t.CaravanTable[static_cast<std::size_t>(k)];
      if (r.A == row.A && r.B == row.B) {
        expected = r.V;
        break;
      }
    }
    FUZZ_CHECK(CaravanValue(row.A, row.B) == expected);
  }
  return 0;
}
