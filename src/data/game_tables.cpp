#include "data/game_tables.h"

#include <algorithm>
#include <memory>

#include "data/field_reader.h"
#include "data/text.h"
#include "platform/files.h"

namespace vorda {

namespace {

std::unique_ptr<GameTables> g_tables = std::make_unique<GameTables>();

// The name is the rest of the line from the character right after the last
// number: the separating blank counts among its 20 characters.
std::string ReadName(FieldReader& in) {
  std::string name = CwiToWin1250(in.ReadText(kTableNameLength));
  const auto first = name.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : name.substr(first);
}

// One record a line: the count grows by one for each line, a line with a bad
// number gives its slot back, and reading stops at the end of the data or when
// the table is full.
template <typename Record, int Capacity, typename ReadRecord>
void LoadTable(std::string_view bytes, FixedTable<Record, Capacity>& table, std::int32_t& count, ReadRecord read) {
  constexpr std::int32_t capacity = Capacity;
  count = 0;
  // At most one record a line: room for them all at once, up to the capacity.
  if (!table.RoomForAll()) {
    const auto lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    table.Reserve(std::min(lines, static_cast<std::size_t>(capacity)));
  }
  FieldReader in(bytes);
  while (true) {
    ++count;
    Record rec{};
    const bool ok = read(in, rec);
    in.SkipLine();
    if (ok)
      table[static_cast<std::size_t>(count)] = std::move(rec);
    else
      --count;
    if (in.Eof() || count >= capacity) break;
  }
}

// The index of the first of records 1..count with `id`, 0 when none has it.
template <typename Table>
int FindFirst(const Table& table, std::int32_t count, std::int32_t id) {
  const auto stored = table.Stored(count);
  for (std::size_t i = 0; i < stored.size(); ++i)
    if (stored[i].Id == id) return static_cast<int>(i) + 1;
  // Records past the stored ones are empty: their Id is 0.
  if (id == 0 && count > static_cast<std::int32_t>(stored.size())) return static_cast<int>(stored.size()) + 1;
  return 0;
}

std::string Missing(std::int32_t id) { return "#" + std::to_string(id); }

template <typename Table>
std::string NameOf(const Table& table, std::int32_t count, std::int32_t id) {
  if (id == 0) return " ";
  const int i = FindFirst(table, count, id);
  return i == 0 ? Missing(id) : table[static_cast<std::size_t>(i)].Name;
}

const TSpellRecord* FindSpell(std::int32_t id) {
  if (id == 0) return nullptr;
  const auto& t = Tables();
  const int i = FindFirst(t.SpellTable, t.SpellCount, id);
  return i == 0 ? nullptr : &t.SpellTable[static_cast<std::size_t>(i)];
}

// A file that cannot be opened leaves its table empty; an empty file that can
// be opened still reads one (empty) record, like any file ending in blank lines.
void LoadFile(const std::string& dir, const char* name, void (*load)(std::string_view), std::int32_t GameTables::*count) {
  const std::string path = FindFileNoCase(dir, name);
  const auto bytes = path.empty() ? std::nullopt : ReadWholeFile(path);
  if (bytes)
    load(*bytes);
  else
    Tables().*count = 0;
}

}  // namespace

GameTables& Tables() { return *g_tables; }

void ResetGameTables() { g_tables = std::make_unique<GameTables>(); }

void LoadItemTable(std::string_view bytes) {
  auto& t = Tables();
  LoadTable(bytes, t.ItemTable, t.ItemCount, [](FieldReader& in, TItemRecord& r) {
    std::int32_t id, kind, w1, w2, w3, w4;
    bool ok = in.ReadNumber(id);
    ok = ok && in.ReadNumber(kind);
    ok = ok && in.ReadNumber(w1);
    ok = ok && in.ReadNumber(w2);
    ok = ok && in.ReadNumber(w3);
    ok = ok && in.ReadNumber(w4);
    if (!ok) return false;
    // Numbers are kept to the field's width, as the operator's files expect.
    r.Id = id;
    r.Kind = static_cast<std::uint8_t>(kind);
    r.W1 = static_cast<std::uint16_t>(w1);
    r.W2 = static_cast<std::uint16_t>(w2);
    r.W3 = static_cast<std::uint16_t>(w3);
    r.W4 = static_cast<std::uint16_t>(w4);
    r.Name = ReadName(in);
    return true;
  });
}

void LoadCaravanTable(std::string_view bytes) {
  auto& t = Tables();
  LoadTable(bytes, t.CaravanTable, t.CaravanCount, [](FieldReader& in, TCaravanRecord& r) {
    std::int32_t a, b, v;
    if (!(in.ReadNumber(a) && in.ReadNumber(b) && in.ReadNumber(v))) return false;
    r.A = a;
    r.B = b;
    r.V = static_cast<std::uint16_t>(v);
    return true;
  });
}

void LoadRecipeTable(std::string_view bytes) {
  auto& t = Tables();
  LoadTable(bytes, t.RecipeTable, t.RecipeCount, [](FieldReader& in, TItemRecord& r) {
    std::int32_t id, cost;
    if (!(in.ReadNumber(id) && in.ReadNumber(cost))) return false;
    r.Id = id;
    r.W1 = static_cast<std::uint16_t>(cost);
    r.Name = ReadName(in);
    return true;
  });
}

static bool ReadNamed(FieldReader& in, TNamedRecord& r) {
  std::int32_t id;
  if (!in.ReadNumber(id)) return false;
  r.Id = id;
  r.Name = ReadName(in);
  return true;
}

void LoadCharacterTable(std::string_view bytes) {
  auto& t = Tables();
  LoadTable(bytes, t.CharacterTable, t.CharacterCount, ReadNamed);
}

void LoadMonsterTable(std::string_view bytes) {
  auto& t = Tables();
  LoadTable(bytes, t.MonsterTable, t.MonsterCount, ReadNamed);
}

void LoadSpellTable(std::string_view bytes) {
  auto& t = Tables();
  LoadTable(bytes, t.SpellTable, t.SpellCount, [](FieldReader& in, TSpellRecord& r) {
    std::int32_t id, n1, n2, n3;
    if (!in.ReadNumber(id)) return false;
    in.ReadChar();  // the separator after the Id, whatever it is
    r.Kind = in.ReadChar();
    if (!(in.ReadNumber(n1) && in.ReadNumber(n2) && in.ReadNumber(n3))) return false;
    r.Id = id;
    r.N1 = n1;
    r.N2 = n2;
    r.N3 = n3;
    r.Name = ReadName(in);
    return true;
  });
}

void LoadGameDataFiles(const std::string& dir) {
  LoadFile(dir, "ITEM.TXT", LoadItemTable, &GameTables::ItemCount);
  LoadFile(dir, "KARAVAN.TXT", LoadCaravanTable, &GameTables::CaravanCount);
  LoadFile(dir, "RECEPT.TXT", LoadRecipeTable, &GameTables::RecipeCount);
  LoadFile(dir, "KARAKTER.TXT", LoadCharacterTable, &GameTables::CharacterCount);
  LoadFile(dir, "MONSTER.TXT", LoadMonsterTable, &GameTables::MonsterCount);
  LoadFile(dir, "SPELL.TXT", LoadSpellTable, &GameTables::SpellCount);
}

std::string ItemName(std::int32_t id) {
  auto& t = Tables();
  t.LastFoundIndex = 0;
  if (id == 0) return " ";
  const int i = FindFirst(t.ItemTable, t.ItemCount, id);
  if (i == 0) return Missing(id);
  t.LastFoundIndex = static_cast<std::uint16_t>(i);
  return t.ItemTable[static_cast<std::size_t>(i)].Name;
}

std::string RecipeName(std::int32_t id) {
  auto& t = Tables();
  t.LastFoundIndex = 0;
  if (id == 0) return " ";
  const int i = FindFirst(t.RecipeTable, t.RecipeCount, id);
  if (i == 0) return Missing(id);
  t.LastFoundIndex = static_cast<std::uint16_t>(i);
  return t.RecipeTable[static_cast<std::size_t>(i)].Name;
}

std::string CharacterName(std::int32_t id) {
  const auto& t = Tables();
  return NameOf(t.CharacterTable, t.CharacterCount, id);
}

std::string MonsterName(std::int32_t id) {
  const auto& t = Tables();
  return NameOf(t.MonsterTable, t.MonsterCount, id);
}

std::string SpellName(std::int32_t id) {
  const auto& t = Tables();
  return NameOf(t.SpellTable, t.SpellCount, id);
}

std::uint8_t ItemKind(std::int32_t id) {
  auto& t = Tables();
  t.LastFoundIndex = 0;
  if (id == 0) return 0;
  const int i = FindFirst(t.ItemTable, t.ItemCount, id);
  if (i == 0) return 0;
  t.LastFoundIndex = static_cast<std::uint16_t>(i);
  return t.ItemTable[static_cast<std::size_t>(i)].Kind;
}

std::uint16_t ItemCost(std::int32_t id) {
  const auto& t = Tables();
  if (id == 0) return 0;
  const int i = FindFirst(t.ItemTable, t.ItemCount, id);
  return i == 0 ? 0 : t.ItemTable[static_cast<std::size_t>(i)].W1;
}

std::uint16_t RecipeCost(std::int32_t id) {
  const auto& t = Tables();
  if (id == 0) return 0;
  const int i = FindFirst(t.RecipeTable, t.RecipeCount, id);
  return i == 0 ? 0 : t.RecipeTable[static_cast<std::size_t>(i)].W1;
}

std::int32_t SpellValue1(std::int32_t id) {
  const auto* s = FindSpell(id);
  return s ? s->N1 : 0;
}

std::int32_t SpellValue2(std::int32_t id) {
  const auto* s = FindSpell(id);
  return s ? s->N2 : 0;
}

std::int32_t SpellCost(std::int32_t id) {
  const auto* s = FindSpell(id);
  return s ? s->N3 : 0;
}

char SpellKind(std::int32_t id) {
  const auto* s = FindSpell(id);
  return s ? s->Kind : '\0';
}

std::uint16_t CaravanValue(std::int32_t a, std::int32_t b) {
  const auto& t = Tables();
  const auto stored = t.CaravanTable.Stored(t.CaravanCount);
  for (const TCaravanRecord& r : stored)
    if (r.A == a && r.B == b) return r.V;
  // Records past the stored ones are empty: A 0, B 0, V 0.
  if (a == 0 && b == 0 && t.CaravanCount > static_cast<std::int32_t>(stored.size())) return 0;
  return 9;
}

}  // namespace vorda
