// Fuzz target: the turn-report reader on arbitrary bytes, and the item-text
// cleaner on each of them. No input may crash it or write outside the counts.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/turn_report.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static vorda::ItemCounts now, start;
  vorda::ReadReportItemsFromText(bytes, now, start);
  vorda::CleanItemText(bytes);
  vorda::AddReportItem(bytes, -1, now, false);
  return 0;
}
