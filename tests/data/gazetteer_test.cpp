#include "data/gazetteer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

#include "platform/win1250.h"

namespace vorda {
namespace {

std::string Describe(std::int32_t x, std::int32_t y) {
  std::string s = "previous";
  DescribeMapSquare(x, y, s);
  return s;
}

const std::string kNotATown = "^Nem városmező (esetleg kalandozók városa)"_w;

TEST(DescribeMapSquare, NamesTheTownAndTheBuildingsOfASquare) {
  struct Case {
    std::int32_t x, y;
    std::string text;
  };
  const Case cases[] = {
      {42, 28, "Shadar, városháza"_w},
      {41, 28, "Shadar"},
      {44, 99, "Gatin, fejvadászház"_w},
      {46, 62, "Qvill, fegyverbolt"},
      {72, 61, "Fehér Bérc, Fossilium Occidentalis (pszi tanulás)"_w},
      {74, 58, "Fehér Bérc, Ördögi Kör, gonoszság temploma"_w},
      {92, 52, "Libertan, sötét kastplom"_w},
      {94, 53, "Libertan, fény szentélye, vegyes-, fegyverbolt"_w},
      {95, 107, "Vaskarom, jósda, arénagödör"_w},
      {98, 21, "Xantrox, toborzóiroda"_w},
      {100, 79, "Wargpin, Fairlight templom"},
      {144, 61, "Biztosrév, ezüsttorony, ördögi kör, futárszolgálat, bank, arénagödör"_w},
      {185, 32, "Zangroz, jósda, invázióigyi minisztérium"_w},
      {185, 58, "Alanor, Bunkó Akadémia, íjásztelep"_w},
      {185, 62, "Alanor, Bunkó Akadémia, íjásztelep"_w},
      {188, 60, "Alanor, relikviagyűjtő háza"_w},
      {188, 107, "Roxat, invázióügyi minisztérium"_w},
      {189, 107, "Roxat"},
      {262, 66, "II. Toronyháború városa"_w},
      {309, 64, "Sárkányverem, Borzalom fellegvára"_w},
      {310, 10, "Északtűz"_w},
      {313, 117, "Lávafolyó, vegyesbolt, fegyverbolt"_w},
      {360, 64, "Sir Rasolphius, fegyvermester, bank, Ördögi Kör, futárszolgálat"_w},
      {440, 106, "Mhufex, elhagyatott ház"_w},
      {439, 105, "Mhufex, romos mágustorony, labirintus, elhagyatott ház"_w},
      {449, 18, "Sawaki, fogadó"_w},
      {449, 21, "Sawaki, fogadó"_w},
      {451, 20, "Sawaki, kikötői ácsműhely, labirintusok"_w},
      {473, 94, "Gwhinkeyd, fogadó"_w},
      {494, 64, "Császárváros, palota, mágustorony (küldetést ad), Raia szentélye, Leah szentélye"_w},
      {496, 63, "Császárváros"_w},
      {588, 98, "romváros, moa romok"_w},
      {588, 99, "romváros"_w},
      {513, 48, "romváros, vaskohó"_w},
      {623, 98, "romváros, moa romok"_w},
      {624, 12, "romváros"_w},
      {556, 5, "romváros, moa romok"_w},
      {544, 119, "romváros, moa romok"_w},
      {563, 105, "buborékváros, bank, álomfülke"_w},
      {609, 113, "buborékváros, álomfülke"_w},
      {541, 97, "kísértetváros (lhinami fagyszellem, óelf legenda, handastye csontúr)"_w},
      {583, 78, "dűneelfek, szörnypiac, mágusbarlang, szörnyaréna, szerencsebarlang"_w},
  };
  for (const auto& c : cases) EXPECT_EQ(Describe(c.x, c.y), c.text) << c.x << ";" << c.y;
}

TEST(DescribeMapSquare, OtherSquaresAreNoTownAndAZeroCoordinateIsNoSquare) {
  for (auto [x, y] : {std::pair{41, 29}, {900, 5}, {-42, 28}, {42, -28}, {INT32_MAX, INT32_MIN}, {28, 42}})
    EXPECT_EQ(Describe(x, y), kNotATown) << x << ";" << y;
  EXPECT_EQ(Describe(0, 28), "");
  EXPECT_EQ(Describe(42, 0), "");
  EXPECT_EQ(Describe(0, 0), "");
}

// The whole table: 319 squares with 170 different texts, on 117 different X
// values from 41 to 624 and Y from 5 to 119.
TEST(DescribeMapSquare, TheTableHoldsEveryTownSquare) {
  int squares = 0;
  std::set<std::string> texts;
  std::set<int> xs;
  int min_y = 1000, max_y = 0;
  for (int x = 1; x <= 900; ++x) {
    for (int y = 1; y <= 130; ++y) {
      const std::string s = Describe(x, y);
      if (s == kNotATown) continue;
      ++squares;
      texts.insert(s);
      xs.insert(x);
      min_y = std::min(min_y, y);
      max_y = std::max(max_y, y);
    }
  }
  EXPECT_EQ(squares, 319);
  EXPECT_EQ(texts.size(), 170u);
  EXPECT_EQ(xs.size(), 117u);
  EXPECT_EQ(*xs.begin(), 41);
  EXPECT_EQ(*xs.rbegin(), 624);
  EXPECT_EQ(min_y, 5);
  EXPECT_EQ(max_y, 119);
}

}  // namespace
}  // namespace vorda
