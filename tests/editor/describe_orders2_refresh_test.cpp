// The third describer through the real line refresh: the cost passes around
// it, the other describers beside it, and what the sheet keeps and draws.
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "editor/editor_fixture.h"
#include "editor/line_refresh.h"
#include "orders/describe_orders2_fixture.h"

namespace vorda {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

class DescribeOrders2RefreshTest : public testing::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    Editor().ColorMarkup = true;
    testing::LoadDescribe2Tables();
  }
  static void SetLine(int line, const std::string& code, std::int32_t p1, std::int32_t p2, std::int32_t p3) {
    auto& s = SheetModel().Lines;
    s.SheetCodes[static_cast<std::size_t>(line)] = code;
    s.SheetParams[static_cast<std::size_t>(line)] = {p1, p2, p3};
  }
  static std::string Utf8(const std::string& s) { return Win1250ToUtf8(s); }
};

// A full sheet of these codes, refreshed line by line; each line keeps its own
// text, and the whole text stands in LineDescription right after its refresh.
TEST_F(DescribeOrders2RefreshTest, SheetOfFortyLinesKeepsEachDescription) {
  const std::vector<testing::Describe2Case> sheet = {
      {"ERO", 300, 0, 0, "miniesemény erősítés: +@300%$ a szörnyek erősségére"_w},
      {"EXT", 0, 0, 0, "megpróbálsz @extra$ lemaradást szerezni:)"_w},
      {"FNO", 27, 2, 0, "Képesség növelése: @max. életkor$ képességet @600$ pontért"_w},
      {"BB", 12, 5, 518, "Beteszed a tudati kincstárba: 5 @Kard"_w},
      {"KB", 17, 12, 519, "Kiveszed bankból: @Hosszú íj Kard #519"_w},
      {"TRO", 1, 5, 9, "új trófeáid: @Farkas Troll Goblin  -1 TU"_w},
      {"FELV", 1000, 0, 0, "felveszed a szövetségbe a(z) @Aladar@ közös tudatot"_w},
      {"KPB", 12, 0, 0, "kezdeti parancs ^?.$ helyre"},
      {"KPK", 11, 0, 0, "összes kezdeti parancs törlése"_w},
      {"KUT", 40, 5, 0, "kutatsz @40$ pontért (ha van legalább @5$ tvp-d)"_w},
      {"L", 9, 12, 3, "lopás @Goblin$ táborából (@Kard)$ @3$ alkalommal"_w},
      {"LE", 12, 28, 17, "leveszed: @Kard$, @Fenoko$, @Hosszú íj"_w},
      {"LM", 900, 905, 101, "labirintusban mozgás: @OV 0$, @OV 5$"_w},
      {"OV", 6, 0, 0, "óvatosság állítása:@ ^???$"_w},
      {"PBE", 100, 1000, 3, "pénz befizetés bankba: @300$ arany @Aladar$ számlájára"_w},
      {"SZE", 1, 5, 9, "@Farkas$, @Troll$, @Goblin$ elengedve (+3 jóság)"_w},
      {"T", 1000, 1, 5, "támadva:@ Aladar $rendre"_w},
      {"TF", 5, 10, 0, "fejleszted @a szerencsédet 10$ pontért"_w},
      {"TNO", 6, 3, 0, "növeled az @MXTUdat$ @3$ ponttal"_w},
      {"TV", 453, 12, 3, "Trinigan rúnája (@3$ db @Kard$)"_w},
      {"VE", 12, 3, 0, "3 @Kard$ vásárlása (36 ap)"_w},
      {"VIK", 100, 0, 0, "viselkedés kalandozókkal ^???"_w},
      {"VPS", 65536, 32768, 0, "lekötsz @-2147483648$ vp-t későbbi felhasználásra"_w},
      {"VTN", 159, 307, 310,
       "tanulandó: @Kis magia$ (@7$ mágiapont), @Ima$ (@3$ teológia), @Csoda$ (@4$ taumaturgia)"_w},
      {"ZIP", 12, 5, 0, "@Kard$ pusztítása @5$ pontért"_w},
      {"VI", 0, 0, 20, "viselkedés: mer. nem változik, agr. nem változik, menekülés @20%$"_w},
      {"KT", 767, 776, 0, "Zarknod relikvia csere: @Relikvia C$, @Relikvia D$"},
      {"AV", 26, 3, 10, "külső megváltoztatás: @zöld bőrszin"_w},
      {"VV", 5, 6, 0, "gyorsvarázslás: @Tuzgolyo Pajzs  "_w},
      {"LOT", 31, 0, -1, "lottózás (@10$ arany), tippjeid: ^??$, ^??$, ^??"_w},
      {"KRE", 17, 12, 3, "kreáció: @3 Kard$ készítése @Hosszú íj$ tárgyból"_w},
      {"FGO", 0, 0, 0, "feltételes gonoszkodás @törölve$"_w},
      {"FM", 10, 12, 0, "feltételes mászás max. @10$ pontig fordulónként (minimum: @Kard$)"_w},
      {"LIC", 3, 500, 0, "licitálás a helytartói liciten: @3.$ tételre @500$ aranyért"_w},
      {"P", 115, kMax, 0, "pszí konverzió: @+2147483647 TU$ --50 pszípont"_w},
      {"KPCS", 3, 1, 0, "@átkutatod$ a megadott (@1$) ref.pontot @20$ pontért kapcsoló után és meghúzod"_w},
      {"HH", 12, 0, 17, "mágikus gyorsítás: @Kard   Hosszú íj"_w},
      {"H", 1387, 42, 28, "titkos teleportkő (@42$;@28$)@ Shadar, városháza"_w},
      {"H", 697, 65537, 32769,
       "@Ezüstmágusok kürtjét$ használod (átalakítod @-2147385343$ életpontodat @-1073692671$ vp-re)"_w},
      {"FT", 0, 0, 0, "törlöd a támadási listádat      "_w},
  };
  ASSERT_EQ(sheet.size(), 40u);
  for (int line = 1; line <= 40; ++line) {
    const auto& c = sheet[static_cast<std::size_t>(line - 1)];
    SetLine(line, c.code, c.p1, c.p2, c.p3);
  }
  for (int line = 1; line <= 40; ++line) {
    const auto& c = sheet[static_cast<std::size_t>(line - 1)];
    RefreshSheetLine(line);
    EXPECT_EQ(SheetModel().LineDescription, c.expected)
        << line << " " << c.code << "\n  got:      \"" << Utf8(SheetModel().LineDescription) << "\"";
  }
  const auto& s = SheetModel().Lines;
  for (int line = 1; line <= 40; ++line) {
    const auto& c = sheet[static_cast<std::size_t>(line - 1)];
    EXPECT_EQ(s.SheetTexts[static_cast<std::size_t>(line)], c.expected.substr(0, kDescriptionLength))
        << line << " " << c.code;
  }
}

