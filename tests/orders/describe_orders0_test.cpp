#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "data/char_settings.h"
#include "data/game_tables.h"
#include "data/map_grid.h"
#include "data/order_sheet.h"
#include "platform/win1250.h"
#include "orders/describers.h"
#include "orders/move_replay.h"
#include "orders/orders_state.h"
#include "support/map_fixture.h"
#include "support/state_reset.h"

namespace vorda {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

class DescribeOrders0Test : public testing::FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    LoadItemTable("11 0 5 6 7 8 Rubin\n12 1 5 6 7 8 Kard\n13 0 1 1 1 1 Pajzs\n");
    LoadCharacterTable("1200 Gandalf\n7001 Aragorn\n");
    LoadMonsterTable("5 Farkas\n988 Troll\n");
    LoadSpellTable("10 V 1 2 3 Gyogyitas\n58 V 1 1 1 Villam\n74 P 5 5 5 Tudatlatas\n"
                   "301 H 40 10 3 Tuzlabda\n500 V 1 1 1 Koddobas\n");
  }

  static void SetLine(int line, const std::string& code, std::int32_t p1, std::int32_t p2 = 0,
                      std::int32_t p3 = 0) {
    auto& s = SheetModel().Lines;
    s.SheetCodes[static_cast<std::size_t>(line)] = code;
    s.SheetParams[static_cast<std::size_t>(line)] = {p1, p2, p3};
  }

  // Describes `code` on `line` the way the refresh calls the describer, with
  // stale working values and a description that only a match replaces.
  static std::string Describe(const std::string& code, std::int32_t p1, std::int32_t p2 = 0,
                              std::int32_t p3 = 0, int line = 1) {
    SetLine(line, code, p1, p2, p3);
    auto& s = SheetModel();
    s.CurParam1 = s.CurParam2 = s.CurParam3 = -77;
    s.LineDescription = "<untouched>";
    DescribeOrders0(line);
    return s.LineDescription;
  }
};

struct Case {
  const char* code;
  std::int32_t p1, p2, p3;
  std::string expected;
};

std::string Trace(const Case& c) {
  return std::string(c.code) + " " + std::to_string(c.p1) + " " + std::to_string(c.p2) + " " +
         std::to_string(c.p3);
}

TEST_F(DescribeOrders0Test, HuntMarriageZanAndSuicide) {
  const Case cases[] = {
      {"VD", 1, 0, 0, "szörnyvadászat: ^2-10$ szörny lehet"_w},
      {"VD", 2, 0, 0, "szörnyvadászat: @2$ szörny csata"_w},
      {"VD", 5, 0, 0, "szörnyvadászat: @5$ szörny csata"_w},
      {"VD", 10, 0, 0, "szörnyvadászat: @10$ szörny csata"_w},
      {"VD", 11, 0, 0, "szörnyvadászat: ^2-10$ szörny lehet"_w},
      {"VD", kMin, 0, 0, "szörnyvadászat: ^2-10$ szörny lehet"_w},
      {"ESK", 0, 0, 0, "úgy döntöttél házasodsz"_w},
      {"ESK", 0, 1200, 0, "úgy döntöttél házasodsz"_w},
      {"ESK", 1200, 0, 0, "úgy döntöttél: @Gandalf$ lesz a párod"_w},
      {"ESK", 99, -1, 0, "úgy döntöttél: @#99$ lesz a párod"_w},
      {"ESK", 1200, 7001, 0, "összeadod a párt: @Gandalf$ + @Aragorn$ = ^???$"_w},
      {"ZAN", 10, 20, 7, "Zan energiák kihasználása: (+@20$ TVP, -@20$ VP -@2$ TU)"_w},
      {"ZAN", -7, 0, -7, "Zan energiák kihasználása: (+@-14$ TVP, -@0$ VP -@-2$ TU)"_w},
      {"ZAN", kMax, kMin, kMin,
       "Zan energiák kihasználása: (+@4294967294$ TVP, -@-2147483648$ VP -@-715827882$ TU)"_w},
      {"ONGY", 0, 0, 0, "Öngyilkos akarsz lenni te barom???"_w},
      {"ONGY", 5, 6, 7, "Öngyilkos akarsz lenni te barom???"_w},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Trace(c));
    EXPECT_EQ(Describe(c.code, c.p1, c.p2, c.p3), c.expected);
  }
}

