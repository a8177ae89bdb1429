#include "data/turn_report.h"

#include <charconv>

#include "data/text.h"
#include "platform/files.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

ReportState g_reports;

// The operator's section headings and cell marks.
const std::string kCarriedHeading = "NÁLAD LÉVŐ TÁRGYAK (*-gal jelöltek bekészítve)"_w;
const std::string kBankHeading = "TÁRGYAID A BANK SZÉFJÉBEN"_w;
const std::string kStartHeading = "A FORDULÓ ELEJÉN MÉG MEGVOLT..."_w;
const std::string kGainedHeading = "EBBEN A FORDULÓBAN KERÜLT HOZZÁD..."_w;
const std::string kMoneyCell = "Pénz:</td>"_w;
const std::string kBankDeposit = "arany került a bankszámládra."_w;
constexpr std::string_view kTableEnd = "</table>";
constexpr std::string_view kCountCell = "<td CLASS=tdb>";
constexpr std::string_view kNameCell = "<td><A";
constexpr std::string_view kContentsCell = "COLSPAN=6>";
constexpr std::string_view kContentsMark = "[benn";
constexpr std::string_view kAtLeast = "&ge;";
constexpr std::string_view kGoldSuffix = " arany (#50)";

bool Has(std::string_view s, std::string_view what) { return s.find(what) != std::string_view::npos; }

// Trims every control character and blank off both ends.
std::string_view Trim(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

// A decimal number after optional leading blanks, with nothing after it; 0 when
// the text is no number or does not fit 32 bits.
std::int32_t NumberOrZero(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return 0;
  return value;
}

// Deletes tags while the line holds both "<" and ">": from the first "<"
// through the first ">". Once a ">" stands before the first "<" there is no tag
// to take out, and the rest of the line is left as it is.
std::string StripTags(std::string s) {
  while (true) {
    const std::size_t lt = s.find('<');
    const std::size_t gt = s.find('>');
    if (lt == std::string::npos || gt == std::string::npos || gt < lt) break;
    s.erase(lt, gt - lt + 1);
  }
  return s;
}

// Everything up to and including the last `mark` deleted.
std::string_view AfterLast(std::string_view s, std::string_view mark) {
  const std::size_t at = s.rfind(mark);
  return at == std::string_view::npos ? s : s.substr(at + mark.size());
}

// Everything up to and including the first `mark` deleted.
std::string_view AfterFirst(std::string_view s, std::string_view mark) {
  const std::size_t at = s.find(mark);
  return at == std::string_view::npos ? s : s.substr(at + mark.size());
}

// The text before the first blank (all of it when there is none).
std::string_view BeforeBlank(std::string_view s) { return s.substr(0, s.find(' ')); }

std::int32_t Wrap32Add(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

// The report, one line at a time; past the last line the current line is empty.
class ReportLines {
 public:
  explicit ReportLines(std::string_view bytes) : rest_(bytes) {}

  bool Next() {
    if (rest_.empty()) {
      line_.clear();
      return false;
    }
    const std::size_t end = rest_.find('\n');
    std::string_view one = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
    if (!one.empty() && one.back() == '\r') one.remove_suffix(1);
    line_.assign(one);
    return true;
  }
  const std::string& Line() const { return line_; }
  bool Has(std::string_view what) const { return line_.find(what) != std::string::npos; }

  // Reads lines until the current one holds one of the marks (the current line
  // counts: a search that meets its heading at once must not step past it).
  bool SeekFromCurrent(std::initializer_list<std::string_view> marks) {
    while (true) {
      for (const auto m : marks)
        if (Has(m)) return true;
      if (!Next()) return false;
    }
  }
  // Reads lines until a following one holds `mark`.
  bool SeekNext(std::string_view mark) {
    while (Next())
      if (Has(mark)) return true;
    return false;
  }

 private:
  std::string_view rest_;
  std::string line_;
};

// The item text of a name cell: the name line's text after `count` and a blank.
std::string NamedItem(std::int32_t count, const std::string& name_line) {
  return CleanItemText(std::to_string(count) + " " + StripTags(name_line));
}

// The "was still there at the start" and "came to you" sections: each item
// counted is added to (sign 1) or taken from `start`.
void ReadStartSection(ReportLines& in, int sign, ItemCounts& start) {
  while (in.Next()) {
    if (in.Has(kCountCell)) {
      const std::string cell = StripTags(in.Line());
      const std::int32_t count = NumberOrZero(AfterFirst(cell, kAtLeast));
      if (count != 0 && in.SeekNext(kNameCell)) AddReportItem(NamedItem(count, in.Line()), sign, start, false);
    }
    if (in.Has(kTableEnd)) return;
  }
}

}  // namespace

ReportState& Reports() { return g_reports; }

void ResetReports() { g_reports = ReportState{}; }

std::string CleanItemText(std::string_view text) {
  std::string s(text);
  for (const std::string& mark : {std::string(" * "), std::string(" + "), std::string(" > "), std::string("[benne"),
                                  "[bennük"_w})
    s = ReplaceAll(mark, " ", s);
  if (Has(s, "[üres"_w)) {
    s.clear();
  } else if (const std::size_t room = s.find(", fér még"_w); room != std::string::npos) {
    s.erase(room);
  }
  s = ReplaceAll(" csepp ", " ", s);
  s = ReplaceAll(" korty ", " ", s);
  s = ReplaceAll("  ", " ", s);
  std::string_view v = s;
  while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
  while (!v.empty() && v.front() == '$') v.remove_prefix(1);
  while (!v.empty() && v.front() == '>') v.remove_prefix(1);
  while (!v.empty() && v.back() == ' ') v.remove_suffix(1);
  std::string out(v);
  for (char& c : out)
    if (c == '$') c = '#';
  return std::string(Trim(out));
}

void AddReportItem(std::string_view text, int sign, ItemCounts& counts, bool trim) {
  if (trim) text = Trim(text);
  if (text.empty()) return;
  const std::size_t blank = text.find(' ');
  const std::int32_t count = blank == std::string_view::npos ? 0 : NumberOrZero(text.substr(0, blank));

  const std::size_t hash = text.find('#');
  const std::size_t close = text.find(')');
  std::int32_t code = 0;
  if (hash != std::string_view::npos && close != std::string_view::npos && close > hash)
    code = NumberOrZero(text.substr(hash + 1, close - hash - 1));
  if (code < 1 || code > kReportItemCodes) return;

  const std::size_t open = text.find('(');
  std::string_view name;
  if (blank != std::string_view::npos && open != std::string_view::npos && open > blank + 1)
    name = text.substr(blank + 1, open - blank - 2);
  const auto i = static_cast<std::size_t>(code);
  g_reports.ItemNameTable[i] = std::string(name.substr(0, kReportItemNameLength));
  counts[i] = Wrap32Add(counts[i], sign == 1 ? count : static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(count)));
}

