#include "editor/pick_lists.h"

#include <algorithm>

#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "editor/editor_modes.h"
#include "editor/editor_state.h"
#include "editor/line_refresh.h"
#include "editor/screen_slots.h"
#include "editor/sheet_screen.h"
#include "platform/virtual_keys.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

PickListState g_pick_list;

constexpr Color kSelectedBack = 0xFF2200;

enum ListType : int { kItems = 1, kMonsters = 2, kSpells = 3, kCharacters = 4 };

// Parameter columns as bits: column 1 = 1, column 2 = 2, column 3 = 4.
constexpr int kAny = 7;

struct FieldRule {
  std::string_view code;
  int columns;
  int list;  // a list type, or kNoList
};

// Which list a parameter of an order opens. Each code and column has at most
// one rule; "H" is decided by its P1 (below).
constexpr FieldRule kFieldRules[] = {
    // Items.
    {"A", 1, kItems},   {"AA", kAny, kItems}, {"AL", kAny, kItems}, {"D", 1, kItems},
    {"DD", kAny, kItems}, {"EA", 1, kItems}, {"EE", kAny, kItems}, {"EP", 1, kItems},
    {"F", kAny, kItems}, {"FF", kAny, kItems}, {"FKT", 1, kItems}, {"FLH", 2, kItems},
    {"FV", 1, kItems},  {"GYJ", 1, kItems},  {"GYK", 1, kItems},  {"HU", kAny, kItems},
    {"KF", 1, kItems},  {"L", 2, kItems},    {"LE", 1, kItems},   {"RM", 1 | 2, kItems},
    {"TAN", 2, kItems}, {"VE", 1, kItems},   {"ZIP", 1, kItems},  {"KT", 1, kItems},
    {"KRE", 1 | 2, kItems},
    // Monsters.
    {"FOG", 1, kMonsters}, {"ID", 1, kMonsters}, {"SZE", 1, kMonsters}, {"SZK", 1, kMonsters},
    {"SZM", 1, kMonsters}, {"TRO", kAny, kMonsters},
    // Spells.
    {"FTV", 1, kSpells}, {"TV", kAny, kSpells}, {"VTN", 1, kSpells}, {"VV", kAny, kSpells},
    {"V", 1, kSpells},   {"P", 1, kSpells},
    // Characters.
    {"A", 2, kCharacters},    {"AMT", 1, kCharacters},  {"AT", 1, kCharacters},
    {"BEAJ", 1, kCharacters}, {"BEEN", kAny, kCharacters}, {"ERKI", kAny, kCharacters},
    {"FKER", 1 | 2, kCharacters}, {"FU", 1, kCharacters}, {"KIEN", kAny, kCharacters},
    {"KOTB", 1, kCharacters}, {"KOTL", 1, kCharacters}, {"PBE", 2, kCharacters},
    // A character, a monster and an item in turn.
    {"IN", 1, kCharacters}, {"IN", 2, kMonsters}, {"IN", 4, kItems},
    // The third parameter of these is a count.
    {"RM", 4, kNoList}, {"KRE", 4, kNoList},
};

// The chooser's entries, in the order of the list types.
const std::array<std::string, 5>& ChooserEntries() {
  static const std::array<std::string, 5> entries = {
      "",
      " Tárgy lista              "_w,
      " Szörny lista             "_w,
      " Varázslat lista          "_w,
      " Karakter/KT lista        ",
  };
  return entries;
}
constexpr int kChooserY[5] = {0, 60, 73, 87, 100};

struct PickRecord {
  std::int32_t id = 0;
  std::string_view name;
};

std::int32_t TableCount(int list_type) {
  const GameTables& t = Tables();
  switch (list_type) {
    case kItems: return std::clamp(t.ItemCount, 0, kItemCapacity);
    case kMonsters: return std::clamp(t.MonsterCount, 0, kMonsterCapacity);
    case kSpells: return std::clamp(t.SpellCount, 0, kSpellCapacity);
    case kCharacters: return std::clamp(t.CharacterCount, 0, kCharacterCapacity);
    default: return 0;
  }
}

