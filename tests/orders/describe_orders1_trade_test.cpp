// Lists, closing orders, items, selling, building, inventing, waste, information
// and readied items.
#include "orders/describe_orders1_test.h"

namespace vorda {
namespace {

using testing::DescribeOrders1Test;
using testing::kMax;
using testing::kMin;

TEST_F(DescribeOrders1Test, CharacterLists) {
  ExpectDescriptions({
      {"BEAJ", 1000, 1234, 0, "beajánlva @Aldor Bera  "_w},
      {"BEEN", 5, 0, 0, "beengedve @Kata    "},
      {"KIEN", 1000, 4444, 9101, "kiengedve @Aldor #4444 Hanna"},
      {"ERKI", 0, 0, 0, "kitasítva a KT-ból:"_w},
      {"ERKI", 1000, 0, 1234, "kitasítva a KT-ból: @Aldor Bera"_w},
      {"ERKI", -1, 1000, -1, "kitasítva a KT-ból: Aldor"_w},
  });
}

TEST_F(DescribeOrders1Test, ClosingOrderSlots) {
  ExpectDescriptions({
      {"BPB", 0, 0, 0, "befejező parancs berakása"_w},
      {"BPB", 1, 0, 0, "befejező parancs @1.$ helyre"_w},
      {"BPB", 10, 0, 0, "befejező parancs @10.$ helyre"_w},
      {"BPB", 11, 0, 0, "befejező parancs ^?.$ helyre"_w},
      {"BPB", -1, 0, 0, "befejező parancs ^?.$ helyre"_w},
      {"BPK", 0, 0, 0, "befejező parancs törlése ^?.$ helyről"_w},
      {"BPK", 1, 0, 0, "befejező parancs törlése @1.$ helyről"_w},
      {"BPK", 10, 0, 0, "befejező parancs törlése @10.$ helyről"_w},
      {"BPK", 11, 0, 0, "összes befejező parancs törlése"_w},
      {"BPK", 12, 0, 0, "befejező parancs törlése ^?.$ helyről"_w},
      {"BPK", kMin, 0, 0, "befejező parancs törlése ^?.$ helyről"_w},
  });
}

TEST_F(DescribeOrders1Test, DropHideAndPickUp) {
  ExpectDescriptions({
      {"D", 101, 0, 0, "@kard$ eldobása"_w},
      {"D", 101, 5, 0, "5 @kard$ eldobása"_w},
      {"D", 101, 5, 10, "5 @kard$ elrejtése @10.$ kódra"_w},
      {"D", 101, 0, 99, "0 @kard$ elrejtése @99.$ kódra"_w},
      {"D", 101, 5, 9, ""},
      {"D", 101, 5, 100, ""},
      {"D", 101, 5, -10, ""},
      {"D", 101, 5, 5, ""},
      {"FV", 101, 3, 45, "3 @kard$ felvétele @45.$ kódról"_w},
      {"FV", 0, 0, 0, "0 @ $ felvétele @0.$ kódról"_w},
  });
}

TEST_F(DescribeOrders1Test, ItemSets) {
  ExpectDescriptions({
      {"DD", 101, 102, 103, "készlet eldobása: @kard$, @pajzs$, @ij$"_w},
      {"DD", 0, 102, 0, "készlet eldobása: @$, @pajzs"_w},
      {"DD", 0, 0, 0, "készlet eldobása: @"_w},
      {"DD", -1, 0, 103, "készlet eldobása: @$, @ij$"_w},
      {"EE", 101, 0, 0, "készlet eladása: @kard"_w},
      {"EE", 101, 102, 0, "készlet eladása: @kard$, @pajzs"_w},
      {"HU", 1, 1, 1, "^összes HU parancs törölve!$"_w},
      {"HU", 0, 0, 0, "az összes HU parancs törlésére a ^HU 1 1 1$ parancsot használd!"_w},
      {"HU", 101, 102, 0, "hulladék: @kard$, @pajzs"_w},
      {"HU", 0, 0, 103, "hulladék: @$, @ij"_w},
      {"HU", 1, 1, 0, "hulladék: @#1$, @#1"_w},
      {"HU", -1, -1, -1, "hulladék: @"_w},
      {"F", 101, 102, 103, "feltalálás: @kard pajzs ij"_w},
      {"F", 0, 0, 103, "feltalálás: ij"_w},
      {"F", 0, 0, 0, "feltalálás:"_w},
      {"FF", 103, 0, 0, "fegyverváltás: @ij"_w},
      {"FF", -5, 101, 102, "fegyverváltás: kard pajzs"_w},
      {"FFK", 0, 0, 0, "$ a váltott fegyverek FF kockázata"_w},
      {"FFK", 10, 20, 30, "@10% 20% 30%$ a váltott fegyverek FF kockázata"_w},
      {"FFK", 0, 20, 0, " 20%$ a váltott fegyverek FF kockázata"_w},
  });
}

TEST_F(DescribeOrders1Test, SquaresFoodAndBuilding) {
  ExpectDescriptions({
      {"DX", 1, 0, 0, "deus ex machina beállítása (@1$ mező)"_w},
      {"DX", 20, 0, 0, "deus ex machina beállítása (@20$ mező)"_w},
      {"DX", 21, 0, 0, "deus ex machina beállítása (^?$ mező)"_w},
      {"DX", 0, 0, 0, "deus ex machina beállítása (^?$ mező)"_w},
      {"E", 1, 0, 0, "élelemszerzés @1$ pontért"_w},
      {"E", 40, 0, 0, "élelemszerzés @40$ pontért"_w},
      {"E", 41, 0, 0, "élelemszerzés @^?$ pontért"_w},
      {"E", 0, 0, 0, "élelemszerzés @^?$ pontért"_w},
      {"EP", 101, 0, 0, "építés: @kard$"_w},
      {"EP", 101, 30, 0, "építés: @kard$ @30$ pontért"_w},
  });
}

// A sale is priced with the item's second value times the pieces.
TEST_F(DescribeOrders1Test, SaleIsPricedWithTheSecondItemValue) {
  ExpectDescriptions({
      {"EA", 101, 0, 0, "@kard$ eladása (12 ap)"_w},
      {"EA", 101, 3, 0, "3 @kard$ eladása (36 ap)"_w},
      {"EA", 101, -2, 0, "-2 @kard$ eladása (-24 ap)"_w},
      {"EA", 105, 4, 0, "4 @kavics$ eladása (0 ap)"_w},
      {"EA", 555, 0, 0, "@#555$ eladása (^?$ ap)"_w},
      {"EA", 555, 2, 0, "2 @#555$ eladása (^?$ ap)"_w},
      {"EA", 0, 2, 0, "2 @ $ eladása (^?$ ap)"_w},
      {"EA", kMax, 0, 0, "@csillagpor$ eladása (2 ap)"_w},
      // 65535 x (2^31 - 1) and 65535 x -2^31: the price no longer fits 32 bits.
      {"EA", 104, kMax, 0, "2147483647 @aranyrog$ eladása (140735340806145 ap)"_w},
      {"EA", 104, kMin, 0, "-2147483648 @aranyrog$ eladása (-140735340871680 ap)"_w},
  });
}

TEST_F(DescribeOrders1Test, SaleReadsTheRecordFoundNow) {
  // A record found by an earlier look-up must not price an unknown item.
  ItemName(101);
  ASSERT_NE(Tables().LastFoundIndex, 0);
  EXPECT_EQ(Describe("EA", 999, 1, 0), "1 @#999$ eladása (^?$ ap)"_w);
  EXPECT_EQ(Tables().LastFoundIndex, 0);
  EXPECT_EQ(Describe("EA", 102, 2, 0), "2 @pajzs$ eladása (14 ap)"_w);
  EXPECT_EQ(Tables().LastFoundIndex, 2);
}

TEST_F(DescribeOrders1Test, GatheringShowsNoThresholdAsZero) {
  ExpectDescriptions({
      {"GYJ", 0, 80, -1, "gyűjtés @0$ ap értéktől, max teher @80$%,"_w},
      {"GYJ", 101, 50, 20, "gyűjtés @20$ ap értéktől, max teher @50$%, @kard$ kivételével"_w},
      {"GYJ", 0, 0, -2, "gyűjtés @-2$ ap értéktől, max teher @0$%,"_w},
      {"GYJ", -101, kMax, kMin, "gyűjtés @-2147483648$ ap értéktől, max teher @2147483647$%,"_w},
  });
  // The working value is changed, the line's own parameter is not.
  Describe("GYJ", 0, 80, -1);
  EXPECT_EQ(SheetModel().CurParam3, 0);
  EXPECT_EQ(SheetModel().Lines.SheetParams[1][2], -1);
  Describe("GYJ", 0, 80, -2);
  EXPECT_EQ(SheetModel().CurParam3, -2);
}

// Information is about a character for 1000..6999 only, about a monster for
// every other number (9101 and above too).
TEST_F(DescribeOrders1Test, InformationAboutCharactersOrMonsters) {
  ExpectDescriptions({
      {"IN", 1000, 1234, 101, "információ @Aldor$ számára: @Bera kard"_w},
      {"IN", 1000, 6999, 0, "információ @Aldor$ számára: @Csenge  "_w},
      {"IN", 1000, 7000, 0, "információ @Aldor$ számára: @liderc  "_w},
      {"IN", 1000, 999, 102, "információ @Aldor$ számára: @ork pajzs"_w},
      {"IN", 1000, 9101, 102, "információ @Aldor$ számára: @harpia pajzs"_w},
      {"IN", 0, 0, 0, "információ @ $ számára: @   "_w},
      {"INL", 1000, 7000, 0, "tömeges információ: @Aldor$ @liderc$ @ $ "_w},
      {"INL", 999, 6999, 9101, "tömeges információ: @ork$ @Csenge$ @harpia$ "_w},
      {"INT", 101, 0, 103, "tömeges információ: @kard$ @ij$ "_w},
      {"INT", 0, -1, 0, "tömeges információ: "_w},
      {"INK", 0, 0, 0, "az átadott infókat átadod ^???$ számára is"_w},
      {"INK", 1000, 0, 0, "az átadott infókat átadod @Aldor$ számára is"_w},
      {"INK", -1, 0, 0, "az átadott infókat átadod @#-1$ számára is"_w},
      {"JLK", 1234567, 0, 0, "jelszó kimondása: @1234567"_w},
      {"JLK", kMin, 0, 0, "jelszó kimondása: @-2147483648"_w},
  });
}

TEST_F(DescribeOrders1Test, ReadiedItems) {
  ExpectDescriptions({
      {"KF", 101, 0, 0, "bekészített tárgy: @kard"_w},
      {"KF", 0, 1, 0, "bekészített tárgy: @ "_w},
      {"KF", -1, 3, 0, "bekészített tárgy: @#-1"_w},
      {"KF", 101, -1, -1, "bekészített tárgy: @kard"_w},
      {"KF", 101, 3, 0, "@kard$, féltve őrzöd"_w},
      {"KF", 101, 1, 0, "@kard$, jobb kézbe veszed"_w},
      {"KF", 101, 2, 0, "@kard$, bal kézbe veszed"_w},
      {"KF", 103, 106, 0, "bekészített lőfegyver: @ij$, lövedék @nyilvesszo"_w},
      {"KF", 101, 102, 103, "bekészített tárgyak: @kard$, @pajzs$, @ij"_w},
      {"KF", 101, 0, 103, "bekészített tárgyak: @kard$, @ $, @ij"_w},
      {"KF", 101, -1, 102, "bekészített tárgyak: @kard$, @#-1$, @pajzs"_w},
      {"KF", 101, 4, 0, "bekészített tárgyak: @kard$, @#4$, @ "_w},
  });
}

// The items of a text are looked up in reading order: the last found record is
// that of the last item named, also when the text is then replaced.
TEST_F(DescribeOrders1Test, ItemsAreLookedUpInReadingOrder) {
  Describe("KF", 101, 102, 103);
  EXPECT_EQ(Tables().LastFoundIndex, 3);
  Describe("KF", 103, 106, 0);
  EXPECT_EQ(Tables().LastFoundIndex, 6);
  ItemName(101);
  Describe("HU", 1, 1, 1);
  EXPECT_EQ(Tables().LastFoundIndex, 0);
}

}  // namespace
}  // namespace vorda