// One or more rows for every ability of the table, its ranges at their edges.
TEST_F(DescribeOrders0Test, EveryAbility) {
  const Case cases[] = {
      {"EK", 1, 1200, 0, "tudatkorbács, @Gandalf$ sebződik 20 ép-t   -1 TU"_w},
      {"EK", 2, 7001, 0, "tudatcsata @Aragorn$ ellen  -1 TU"_w},
      {"EK", 3, 0, 0, "tudatpajzsot húzol fel @tudatcsata$ ellen  -1 TU"_w},
      {"EK", 3, 1, 0, "tudatpajzsot húzol fel @tudatcsata$ ellen"_w},
      {"EK", 3, 2, 0, "tudatpajzsot húzol fel az @ártó képességek$ ellen  -1 TU"_w},
      {"EK", 3, 4, 0, "tudatpajzs @ártó képességek$ és @tudatcsata$ ellen   -2 TU"_w},
      {"EK", 3, 5, 0, "tudatpajzs @ártó képességek$ és @tudatcsata$ ellen   -2 TU"_w},
      {"EK", 3, 1200, 0, "tudatpajzsot helyezel @Gandalf$ elméjére  -1 TU"_w},
      {"EK", 3, 1000, 0, "tudatpajzsot helyezel @#1000$ elméjére  -1 TU"_w},
      {"EK", 3, 3, 0, "tudatpajzs ^????$"_w},
      {"EK", 3, 999, 0, "tudatpajzs ^????$"_w},
      {"EK", 3, -1, 0, "tudatpajzs ^????$"_w},
      {"EK", 4, 1200, 0, "tudati vizsgálat, célpont @Gandalf$  -1 TU"_w},
      {"EK", 5, 1200, 0, "tudattárs keresése, célpont @Gandalf$"_w},
      {"EK", 6, 7001, 0, "tudati vitalizáció @Aragorn$ részére  -2 TU"_w},
      {"EK", 6, 0, 0, "@tudati vitalizáció$ saját magadon  -2 TU"_w},
      {"EK", 7, 12, 3, "tudatturbó @12.$ képesség, @3$ ponttal  -3 TU"_w},
      {"EK", 7, 12, 0, "tudatturbó @12.$ képesség, @1$ ponttal  -1 TU"_w},
      {"EK", 7, 5, -2, "tudatturbó @5.$ képesség, @-2$ ponttal  --2 TU"_w},
      {"EK", 12, 4, 1200, "tudati képességek letiltása @4 TU-ra$ (@Gandalf$)"_w},
      {"EK", 12, 4, 0, "tudati képességek letiltása @4 TU-ra$ "_w},
      {"EK", 32, 0, 0, "@érclelőhelyek érzékelése$ 3 mező sugarú körben"_w},
      {"EK", 37, 8, 0, "koncentráció könnyítés @8.$ harcművészeti képességre  -1 TU"_w},
      {"EK", 39, 0, 0, "@gonoszok észlelése$ 3 mezőn belül  -1 TU"_w},
      {"EK", 40, 3, 0, "tvp szaporítás @+15 tvp$, -3 TU"_w},
      {"EK", 40, kMax, 0, "tvp szaporítás @+10737418235 tvp$, -2147483647 TU"_w},
      {"EK", 40, kMin, 0, "tvp szaporítás @+-10737418240 tvp$, --2147483648 TU"_w},
      {"EK", 41, 26, 5, "@méregszaporítás$ +5 gyenge méreg"_w},
      {"EK", 41, 166, 2, "@méregszaporítás$ +2 ugh méreg"_w},
      {"EK", 41, 27, 2, "@méregszaporítás$ ^???$"_w},
      {"EK", 42, 4, 0, "energiatöltés @+24 vp$, -4 TU"_w},
      {"EK", 43, 1, 0, "hívők észlelése @1$ sugarú körben, -1 TU"_w},
      {"EK", 43, 4, 0, "hívők észlelése @4$ sugarú körben, -2 TU"_w},
      {"EK", 43, 6, 0, "hívők észlelése @6$ sugarú körben, -3 TU"_w},
      {"EK", 43, 0, 0, "hívők észlelése  ^???$"_w},
      {"EK", 43, 7, 0, "hívők észlelése  ^???$"_w},
      {"EK", 99, 0, 0, "bármelyik KT tagjának tudsz @tárgyat$, @TU-t$ és @infót$ átadni a forduló végéig"_w},
      {"EK", 101, 0, 0, "lenullázod a @quwarg-számlálót$ a KT tagjainál  -1 TU"_w},
      {"EK", 102, 1200, 0, "@viharfelhőt$ helyezel el, célpont @Gandalf$  -1 TU"_w},
      {"EK", 103, 50, 0, "létrehozol egy @múmia-próbát$ a mezőn @50$ pontért"_w},
      {"EK", 105, 0, 0, "létrehozol egy @tudati lenyomatot$, amely véd a rombolás ellen  -4 TU"_w},
      {"EK", 109, 1, 0, "létrehozol egy @tudati jelet$ (dupla TU regenerálódás)  -4 TU"_w},
      {"EK", 109, 2, 0, "létrehozol egy @tudati jelet$ (dupla TU regenerálódás)  -6 TU"_w},
      {"EK", 109, 3, 0, "létrehozol egy @tudati jelet$ (dupla TU regenerálódás)  "_w},
      {"EK", 111, 0, 0, "@csatakiáltás$  -1 TU"_w},
      {"EK", 114, 0, 0, "@Főnix idézése$  -4 TU"_w},
      {"EK", 115, 1200, 0, "@tudatpajzs letörése$, célpont @Gandalf$  -1 TU"_w},
      {"EK", 118, 0, 0, "@trikornis idézése$  -4 TU"_w},
      {"EK", 119, 5, 0, "bemérgezed a fegyvered @5.$ szintű lények ellen"_w},
      {"EK", 122, 988, 0, "qwargok leigázása: megidézel egy @Troll$  -4 TU"_w},
      {"EK", 131, 0, 0, "@gonoszság erejét$ helyezel el az oltáron  -2 TU"_w},
      {"EK", 133, 0, 0, "elültetsz egy @szent tölgyfát$  -6 TU"_w},
      {"EK", 134, 70, 0, "fémek áldozása (@0 réz$) @+0 sebzés és támadás"_w},
      {"EK", 134, 70, 6, "fémek áldozása (@6 réz$) @+6 sebzés és támadás"_w},
      {"EK", 134, 70, 7, "fémek áldozása (^??? réz$) (max. 6 rezet áldozhatsz)"_w},
      {"EK", 134, 70, -1, "fémek áldozása (^??? réz$) (max. 6 rezet áldozhatsz)"_w},
      {"EK", 134, 85, 3, "fémek áldozása (@3 ón$) @+6 sebzés és támadás"_w},
      {"EK", 134, 85, 4, "fémek áldozása (^??? ón$) (max. 3 ónt áldozhatsz)"_w},
      {"EK", 134, 152, 2, "fémek áldozása (@2 vas$) @+6 sebzés és támadás"_w},
      {"EK", 134, 152, 3, "fémek áldozása (^??? vas$) (max. 3 vasat áldozhatsz)"_w},
      {"EK", 134, 71, 1, "fémek áldozása (^???$)"_w},
      {"EK", 135, 0, 0, "elültetsz egy @álomvirágot$  -2 TU"_w},
      {"EK", 138, 0, 0, "Felhelyezed a @Hófarkas$ tetoválását -1 TU"_w},
      {"EK", 138, 1, 0, "A Falka ereje @1 $TU pontért"_w},
      {"EK", 138, 3, 0, "A Falka ereje @3 $TU pontért"_w},
      {"EK", 138, 4, 0, "Falka ereje ^???"_w},
      {"EK", 140, 0, 0, "megidézel egy @aurapollátort$  -6 TU"_w},
      {"EK", 143, 0, 0, "mester hívása (@+1 ökölvívás$, ha *-os)  -2 TU"_w},
      {"EK", 145, 1, 0, "kasztroplanáris transzformáció @életpontszívás$  -1 TU"_w},
      {"EK", 145, 2, 0, "kasztroplanáris transzformáció @varázspontszívás$  -1 TU"_w},
      {"EK", 145, 0, 0, "kasztroplanáris transzformáció ^???$"_w},
      {"EK", 147, 0, 0, "létrehozol egy @vérvörös köpenyt$  -1 TU -20 életpont"_w},
      {"EK", 148, 0, 0, "megidézel egy @alanori csatamént$  -4 TU"_w},
      {"EK", 153, 3, 0, "létrehozol @3$ aranypikkelyt  -6 TU"_w},
      {"EK", 153, kMin, 0, "létrehozol @-2147483648$ aranypikkelyt  --4294967296 TU"_w},
      {"EK", 158, 0, 0, "felszenteled a @vízlelőhelyet$  -2 TU"_w},
      {"EK", 159, 0, 0, "elhelyezed a @kasztroplanáris uralmat$  -4 TU"_w},
      {"EK", 163, 0, 0, "@Szent ligetet$ szentelsz  -6 TU"_w},
      {"EK", 164, 1200, 0, "átkot mondasz el @Gandalf$ fejére  min. -1 TU"_w},
      {"EK", 172, 0, 0, "létrehozol egy @porfelleget$  -2 TU"_w},
      {"EK", 176, 0, 0, "tudati képesség használata"_w},
      {"EK", 179, 7, 0, "a bugyorba teszel @7$ tudatpontot"_w},
      {"EK", 180, 7, 0, "kiveszel a bugyorból @7$ tudatpontot"_w},
      {"EK", 185, 0, 0, "megidézel egy @aranysárkányt$  -4 TU"_w},
      {"EK", 187, 0, 0, "@szamócaenergia$  -1 TU"_w},
      {"EK", 190, 5, 0, "elnyomók gyűlölete (@Farkas$ ellen @+7$ támadás, @+4$ sebzés)"_w},
      {"EK", 190, 0, 0, "elnyomók gyűlölete (a KT főnök által beállított lényre @+7$ tám. @+4$ seb.)"_w},
      {"EK", 206, 1200, 0, "kihívás, célpont @Gandalf$  -2 TU"_w},
      {"EK", 207, 1200, 1, "@Elenios áldása$ száll @Gandalf$ fejére  -1 TU"_w},
      {"EK", 207, 1200, 2, "@Elenios átka$ sújt le @Gandalf$ fejére -1 TU"_w},
      {"EK", 207, 1200, 3, "leloldod @Elenios átkát Gandalf$ fejéről"_w},
      {"EK", 207, 1200, 0, "@Elenios átka/áldása ^???$"_w},
      {"EK", 208, 0, 0, "elhelyezed a @Jáde-sárkány óvó tetoválását$  -2 TU"_w},
      {"EK", 210, 0, 0, "elhelyezed a @barátság szent tüzét$  -3 TU"_w},
      {"EK", 212, 1200, 0, "aranyburok, célpont @Gandalf$  -1 TU"_w},
      {"EK", 213, 0, 0, "dalolni fogsz a csatában "_w},
      {"EK", 214, 0, 0, "@pszionikus visszacsatolás$  -4 TU"_w},
      {"EK", 215, 2, 0, "hatalom rúnája @-24 vp$, +2 TU"_w},
      {"EK", 215, kMax, 0, "hatalom rúnája @-25769803764 vp$, +2147483647 TU"_w},
      {"EK", 224, 0, 0, "megidézel egy @kőtiprót$  -4 TU"_w},
      {"EK", 225, 0, 0, "megidézel egy @erdei tündét$  -4 TU"_w},
      {"EK", 227, 42, 28, "teleportálsz a(z) (@42$;@28$) koordinátára"_w},
      {"EK", 288, 1200, 0, "főnixtoll teremtése @Gandalf$  -2 TU"_w},
      {"EK", 289, 0, 0, "törlöd a düh vérvörös köde beállításokat  @-1 TU"_w},
      {"EK", 289, 1, 0, "düh vérvörös köde: szörnyekre @+1$% erősség   @-1 TU"_w},
      {"EK", 289, 50, 0, "düh vérvörös köde: szörnyekre @+50$% erősség   @-1 TU"_w},
      {"EK", 289, 51, 0, "düh vérvörös köde: +^???$%"_w},
      {"EK", 289, -1, 0, "düh vérvörös köde: +^???$%"_w},
      {"EK", 294, 0, 0, "Maffiózó idézése  -3 TU"_w},
      {"EK", 302, 0, 0, "fegyvermester (^???$)"_w},
      {"EK", 302, 1, 0, "fegyvermester (@ökölvívás$)"_w},
      {"EK", 302, 2, 0, "fegyvermester (@szúrófegyverek$)"_w},
      {"EK", 302, 3, 0, "fegyvermester (@vágófegyverek$)"_w},
      {"EK", 302, 4, 0, "fegyvermester (@ütőfegyverek$)"_w},
      {"EK", 302, 5, 0, "fegyvermester (@lőfegyverek$)"_w},
      {"EK", 302, 6, 0, "fegyvermester (@dobófegyverek$)"_w},
      {"EK", 302, 7, 0, "fegyvermester (@^???$)"_w},
      {"EK", 311, 0, 0, "Fortuna Szentélyének teremtése  -4 TU"_w},
      {"EK", 340, 0, 0, "zsákmány kihívása"_w},
      {"EK", 340, 1200, 12, "zsákmány kihívása: @Gandalf$ (@Kard$) -1 TU"_w},
      {"EK", 340, 0, 12, "zsákmány kihívása (@Kard$) -1 TU"_w},
      {"EK", 340, 7001, 0, "zsákmány kihívása: @Aragorn$"_w},
      {"EK", 390, 1, 0, "tudati fekete mágia @-12 vp$, +1 TU"_w},
      {"EK", 395, 42, 28, "@Kedvenc táborhelyedre$ ugrasz: @42$;@28$"_w},
      {"EK", 503, -3, 0, "@Kedvenc táborhelyedre$ ugrasz: @-3$;@0$"_w},
      {"EK", 503, 0, 5, "Ez a hely lesz a @kedvenc táborhelyed$."_w},
      {"EK", 395, 0, 0, "Ez a hely lesz a @kedvenc táborhelyed$."_w},
      // Without start coordinates the distance of a mind transfer is 0.
      {"EK", 559, 110, 45, "tudatáthelyezés: @110$;@45$ (pszi: @0$)"_w},
      {"EK", 559, 0, 0, "tudatáthelyezés (pszi: @0$)"_w},
      // Abilities that the table does not list.
      {"EK", 600, 0, 0, "tudati képesség használata"_w},
      {"EK", 0, 0, 0, "tudati képesség használata"_w},
      {"EK", 8, 1200, 0, "tudati képesség használata"_w},
      {"EK", -1, 0, 0, "tudati képesség használata"_w},
      {"EK", kMax, kMax, kMax, "tudati képesség használata"_w},
      {"EK", kMin, kMin, kMin, "tudati képesség használata"_w},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Trace(c));
    EXPECT_EQ(Describe(c.code, c.p1, c.p2, c.p3), c.expected);
  }
}

