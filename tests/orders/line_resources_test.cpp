#include "orders/line_resources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <span>
#include <string>

#include "data/char_settings.h"
#include "data/game_tables.h"
#include "data/map_grid.h"
#include "data/order_sheet.h"
#include "orders/orders_state.h"
#include "support/map_fixture.h"
#include "support/state_reset.h"

namespace vorda {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

// Invented game data: Id Kind W1 W2 W3 W4 Name.
constexpr const char* kItems =
    "1 0 7 0 0 0 Kard\n"
    "2 2 9 0 0 0 Nyilvesszo\n"
    "41 0 45 0 0 0 Gyuru\n"
    "50 0 9 0 0 0 Ereklye\n"
    "300 0 40 0 0 0 Serleg\n"
    "757 0 11 0 0 0 Kulcs\n"
    "767 0 12 0 0 0 Zar\n"
    "900 0 65535 0 0 0 Korona\n";
// Id Cost Name.
constexpr const char* kRecipes = "7 120 Kenyer\n";
// Id Kind N1 N2 N3 Name.
constexpr const char* kSpells =
    "15 V 8 4 0 Tuzfal\n"
    "21 V 6 5 0 Villam\n"
    "22 V 10 0 0 Atvaltozas\n"
    "30 V 12 7 0 Gyogyitas\n"
    "31 P 14 9 0 Latas\n"
    "40 P 30 6 0 Pajzs\n"
    "41 H -7 5 0 Csapas\n"
    "74 P 20 6 0 Erosites\n"
    "115 P 10 5 0 Nyugalom\n"
    "160 V 1 2 0 Fagy\n"
    "195 P 2 3 0 Csend\n"
    "205 V 9 3 0 Kapu\n"
    "299 V 25 11 0 Kor\n"
    "500 V 2147483647 2147483647 0 Hatar\n";

struct Columns {
  std::int32_t Tvp = 0;
  std::int32_t Vp = 0;
  std::int32_t Pp = 0;
  int Tu = 0;
};

// What the line held before: an earlier computation or the editor's "+" key.
constexpr Columns kSeed{111, 222, 333, 44};
constexpr Columns SeedTvp(std::int32_t tvp) { return {tvp, 222, 333, 44}; }

struct Row {
  const char* Code;
  std::int32_t P1, P2, P3;
  Columns Seed;
  Columns Want;
};

constexpr int kRowLine = 7;

void SetLine(int line, const std::string& code, std::int32_t p1, std::int32_t p2, std::int32_t p3,
             const Columns& seed) {
  auto& s = SheetModel().Lines;
  const auto i = static_cast<std::size_t>(line);
  s.SheetCodes[i] = code;
  s.SheetParams[i] = {p1, p2, p3};
  s.SheetTvp[i] = seed.Tvp;
  s.SheetVp[i] = seed.Vp;
  s.SheetPp[i] = seed.Pp;
  s.SheetTu[i] = static_cast<std::int8_t>(seed.Tu);
}

void ExpectColumns(int line, const Columns& want) {
  const auto& s = SheetModel().Lines;
  const auto i = static_cast<std::size_t>(line);
  EXPECT_EQ(s.SheetTvp[i], want.Tvp) << "TVP";
  EXPECT_EQ(s.SheetVp[i], want.Vp) << "VP";
  EXPECT_EQ(s.SheetPp[i], want.Pp) << "PP";
  EXPECT_EQ(s.SheetTu[i], want.Tu) << "TU";
}

// Every row is computed twice: the second computation starts from what the
// first left and must give the same columns.
void ExpectRows(std::span<const Row> rows) {
  for (const Row& r : rows) {
    SCOPED_TRACE(::testing::Message() << '"' << r.Code << "\" " << r.P1 << ' ' << r.P2 << ' ' << r.P3
                                      << " seeded TVP " << r.Seed.Tvp);
    ClearSheetLine(kRowLine);
    SetLine(kRowLine, r.Code, r.P1, r.P2, r.P3, r.Seed);
    CalcLineResources(kRowLine);
    ExpectColumns(kRowLine, r.Want);
    CalcLineResources(kRowLine);
    ExpectColumns(kRowLine, r.Want);
  }
}

class LineResourcesTest : public testing::FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    LoadItemTable(kItems);
    LoadRecipeTable(kRecipes);
    LoadSpellTable(kSpells);
    CharSettings().CharMozg = 7;
    CharSettings().CharFelt = 8;
  }
};

TEST_F(LineResourcesTest, DirectVpAndPpCodes) {
  const Row rows[] = {
      {"PPS", 12, 0, 0, kSeed, {0, 0, 12, 44}},
      {"PPS", -7, 5, 5, kSeed, {0, 0, -7, 44}},
      {"PPF", 12, 0, 0, kSeed, {0, 0, -12, 44}},
      {"PPF", kMin, 0, 0, kSeed, {0, 0, kMin, 44}},
      {"FOK", 0, 0, 0, kSeed, {10, 0, 333, 44}},
      {"KRE", 0, 0, 0, kSeed, {2, 12, 333, 44}},
      {"KRE", 0, 0, 5, kSeed, {2, 60, 333, 44}},
      {"KRE", 9, 9, -3, kSeed, {2, -36, 333, 44}},
      {"KRE", 0, 0, kMax, kSeed, {2, -12, 333, 44}},
      {"VPS", 4, 5, 0, kSeed, {0, 20, 0, 0}},
      {"VPS", 4, 0, 0, kSeed, {0, 4, 0, 0}},
      {"VPS", -3, 5, 0, kSeed, {0, -3, 0, 0}},
      {"VPS", 65536, 65536, 0, kSeed, {0, 0, 0, 0}},
      {"VPS", kMax, 2, 0, kSeed, {0, -2, 0, 0}},
      {"VPF", 4, 5, 0, kSeed, {0, -20, 0, 0}},
      {"VPF", -3, 5, 0, kSeed, {0, 3, 0, 0}},
      {"VPF", kMin, 0, 0, kSeed, {0, kMin, 0, 0}},
      {"VPF", kMax, 2, 0, kSeed, {0, 2, 0, 0}},
  };
  ExpectRows(rows);
}

