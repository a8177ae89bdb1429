// Destruction, behaviour, relics, shape change, quick casting, lottery,
// creation, conditional orders, auction bids, psi abilities, levers and
// acceleration in the third describer.
#include <cstdint>
#include <limits>

#include "orders/describe_orders2_fixture.h"

namespace vorda {
namespace {

using testing::ExpectDescriptions;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

class DescribeOrders2ShapesPsiTest : public testing::Describe2Test {};

TEST_F(DescribeOrders2ShapesPsiTest, DestructionAndBehaviour) {
  ExpectDescriptions({
      {"ZIP", 12, 5, 0, "@Kard$ pusztítása @5$ pontért"_w},
      {"ZIP", 12, 0, 0, "@Kard$ pusztítása "_w},
      {"VI", 0, 0, 0, "viselkedés: "_w},
      {"VI", 1, 1, 1, "viselkedés: merészség @1$, agresszió @1$, menekülés @1%$"_w},
      {"VI", 99, 10, 90, "viselkedés: merészség @99$, agresszió @10$, menekülés @90%$"_w},
      {"VI", 0, 5, 0, "viselkedés: mer. nem változik, agresszió @5$"_w},
      {"VI", 0, 0, 20, "viselkedés: mer. nem változik, agr. nem változik, menekülés @20%$"_w},
      {"VI", 100, 11, 91, "viselkedés: ^???$, ^???$, ^???%$ menekülés"_w},
      {"VI", -1, -1, -1, "viselkedés: ^???$, ^???$, ^???%$ menekülés"_w},
      {"VI", 0, -1, 0, "viselkedés: , ^???$"_w},
      {"VI", 0, 0, -5, "viselkedés: , ^???%$ menekülés"_w},
      {"VI", kMin, kMax, kMin, "viselkedés: ^???$, ^???$, ^???%$ menekülés"_w},
  });
}

TEST_F(DescribeOrders2ShapesPsiTest, RelicExchangeAndGathering) {
  ExpectDescriptions({
      {"KT", 757, 767, 777, "Zarknod: @Relikvia A$, @Relikvia C$, @Relikvia E$"},
      {"KT", 766, 776, 786, "Zarknod: @Relikvia B$, @Relikvia D$, @Relikvia F$"},
      {"KT", 767, 776, 0, "Zarknod relikvia csere: @Relikvia C$, @Relikvia D$"},
      {"KT", 767, 776, 5, "készítés/gyűjtés: @776 Relikvia C"_w},
      {"KT", 756, 767, 777, "készítés/gyűjtés: @767 #756"_w},
      {"KT", 757, 767, 787, "készítés/gyűjtés: @767 Relikvia A"_w},
      {"KT", 766, 777, 0, "készítés/gyűjtés: @777 Relikvia B"_w},
      {"KT", 12, 0, 0, "készítés/gyűjtés: @Kard"_w},
      {"KT", 12, -4, 0, "készítés/gyűjtés: @Kard"_w},
  });
}

TEST_F(DescribeOrders2ShapesPsiTest, ShapeChanges) {
  ExpectDescriptions({
      {"AV", 9, 0, 0, "@sasszárnyak$ (repülés - nem működik)"_w},
      {"AV", 10, 0, 0, "@gyökerek$ (vízszívás a talajból)"_w},
      {"AV", 11, 5, 0, "szörnnyé alakulás (@Troll$)"_w},
      {"AV", 12, 9, 0, "@testújjáépítés$ (@0$ ép gyógyulás)"_w},
      {"AV", 12, 10, 0, "@testújjáépítés$ (@0$ ép gyógyulás)"_w},
      {"AV", 12, 25, 0, "@testújjáépítés$ (@15$ ép gyógyulás)"_w},
      {"AV", 12, kMin, 0, "@testújjáépítés$ (@0$ ép gyógyulás)"_w},
      {"AV", 12, kMax, 0, "@testújjáépítés$ (@2147483637$ ép gyógyulás)"_w},
      {"AV", 13, 0, 0, "@álcázás$ (növényként táborozás)"_w},
      {"AV", 24, 1, 0, "@testsúlyváltoztatás$ (@+1$ kg)"_w},
      {"AV", 24, 10, 0, "@testsúlyváltoztatás$ (@+10$ kg)"_w},
      {"AV", 24, 11, 0, "@testsúlyváltoztatás$ (@-1$ kg)"_w},
      {"AV", 24, 13, 0, "@testsúlyváltoztatás$ (@-3$ kg)"_w},
      {"AV", 24, 15, 0, "@testsúlyváltoztatás$ (@-5$ kg)"_w},
      {"AV", 24, 16, 0, "@testsúlyváltoztatás$ (^???$ kg)"_w},
      {"AV", 24, 0, 0, "@testsúlyváltoztatás$ (^???$ kg)"_w},
      {"AV", 25, 1000, 0, "felveszed @Aladar$ alakját"_w},
      {"AV", 29, 12, 0, "tárggyá alakulás (@Kard$)"_w},
      {"AV", 8, 0, 0, "alakváltás"_w},
      {"AV", 30, 0, 0, "alakváltás"_w},
      {"AV", 0, 0, 0, "alakváltás"_w},
      {"AV", kMin, 0, 0, "alakváltás"_w},
  });
}

TEST_F(DescribeOrders2ShapesPsiTest, OutwardChangeLooksAndTheirEmptyCells) {
  ExpectDescriptions({
      {"AV", 26, 1, 1, "külső megváltoztatás: @szőke haj"_w},
      {"AV", 26, 1, 2, "külső megváltoztatás: @barna haj"_w},
      {"AV", 26, 1, 3, "külső megváltoztatás: @fekete haj"_w},
      {"AV", 26, 1, 4, "külső megváltoztatás: @vörös haj"_w},
      {"AV", 26, 1, 5, "külső megváltoztatás: @ezüst haj"_w},
      {"AV", 26, 1, 6, "külső megváltoztatás: @arany haj"_w},
      {"AV", 26, 1, 7, "külső megváltoztatás: @ősz haj"_w},
      {"AV", 26, 1, 8, "külső megváltoztatás: @"_w},
      {"AV", 26, 2, 1, "külső megváltoztatás: @barna szem"_w},
      {"AV", 26, 2, 2, "külső megváltoztatás: @szürke szem"_w},
      {"AV", 26, 2, 3, "külső megváltoztatás: @zöld szem"_w},
      {"AV", 26, 2, 4, "külső megváltoztatás: @kék szem"_w},
      {"AV", 26, 2, 5, "külső megváltoztatás: @piros szem"_w},
      {"AV", 26, 2, 6, "külső megváltoztatás: @csillogó szem"_w},
      {"AV", 26, 2, 7, "külső megváltoztatás: @félszem"_w},
      {"AV", 26, 2, 10, "külső megváltoztatás: @"_w},
      {"AV", 26, 3, 1, "külső megváltoztatás: @normál bőrszin"_w},
      {"AV", 26, 3, 2, "külső megváltoztatás: @sötét bőrszin"_w},
      {"AV", 26, 3, 3, "külső megváltoztatás: @fekete bőrszin"_w},
      {"AV", 26, 3, 4, "külső megváltoztatás: @világos bőrszin"_w},
      {"AV", 26, 3, 5, "külső megváltoztatás: @kreol bőrszin"_w},
      {"AV", 26, 3, 6, "külső megváltoztatás: @rózsaszin bőrszin"_w},
      {"AV", 26, 3, 7, "külső megváltoztatás: @bronz bőrszin"_w},
      {"AV", 26, 3, 8, "külső megváltoztatás: @fehér bőrszin"_w},
      {"AV", 26, 3, 9, "külső megváltoztatás: @sárga bőrszin"_w},
      {"AV", 26, 3, 10, "külső megváltoztatás: @zöld bőrszin"_w},
      {"AV", 26, 3, 11, "külső megváltoztatás: @"_w},
      {"AV", 26, 3, 0, "külső megváltoztatás: @"_w},
      {"AV", 26, 4, 1, "külső megváltoztatás: @"_w},
      {"AV", 26, 0, 1, "külső megváltoztatás: @"_w},
      {"AV", 26, kMin, kMax, "külső megváltoztatás: @"_w},
      {"AV", 26, kMax, kMin, "külső megváltoztatás: @"_w},
  });
}

TEST_F(DescribeOrders2ShapesPsiTest, QuickCastingLotteryCreationAndConditionalOrders) {
  ExpectDescriptions({
      {"VV", 5, 6, 0, "gyorsvarázslás: @Tuzgolyo Pajzs  "_w},
      {"LOT", 1, 15, 30, "lottózás (@10$ arany), tippjeid: @1$, @15$, @30"_w},
      {"LOT", 31, 0, -1, "lottózás (@10$ arany), tippjeid: ^??$, ^??$, ^??"_w},
      {"LOT", 0, 30, 31, "lottózás (@10$ arany), tippjeid: ^??$, @30$, ^??"_w},
      {"KRE", 17, 12, 3, "kreáció: @3 Kard$ készítése @Hosszú íj$ tárgyból"_w},
      {"KRE", 17, 0, 0, "kreáció: @Hosszú íj$ tárgyból"_w},
      {"KRE", 0, 0, 0, "kreáció: @"_w},
      {"KRE", -1, -1, -1, "kreáció: @"_w},
      {"FGO", 5, 0, 0, "feltételes gonoszkodás max. @5$ pontig fordulónként"_w},
      {"FGO", 0, 0, 0, "feltételes gonoszkodás @törölve$"_w},
      {"FGO", -1, 0, 0, "feltételes gonoszkodás @törölve$"_w},
      {"FM", 10, 12, 0, "feltételes mászás max. @10$ pontig fordulónként (minimum: @Kard$)"_w},
      {"FM", 10, 0, 0, "feltételes mászás max. @10$ pontig fordulónként"_w},
      {"LIC", 3, 500, 0, "licitálás a helytartói liciten: @3.$ tételre @500$ aranyért"_w},
      {"HH", 12, 0, 17, "mágikus gyorsítás: @Kard   Hosszú íj"_w},
  });
}

TEST_F(DescribeOrders2ShapesPsiTest, PsiAbilitiesRejectSpellsAndDescribeTheirParameters) {
  ExpectDescriptions({
      {"P", 5, 0, 0, "Tuzgolyo ^??? (ez varázslat, V paranccsal aktivizáld)"_w},
      // Kind decides before the number: 104 is a spell in these tables.
      {"P", 104, 2, 0, "Terkep ^??? (ez varázslat, V paranccsal aktivizáld)"_w},
      {"P", 6, 0, 0, "Pajzs ^??? (ez támadó/védekező varázslat, tedd TV listába)"_w},
      {"P", 7, 0, 0, "pszí képesség használata: @Latas"_w},
      {"P", 0, 0, 0, "pszí képesség használata: @ "_w},
      {"P", 66, 0, 0, "pszí képesség használata: @#66"_w},
      {"P", 65, 1, 0, "auratranszformáció (@jóságpont$)"_w},
      {"P", 65, 2, 0, "auratranszformáció (@gonoszságpont$)"_w},
      {"P", 65, 3, 0, "auratranszformáció (^???$)"_w},
      {"P", 68, 0, 0, "felejtés (@ $)"_w},
      {"P", 68, 9, 0, "felejtés (@Goblin$)"_w},
      {"P", 68, 10, 0, "felejtés (^???$)"_w},
      {"P", 68, 986, 0, "felejtés (^???$)"_w},
      {"P", 68, 987, 0, "felejtés (@#987$)"_w},
      {"P", 68, 999, 0, "felejtés (@Ork$)"_w},
      {"P", 68, 1000, 0, "felejtés (@Aladar$)"_w},
      {"P", 68, -1, 0, "felejtés (^???$)"_w},
      {"P", 69, 3, 0, "kí koncentráció @3.$ harcművészeti képességre"_w},
      {"P", 113, 1000, 0, "pszí ernyő II. (@Aladar$)"_w},
      {"P", 115, 3, 0, "pszí konverzió: @+3 TU$ -150 pszípont"_w},
      {"P", 115, kMax, 0, "pszí konverzió: @+2147483647 TU$ --50 pszípont"_w},
      {"P", 119, 4, 0, "térképelemzés II. (@4.$ labirintus)"_w},
      {"P", 191, 2, 1000, "ragály, célpont @Aladar$ (@2$ mösze) -20 pszípont"_w},
      {"P", 191, 1, 0, "ragály (@1$ mösze) -10 pszípont"_w},
      {"P", 191, 0, 0, "ragály"_w},
      {"P", 195, 4, 0, "pszí konverzió II: @+4 TU$ -80 pszípont"_w},
      {"P", 195, kMin, 0, "pszí konverzió II: @+-2147483648 TU$ -0 pszípont"_w},
      {"P", 298, 5, 0, "@gyilkos ösztönök$, célpont szintje minimum: @5$"_w},
      {"P", 298, 0, 0, "@gyilkos ösztönök$"_w},
  });
}

TEST_F(DescribeOrders2ShapesPsiTest, MapAnalysisOfTheFirstKind) {
  LoadSpellTable("");
  ExpectDescriptions({{"P", 104, 2, 0, "térképelemzés I. (@2.$ labirintus)"_w}});
}

TEST_F(DescribeOrders2ShapesPsiTest, MolecularRearrangement) {
  ExpectDescriptions({
      {"P", 74, 85, 2, "molekulaátrendezés 2 @óndarab$ (@rézdarabból$)"_w},
      {"P", 74, 152, 0, "molekulaátrendezés @vasérc$ (@óndarabból$)"_w},
      {"P", 74, 226, 0, "molekulaátrendezés @ramit kő$ (@pirkitből$)"_w},
      {"P", 74, 232, 0, "molekulaátrendezés @ilkin érc$ (@vasércből$)"_w},
      {"P", 74, 326, 0, "molekulaátrendezés @ezüstdarab$ (@ilkin ércből$)"_w},
      {"P", 74, 352, 0, "molekulaátrendezés @mithril$ (@kvazárból$)"_w},
      {"P", 74, 627, 0, "molekulaátrendezés @adamantit$ (@mihlanilból$)"_w},
      {"P", 74, 2070, 0, "molekulaátrendezés @metazafír$ (@metagyémántból$)"_w},
      {"P", 74, 2071, 0, "molekulaátrendezés @metarubin$ (@metazafírból$)"_w},
      {"P", 74, 2072, 0, "molekulaátrendezés @metasmaragd$ (@metarubinból$)"_w},
      {"P", 74, 2073, 0, "molekulaátrendezés @metagyémánt$ (@metasmaragdból$)"_w},
      {"P", 74, 86, 0, "molekulaátrendezés ^???$"_w},
      {"P", 74, 0, 5, "molekulaátrendezés 5"_w},
      {"P", 74, -3, -1, "molekulaátrendezés"_w},
  });
}

TEST_F(DescribeOrders2ShapesPsiTest, LeversHaveFourModes) {
  ExpectDescriptions({
      {"KPCS", 0, 0, 0, "@semmilyen kart$ nem húzol meg"_w},
      {"KPCS", 1, 0, 0, "@minden kart$ automatikusan meghúzol"_w},
      {"KPCS", 2, 0, 0, "@meghúzod a kart$, ha van az aktuális ref.pontodon"_w},
      {"KPCS", 3, 0, 0, "@átkutatod$ az aktuális ref.pontot @20$ pontért kapcsoló után és meghúzod"_w},
      {"KPCS", 3, -5, 0, "@átkutatod$ az aktuális ref.pontot @20$ pontért kapcsoló után és meghúzod"_w},
      {"KPCS", 3, 1, 0, "@átkutatod$ a megadott (@1$) ref.pontot @20$ pontért kapcsoló után és meghúzod"_w},
      {"KPCS", 4, 0, 0, ""},
      {"KPCS", -1, 0, 0, ""},
  });
}

}  // namespace
}  // namespace vorda
