#include "editor/recent_sheets.h"

#include <string>

#include "editor/program_state.h"

namespace vorda {

void AddRecentFile(std::string_view file_name) {
  const std::size_t slash = file_name.find_last_of("/\\");
  const std::string name(slash == std::string_view::npos ? file_name : file_name.substr(slash + 1));
  if (name.empty()) return;

  auto& slots = Program().RecentSheets;
  constexpr int kSlots = 10;
  auto slot = [&slots](int i) -> std::string& { return slots[static_cast<std::size_t>(i)]; };

  for (int i = 1; i <= kSlots; ++i)
    if (slot(i) == name) slot(i).clear();

  // Shift down into the first free slot (or over the last one) and put the
  // name on top.
  int free_slot = kSlots;
  for (int i = 1; i <= kSlots; ++i)
    if (slot(i).empty()) {
      free_slot = i;
      break;
    }
  for (int k = free_slot - 1; k >= 1; --k) slot(k + 1) = slot(k);
  slot(1) = name;

  for (int i = 1; i <= kSlots; ++i) {
    if (slot(i).empty()) continue;
    for (int j = 1; j <= kSlots; ++j)
      if (j != i && slot(j) == slot(i)) slot(j).clear();
  }

  int to = 1;
  for (int from = 1; from <= kSlots; ++from) {
    if (slot(from).empty()) continue;
    if (from != to) {
      slot(to) = std::move(slot(from));
      slot(from).clear();
    }
    ++to;
  }
}

}  // namespace vorda
