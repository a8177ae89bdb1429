#include "editor/email_sheet_files.h"

#include <limits>

#include "data/accounts_settings.h"
#include "data/field_reader.h"
#include "data/text.h"

namespace vorda {

namespace {

// A key or flag counts wherever its text stands in the line: the writer puts
// an option's key ("UL=OFF&") only when the option is chosen, and refuses a
// value holding "&" or "=", so no value of its files can look like a key.
bool Contains(std::string_view line, std::string_view part) { return line.find(part) != std::string_view::npos; }

// A value stored into a field of fixed width keeps its first characters.
std::string Cut(std::string_view value, std::size_t width) { return std::string(value.substr(0, width)); }

std::string OrNoNumber(std::string value) { return value.empty() ? std::string("0000") : value; }

char UpperCaseChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string_view EmvValue(std::string_view line, std::string_view key) {
  const std::size_t at = line.find(key);
  if (at == std::string_view::npos) return {};
  std::string_view rest = line.substr(at + key.size());
  return rest.substr(0, rest.find('&'));
}

EmailSheet ReadEmailSheet(std::string_view bytes) {
  EmailSheet out;

  std::size_t lines_after_first = 0;
  {
    FieldReader count(bytes);
    count.SkipLine();
    for (; !count.Eof(); count.SkipLine()) ++lines_after_first;
  }
  out.Forty = lines_after_first > 25;

  FieldReader in(bytes);
  auto next = [&in]() {
    std::string line = in.ReadRestOfLine();
    in.SkipLine();
    return line;
  };

  // The header is the first line holding the password, or the third line.
  std::string header = next();
  for (int k = 0; k < 2 && !Contains(header, "PSW="); ++k) header = next();

  auto& flags = out.SendFlags;
  flags[ELVESZETT] = Contains(header, "ELVESZETT");
  flags[BEALL] = Contains(header, "BEALL=O");
  out.KSZ = CharacterNumber(EmvValue(header, "KSZ="));
  out.SZLA = Cut(EmvValue(header, "SZLA="), 5);
  out.FORD = Cut(EmvValue(header, "FORD="), 4);
  out.FORD.insert(0, 4 - out.FORD.size(), '0');
  out.PSW = Cut(EmvValue(header, "PSW="), 8);

  const int line_count = out.Forty ? kSheetLines : 20;
  for (int l = 1; l <= line_count; ++l) {
    const std::string line = next();
    const auto i = static_cast<std::size_t>(l);
    const std::string n = std::to_string(l);
    std::string code = Cut(EmvValue(line, "C" + n + "="), kCodeLength);
    for (char& c : code) c = UpperCaseChar(c);
    out.Lines.SheetCodes[i] = code;
    for (std::size_t k = 0; k < 3; ++k)
      out.Lines.SheetParams[i][k] = LeadingNumber(EmvValue(line, "P" + n + std::to_string(k + 1) + "=").substr(0, 5));
  }

  // An option's key is written only when the option is chosen, so its
  // presence is the flag whatever follows "=".
  const std::string options = next();
  flags[UL] = Contains(options, "UL=O");
  flags[JL] = Contains(options, "JL=O");
  flags[EXT] = Contains(options, "EXT=O");
  flags[SZL] = Contains(options, "SZL=O");
  const bool print = Contains(options, "PRINT=O");
  flags[B64P] = Contains(options, "KOD=B64") && print;
  flags[B64] = Contains(options, "KOD=B64") && !print;
  flags[UUEP] = Contains(options, "KOD=UUE") && print;
  flags[UUE] = Contains(options, "KOD=UUE") && !print;
  flags[POSTA] = Contains(options, "KOD=POS") && !print;
  out.NEWEMAIL = std::string(EmvValue(options, "NEWEMAIL="));
  out.PREKAR = "0000";
  out.PREFORD = "0000";
  if (Contains(options, "PREKAR=")) {
    out.PREKAR = OrNoNumber(Cut(EmvValue(options, "PREKAR="), 4));
    out.PREFORD = OrNoNumber(Cut(EmvValue(options, "PREFORD="), 4));
  }
  return out;
}

void LoadEmailSheet(std::string_view bytes) {
  EmailSheet read = ReadEmailSheet(bytes);
  auto& sheet = SheetModel();
  ClearSheetLines();
  for (int l = 1; l <= kSheetLines; ++l) {
    const auto i = static_cast<std::size_t>(l);
    sheet.Lines.SheetCodes[i] = std::move(read.Lines.SheetCodes[i]);
    sheet.Lines.SheetParams[i] = read.Lines.SheetParams[i];
  }
  sheet.Sheet40Lines = read.Forty;
  auto& h = sheet.Header;
  h.KSZ = std::move(read.KSZ);
  h.SZLA = std::move(read.SZLA);
  h.FORD = std::move(read.FORD);
  h.PSW = std::move(read.PSW);
  h.SendFlags = read.SendFlags;
  h.NEWEMAIL = std::move(read.NEWEMAIL);
  h.PREKAR = std::move(read.PREKAR);
  h.PREFORD = std::move(read.PREFORD);
}

}  // namespace vorda