// Record `index` of the list's table; an index outside 1..count is an empty
// record (number 0, no name), so that rows beyond the count read nothing of the
// table.
PickRecord RecordAt(int list_type, std::int32_t index) {
  if (index < 1 || index > TableCount(list_type)) return {};
  const GameTables& t = Tables();
  const auto i = static_cast<std::size_t>(index);
  switch (list_type) {
    case kItems: return {t.ItemTable[i].Id, t.ItemTable[i].Name};
    case kMonsters: return {t.MonsterTable[i].Id, t.MonsterTable[i].Name};
    case kSpells: return {t.SpellTable[i].Id, t.SpellTable[i].Name};
    case kCharacters: return {t.CharacterTable[i].Id, t.CharacterTable[i].Name};
    default: return {};
  }
}

// The search character of a key of the Hungarian keyboard; 0 for a key that
// adds none. The key left of 1 (48) gives a comma here.
char SearchCharOf(std::uint16_t key) {
  if (key >= vk::LetterA && key <= vk::LetterZ) return static_cast<char>(key - vk::LetterA + 'a');
  static const struct {
    std::uint16_t key;
    std::string ch;
  } keys[] = {
      {vk::Space, " "},           {vk::Digit0, ","},           {vk::OemEacute, "é"_w},
      {vk::OemPlus, "ó"_w},       {vk::OemUdiaeresis, "ü"_w},  {vk::OemPeriod, "."},
      {vk::OemMinus, "-"},        {vk::OemOdiaeresis, "ö"_w},  {vk::OemOdblacute, "ő"_w},
      {vk::OemUdblacute, "ű"_w},  {vk::OemUacute, "ú"_w},      {vk::OemAacute, "á"_w},
      {vk::OemIacute, "í"_w},
  };
  for (const auto& k : keys)
    if (k.key == key) return k.ch.front();
  return 0;
}

bool IsSearchKey(std::uint16_t key) {
  return key == vk::Space || key == vk::Digit0 || (key >= vk::LetterA && key <= vk::LetterZ) ||
         key == vk::OemEacute || key == vk::OemPlus || (key >= vk::OemUdiaeresis && key <= vk::OemOdiaeresis) ||
         (key >= vk::OemOdblacute && key <= vk::OemAacute) || key == vk::OemIacute;
}

int RowY(int row) { return 12 * row + 53; }

void DrawRow(int row, Color back) {
  if (row < 1 || row > kPickListRows) return;
  Canvas& c = SheetCanvas();
  c.SetBrushColor(back);
  c.SetFontColor(colors::Yellow);
  c.TextOut(260, RowY(row), PadToWidth(g_pick_list.PickListRows[static_cast<std::size_t>(row)], 30));
}

void DrawSearchText() {
  Canvas& c = SheetCanvas();
  c.SetBrushColor(colors::Green);
  c.SetFontColor(colors::White);
  c.TextOut(300, 268, PadToWidth(g_pick_list.SearchText, kSearchTextLength));
}

// The search line drawn over in the box's own green.
void BlankSearchText() {
  Canvas& c = SheetCanvas();
  c.SetBrushColor(colors::Green);
  c.SetFontColor(colors::Green);
  c.TextOut(300, 268, std::string(kSearchTextLength, '_'));
}

void DrawSearchCaption() {
  Canvas& c = SheetCanvas();
  c.SetPenColor(colors::Aqua);
  c.MoveTo(250, 252);
  c.LineTo(480, 252);
  c.SetBrushColor(colors::Green);
  c.SetFontColor(kSelectedBack);
  c.TextOut(255, 255, "Keresett szöveg:"_w);
}

void DrawChooserEntry(int entry, Color back) {
  if (entry < 1 || entry > 4) return;
  Canvas& c = SheetCanvas();
  c.SetBrushColor(back);
  c.SetFontColor(colors::Yellow);
  c.TextOut(44, kChooserY[entry], ChooserEntries()[static_cast<std::size_t>(entry)]);
}

void OpenChooser() {
  SaveScreenRect(40, 55, 230, 120, 1);
  Canvas& c = SheetCanvas();
  c.SetBrushColor(colors::Green);
  c.SetPenColor(colors::Aqua);
  c.Rectangle(40, 55, 230, 120);
  for (int entry = 1; entry <= 4; ++entry) DrawChooserEntry(entry, colors::Green);
  Modes().PromptIndex = 1;
  SelectChooserEntry(1);
  Editor().EditorMode = 6;
}

