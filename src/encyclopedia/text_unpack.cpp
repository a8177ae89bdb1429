#include "encyclopedia/text_unpack.h"

#include <algorithm>
#include <fstream>

#include "platform/files.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

// Every code byte of a table holds a text without that byte, so one pass from
// the left replaces all of them, as replacing the first one again and again
// would. The result is cut at `limit` bytes.
void Expand(std::string& text, std::string_view replacement, std::uint8_t code, std::size_t limit) {
  const char c = static_cast<char>(code);
  if (text.find(c) == std::string::npos) return;
  std::string out;
  out.reserve(std::min(limit, text.size() + replacement.size() * 4));
  for (std::size_t i = 0; i < text.size() && out.size() < limit; ++i) {
    if (text[i] == c) {
      out += replacement.substr(0, limit - out.size());
    } else {
      out += text[i];
    }
  }
  text = std::move(out);
}

// A table's texts may hold the codes of later entries, so each entry can
// multiply the length: the text is kept within kUnpackedLimit at every step.
// As every code stands for at least one byte, the bytes kept are the start of
// the whole unpacking.
std::string ExpandAll(std::string text, const std::vector<CodeExpansion>& table) {
  if (text.size() > kUnpackedLimit) text.resize(kUnpackedLimit);
  for (const auto& entry : table) Expand(text, entry.Text, entry.Code, kUnpackedLimit);
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool ReadHex(std::string_view s, std::string& out) {
  if (s.empty() || s.size() % 2 != 0) return false;
  out.clear();
  for (std::size_t i = 0; i < s.size(); i += 2) {
    const int hi = HexDigit(s[i]), lo = HexDigit(s[i + 1]);
    if (hi < 0 || lo < 0) return false;
    out += static_cast<char>(hi * 16 + lo);
  }
  return true;
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t from = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > from) words.push_back(line.substr(from, i - from));
  }
  return words;
}

// Why the line cannot be read, or empty. A ";" starts a comment.
std::string ParseLine(std::string_view line, EncyclopediaPacking& p, bool& seed_seen) {
  const auto words = Words(line.substr(0, line.find(';')));
  if (words.empty()) return {};
  if (words[0] == "seed") {
    if (words.size() != 2 || seed_seen) return "a mag hibás vagy kétszer szerepel"_w;
    int value = 0;
    for (char c : words[1]) {
      if (c < '0' || c > '9' || value > 255) return "a mag hibás vagy kétszer szerepel"_w;
      value = value * 10 + (c - '0');
    }
    if (value > 255) return "a mag hibás vagy kétszer szerepel"_w;
    seed_seen = true;
    p.Seed1 = static_cast<std::uint8_t>(value);
    return {};
  }
  if ((words[0] != "1" && words[0] != "2") || words.size() != 3) return "ismeretlen sor"_w;
  std::string code, text;
  if (!ReadHex(words[1], code) || code.size() != 1 || !ReadHex(words[2], text)) return "hibás kód vagy szöveg"_w;
  if (text.find(code[0]) != std::string::npos) return "a szöveg a saját kódját tartalmazza"_w;
  auto& table = words[0] == "1" ? p.Table1 : p.Table2;
  const std::size_t size = words[0] == "1" ? kTable1Size : kTable2Size;
  if (table.size() >= size) return "túl sok bejegyzés"_w;
  table.push_back(CodeExpansion{static_cast<std::uint8_t>(code[0]), text});
  return {};
}

bool IsPlainHeader(std::string_view line) {
  if (line.size() < 2 || line[0] != '#') return false;
  std::string_view rest = line.substr(1);
  for (std::string_view kind : {"EK", "AV", "T", "S", "V"}) {
    if (rest.starts_with(kind)) {
      rest.remove_prefix(kind.size());
      if (rest.starts_with('-')) rest.remove_prefix(1);
      return !rest.empty() && std::all_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; });
    }
  }
  return false;
}

}  // namespace

std::string HalfReversal(std::string_view text) {
  std::string out(text);
  const std::size_t h = out.size() / 2;
  std::reverse(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(h));
  std::reverse(out.begin() + static_cast<std::ptrdiff_t>(h), out.end());
  return out;
}

void ExpandCodes1(std::string& text, std::string_view replacement, std::uint8_t code) {
  Expand(text, replacement, code, std::string::npos);
}
void ExpandCodes2(std::string& text, std::string_view replacement, std::uint8_t code) {
  Expand(text, replacement, code, std::string::npos);
}

std::string EncyclopediaUnpack1(std::string_view text) {
  const auto& p = Encyclopedia().Packing;
  std::string out = HalfReversal(text);
  PackingGenerator generator(p.Seed1);
  for (char& c : out) c = static_cast<char>(static_cast<std::uint8_t>(c) - generator.Random(7));
  return ExpandAll(std::move(out), p.Table1);
}

std::string EncyclopediaUnpack2(std::string_view text) {
  return ExpandAll(HalfReversal(text), Encyclopedia().Packing.Table2);
}

std::string ParseEncyclopediaPacking(std::string_view bytes, EncyclopediaPacking& out) {
  EncyclopediaPacking p;
  bool seed_seen = false;
  int number = 0;
  std::size_t from = 0;
  while (from < bytes.size()) {
    std::size_t end = bytes.find('\n', from);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(from, end - from);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++number;
    const std::string why = ParseLine(line, p, seed_seen);
    if (!why.empty()) {
      out = EncyclopediaPacking{};
      return "A "_w + std::string(kPackingFileName) + " " + std::to_string(number) + ". sora hibás ("_w + why +
             "), ezért csak tömörítetlen enciklopédia olvasható."_w;
    }
    from = end + 1;
  }
  if (!p.Table1.empty() && !seed_seen) {
    out = EncyclopediaPacking{};
    return "A "_w + std::string(kPackingFileName) +
           " az 1. módszer táblája mellett nem adja meg a magot, ezért csak tömörítetlen enciklopédia olvasható."_w;
  }
  p.Method1Known = seed_seen;
  p.Method2Known = !p.Table2.empty();
  out = std::move(p);
  return {};
}

std::string LoadEncyclopediaPacking(const std::string& program_dir) {
  auto& packing = Encyclopedia().Packing;
  packing = EncyclopediaPacking{};
  const std::string path = FindFileNoCase(program_dir, kPackingFileName);
  if (path.empty()) return {};
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return "A "_w + path + " nem olvasható, ezért csak tömörítetlen enciklopédia olvasható."_w;
  return ParseEncyclopediaPacking(*bytes, packing);
}

std::uint8_t TextModeOfFirstLine(std::string_view first_line) {
  const auto& p = Encyclopedia().Packing;
  if (first_line.size() <= 3 && IsPlainHeader(first_line)) return 0;
  if (p.Method1Known && EncyclopediaUnpack1(first_line).starts_with('#')) return 1;
  if (p.Method2Known && EncyclopediaUnpack2(first_line).starts_with('#')) return 2;
  return 0;
}

std::uint8_t DetectEncyclopediaTextMode(std::string_view folder) {
  auto& mode = Encyclopedia().EncyclopediaTextMode;
  mode = 0;
  const std::string path = FindFileNoCase(folder, "TEXT.DTA");
  if (path.empty()) return mode;
  std::ifstream in(path, std::ios::binary);
  std::string first_line;
  for (char c; in.get(c) && c != '\r' && c != '\n';) first_line += c;
  mode = TextModeOfFirstLine(first_line);
  return mode;
}

}  // namespace vorda