TEST_F(LineResourcesTest, SpellLines) {
  const Row rows[] = {
      {"V", 30, 0, 0, kSeed, {12, 7, 0, 0}},
      {"V", 31, 0, 0, kSeed, {14, 0, 0, 0}},  // a psi ability spends no VP
      {"V", 15, 0, 10, kSeed, {50, 24, 0, 0}},
      {"V", 15, 0, 3, kSeed, {15, 12, 0, 0}},
      {"V", 15, 0, 6, kSeed, {30, 24, 0, 0}},
      {"V", 15, 0, 7, kSeed, {35, 24, 0, 0}},
      {"V", 15, 0, 0, kSeed, {111, 4, 0, 0}},
      {"V", 15, 0, -2, kSeed, {111, 4, 0, 0}},
      {"V", 15, 0, kMax, kSeed, {2147483643, 24, 0, 0}},
      {"V", 21, 3, 0, kSeed, {6, 15, 0, 0}},
      {"V", 21, 0, 0, kSeed, {6, 5, 0, 0}},
      {"V", 21, kMax, 0, kSeed, {6, 2147483643, 0, 0}},
      {"V", 160, 5, 0, kSeed, {1, 10, 0, 0}},
      {"V", 22, 41, 0, kSeed, {10, 22, 0, 0}},
      {"V", 22, 2, 0, kSeed, {10, 4, 0, 0}},
      {"V", 22, 0, 0, kSeed, {10, 0, 0, 0}},
      {"V", 205, 1, 0, kSeed, {0, 3, 0, 0}},
      {"V", 205, 2, 0, kSeed, {111, 3, 0, 0}},
      {"V", 0, 0, 0, kSeed, {0, 0, 0, 0}},
      {"V", 999, 5, 5, kSeed, {0, 0, 0, 0}},
  };
  ExpectRows(rows);
}

TEST_F(LineResourcesTest, PsiLines) {
  const Row rows[] = {
      {"P", 31, 0, 0, kSeed, {14, 0, 9, 0}},
      {"P", 30, 0, 0, kSeed, {12, 0, 0, 0}},  // a spell spends no PP
      {"P", 0, 0, 0, kSeed, {0, 0, 0, 0}},
      {"P", -31, 0, 0, kSeed, {0, 0, 0, 0}},
      {"P", 74, 0, 3, kSeed, {20, 0, 18, 0}},
      {"P", 74, 0, 0, kSeed, {20, 0, 6, 0}},
      {"P", 74, 5, -1, kSeed, {20, 0, 6, 0}},
      {"P", 115, 4, 0, kSeed, {10, 0, 20, -4}},
      {"P", 115, 0, 0, kSeed, {10, 0, 5, -1}},
      {"P", 115, -3, 0, kSeed, {10, 0, 5, -1}},
      {"P", 195, 200, 0, kSeed, {2, 0, 600, 56}},
      {"P", 195, kMax, 0, kSeed, {2, 0, 2147483645, 1}},
  };
  ExpectRows(rows);
}

TEST_F(LineResourcesTest, SpellSetLines) {
  const Row rows[] = {
      {"VV", 299, 40, 0, kSeed, {40, 11, 6, 0}},  // 299 whole, the other half
      {"VV", 30, 30, 31, kSeed, {19, 14, 9, 0}},
      {"VV", 41, 0, 0, kSeed, {-3, 0, 0, 0}},  // -7 div 2 truncates toward zero
      {"VV", -299, -30, 0, kSeed, {0, 0, 0, 0}},
      {"VV", 999, 0, 0, kSeed, {0, 0, 0, 0}},
      {"VV", 500, 500, 500, kSeed, {-1073741827, 2147483645, 0, 0}},
  };
  ExpectRows(rows);
}

TEST_F(LineResourcesTest, AttributeAndImprovementTu) {
  const Row rows[] = {
      {"AT", 0, 7, 0, kSeed, {0, 0, 0, 7}},
      {"AT", 0, 150, 0, kSeed, {0, 0, 0, -106}},
      {"AT", 0, 128, 0, kSeed, {0, 0, 0, -128}},
      {"AT", 0, -1, 0, kSeed, {0, 0, 0, -1}},
      {"AT", 0, kMax, 0, kSeed, {0, 0, 0, -1}},
      {"IM", 5, 0, 0, kSeed, {30, 0, 333, 0}},
      {"IM", 5, 3, 0, kSeed, {90, 0, 333, 0}},
      {"IM", 3, 0, 0, kSeed, {30, 0, 333, 2}},
      {"IM", 3, 4, 0, kSeed, {120, 0, 333, 8}},
      {"IM", 9, 4, 0, kSeed, {50, 0, 333, 0}},
      {"IM", 381, 0, 0, kSeed, {50, 0, 333, 0}},
      {"IM", 3, 100, 0, kSeed, {3000, 0, 333, -56}},
      {"IM", 3, kMax, 0, kSeed, {-30, 0, 333, -2}},
  };
  ExpectRows(rows);
}

