// The recent-sheet list as a hand-edited ini file may leave it, then names
// added to it. Input lines: the ten slots first (empty lines are empty slots),
// then one name a line to add.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/program_state.h"
#include "editor/recent_sheets.h"
#include "fuzz_support.h"

namespace {

using namespace vorda;

constexpr int kSlots = 10;

std::vector<std::string> Entries() {
  std::vector<std::string> out;
  for (int i = 1; i <= kSlots; ++i)
    if (!Program().RecentSheets[static_cast<std::size_t>(i)].empty())
      out.push_back(Program().RecentSheets[static_cast<std::size_t>(i)]);
  return out;
}

// No gap, no duplicate, nothing in the unused slot 0.
void CheckList() {
  const auto& slots = Program().RecentSheets;
  FUZZ_CHECK(slots[0].empty());
  bool gap = false;
  for (int i = 1; i <= kSlots; ++i) {
    const std::string& s = slots[static_cast<std::size_t>(i)];
    if (s.empty()) {
      gap = true;
      continue;
    }
    FUZZ_CHECK(!gap);
    for (int j = i + 1; j <= kSlots; ++j) FUZZ_CHECK(slots[static_cast<std::size_t>(j)] != s);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> lines;
  while (!input.empty()) {
    const std::size_t end = input.find('\n');
    lines.push_back(input.substr(0, end));
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  }
  ResetProgramState();
  auto& slots = Program().RecentSheets;
  for (std::size_t i = 0; i < lines.size() && i < kSlots; ++i) slots[i + 1] = std::string(lines[i]);

  for (std::size_t k = kSlots; k < lines.size(); ++k) {
    const std::string_view name = lines[k];
    const std::vector<std::string> before = Entries();
    const std::size_t slash = name.find_last_of("/\\");
    const std::string bare(slash == std::string_view::npos ? name : name.substr(slash + 1));
    // A free slot, or the name's own, means that no other entry is dropped.
    const bool had_room = before.size() < kSlots || std::find(before.begin(), before.end(), bare) != before.end();
    AddRecentFile(name);
    const std::vector<std::string> after = Entries();
    if (bare.empty()) {
      FUZZ_CHECK(after == before);
      continue;
    }
    CheckList();
    FUZZ_CHECK(!after.empty() && after[0] == bare);
    // The others keep their order; none is lost while a slot was free.
    std::vector<std::string> others;
    for (const std::string& s : before)
      if (s != bare && std::find(others.begin(), others.end(), s) == others.end()) others.push_back(s);
    const std::vector<std::string> rest(after.begin() + 1, after.end());
    std::size_t at = 0;
    for (const std::string& s : rest) {
      while (at < others.size() && others[at] != s) ++at;
      FUZZ_CHECK(at < others.size());
      ++at;
    }
    if (had_room) FUZZ_CHECK(rest == others);
  }
  return 0;
}
