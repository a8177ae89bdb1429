#include "editor/recent_sheets.h"

#include <gtest/gtest.h>

#include <vector>

#include "editor/program_state.h"

namespace vorda {
namespace {

class RecentSheetsTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }

  static void Set(const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size(); ++i) Program().RecentSheets[i + 1] = names[i];
  }
  static std::vector<std::string> List() {
    const auto& s = Program().RecentSheets;
    return std::vector<std::string>(s.begin() + 1, s.end());
  }
  static std::vector<std::string> Padded(std::vector<std::string> names) {
    names.resize(10);
    return names;
  }
};

TEST_F(RecentSheetsTest, ListLogic) {
  struct Case {
    const char* what;
    std::vector<std::string> before;
    std::string added;
    std::vector<std::string> after;
  };
  const Case cases[] = {
      {"into an empty list", {}, "1234-0007.ul", {"1234-0007.ul"}},
      {"the second of three moves to the front", {"a.ul", "b.ul", "c.ul"}, "b.ul", {"b.ul", "a.ul", "c.ul"}},
      {"the first stays first", {"a.ul", "b.ul"}, "a.ul", {"a.ul", "b.ul"}},
      {"the folder is removed", {"a.ul"}, "/home/jatekos/ul/b.ul", {"b.ul", "a.ul"}},
      {"a Windows folder too", {}, "C:\\UL\\c.ul", {"c.ul"}},
      {"names are compared as they are", {"a.ul"}, "A.UL", {"A.UL", "a.ul"}},
      {"an eleventh name drops the oldest",
       {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
       "new",
       {"new", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
      {"a full list keeps a name already in it",
       {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
       "10",
       {"10", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
      {"duplicates and gaps from a hand-edited ini file go",
       {"x", "", "y", "x", "", "y", "z"},
       "n",
       {"n", "x", "y", "z"}},
      {"an empty name changes nothing", {"a.ul", "b.ul"}, "", {"a.ul", "b.ul"}},
  };
  for (const auto& c : cases) {
    ResetProgramState();
    Set(c.before);
    AddRecentFile(c.added);
    EXPECT_EQ(List(), Padded(c.after)) << c.what;
  }
}

}  // namespace
}  // namespace vorda
