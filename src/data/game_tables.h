#pragma once
// The game operator's six reference tables (items, caravan drift, recipes,
// characters, monsters, spells), loaded from their text files into tables of
// fixed capacity and looked up by number, first match.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vorda {

struct TItemRecord {
  std::int32_t Id = 0;
  std::uint8_t Kind = 0;  // 1 marks a ranged weapon
  std::uint16_t W1 = 0;   // cost used by the cost calculator (a recipe's cost)
  std::uint16_t W2 = 0;   // unit price of a sale
  std::uint16_t W3 = 0;   // unit price of a purchase
  std::uint16_t W4 = 0;
  std::string Name;       // at most 20 bytes, Windows-1250
};

struct TCaravanRecord {
  std::int32_t A = 0;
  std::int32_t B = 0;
  std::uint16_t V = 0;  // drift direction 1..8
};

struct TNamedRecord {
  std::int32_t Id = 0;
  std::string Name;
};

struct TSpellRecord {
  std::int32_t Id = 0;
  std::string Name;
  char Kind = '\0';  // 'P' psionic ability, 'H' attack or defence spell, 'V' spell
  std::int32_t N1 = 0;  // TVP cost
  std::int32_t N2 = 0;  // VP or PP cost
  std::int32_t N3 = 0;  // learning cost
};

inline constexpr int kItemCapacity = 5000;
inline constexpr int kCaravanCapacity = 250;
inline constexpr int kRecipeCapacity = 300;
inline constexpr int kCharacterCapacity = 9999;
inline constexpr int kMonsterCapacity = 5000;
inline constexpr int kSpellCapacity = 2000;
inline constexpr std::size_t kTableNameLength = 20;

// A table of records 1..Capacity (index 0 is never used) that takes memory
// only for the records it was given: an index up to the capacity that holds
// none reads as an empty record, as in a table of the full size.
template <typename Record, int Capacity>
class FixedTable {
 public:
  static constexpr int kCapacity = Capacity;

  const Record& operator[](std::size_t index) const { return index < records_.size() ? records_[index] : kEmpty; }
  // The record at `index` (at most the capacity), made room for when needed.
  Record& operator[](std::size_t index) {
    if (index > static_cast<std::size_t>(Capacity)) throw std::out_of_range("game table index past its capacity");
    if (index >= records_.size()) records_.resize(index + 1);
    return records_[index];
  }
  // Room for the records 1..count at once.
  void Reserve(std::size_t count) { records_.reserve(count + 1); }
  // Whether there is room for every record up to the capacity already.
  bool RoomForAll() const { return records_.capacity() > static_cast<std::size_t>(Capacity); }
  // The records 1..count that are stored, in one piece for a quick scan (the
  // records past them read as empty ones).
  std::span<const Record> Stored(std::int32_t count) const {
    if (count <= 0 || records_.size() <= 1) return {};
    return std::span<const Record>(records_).subspan(1, std::min(static_cast<std::size_t>(count), records_.size() - 1));
  }

 private:
  static inline const Record kEmpty{};
  std::vector<Record> records_;
};

struct GameTables {
  FixedTable<TItemRecord, kItemCapacity> ItemTable;
  FixedTable<TCaravanRecord, kCaravanCapacity> CaravanTable;
  FixedTable<TItemRecord, kRecipeCapacity> RecipeTable;  // Id, W1 (cost), Name
  FixedTable<TNamedRecord, kCharacterCapacity> CharacterTable;
  FixedTable<TNamedRecord, kMonsterCapacity> MonsterTable;
  FixedTable<TSpellRecord, kSpellCapacity> SpellTable;
  std::int32_t ItemCount = 0;
  std::int32_t CaravanCount = 0;
  std::int32_t RecipeCount = 0;
  std::int32_t CharacterCount = 0;
  std::int32_t MonsterCount = 0;
  std::int32_t SpellCount = 0;
  // Index of the record found by the last ItemName, RecipeName or ItemKind
  // (into RecipeTable after RecipeName); 0 when that call found nothing.
  std::uint16_t LastFoundIndex = 0;
};

GameTables& Tables();
// Empties every table (counts 0, records cleared) for a fresh start in tests.
void ResetGameTables();

// (Re)loads the six tables from `dir`, in the order ITEM, KARAVAN, RECEPT,
// KARAKTER, MONSTER, SPELL. A missing or unreadable file leaves its table empty;
// a line whose numbers cannot be read is dropped; lines beyond a table's
// capacity are ignored. Nothing is reported.
void LoadGameDataFiles(const std::string& dir);

// The loaders of single files, from bytes (used by LoadGameDataFiles and tests).
void LoadItemTable(std::string_view bytes);
void LoadCaravanTable(std::string_view bytes);
void LoadRecipeTable(std::string_view bytes);
void LoadCharacterTable(std::string_view bytes);
void LoadMonsterTable(std::string_view bytes);
void LoadSpellTable(std::string_view bytes);

// Name lookups: " " for Id 0, "#" and the Id when no record has it.
std::string ItemName(std::int32_t id);
std::string RecipeName(std::int32_t id);
std::string CharacterName(std::int32_t id);
std::string MonsterName(std::int32_t id);
std::string SpellName(std::int32_t id);

// Value lookups: 0 (character code 0 for SpellKind) for Id 0 or no match.
std::uint8_t ItemKind(std::int32_t id);
std::uint16_t ItemCost(std::int32_t id);
std::uint16_t RecipeCost(std::int32_t id);
std::int32_t SpellValue1(std::int32_t id);
std::int32_t SpellValue2(std::int32_t id);
std::int32_t SpellCost(std::int32_t id);
char SpellKind(std::int32_t id);

// V of the caravan row whose A and B both match; 9 when none does.
std::uint16_t CaravanValue(std::int32_t a, std::int32_t b);

}  // namespace vorda