TEST_F(DescribeOrders0Test, HealingTotemsAndTheirSwitchingOff) {
  const Case cases[] = {
      {"EK", 116, 0, 0, "gyógyító totem: @kikapcsolva$"_w},
      {"EK", 116, 50, 10, "gyógyító totem: @50%$ alatt @Gyogyitas$ használata"_w},
      {"EK", 116, 50, 11, "gyógyító totem: @50%$ alatt @Rubin$ használata"_w},
      {"EK", 116, 30, 1, "gyógyító totem: @30%$ alatt @tudati vitalizáció$ használata"_w},
      {"EK", 116, 90, 508, "gyógyító totem: @90%$ alatt @#508$ használata"_w},
      {"EK", 116, 90, 509, "gyógyító totem: @90%$ alatt @#509$ használata"_w},
      {"EK", 116, 29, 11, "gyógyító totem: ^???%$ alatt @Rubin$ használata"_w},
      {"EK", 116, 91, 1, "gyógyító totem: ^???%$ alatt @tudati vitalizáció$ használata"_w},
      {"EK", 116, 0, 1, "gyógyító totem: ^???%$ alatt @tudati vitalizáció$ használata"_w},
      {"EK", 116, 50, 0, "gyógyító totem: @50%$ alatt @ $ használata"_w},
      {"EK", 553, 0, 0, "totemmester: @kikapcsolva$"_w},
      {"EK", 553, 60, 58, "totemmester: @60%$ alatt @Villam$ használata"_w},
      {"EK", 553, kMin, 13, "totemmester: ^???%$ alatt @Pajzs$ használata"_w},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Trace(c));
    EXPECT_EQ(Describe(c.code, c.p1, c.p2, c.p3), c.expected);
  }
}