TEST_F(DescribeOrders2RefreshTest, LongDescriptionIsKeptWholeButStoredAndDrawnCut) {
  SetLine(4, "H", 2069, 1409, kMin);
  RefreshSheetLine(4);
  const std::string full =
      "@gnóm refrugátor$: +-2147483648 @nerub elixir$ (-2147483648 @esélynövelő kenőcs$, "
      "-2147483648 @tleikan életkő$)"_w;
  EXPECT_EQ(SheetModel().LineDescription, full);
  EXPECT_EQ(SheetModel().Lines.SheetTexts[4], full.substr(0, 100));
}

TEST_F(DescribeOrders2RefreshTest, DrawnTextShowsTheMarksAsColours) {
  SetLine(2, "VE", 12, 3, 0);
  RefreshSheetLine(2);
  std::string value, normal;
  for (const auto& e : canvas.Texts()) {
    if (e.font != "Arial CE" || e.x1 < 234) continue;
    if (e.color == colors::Aqua) value += e.text;
    if (e.color == colors::Yellow) normal += e.text;
  }
  EXPECT_EQ(value, "Kard");
  EXPECT_EQ(normal, "3  vásárlása (36 ap)"_w);
}

TEST_F(DescribeOrders2RefreshTest, CodesWithoutTextForTheirValuesAreUnknownOrders) {
  SetLine(5, "KPK", 12, 0, 0);
  SetLine(6, "KPCS", 4, 0, 0);
  SheetModel().Lines.SheetTvp[6] = 9;
  for (const int line : {5, 6}) {
    RefreshSheetLine(line);
    EXPECT_EQ(SheetModel().Lines.SheetTexts[static_cast<std::size_t>(line)], "") << line;
    bool warned = false;
    for (const auto& e : canvas.Texts())
      warned = warned || (e.text == "? Ismeretlen parancs" && e.x1 == 234 && e.y1 == 12 * line - 2);
    EXPECT_TRUE(warned) << line;
  }
  // The cost rules price KPCS 4 at 0 again.
  EXPECT_EQ(SheetModel().Lines.SheetTvp[6], 0);
}

