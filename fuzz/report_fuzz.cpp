// The turn-report reader on any bytes, read from a file as the comparison
// window reads it. Whatever the counts held before, the result is the same;
// index 0 stays unused and the names kept stay within their width. The
// item-text cleaner leaves no marks it removes and never lengthens a text.
#include <cstdint>
#include <string>
#include <string_view>

#include "data/turn_report.h"
#include "fuzz_support.h"

namespace {

using namespace vorda;

constexpr const char* kInputName = "1234-0012.htm";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static ItemCounts now, start, clean_now, clean_start;
  ResetReports();
  clean_now.fill(0);
  clean_start.fill(0);
  ReadReportItemsFromText(bytes, clean_now, clean_start);
  FUZZ_CHECK(clean_now[0] == 0 && clean_start[0] == 0);
  const ReportState names = Reports();
  for (const auto& name : names.ItemNameTable) FUZZ_CHECK(name.size() <= kReportItemNameLength);
  FUZZ_CHECK(names.ItemNameTable[0].empty());

  // From a file, over counts that an earlier report left.
  fuzz::ClearScratchDir();
  fuzz::WriteScratchFile(kInputName, bytes);
  now.fill(7);
  start.fill(-7);
  FUZZ_CHECK(ReadReportItems(fuzz::ScratchDir() + "/" + kInputName, now, start));
  FUZZ_CHECK(now == clean_now && start == clean_start);
  FUZZ_CHECK(Reports().ItemNameTable == names.ItemNameTable);

  // A report that cannot be read leaves no counts and the names as they were.
  FUZZ_CHECK(!ReadReportItems(fuzz::ScratchDir() + "/nincs.htm", now, start));
  for (std::size_t i = 0; i < now.size(); ++i) FUZZ_CHECK(now[i] == 0 && start[i] == 0);
  FUZZ_CHECK(Reports().ItemNameTable == names.ItemNameTable);

  const std::string cleaned = CleanItemText(bytes);
  FUZZ_CHECK(cleaned.size() <= bytes.size());
  FUZZ_CHECK(cleaned.find('$') == std::string::npos);
  FUZZ_CHECK(cleaned.empty() ||
             (static_cast<unsigned char>(cleaned.front()) > ' ' && static_cast<unsigned char>(cleaned.back()) > ' '));

  // One item text added and taken away leaves the counts as they were.
  AddReportItem(cleaned, 1, now, true);
  AddReportItem(cleaned, -1, now, true);
  for (std::size_t i = 0; i < now.size(); ++i) FUZZ_CHECK(now[i] == 0);
  for (std::size_t i = 0; i < now.size(); ++i)
    FUZZ_CHECK(Reports().ItemNameTable[i].size() <= kReportItemNameLength);
  return 0;
}