// The list shows 15 records from `top` again and its selection.
void ShowFrom(std::int32_t top) {
  auto& pl = g_pick_list;
  pl.PickListTop = top;
  FillPickRows(pl.PickListType, top);
  DrawPickList(pl.PickListType);
}

void ClearSearch() {
  g_pick_list.SearchText.clear();
  BlankSearchText();
}

}  // namespace

PickListState& PickList() { return g_pick_list; }
void ResetPickList() { g_pick_list = PickListState{}; }

std::string PickListLowerCase(std::string_view s) {
  static const std::string upper = "0123456789- AÁBCDEÉFGHIÍJKLMNOÓÖŐPQRSTUÚÜŰVWXYZ"_w;
  static const std::string lower = "0123456789- aábcdeéfghiíjklmnoóöőpqrstuúüűvwxyz"_w;
  std::string out(s);
  for (char& ch : out) {
    const auto at = upper.find(ch);
    if (at != std::string::npos) ch = lower[at];
  }
  return out;
}

std::string PadToWidth(std::string_view s, std::size_t width) {
  std::string out(s);
  if (out.size() < width) out.append(width - out.size(), ' ');
  return out;
}

int PickListForField(std::string_view code, int column, std::int32_t p1) {
  if (column < 1 || column > 3) return kNoList;
  if (code == "H") {
    if (column == 1) return kItems;
    if (p1 == 341) return column == 2 ? kItems : kNoList;
    if (p1 == 265) return column == 2 ? kCharacters : kNoList;
    return kChooser;
  }
  const int bit = 1 << (column - 1);
  for (const FieldRule& rule : kFieldRules)
    if (rule.code == code && (rule.columns & bit) != 0) return rule.list;
  return kChooser;
}

void OpenPickListForField() {
  const auto& ed = Editor();
  const int line = ed.CursorCell / 10;
  const int column = ed.CursorCell % 10;
  if (line < 1 || line > kSheetLines || column < 1 || column > 3) return;
  const auto& lines = SheetModel().Lines;
  const std::string& code = lines.SheetCodes[static_cast<std::size_t>(line)];
  if (code.empty()) return;
  const int list = PickListForField(code, column, lines.SheetParams[static_cast<std::size_t>(line)][0]);
  if (list == kChooser)
    OpenChooser();
  else if (list != kNoList)
    OpenSearchList(list);
}

void SelectChooserEntry(int entry) {
  auto& index = Modes().PromptIndex;
  DrawChooserEntry(index, colors::Green);
  index = entry;
  DrawChooserEntry(index, kSelectedBack);
}

void ListChooserKey(std::uint16_t key) {
  auto& ed = Editor();
  const int entry = Modes().PromptIndex;
  switch (key) {
    case vk::Return:
      RestoreScreenRect(1);
      OpenSearchList(entry >= 1 && entry <= 4 ? entry : kItems);
      break;
    case vk::Escape:
      ed.EditorMode = 1;
      RestoreScreenRect(1);
      break;
    case vk::Up: SelectChooserEntry(entry <= 1 ? 4 : entry - 1); break;
    case vk::Down: SelectChooserEntry(entry >= 4 ? 1 : entry + 1); break;
    default: break;
  }
}

void OpenSearchList(int list_type) {
  auto& pl = g_pick_list;
  Editor().EditorMode = 7;
  pl.PickListType = static_cast<std::uint8_t>(list_type);
  pl.SearchText.clear();
  pl.PickListTop = 1;
  pl.PickListSelection = 1;

  SaveScreenRect(250, 55, 480, 285, 2);
  Canvas& c = SheetCanvas();
  c.SetBrushColor(colors::Green);
  c.SetPenColor(colors::Aqua);
  c.Rectangle(250, 55, 480, 285);
  DrawSearchCaption();

  FillPickRows(list_type, 1);
  DrawPickList(list_type);
  SelectPickRow(1);
}

void FillPickRows(int list_type, std::int32_t top) {
  auto& pl = g_pick_list;
  for (int row = 1; row <= kPickListRows; ++row) {
    const PickRecord r = RecordAt(list_type, top + row - 1);
    std::string text = IntToStrRight(r.id, 3) + ". " + std::string(r.name);
    if (text.size() > kPickRowLength) text.resize(kPickRowLength);
    pl.PickListRows[static_cast<std::size_t>(row)] = std::move(text);
    pl.PickListNumbers[static_cast<std::size_t>(row)] = r.id;
  }
}