void ReadReportItemsFromText(std::string_view bytes, ItemCounts& now, ItemCounts& start) {
  now.fill(0);
  start.fill(0);
  ReportLines in(bytes);

  // Money, up to the heading of the carried items.
  while (in.Next()) {
    if (in.Has(kMoneyCell)) {
      in.Next();
      const std::string_view line = in.Line();
      const std::string_view rest = line.size() > 4 ? line.substr(4) : std::string_view();
      AddReportItem(std::string(BeforeBlank(rest)) + std::string(kGoldSuffix), 1, now, true);
    } else if (const std::size_t at = in.Line().find(kBankDeposit); at != std::string::npos) {
      const std::string_view rest = std::string_view(in.Line()).substr(at + kBankDeposit.size());
      const std::string_view amount = rest.empty() ? rest : rest.substr(1);
      AddReportItem(std::string(BeforeBlank(amount)) + std::string(kGoldSuffix), 1, now, true);
    }
    if (in.Has(kCarriedHeading)) break;
  }

  // The carried items, to the end of their table.
  while (in.Next()) {
    if (in.Has(kCountCell)) {
      const std::string cell = StripTags(in.Line());
      std::string_view n = Trim(cell);
      n = AfterLast(n, "$");
      n = AfterLast(n, ">");
      n = AfterLast(n, kAtLeast);
      const std::int32_t count = NumberOrZero(n);
      if (count != 0 && in.SeekNext(kNameCell)) AddReportItem(NamedItem(count, in.Line()), 1, now, true);
    }
    if (in.Has(kContentsCell) && in.Has(kContentsMark)) {
      const std::string stripped = StripTags(CleanItemText(in.Line()));
      AddReportItem(CleanItemText(AfterFirst(stripped, kAtLeast)), 1, now, true);
    }
    if (in.Has(kTableEnd)) break;
  }

  // The bank's items are not counted; what the character held at the start
  // is what it holds now, corrected by the two sections of the turn's changes.
  in.SeekFromCurrent({kBankHeading, kStartHeading, kGainedHeading});
  start = now;
  in.SeekFromCurrent({kStartHeading, kGainedHeading});
  if (in.Has(kStartHeading)) ReadStartSection(in, 1, start);
  if (in.SeekFromCurrent({kGainedHeading})) ReadStartSection(in, -1, start);
}

bool ReadReportItems(const std::string& path, ItemCounts& now, ItemCounts& start) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  if (!bytes) {
    now.fill(0);
    start.fill(0);
    return false;
  }
  ReadReportItemsFromText(*bytes, now, start);
  return true;
}

}  // namespace vorda
