#include "editor/pick_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "data/game_tables.h"
#include "editor/screen_fixture.h"
#include "platform/win1250.h"

namespace vorda {
namespace {

using Op = RecordingCanvas::Op;

class PickListsTest : public testing::ScreenFixture {
 protected:
  static void At(int cell) { Editor().CursorCell = static_cast<std::uint16_t>(cell); }

  // An invented item table of `count` records: numbers 1001 and up, names
  // "Tárgy <n>" except those set by the test.
  static void Items(int count) {
    auto& t = Tables();
    t.ItemCount = count;
    for (int i = 1; i <= count; ++i) {
      t.ItemTable[static_cast<std::size_t>(i)].Id = 1000 + i;
      t.ItemTable[static_cast<std::size_t>(i)].Name = "Tárgy "_w + std::to_string(i);
    }
  }
  static void ItemName(int index, const std::string& name) { Tables().ItemTable[static_cast<std::size_t>(index)].Name = name; }

  // An item list opened on P1 of an "A" line 2.
  static void OpenItems() {
    SetLine(2, "A", 0);
    At(21);
    Press(vk::Multiply);
    ASSERT_EQ(Editor().EditorMode, 7);
  }
  static std::int32_t SelectedNumber() {
    const auto& pl = PickList();
    return pl.PickListNumbers[pl.PickListSelection];
  }
  // The text of the row drawn selected last, without its padding.
  std::string SelectedRowDrawn() const {
    std::string found;
    for (const auto& e : canvas.Entries())
      if (e.op == Op::Text && e.x1 == 260 && e.brush == 0xFF2200) found = e.text;
    while (!found.empty() && found.back() == ' ') found.pop_back();
    return found;
  }
};

TEST_F(PickListsTest, WhichListAFieldOpens) {
  constexpr int I = 1, M = 2, S = 3, C = 4, none = kNoList, choose = kChooser;
  const struct {
    const char* code;
    std::int32_t p1;
    int lists[3];  // columns 1, 2, 3
  } cases[] = {
      {"A", 0, {I, C, choose}},    {"AA", 0, {I, I, I}},        {"IN", 0, {C, M, I}},
      {"RM", 0, {I, I, none}},     {"KRE", 0, {I, I, none}},    {"H", 341, {I, I, none}},
      {"H", 265, {I, C, none}},    {"H", 100, {I, choose, choose}}, {"FLH", 0, {choose, I, choose}},
      {"TRO", 0, {M, M, M}},       {"V", 163, {S, choose, choose}}, {"PBE", 0, {choose, C, choose}},
      {"FKER", 0, {C, C, choose}}, {"KT", 0, {I, choose, choose}}, {"a", 0, {choose, choose, choose}},
      {"XYZ", 0, {choose, choose, choose}},
  };
  for (const auto& c : cases)
    for (int column = 1; column <= 3; ++column)
      EXPECT_EQ(PickListForField(c.code, column, c.p1), c.lists[column - 1]) << c.code << " P" << column;
}

TEST_F(PickListsTest, NumpadStarOpensTheListTheChooserOrNothing) {
  Items(100);
  const struct {
    const char* code;
    std::int32_t p1;
    int cell;
    std::uint8_t mode;
    std::uint8_t type;
  } cases[] = {
      {"IN", 0, 31, 7, 4}, {"IN", 0, 32, 7, 2}, {"IN", 0, 33, 7, 1}, {"A", 0, 33, 6, 0},
      {"RM", 0, 33, 1, 0}, {"H", 265, 33, 1, 0}, {"A", 0, 30, 1, 0}, {"", 0, 31, 1, 0},
  };
  for (const auto& c : cases) {
    Editor().EditorMode = 1;
    PickList().PickListType = 0;
    SetLine(3, c.code, c.p1);
    At(c.cell);
    Press(vk::Multiply);
    EXPECT_EQ(Editor().EditorMode, c.mode) << c.code << " " << c.cell;
    if (c.type) {
      EXPECT_EQ(PickList().PickListType, c.type) << c.code << " " << c.cell;
    }
  }
}

TEST_F(PickListsTest, ChooserPicksAListAndPutsItsSlotBack) {
  Items(100);
  Tables().SpellCount = 3;
  Tables().SpellTable[2] = {77, "Tűzgolyó"_w, 'V', 0, 0, 0};
  SetLine(4, "XYZ");
  At(41);
  Press(vk::Multiply);
  ASSERT_EQ(Editor().EditorMode, 6);
  EXPECT_EQ(Modes().PromptIndex, 1);
  Type({vk::Up, vk::Up});  // 1 -> 4 -> 3
  EXPECT_EQ(Modes().PromptIndex, 3);
  Type({vk::Down, vk::Down, vk::Down, vk::Up});  // 4, 1, 2, then 1
  EXPECT_EQ(Modes().PromptIndex, 1);
  Type({vk::Up, vk::Up});
  Press(vk::Return);
  EXPECT_EQ(Editor().EditorMode, 7);
  EXPECT_EQ(PickList().PickListType, 3);
  Type({vk::Down, vk::Return});
  EXPECT_EQ(Params(4)[0], 77);
  EXPECT_EQ(Editor().EditorMode, 1);

  // Slot 1 under the chooser, slot 2 under the list, each put back as taken.
  ASSERT_EQ(store.calls.size(), 4u);
  EXPECT_TRUE(store.calls[0].save);
  EXPECT_EQ(store.calls[0].slot, 1);
  EXPECT_EQ(store.calls[0].rect, (ScreenRect{40, 55, 230, 120}));
  EXPECT_FALSE(store.calls[1].save);
  EXPECT_EQ(store.calls[1].slot, 1);
  EXPECT_TRUE(store.calls[2].save);
  EXPECT_EQ(store.calls[2].rect, (ScreenRect{250, 55, 480, 285}));
  EXPECT_FALSE(store.calls[3].save);
  EXPECT_EQ(store.calls[3].slot, 2);

  // Esc in the chooser closes it and writes nothing.
  At(42);
  Press(vk::Multiply);
  Press(vk::Escape);
  EXPECT_EQ(Editor().EditorMode, 1);
  EXPECT_EQ(Params(4)[1], 0);
  EXPECT_FALSE(store.calls.back().save);
  EXPECT_EQ(store.calls.back().slot, 1);
}

TEST_F(PickListsTest, RowsShowNumberAndNameCutTo25) {
  Items(100);
  ItemName(1, "Hosszú nevű varázstárgy"_w);
  OpenItems();
  const auto& pl = PickList();
  EXPECT_EQ(pl.PickListRows[1], "1001. Hosszú nevű varázst"_w);
  EXPECT_EQ(pl.PickListRows[15], "1015. Tárgy 15"_w);
  EXPECT_EQ(pl.PickListNumbers[15], 1015);
  const auto* row = LastTextAt(260, 65);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->text.size(), 30u);
  EXPECT_EQ(row->brush, 0xFF2200u);  // row 1 selected
  EXPECT_EQ(LastTextAt(255, 255)->text, "Keresett szöveg:"_w);
}

TEST_F(PickListsTest, TypedLettersFindTheFirstNameInAnyCase) {
  Items(5000);
  ItemName(1200, "kardhüvely");
  ItemName(2000, "KARD"_w);
  ItemName(3000, "Ásó"_w);
  ItemName(4990, "ÁSÓNYÉL"_w);
  ItemName(4991, "Zöld, sárga"_w);
  OpenItems();
  Type({'K', 'A', 'R', 'D'});
  EXPECT_EQ(PickList().SearchText, "kard");
  EXPECT_EQ(PickList().SearchMatch, 1200);
  EXPECT_EQ(SelectedNumber(), 2200);
  Press('H');  // "kardh": still the sheath
  EXPECT_EQ(PickList().SearchMatch, 1200);
  Press('X');  // "kardhx" matches nothing: the x is dropped, the list stays
  EXPECT_EQ(PickList().SearchText, "kardh");
  EXPECT_EQ(PickList().PickListTop, 1200);
  EXPECT_EQ(LastTextAt(300, 268)->text, "kardh               ");

  // Backspace to "kar", then on to "kard" again.
  Type({vk::Back, vk::Back});
  EXPECT_EQ(PickList().SearchText, "kar");
  Type({vk::Back, vk::Back, vk::Back});
  EXPECT_EQ(PickList().SearchText, "");

  // The key of á matches a capital Á; near the table's end the top stops at
  // count - 14.
  Type({vk::OemAacute, 'S', vk::OemPlus, 'N'});
  EXPECT_EQ(PickList().SearchText, "ásón"_w);
  EXPECT_EQ(PickList().SearchMatch, 4990);
  EXPECT_EQ(PickList().PickListTop, 4986);
  EXPECT_EQ(PickList().PickListSelection, 5);
  EXPECT_EQ(SelectedRowDrawn(), "5990. ÁSÓNYÉL"_w);

  // Key 48 types a comma, key 32 a blank.
  Type({vk::Escape});
  OpenItems();
  Type({'Z', vk::OemOdiaeresis, 'L', 'D', vk::Digit0, vk::Space, 'S'});
  EXPECT_EQ(PickList().SearchText, "zöld, s"_w);
  EXPECT_EQ(PickList().SearchMatch, 4991);
  // The digits 1..9 add nothing.
  Press('5');
  EXPECT_EQ(PickList().SearchText, "zöld, s"_w);
}

TEST_F(PickListsTest, SearchTextHoldsAtMost20Characters) {
  Items(100);
  ItemName(50, "aaaaaaaaaaaaaaaaaaaaaaaa");
  OpenItems();
  for (int i = 0; i < 24; ++i) Press('A');
  EXPECT_EQ(PickList().SearchText, std::string(20, 'a'));
  EXPECT_EQ(PickList().SearchMatch, 50);
}

TEST_F(PickListsTest, MatchAt95Of100AndPaging) {
  Items(100);
  ItemName(95, "Zsák");
  OpenItems();
  Press('Z');
  EXPECT_EQ(PickList().PickListTop, 86);
  EXPECT_EQ(PickList().PickListSelection, 10);
  EXPECT_EQ(PickList().PickListRows[1], "1086. Tárgy 86"_w);

  // Page Down from row 15 at top 80 goes to top 86; the first Page Down only
  // selects row 15.
  Press(vk::Escape);
  OpenItems();
  PickList().PickListTop = 80;
  Press(vk::Next);
  EXPECT_EQ(PickList().PickListTop, 80);
  EXPECT_EQ(PickList().PickListSelection, 15);
  Press(vk::Next);
  EXPECT_EQ(PickList().PickListTop, 86);
  EXPECT_EQ(PickList().PickListNumbers[15], 1100);
}

TEST_F(PickListsTest, PagingAndLineScrolling) {
  Items(100);
  OpenItems();
  auto& pl = PickList();
  const struct {
    std::uint16_t key;
    std::int32_t top;
    int row;
  } steps[] = {
      {vk::Up, 1, 1},       // the first row of the table: nothing (not row 0)
      {vk::Prior, 1, 1},    {vk::Next, 1, 15},   {vk::Next, 16, 15},   {vk::Next, 31, 15},
      {vk::Down, 32, 15},   {vk::Next, 47, 15},  {vk::Next, 62, 15},   {vk::Next, 77, 15},
      {vk::Next, 86, 15},   {vk::Next, 86, 15},  {vk::Down, 86, 15},   // the last row: nothing (not row 16)
      {vk::Up, 86, 14},     {vk::Prior, 86, 1},  {vk::Prior, 71, 1},   {vk::Up, 70, 1},
      {vk::Down, 70, 2},
  };
  for (const auto& s : steps) {
    Press(s.key);
    EXPECT_EQ(pl.PickListTop, s.top) << "key " << s.key;
    EXPECT_EQ(pl.PickListSelection, s.row) << "key " << s.key;
    EXPECT_EQ(pl.PickListNumbers[1], 1000 + s.top) << "key " << s.key;
  }
  Press(vk::Return);
  EXPECT_EQ(Params(2)[0], 1071);
}

TEST_F(PickListsTest, ScrollingEmptiesTheSearchText) {
  Items(100);
  ItemName(40, "Balta");
  OpenItems();
  Press('B');
  canvas.Clear();
  Press(vk::Down);
  EXPECT_EQ(PickList().SearchText, "");
  const auto* blank = LastTextAt(300, 268);
  ASSERT_NE(blank, nullptr);
  EXPECT_EQ(blank->color, colors::Green);
  EXPECT_EQ(blank->brush, colors::Green);
}

TEST_F(PickListsTest, ShortTableKeepsTopOneAndRowsBeyondItAreEmpty) {
  Items(10);
  ItemName(9, "Vas");
  // Records beyond the count hold what an earlier, longer table left.
  Tables().ItemTable[12] = {4242, 0, 0, 0, 0, 0, "régi"_w};
  OpenItems();
  Press('V');
  EXPECT_EQ(PickList().PickListTop, 1);
  EXPECT_EQ(PickList().PickListSelection, 9);
  EXPECT_EQ(PickList().PickListRows[12], "  0. ");
  EXPECT_EQ(PickList().PickListNumbers[12], 0);
  for (int i = 0; i < 6; ++i) Press(vk::Down);
  EXPECT_EQ(PickList().PickListTop, 1);
  EXPECT_EQ(PickList().PickListSelection, 15);
  Press(vk::Return);  // the row shown is "  0. ": its number is written
  EXPECT_EQ(Params(2)[0], 0);
  EXPECT_TRUE(Editor().SheetModified);
}

TEST_F(PickListsTest, SearchSelectsTheMatchEvenWhenTheTopDidNotMove) {
  Items(100);
  ItemName(95, "Zsák");
  OpenItems();
  Press('Z');
  ASSERT_EQ(PickList().PickListSelection, 10);
  Type({vk::Up, vk::Up});  // row 8, another record, search text emptied
  ASSERT_EQ(PickList().PickListTop, 86);
  Press('Z');  // the same top as the last search
  EXPECT_EQ(PickList().PickListSelection, 10);
  EXPECT_EQ(SelectedRowDrawn(), "1095. Zsák");
  Press(vk::Return);
  EXPECT_EQ(Params(2)[0], 1095);

  // Reopened: the top is 1 again although the last search chose 86.
  At(22);
  SetLine(2, "AA");
  Press(vk::Multiply);
  Press('Z');
  EXPECT_EQ(PickList().PickListTop, 86);
  EXPECT_EQ(PickList().PickListSelection, 10);
  Press(vk::Return);
  EXPECT_EQ(Params(2)[1], 1095);
}

TEST_F(PickListsTest, RandomKeysWriteTheNumberOfTheRowShownSelected) {
  // Names from a few letters, accented capitals among them, so that typed
  // searches hit, miss and run into each other; keys at random, each step held
  // against what the screen shows.
  const std::string letters[] = {"A", "Á"_w, "b", "E", "É"_w, "ö"_w, "Ő"_w, " ", ","};
  const std::uint16_t keys[] = {vk::Up,     vk::Down,      vk::Up,       vk::Down,  vk::Prior, vk::Next,
                                vk::Back,   'A',           'B',          'E',       vk::Space, vk::Digit0,
                                vk::OemAacute, vk::OemEacute, vk::OemOdiaeresis, vk::OemOdblacute, '5', vk::OemComma};
  std::uint32_t seed = 12345;
  const auto next = [&seed](std::uint32_t n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  for (const int count : {5000, 100, 10}) {
    Items(count);
    for (int i = 1; i <= count; ++i) {
      std::string name;
      for (std::uint32_t k = 0, len = 1 + next(5); k < len; ++k) name += letters[next(std::size(letters))];
      ItemName(i, name);
    }
    for (int round = 0; round < 20; ++round) {
      Editor().EditorMode = 1;
      // What each row of the list shows: the last text drawn there (an index
      // into the canvas's record).
      std::array<std::size_t, kPickListRows + 1> shown{};
      std::size_t seen = canvas.Entries().size();
      const auto follow = [&] {
        const auto& entries = canvas.Entries();
        for (; seen < entries.size(); ++seen)
          if (entries[seen].op == Op::Text && entries[seen].x1 == 260 && (entries[seen].y1 - 53) % 12 == 0)
            shown[static_cast<std::size_t>((entries[seen].y1 - 53) / 12)] = seen;
      };
      OpenItems();
      follow();
      std::string selected_text;
      for (int step = 0; step < 60; ++step) {
        const std::size_t typed = PickList().SearchText.size();
        Press(keys[next(std::size(keys))]);
        ASSERT_EQ(Editor().EditorMode, 7);
        follow();
        const auto& pl = PickList();
        if (pl.SearchText.size() > typed) {
          // A character that found a record: the row of that record is selected.
          EXPECT_EQ(pl.PickListTop, std::max(1, std::min(pl.SearchMatch, count - 14)));
          EXPECT_EQ(pl.PickListTop + pl.PickListSelection - 1, pl.SearchMatch);
          EXPECT_EQ(LastTextAt(300, 268)->text, PadToWidth(pl.SearchText, 20));
        }
        for (int row = 1; row <= kPickListRows; ++row) {
          const auto& e = canvas.Entries()[shown[static_cast<std::size_t>(row)]];
          EXPECT_EQ(e.brush == 0xFF2200u, row == pl.PickListSelection) << count << " row " << row;
          EXPECT_EQ(e.text, PadToWidth(pl.PickListRows[static_cast<std::size_t>(row)], 30)) << count << " row " << row;
        }
        selected_text = canvas.Entries()[shown[pl.PickListSelection]].text;
      }
      Press(vk::Return);
      // The number in front of the row shown selected is the one written.
      EXPECT_EQ(Params(2)[0], std::stoi(selected_text.substr(0, selected_text.find('.')))) << count << " " << selected_text;
    }
  }
}

TEST_F(PickListsTest, EscWritesNothing) {
  Items(100);
  OpenItems();
  Type({vk::Down, vk::Down, vk::Escape});
  EXPECT_EQ(Params(2)[0], 0);
  EXPECT_EQ(Editor().EditorMode, 1);
  EXPECT_FALSE(Editor().SheetModified);
}

TEST_F(PickListsTest, LowerCaseKeepsWhatIsNotAHungarianCapital) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP"_w, "árvíztűrő tükörfúrógép"_w},
      {"Ab-12 x"_w, "ab-12 x"},
      {"ÄÔ,."_w, "ÄÔ,."_w},  // not in the alphabet
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(PickListLowerCase(c.in), c.out);
  EXPECT_EQ(PadToWidth("ab", 4), "ab  ");
  EXPECT_EQ(PadToWidth("abcde", 4), "abcde");
}

}  // namespace
}  // namespace vorda