TEST_F(DescribeOrders0Test, PriceOfStupidity) {
  const Case cases[] = {
      {"EK", 273, 5, 0, "butaság ára: @2014. április 29$-től új típusú butaság ára van, a régi nem működik"_w},
      {"EK", 273, kMax, 3, "butaság ára: @2014. április 29$-től új típusú butaság ára van, a régi nem működik"_w},
      {"EK", 273, 0, 0, "butaság ára:  @beállítások törölve$"_w},
      {"EK", 273, 1, 0, "butaság ára: @teológia$ varázslatok beállítása törölve"_w},
      {"EK", 273, 2, 0, "butaság ára: @taumaturgia$ varázslatok beállítása törölve"_w},
      {"EK", 273, 3, 0, "butaság ára: @ősteológia$ varázslatok beállítása törölve"_w},
      {"EK", 273, 4, 0, "butaság ára: @őstaumaturgia$ varázslatok beállítása törölve"_w},
      {"EK", 273, 1, 100, "butaság ára: @100$ vp alatti @teológia$ varázslatok @100$ vp-be kerülnek"_w},
      {"EK", 273, 2, 300, "butaság ára: @300$ vp alatti @taumaturgia$ varázslatok @300$ vp-be kerülnek"_w},
      {"EK", 273, 3, 800, "butaság ára: @800$ vp alatti @ősteológia$ varázslatok @800$ vp-be kerülnek (>@700$?)"_w},
      {"EK", 273, 4, -5, "butaság ára: @-5$ vp alatti @őstaumaturgia$ varázslatok @-5$ vp-be kerülnek (>@700$?)"_w},
      {"EK", 273, -1, 5, "butaság ára: "_w},
      {"EK", 273, kMin, 0, "butaság ára: "_w},
      {"EK", 273, 0, 5, "butaság ára: "_w},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Trace(c));
    EXPECT_EQ(Describe(c.code, c.p1, c.p2, c.p3), c.expected);
  }
}

TEST_F(DescribeOrders0Test, RedistributionNamesBothAttributes) {
  const Case cases[] = {
      {"EK", 189, 1, 6, "@erőről $átcsoportosítasz 1 pontot @MXTUra $"_w},
      {"EK", 189, 6, 1, "@MXTUról $átcsoportosítasz 1 pontot @erőre $"_w},
      {"EK", 189, 2, 4, "@iqról $átcsoportosítasz 1 pontot @egészségre $"_w},
      {"EK", 189, 7, 1, "átcsoportosítás (@miről$, @mire$)"_w},
      {"EK", 189, 0, 1, "átcsoportosítás (@miről$, @mire$)"_w},
      {"EK", 189, 1, 7, "átcsoportosítás (@miről$, @mire$)"_w},
      {"EK", 189, 1, 0, "átcsoportosítás (@miről$, @mire$)"_w},
      {"EK", 189, kMin, kMax, "átcsoportosítás (@miről$, @mire$)"_w},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Trace(c));
    EXPECT_EQ(Describe(c.code, c.p1, c.p2, c.p3), c.expected);
  }
}

