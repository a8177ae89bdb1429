#include "encyclopedia/encyclopedia_lookup.h"

#include <algorithm>
#include <array>

#include "data/order_sheet.h"
#include "data/text.h"
#include "encyclopedia/encyclopedia_state.h"
#include "encyclopedia/text_unpack.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

// Which kind of entry a parameter names, by the code of its line and its
// column: kinds[c - 1] for column c ("" forms no key). Rows are tested in order.
struct KeyRule {
  std::array<std::string_view, 4> codes;
  std::array<std::string_view, 3> kinds;
  bool second_only_positive = false;  // column 2 only when P2 > 0
};

constexpr std::array<KeyRule, 30> kKeyRules = {{
    {{"BB", "KB"}, {"T", "T", "T"}, true},
    {{"A"}, {"T", "", ""}},
    {{"AA"}, {"T", "T", "T"}},
    {{"D"}, {"T", "", ""}},
    {{"DD", "AL"}, {"T", "T", "T"}},
    {{"KF", "EA"}, {"T", "", ""}},
    {{"EE"}, {"T", "T", "T"}},
    {{"EP"}, {"T", "", ""}},
    {{"F", "FF"}, {"T", "T", "T"}},
    {{"FKT", "KT"}, {"T", "", ""}},
    {{"FL", "FLH"}, {"", "T", ""}},
    {{"FOG"}, {"S", "T", ""}},
    {{"FTV"}, {"V", "S", ""}},
    {{"FV", "GYJ", "GYK"}, {"T", "", ""}},
    {{"HU"}, {"T", "T", "T"}},
    {{"IN"}, {"", "S", "T"}},
    {{"L"}, {"", "T", ""}},
    {{"LE"}, {"T", "", ""}},
    {{"RM"}, {"T", "T", ""}},
    {{"VE", "ZIP", "H"}, {"T", "", ""}},
    {{"KRE"}, {"T", "T", ""}},
    {{"BA"}, {"S", "S", "S"}},
    {{"ID", "SZE", "SZK", "SZM"}, {"S", "", ""}},
    {{"T"}, {"S", "S", "S"}},
    {{"TAN"}, {"", "T", ""}},
    {{"TV"}, {"V", "V", "V"}},
    {{"VTN", "V", "P"}, {"V", "", ""}},
    {{"VV"}, {"V", "V", "V"}},
    {{"AV"}, {"AV", "", ""}},
    {{"EK"}, {"EK", "", ""}},
}};

// Items whose entry stands under another item's key.
constexpr std::array<std::pair<std::string_view, std::string_view>, 26> kEncyclopediaAliasTable = {{
    {"T19", "T18"},   {"T29", "T31"},   {"T36", "T35"},   {"T43", "T46"},   {"T56", "T55"},   {"T59", "T58"},
    {"T68", "T67"},   {"T69", "T77"},   {"T80", "T79"},   {"T92", "T91"},   {"T110", "T109"}, {"T114", "T113"},
    {"T116", "T115"}, {"T119", "T118"}, {"T133", "T132"}, {"T135", "T134"}, {"T201", "T200"}, {"T203", "T202"},
    {"T205", "T204"}, {"T207", "T206"}, {"T209", "T208"}, {"T312", "T311"}, {"T396", "T395"}, {"T403", "T402"},
    {"T429", "T428"}, {"T447", "T446"},
}};

// The kinds by the start of a key, in the order they are tested.
constexpr std::array<std::pair<std::string_view, std::int16_t>, 5> kKindLetters = {{
    {"T", KindItem}, {"S", KindSpell}, {"EK", KindEK}, {"AV", KindAV}, {"V", KindV},
}};

constexpr std::size_t kLineLimit = 255;
constexpr std::size_t kIndexRecord = 13;
constexpr std::size_t kKeyLimit = 8;

std::string_view LettersOfKind(std::int16_t kind) {
  for (const auto& [letters, k] : kKindLetters)
    if (k == kind) return letters;
  return {};
}

std::string ShownPath(std::string_view folder) {
  return folder.empty() ? "nincs megadva útvonal!"_w : std::string(folder);
}

std::string Unpacked(std::string_view text) {
  switch (Encyclopedia().EncyclopediaTextMode) {
    case 1: return EncyclopediaUnpack1(text);
    case 2: return EncyclopediaUnpack2(text);
    default: return std::string(text);
  }
}

std::int32_t ReadInt32(std::string_view b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(b[at + static_cast<std::size_t>(i)]);
  return static_cast<std::int32_t>(v);
}

void NothingFound(std::string_view key) {
  Messages().Show("Az enciklopédiában nincs szócikk ehhez: "_w + std::string(key), MessageKind::Information);
}

}  // namespace

