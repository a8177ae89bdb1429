// Mind abilities, conditional standing orders, tracking, courting, taming,
// temples and the shared mind.
#include <algorithm>
#include <string>
#include <vector>

#include "orders/describe_orders1_test.h"

namespace vorda {
namespace {

using testing::DescribeOrders1Test;
using testing::kMax;
using testing::kMin;

TEST_F(DescribeOrders1Test, MindAbilityTraining) {
  ExpectDescriptions({
      {"EF", 400, 0, 0, "tudati képesség fejlesztése ^(1-399 TU lehetséges)"_w},
      {"EF", 399, 0, 0, "tudati képesség fejlesztése (@399$ TU)"_w},
      {"EF", 10, 507, 0, "tudati képesség fejlesztése (@10$ TU) (@507$. képesség) (@kőbőr$)"_w},
      {"EF", 10, 600, 0, "tudati képesség fejlesztése (@10$ TU) (@600$. képesség)"_w},
      {"EF", 10, 500, 0, "tudati képesség fejlesztése (@10$ TU) (@500$. képesség)"_w},
      {"EF", 10, 562, 0, "tudati képesség fejlesztése (@10$ TU) (@562$. képesség)"_w},
      {"EF", 0, 501, 0, "tudati képesség fejlesztése (@0$ TU) (@501$. képesség) (@tudati portya$)"_w},
      {"EF", -5, 561, 0, "tudati képesség fejlesztése (@-5$ TU) (@561$. képesség) (@kincsvadászat$)"_w},
      {"EF", 10, -3, 0, "tudati képesség fejlesztése (@10$ TU)"_w},
      {"EF", kMin, 0, 0, "tudati képesség fejlesztése (@-2147483648$ TU)"_w},
      {"EF", kMax, 541, 0,
       "tudati képesség fejlesztése ^(1-399 TU lehetséges) (@541$. képesség) (@a düh vérvörös köde$)"_w},
  });
}

TEST_F(DescribeOrders1Test, EveryMindAbilityHasItsName) {
  struct Ability {
    std::int32_t number;
    std::string name;
  };
  const std::vector<Ability> abilities = {
      {501, " (@tudati portya$)"_w},
      {502, " (@auraerősítés$)"_w},
      {503, " (@kedvenc táborhely$)"_w},
      {504, " (@elmetágítás$)"_w},
      {505, " (@tudatforrás$)"_w},
      {506, " (@tudati gyorsítás I.$)"_w},
      {507, " (@kőbőr$)"_w},
      {508, " (@varázslómester I.$)"_w},
      {509, " (@közös ima I.$)"_w},
      {510, " (@tudati retesz$)"_w},
      {511, " (@tudatkinézis II.$)"_w},
      {512, " (@mentális felfrissülés$)"_w},
      {513, " (@tudati gyorsítás II.$)"_w},
      {514, " (@tudati kitérés I.$)"_w},
      {515, " (@manaszívás$)"_w},
      {516, " (@a hit ereje$)"_w},
      {517, " (@tudati kontaktus$)"_w},
      {518, " (@tudati kincstár$)"_w},
      {519, " (@tudati ismétlés$)"_w},
      {520, " (@tudati gyorsítás III.$)"_w},
      {521, " (@tudati kitérés II.$)"_w},
      {522, " (@taumaturgia mentor$)"_w},
      {523, " (@hitbéli mentor$)"_w},
      {524, " (@pszi regeneráció II.$)"_w},
      {525, " (@tudati ostrom$)"_w},
      {526, " (@vakmerőség$)"_w},
      {527, " (@tudati erősítés$)"_w},
      {528, " (@regeneráció$)"_w},
      {529, " (@manaretesz$)"_w},
      {530, " (@isteni védelem$)"_w},
      {531, " (@mentális roncsolás$)"_w},
      {532, " (@tudati segítség$)"_w},
      {533, " (@gyűjtögető életmód$)"_w},
      {534, " (@tudati erősítés II.$)"_w},
      {535, " (@pajzshasználat$)"_w},
      {536, " (@varázslómester II.$)"_w},
      {537, " (@a hit ereje II.$)"_w},
      {538, " (@tudati kontaktus II.$)"_w},
      {539, " (@tudati ostrom II.$)"_w},
      {540, " (@halhatatlanság$)"_w},
      {541, " (@a düh vérvörös köde$)"_w},
      {542, " (@pajzshasználat II.$)"_w},
      {543, " (@mágikus vámpirizáció$)"_w},
      {544, " (@gyógyítómester$)"_w},
      {545, " (@elmerombolás$)"_w},
      {546, " (@tudati védelem$)"_w},
      {547, " (@nyakláncviselés$)"_w},
      {548, " (@kritikus találat$)"_w},
      {549, " (@pajzshasználat III.$)"_w},
      {550, " (@varázslómester IV.$)"_w},
      {551, " (@isteni ítélet$)"_w},
      {552, " (@elmemester$)"_w},
      {553, " (@totemmester$)"_w},
      {554, " (@tudati cserkészés$)"_w},
      {555, " (@bénító sebzés$)"_w},
      {556, " (@pajzshasználat IV.$)"_w},
      {557, " (@varázslómester V.$)"_w},
      {558, " (@isteni áldás$)"_w},
      {559, " (@tudatáthelyezés$)"_w},
      {560, " (@tudatunk hatalma$)"_w},
      {561, " (@kincsvadászat$)"_w},
  };
  ASSERT_EQ(abilities.size(), 61u);
  for (const Ability& a : abilities)
    EXPECT_EQ(Describe("EF", 1, a.number, 0),
              "tudati képesség fejlesztése (@1$ TU) (@"_w + std::to_string(a.number) + "$. képesség)"_w + a.name)
        << a.number;
}

TEST_F(DescribeOrders1Test, ConditionalDiggingHealingHelpAndSearch) {
  ExpectDescriptions({
      {"FAS", 15, 0, 0, "feltételes ásás (max @15$ pontért fordulónként)"_w},
      {"FSE", 12, 0, 0, "feltételes segítség max. @12$ pontig fordulónként"_w},
      {"FKU", 7, 0, 0, "kutatsz @7$ pontért, alkalmas terepen"_w},
      {"FVH", 4, 0, 0, "feltételes varázslathasználat @4.$ szinttől"_w},
      {"FGY", 0, 5, 5, "feltételes gyógyítás@ törölve"_w},
      {"FGY", 10, 5, 3, "feltételes gyógyítás@ 10%$ életerő alatt @5$ pontért (max. @3$/forduló)"_w},
      {"FGY", 90, 0, 0, "feltételes gyógyítás@ 90%$ életerő alatt @"_w},
      {"FGY", 9, 5, 0, "feltételes gyógyítás@ ^?%$ életerő alatt @5$ pontért "_w},
      {"FGY", 91, 0, 2, "feltételes gyógyítás@ ^?%$ életerő alatt @(max. @2$/forduló)"_w},
      {"FGY", -1, -1, -1, "feltételes gyógyítás@ ^?%$ életerő alatt @"_w},
  });
}

TEST_F(DescribeOrders1Test, TrackingIsTheSameForKAndFk) {
  const std::vector<testing::DescriptionCase> cases = {
      {"", 3, 5, 9, "ha @medve$ nyom, követed @5$ lépésig @"_w},
      {"", 3, 5, 8, "ha @medve$ nyom, követed @5$ lépésig @északi$ irányba"_w},
      {"", 0, 2, 1, "ha ^???$ nyom, követed @2$ lépésig @északkeleti$ irányba"_w},
      {"", 10, 2, 2, "ha ^???$ nyom, követed @2$ lépésig @keleti$ irányba"_w},
      {"", 9, 0, 0, "ha @sarkany$ nyom, követed @0$ lépésig @"_w},
      {"", 1, -1, 3, "ha @farkas$ nyom, követed @-1$ lépésig @délkeleti$ irányba"_w},
      {"", 1, 1, 4, "ha @farkas$ nyom, követed @1$ lépésig @déli$ irányba"_w},
      {"", 1, 1, 5, "ha @farkas$ nyom, követed @1$ lépésig @délnyugati$ irányba"_w},
      {"", 1, 1, 6, "ha @farkas$ nyom, követed @1$ lépésig @nyugati$ irányba"_w},
      {"", 1, 1, 7, "ha @farkas$ nyom, követed @1$ lépésig @északnyugati$ irányba"_w},
      {"", 2, kMax, kMin, "ha @#2$ nyom, követed @2147483647$ lépésig @"_w},
  };
  for (const std::string code : {"K", "FK"}) {
    std::vector<testing::DescriptionCase> with_code = cases;
    for (auto& c : with_code) c.code = code;
    ExpectDescriptions(with_code);
  }
}

TEST_F(DescribeOrders1Test, LeaderChangeAndConditionalCraft) {
  ExpectDescriptions({
      {"FKER", 1000, 1234, 0, "@Aldor$ vezető leváltása. Helyére lép @Bera"_w},
      {"FKER", 1000, 0, 0, "@Aldor$ felfüggesztésének kérése."_w},
      {"FKER", 0, 1234, 0, "@ $ felfüggesztésének kérése."_w},
      {"FKT", 0, 5, 1, "feltételes készítés parancsok törlése"_w},
      {"FKT", 101, 5, 1, "feltételes készítés:@ kard$ @5$ darabig rendre"_w},
      {"FKT", 101, 0, 0, "feltételes készítés:@ kard$ @"_w},
      {"FKT", 101, 0, 1, "feltételes készítés:@ kard$ @ rendre"_w},
      {"FKT", -1, 3, 2, "feltételes készítés:@ 3$ darabig"_w},
  });
}

// The camp stolen from: 10 everybody's, 1..9 a monster kind's, 1000..8999 a
// character's.
TEST_F(DescribeOrders1Test, ConditionalTheft) {
  ExpectDescriptions({
      {"FL", 0, 0, 0, "törlöd a feltételes lopás listádat"_w},
      {"FL", 10, 0, 0, "lopás @mindenki$ táborából "_w},
      {"FL", 1, 101, 0, "lopás @farkas$ táborából (@kard$)"_w},
      {"FL", 9, 101, 2, "lopás @sarkany$ táborából (@kard)$ @2$ alkalommal"_w},
      {"FL", 1000, 0, 5, "lopás @Aldor$ táborából "_w},
      {"FL", 8999, 102, -1, "lopás @Elek$ táborából "_w},
      {"FL", 9000, 0, 0, "lopás ^???$ táborából "_w},
      {"FL", 999, 0, 0, "lopás ^???$ táborából "_w},
      {"FL", 11, 0, 0, "lopás ^???$ táborából "_w},
      {"FL", 0, 101, 0, "lopás ^???$ táborából (@kard$)"_w},
      {"FL", kMin, 0, 1, "lopás ^???$ táborából "_w},
  });
}

TEST_F(DescribeOrders1Test, ConditionalRangedWeaponsAndCapture) {
  ExpectDescriptions({
      {"FLH", 0, 0, 0, "törlöd a lőfegyverhasználati listád"_w},
      {"FLH", 0, 0, 3, "törlöd a lőfegyverhasználati listád (@3$ db)"_w},
      {"FLH", 997, 103, 0, "felt. lőfegyverhasználat @ezüsttel$ sebezhető lényre @ij$"_w},
      {"FLH", 998, 103, 2, "felt. lőfegyverhasználat @mágikusan$ sebezhető lényre @ij$ (@2$ db)"_w},
      {"FLH", 999, 103, 0, "felt. lőfegyverhasználat @kalandozókra ij$"_w},
      {"FLH", 5, 103, 0, "feltételes lőfegyverhasználat @5.$ szinttől @ij$"_w},
      {"FLH", 996, 0, -1, "feltételes lőfegyverhasználat @996.$ szinttől @ $"_w},
      {"FLH", 1000, 103, 1, "feltételes lőfegyverhasználat @1000.$ szinttől @ij$ (@1$ db)"_w},
      {"FOG", 0, 101, 0, "minden FOG parancs törölve"_w},
      {"FOG", 3, 101, 0, "@medve$ elfogása, eszközöd @kard$"_w},
      {"FOG", 1000, 0, 0, "@goblin$ elfogása, eszközöd @ $"_w},
  });
}

// The opponent is a level (10000 + level), a character for 1000..6999, or a
// monster for any other number.
TEST_F(DescribeOrders1Test, ConditionalSpell) {
  ExpectDescriptions({
      {"FTV", 0, 0, 0, "^összes FTV parancs törölve!$"_w},
      {"FTV", 9, 10003, 0, "@gyogyitas$, ha ellenfeled @3$. szintű"_w},
      {"FTV", 9, 10003, 11, "@gyogyitas$, @tuzgolyo$, , ha ellenfeled @3$. szintű"_w},
      {"FTV", 9, 10000, -1, "@gyogyitas$, ha ellenfeled @0$. szintű"_w},
      {"FTV", 9, kMax, 0, "@gyogyitas$, ha ellenfeled @2147473647$. szintű"_w},
      {"FTV", 9, 9999, 0, "@gyogyitas$, ha @#9999$ utadba kerül"_w},
      {"FTV", 9, 1000, 11, "@gyogyitas$, @tuzgolyo$, ha @Aldor$ utadba kerül"_w},
      {"FTV", 9, 6999, 0, "@gyogyitas$, ha @Csenge$ utadba kerül"_w},
      {"FTV", 9, 7000, 0, "@gyogyitas$, ha @liderc$ utadba kerül"_w},
      {"FTV", 9, 999, 0, "@gyogyitas$, ha @ork$ utadba kerül"_w},
      {"FTV", 9, 9101, 0, "@gyogyitas$, ha @harpia$ utadba kerül"_w},
      {"FTV", 9, 0, 0, "@gyogyitas$, ha @ $ utadba kerül"_w},
      {"FTV", 0, 0, 11, "@ $, @tuzgolyo$, ha @ $ utadba kerül"_w},
      {"FTV", 0, kMin, 0, "@ $, ha @#-2147483648$ utadba kerül"_w},
  });
}

TEST_F(DescribeOrders1Test, CourtingTamingEvilAndHealing) {
  ExpectDescriptions({
      {"FU", 1, 0, 0, "udvarlásod tárgya: ellentétes nemű @farkas$"_w},
      {"FU", 9, 0, 0, "udvarlásod tárgya: ellentétes nemű @sarkany$"_w},
      {"FU", 1000, 0, 0, "udvarolsz: @Aldor$"_w},
      {"FU", 7000, 0, 0, "udvarolsz: @Dorka$"_w},
      {"FU", kMax, 0, 0, "udvarolsz: @Ivett$"_w},
      {"FU", 999, 0, 0, "udvarlásod tárgya: ^???$"_w},
      {"FU", 10, 0, 0, "udvarlásod tárgya: ^???$"_w},
      {"FU", 0, 0, 0, "udvarlásod tárgya: ^???$"_w},
      {"ID", 3, 10, 0, "idomítás: @medve$ @10$ pontért"_w},
      {"GO", 0, 0, 0, "gonosz tettre vetemedsz "},
      {"GO", 3, 0, 0, "gonosz tettre vetemedsz (@3.$ jellempróbánál)"_w},
      {"GY", 50, 0, 0, "gyógyítasz magadon ^???$ pontért"_w},
      {"GY", 0, 0, 0, "gyógyítasz magadon ^???$ pontért"_w},
      {"GY", 41, 0, 0, "gyógyítasz magadon ^???$ pontért"_w},
      {"GY", 40, 0, 0, "gyógyítasz magadon @40$ pontért"_w},
      {"GY", 1, 0, 0, "gyógyítasz magadon @1$ pontért"_w},
      {"GYK", 101, 25, 0, "harci készségedet fejleszted @25$ pontért (fegyvered: @kard$)"_w},
      {"KNO", 5, 0, 0, "@5.$ képesség növelése @"_w},
      {"KNO", 5, 3, 0, "@5.$ képesség növelése @3$ ponttal"_w},
  });
}

TEST_F(DescribeOrders1Test, TempleGivesPrayerOrSpellLearning) {
  ExpectDescriptions({
      {"IM", 1, 0, 0, "@templomhelyet$ keresel"},
      {"IM", 2, 0, 0, "isteni kapcsolat (@üres ima$)"_w},
      {"IM", 3, 1, 0, "isteni kapcsolat (@küldetés -2 TU$) (@1 alkalommal$)"_w},
      {"IM", 9, 2, 0, "varázslatot tanulsz (@gyogyitas$) (@2 alkalommal$)"_w},
      {"IM", 381, 0, 0, "varázslatot tanulsz (@villam$)"_w},
      {"IM", 147, 0, 0, "varázslatot tanulsz (@#147$)"_w},
      {"IM", 10, 0, 0, "imádkozol"_w},
      {"IM", 0, 0, 0, "imádkozol"_w},
      {"IM", 4, -1, 0, "imádkozol"_w},
      {"IM", kMax, kMax, 0, "imádkozol (@2147483647 alkalommal$)"_w},
  });
  const std::vector<std::int32_t> temple_spells = {9,   11,  14,  21,  38,  147, 178, 187, 229,
                                                   230, 250, 251, 253, 284, 362, 377, 378, 381};
  for (std::int32_t p1 = 4; p1 <= 400; ++p1) {
    const bool spell = std::find(temple_spells.begin(), temple_spells.end(), p1) != temple_spells.end();
    const std::string text = Describe("IM", p1, 0, 0);
    EXPECT_EQ(text.rfind("varázslatot tanulsz (@"_w, 0) == 0, spell) << p1;
    if (!spell) {
      EXPECT_EQ(text, "imádkozol"_w) << p1;
    }
  }
}

TEST_F(DescribeOrders1Test, SharedMind) {
  ExpectDescriptions({
      {"KOKI", 1, 2, 3, "kéred kilépésedet a közös tudatból"_w},
      {"KOTB", 1000, 0, 0, "kéred belépésedet a(z) @Aldor$ közös tudatba"_w},
      {"KOTF", 0, 0, 0, "feloszlatod a közös tudatot"_w},
      {"KOTL", 4, 1000, 0, "közös tudat létrehozása, vezető: @Aldor$, min. létszám @4"_w},
      {"KOTL", kMin, 0, 0, "közös tudat létrehozása, vezető: @ $, min. létszám @-2147483648"_w},
  });
}

}  // namespace
}  // namespace vorda