// One or more rows for every spell of the table; the teleports here run
// without start coordinates, so that no tau text is written.
TEST_F(DescribeOrders0Test, EverySpell) {
  const Case cases[] = {
      {"V", 1, 0, 0, "@vámpirizáció$"_w},
      {"V", 1, 2, 30, "@vámpirizáció$ @2$ újítással, min. @30$ ép-től"_w},
      {"V", 1, 0, 30, "@vámpirizáció$, min. @30$ ép-től"_w},
      {"V", 1, -1, -1, "@vámpirizáció$"_w},
      {"V", 6, 3, 5, "@áldomás$ @3$ újítással, min. @5.$ szintű ellenfélre"_w},
      {"V", 6, 3, 0, "@áldomás$ @3$ újítással"_w},
      {"V", 7, 12, 4, "@alkímia$ (@4$ Kard)"_w},
      {"V", 7, 12, 0, "@alkímia$ (Kard)"_w},
      {"V", 9, 1, 1, "varázsfesték: @szőke haj"_w},
      {"V", 9, 1, 21, "varázsfesték: @"_w},
      {"V", 9, 3, 17, "varázsfesték: @"_w},
      {"V", 9, 2, 0, "varázsfesték: @"_w},
      {"V", 9, 4, 1, "varázsfesték: @"_w},
      {"V", 9, kMin, kMin, "varázsfesték: @"_w},
      {"V", 14, 1, 0, "@méregsemlegesítés$ (mindig megújítod)"_w},
      {"V", 14, 0, 0, "@méregsemlegesítés$ "_w},
      {"V", 15, 12, 3, "@szaporítás$ (3 @Kard$)"_w},
      {"V", 15, 12, 0, "@szaporítás$ (@Kard$)"_w},
      {"V", 18, 15, 0, "vak őrület (@15%$ menekülés)"_w},
      {"V", 18, 30, 0, "vak őrület (@30%$ menekülés)"_w},
      {"V", 18, 14, 0, "vak őrület (^???%$ menekülés)"_w},
      {"V", 18, 31, 0, "vak őrület (^???%$ menekülés)"_w},
      {"V", 20, 12, 1, "bűvölés (1 @Kard$)"_w},
      {"V", 20, 12, 20, "bűvölés (20 @Kard$)"_w},
      {"V", 20, 12, 21, "bűvölés (@Kard$)"_w},
      {"V", 20, 12, 0, "bűvölés (@Kard$)"_w},
      {"V", 21, 5, 0, "korgó gyomor, huss (@+5$ kaja)"_w},
      {"V", 22, 12, 0, "unkreáció (@Kard$)"_w},
      {"V", 54, 1200, 0, "kristálygömb (@Gandalf$)  - fekete gyöngy"_w},
      {"V", 75, 10, 0, "mágiafeloldás (@Gyogyitas$)"_w},
      {"V", 80, 5, 0, "életszívás II. (@Farkas$)"_w},
      {"V", 81, 0, 0, "vadítás (@ $)"_w},
      {"V", 81, 5, 0, "vadítás (@Farkas$)"_w},
      {"V", 81, 9, 0, "vadítás (@#9$)"_w},
      {"V", 81, 10, 0, "vadítás (^???$)"_w},
      {"V", 81, 987, 0, "vadítás (^???$)"_w},
      {"V", 81, 988, 0, "vadítás (@Troll$)"_w},
      {"V", 81, 999, 0, "vadítás (@#999$)"_w},
      {"V", 81, 1000, 0, "vadítás (@#1000$)"_w},
      {"V", 81, 7001, 0, "vadítás (@Aragorn$)"_w},
      {"V", 81, -1, 0, "vadítás (^???$)"_w},
      {"V", 82, 988, 0, "szörnyészlelés I. (@Troll$)"_w},
      {"V", 83, 0, 0, "szörnycsábítás (^SZK parancs után!$)"_w},
      {"V", 84, 5, 0, "szörnyidézés (@Farkas$)"_w},
      {"V", 88, 3, 0, "@szopókőpusztítás$ (3 szopókő)"_w},
      {"V", 88, 0, 0, "@szopókőpusztítás$ (szopókő)"_w},
      {"V", 96, 42, 28, "városi teleport (@42$;@28$)@ Shadar, városháza  "_w},
      {"V", 96, 0, 0, "városi teleport (@0$;@0$)@   "_w},
      {"V", 134, 10, 0, "varázslatfelejtés (@Gyogyitas$)"_w},
      {"V", 135, 11, 0, "tárgyészlelés (@Rubin$)"_w},
      {"V", 143, 11, 0, "növényültetés (@Rubin$)"_w},
      {"V", 144, 1, 0, "földelementál idézése (@agyagelementál$)"_w},
      {"V", 144, 2, 0, "földelementál idézése (@bazaltelementál$)"_w},
      {"V", 144, 3, 0, "földelementál idézése (@gránitelementál$)"_w},
      {"V", 144, 4, 0, "földelementál idézése (^???$)"_w},
      {"V", 160, 4, 0, "@varázskőkészítés$ (4 darab)"_w},
      {"V", 169, 3, 0, "@áldomás II.$ @3$ újítással"_w},
      {"V", 169, 0, 2, "@áldomás II.$, min. @2.$ szintű ellenfélre"_w},
      {"V", 181, 41, 29, "városi teleport II. (@41$;@29$)@ ^Nem városmező (esetleg kalandozók városa)  "_w},
      {"V", 198, 240, 50, "tiltott teleport (@240$;@50$)@  "_w},
      {"V", 208, 1, 0, "@Kisebb kívánság$ (+1 TNO)"_w},
      {"V", 208, 2, 0, "@Kisebb kívánság$ (+1 KNO)"_w},
      {"V", 208, 0, 0, "@Kisebb kívánság$ (+1 ?\?\?)"_w},
      {"V", 237, 12, 0, "minta formázása (@Kard$)"_w},
      {"V", 275, 12, 0, "érckonverzió (@Kard$)"_w},
      {"V", 275, 0, 0, "érckonverzió (@ezüstdarab$)"_w},
      {"V", 308, 40, 0, "manapajzs (@40$ vp)"_w},
      {"V", 347, 11, 0, "keltetés (@Rubin$)"_w},
      {"V", 388, 2, 0, "felsőbb beavatkozás (@2$. TK)"_w},
      {"V", 416, 42, 28, "városi teleport III. (@42$;@28$)@ Shadar, városháza"_w},
      {"V", 416, 41, 29, "városi teleport III. (@41$;@29$)@ ^Nem városmező (esetleg kalandozók városa)"_w},
      {"V", 453, 12, 5, "Trinigan rúnája (@5$ db @Kard$)"_w},
      {"V", 489, 3, 12, "@repülés$, irány: @délkeletre$ 12 mezőt (^max 10 mező$)"_w},
      {"V", 489, 1, 10, "@repülés$, irány: @északkeletre$ 10 mezőt"_w},
      {"V", 489, 8, 1, "@repülés$, irány: @északra$ 1 mezőt"_w},
      {"V", 489, 6, 0, "@repülés$, irány: @nyugatra$ 0 mezőt"_w},
      {"V", 489, 9, 5, "@repülés$ használata"_w},
      {"V", 489, 0, 11, "@repülés$ használata (^max 10 mező$)"_w},
      {"V", 489, kMin, kMax, "@repülés$ használata (^max 10 mező$)"_w},
      // Spells that the table does not list.
      {"V", 500, 0, 0, "@Koddobas$ varázslása"_w},
      {"V", 777, 1, 1, "@#777$ varázslása"_w},
      {"V", 0, 0, 0, "@ $ varázslása"_w},
      {"V", kMin, 0, 0, "@#-2147483648$ varázslása"_w},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Trace(c));
    EXPECT_EQ(Describe(c.code, c.p1, c.p2, c.p3), c.expected);
  }
}