std::string EncyclopediaKeyOfCell(std::uint16_t cursor_cell) {
  const int line = cursor_cell / 10;
  const int column = cursor_cell % 10;
  if (line < 1 || line > kSheetLines || column < 1 || column > 3) return {};
  const auto& sheet = SheetModel().Lines;
  const std::string& code = sheet.SheetCodes[static_cast<std::size_t>(line)];
  const std::int32_t value = sheet.SheetParams[static_cast<std::size_t>(line)][static_cast<std::size_t>(column - 1)];
  std::string key;
  for (const auto& rule : kKeyRules) {
    bool listed = false;
    for (std::string_view c : rule.codes) listed = listed || (!c.empty() && c == code);
    const std::string_view kind = rule.kinds[static_cast<std::size_t>(column - 1)];
    if (!listed || kind.empty()) continue;
    if (column == 2 && rule.second_only_positive && value <= 0) continue;
    key = std::string(kind) + std::to_string(value);
    break;
  }
  for (const auto& [from, to] : kEncyclopediaAliasTable)
    if (key == from) key = std::string(to);
  return key;
}

void LookupEncyclopediaEntryAtCursor(std::uint16_t cursor_cell, std::string_view folder) {
  auto& state = Encyclopedia();
  state.EncyclopediaText.clear();
  const std::string key = EncyclopediaKeyOfCell(cursor_cell);
  for (const auto& [letters, kind] : kKindLetters) {
    if (key.empty() || !key.starts_with(letters)) continue;
    // The rest is the parameter in decimal, a 32-bit value.
    const long long number = std::stoll(key.substr(letters.size()));
    if (number <= 0) break;
    // The index was made with 16-bit numbers: a larger one wraps.
    ShowEncyclopediaEntry(kind, static_cast<std::int16_t>(static_cast<std::uint16_t>(number & 0xFFFF)), folder);
    return;
  }
  Messages().Show("A kurzor alatti mezőhöz nem tartozik enciklopédia-szócikk."_w, MessageKind::Information);
}

void ShowEncyclopediaEntry(std::int16_t kind, std::int16_t number, std::string_view folder) {
  auto& state = Encyclopedia();
  std::string key = "#" + std::string(LettersOfKind(kind)) + std::to_string(number);
  key = key.substr(1, kKeyLimit - 1);
  state.EncyclopediaText.clear();
  if (!FindEncyclopediaKey(folder, key)) return;
  if (state.EncyclopediaText.empty()) {
    NothingFound(key);
    return;
  }
  state.StatusText = "Keresett "_w + " tárgy: #"_w + std::to_string(number);
  EncyclopediaView().Clear();
  EncyclopediaView().LoadRtf(EncyclopediaRtfDocument(state.EncyclopediaText));
}

bool FindEncyclopediaKey(std::string_view folder, std::string_view key) {
  auto& state = Encyclopedia();
  state.EncyclopediaText.clear();
  const std::string shown = ShownPath(folder);
  const std::string data_path = FindFileNoCase(folder, "TEXT.DTA");
  if (data_path.empty()) {
    Messages().Show("Nem találok TEXT.DTA-t a megadott útvonalon\n\nTEXT.DTA útvonala:\n"_w + shown,
                    MessageKind::Information);
    return false;
  }
  const std::string index_path = FindFileNoCase(folder, "TEXT.IDX");
  if (index_path.empty()) {
    Messages().Show("Nem találok TEXT.IDX-et a megadott útvonalon\n\nTEXT.IDX útvonala:\n"_w + shown,
                    MessageKind::Information);
    return false;
  }
  const auto index = ReadWholeFile(index_path);
  if (!index) {
    Messages().Show("A fájl nem olvasható: "_w + index_path, MessageKind::Error);
    return false;
  }
  auto damaged = [&](const std::string& why) {
    Messages().Show("Sérült a TEXT.IDX ("_w + why + ")\n\nTEXT.IDX útvonala:\n"_w + shown, MessageKind::Error);
    return false;
  };
  const IndexSearch found = FindKeyInIndex(*index, key);
  if (found.result == IndexSearch::Missing) return true;
  if (found.result == IndexSearch::Damaged) return damaged(found.why);
  const auto data = ReadWholeFile(data_path);
  if (!data) {
    Messages().Show("A fájl nem olvasható: "_w + data_path, MessageKind::Error);
    return false;
  }
  if (found.position <= 0 || static_cast<std::size_t>(found.position) > data->size())
    return damaged("egy szócikk helye a TEXT.DTA-n kívül esik"_w);
  state.EncyclopediaText = ReadEncyclopediaEntry(*data, HeaderLineStart(*data, static_cast<std::size_t>(found.position)));
  return true;
}