TEST_F(DescribeOrders2RefreshTest, CodesAreMatchedWholeAfterTheBlanksAreRemoved) {
  SetLine(1, " S Z V", 0, 0, 0);
  SetLine(2, "h", 12, 5, 0);
  SetLine(3, "TIMX", 2520, 0, 0);
  for (int line = 1; line <= 3; ++line) RefreshSheetLine(line);
  const auto& s = SheetModel().Lines;
  EXPECT_EQ(s.SheetCodes[1], "SZV");
  EXPECT_EQ(s.SheetTexts[1], "szavazol egy fontos kerdesben");
  EXPECT_EQ(s.SheetTexts[2], "");
  EXPECT_EQ(s.SheetTexts[3], "");
}

TEST_F(DescribeOrders2RefreshTest, ResearchOfAnAmountOutOfRangeCostsAThousand) {
  struct Row {
    std::int32_t p1;
    std::string expected;
    std::int32_t tvp;
  };
  const Row rows[] = {
      {1000, "kutatsz @1000$ pontért"_w, 1000},
      {1001, "kutatsz ^???$ pontért"_w, 1000},
      {-1, "kutatsz ^???$ pontért"_w, 1000},
      {kMax, "kutatsz ^???$ pontért"_w, 1000},
      {0, "kutatsz ^???$ pontért"_w, 0},
  };
  for (const auto& r : rows) {
    SetLine(8, "KUT", r.p1, 0, 0);
    RefreshSheetLine(8);
    EXPECT_EQ(SheetModel().Lines.SheetTexts[8], r.expected) << r.p1;
    EXPECT_EQ(SheetModel().Lines.SheetTvp[8], r.tvp) << r.p1;
  }
}

// The climbing gear reads the TVP of the first cost pass: the variant the line
// held is kept, anything else becomes the item's first variant.
TEST_F(DescribeOrders2RefreshTest, ClimbingGearFollowsTheCostPassesVariant) {
  struct Row {
    std::int32_t item, tvp_before;
    std::string expected;
    std::int32_t tvp_after;
  };
  const Row rows[] = {
      {78, 35, "@mászókarommal$ felmászol a @quwarg-bolyba$"_w, 35},
      {78, 0, "@mászókarommal$ felmászol a @grok képződménybe$"_w, 16},
      {92, 20, "@kötéllel$ lemászol a @mély szakadékba$"_w, 20},
      {92, 3, "@kötéllel$ lemászol a @mély kútba$"_w, 14},
      {165, 28, "@mászókampóval$ felmászol a @márványtoronyba$"_w, 28},
      {165, 0, "@mászókampóval$ felmászol a @sziklafészekbe$"_w, 24},
      {365, 35, "@Tyrkiai mászógéppel$ felmászol a @quwarg-bolyba$"_w, 35},
      {365, 40, "@Tyrkiai mászógéppel$ felmászol a @kristálypalotába$"_w, 40},
      {365, 45, "@Tyrkiai mászógéppel$ lemászol a @mély kútba$"_w, 14},
      {392, 45, "@mászó karpereccel$ felmászol az @ősi rúnatoronyba$"_w, 45},
      {392, 0, "@mászó karpereccel$ felmászol a @kristálypalotába$"_w, 40},
  };
  for (const auto& r : rows) {
    SetLine(9, "H", r.item, 0, 0);
    SheetModel().Lines.SheetTvp[9] = r.tvp_before;
    RefreshSheetLine(9);
    EXPECT_EQ(SheetModel().Lines.SheetTexts[9], r.expected)
        << r.item << " from TVP " << r.tvp_before << ": \"" << Utf8(SheetModel().Lines.SheetTexts[9]) << "\"";
    EXPECT_EQ(SheetModel().Lines.SheetTvp[9], r.tvp_after) << r.item;
  }
}

}  // namespace
}  // namespace vorda