TEST_F(DescribeOrders0Test, EveryColourOfTheMagicPaint) {
  const std::vector<std::vector<std::string>> lists = {
      {"szőke haj"_w, "barna haj"_w, "fekete haj"_w, "vörös haj"_w, "ezüst haj"_w, "arany haj"_w,
       "ősz haj"_w, "tarka haj"_w, "pöttyös haj"_w, "csíkos haj"_w, "kockás haj"_w, "lila haj"_w,
       "szürke haj"_w, "sárga haj"_w, "meghatározhatatlan színű haj"_w, "lila-fehér mintás haj"_w,
       "kék-zöld csíkos haj"_w, "hófehér haj"_w, "hollófekete haj"_w, "világoskék haj"_w},
      {"barna szem"_w, "szürke szem"_w, "zöld szem"_w, "kék szem"_w, "piros szem"_w, "csillogó szem"_w,
       "félszem"_w, "vak"_w, "világoskék szem"_w, "égszínkék szem"_w, "sárga szem"_w,
       "narancssárga szem"_w, "homokóra szem"_w, "ferde szem"_w, "apró szem"_w, "vizenyős szem"_w,
       "lila szem"_w, "szemüveges"_w, "borostyán szem"_w, "izzóan vörös szem"_w},
      {"normál bőrszin"_w, "sötét bőrszin"_w, "fekete bőrszin"_w, "világos bőrszin"_w, "kreol bőrszin"_w,
       "rózsaszin bőrszin"_w, "bronz bőrszin"_w, "fehér bőrszin"_w, "sárga bőrszin"_w, "zöld bőrszin"_w,
       "rücskös bőr"_w, "mélykék bőrszin"_w, "nyálkás bőr"_w, "sárgásbarna bőrszin"_w, "lila bőrszin"_w,
       "pikkelyes bőr"_w},
  };
  for (std::size_t part = 0; part < lists.size(); ++part) {
    for (std::size_t k = 0; k < lists[part].size(); ++k) {
      SCOPED_TRACE(std::to_string(part + 1) + " " + std::to_string(k + 1));
      EXPECT_EQ(Describe("V", 9, static_cast<std::int32_t>(part + 1), static_cast<std::int32_t>(k + 1)),
                "varázsfesték: @"_w + lists[part][k]);
    }
  }
}