IndexSearch FindKeyInIndex(std::string_view index, std::string_view key) {
  IndexSearch out;
  if (index.size() < 2) {
    out.result = IndexSearch::Damaged;
    out.why = "rövidebb két bájtnál"_w;
    return out;
  }
  std::int32_t count = static_cast<std::int16_t>(static_cast<std::uint16_t>(
      static_cast<std::uint8_t>(index[0]) | (static_cast<std::uint8_t>(index[1]) << 8)));
  std::size_t at = 2;
  for (; count > 0; --count, at += kIndexRecord) {
    if (index.size() - at < kIndexRecord) {
      out.result = IndexSearch::Damaged;
      out.why = "rövidebb, mint amennyi szócikket jelez"_w;
      return out;
    }
    const auto length = static_cast<std::uint8_t>(index[at]);
    if (length > kKeyLimit) {
      out.result = IndexSearch::Damaged;
      out.why = "egy kulcs 8 bájtnál hosszabb"_w;
      return out;
    }
    std::string stored = Unpacked(index.substr(at + 1, length));
    if (stored.size() > kKeyLimit) stored.resize(kKeyLimit);
    if (stored == key) {
      out.result = IndexSearch::Found;
      out.position = ReadInt32(index, at + 9);
      return out;
    }
  }
  return out;
}

std::size_t HeaderLineStart(std::string_view data, std::size_t position) {
  std::size_t p = std::min(position, data.size());
  // The header's line break: CR LF, LF, or CR CR.
  if (p > 0 && (data[p - 1] == '\n' || data[p - 1] == '\r')) --p;
  if (p > 0 && data[p - 1] == '\r') --p;
  while (p > 0 && data[p - 1] != '\n' && data[p - 1] != '\r') --p;
  return p;
}

std::string ReadEncyclopediaEntry(std::string_view data, std::size_t start) {
  std::string text;
  std::size_t pos = start;
  int headers = 0;
  while (pos < data.size()) {
    // A line ends at LF, at CR with the byte after it (CR LF, CR CR), or at the
    // end of the file; a CR before any other byte drops that byte and the line
    // goes on. Bytes past 255 are dropped.
    std::string line;
    while (pos < data.size()) {
      const char b = data[pos++];
      if (b == '\n') break;
      if (b == '\r') {
        if (pos >= data.size()) break;
        const char after = data[pos++];
        if (after == '\r' || after == '\n') break;
        continue;
      }
      if (line.size() < kLineLimit) line += b;
    }
    std::string unpacked = Unpacked(line);
    if (unpacked.size() > kLineLimit) unpacked.resize(kLineLimit);
    // The converted line is not cut: a cut would lose the closing braces of its
    // bold groups, and the rest of the entry would turn bold.
    const std::string converted = EncyclopediaLineToRtf(unpacked);
    if (converted.starts_with('#')) {
      if (++headers == 2) break;  // the next entry's header
      continue;                   // the entry's own header is not shown
    }
    if (converted.starts_with('$') || converted.starts_with('\xA8')) continue;
    text += converted;
    text += "\r\n\\par ";
  }
  return text;
}

std::string EncyclopediaLineToRtf(std::string_view line) {
  std::string s;
  for (char c : line)
    if (c != '{') s += c;
  // An RTF control word of the operator's runs to the first "}" behind it, or
  // to the line's end when none follows.
  for (std::size_t back = s.find('\\'); back != std::string::npos; back = s.find('\\')) {
    const std::size_t close = s.find('}', back);
    s.erase(back, close == std::string::npos ? std::string::npos : close - back + 1);
  }
  // "^B" opens a bold red group that runs to the line's end; any other "^"
  // goes with the character after it, though never with a group just opened.
  // A "}" left now belongs to no group of ours: in the document it would close
  // the whole text, so it is dropped (after a "^" it goes with the caret).
  std::string out;
  int groups = 0;
  for (std::size_t i = 0; i < s.size();) {
    if (s[i] == '^' && i + 1 < s.size() && s[i + 1] == 'B') {
      out += "{\\cf3\\b ";
      ++groups;
      i += 2;
    } else if (s[i] == '^') {
      const bool bold_follows = i + 2 < s.size() && s[i + 1] == '^' && s[i + 2] == 'B';
      i += bold_follows ? 1 : 2;
    } else if (s[i] == '}') {
      ++i;
    } else {
      out += s[i++];
    }
  }
  out.append(static_cast<std::size_t>(groups), '}');
  // The operator's bullet (FEh) is 7Fh in the rich text, not the sheet's "*".
  std::replace(out.begin(), out.end(), '\xFE', '\x7F');
  return CwiToWin1250(out);
}

std::string EncyclopediaRtfDocument(std::string_view body) {
  std::string doc;
  for (std::string_view piece : {
           "{\\rtf1\\ansi \\deff4\\deflang1033{\\fonttbl",
           "{\\f4\\froman\\fcharset238\\fprq2 Times New Roman CE;}",
           "{\\f5\\fmodern\\fcharset238\\fprq1 Courier New CE;}}",
           "{\\colortbl;",
           "\\red0\\green0\\blue0;",
           "\\red0\\green128\\blue0;",
           "\\red180\\green0\\blue0;",
           "\\red40\\green150\\blue200;",
           "\\red255\\green0\\blue166;}",
           "\\f5\\fs18 ",
       }) {
    doc += piece;
    doc += "\r\n";
  }
  doc += body;
  doc += "\r\n";
  doc += std::string(26, '}');
  doc += "\r\n";
  return doc;
}

}  // namespace vorda