TEST_F(LineResourcesTest, TvpOnlyCodesKeepPpAndTu) {
  const Row rows[] = {
      {"ERO", 5, 5, 5, kSeed, {0, 0, 333, 44}},
      {"KPCS", 3, 0, 0, kSeed, {20, 0, 333, 44}},
      {"KPCS", 4, 0, 0, kSeed, {0, 0, 333, 44}},
      {"M", 1, 2, 3, kSeed, {21, 0, 333, 44}},
      {"M", 2, 0, 9, kSeed, {7, 0, 333, 44}},
      {"M", 8, -1, 0, kSeed, {7, 0, 333, 44}},
      {"M", 0, 0, 0, kSeed, {0, 0, 333, 44}},
      {"FA", 0, 0, 0, kSeed, {3, 0, 333, 44}},
      {"AL", 1, 1, 0, kSeed, {5, 0, 333, 44}},
      {"AL", 1, 1, 1, kSeed, {20, 0, 333, 44}},
      {"AL", 0, 1, 0, kSeed, {20, 0, 333, 44}},
      {"BEEN", 0, 0, 0, kSeed, {20, 0, 333, 44}},
      {"D", 5, 5, 0, kSeed, {0, 0, 333, 44}},
      {"D", 0, 0, 4, kSeed, {6, 0, 333, 44}},
      {"EP", 0, 9, 0, kSeed, {9, 0, 333, 44}},
      {"ERKI", 0, 0, 0, kSeed, {20, 0, 333, 44}},
      {"F", 0, 0, 0, kSeed, {8, 0, 333, 44}},
      {"FV", 0, 0, 0, kSeed, {4, 0, 333, 44}},
      {"GO", 0, 0, 0, kSeed, {10, 0, 333, 44}},
      {"GY", 1, 0, 0, kSeed, {1, 0, 333, 44}},
      {"GY", 40, 0, 0, kSeed, {40, 0, 333, 44}},
      {"GY", 0, 0, 0, kSeed, {40, 0, 333, 44}},
      {"GY", 41, 0, 0, kSeed, {40, 0, 333, 44}},
      {"GY", -5, 0, 0, kSeed, {40, 0, 333, 44}},
      {"GYK", 0, 7, 0, kSeed, {7, 0, 333, 44}},
      {"ID", 0, -7, 0, kSeed, {-7, 0, 333, 44}},
      {"KUT", 1000, 0, 0, kSeed, {1000, 0, 333, 44}},
      {"KUT", 1001, 0, 0, kSeed, {1000, 0, 333, 44}},
      {"KUT", -1, 0, 0, kSeed, {1000, 0, 333, 44}},
      {"KUT", 0, 0, 0, kSeed, {0, 0, 333, 44}},
      {"RM", 0, 0, 13, kSeed, {13, 0, 333, 44}},
      {"TAN", 0, 0, 0, kSeed, {10, 0, 333, 44}},
      {"TF", 0, 6, 0, kSeed, {6, 0, 333, 44}},
      {"TIM", 2520, 0, 0, kSeed, {10, 0, 333, 44}},
      {"TIM", 2519, 0, 0, kSeed, {2519, 0, 333, 44}},
      {"TPF", 25, 0, 0, kSeed, {-25, 0, 333, 44}},
      {"TPF", kMin, 0, 0, kSeed, {kMin, 0, 333, 44}},
      {"TPS", 25, 0, 0, kSeed, {25, 0, 333, 44}},
      {"USZ", -25, 0, 0, kSeed, {-25, 0, 333, 44}},
      {"VTN", 163, 5, 0, kSeed, {5, 0, 333, 44}},
      {"VTN", 163, -2, 0, kSeed, {-2, 0, 333, 44}},
      {"VTN", 163, 0, 7, kSeed, {70, 0, 333, 44}},
      {"VTN", 5, 5, 5, kSeed, {105, 0, 333, 44}},
      {"VTN", 0, 0, 0, kSeed, {0, 0, 333, 44}},
      {"ZIP", 0, 3, 0, kSeed, {3, 0, 333, 44}},
      {"AV", 9, 0, 0, kSeed, {12, 0, 333, 44}},
      {"AV", 11, 0, 0, kSeed, {10, 0, 333, 44}},
      {"AV", 24, 0, 0, kSeed, {10, 0, 333, 44}},
      {"AV", 12, 8, 0, kSeed, {8, 0, 333, 44}},
      {"AV", 13, 0, 0, kSeed, {3, 0, 333, 44}},
      {"AV", 29, 0, 0, kSeed, {20, 0, 333, 44}},
      {"AV", 30, 0, 0, kSeed, {0, 0, 333, 44}},
      {"KLD", 18, 0, 0, kSeed, {300, 0, 333, 44}},
      {"KLD", 41, 0, 0, kSeed, {300, 0, 333, 44}},
      {"KLD", 42, 0, 0, kSeed, {200, 0, 333, 44}},
      {"KLD", 59, 0, 0, kSeed, {200, 0, 333, 44}},
      {"KLD", 57, 0, 0, kSeed, {250, 0, 333, 44}},
      {"KLD", 43, 0, 0, kSeed, {40, 0, 333, 44}},
      {"KLD", 0, 0, 0, kSeed, {40, 0, 333, 44}},
  };
  ExpectRows(rows);
}

TEST_F(LineResourcesTest, RulesThatKeepTheLinesTvp) {
  const Row rows[] = {
      {"A", 0, 0, 0, SeedTvp(0), {0, 0, 333, 44}},
      {"A", 0, 0, 0, SeedTvp(111), {5, 0, 333, 44}},
      {"A", 0, 0, 0, SeedTvp(-3), {5, 0, 333, 44}},
      {"AA", 1, 2, 3, SeedTvp(0), {0, 0, 333, 44}},
      {"AA", 1, 0, 2, SeedTvp(111), {10, 0, 333, 44}},
      {"AA", 1, 1, 1, SeedTvp(7), {15, 0, 333, 44}},
      {"AA", 0, -1, 0, SeedTvp(111), {111, 0, 333, 44}},
      {"FAA", 1, 1, 1, SeedTvp(111), {9, 0, 333, 44}},
      {"FAA", -1, 5, 0, SeedTvp(111), {3, 0, 333, 44}},
      {"FAA", 0, 0, 0, SeedTvp(111), {111, 0, 333, 44}},
      {"JLK", 0, 0, 0, SeedTvp(15), {15, 0, 333, 44}},
      {"JLK", 0, 0, 0, SeedTvp(111), {5, 0, 333, 44}},
      {"JLK", 0, 0, 0, SeedTvp(0), {5, 0, 333, 44}},
      {"E", 40, 0, 0, kSeed, {40, 0, 333, 44}},
      {"E", 0, 0, 0, kSeed, {0, 0, 333, 44}},
      {"E", 41, 0, 0, kSeed, {111, 0, 333, 44}},
      {"E", -1, 0, 0, kSeed, {111, 0, 333, 44}},
  };
  ExpectRows(rows);
}