TEST_F(DescribeOrders0Test, DimensionJumpGates) {
  struct Gate {
    std::int32_t x, y;
    std::string expected;
  };
  const Gate gates[] = {
      {423, 70, "@dimenzióugrás$ Sötét Földre (@423$;@70$) : ryuku (450;5)-ről"_w},
      {450, 5, "@dimenzióugrás$ a ryuku szigetvilágba (@450$;@5$) : Sötét Földről (423;70)-ről"_w},
      {195, 70, "@dimenzióugrás$ Alanorhoz (@195$;@70$) : ryuku (465;102)-ről"_w},
      {465, 102, "@dimenzióugrás$ a ryuku szigetvilágba (@465$;@102$) : Alanortól (195;70)-ről"_w},
      {364, 61, "@dimenzióugrás$ Sötét Földre (@364$;@61$) : északi kapu (188;31)-ről"_w},
      {364, 64, "@dimenzióugrás$ Sötét Földre (@364$;@64$) : középső kapu (190;60)-ról"_w},
      {364, 67, "@dimenzióugrás$ Sötét Földre (@364$;@67$) : déli kapu (191;105)-ről"_w},
      {188, 31, "@dimenzióugrás$ Ghallára (@188$;@31$) : északi kapu (364;61)-ről"_w},
      {190, 60, "@dimenzióugrás$ Ghallára (@190$;@60$) : középső kapu (364;64)-ről"_w},
      {191, 105, "@dimenzióugrás$ Ghallára (@191$;@105$) : déli kapu (364;67)-ről"_w},
      {132, 46, "@dimenzióugrás$ Kragoruhoz (@132$;@46$) : nyugati toronytól (72;84)-ről"_w},
      {72, 84, "@dimenzióugrás$ Kragoruhoz (@72$;@84$) : keleti toronytól (132;46)-ról"_w},
      {620, 89, "@dimenzióugrás$ a kiégett földekre (@620$;@89$) : Ghalláról (185;57)-ről"_w},
      {185, 57, "@dimenzióugrás$ Ghallára (@185$;@57$) : a kiégett földekről (620;89)-ről"_w},
      {453, 118, "@dimenzióugrás$ a ryuku szigetvilágba (@453$;@118$) : a kiégett földekről (513;49)-ről"_w},
      {406, 26, "@dimenzióugrás$ Sötét Földre (@406$;@26$) : a kiégett földekről (513;49)-ről"_w},
      {513, 49, "@dimenzióugrás$ a kiégett földekre (@513$;@49$) : a sötét földről, vagy ryukuról"_w},
      {423, 71, "@dimenzióugrás$ (^???$) varázslása"_w},
      {70, 423, "@dimenzióugrás$ (^???$) varázslása"_w},
      {0, 0, "@dimenzióugrás$ (^???$) varázslása"_w},
  };
  for (const Gate& g : gates) {
    SCOPED_TRACE(std::to_string(g.x) + ";" + std::to_string(g.y));
    EXPECT_EQ(Describe("V", 163, g.x, g.y), g.expected);
  }
}

TEST_F(DescribeOrders0Test, DimensionJumpFromTheBurntLandsGateReadsTheLastReplay) {
  const std::string both =
      "@dimenzióugrás$ több helyszínre: ryuku szigetvilág (@453$;@118$) / Sötét Föld (@406$;@26$)"_w;
  const std::string unknown = "@dimenzióugrás$ (^???$) varázslása"_w;
  auto& o = Orders();
  // The start alone is not where the last replay stood.
  o.StartCoords.StartX = 513;
  o.StartCoords.StartY = 49;
  EXPECT_EQ(Describe("V", 163, 0, 0, 2), unknown);
  // A replay up to the line before leaves the position on the gate.
  SetLine(1, "M", 0, 0, 0);
  TraceMoves(1, 3);
  EXPECT_EQ(Describe("V", 163, 0, 0, 2), both);
  EXPECT_EQ(Describe("V", 163, 0, 1, 2), unknown);
  EXPECT_EQ(Describe("V", 163, 513, 0, 2), unknown);
  o.MovePosition.Y = 50;
  EXPECT_EQ(Describe("V", 163, 0, 0, 2), unknown);
}

TEST_F(DescribeOrders0Test, SpellKindHintsComeBeforeTheTable) {
  EXPECT_EQ(Describe("V", 74), "@Tudatlatas ^??? (ez pszí képesség, P paranccsal aktivizáld)"_w);
  EXPECT_EQ(Describe("V", 301, 1, 1), "@Tuzlabda ^??? (ez támadó/védekező varázslat, tedd TV listába)"_w);
  // A listed spell number whose record is a psi ability or an attack spell.
  LoadSpellTable("489 H 1 1 1 Szarnyalas\n9 P 1 1 1 Festes\n96 V 1 1 1 Teleport\n");
  EXPECT_EQ(Describe("V", 489, 3, 12), "@Szarnyalas ^??? (ez támadó/védekező varázslat, tedd TV listába)"_w);
  EXPECT_EQ(Describe("V", 9, 1, 1), "@Festes ^??? (ez pszí képesség, P paranccsal aktivizáld)"_w);
  EXPECT_EQ(Describe("V", 96, 42, 28), "városi teleport (@42$;@28$)@ Shadar, városháza  "_w);
}

// The teleports measured from invented start coordinates: the position before
// line 1 is the start itself.
TEST_F(DescribeOrders0Test, TeleportCostsFromTheStart) {
  auto& o = Orders();
  o.StartCoords.StartX = 100;
  o.StartCoords.StartY = 50;
  const Case cases[] = {
      // 58 squares: tau 29, space bender 15.
      {"V", 96, 42, 28, "városi teleport (@42$;@28$)@ Shadar, városháza $(tau: @29$) $(térhajlító tau: @15$)"_w},
      // A town teleport eastwards does not work; the space bender says nothing.
      {"V", 96, 110, 50,
       "városi teleport (@110$;@50$)@ ^Nem városmező (esetleg kalandozók városa) $(^keletre nem jó$) "_w},
      {"V", 96, 100, 50,
       "városi teleport (@100$;@50$)@ ^Nem városmező (esetleg kalandozók városa) $(tau: @0$) $(térhajlító tau: @0$)"_w},
      {"V", 181, 42, 28,
       "városi teleport II. (@42$;@28$)@ Shadar, városháza $(tau: @29$) $(térhajlító tau: @15$)"_w},
      {"V", 181, 110, 50,
       "városi teleport II. (@110$;@50$)@ ^Nem városmező (esetleg kalandozók városa) $(tau: @5$) $(térhajlító tau: @3$)"_w},
      // 250 squares of forbidden teleport: 50 x 250 - 6000 and 250.
      {"V", 198, 350, 50, "tiltott teleport (@350$;@50$)@ $(tau: @6500$) $(térhajlító tau: @250$)"_w},
      {"V", 416, 42, 28, "városi teleport III. (@42$;@28$)@ Shadar, városháza"_w},
      {"EK", 559, 110, 45, "tudatáthelyezés: @110$;@45$ (pszi: @20$)"_w},
      {"EK", 559, 0, 0, "tudatáthelyezés (pszi: @200$)"_w},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Trace(c));
    EXPECT_EQ(Describe(c.code, c.p1, c.p2, c.p3), c.expected);
  }
}

