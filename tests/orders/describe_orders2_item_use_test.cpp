// The use of an item (H) in the third describer.
#include <cstdint>
#include <limits>

#include "orders/describe_orders2_fixture.h"

namespace vorda {
namespace {

using testing::DescribeLine2;
using testing::ExpectDescriptions;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

class DescribeItemUseTest : public testing::Describe2Test {
 protected:
  // H with the line's TVP as the first cost pass would have left it.
  std::string DescribeWithTvp(std::int32_t item, std::int32_t p2, std::int32_t tvp) {
    SheetModel().Lines.SheetTvp[7] = tvp;
    return DescribeLine2("H", item, p2, 0);
  }
};

TEST_F(DescribeItemUseTest, GeneralRulesAtTheEnd) {
  ExpectDescriptions({
      {"H", 12, 5, 0, "@Kard$ használata @5$ pontért"_w},
      {"H", 12, 0, 0, "@Kard$ használata "_w},
      {"H", 12, -3, 0, "@Kard$ használata "_w},
      {"H", 12, kMax, 0, "@Kard$ használata @2147483647$ pontért"_w},
      {"H", 0, 0, 0, "@ $ használata "_w},
      {"H", 99, 1, 0, "@#99$ használata @1$ pontért"_w},
      // Kind 2: used a number of times.
      {"H", 40, 3, 0, "@Palca$ használata (@3 alkalommal$)"_w},
      {"H", 40, 0, 0, "@Palca$ használata "_w},
  });
}

TEST_F(DescribeItemUseTest, ARuleWithAFailedValueConditionGoesOnToTheGeneralRules) {
  ExpectDescriptions({
      {"H", 92, 5, 0, "@Kotel$ használata (@5 alkalommal$)"_w},  // rope of kind 2, P2 set
      {"H", 78, 5, 0, "@#78$ használata @5$ pontért"_w},
      {"H", 165, 2, 0, "@#165$ használata @2$ pontért"_w},
      {"H", 365, 1, 0, "@#365$ használata @1$ pontért"_w},
      {"H", 392, 1, 0, "@#392$ használata @1$ pontért"_w},
      {"H", 1755, 0, 0, "@#1755$ használata "_w},
      {"H", 150, -1, 0, "@#150$ használata "_w},
      {"H", 1, 0, 9, "@Olimpiai jegy$ használata "_w},
      {"H", 1387, 0, 0, "@#1387$ használata "_w},
      {"H", 1387, -5, -5, "@#1387$ használata "_w},
      {"H", 697, -3, 5, "@#697$ használata "_w},
  });
}

TEST_F(DescribeItemUseTest, ARuleOnTheItemAloneEndsTheSearchEvenWhenItAddsNothing) {
  ExpectDescriptions({
      {"H", 1820, 3, 0, "@Zold fiola$ használata "_w},  // kind 2, yet not "alkalommal"
      {"H", 1802, 5, 0, "használod a @kék golyót$"_w},
      {"H", 335, 4, 1, "@#335$ használata "_w},
      {"H", 1540, 12, -1, "@#1540$ használata "_w},
      {"H", 883, -1, 0, "@Nyilvesszo$ használata "_w},
      {"H", 1525, 0, 0, "@#1525$ használata "_w},
      {"H", 2020, 0, 0, "@#2020$ használata "_w},
  });
}

TEST_F(DescribeItemUseTest, CountsGoldPotionsAndCompass) {
  ExpectDescriptions({
      {"H", 883, 4, 0, "@Nyilvesszo$ használata : @4$ db"_w},
      {"H", 892, 1, 0, "@#892$ használata : @1$ db"_w},
      {"H", 1294, 2, 0, "@#1294$ használata : @2$ db"_w},
      {"H", 1508, 3, 0, "@#1508$ használata : @3$ db"_w},
      {"H", 1640, 0, 0, "@#1640$ használata "_w},
      {"H", 1755, 100, 0, "@aranyfaló ládikó$ (@100$ arany átváltása @100$ vp-re)"_w},
      {"H", 1137, 4, 0, "@varkaudar pálinka$ használata (@4$ üveg)"_w},
      {"H", 1137, 5, 0, "@varkaudar pálinka$ használata (^5$ üveg, max @4$ üveg)"_w},
      {"H", 1137, 0, 0, "@#1137$ használata "_w},
      {"H", 1224, 12, 0, "@ryuku tájoló$ használata (keresés: @Kard$)"_w},
  });
}

TEST_F(DescribeItemUseTest, TeleportStoneNamesItsTargetSquare) {
  ExpectDescriptions({
      {"H", 1387, 42, 28, "titkos teleportkő (@42$;@28$)@ Shadar, városháza"_w},
      {"H", 1387, 41, 29, "titkos teleportkő (@41$;@29$)@ ^Nem városmező (esetleg kalandozók városa)"_w},
      {"H", 1387, 0, 28, "titkos teleportkő (@0$;@28$)@ "_w},
      {"H", 1387, 5, 0, "titkos teleportkő (@5$;@0$)@ "_w},
      {"H", 1387, kMin, 1, "titkos teleportkő (@-2147483648$;@1$)@ ^Nem városmező (esetleg kalandozók városa)"_w},
  });
}

TEST_F(DescribeItemUseTest, CookingSharpeningAndItemsNamingAnItem) {
  ExpectDescriptions({
      {"H", 1167, 3, 0, "főzés (@Fozoedeny$): @Gulyas$"_w},
      {"H", 1168, 4, 0, "főzés (@#1168$): @#4$"_w},
      {"H", 2229, 0, 0, "főzés (@#2229$)"_w},
      {"H", 1184, 28, 0, "@Fen$ használata  (@Fenoko$), +@2$ sebzés"_w},
      {"H", 1184, 12, 0, "@Fen$ használata  (@Kard$), +@4$ sebzés"_w},
      {"H", 1184, 0, 0, "@Fen$ használata , +@4$ sebzés"_w},
      {"H", 1268, 12, 0, "@#1268$ használata : @Kard$"_w},
      {"H", 1271, 0, 0, "@#1271$ használata "_w},
      {"H", 1589, 12, 17, "@#1589$ használata , @Kard$, @Hosszú íj$"_w},
      {"H", 1589, 0, 17, "@#1589$ használata , @Hosszú íj$"_w},
      {"H", 1602, 12, 5, "@#1602$ használata : @5$ db @Kard$"_w},
      {"H", 1602, 0, 5, "@#1602$ használata "_w},
      {"H", 81, 12, 0, "@#81$ használata (@Kard$)"_w},
      {"H", 81, 0, 0, "@#81$ használata "_w},
  });
}

TEST_F(DescribeItemUseTest, JokonbiaBranchFliesInAHeading) {
  ExpectDescriptions({
      {"H", 1477, 2, 12, "@boszirepcsi$, irány: @keletre$ 12 mezőt (@leb.köpeny$+@légsík$)"_w},
      {"H", 1477, 9, 12, "@jokonbia-ág$ használata (@leb.köpeny$+@légsík$)"_w},
      {"H", 1477, 1, 19, "@boszirepcsi$, irány: @északkeletre$ 19 mezőt (^max 18 mező$)"_w},
      {"H", 1477, 3, 18, "@boszirepcsi$, irány: @délkeletre$ 18 mezőt (@leb.köpeny$+@légsík$)"_w},
      {"H", 1477, 4, 10, "@boszirepcsi$, irány: @délre$ 10 mezőt (@leb.köpeny$+@légsík$)"_w},
      {"H", 1477, 5, 9, "@boszirepcsi$, irány: @délnyugatra$ 9 mezőt (csak @lebernyeg köpennyel$)"_w},
      {"H", 1477, 6, 6, "@boszirepcsi$, irány: @nyugatra$ 6 mezőt (csak @lebernyeg köpennyel$)"_w},
      {"H", 1477, 7, 5, "@boszirepcsi$, irány: @északnyugatra$ 5 mezőt"_w},
      {"H", 1477, 8, 0, "@boszirepcsi$, irány: @északra$ 0 mezőt"_w},
      {"H", 1477, kMax, kMin, "@jokonbia-ág$ használata"_w},
      {"H", 1477, 9, kMax, "@jokonbia-ág$ használata (^max 18 mező$)"_w},
      {"H", 1477, 0, 12, "@#1477$ használata "_w},
  });
}

TEST_F(DescribeItemUseTest, NooseOrbAndPsiStones) {
  ExpectDescriptions({
      {"H", 1586, 0, 0, "törlöd a @fojtóhurok$ beállításodat"_w},
      {"H", 1586, 1, 0, "@#1586$ használata , @1$. szinttől"_w},
      {"H", 1586, 99, 0, "@#1586$ használata , @99$. szinttől"_w},
      {"H", 1586, 100, 0, "@#1586$ használata , @#100$ ellen"_w},
      {"H", 1586, 999, 0, "@#1586$ használata , @Ork$ ellen"_w},
      {"H", 1586, 1000, 0, "@#1586$ használata , @Aladar$ ellen"_w},
      {"H", 1586, 7000, 0, "@#1586$ használata , @Golem$ ellen"_w},
      {"H", 1586, 9101, 0, "@#1586$ használata , @Dezso$ ellen"_w},
      {"H", 1586, -1, 0, "@#1586$ használata , @#-1$ ellen"_w},
      {"H", 1802, 1, 0, "használod a @kék golyót$ +1 @támadás$"_w},
      {"H", 1802, 2, 0, "használod a @kék golyót$ +1 @védekezés$"_w},
      {"H", 1802, 3, 0, "használod a @kék golyót$ +5 @max.ép$"_w},
      {"H", 1802, 4, 0, "használod a @kék golyót$ +5 @max.vp$"_w},
      {"H", 1802, 0, 0, "használod a @kék golyót$"_w},
      {"H", 248, 2, 0, "megeszel 2 @pszi követ$"_w},
      {"H", 248, 1, 0, "megeszel egy @pszi követ$"_w},
      {"H", 248, -4, 0, "megeszel egy @pszi követ$"_w},
  });
}

TEST_F(DescribeItemUseTest, GamesEntry) {
  ExpectDescriptions({
      {"H", 1, 12, 9, "jelentkezés az Olimpiára (@Kard$) csak vetélkedőre"_w},
      {"H", 1, 12, 10, "jelentkezés az Olimpiára (@Kard$) e-mail (BASE64)"_w},
      {"H", 1, 12, 19, "jelentkezés az Olimpiára (@Kard$) csak vetélkedő e-mail (BASE64)"_w},
      {"H", 1, 12, 20, "jelentkezés az Olimpiára (@Kard$) e-mail (UUENCODE)"_w},
      {"H", 1, 12, 29, "jelentkezés az Olimpiára (@Kard$) csak vetélkedő e-mail (UUENCODE)"_w},
      {"H", 1, 12, 30, "jelentkezés az Olimpiára (@Kard$) posta+e-mail (BASE64)"_w},
      {"H", 1, 12, 39, "jelentkezés az Olimpiára (@Kard$) csak vetélkedő posta+e-mail (BASE64)"_w},
      {"H", 1, 12, 40, "jelentkezés az Olimpiára (@Kard$) posta+e-mail (UUENCODE)"_w},
      {"H", 1, 12, 49, "jelentkezés az Olimpiára (@Kard$) csak vetélkedő posta+e-mail (UUENCODE)"_w},
      {"H", 1, 12, 11, "jelentkezés az Olimpiára (@Kard$)"_w},
      {"H", 1, 12, 0, "jelentkezés az Olimpiára (@Kard$)"_w},
      {"H", 1, 999, 9, "@deus ex machina$ ki/be kapcsolása"_w},
  });
}

TEST_F(DescribeItemUseTest, ClimbingGearNamesTheDestinationByTheLinesTvp) {
  struct Row {
    std::int32_t item, tvp;
    std::string expected;
  };
  const Row rows[] = {
      {78, 16, "@mászókarommal$ felmászol a @grok képződménybe$"_w},
      {78, 35, "@mászókarommal$ felmászol a @quwarg-bolyba$"_w},
      {78, 0, "@mászókarommal$ felmászol a @quwarg-bolyba$"_w},
      {92, 14, "@kötéllel$ lemászol a @mély kútba$"_w},
      {92, 20, "@kötéllel$ lemászol a @mély szakadékba$"_w},
      {92, 15, "@kötéllel$ lemászol a @mély szakadékba$"_w},
      {165, 24, "@mászókampóval$ felmászol a @sziklafészekbe$"_w},
      {165, 28, "@mászókampóval$ felmászol a @márványtoronyba$"_w},
      {365, 14, "@Tyrkiai mászógéppel$ lemászol a @mély kútba$"_w},
      {365, 16, "@Tyrkiai mászógéppel$ felmászol a @grok képződménybe$"_w},
      {365, 20, "@Tyrkiai mászógéppel$ lemászol a @mély szakadékba$"_w},
      {365, 24, "@Tyrkiai mászógéppel$ felmászol a @sziklafészekbe$"_w},
      {365, 28, "@Tyrkiai mászógéppel$ felmászol a @márványtoronyba$"_w},
      {365, 35, "@Tyrkiai mászógéppel$ felmászol a @quwarg-bolyba$"_w},
      {365, 40, "@Tyrkiai mászógéppel$ felmászol a @kristálypalotába$"_w},
      {365, 45, "@#365$ használata "_w},
      {392, 40, "@mászó karpereccel$ felmászol a @kristálypalotába$"_w},
      {392, 45, "@mászó karpereccel$ felmászol az @ősi rúnatoronyba$"_w},
      {392, 14, "@#392$ használata "_w},
  };
  for (const auto& r : rows)
    EXPECT_EQ(DescribeWithTvp(r.item, 0, r.tvp), r.expected) << r.item << " at TVP " << r.tvp;
}

TEST_F(DescribeItemUseTest, ScepterDarkDrinkCrystalBallAndAccelerator) {
  ExpectDescriptions({
      {"H", 150, 0, 0, "@szent jogar$ használata"_w},
      {"H", 150, 7, 0, "@szent jogar$ használata (ha legalább @7$ életpontod hiányzik)"_w},
      {"H", 284, 0, 0, "@sötét ital$ használata"_w},
      {"H", 284, 7, 0, "@sötét ital$ használata (ha legalább @7$ életpontod hiányzik)"_w},
      {"H", 284, -7, 0, "@#284$ használata "_w},
      {"H", 265, 1000, 0, "@kristálygömb$ használata (@Aladar$)"_w},
      {"H", 305, 2, 0, "@2$ @Gyorsito$ használata (max. ^2 darab/forduló!!!$)"_w},
      {"H", 305, 0, 0, "@Gyorsito$ használata "_w},
  });
}

TEST_F(DescribeItemUseTest, Scissors) {
  ExpectDescriptions({
      {"H", 335, 1, 1, "használód az @ollót$, új hajtípus: @normál haj$"_w},
      {"H", 335, 1, 2, "használód az @ollót$, új hajtípus: @göndör haj$"_w},
      {"H", 335, 1, 3, "használód az @ollót$, új hajtípus: @rövid haj$"_w},
      {"H", 335, 1, 4, "használód az @ollót$, új hajtípus: @hosszú haj$"_w},
      {"H", 335, 1, 5, "használód az @ollót$, új hajtípus: @copfos haj$"_w},
      {"H", 335, 1, 6, "használód az @ollót$, új hajtípus: @kontyos haj$"_w},
      {"H", 335, 1, 7, "használód az @ollót$, új hajtípus: @tüsi haj$"_w},
      {"H", 335, 1, 8, "használód az @ollót$, új hajtípus: @kopasz fej$"_w},
      {"H", 335, 1, 9, "használód az @ollót$, új hajtípus: @^3. paraméter$ (1-8)"_w},
      {"H", 335, 1, 0, "használód az @ollót$, új hajtípus: @^3. paraméter$ (1-8)"_w},
      {"H", 335, 2, 1, "használód az @ollót$, új szakáll: @nincs$"_w},
      {"H", 335, 2, 2, "használód az @ollót$, új szakáll: @kecske-szakáll$"_w},
      {"H", 335, 2, 3, "használód az @ollót$, új szakáll: @körszakáll$"_w},
      {"H", 335, 2, 4, "használód az @ollót$, új szakáll: @hosszú szakáll$"_w},
      {"H", 335, 2, 5, "használód az @ollót$, új szakáll: @^3. paraméter$ (1-4)"_w},
      {"H", 335, 3, 1, "használód az @ollót$, új bajusz: @nincs$"_w},
      {"H", 335, 3, 2, "használód az @ollót$, új bajusz: @normál bajusz$"_w},
      {"H", 335, 3, 3, "használód az @ollót$, új bajusz: @harcsabajusz$"_w},
      {"H", 335, 3, 4, "használód az @ollót$, új bajusz: @rövid bajusz$"_w},
      {"H", 335, 3, kMin, "használód az @ollót$, új bajusz: @^3. paraméter$ (1-4)"_w},
      {"H", 335, 0, 1, "@#335$ használata "_w},
  });
}

TEST_F(DescribeItemUseTest, ConesScrollsShrineAndHorn) {
  ExpectDescriptions({
      {"H", 578, 3, 0, "beledobsz 3 @ében tobozt$ a gejzírbe"_w},
      {"H", 578, 1, 0, "beledobsz egy @ében tobozt$ a gejzírbe"_w},
      {"H", 569, 5, 0, "@Martian tekercse$ használata (@Tuzgolyo$)"_w},
      {"H", 645, 12, 0, "@Fortuna Szentélye$ használod (megsemmisül az összes @Kard$)"_w},
      {"H", 697, 10, 3, "@Ezüstmágusok kürtjét$ használod (átalakítod @30$ életpontodat @15$ vp-re)"_w},
      {"H", 697, 7, 0, "@Ezüstmágusok kürtjét$ használod (átalakítod @7$ életpontodat @3$ vp-re)"_w},
      {"H", 697, 7, -2, "@Ezüstmágusok kürtjét$ használod (átalakítod @7$ életpontodat @3$ vp-re)"_w},
      // The product is kept in 32 bits and halved toward zero.
      {"H", 697, 65536, 32768,
       "@Ezüstmágusok kürtjét$ használod (átalakítod @-2147483648$ életpontodat @-1073741824$ vp-re)"_w},
      {"H", 697, 65537, 32769,
       "@Ezüstmágusok kürtjét$ használod (átalakítod @-2147385343$ életpontodat @-1073692671$ vp-re)"_w},
  });
}

TEST_F(DescribeItemUseTest, MirrorTransformerAndItemsWithAnAddedPiece) {
  ExpectDescriptions({
      {"H", 970, 4, 0, "@Tukor$ használata, @4$ db"_w},
      {"H", 970, 0, 0, "@Tukor$ használata"_w},
      {"H", 1064, 12, 17, "@Atalakito$ használata, @Kard$ -> @Hosszú íj$"_w},
      {"H", 1064, 0, 17, "@Atalakito$ használata -> @Hosszú íj$"_w},
      {"H", 1143, 5, 0, "@#1143$ használata , ha legalább @5$ életpontod hiányzik"_w},
      {"H", 1143, 0, 0, "@#1143$ használata "_w},
      {"H", 1332, 12, 0, "@#1332$ használata  (@Kard$)"_w},
      {"H", 1398, 12, 0, "@#1398$ használata  (@Kard$)"_w},
      {"H", 1333, 3, 0, "@#1333$ használata  (@3$. labirintus)"_w},
      {"H", 2026, 3, 0, "@#2026$ használata  (@3$. labirintus)"_w},
      {"H", 1340, 5, 0, "@#1340$ használata  (@Tuzgolyo$)"_w},
      {"H", 2504, 5, 0, "@#2504$ használata  (@Tuzgolyo$)"_w},
      {"H", 2121, 6, 0, "@#2121$ használata  (@Pajzs$)"_w},
      {"H", 1340, 0, 0, "@#1340$ használata "_w},
      {"H", 1459, 3, 0, "@#1459$ használata  (@3$. szakértelem)"_w},
      {"H", 1525, 1, 5, "@#1525$ használata , @Farkas$, @Troll$"_w},
      {"H", 1525, 0, 5, "@#1525$ használata , @Troll$"_w},
      {"H", 1608, 9, 0, "@#1608$ használata  (@Goblin$)"_w},
      {"H", 1899, 9, 0, "@#1899$ használata  (@Goblin$)"_w},
      {"H", 2276, 1, 0, "@#2276$ használata  (@Farkas$)"_w},
      {"H", 1678, 12, 0, "@#1678$ használata  (@Kard$), +@3$ támadás"_w},
      {"H", 2020, 12, 0, "@#2020$ használata  (@Kard$), +@8$ sebzés"_w},
      {"H", 2241, 12, 0, "@#2241$ használata  (@Kard$), +@10$ AC, +@10$ támadás @30$ fordulóra"_w},
      {"H", 2295, 12, 0, "@#2295$ használata  (@Kard$), +@10%$ varázslatsebzés"_w},
  });
}

TEST_F(DescribeItemUseTest, BattlePotions) {
  ExpectDescriptions({
      {"H", 1400, 5, 0, "@tűzsárkány ital$ használata (@Troll$)"_w},
      {"H", 1400, 8999, 0, "@tűzsárkány ital$ használata (@törlöd a beállítást$)"_w},
      {"H", 1400, 0, 0, "@tűzsárkány ital$ használata a következő csatában"_w},
      {"H", 1400, -1, 0, "@tűzsárkány ital$ használata"_w},
      {"H", 1983, 1, 0, "@yeti nektár$ használata (@Farkas$)"_w},
      {"H", 1983, 8999, 0, "@yeti nektár$ használata (@törlöd a beállítást$)"_w},
      {"H", 1983, 0, 0, "@yeti nektár$ használata a következő csatában"_w},
  });
}

TEST_F(DescribeItemUseTest, BetCauldronAndOthers) {
  ExpectDescriptions({
      {"H", 1693, 10, 0, "@#1693$ használata , tét: @10$ arany"_w},
      {"H", 1693, 3000, 0, "@#1693$ használata , tét: @3000$ arany"_w},
      {"H", 1693, 9, 0, "@#1693$ használata , tét: ^??? 9$ arany (10-3000 lehet)"_w},
      {"H", 1693, 3001, 0, "@#1693$ használata , tét: ^??? 3001$ arany (10-3000 lehet)"_w},
      {"H", 341, 12, 3, "alkímiázó üst (@3 Kard$)"_w},
      {"H", 341, 12, -1, "alkímiázó üst (@-1 Kard$)"_w},
      {"H", 341, 12, 0, "alkímiázó üst (@Kard$)"_w},
      {"H", 341, 0, 3, "@Ust$ használata "_w},
      {"H", 1540, 12, 0, "@#1540$ használata  (@Kard$)"_w},
      {"H", 1540, 12, 4, "@#1540$ használata  (@4$ db @Kard$)"_w},
      {"H", 1820, 1, 0, "@Zold fiola$ használata , @életerőd$ nő"_w},
      {"H", 1820, 2, 0, "@Zold fiola$ használata , @varázspontod$ nő"_w},
      {"H", 1873, 0, 0, "@nerub gyógyital$ használata (+@10$ életvíz)"_w},
      {"H", 1873, 3, 0, "@nerub gyógyital$ használata (+@30$ életvíz)"_w},
      {"H", 1873, -1, 0, "@nerub gyógyital$ használata (+@$ életvíz)"_w},
      {"H", 1873, kMax, 0, "@nerub gyógyital$ használata (+@-10$ életvíz)"_w},
  });
}

TEST_F(DescribeItemUseTest, GnomeRefrigerator) {
  ExpectDescriptions({
      {"H", 2069, 1, 0, "@gnóm refrugátor$: +1% max fv (@quwarg kitindarab$, @nerub totemfétis$, @moa relikvia$)"_w},
      {"H", 2069, 2, 1959, "@gnóm refrugátor$: +1 max ÉP (@Jegkristaly$)"_w},
      {"H", 2069, 2, 1968, "@gnóm refrugátor$: +1 max ÉP (@#1968$)"_w},
      {"H", 2069, 2, 1971, "@gnóm refrugátor$: +1 max ÉP (@#1971$)"_w},
      {"H", 2069, 2, 1969, "@gnóm refrugátor$: +1 max ÉP (^???$)"_w},
      {"H", 2069, 2, 2243, "@gnóm refrugátor$: +2 max ÉP (@Hojeg$)"_w},
      {"H", 2069, 2, 2534, "@gnóm refrugátor$: +2 max ÉP (@#2534$)"_w},
      {"H", 2069, 3, 1969, "@gnóm refrugátor$: +4 max VP (@#1969$)"_w},
      {"H", 2069, 3, 1968, "@gnóm refrugátor$: +4 max VP (^???$)"_w},
      {"H", 2069, 3, 2243, "@gnóm refrugátor$: +8 max VP (@Hojeg$)"_w},
      {"H", 2069, 3, 0, "@gnóm refrugátor$: +4 max VP (^???$)"_w},
      {"H", 2069, 4, 0, "@gnóm refrugátor$: +20% nevesre halálkúpban (-1-1 @lég$, @tűz$, @víz$, @föld$ esszencia)"_w},
      {"H", 2069, 5, 0, "@gnóm refrugátor$: +1% max fv (@triton pikkely$, @szirén hajszál$)"_w},
      {"H", 2069, 6, 0, "@gnóm refrugátor$: +1% max fv (@quwargszilánk$, @óriásfétis$)"_w},
      {"H", 2069, 7, 0, "@gnóm refrugátor$: +1% max fv (@térkristály$, @fészektoll$)"_w},
      {"H", 2069, 8, 0, "@gnóm refrugátor$: +1% max fv (@tűzváltó totem$, @bazaltgolyó$)"_w},
      {"H", 2069, 9, 0, "@gnóm refrugátor$: +1% max fv (@kőtojás$, @grokgumó$, @pókgumó$)"_w},
      {"H", 2069, 10, 0, "@gnóm refrugátor$: +1% max fv (@óelf medál$, @ébenkoponya$, @őstörpe ékkő$)"_w},
      {"H", 2069, 11, 0, "@gnóm refrugátor$: "_w},
      {"H", 2069, 0, 0, "@gnóm refrugátor$: "_w},
      {"H", 2069, 1405, 2,
       "@gnóm refrugátor$: +2 @nerub elixir$ (-2 @erőserkentő kenőcs$, -2 @tleikan életkő$)"_w},
      {"H", 2069, 1406, 1,
       "@gnóm refrugátor$: +1 @nerub elixir$ (-1 @agyértágító kenőcs$, -1 @tleikan életkő$)"_w},
      {"H", 2069, 1407, 0,
       "@gnóm refrugátor$: +0 @nerub elixir$ (0 @reflexélesítő kenőcs$, 0 @tleikan életkő$)"_w},
      {"H", 2069, 1408, -3,
       "@gnóm refrugátor$: +-3 @nerub elixir$ (3 @sejtfiatalító kenőcs$, 3 @tleikan életkő$)"_w},
      {"H", 2069, 1409, kMin,
       "@gnóm refrugátor$: +-2147483648 @nerub elixir$ (-2147483648 @esélynövelő kenőcs$, "
       "-2147483648 @tleikan életkő$)"_w},
      {"H", 2069, 1404, 2, "@gnóm refrugátor$: "_w},
      {"H", 2069, 1928, 1933, "@gnóm refrugátor$: 3 @Elso ko$ transzformálás (+1 @Hatodik ko$)"_w},
      {"H", 2069, 1933, 1928, "@gnóm refrugátor$: 3 @Hatodik ko$ transzformálás (+1 @Elso ko$)"_w},
      {"H", 2069, 1930, 1934, "@gnóm refrugátor$: 3 @#1930$ transzformálás (+1 ^???$)"_w},
      {"H", 2069, 1933, 1927, "@gnóm refrugátor$: 3 @Hatodik ko$ transzformálás (+1 ^???$)"_w},
      {"H", 2069, 1480, 99, "@gnóm refrugátor$: 99 @titanitdukát$ átalakítása @védőkristállyá$"_w},
      {"H", 2069, 1480, 100, "@gnóm refrugátor$: 100 @titanitdukát$ átalakítása @védőprizmává$"_w},
      {"H", 2069, 350, 4, "@gnóm refrugátor$: 4 @esszenciakristály$ átalakítása @vortexvesszővé$"_w},
      {"H", 2069, 2331, 4, "@gnóm refrugátor$: 4 @vortexvessző$ átalakítása @esszenciakristállyá$"_w},
  });
}

TEST_F(DescribeItemUseTest, TheFourteenGreatIngredientsOfTheRefrigerator) {
  for (const std::int32_t item : {2243, 2250, 2271, 2272, 2336, 2338, 2386, 2387, 2470, 2476, 2477, 2532, 2533, 2534}) {
    LoadItemTable(std::to_string(item) + " 0 0 0 0 0 Hozzavalo\r\n");
    EXPECT_EQ(DescribeLine2("H", 2069, 2, item), "@gnóm refrugátor$: +2 max ÉP (@Hozzavalo$)"_w) << item;
    EXPECT_EQ(DescribeLine2("H", 2069, 3, item), "@gnóm refrugátor$: +8 max VP (@Hozzavalo$)"_w) << item;
  }
}

TEST_F(DescribeItemUseTest, ItemsMissingFromTheTablesShowTheirNumbers) {
  ResetGameTables();
  ExpectDescriptions({
      {"H", 40, 3, 0, "@#40$ használata @3$ pontért"_w},  // no longer known as kind 2
      {"H", 1167, 3, 0, "főzés (@#1167$): @#3$"_w},
      {"H", 1, 12, 9, "jelentkezés az Olimpiára (@#12$) csak vetélkedőre"_w},
  });
}

}  // namespace
}  // namespace vorda