TEST_F(LineResourcesTest, CodesWithoutRulesAndTheFreeLine) {
  const Row rows[] = {
      {"BA", 1, 2, 3, kSeed, {0, 0, 333, 44}},
      {"m", 1, 2, 3, kSeed, {0, 0, 333, 44}},   // codes are case-sensitive
      {"M ", 1, 2, 3, kSeed, {0, 0, 333, 44}},  // and compared whole
      {"MA", 1, 2, 3, kSeed, {0, 0, 333, 44}},
      // A free line spends nothing, whatever an erased order left in it.
      {"", 1, 2, 3, kSeed, {0, 0, 0, 0}},
  };
  ExpectRows(rows);
}

TEST_F(LineResourcesTest, ItemsWithFixedTvp) {
  const Row rows[] = {
      {"H", 979, 3, 0, kSeed, {-100, 0, 333, 44}}, {"H", 1398, 3, 0, kSeed, {-10, 0, 333, 44}},
      {"H", 211, 3, 0, kSeed, {-5, 0, 333, 44}},   {"H", 2295, 3, 0, kSeed, {0, 0, 333, 44}},
      {"H", 1827, 3, 0, kSeed, {1, 0, 333, 44}},   {"H", 1540, 3, 0, kSeed, {2, 0, 333, 44}},
      {"H", 1760, 3, 0, kSeed, {3, 0, 333, 44}},   {"H", 1154, 3, 0, kSeed, {4, 0, 333, 44}},
      {"H", 2069, 3, 0, kSeed, {5, 0, 333, 44}},   {"H", 1184, 3, 0, kSeed, {6, 0, 333, 44}},
      {"H", 1618, 3, 0, kSeed, {8, 0, 333, 44}},   {"H", 2313, 3, 0, kSeed, {10, 0, 333, 44}},
      {"H", 367, 3, 0, kSeed, {12, 0, 333, 44}},   {"H", 1612, 3, 0, kSeed, {14, 0, 333, 44}},
      {"H", 1403, 3, 0, kSeed, {15, 0, 333, 44}},  {"H", 2504, 3, 0, kSeed, {20, 0, 333, 44}},
      {"H", 1709, 3, 0, kSeed, {25, 0, 333, 44}},  {"H", 1497, 3, 0, kSeed, {30, 0, 333, 44}},
      {"H", 1086, 3, 0, kSeed, {50, 0, 333, 44}},  {"H", 633, 3, 0, kSeed, {60, 0, 333, 44}},
      {"H", 2026, 3, 0, kSeed, {100, 0, 333, 44}}, {"H", 1635, 3, 0, kSeed, {200, 0, 333, 44}},
      {"H", 975, 3, 0, kSeed, {300, 0, 333, 44}},
  };
  ExpectRows(rows);
}

TEST_F(LineResourcesTest, ItemsPricedByPiecesOrByRulesOfTheirOwn) {
  const Row rows[] = {
      // Any other item: a TVP a piece, unless it is of kind 2.
      {"H", 1, 5, 0, kSeed, {5, 0, 333, 44}},
      {"H", 1, 999, 0, kSeed, {0, 0, 333, 44}},
      {"H", 2, 5, 0, kSeed, {0, 0, 333, 44}},
      {"H", 1, 0, 0, kSeed, {0, 0, 333, 44}},
      {"H", 1, -3, 0, kSeed, {0, 0, 333, 44}},
      {"H", 4999, 4, 0, kSeed, {4, 0, 333, 44}},
      // Variants chosen with the "+" key are kept.
      {"H", 78, 0, 0, SeedTvp(35), {35, 0, 333, 44}},
      {"H", 78, 0, 0, SeedTvp(16), {16, 0, 333, 44}},
      {"H", 78, 0, 0, SeedTvp(20), {16, 0, 333, 44}},
      {"H", 92, 0, 0, SeedTvp(20), {20, 0, 333, 44}},
      {"H", 92, 0, 0, SeedTvp(35), {14, 0, 333, 44}},
      {"H", 165, 0, 0, SeedTvp(28), {28, 0, 333, 44}},
      {"H", 165, 0, 0, SeedTvp(5), {24, 0, 333, 44}},
      {"H", 365, 0, 0, SeedTvp(35), {35, 0, 333, 44}},
      {"H", 365, 0, 0, SeedTvp(40), {40, 0, 333, 44}},
      {"H", 365, 0, 0, SeedTvp(15), {14, 0, 333, 44}},
      {"H", 392, 0, 0, SeedTvp(45), {45, 0, 333, 44}},
      {"H", 392, 0, 0, SeedTvp(44), {40, 0, 333, 44}},
      {"H", 2119, 0, 0, kSeed, {60, 0, 333, 44}},
      {"H", 2119, 1, 0, kSeed, {111, 0, 333, 44}},
      // By pieces.
      {"H", 248, 3, 0, kSeed, {15, 0, 333, 44}},
      {"H", 248, 0, 0, kSeed, {5, 0, 333, 44}},
      {"H", 248, -2, 0, kSeed, {5, 0, 333, 44}},
      {"H", 578, 0, 0, kSeed, {5, 0, 333, 44}},
      {"H", 578, -2, 0, kSeed, {-10, 0, 333, 44}},
      {"H", 970, 3, 0, kSeed, {15, 0, 333, 44}},
      {"H", 1228, 0, 0, kSeed, {2, 0, 333, 44}},
      {"H", 1228, 4, 0, kSeed, {8, 0, 333, 44}},
      {"H", 1294, 0, 0, kSeed, {20, 0, 333, 44}},
      {"H", 1294, 3, 0, kSeed, {60, 0, 333, 44}},
      {"H", 1294, kMax, 0, kSeed, {-20, 0, 333, 44}},
      {"H", 1295, 3, 0, kSeed, {9, 0, 333, 44}},
      {"H", 1295, 1, 0, kSeed, {2, 0, 333, 44}},
      {"H", 1295, 0, 0, kSeed, {2, 0, 333, 44}},
      {"H", 1295, -1, 0, kSeed, {0, 0, 333, 44}},
      {"H", 1295, kMax, 0, kSeed, {1073741823, 0, 333, 44}},
      {"H", 1508, 0, 0, kSeed, {1, 0, 333, 44}},
      {"H", 1508, 7, 0, kSeed, {7, 0, 333, 44}},
      {"H", 1508, -7, 0, kSeed, {-7, 0, 333, 44}},
      {"H", 1589, 0, 0, kSeed, {3, 0, 333, 44}},
      {"H", 1589, 0, 1, kSeed, {6, 0, 333, 44}},
      {"H", 1589, 0, -1, kSeed, {6, 0, 333, 44}},
      // Recipes.
      {"H", 1167, 7, 0, kSeed, {120, 0, 333, 44}},
      {"H", 1168, 8, 0, kSeed, {0, 0, 333, 44}},
  };
  ExpectRows(rows);
}