TEST_F(DescribeOrders0Test, ForbiddenTeleportIsShortenedByTheFoci) {
  Orders().StartCoords.StartX = 100;
  Orders().StartCoords.StartY = 50;
  CharSettings().CharTerfokusz = 3;
  // 140 squares less 15: 125 gives 250 and 125; one square more gives 300 and 126.
  EXPECT_EQ(Describe("V", 198, 240, 50), "tiltott teleport (@240$;@50$)@ $(tau: @250$) $(térhajlító tau: @125$)"_w);
  EXPECT_EQ(Describe("V", 198, 241, 50), "tiltott teleport (@241$;@50$)@ $(tau: @300$) $(térhajlító tau: @126$)"_w);
}

TEST_F(DescribeOrders0Test, LongTeleportsAndTheLimitsOfTheCoordinates) {
  auto& o = Orders();
  o.StartCoords.StartX = 800;
  o.StartCoords.StartY = 50;
  // 700 squares: 250 + 25 x 100 and 250 + 25 x 50.
  EXPECT_EQ(Describe("V", 96, 100, 50),
            "városi teleport (@100$;@50$)@ ^Nem városmező (esetleg kalandozók városa) $(tau: @2750$) $(térhajlító tau: @1500$)"_w);
  o.StartCoords.StartX = kMax;
  o.StartCoords.StartY = kMax;
  // 2147483646 squares: 250 + 25 x 1073741573 and 250 + 25 x 536870787.
  EXPECT_EQ(Describe("V", 181, 1, 1),
            "városi teleport II. (@1$;@1$)@ ^Nem városmező (esetleg kalandozók városa) $(tau: @26843539575$) $(térhajlító tau: @13421769925$)"_w);
  // The distance to the far corner is the largest 32-bit one; twice it is written whole.
  EXPECT_EQ(Describe("EK", 559, kMin, kMin), "tudatáthelyezés: @-2147483648$;@-2147483648$ (pszi: @4294967294$)"_w);
}

// A sheet replayed on the invented map: the character starts in the marsh
// (terrain 6) with a return pending, walks out of it and is put back on the
// return point, then teleports.
TEST_F(DescribeOrders0Test, TeleportsAfterAReplayOnTheMap) {
  std::string error;
  ASSERT_TRUE(LoadMapDatBytes(testing::InventedMapDat(), error)) << error;
  auto& o = Orders();
  o.StartCoords.StartX = 105;
  o.StartCoords.StartY = 45;
  o.StartCoords.TeleportX = 30;
  o.StartCoords.TeleportY = 20;
  o.TeleportReturnChecked = true;
  SetLine(1, "M", 2, 2, 0);  // (107;45), still in the marsh
  SetLine(2, "M", 2, 2, 2);  // (109;45), then the step out of it returns to (30;20)
  SetLine(3, "V", 181, 42, 28);  // 12 squares; leaves a return pending
  SetLine(4, "V", 96, 42, 28);   // from (42;28) itself; does not jump while the return is pending
  SetLine(5, "EK", 559, 45, 28);

  TMovePosition before;
  before.X = 1;
  before.Y = 2;
  before.PrevX = 3;
  before.PrevY = 4;
  before.TeleX = 5;
  before.TeleY = 6;
  o.MovePosition = before;

  const auto describe = [](int line) {
    SheetModel().LineDescription.clear();
    DescribeOrders0(line);
    return SheetModel().LineDescription;
  };
  EXPECT_EQ(describe(3), "városi teleport II. (@42$;@28$)@ Shadar, városháza $(tau: @6$) $(térhajlító tau: @3$)"_w);
  EXPECT_EQ(describe(4), "városi teleport (@42$;@28$)@ Shadar, városháza $(tau: @0$) $(térhajlító tau: @0$)"_w);
  EXPECT_EQ(describe(5), "tudatáthelyezés: @45$;@28$ (pszi: @6$)"_w);
  EXPECT_EQ(o.MovePosition, before);

  // On a blank map the very first step leaves the marsh that is not there:
  // back to (30;20) at once, then four steps east to (34;20), 8 squares away.
  ResetMapState();
  EXPECT_EQ(describe(3), "városi teleport II. (@42$;@28$)@ Shadar, városháza $(tau: @4$) $(térhajlító tau: @2$)"_w);
  EXPECT_EQ(o.MovePosition, before);
}

TEST_F(DescribeOrders0Test, OtherCodesAreLeftAlone) {
  for (const char* code : {"v", "ek", "E", "VDD", "EK ", "", "ONG", "M", "HIR"}) {
    SCOPED_TRACE(code);
    EXPECT_EQ(Describe(code, 96, 42, 28), "<untouched>");
  }
}

TEST_F(DescribeOrders0Test, WorkingValuesAreReloadedFromTheLine) {
  EXPECT_EQ(Describe("VD", 4, 5, 6, 40), "szörnyvadászat: @4$ szörny csata"_w);
  EXPECT_EQ(SheetModel().CurParam1, 4);
  EXPECT_EQ(SheetModel().CurParam2, 5);
  EXPECT_EQ(SheetModel().CurParam3, 6);
  Describe("xyz", 7, 8, 9, 12);  // even a line that is not this describer's
  EXPECT_EQ(SheetModel().CurParam1, 7);
  EXPECT_EQ(SheetModel().CurParam3, 9);
}

TEST_F(DescribeOrders0Test, LineOutsideTheSheetTouchesNothing) {
  auto& s = SheetModel();
  s.LineDescription = "<untouched>";
  s.CurParam1 = 9;
  DescribeOrders0(0);
  DescribeOrders0(41);
  DescribeOrders0(-1);
  EXPECT_EQ(s.LineDescription, "<untouched>");
  EXPECT_EQ(s.CurParam1, 9);
}

}  // namespace
}  // namespace vorda
