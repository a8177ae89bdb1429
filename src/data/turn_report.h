#pragma once
// The game operator's HTML turn report, read for what the character owns: the
// items it holds at the end of the turn and those it held at its start. The
// report is not parsed as HTML; the reader looks for the operator's fixed
// Hungarian section headings and strips tags by text replacement.
//
// An item text has the form count, blank, name, blank, "(#", code, ")", for
// example "3 Hosszú íj (#17)"; gold is item code 50.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorda {

inline constexpr int kReportItemCodes = 5000;  // item codes 1..5000
inline constexpr std::size_t kReportItemNameLength = 30;
inline constexpr std::int32_t kGoldCode = 50;

// Counts by item code, 1-based (index 0 unused).
using ItemCounts = std::array<std::int32_t, kReportItemCodes + 1>;

struct ReportState {
  // The name last seen for each item code, from any report read (1-based).
  std::array<std::string, kReportItemCodes + 1> ItemNameTable;
};

ReportState& Reports();
void ResetReports();

// The item text of a report cell, cleaned of the report's marks: container
// words, the free room of a container, drop and sip units, "$" for "#".
std::string CleanItemText(std::string_view text);

// Adds (sign 1) or subtracts (any other sign) the item named by `text` to
// `counts` and records its name. The text is trimmed first when `trim` holds;
// an empty text does nothing, and a code outside 1..5000 is ignored.
void AddReportItem(std::string_view text, int sign, ItemCounts& counts, bool trim);

// Reads the report's lines into `now` (end of the turn) and `start` (start of
// the turn); both are cleared first. Sections that are missing are skipped.
void ReadReportItemsFromText(std::string_view bytes, ItemCounts& now, ItemCounts& start);

// The same from the file at `path`. A file that cannot be read leaves both
// arrays cleared and gives false.
bool ReadReportItems(const std::string& path, ItemCounts& now, ItemCounts& start);

}  // namespace vorda