TEST_F(LineResourcesTest, ItemsThatSpendOrGiveVp) {
  const Row rows[] = {
      {"H", 305, 1, 0, kSeed, {1, -100, 333, 44}},
      {"H", 305, 2, 0, kSeed, {2, -200, 333, 44}},
      {"H", 305, 0, 0, kSeed, {0, -100, 333, 44}},
      {"H", 305, 3, 0, kSeed, {3, -200, 333, 44}},
      {"H", 305, -1, 0, kSeed, {0, -200, 333, 44}},
      {"H", 544, 9, 0, kSeed, {0, 9, 333, 44}},
      {"H", 1755, 9, 0, kSeed, {5, -9, 333, 44}},
      {"H", 697, 5, 3, kSeed, {0, -7, 333, 44}},
      {"H", 697, -5, 3, kSeed, {0, 7, 333, 44}},
      {"H", 697, 5, 0, kSeed, {0, -2, 333, 44}},
      {"H", 697, -5, 0, kSeed, {0, 2, 333, 44}},
      {"H", 697, 5, -1, kSeed, {0, 0, 333, 44}},
      // The product is taken whole before it is halved.
      {"H", 697, kMax, 2, kSeed, {0, -2147483647, 333, 44}},
      {"H", 1639, 0, 0, kSeed, {20, 50, 333, 44}},
  };
  ExpectRows(rows);
}

TEST_F(LineResourcesTest, Relics) {
  const Row rows[] = {
      {"KT", 300, 0, 0, kSeed, {40, 0, 333, 44}},
      {"KT", 300, 3, 0, kSeed, {120, 0, 333, 44}},
      {"KT", 300, -2, 0, kSeed, {40, 0, 333, 44}},
      {"KT", 0, 3, 0, kSeed, {0, 0, 333, 44}},
      {"KT", -4, 3, 0, kSeed, {0, 0, 333, 44}},
      {"KT", 0, 0, 0, kSeed, {111, 0, 333, 44}},
      {"KT", -4, -1, 0, kSeed, {111, 0, 333, 44}},
      {"KT", 284, 0, 0, kSeed, {0, 30, 333, 44}},
      {"KT", 473, 0, 0, kSeed, {0, 30, 333, 44}},
      {"KT", 420, 0, 0, kSeed, {0, 300, 333, 44}},
      {"KT", 427, 0, 0, kSeed, {0, 300, 333, 44}},
      {"KT", 428, 0, 0, kSeed, {0, 0, 333, 44}},
      {"KT", 461, 0, 0, kSeed, {0, 0, 333, 44}},
      {"KT", 464, 0, 0, kSeed, {0, 0, 333, 44}},
      {"KT", 467, 0, 0, kSeed, {0, 300, 333, 44}},
      {"KT", 518, 0, 0, kSeed, {0, 300, 333, 44}},
      {"KT", 538, 0, 0, kSeed, {0, 300, 333, 44}},
      {"KT", 757, 767, 777, kSeed, {50, 0, 333, 44}},
      {"KT", 766, 776, 786, kSeed, {50, 0, 333, 44}},
      {"KT", 757, 767, 787, kSeed, {8437, 0, 333, 44}},
      {"KT", 767, 770, 0, kSeed, {10, 0, 333, 44}},
      {"KT", 767, 770, 1, kSeed, {9240, 0, 333, 44}},
      {"KT", 50, 0, 0, kSeed, {2, 0, 333, 44}},
      {"KT", 50, 4, 0, kSeed, {8, 0, 333, 44}},
      {"KT", 50, -1, 0, kSeed, {9, 0, 333, 44}},
      {"KT", 900, kMax, 0, kSeed, {2147418113, 0, 333, 44}},
  };
  ExpectRows(rows);
}

