// A save killed at any moment: the sheet's file on disk is always whole, the
// old sheet or the new one, never a mixture or a cut-off file.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "data/order_sheet.h"
#include "editor/editor_fixture.h"
#include "editor/sheet_files.h"
#include "platform/message_box.h"
#include "support/temp_dir.h"
#include "support/write_faults.h"

namespace vorda {
namespace {

// A full 40-line sheet of character 1234, turn 12; `k` tells the two apart in
// every line.
void BuildSheet(int k) {
  ResetSheetModel();
  auto& s = SheetModel();
  s.Header.KSZ = "1234";
  s.Header.FORD = "0012";
  for (std::size_t i = 1; i <= kSheetLines; ++i) {
    s.Lines.SheetCodes[i] = i % 2 ? "M" : "VE";
    s.Lines.SheetParams[i] = {static_cast<std::int32_t>(i * k), k, 99999 - static_cast<std::int32_t>(i)};
    s.Lines.SheetTvp[i] = static_cast<std::int32_t>(i) + k;
    s.Lines.SheetTvpManual[i] = k;
  }
}

int WhichSheet() {
  const auto& s = SheetModel();
  for (const int k : {1, 7}) {
    bool same = s.Sheet40Lines;
    for (std::size_t i = 1; i <= kSheetLines; ++i) {
      const std::string code = s.Lines.SheetCodes[i].substr(0, s.Lines.SheetCodes[i].find(' '));
      same = same && code == (i % 2 ? "M" : "VE") &&
             s.Lines.SheetParams[i] ==
                 std::array<std::int32_t, 3>{static_cast<std::int32_t>(i * k), k, 99999 - static_cast<std::int32_t>(i)} &&
             s.Lines.SheetTvpManual[i] == k;
    }
    if (same) return k;
  }
  return 0;
}

class SheetCrashTest : public testing::EditorFixture {
 protected:
  void SetUp() override {
    EditorFixture::SetUp();
    InstallMessageBoxes(&boxes);
  }
  void TearDown() override {
    InstallMessageBoxes(nullptr);
    EditorFixture::TearDown();
  }
  RecordingMessageBoxes boxes;
  testing::TempDir dir;
};

TEST_F(SheetCrashTest, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewSheet) {
  BuildSheet(1);
  ASSERT_TRUE(WriteSheetForm(dir.path()));
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> moment(0, 4000);
  int seen[8] = {};
  for (int round = 0; round < 150; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Saves the two sheets in turn until it is killed.
      for (int k = 7;; k = k == 7 ? 1 : 7) {
        BuildSheet(k);
        WriteSheetForm(dir.path());
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    ResetSheetModel();
    ASSERT_TRUE(LoadSheet(dir.path(), "1234-0012.ul")) << "round " << round << ": " << boxes.shown.back().text;
    const int which = WhichSheet();
    ASSERT_NE(which, 0) << "round " << round;
    ++seen[which];
    // The next save removes what the killed one left.
    ASSERT_TRUE(WriteSheetForm(dir.path()));
    EXPECT_TRUE(testing::TempFilesIn(dir.path()).empty()) << "round " << round;
  }
  EXPECT_TRUE(boxes.shown.empty());
  // Killed early and late: both sheets were found on disk.
  EXPECT_GT(seen[1], 0);
  EXPECT_GT(seen[7], 0);
}

}  // namespace
}  // namespace vorda
