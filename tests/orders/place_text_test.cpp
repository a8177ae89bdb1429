#include "orders/place_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "platform/win1250.h"

namespace vorda {
namespace {

// The building table, one line per code range (a row that lists several codes
// or ranges appears once for each).
struct ExpectedRange {
  std::int32_t first;
  std::int32_t last;
  std::string phrase;
};

const std::vector<ExpectedRange>& ExpectedRanges() {
  static const std::vector<ExpectedRange> ranges = {
      {256, 256, " a @templomba$"_w},
      {376, 376, " a @fény szentélyébe$"_w},
      {486, 486, " a @sörsátorba$"_w},
      {487, 487, " a @Rothadás Szentélyébe$"_w},
      {488, 488, " az @erődítménybe$"_w},
      {489, 489, " a @pusztulás sírjai közé$"_w},
      {490, 490, " az @elefántcsont toronyba$"_w},
      {491, 491, " az @obszidián erődbe$"_w},
      {492, 492, " a @sárkánytanyára$"_w},
      {494, 494, " a @császári erődbe$"_w},
      {496, 496, " a @Hősök csarnokába$"_w},
      {500, 506, " az @öreg varázslóhoz$"_w},
      {507, 507, " a @tanyára$"_w},
      {534, 534, " a @tanyára$"_w},
      {508, 525, " a @remetelakba$"_w},
      {526, 526, " a @qvilli vegyesboltba$"_w},
      {527, 527, " a @qvilli városházára$"_w},
      {528, 528, " a @kastélyba$"_w},
      {529, 529, " a @kolostorba$"_w},
      {543, 545, " a @kolostorba$"_w},
      {555, 560, " a @kolostorba$"_w},
      {659, 663, " a @kolostorba$"_w},
      {690, 690, " a @kolostorba$"_w},
      {530, 530, " a @fehér gránittoronyba$"_w},
      {531, 531, " a @gnómlakba$"_w},
      {532, 532, " a @törpe tanyára$"_w},
      {533, 533, " a @kobudera tanyára$"_w},
      {535, 535, " a @fekete gránittoronyba$"_w},
      {536, 536, " a @xantroxi tanácsadó bölcselőhöz$"_w},
      {537, 537, " a @shadari fegyverboltba$"_w},
      {538, 538, " a @shadari vegyesboltba$"_w},
      {539, 539, " a @shadari városházára$"_w},
      {540, 540, " a @gatini városházára$"_w},
      {541, 541, " a @gatini vegyesboltba$"_w},
      {542, 542, " a @gatini fegyverboltba$"_w},
      {546, 546, " a @qvilli fegyverboltba$"_w},
      {547, 547, " @Vangorf gróf várába$"_w},
      {551, 551, " @Vangorf gróf várába$"_w},
      {548, 548, " @Lord Dravonyi erődítményébe$"_w},
      {552, 552, " @Lord Dravonyi erődítményébe$"_w},
      {549, 549, " @Lady Ilmereth házába$"_w},
      {553, 553, " @Lady Ilmereth házába$"_w},
      {550, 550, " @Gnóm kutatóállomásba$"_w},
      {554, 554, " @Gnóm kutatóállomásba$"_w},
      {561, 561, " a @xantroxi jósdába$"_w},
      {562, 562, " a @xantroxi fegyvermesterhez$"_w},
      {563, 563, " a @xantroxi helytartói hivatalba$"_w},
      {564, 564, " a @xantroxi Fairlight bankba$"_w},
      {565, 565, " a @xantroxi ékszerboltba$"_w},
      {566, 566, " a @xantroxi sötét kastplomba$"_w},
      {567, 567, " a @xantroxi fegyverboltba$"_w},
      {568, 568, " a @xantroxi vegyesboltba$"_w},
      {569, 569, " a @libertani sötét kastplomba$"_w},
      {570, 570, " a @wargpini sötét kastplomba$"_w},
      {571, 571, " a @vaskaromi sötét kastplomba$"_w},
      {572, 572, " a @libertani fegyvermesterhez$"_w},
      {573, 573, " a @wargpini fegyvermesterhez$"_w},
      {574, 574, " a @vaskaromi fegyvermesterhez$"_w},
      {575, 575, " a @libertani jósdába$"_w},
      {576, 576, " a @wargpini jósdába$"_w},
      {577, 577, " a @vaskaromi jósdába$"_w},
      {578, 578, " a @libertani helytartói hivatalba$"_w},
      {579, 579, " a @wargpini helytartói hivatalba$ (^bezárt$)"_w},
      {580, 580, " a @vaskaromi helytartói hivatalba$ (^bezárt$)"_w},
      {581, 581, " a @libertani Fairlight bankba$"_w},
      {582, 582, " a @wargpini Fairlight bankba$ (^bezárt$)"_w},
      {583, 583, " a @vaskaromi Fairlight bankba$ (^bezárt$)"_w},
      {584, 584, " a @libertani ékszerboltba$"_w},
      {585, 585, " a @wargpini ékszerboltba$"_w},
      {586, 586, " a @vaskaromi ékszerboltba$"_w},
      {587, 587, " a @libertani tanácsadó bölcselőhöz$"_w},
      {588, 588, " a @wargpini tanácsadó bölcselőhöz$"_w},
      {589, 589, " a @vaskaromi tanácsadó bölcselőhöz$"_w},
      {590, 590, " a @libertani fegyverboltba$"_w},
      {591, 591, " a @wargpini fegyverboltba$"_w},
      {592, 592, " a @vaskaromi fegyverboltba$"_w},
      {593, 593, " a @libertani vegyesboltba$"_w},
      {594, 594, " a @wargpini vegyesboltba$"_w},
      {595, 595, " a @vaskaromi vegyesboltba$"_w},
      {596, 596, " a @xantroxi fekete mágustoronyba$"_w},
      {597, 597, " a @libertani fekete mágustoronyba$"_w},
      {598, 598, " a @wargpini fekete mágustoronyba$"_w},
      {599, 599, " a @vaskaromi fekete mágustoronyba$"_w},
      {600, 606, " az @elf villába$"_w},
      {607, 607, " a @shadari fogadóba$"_w},
      {608, 608, " a @qvilli fogadóba$"_w},
      {609, 609, " a @gatini fogadóba$"_w},
      {610, 610, " a @xantroxi fogadóba$"_w},
      {611, 611, " a @libertani fogadóba$"_w},
      {612, 612, " a @wargpini fogadóba$ / @viharóriás barlangba$"_w},
      {613, 613, " a @vaskaromi fogadóba$"_w},
      {614, 614, " az @alanori piroslámpás házba$"_w},
      {615, 615, " a @zangrozi vegyesboltba$"_w},
      {616, 616, " az @alanori vegyesboltba$"_w},
      {617, 617, " a @roxati vegyesboltba$"_w},
      {618, 618, " a @zangrozi fegyverboltba$"_w},
      {619, 619, " az @alanori fegyverboltba$"_w},
      {620, 620, " a @roxati fegyverboltba$ / @sárkánybarlangba$"_w},
      {621, 621, " a @zangrozi fogadóba$"_w},
      {622, 622, " az @alanori fogadóba$"_w},
      {623, 623, " a @roxati fogadóba$"_w},
      {624, 624, " a @zangrozi Fairlight bankba$ / @lovagi táborba$"_w},
      {625, 625, " az @alanori Fairlight bankba$"_w},
      {626, 626, " a @roxati Fairlight bankba$"_w},
      {627, 627, " a @zangrozi kvazár kohóba$"_w},
      {628, 628, " az @alanori kvazár kohóba$"_w},
      {629, 629, " a @roxati kvazár kohóba$"_w},
      {630, 630, " a @zangrozi fegyvermesterhez$"_w},
      {631, 631, " az @alanori fegyvermesterhez$"_w},
      {632, 632, " a @roxati fegyvermesterhez$"_w},
      {633, 633, " a @zangrozi olimpiai arénába$"_w},
      {634, 634, " az @alanori olimpiai arénába$"_w},
      {635, 635, " a @roxati olimpiai arénába$"_w},
      {636, 636, " a @zangrozi piroslámpás házba$"_w},
      {637, 637, " a @roxati piroslámpás házba$"_w},
      {638, 638, " a @zangrozi kaszinóba$"_w},
      {639, 639, " az @alanori kaszinóba$"_w},
      {640, 640, " a @roxati kaszinóba$"_w},
      {641, 641, " a @zangrozi fekete mágustoronyba$"_w},
      {642, 642, " az @alanori fekete mágustoronyba$"_w},
      {643, 643, " a @roxati fekete mágustoronyba$"_w},
      {644, 644, " a @zangrozi jósdába$"_w},
      {645, 645, " az @alanori jósdába$"_w},
      {646, 646, " a @roxati jósdába$"_w},
      {647, 647, " a @zangrozi szörnypiacra$"_w},
      {648, 648, " az @alanori szörnypiacra$"_w},
      {649, 649, " a @roxati szörnypiacra$"_w},
      {650, 650, " a @zangrozi királyi palotába$"_w},
      {651, 651, " az @alanori királyi palotába$"_w},
      {652, 652, " a @roxati királyi palotába$"_w},
      {653, 653, " a @zangrozi ékszerboltba$"_w},
      {654, 654, " az @alanori ékszerboltba$"_w},
      {655, 655, " a @roxati ékszerboltba$"_w},
      {656, 656, " a @zangrozi tanácsadó bölcselőhöz$"_w},
      {657, 657, " az @alanori tanácsadó bölcselőhöz$"_w},
      {658, 658, " a @roxati tanácsadó bölcselőhöz$"_w},
      {664, 665, " @Kragoru tornyába$"_w},
      {666, 668, " az @erdei bölcshöz$"_w},
      {669, 669, " a @Fehér Bérc Plazába$"_w},
      {670, 670, " az @Ezüsttoronyba$"_w},
      {671, 671, " Északtűz @Borzalom Fellegvárába$"_w},
      {672, 672, " Sárkányverem @Borzalom Fellegvárába$"_w},
      {673, 673, " Lávafolyó @Borzalom Fellegvárába$"_w},
      {674, 674, " Északtűz @Thargodan mágustornyába$"_w},
      {675, 675, " Sárkányverem @Thargodan mágustornyába$"_w},
      {676, 676, " Lávafolyó @Thargodan mágustornyába$"_w},
      {677, 677, " Északtűz @vegyesboltjába$"_w},
      {678, 678, " Sárkányverem @vegyesboltjába$"_w},
      {679, 679, " Lávafolyó @vegyesboltjába$"_w},
      {680, 680, " Északtűz @fegyverboltjába$"_w},
      {681, 681, " Sárkányverem @fegyverboltjába$"_w},
      {682, 682, " Lávafolyó @fegyverboltjába$"_w},
      {683, 683, " a @fehérbérci arénába$"_w},
      {684, 684, " a @fehérbérci fogadóba$"_w},
      {685, 685, " a @fehérbérci városházába$"_w},
      {686, 686, " a @Sötét Földön lévő fegyvermesterhez$"_w},
      {687, 687, " az @Invázióügyi Minisztériumba$"_w},
      {688, 688, " az @Invázióügyi Minisztériumba$"_w},
      {689, 689, " az @Invázióügyi Minisztériumba$"_w},
      {691, 691, " a @történelemkutató intézetbe$"_w},
      {692, 692, " a @barbár barlangba$"_w},
      {693, 693, " a @karbionális látomásba$"_w},
      {694, 694, " az @árnytündér szentélybe$"_w},
      {695, 695, " a @Zarknod ónixpiramisába$"_w},
      {696, 696, " a @fehérbérci piroslámpás házba$"_w},
      {697, 697, " a @fehérbérci bankba$"_w},
      {698, 698, " a @Földelem Kapuja Harci Iskolába$"_w},
      {699, 699, " a @tolvajcéhbe$"_w},
      {700, 700, " a @bányászházba$"_w},
      {701, 701, " a @jáde sárkány kolostorba$"_w},
      {702, 702, " a @Vérvörös Lángok Oktató Központba$"_w},
      {703, 703, " a @Zan fogadóba$"_w},
      {704, 704, " a @Serény Múmiák Shopba$"_w},
      {705, 705, " a @biztosrévi bankba$"_w},
      {706, 706, " a @biztosrévi ezüst mágustoronyba$"_w},
      {711, 711, " a @fehérbérci futárszolgálathoz$"_w},
      {712, 712, " a @biztosrévi futárszolgálathoz$"_w},
      {716, 716, " a @füstös lebújba$"_w},
      {782, 782, " a @császárvárosi arénába (fegyvermester)$"_w},
      {815, 815, " a @déli dűneelf fegyverművészhez$"_w},
      {816, 816, " az @északi dűneelf fegyverművészhez$"_w},
      {1173, 1173, " @Leah szentélyébe$"_w},
      {1174, 1174, " @Dornodon szentélyébe$"_w},
      {1175, 1175, " @Raia szentélyébe$"_w},
      {1176, 1176, " @Elenios szentélyébe$"_w},
      {1177, 1177, " @Sheran szentélyébe$"_w},
      {1178, 1178, " @Tharr szentélyébe$"_w},
      {1179, 1179, " @Fairlight szentélyébe$"_w},
      {1180, 1180, " @Chara-din szentélyébe$"_w},
      {1204, 1204, " a @malomba$"_w},
      {1511, 1511, " a @ryuku akadálypályára$"_w},
      {1512, 1512, " a @ryuku aranybányába$"_w},
      {1681, 1681, " a @versengés tornyába$"_w},
      {1821, 1821, " a @varkaudar fellegvárba$"_w},
      {1859, 1859, " a @császári kolostorba$"_w},
  };
  return ranges;
}

std::string ExpectedPlaceText(std::int32_t code) {
  const std::string n = std::to_string(code);
  if (code >= 1 && code <= 255) return " @#" + n + ".$ titkos labirintusba";
  for (const ExpectedRange& r : ExpectedRanges())
    if (code >= r.first && code <= r.last) return r.phrase + " (#" + n + ")";
  return ": @#" + n + ".$ épületbe"_w;
}

TEST(PlaceTextTest, EveryCodeFromBelowZeroToBeyondTheTable) {
  std::vector<std::int32_t> codes = {std::numeric_limits<std::int32_t>::min(), -256, 2000, 65536,
                                     std::numeric_limits<std::int32_t>::max()};
  for (std::int32_t c = -5; c <= 1865; ++c) codes.push_back(c);
  for (const std::int32_t c : codes) EXPECT_EQ(PlaceText(c), ExpectedPlaceText(c)) << "code " << c;
}

TEST(PlaceTextTest, TableHas184RowsCovering238DistinctCodes) {
  const auto& table = PlaceTable();
  EXPECT_EQ(table.size(), 184u);
  std::set<std::int32_t> codes;
  std::size_t count = 0;
  for (const PlaceRow& row : table) {
    EXPECT_FALSE(row.Codes.empty());
    for (const PlaceCodeRange& r : row.Codes) {
      EXPECT_LE(r.First, r.Last);
      EXPECT_GE(r.First, 256);
      EXPECT_LE(r.Last, 1859);
      for (std::int32_t c = r.First; c <= r.Last; ++c) {
        codes.insert(c);
        ++count;
      }
    }
    // A building phrase starts with a blank, names the building in the value
    // colour and carries no number of its own.
    EXPECT_EQ(row.Phrase.substr(0, 1), " ");
    EXPECT_NE(row.Phrase.find('@'), std::string::npos);
    EXPECT_NE(row.Phrase.find('$'), std::string::npos);
    EXPECT_EQ(row.Phrase.find('#'), std::string::npos);
  }
  EXPECT_EQ(count, 238u);
  EXPECT_EQ(codes.size(), 238u);
}

TEST(PlaceTextTest, ExamplesOfEachKindOfPhrase) {
  struct Case {
    std::int32_t code;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {256, " a @templomba$ (#256)"_w},
      {579, " a @wargpini helytartói hivatalba$ (^bezárt$) (#579)"_w},
      {17, " @#17.$ titkos labirintusba"},
      {1, " @#1.$ titkos labirintusba"},
      {255, " @#255.$ titkos labirintusba"},
      {0, ": @#0.$ épületbe"_w},
      {-3, ": @#-3.$ épületbe"_w},
      {300, ": @#300.$ épületbe"_w},
      {1860, ": @#1860.$ épületbe"_w},
      {1859, " a @császári kolostorba$ (#1859)"_w},
      {551, " @Vangorf gróf várába$ (#551)"_w},
      {547, " @Vangorf gróf várába$ (#547)"_w},
      {500, " az @öreg varázslóhoz$ (#500)"_w},
      {506, " az @öreg varázslóhoz$ (#506)"_w},
      {507, " a @tanyára$ (#507)"_w},
      {534, " a @tanyára$ (#534)"_w},
      {690, " a @kolostorba$ (#690)"},
      {612, " a @wargpini fogadóba$ / @viharóriás barlangba$ (#612)"_w},
      {672, " Sárkányverem @Borzalom Fellegvárába$ (#672)"_w},
      {716, " a @füstös lebújba$ (#716)"_w},
      {493, ": @#493.$ épületbe"_w},
      {717, ": @#717.$ épületbe"_w},
      {781, ": @#781.$ épületbe"_w},
      {std::numeric_limits<std::int32_t>::min(), ": @#-2147483648.$ épületbe"_w},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlaceText(c.code), c.expected) << c.code << ": " << Win1250ToUtf8(PlaceText(c.code));
}

}  // namespace
}  // namespace vorda