TEST_F(LineResourcesTest, Places) {
  const Row rows[] = {
      {"BE", 502, 1, 0, kSeed, {30, 0, 333, 44}},
      {"BE", 502, 5, 0, kSeed, {70, 0, 333, 44}},
      {"BE", 502, 6, 0, kSeed, {60, 0, 333, 44}},
      {"BE", 502, 7, 0, kSeed, {60, 0, 333, 44}},
      {"BE", 502, 8, 0, kSeed, {90, 0, 333, 44}},
      {"BE", 502, 9, 0, kSeed, {111, 0, 333, 44}},
      {"BE", 502, -1, 0, kSeed, {111, 0, 333, 44}},
      {"BE", 502, 0, 0, kSeed, {5, 0, 333, 44}},
      {"BE", 488, 0, 0, kSeed, {20, 0, 333, 44}},
      {"BE", 494, 0, 0, kSeed, {10, 0, 333, 44}},
      {"BE", 493, 0, 0, SeedTvp(50), {50, 0, 333, 44}},
      {"BE", 493, 0, 0, SeedTvp(300), {300, 0, 333, 44}},
      {"BE", 493, 0, 0, SeedTvp(5), {5, 0, 333, 44}},
      {"BE", 493, 0, 0, SeedTvp(111), {5, 0, 333, 44}},
      {"BE", 493, 2, 0, SeedTvp(111), {100, 0, 333, 44}},
      {"BE", 493, -1, 0, SeedTvp(50), {50, 0, 333, 44}},
      {"BE", 563, 1, 0, kSeed, {5, 0, 333, 44}},
      {"BE", 580, 1, 0, kSeed, {5, 0, 333, 44}},
      {"BE", 607, 3, 4, kSeed, {20, 0, 333, 44}},
      {"BE", 607, 1, -2, kSeed, {-10, 0, 333, 44}},
      {"BE", 613, 19, 0, kSeed, {5, 0, 333, 44}},
      {"BE", 621, 20, 4, kSeed, {0, 0, 333, 44}},
      {"BE", 623, 0, 0, kSeed, {5, 0, 333, 44}},
      {"BE", 610, 0, 3, kSeed, {0, 0, 333, 44}},
      {"BE", 608, -1, 0, kSeed, {0, 0, 333, 44}},
      {"BE", 614, 3, 4, kSeed, {5, 0, 333, 44}},
      {"BE", 606, 3, 4, kSeed, {5, 0, 333, 44}},
      {"BE", 717, 1, 0, kSeed, {50, 0, 333, 44}},
      {"BE", 717, 0, 0, kSeed, {5, 0, 333, 44}},
      {"BE", 1173, 0, 0, kSeed, {30, 0, 333, 44}},
      {"BE", 1180, 0, 0, kSeed, {30, 0, 333, 44}},
      {"BE", 1181, 0, 0, kSeed, {5, 0, 333, 44}},
      {"BE", 1172, 2, 0, kSeed, {5, 0, 333, 44}},
      {"BE", 1215, 4, 0, kSeed, {8, 0, 333, 44}},
      {"BE", 1215, -3, 0, kSeed, {-6, 0, 333, 44}},
      {"BE", 1215, kMax, 0, kSeed, {-2, 0, 333, 44}},
      {"BE", 1511, 0, 0, kSeed, {30, 0, 333, 44}},
      {"BE", 1512, 0, 0, kSeed, {10, 0, 333, 44}},
      {"BE", 1821, 0, 0, kSeed, {10, 0, 333, 44}},
      {"BE", 497, 0, 0, kSeed, {5, 0, 333, 44}},
      {"BE", 497, 2, 0, kSeed, {25, 0, 333, 44}},
      {"BE", 745, 1, 0, kSeed, {15, 0, 333, 44}},
      {"BE", 825, -3, 0, kSeed, {5, 0, 333, 44}},
      {"BE", 497, kMax, 0, kSeed, {-5, 0, 333, 44}},
      {"BE", 562, 1, 0, kSeed, {50, 0, 333, 44}},
      {"BE", 816, 1, 0, kSeed, {50, 0, 333, 44}},
      {"BE", 630, kMax, 0, kSeed, {50, 0, 333, 44}},
      {"BE", 686, 0, 0, kSeed, {5, 0, 333, 44}},
      {"BE", 999, 3, 0, kSeed, {5, 0, 333, 44}},
      {"BE", 1859, -1, 0, kSeed, {5, 0, 333, 44}},
  };
  ExpectRows(rows);
}

TEST_F(LineResourcesTest, PlaceByTheReplayedPosition) {
  Orders().MovePosition.X = 301;
  const Row east[] = {{"BE", 620, 0, 0, kSeed, {20, 0, 333, 44}}};
  ExpectRows(east);
  Orders().MovePosition.X = 300;
  const Row west[] = {{"BE", 620, 3, 0, kSeed, {111, 0, 333, 44}}};
  ExpectRows(west);
}

