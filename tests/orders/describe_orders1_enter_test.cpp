// The enter order "BE" and its buildings.
#include "orders/describe_orders1_test.h"

namespace vorda {
namespace {

using testing::DescribeOrders1Test;
using testing::kMax;
using testing::kMin;

TEST_F(DescribeOrders1Test, EnterChallengeTower) {
  ExpectDescriptions({
      {"BE", 502, 1, 0, "próbálkozol a @kihívás tornya 1.$ szintjén (@5$ arany)"_w},
      {"BE", 502, 5, 3, "próbálkozol a @kihívás tornya 5.$ szintjén (@25$ arany)"_w},
      {"BE", 502, 6, 0, "próbálkozol a @kihívás tornya 6.$ szintjén (@20$ arany)"_w},
      {"BE", 502, 7, 0, "próbálkozol a @kihívás tornya 7.$ szintjén (@20$ arany)"_w},
      {"BE", 502, 8, 0, "próbálkozol a @kihívás tornya 8.$ szintjén (@35$ arany)"_w},
      {"BE", 502, 9, 0, ""},
      {"BE", 502, -1, 0, ""},
      {"BE", 502, kMin, 0, ""},
      {"BE", 502, 0, 0, "belépsz az @öreg varázslóhoz$ (#502)"_w},
      {"BE", 502, 0, 4, "belépsz az @öreg varázslóhoz$ (#502)"_w},
      {"BE", 501, 3, 0, "belépsz az @öreg varázslóhoz$ (#501) (^???$)"_w},
  });
}

TEST_F(DescribeOrders1Test, EnterArenaWithStakeAndOpponent) {
  ExpectDescriptions({
      {"BE", 633, 0, 0, "belépsz a @zangrozi arénába$ "_w},
      {"BE", 634, 100, 0, "belépsz az @alanori arénába$ (@100$ arany tétben)"_w},
      {"BE", 635, 0, 1000, "belépsz a @roxati arénába$ (@0$ arany tétben, @Aldor$ ellen)"_w},
      {"BE", 633, 50, 1234, "belépsz a @zangrozi arénába$ (@50$ arany tétben, @Bera$ ellen)"_w},
      {"BE", 633, -1, 1000, "belépsz a @zangrozi arénába$ "_w},
      {"BE", 634, 5, -1, "belépsz az @alanori arénába$ "_w},
      {"BE", 636, 0, 0, "belépsz a @zangrozi piroslámpás házba$ (#636)"_w},
      {"BE", 632, 0, 0, "belépsz a @roxati fegyvermesterhez$ (#632)"_w},
  });
}

TEST_F(DescribeOrders1Test, EnterGovernorsOffice) {
  ExpectDescriptions({
      {"BE", 563, 1, 0, "helytartói licit lekérése"_w},
      {"BE", 578, 1, 9, "helytartói licit lekérése"_w},
      {"BE", 580, 1, 0, "helytartói licit lekérése"_w},
      {"BE", 563, 2, 0, "belépsz a @xantroxi helytartói hivatalba$ (#563) (^???$)"_w},
      {"BE", 579, 0, 0, "belépsz a @wargpini helytartói hivatalba$ (^bezárt$) (#579)"_w},
      {"BE", 581, 1, 0, "belépsz a @libertani Fairlight bankba$ (#581) (+@1$ extra széf)"_w},
  });
}

TEST_F(DescribeOrders1Test, EnterInnToDrinkOrToStay) {
  ExpectDescriptions({
      {"BE", 612, 0, 0, "belépsz a @wargpini fogadóba$ / @viharóriás barlangba$ (#612)"_w},
      {"BE", 612, 1, 0, "belépsz a @wargpini fogadóba$, rendelés: @fél liter sör$ "_w},
      {"BE", 612, 0, 2, "belépsz a @wargpini fogadóba$"_w},
      {"BE", 607, 0, 0, "belépsz a @shadari fogadóba$"_w},
      {"BE", 684, 0, 0, "belépsz a @fehér bérci fogadóba$"_w},
      {"BE", 684, 20, 3, "belépsz a @fehér bérci fogadóba$, szállás: @padláson$ (szkander és dart)"_w},
      {"BE", 703, 30, 7, "belépsz a @ZAN fogadóba$, szállás: @külön szobában$ (mindenbe benne vagy)"_w},
      {"BE", 622, 30, 8, "belépsz az @alanori fogadóba$, szállás: @külön szobában$ "_w},
      {"BE", 623, 20, 0, "belépsz a @roxati fogadóba$, szállás: @padláson$ "_w},
      {"BE", 607, 20, 1, "belépsz a @shadari fogadóba$, szállás: @padláson$ (szkander)"_w},
      {"BE", 607, 20, 2, "belépsz a @shadari fogadóba$, szállás: @padláson$ (dart)"_w},
      {"BE", 607, 30, 4, "belépsz a @shadari fogadóba$, szállás: @külön szobában$ (kockázás)"_w},
      {"BE", 607, 30, 5, "belépsz a @shadari fogadóba$, szállás: @külön szobában$ (szkander és kocka)"_w},
      {"BE", 607, 20, 6, "belépsz a @shadari fogadóba$, szállás: @padláson$ (dart és kocka)"_w},
      {"BE", 608, 11, 0, "belépsz a @qvilli fogadóba$, rendelés: @fél liter sör$ + @kaja$ "_w},
      {"BE", 609, 11, 2, "belépsz a @gatini fogadóba$, rendelés: @2$x @fél liter sör$ + @kaja$ "_w},
      {"BE", 610, 2, 0, "belépsz a @xantroxi fogadóba$, rendelés: @három deci bor$ "_w},
      {"BE", 611, 12, 3, "belépsz a @libertani fogadóba$, rendelés: @3$x @három deci bor$ + @kaja$"_w},
      {"BE", 612, 12, 0, "belépsz a @wargpini fogadóba$, rendelés: @három deci bor$ + @kaja$"_w},
      {"BE", 613, 3, kMax, "belépsz a @vaskaromi fogadóba$, rendelés: @2147483647$x @fél deci pálinka$ "_w},
      {"BE", 621, 13, 0, "belépsz a @zangrozi fogadóba$, rendelés: @fél deci pálinka$ + @kaja$"_w},
      {"BE", 623, 1, 5, "belépsz a @roxati fogadóba$, rendelés: @5$x @fél liter sör$ "_w},
      {"BE", 607, 1, -1, "belépsz a @shadari fogadóba$"_w},
      {"BE", 607, 4, 0, "belépsz a @shadari fogadóba$"_w},
      {"BE", 607, -20, 1, "belépsz a @shadari fogadóba$"_w},
  });
}

TEST_F(DescribeOrders1Test, EnterHiddenMonasteryToLearn) {
  ExpectDescriptions({
      {"BE", 493, 0, 0, "bemész a @rejtett kolostorba$ tanulni"_w},
      {"BE", 493, 4, 0, "bemész a @rejtett kolostorba$ tanulni @4$ alkalommal"_w},
      {"BE", 493, -4, 9, "bemész a @rejtett kolostorba$ tanulni"_w},
  });
}

TEST_F(DescribeOrders1Test, EnterWeaponMasterToLearnAWeaponClass) {
  ExpectDescriptions({
      {"BE", 782, 1, 0, "bemész a @császárvárosi  @fegyvermesterhez$ tanulni (@ökölvívás$)"_w},
      {"BE", 562, 2, 0, "bemész a @xantroxi @fegyvermesterhez$ tanulni (@szúrófegyverek$)"_w},
      {"BE", 631, 3, 0, "bemész az @alanori @fegyvermesterhez$ tanulni (@vágófegyverek$)"_w},
      {"BE", 686, 4, 0, "bemész a @Sötét Földön lévő @fegyvermesterhez$ tanulni (@ütőfegyverek$)"_w},
      {"BE", 698, 5, 0, "bemész a @Földelem Kapuja @fegyvermesterhez$ tanulni (@lőfegyverek$)"_w},
      {"BE", 702, 6, 0, "bemész a @Vérvörös Lángok @fegyvermesterhez$ tanulni (@dobófegyverek$)"_w},
      {"BE", 725, 7, 0, "bemész a @sawaki @fegyvermesterhez$ tanulni (@^???$)"_w},
      {"BE", 816, 1, 0, "bemész az @északi dűneelf  @fegyvermesterhez$ tanulni (@ökölvívás$)"_w},
      {"BE", 815, kMax, 0, "bemész a @déli dűneelf  @fegyvermesterhez$ tanulni (@^???$)"_w},
      {"BE", 572, 1, 0, "bemész a @libertani @fegyvermesterhez$ tanulni (@ökölvívás$)"_w},
      {"BE", 573, 2, 0, "bemész a @wargpini @fegyvermesterhez$ tanulni (@szúrófegyverek$)"_w},
      {"BE", 574, 3, 0, "bemész a @vaskaromi @fegyvermesterhez$ tanulni (@vágófegyverek$)"_w},
      {"BE", 630, 4, 0, "bemész a @zangrozi @fegyvermesterhez$ tanulni (@ütőfegyverek$)"_w},
      {"BE", 632, 5, 0, "bemész a @roxati @fegyvermesterhez$ tanulni (@lőfegyverek$)"_w},
      // Without a class the master's building is simply entered.
      {"BE", 815, 0, 0, "belépsz a @déli dűneelf fegyverművészhez$ (#815)"_w},
      {"BE", 725, 0, 0, "belépsz: @#725.$ épületbe"_w},
      {"BE", 572, -3, 2, "belépsz a @libertani fegyvermesterhez$ (#572)"_w},
  });
}

TEST_F(DescribeOrders1Test, EnterBuildingsThatAnswerQuestions) {
  ExpectDescriptions({
      {"BE", 709, 0, 0, "bemész az @Ördögi Kör$ épületébe"_w},
      {"BE", 709, -1, -1, "bemész az @Ördögi Kör$ épületébe"_w},
      {"BE", 710, 9, 0, "Ördögi Kör:  @gyogyitas$, "_w},
      {"BE", 747, 0, 11, "Ördögi Kör:  @tuzgolyo$"_w},
      {"BE", 747, 9, 77, "Ördögi Kör:  @gyogyitas$,  @#77$"_w},
      {"BE", 717, 0, 0, "bemész az @alanori íjásztelepre$"_w},
      {"BE", 717, 103, 0, "íjásztelep: @ij$ lövedék/dobófegyver"_w},
      {"BE", 717, 0, 50, "íjásztelep, @50$ arany kenőpénz"_w},
      {"BE", 717, 103, 50, "íjásztelep: @ij$ lövedék/dobófegyver, @50$ arany kenőpénz"_w},
      {"BE", 833, 0, 0, "bemész a @Káoszkatedrálisba$"_w},
      {"BE", 833, 9, 11, "Káoszkatedrális:  @gyogyitas$,  @tuzgolyo$"_w},
      {"BE", 707, 0, 0, "bemész a @Vasalt Bunkók$ épületébe"_w},
      {"BE", 708, 3, 10, "Bunkó infók:  @medve$,  @troll$"_w},
      {"BE", 708, 0, 1000, "Bunkó infók:  @goblin$"_w},
  });
}

TEST_F(DescribeOrders1Test, EnterCaravanContestTowerAndMonsterArena) {
  ExpectDescriptions({
      {"BE", 1215, 0, 0, "szekérkaraván: @0$ mezőt utazol"_w},
      {"BE", 1215, 2, 0, "szekérkaraván: ^??? 2$ mezőt utazol"_w},
      {"BE", 1215, 3, 0, "szekérkaraván: @3$ mezőt utazol"_w},
      {"BE", 1215, 15, 0, "szekérkaraván: @15$ mezőt utazol"_w},
      {"BE", 1215, 16, 0, "szekérkaraván: ^??? 16$ mezőt utazol"_w},
      {"BE", 1215, -1, 0, "szekérkaraván: ^??? -1$ mezőt utazol"_w},
      {"BE", 1681, 1, 0, "versengés tornya: @FNO$"_w},
      {"BE", 1681, 0, 0, "versengés tornya: @TP+kincskeresés$"_w},
      {"BE", 1681, -5, 0, "versengés tornya: @TP+kincskeresés$"_w},
      {"BE", 497, 3, 0, "szörnyaréna: @3$ ellenfél"_w},
      {"BE", 745, 1, -1, "szörnyaréna: @1$ ellenfél"_w},
      {"BE", 783, -2, 0, "szörnyaréna: @-2$ ellenfél"_w},
      {"BE", 824, 2, 1, "szörnyaréna: @2$ ellenfél (erősebb ellenféllel)"_w},
      {"BE", 825, 0, 1, "szörnyaréna: @0$ ellenfél (erősebb ellenféllel)"_w},
  });
}

TEST_F(DescribeOrders1Test, EnterBankWithExtraSafesAndOtherPlaces) {
  ExpectDescriptions({
      {"BE", 748, 5, 0, "belépsz: @#748.$ épületbe (+@5$ extra széf)"_w},
      {"BE", 564, 1, 0, "belépsz a @xantroxi Fairlight bankba$ (#564) (+@1$ extra széf)"_w},
      {"BE", 582, 2, 0, "belépsz a @wargpini Fairlight bankba$ (^bezárt$) (#582) (+@2$ extra széf)"_w},
      {"BE", 624, kMax, 0,
       "belépsz a @zangrozi Fairlight bankba$ / @lovagi táborba$ (#624) (+@2147483647$ extra széf)"_w},
      {"BE", 864, 0, 0, "belépsz: @#864.$ épületbe"_w},
      {"BE", 697, 0, 5, "belépsz a @fehérbérci bankba$ (#697)"_w},
      {"BE", 779, -1, 0, "belépsz: @#779.$ épületbe"_w},
      {"BE", 256, 1, 0, "belépsz a @templomba$ (#256) (^???$)"_w},
      {"BE", 17, 1, 0, "belépsz @#17.$ titkos labirintusba (^???$)"_w},
      {"BE", 17, 0, 0, "belépsz @#17.$ titkos labirintusba"_w},
      {"BE", 0, 0, 0, "belépsz: @#0.$ épületbe"_w},
      {"BE", kMin, -1, kMax, "belépsz: @#-2147483648.$ épületbe"_w},
      {"BE", kMax, kMax, kMax, "belépsz: @#2147483647.$ épületbe (^???$)"_w},
      {"BE", 1859, 0, 0, "belépsz a @császári kolostorba$ (#1859)"_w},
      {"BE", 1860, 0, 0, "belépsz: @#1860.$ épületbe"_w},
  });
}

}  // namespace
}  // namespace vorda
