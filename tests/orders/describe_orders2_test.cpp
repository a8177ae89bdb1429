// Skill, bank, attribute and learning orders of the third describer, and its frame.
#include <cstdint>
#include <limits>

#include "orders/describe_orders2_fixture.h"

namespace vorda {
namespace {

using testing::Describe2Case;
using testing::DescribeLine2;
using testing::ExpectDescriptions;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

class DescribeOrders2Test : public testing::Describe2Test {};

TEST_F(DescribeOrders2Test, FrameReloadsParametersAndIgnoresCodesItDoesNotKnow) {
  auto& s = SheetModel();
  // An unknown code, a lower-case code and a longer code leave the description alone.
  for (const char* code : {"m", "h", "vtn", "HHH", "KPCSX", ""}) {
    s.Lines.SheetCodes[3] = code;
    s.Lines.SheetParams[3] = {4, 5, 6};
    s.LineDescription = "kept";
    DescribeOrders2(3);
    EXPECT_EQ(s.LineDescription, "kept") << code;
    EXPECT_EQ(s.CurParam1, 4);
    EXPECT_EQ(s.CurParam2, 5);
    EXPECT_EQ(s.CurParam3, 6);
  }
  // A known code replaces whatever the description held.
  s.Lines.SheetCodes[3] = "SZV";
  s.LineDescription = "old";
  DescribeOrders2(3);
  EXPECT_EQ(s.LineDescription, "szavazol egy fontos kerdesben");
  // A matching code with no text for its values empties the description.
  s.Lines.SheetCodes[3] = "KPK";
  s.Lines.SheetParams[3] = {12, 0, 0};
  DescribeOrders2(3);
  EXPECT_EQ(s.LineDescription, "");
  // Lines outside the sheet are not described.
  s.LineDescription = "kept";
  DescribeOrders2(0);
  DescribeOrders2(41);
  EXPECT_EQ(s.LineDescription, "kept");
}

TEST_F(DescribeOrders2Test, EveryCodeOfTheDescriberWritesADescription) {
  const char* codes[] = {"ERO", "EXT", "FNO", "BB",  "KB",  "TRO", "FELV", "KPB", "KPK", "KUT", "L",   "LE",
                         "SZV", "LM",  "OV",  "PBE", "PKI", "RM",  "SE",   "SZE", "SZK", "SZM", "T",   "FT",
                         "TAN", "TF",  "TIM", "TNO", "TPF", "TPS", "PPF",  "PPS", "TV",  "USZ", "FUSZ", "VE",
                         "FVE", "VIK", "VPF", "VPS", "VTN", "ZIP", "VI",   "KT",  "AV",  "VV",  "LOT", "KRE",
                         "FGO", "FM",  "LIC", "P",   "KPCS", "HH", "H"};
  EXPECT_EQ(std::size(codes), 55u);
  for (const char* code : codes) EXPECT_NE(DescribeLine2(code, 1, 0, 0), "") << code;
}

TEST_F(DescribeOrders2Test, StrengtheningExtraAndSkills) {
  ExpectDescriptions({
      {"ERO", 0, 0, 0, "miniesemény erősítés: @kikapcsolás$, megölt szörnyek alapján számol"_w},
      {"ERO", 300, 0, 0, "miniesemény erősítés: +@300%$ a szörnyek erősségére"_w},
      {"ERO", 301, 0, 0, "miniesemény erősítés: +^301%$ a szörnyek erősségére"_w},
      {"ERO", -5, 0, 0, "miniesemény erősítés: +@-5%$ a szörnyek erősségére"_w},
      {"ERO", kMin, 0, 0, "miniesemény erősítés: +@-2147483648%$ a szörnyek erősségére"_w},
      {"ERO", kMax, 0, 0, "miniesemény erősítés: +^2147483647%$ a szörnyek erősségére"_w},
      {"EXT", 5, 5, 5, "megpróbálsz @extra$ lemaradást szerezni:)"_w},
      {"FNO", 27, 2, 0, "Képesség növelése: @max. életkor$ képességet @600$ pontért"_w},
      {"FNO", 26, 2, 0, "Képesség növelése: @dobófegyverek$ képességet @200$ pontért"_w},
      {"FNO", 1, 1, 0, "Képesség növelése: @sebzés$ képességet @100$ pontért"_w},
      {"FNO", 17, 1, 0, "Képesség növelése: @mágiaerő$ képességet @100$ pontért"_w},
      {"FNO", 18, 1, 0, "Képesség növelése: @ganüidrezisztencia$ képességet @300$ pontért"_w},
      {"FNO", 19, 3, 0, "Képesség növelése: @ganüidvadászat$ képességet @900$ pontért"_w},
      {"FNO", 20, 1, 0, "Képesség növelése: @képességfejlesztés$ képességet @300$ pontért"_w},
      {"FNO", 21, 1, 0, "Képesség növelése: @ökölvívás$ képességet @100$ pontért"_w},
      {"FNO", 32, -1, 0, "Képesség növelése: @félreugrás$ képességet @-300$ pontért"_w},
      {"FNO", 9, 0, 0, "Képesség növelése: @gyors fejlődés$ képességet ^???$ pontért"_w},
      // Outside the table the text is red, but the price still follows the skill number.
      {"FNO", 33, 1, 0, "Képesség növelése: ^???$ képességet @300$ pontért"_w},
      {"FNO", 0, 1, 0, "Képesség növelése: ^???$ képességet @100$ pontért"_w},
      {"FNO", kMin, 1, 0, "Képesség növelése: ^???$ képességet @100$ pontért"_w},
      // The price is kept in 32 bits.
      {"FNO", 1, kMax, 0, "Képesség növelése: @sebzés$ képességet @-100$ pontért"_w},
      {"FNO", 27, kMax, 0, "Képesség növelése: @max. életkor$ képességet @-300$ pontért"_w},
      {"FNO", 28, kMin, 0, "Képesség növelése: @haláltánc$ képességet @0$ pontért"_w},
  });
}

TEST_F(DescribeOrders2Test, EachSkillHasItsOwnText) {
  const std::string names[] = {
      "sebzés"_w,         "támadás"_w,         "védekezés"_w,         "max.életpont"_w,       "varázslat sebzés"_w,
      "regeneráció"_w,    "tulajdonságpont"_w, "képességpont"_w,      "gyors fejlődés"_w,     "vp regeneráció"_w,
      "kincskeresés"_w,   "halhatatlanság"_w,  "tárgymentő"_w,        "plusz tp"_w,           "rezisztencia"_w,
      "tulajdonságpajzs"_w, "mágiaerő"_w,      "ganüidrezisztencia"_w, "ganüidvadászat"_w,    "képességfejlesztés"_w,
      "ökölvívás"_w,      "szúrófegyverek"_w,  "vágófegyverek"_w,     "ütőfegyverek"_w,       "lőfegyverek"_w,
      "dobófegyverek"_w,  "max. életkor"_w,    "haláltánc"_w,         "rugalmasság"_w,        "keménység"_w,
      "kinetika"_w,       "félreugrás"_w,
  };
  for (std::int32_t skill = 1; skill <= 32; ++skill) {
    const bool dear = (skill >= 18 && skill <= 20) || skill >= 27;
    const std::string expected = "Képesség növelése: @"_w + names[skill - 1] + "$ képességet @"_w +
                                 (dear ? "300" : "100") + "$ pontért"_w;
    EXPECT_EQ(DescribeLine2("FNO", skill, 1, 0), expected) << skill;
  }
}

TEST_F(DescribeOrders2Test, BankAndMindVault) {
  ExpectDescriptions({
      {"BB", 12, 5, 518, "Beteszed a tudati kincstárba: 5 @Kard"_w},
      {"BB", 12, 5, 0, "Beteszed bankba: 5 @Kard"},
      {"BB", 17, -2, -7, "Beteszed bankba: -2 @Hosszú íj"_w},
      {"BB", 12, 28, 1, "Beteszed bankba: @Kard Fenoko Olimpiai jegy"},
      {"BB", 12, 0, 517, "Beteszed bankba: @Kard   #517"},
      {"BB", 0, 0, 0, "Beteszed bankba: 0 @ "},
      {"KB", 12, 5, 518, "Kiveszed a tudati kincstárból: 5 @Kard"_w},
      {"KB", 12, 5, 0, "Kiveszed bankból: 5 @Kard"_w},
      {"KB", 17, 12, 519, "Kiveszed bankból: @Hosszú íj Kard #519"_w},
      {"KB", 99, kMax, kMin, "Kiveszed bankból: 2147483647 @#99"_w},
  });
}

TEST_F(DescribeOrders2Test, TrophiesAllianceAndInitialOrders) {
  ExpectDescriptions({
      {"TRO", 1, 5, 9, "új trófeáid: @Farkas Troll Goblin  -1 TU"_w},
      {"TRO", 1, 5, 0, "új trófeáid: @Farkas Troll    -1 TU"_w},
      {"TRO", 2, 0, 0, "új trófeáid: @#2      -1 TU"_w},
      {"FELV", 1000, 0, 0, "felveszed a szövetségbe a(z) @Aladar@ közös tudatot"_w},
      {"FELV", 5, 0, 0, "felveszed a szövetségbe a(z) @#5@ közös tudatot"_w},
      {"KPB", 1, 0, 0, "kezdeti parancs @1.$ helyre"},
      {"KPB", 10, 0, 0, "kezdeti parancs @10.$ helyre"},
      {"KPB", 0, 0, 0, "kezdeti parancs berakása"_w},
      {"KPB", 11, 0, 0, "kezdeti parancs ^?.$ helyre"},
      {"KPB", 12, 0, 0, "kezdeti parancs ^?.$ helyre"},
      {"KPB", -1, 0, 0, "kezdeti parancs ^?.$ helyre"},
      {"KPK", 1, 0, 0, "kezdeti parancs törlése @1.$ helyről"_w},
      {"KPK", 10, 0, 0, "kezdeti parancs törlése @10.$ helyről"_w},
      {"KPK", 11, 0, 0, "összes kezdeti parancs törlése"_w},
      {"KPK", 0, 0, 0, "kezdeti parancs törlése ^?.$ helyről"_w},
      {"KPK", 12, 0, 0, ""},
      {"KPK", -1, 0, 0, ""},
      {"KPK", kMax, 0, 0, ""},
  });
}

TEST_F(DescribeOrders2Test, ResearchWritesTheTvpOfAnAmountOutOfRange) {
  auto& tvp = SheetModel().Lines.SheetTvp[7];
  struct Row {
    std::int32_t p1, p2;
    std::string expected;
    std::int32_t tvp_after;  // the line's TVP was 77 before
  };
  const Row rows[] = {
      {1, 0, "kutatsz @1$ pontért"_w, 77},
      {1000, 5, "kutatsz @1000$ pontért (ha van legalább @5$ tvp-d)"_w, 77},
      {1001, 0, "kutatsz ^???$ pontért"_w, 1000},
      {-1, -3, "kutatsz ^???$ pontért"_w, 1000},
      {kMin, 1, "kutatsz ^???$ pontért (ha van legalább @1$ tvp-d)"_w, 1000},
      {0, 0, "kutatsz ^???$ pontért"_w, 77},
      {0, kMax, "kutatsz ^???$ pontért (ha van legalább @2147483647$ tvp-d)"_w, 77},
  };
  for (const auto& r : rows) {
    tvp = 77;
    EXPECT_EQ(DescribeLine2("KUT", r.p1, r.p2, 0), r.expected) << r.p1;
    EXPECT_EQ(tvp, r.tvp_after) << r.p1;
  }
}

TEST_F(DescribeOrders2Test, TheftTakeOffAndVote) {
  ExpectDescriptions({
      {"L", 0, 0, 0, "törlöd a feltételes lopás listádat"_w},
      {"L", 10, 0, 0, "lopás @mindenki$ táborából "_w},
      {"L", 1, 12, 0, "lopás @Farkas$ táborából (@Kard$)"_w},
      {"L", 9, 12, 3, "lopás @Goblin$ táborából (@Kard)$ @3$ alkalommal"_w},
      {"L", 1000, 0, 2, "lopás @Aladar$ táborából "_w},
      {"L", 8999, 12, -1, "lopás @Cecil$ táborából "_w},
      {"L", 999, 0, 0, "lopás ^???$ táborából "_w},
      {"L", 9000, 12, 0, "lopás ^???$ táborából (@Kard$)"_w},
      {"L", 11, 0, 1, "lopás ^???$ táborából "_w},
      {"L", 0, 12, 0, "lopás ^???$ táborából (@Kard$)"_w},
      {"L", 0, 0, 5, "lopás ^???$ táborából "_w},
      {"LE", 12, 28, 17, "leveszed: @Kard$, @Fenoko$, @Hosszú íj"_w},
      {"LE", 0, 28, 0, "leveszed: $, @Fenoko"},
      {"LE", -1, 0, -1, "leveszed: "},
      {"SZV", 0, 0, 0, "szavazol egy fontos kerdesben"},
  });
}

TEST_F(DescribeOrders2Test, LabyrinthMoves) {
  ExpectDescriptions({
      {"LM", 1, 100, 205, "labirintusban mozgás: @1$ ref.pont, @100$ ref.pont, @Pörhemor körre$ ugrás"_w},
      {"LM", 900, 905, 101, "labirintusban mozgás: @OV 0$, @OV 5$"_w},
      {"LM", 205, 0, 899, "labirintusban mozgás: @, @Pörhemor körre$ ugrás"_w},
      {"LM", 101, 1, 900, "labirintusban mozgás: @, @1$ ref.pont, @OV 0$"_w},
      {"LM", 0, 906, -1, "labirintusban mozgás: @"_w},
      {"LM", 905, kMin, kMax, "labirintusban mozgás: @OV 5$"_w},
  });
}

TEST_F(DescribeOrders2Test, CautionBankPaymentsDemolitionAndHelp) {
  ExpectDescriptions({
      {"OV", 0, 0, 0, "óvatosság állítása:@ 0$"_w},
      {"OV", 5, 0, 0, "óvatosság állítása:@ 5$"_w},
      {"OV", 6, 0, 0, "óvatosság állítása:@ ^???$"_w},
      {"OV", -1, 0, 0, "óvatosság állítása:@ ^???$"_w},
      {"PBE", 100, 1000, 3, "pénz befizetés bankba: @300$ arany @Aladar$ számlájára"_w},
      {"PBE", 100, 0, 0, "pénz befizetés bankba: @100$ arany "_w},
      {"PBE", 7, 0, -3, "pénz befizetés bankba: @7$ arany "_w},
      {"PBE", 0, 0, 5, "pénz befizetés bankba: @0$ arany "_w},
      {"PBE", -1, 1000, 2, "pénz befizetés bankba: @@Aladar$ számlájára"_w},
      {"PBE", kMax, 0, 2, "pénz befizetés bankba: @-2$ arany "_w},
      {"PKI", 50, 4, 0, "pénz felvétele bankból: @200$ arany "_w},
      {"PKI", 50, 0, 0, "pénz felvétele bankból: @50$ arany "_w},
      {"PKI", -5, 3, 0, "pénz felvétele bankból: @"_w},
      {"PKI", 65536, 65536, 0, "pénz felvétele bankból: @0$ arany "_w},
      {"RM", 17, 12, 5, "@Kard $rombolása, eszközöd @Hosszú íj 5$ pontért"_w},
      {"RM", 17, 12, 0, "@Kard $rombolása, eszközöd @Hosszú íj"_w},
      {"RM", 0, 0, 0, "@  $rombolása, eszközöd @ "_w},
      {"SE", 3, 0, 0, "segítesz (@3.$ jellempróbánál)"_w},
      {"SE", 0, 0, 0, "segítesz "_w},
  });
}

TEST_F(DescribeOrders2Test, MonsterLists) {
  ExpectDescriptions({
      {"SZE", 1, 5, 9, "@Farkas$, @Troll$, @Goblin$ elengedve (+3 jóság)"_w},
      {"SZE", 1, 0, 0, "@Farkas$ elengedve (+1 jóság)"_w},
      {"SZE", 0, 0, 0, "@ $ elengedve"},
      {"SZE", -1, 5, 0, "@#-1$, @Troll$ elengedve (+1 jóság)"_w},
      {"SZK", 1, 5, 9, "szörnykeresés (@Farkas$, @Troll$, @Goblin$)"_w},
      {"SZK", 3, -2, 0, "szörnykeresés (@Medve$)"_w},
      {"SZM", 1, 5, 9, "@Farkas$, @Troll$, @Goblin$ leölve"_w},
      {"SZM", 1, 0, 9, "@Farkas$, @Goblin$ leölve"_w},
  });
}

TEST_F(DescribeOrders2Test, AttackListNamesCharactersOrMonsters) {
  ExpectDescriptions({
      {"T", 1000, 1, 5, "támadva:@ Aladar $rendre"_w},
      {"T", 5, 6999, 7000, "támadva:@ Troll Bela Golem "_w},
      {"T", 999, 9100, 9101, "támadva:@ Ork Demon Dezso "_w},
      {"T", 0, 0, 0, "törlöd a támadási listádat      "_w},
      {"FT", 0, 0, 1000, "támadva:@     Aladar "_w},
      {"FT", 1500, 1, 0, "támadva:@ Elek $rendre"_w},
  });
}

TEST_F(DescribeOrders2Test, TipAndCipher) {
  ExpectDescriptions({
      {"TAN", 5, 12, 0, "@5$ tippet kérsz a bölcstől, mire jó a(z) @Kard"_w},
      {"TAN", 0, 0, 0, "tippet kérsz a bölcstől"_w},
      {"TAN", -1, -1, 0, "tippet kérsz a bölcstől"_w},
      {"TIM", 2520, 0, 0, "@ősi rúna$ megfejtése"_w},
      {"TIM", 2519, 0, 0, "titkosírás megfejtése @2519$ pontért"_w},
  });
}

TEST_F(DescribeOrders2Test, AttributeTrainingAndRaising) {
  ExpectDescriptions({
      {"TF", 0, 99, 0, "törlöd a maradék pontból, kör végén TF-elést"_w},
      {"TF", 1, 0, 0, "kör végén maradék pontból TF-eled @az erődet"_w},
      {"TF", 2, 0, 0, "kör végén maradék pontból TF-eled @az iqdat"_w},
      {"TF", 5, 10, 0, "fejleszted @a szerencsédet 10$ pontért"_w},
      {"TF", 3, -4, 0, "fejleszted @az ügyességedet -4$ pontért"_w},
      {"TF", 6, 0, 0, "kör végén maradék pontból TF-eled az @MXTUdat??"_w},
      {"TF", 6, 7, 0, "fejleszted az @MXTUdat?? 7$ pontért"_w},
      {"TF", 7, 0, 0, "kör végén maradék pontból TF-eled ^???.$ tulajdonságodat"_w},
      {"TF", -1, 8, 0, "fejleszted ^???$ tulajdonságodat @8$ pontért"_w},
      {"TNO", 2, 5, 0, "növeled @az iqdat @5$ ponttal"_w},
      {"TNO", 4, 0, 0, "növeled @az egészségedet"_w},
      {"TNO", 3, -2, 0, "növeled @az ügyességedet"_w},
      {"TNO", 6, 3, 0, "növeled az @MXTUdat$ @3$ ponttal"_w},
      {"TNO", 0, -3, 0, "növeled a ^???$ tulajdonságodat"_w},
      {"TNO", 7, 1, 0, "növeled a ^???$ tulajdonságodat @1$ ponttal"_w},
  });
}

TEST_F(DescribeOrders2Test, PointReservesSwimmingAndSpellList) {
  ExpectDescriptions({
      {"TPF", 15, 0, 0, "felszabadítasz @15$ pontot a korábban lekötöttből"_w},
      {"TPS", -2, 0, 0, "lekötsz @-2$ pontot későbbi felhasználásra"_w},
      {"PPF", 3, 0, 0, "felszabadítasz @3$ pszí pontot a korábban lekötöttből"_w},
      {"PPS", 4, 0, 0, "lekötsz @4$ pszí pontot későbbi felhasználásra"_w},
      {"USZ", 20, 0, 0, "úszkálni kezdesz @20$ pontért"_w},
      {"FUSZ", 30, 0, 0, "feltételes úszás: max @30$ pontért"_w},
      {"TV", 453, 12, 3, "Trinigan rúnája (@3$ db @Kard$)"_w},
      {"TV", 5, 6, 0, "varázslatlistába kerül: @Tuzgolyo Pajzs  "_w},
      {"TV", 0, 0, 8, "varázslatlistába kerül: @    #8"_w},
      {"TV", 0, 0, 0, "törlöd a támadó/védekező varázslat listádat"_w},
  });
}

TEST_F(DescribeOrders2Test, PurchaseIsPricedWithTheThirdItemValue) {
  ExpectDescriptions({
      {"VE", 12, 3, 0, "3 @Kard$ vásárlása (36 ap)"_w},
      {"VE", 12, 0, 0, "@Kard$ vásárlása (12 ap)"_w},
      {"VE", 12, -2, 0, "-2 @Kard$ vásárlása (-24 ap)"_w},
      {"VE", 17, 5, 0, "5 @Hosszú íj$ vásárlása (0 ap)"_w},
      {"VE", 99, 2, 0, "2 @#99$ vásárlása (^?$ ap)"_w},
      {"VE", 99, 0, 0, "@#99$ vásárlása (^?$ ap)"_w},
      {"VE", 0, 0, 0, "@ $ vásárlása (^?$ ap)"_w},
      // 65535 x 2147483647 kept in 32 bits.
      {"VE", 13, kMax, 0, "2147483647 @Draga ko$ vásárlása (2147418113 ap)"_w},
      {"FVE", 12, 3, 0, "feltételes vásárlás: max @3$ db @Kard$ vásárlása, ha boltra lépsz"_w},
      {"FVE", 0, 2, 0, "feltételes vásárlás: max @2$ db @ $ vásárlása, ha boltra lépsz"_w},
      {"FVE", 12, 0, 0, "feltételes vásárlás: max @0$ db @Kard$ vásárlása, ha boltra lépsz"_w},
      {"FVE", 0, 0, 0, "törlöd a @feltételes vásárlása$ beállításokat"_w},
  });
}

TEST_F(DescribeOrders2Test, PurchasePriceFollowsTheFirstRecordOfTheItem) {
  LoadItemTable("12 0 0 0 5 0 Elso\r\n12 0 0 0 9 0 Masodik\r\n");
  EXPECT_EQ(DescribeLine2("VE", 12, 2, 0), "2 @Elso$ vásárlása (10 ap)"_w);
}

TEST_F(DescribeOrders2Test, BehaviourAndVpReserves) {
  ExpectDescriptions({
      {"VIK", 1, 0, 0, "viselkedés kalandozókkal @1"_w},
      {"VIK", 99, 0, 0, "viselkedés kalandozókkal @99"_w},
      {"VIK", 0, 0, 0, "viselkedés kalandozókkal ^???"_w},
      {"VIK", 100, 0, 0, "viselkedés kalandozókkal ^???"_w},
      {"VPF", 5, 3, 0, "felszabadítasz @15$ vp-t a korábban lekötöttből"_w},
      {"VPF", 5, 0, 0, "felszabadítasz @5$ vp-t a korábban lekötöttből"_w},
      {"VPF", -5, 3, 0, "felszabadítasz @-5$ vp-t a korábban lekötöttből"_w},
      {"VPF", 5, -3, 0, "felszabadítasz @5$ vp-t a korábban lekötöttből"_w},
      {"VPS", 1, 1, 0, "lekötsz @1$ vp-t későbbi felhasználásra"_w},
      {"VPS", 4, 0, 0, "lekötsz @4$ vp-t későbbi felhasználásra"_w},
      {"VPS", 0, 7, 0, "lekötsz @0$ vp-t későbbi felhasználásra"_w},
      {"VPS", 2, kMin, 0, "lekötsz @2$ vp-t későbbi felhasználásra"_w},
      {"VPS", 65536, 32768, 0, "lekötsz @-2147483648$ vp-t későbbi felhasználásra"_w},
  });
}

TEST_F(DescribeOrders2Test, LearningPaysEachSpellInItsSchoolsUnit) {
  ExpectDescriptions({
      {"VTN", 159, 307, 310,
       "tanulandó: @Kis magia$ (@7$ mágiapont), @Ima$ (@3$ teológia), @Csoda$ (@4$ taumaturgia)"_w},
      {"VTN", 200, 399, 439, "tanulandó: @Vegyes$ (@9$ap), @Teo$ (@1$ teológia), @Tau$ (@2$ taumaturgia)"_w},
      {"VTN", 158, 164, 0, "tanulandó: @Hatar also$ (@1$ap), @Hatar felso$ (@1$ap), "_w},
      // 163 first with an amount is paid in TVP; a spell that costs nothing is red.
      {"VTN", 163, 40, 0,
       "tanulandó: @Nagy magia$ (@40$ TVP (és +@35$ TVP, ha az @500$ TVP megvan)), ^#40$???, "_w},
      {"VTN", 200, 163, 163, "tanulandó: @Vegyes$ (@9$ap), @Nagy magia$ (@50$ mágiapont), @Nagy magia$ (@50$ mágiapont)"_w},
      {"VTN", 163, 0, 200, "tanulandó: @Nagy magia$ (@50$ mágiapont), @Vegyes$ (@9$ap)"_w},
      {"VTN", 201, -5, 201, "tanulandó: ^Ingyen$???, ^Ingyen$???"_w},
      {"VTN", -3, 0, -3, "tanulandó: "_w},
      {"VTN", 0, 0, 0, "tanulandó: "_w},
  });
}

TEST_F(DescribeOrders2Test, LearningOf163WithAnAmountStillNeedsALearningCost) {
  LoadSpellTable("163 V 0 0 0 Nagy magia\r\n");
  EXPECT_EQ(DescribeLine2("VTN", 163, 40, 0), "tanulandó: ^Nagy magia$???, ^#40$???, "_w);
}

}  // namespace
}  // namespace vorda