TEST_F(LineResourcesTest, Abilities) {
  const Row rows[] = {
      {"EK", 1, 0, 0, kSeed, {0, 0, 0, 1}},
      {"EK", 5, 0, 0, kSeed, {3, 0, 0, 0}},
      {"EK", 133, 0, 0, kSeed, {60, 0, 0, 6}},
      {"EK", 210, 0, 0, kSeed, {60, 0, 0, 3}},
      {"EK", 227, 5, 5, kSeed, {5, 0, 0, 0}},
      {"EK", 302, 0, 0, kSeed, {50, 0, 0, 2}},
      {"EK", 311, 0, 0, kSeed, {20, 0, 0, 4}},
      {"EK", 999, 5, 5, kSeed, {0, 0, 0, 0}},
      {"EK", 0, 0, 0, kSeed, {0, 0, 0, 0}},
      {"EK", 3, 0, 0, kSeed, {0, 0, 0, 1}},
      {"EK", 3, 1, 0, kSeed, {10, 0, 0, 0}},
      {"EK", 3, 2, 0, kSeed, {10, 0, 0, 1}},
      {"EK", 3, 3, 0, kSeed, {0, 0, 0, 0}},
      {"EK", 3, 4, 0, kSeed, {10, 0, 0, 2}},
      {"EK", 3, 5, 0, kSeed, {20, 0, 0, 1}},
      {"EK", 3, 999, 0, kSeed, {0, 0, 0, 0}},
      {"EK", 3, 1000, 0, kSeed, {0, 0, 0, 1}},
      {"EK", 7, 0, 0, kSeed, {0, 0, 0, 1}},
      {"EK", 7, 0, 4, kSeed, {0, 0, 0, 4}},
      {"EK", 7, 0, 301, kSeed, {0, 0, 0, 45}},
      {"EK", 12, 0, 0, kSeed, {0, 0, 0, 5}},
      {"EK", 12, 0, 1, kSeed, {0, 0, 0, 0}},
      {"EK", 40, 3, 0, kSeed, {-15, 0, 0, 3}},
      {"EK", 41, 26, 12, kSeed, {5, 0, 0, 3}},
      {"EK", 41, 26, 10, kSeed, {5, 0, 0, 2}},
      {"EK", 41, 26, -7, kSeed, {5, 0, 0, 0}},
      {"EK", 41, 26, -5, kSeed, {5, 0, 0, -1}},
      {"EK", 41, 166, 9, kSeed, {5, 0, 0, 9}},
      {"EK", 41, 0, 9, kSeed, {5, 0, 0, 0}},
      {"EK", 42, 9, 0, kSeed, {0, 0, 0, 9}},
      {"EK", 43, 1, 0, kSeed, {0, 0, 0, 1}},
      {"EK", 43, 4, 0, kSeed, {0, 0, 0, 2}},
      {"EK", 43, 6, 0, kSeed, {0, 0, 0, 3}},
      {"EK", 43, 7, 0, kSeed, {0, 0, 0, 0}},
      {"EK", 43, 0, 0, kSeed, {0, 0, 0, 0}},
      {"EK", 103, 17, 0, kSeed, {17, 0, 0, 0}},
      {"EK", 109, 1, 0, kSeed, {20, 0, 0, 4}},
      {"EK", 109, 2, 0, kSeed, {20, 0, 0, 6}},
      {"EK", 134, 70, 5, kSeed, {0, 0, 0, 1}},
      {"EK", 134, 70, 6, kSeed, {0, 0, 0, 1}},
      {"EK", 134, 70, 7, kSeed, {0, 0, 0, 0}},
      {"EK", 134, 85, 3, kSeed, {0, 0, 0, 1}},
      {"EK", 134, 85, 2, kSeed, {0, 0, 0, 0}},
      {"EK", 134, 152, 2, kSeed, {0, 0, 0, 1}},
      {"EK", 134, 152, 3, kSeed, {0, 0, 0, 0}},
      {"EK", 138, 0, 0, kSeed, {10, 0, 0, 1}},
      {"EK", 138, 2, 0, kSeed, {10, 0, 0, 2}},
      {"EK", 138, 3, 0, kSeed, {15, 0, 0, 3}},
      {"EK", 138, 4, 0, kSeed, {0, 0, 0, 0}},
      {"EK", 138, -1, 0, kSeed, {0, 0, 0, 0}},
      {"EK", 153, 3, 0, kSeed, {75, 0, 0, 6}},
      {"EK", 153, 100, 0, kSeed, {2500, 0, 0, -56}},
      {"EK", 179, 2, 0, kSeed, {-10, 0, 0, 2}},
      {"EK", 180, 4, 0, kSeed, {28, 0, 0, -4}},
      {"EK", 180, kMin, 0, kSeed, {kMin, 0, 0, 0}},
      {"EK", 190, 1, 0, kSeed, {0, 0, 0, 1}},
      {"EK", 190, 0, 0, kSeed, {0, 0, 0, 0}},
      {"EK", 194, 3, 0, kSeed, {30, 0, 0, 3}},
      {"EK", 194, kMax, 0, kSeed, {-10, 0, 0, -1}},
      {"EK", 215, 5, 0, kSeed, {0, 60, 0, -5}},
      {"EK", 215, kMax, 0, kSeed, {0, -12, 0, 1}},
      {"EK", 390, 2, 0, kSeed, {0, 24, 0, -2}},
      {"EK", 395, 0, 0, kSeed, {20, 0, 0, 6}},
      {"EK", 395, 5, 5, kSeed, {5, 0, 0, 3}},
      {"EK", 395, 5, 0, kSeed, {20, 0, 0, 6}},
      {"EK", 503, 7, -1, kSeed, {20, 0, 0, 6}},
      {"EK", 503, 7, 8, kSeed, {5, 0, 0, 3}},
      // 559 without a target keeps its TVP and spends nothing.
      {"EK", 559, 0, 5, kSeed, {111, 0, 0, 0}},
      {"EK", 559, 5, 0, kSeed, {111, 0, 0, 0}},
  };
  ExpectRows(rows);
}

// The steps run in order: VP is cleared first for every line, and what the
// later steps set survives.
TEST_F(LineResourcesTest, LaterStepsSetWhatTheFirstCleared) {
  const Row rows[] = {
      {"VV", 299, 40, 0, kSeed, {40, 11, 6, 0}},   // step 2
      {"EK", 215, 5, 0, kSeed, {0, 60, 0, -5}},    // VP in step 1, PP and TU in step 3
      {"KT", 420, 0, 0, kSeed, {0, 300, 333, 44}}, // step 4
      {"H", 1639, 0, 0, kSeed, {20, 50, 333, 44}}, // step 4
  };
  ExpectRows(rows);
}

