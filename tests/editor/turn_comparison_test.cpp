#include "editor/turn_comparison.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/message_box.h"
#include "platform/win1250.h"
#include "support/state_reset.h"
#include "support/temp_dir.h"

namespace vorda {
namespace {

std::string DemoReport(const char* name) {
  const char* source = std::getenv("VORDA_SOURCE_DIR");
  const std::filesystem::path root =
      source ? std::filesystem::path(source) : std::filesystem::path(__FILE__).parent_path() / "../..";
  return (root / "demo" / name).string();
}

class TurnComparisonTest : public testing::FreshState {
 protected:
  void SetUp() override {
    FreshState::SetUp();
    ResetTurnComparison();
    InstallMessageBoxes(&boxes);
  }
  void TearDown() override {
    InstallMessageBoxes(nullptr);
    ResetTurnComparison();
    FreshState::TearDown();
  }
  RecordingMessageBoxes boxes;
};

TEST_F(TurnComparisonTest, NothingLoadedGivesTheTwoNoItemLines) {
  const ComparisonLists lists = CompareTurns();
  EXPECT_EQ(lists.NLKar1, std::vector<std::string>{" -= NINCS ILYEN TÁRGY =-"_w});
  EXPECT_EQ(lists.NLKar2, std::vector<std::string>{" -= NINCS ILYEN TÁRGY =-"_w});
  EXPECT_TRUE(lists.VDB.empty());
  EXPECT_TRUE(lists.VTDB.empty());
}

TEST_F(TurnComparisonTest, OnlyTheCodesUpTo2500AreCompared) {
  auto& s = TurnComparison();
  s.Turn2Now[2500] = 1;
  s.Turn2Now[2501] = 1;
  s.Turn2Start[2501] = 1;
  const ComparisonLists lists = CompareTurns();
  EXPECT_EQ(lists.NLKar2, std::vector<std::string>{"1  (#2500)"});
  EXPECT_TRUE(lists.VTDB.empty());
}

TEST_F(TurnComparisonTest, TheTwoDemoReportsItemByItem) {
  ASSERT_TRUE(LoadTurnReport(1, DemoReport("1234-0011.htm")));
  ASSERT_TRUE(LoadTurnReport(2, DemoReport("1234-0012.htm")));
  const ComparisonLists lists = CompareTurns();
  const std::vector<std::string> changed = {
      "2 Hosszú íj (#11)                 -> 1 Hosszú íj (#11)                 =     -1"_w,
      "1200 arany (#50)                  -> 1050 arany (#50)                  =   -150",
      "30 Mérgezett nyíl (#116)          -> 12 Mérgezett nyíl (#116)          =    -18"_w,
      "5 Kenyér (#242)                   -> 7 Kenyér (#242)                   =      2"_w,
  };
  EXPECT_EQ(lists.VDB, changed);
  EXPECT_EQ(lists.NLKar1, std::vector<std::string>{"3 Gyógyító főzet (#34)"_w});
  EXPECT_EQ(lists.NLKar2, (std::vector<std::string>{"1 Varázsköpeny (#81)"_w, "4 Farkasfog (#367)",
                                                    "3 Éjfekete bor (#431)"_w}));
  const std::vector<std::string> camped = {
      changed[0],
      "3 Gyógyító főzet (#34)            -> 1 Gyógyító főzet (#34)            =     -2"_w,
      changed[1],
      changed[2],
      changed[3],
      "0 Éjfekete bor (#431)             -> 3 Éjfekete bor (#431)             =      3"_w,
  };
  EXPECT_EQ(lists.VTDB, camped);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(TurnComparisonTest, AReportThatFailsUnloadsItsTurnAndSaysSo) {
  testing::TempDir dir;
  ASSERT_TRUE(LoadTurnReport(1, DemoReport("1234-0011.htm")));
  EXPECT_FALSE(LoadTurnReport(1, dir.path() + "/nincs.htm"));
  EXPECT_EQ(TurnComparison().Turn1File, "");
  EXPECT_EQ(TurnComparison().Turn1Now, ItemCounts{});
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "A forduló nem olvasható be: "_w + dir.path() + "/nincs.htm");
  // The names read stay for the next comparison.
  EXPECT_EQ(Reports().ItemNameTable[11], "Hosszú íj"_w);
}

}  // namespace
}  // namespace vorda