void DrawPickList(int list_type) {
  g_pick_list.PickListCount = TableCount(list_type);
  SheetCanvas().SetBrushColor(colors::Green);
  FillSheetRect(251, 56, 479, 284);
  DrawSearchCaption();
  BlankSearchText();
  for (int row = 1; row <= kPickListRows; ++row) DrawRow(row, colors::Green);
}

void SelectPickRow(int row) {
  auto& pl = g_pick_list;
  DrawRow(pl.PickListSelection, colors::Green);
  pl.PickListSelection = static_cast<std::uint8_t>(std::clamp(row, 1, kPickListRows));
  DrawRow(pl.PickListSelection, kSelectedBack);
}

void SearchListAddKey(std::uint16_t key, int list_type) {
  auto& pl = g_pick_list;
  const char ch = SearchCharOf(key);
  bool appended = false;
  if (ch != 0 && pl.SearchText.size() < kSearchTextLength) {
    pl.SearchText += ch;
    appended = true;
  }
  pl.PickListCount = TableCount(list_type);

  std::int32_t match = 0;
  for (std::int32_t i = 1; i <= pl.PickListCount && match == 0; ++i)
    if (PickListLowerCase(RecordAt(list_type, i).name).starts_with(pl.SearchText)) match = i;
  if (match == 0) {
    // A character that would match nothing is dropped; the list stays.
    if (appended) pl.SearchText.pop_back();
    return;
  }
  pl.SearchMatch = match;
  const std::int32_t top = std::max(1, std::min(match, pl.PickListCount - (kPickListRows - 1)));
  // The rows are drawn again only when the top moved, but the match is always
  // the one selected, so that Enter writes the record that was found.
  if (top != pl.PickListTop) ShowFrom(top);
  SelectPickRow(match - top + 1);
  pl.LastSearchTop = top;
  DrawSearchText();
}

void SearchListKey(std::uint16_t key) {
  auto& ed = Editor();
  auto& pl = g_pick_list;
  const int selection = pl.PickListSelection;
  const std::int32_t last_top = std::max(1, pl.PickListCount - (kPickListRows - 1));

  switch (key) {
    case vk::Return: {
      const int line = ed.CursorCell / 10;
      const int column = ed.CursorCell % 10;
      ed.SheetModified = true;
      const bool on_field = line >= 1 && line <= kSheetLines && column >= 1 && column <= 3;
      if (on_field)
        SheetModel().Lines.SheetParams[static_cast<std::size_t>(line)][static_cast<std::size_t>(column - 1)] =
            pl.PickListNumbers[static_cast<std::size_t>(selection)];
      ed.EditorMode = 1;
      RestoreScreenRect(2);
      MoveCursor(ed.CursorCell);
      if (on_field) RefreshLineView(line);
      return;
    }
    case vk::Escape:
      ed.EditorMode = 1;
      RestoreScreenRect(2);
      return;
    case vk::Back:
      if (!pl.SearchText.empty()) pl.SearchText.pop_back();
      if (!pl.SearchText.empty()) SearchListAddKey(0, pl.PickListType);
      DrawSearchText();
      return;
    case vk::Prior:
      if (selection == 1) ShowFrom(pl.PickListTop - kPickListRows >= 1 ? pl.PickListTop - kPickListRows : 1);
      SelectPickRow(1);
      break;
    case vk::Next:
      if (selection == kPickListRows) ShowFrom(std::min(pl.PickListTop + kPickListRows, last_top));
      SelectPickRow(kPickListRows);
      break;
    case vk::Up:
      // At the top of the table the first row stays selected.
      if (selection > 1) {
        SelectPickRow(selection - 1);
      } else if (pl.PickListTop > 1) {
        ShowFrom(pl.PickListTop - 1);
        SelectPickRow(1);
      }
      break;
    case vk::Down:
      // At the end of the table the last row stays selected.
      if (selection < kPickListRows) {
        SelectPickRow(selection + 1);
      } else if (pl.PickListTop < pl.PickListCount - (kPickListRows - 1)) {
        ShowFrom(pl.PickListTop + 1);
        SelectPickRow(kPickListRows);
      }
      break;
    default:
      if (IsSearchKey(key)) SearchListAddKey(key, pl.PickListType);
      return;
  }
  ClearSearch();
}

}  // namespace vorda