TEST_F(LineResourcesTest, EfFactorCarriesFromLineToLine) {
  struct EfRow {
    int FactorBefore;  // -1: what the rows before left
    std::int32_t P1, P2;
    std::int32_t Tvp;
    int Tu;
    int FactorAfter;
  };
  const EfRow rows[] = {
      {20, 30, 0, 600, 30, 20},
      {-1, 30, 1, 210, 30, 7},  // P2 > 0: 7 for this line and the next
      {-1, 30, 0, 300, 30, 10},
      {-1, 450, 0, 0, 0, 10},
      {5, 3, 0, 15, 3, 5},
      {15, 3, 0, 45, 3, 15},
      {0, 3, 0, 30, 3, 10},
      {10, 399, 0, 3990, -113, 10},
      {10, 150, 0, 1500, -106, 10},
      {20, 400, 5, 0, 0, 20},
      {15, -1, 0, -15, -1, 15},
      {20, -2147483647, 1, -2147483641, 1, 7},
  };
  int line = 0;
  for (const EfRow& r : rows) {
    SCOPED_TRACE(::testing::Message() << "\"EF\" " << r.P1 << ' ' << r.P2 << " factor " << r.FactorBefore);
    line = line % kSheetLines + 1;
    if (r.FactorBefore >= 0) Orders().EfFactor = static_cast<std::uint8_t>(r.FactorBefore);
    SetLine(line, "EF", r.P1, r.P2, 0, kSeed);
    CalcLineResources(line);
    ExpectColumns(line, {r.Tvp, 0, 0, r.Tu});
    EXPECT_EQ(Orders().EfFactor, r.FactorAfter);
    CalcLineResources(line);
    ExpectColumns(line, {r.Tvp, 0, 0, r.Tu});
    EXPECT_EQ(Orders().EfFactor, r.FactorAfter);
  }
}

TEST_F(LineResourcesTest, TeleportCostWithoutStartIsNothing) {
  SetLine(1, "EK", 559, 100, 50, kSeed);
  CalcLineResources(1);
  ExpectColumns(1, {10, 0, 0, 0});
}

TEST_F(LineResourcesTest, TeleportCostByDistanceFromTheStart) {
  Orders().StartCoords.StartX = 100;
  Orders().StartCoords.StartY = 50;
  struct DistanceRow {
    std::int32_t X, Y;
    Columns Want;
  };
  const DistanceRow rows[] = {
      {120, 50, {10, 0, 100, 7}},  // 20 squares
      {121, 71, {10, 0, 105, 7}},  // 21: a multiple of 3
      {122, 30, {10, 0, 110, 8}},  // 22
      {100, 50, {10, 0, 0, 0}},
      {700, 50, {10, 0, 3000, -56}},  // 600 squares: TU 200 as a byte
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::Message() << "to " << r.X << ',' << r.Y);
    SetLine(1, "EK", 559, r.X, r.Y, kSeed);
    CalcLineResources(1);
    ExpectColumns(1, r.Want);
    CalcLineResources(1);
    ExpectColumns(1, r.Want);
  }
}

TEST_F(LineResourcesTest, TeleportCostAtTheCoordinateLimit) {
  Orders().StartCoords.StartX = 1;
  Orders().StartCoords.StartY = 1;
  SetLine(1, "EK", 559, kMax, kMax, kSeed);
  CalcLineResources(1);
  // d = 2147483646: PP 5 d modulo 2^32, TU d / 3 = 715827882 = 2AAAAAAAh as a byte.
  ExpectColumns(1, {10, 0, 2147483638, -86});
}

// The distance is taken from where the lines before it lead: here over a
// marsh of the invented map, on which a pending return stays pending, until
// the first step off it puts the character back on the return point.
TEST_F(LineResourcesTest, TeleportCostFromTheReplayedPosition) {
  std::string error;
  ASSERT_TRUE(LoadMapDatBytes(testing::InventedMapDat(), error)) << error;
  ASSERT_EQ(MapCellAt(102, 49)->Terrain, 6);
  ASSERT_NE(MapCellAt(102, 50)->Terrain, 6);
  auto& o = Orders();
  o.StartCoords = {100, 45, 300, 60, 0, 0};
  o.TeleportReturnChecked = true;
  SetLine(1, "M", 2, 2, 0, kSeed);  // (102, 45), still on the marsh
  SetLine(2, "M", 4, 4, 4, kSeed);  // (102, 48)
  SetLine(3, "M", 4, 4, 0, kSeed);  // (102, 49), then back to (300, 60)
  SetLine(4, "EK", 559, 330, 75, kSeed);
  const TMovePosition before = o.MovePosition;
  CalcLineResources(4);
  ExpectColumns(4, {10, 0, 150, 10});  // 30 squares
  EXPECT_EQ(o.MovePosition, before);

  // Without the pending return the character walks on from the start.
  o.TeleportReturnChecked = false;  // (102, 45), (102, 48), (102, 50)
  SetLine(4, "EK", 559, 130, 80, kSeed);
  CalcLineResources(4);
  ExpectColumns(4, {10, 0, 150, 10});  // 30 squares again, from (102, 50)
  SetLine(4, "EK", 559, 130, 81, kSeed);
  CalcLineResources(4);
  ExpectColumns(4, {10, 0, 155, 11});  // 31
}

TEST_F(LineResourcesTest, LineOutsideTheSheetIsLeftAlone) {
  auto& s = SheetModel().Lines;
  SetLine(1, "FA", 0, 0, 0, kSeed);
  SetLine(kSheetLines, "FA", 0, 0, 0, kSeed);
  s.SheetCodes[0] = "FA";
  for (const int line : {0, -1, kSheetLines + 1, 256, std::numeric_limits<int>::min()}) CalcLineResources(line);
  EXPECT_EQ(s.SheetTvp[0], 0);
  ExpectColumns(1, kSeed);
  ExpectColumns(kSheetLines, kSeed);
}

}  // namespace
}  // namespace vorda
