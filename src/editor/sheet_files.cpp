#include "editor/sheet_files.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "data/text.h"
#include "platform/win1250.h"
#include "editor/editor_modes.h"
#include "editor/email_sheet_files.h"
#include "editor/editor_state.h"
#include "editor/recent_sheets.h"
#include "editor/sheet_screen.h"
#include "editor/sheet_totals.h"
#include "orders/orders_state.h"
#include "orders/start_coords.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace vorda {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr char kBar = '\xA6';  // the "¦" that frames the TVP column
constexpr std::string_view kStartLabel = "ind.koord:";
constexpr std::string_view kTeleportLabel = "teleport :";
constexpr std::string_view kEmailMark = "VERSION=";

std::string PadLeft(std::string_view s, std::size_t width) {
  std::string out(s);
  if (out.size() < width) out.insert(0, width - out.size(), ' ');
  return out;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = LowerCaseChar(c);
  return out;
}

bool Contains(std::string_view s, std::string_view part) { return s.find(part) != std::string_view::npos; }

// Characters from 1-based column `from`, at most `count` of them; nothing where
// the text is shorter.
std::string_view Columns(std::string_view s, std::size_t from, std::size_t count = std::string_view::npos) {
  if (from < 1 || from > s.size()) return {};
  return s.substr(from - 1, count);
}

void DropFront(std::string_view& s, std::size_t n) { s.remove_prefix(std::min(n, s.size())); }

// A whole field as a decimal integer (blanks around it allowed); nullopt when it
// is not one.
std::optional<std::int32_t> StrictNumber(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  std::size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
  if (i == s.size() || s.size() - i > 10) return std::nullopt;
  for (std::size_t k = i; k < s.size(); ++k)
    if (s[k] < '0' || s[k] > '9') return std::nullopt;
  const std::int64_t v = (s[0] == '-' ? -1 : 1) * std::stoll(std::string(s.substr(i)));
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(v);
}

// "X;Y" after a coordinate label and the blank that follows it.
bool ReadCoordinatePair(std::string_view line, std::string_view label, std::int32_t& x, std::int32_t& y) {
  std::string_view rest = line.substr(line.find(label));
  DropFront(rest, label.size() + 1);
  const std::size_t semi = rest.find(';');
  if (semi == std::string_view::npos) return false;
  const auto px = StrictNumber(rest.substr(0, semi));
  const auto py = StrictNumber(rest.substr(semi + 1));
  if (!px || !py) return false;
  x = *px;
  y = *py;
  return true;
}

std::string PadTurn(std::string ford) {
  if (ford.size() < 4) ford.insert(0, 4 - ford.size(), '0');
  return ford;
}

// ---------------------------------------------------------------- writing

std::string ParamField(std::int32_t p) { return p == 0 ? std::string("    -  ") : IntToStrPadded(p, 5) + "  "; }

std::string SeparatorLine() { return "|" + std::string(32, ' ') + kBar + std::string(5, ' ') + kBar + " |"; }

std::string SheetFormText() {
  const auto& sheet = SheetModel();
  const auto& h = sheet.Header;
  const auto& lines = sheet.Lines;
  const auto& coords = Orders().StartCoords;
  const auto& ch = CharSettings();
  const auto& totals = Status();
  const int line_count = sheet.Sheet40Lines ? 40 : 20;

  std::string out;
  auto put = [&out](std::string_view s) {
    out += s;
    out += kCrLf;
  };

  const std::string size_mark = sheet.Sheet40Lines ? "40 soros UL" : "20 soros UL";
  put("|  " + size_mark + (h.SendFlags[BEALL] ? "                     BEALL |" : "                           |"));
  put("|  Morvenkaldriss          Utasítás  Lap | "_w + CharacterName(LeadingNumber(h.KSZ)));
  std::string l3 = "|                         ______         | ";
  if (coords.StartX != 0 && coords.StartY != 0)
    l3 += "ind.koord: " + std::to_string(coords.StartX) + ";" + std::to_string(coords.StartY);
  put(l3);
  std::string l4 = "|  #: " + PadLeft(h.KSZ, 4) + "  szla: ....    ______ F: " + IntToStrPadded(LeadingNumber(h.FORD), 4) +
                   " | ";
  if (coords.TeleportX != 0 && coords.TeleportY != 0)
    l4 += "teleport : " + std::to_string(coords.TeleportX) + ";" + std::to_string(coords.TeleportY);
  put(l4);
  put("|                         ______         |     tvp     vp  pszi   tu");
  put("|  Név:................   ______  N: ... | "_w + IntToStrPadded(ch.CharTvp, 7) + IntToStrPadded(ch.CharVp, 7) +
      IntToStrPadded(ch.CharPp, 6) + IntToStrPadded(ch.CharTu, 5));
  put("|                                +-----+ |");

  for (int l = 1; l <= line_count; ++l) {
    const auto i = static_cast<std::size_t>(l);
    const auto& p = lines.SheetParams[i];
    std::string row = "| " + IntToStrPadded(l, 2) + ". ";
    row += PadRight(lines.SheetCodes[i].empty() ? std::string_view("-") : std::string_view(lines.SheetCodes[i]), 5);
    row += ParamField(p[0]) + ParamField(p[1]) + ParamField(p[2]);
    row += std::string(" ") + kBar + IntToStrPadded(lines.SheetTvp[i], 4) + " " + kBar + " | ";
    row += IntToStrPadded(lines.SheetTvpManual[i], 7) + IntToStrPadded(lines.SheetVp[i], 7) +
           IntToStrPadded(lines.SheetPp[i], 6) + IntToStrPadded(lines.SheetTu[i], 5);
    put(row);
    if (l % 5 == 0 && l != line_count) put(SeparatorLine());
  }

  put("|                                +-----+ |");
  put("|         " + IntToStrPadded(totals.CheckSum, 5) + " Ell.szám       "_w + IntToStrPadded(totals.TotalTvp, 7) +
      "   | " + std::string(7, ' ') + IntToStrPadded(totals.TotalVp, 7) + IntToStrPadded(totals.TotalPp, 6) +
      IntToStrPadded(totals.TotalTu, 5));
  return out;
}

// ---------------------------------------------------------------- reading

struct ReadSheet {
  OrderSheet lines;
  bool forty = false;
  bool beall = false;
  std::string ksz;
  std::string ford;
  std::int32_t start_x = 0, start_y = 0, teleport_x = 0, teleport_y = 0;
  std::uint8_t ef_factor = 0;
  int bad_line = 0;  // the order line of a Misaligned or ManualTvp fault
};

enum class ReadFault { None, Truncated, Damaged, Misaligned, ManualTvp, BadCoordinates, EmailFile };

constexpr std::int32_t kManualTvpLimit = 999;  // the manual column holds -999..999

// The file's lines; a line ends at CR LF, LF or a lone CR. Only a line that
// ends in a line break is whole: the file may have been cut inside the last.
class SheetLines {
 public:
  explicit SheetLines(std::string_view bytes) : bytes_(bytes) {}

  // The next whole line; false when the file ends before or inside it.
  bool Next(std::string_view& line) {
    const std::size_t end = bytes_.find_first_of("\r\n", pos_);
    // A CR that ends the data may be a CR LF cut in two.
    if (end == std::string_view::npos || (bytes_[end] == '\r' && end + 1 == bytes_.size())) return false;
    line = bytes_.substr(pos_, end - pos_);
    pos_ = end + 1;
    if (bytes_[end] == '\r' && pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

// The turn as the sheet shows it (the digits before the first other
// character). A value that cannot be a turn, such as a negative one or one of
// more than four digits, counts as no number. (The status line reads a turn
// its own way; a sheet file's name and line 4 use this one.)
std::int32_t SheetTurnNumber(std::string_view text) {
  const std::int32_t turn = LeadingNumber(text);
  return turn < 0 || turn > 9999 ? 0 : turn;
}

// Reads one order line after its "| nn. " into line `l` of `out`. The TVP
// column is framed by two "¦"; the first stands in a fixed column, so a line
// whose columns have slipped (a parameter wider than its field, or the file
// saved again in another code page, where "¦" takes two bytes) is refused
// rather than read as other values. A TVP wider than its four columns pushes
// the second "¦" and what follows it to the right.
ReadFault ParseOrderLine(std::string_view line, int l, std::size_t w, ReadSheet& out) {
  const auto i = static_cast<std::size_t>(l);
  // Columns of the narrower form stand three to the left.
  const std::size_t shift = w == 5 ? 0 : 3;
  const std::size_t first_bar = 34 - shift;  // 1-based columns
  const std::size_t tvp_from = first_bar + 1;
  const std::size_t tvp_to = 39 - shift;  // the TVP's last column when it fits
  if (line.size() < first_bar || line[first_bar - 1] != kBar) return ReadFault::Misaligned;
  const std::size_t second_bar = line.find(kBar, first_bar) + 1;  // 0 when there is none
  if (second_bar <= tvp_to || line.size() < second_bar + 2 || line[second_bar + 1] != '|')
    return ReadFault::Misaligned;

  std::string_view rest = line;
  DropFront(rest, 6);

  // Kept with its trailing blanks: the refresh removes them.
  const std::string_view code = rest.substr(0, std::min<std::size_t>(4, rest.size()));
  out.lines.SheetCodes[i] = Contains(code, "-") ? std::string() : std::string(code);
  DropFront(rest, 5);

  auto& p = out.lines.SheetParams[i];
  for (int k = 0; k < 2; ++k) {
    const std::string_view field = rest.substr(0, std::min(w, rest.size()));
    p[static_cast<std::size_t>(k)] = Contains(field, "-") ? 0 : LeadingNumber(field);
    DropFront(rest, w + 2);
  }
  // In P3 a "-" just before the last digit is a one-digit negative value; a
  // "-" anywhere else marks the empty field.
  const std::string_view p3 = rest.substr(0, std::min(w, rest.size()));
  const std::size_t minus = p3.find('-');
  if (minus == std::string_view::npos)
    p[2] = LeadingNumber(p3);
  else if (minus + 1 == w - 1)
    p[2] = -LeadingNumber(p3.substr(minus + 1));
  else
    p[2] = 0;

  out.lines.SheetTvp[i] = LeadingNumber(Columns(line, tvp_from, second_bar - tvp_from));
  // The EF order's factor is its TVP per point; after the loop it holds the
  // value of the sheet's last line.
  out.ef_factor = 0;
  if (code == "EF  " && p[0] != 0)
    out.ef_factor = static_cast<std::uint8_t>(std::int64_t{out.lines.SheetTvp[i]} / p[0]);

  // The manual TVP: right-aligned in the seven columns after " ¦ | ". A value
  // that does not fit them (only a hand-edited file can hold one) would read as
  // another number.
  std::string_view manual = Columns(line, second_bar + 4, 7);
  const std::size_t start = manual.find_first_not_of(' ');
  const auto fault_of = [&line](std::size_t from) {
    const std::int32_t whole = LeadingNumber(line.substr(from, line.find(' ', from) - from));
    return whole < -kManualTvpLimit || whole > kManualTvpLimit ? ReadFault::ManualTvp : ReadFault::Misaligned;
  };
  if (start == std::string_view::npos) {
    // The writer puts even a 0 in the column's last place: a number right
    // after an empty column is the manual value pushed out of it.
    const std::size_t after = second_bar + 3 + 7;
    if (after < line.size() && line[after] != ' ') return fault_of(after);
    out.lines.SheetTvpManual[i] = 0;
    return ReadFault::None;
  }
  // The VP column (seven wide, wider for a large value) follows with no blank
  // of its own, so the number may run on past the manual column only when at
  // least a whole VP column adjoins it. Anything shorter running on is the
  // manual value itself, typed wider or further right than its column:
  // "     12345" must not read as 123.
  const std::size_t from = second_bar + 3 + start;  // 0-based, the number's first byte
  const std::size_t run = std::min(line.find(' ', from), line.size()) - from;
  const std::size_t run_end = start + run;  // within the manual column, 7 when it ends there
  const std::string_view number = manual.substr(start, run_end <= 7 ? run : 7 - start);
  const std::int32_t value = LeadingNumber(number);
  if (run_end > 7 && run_end < 7 + 7) return fault_of(from);
  if (value < -kManualTvpLimit || value > kManualTvpLimit) return ReadFault::ManualTvp;
  out.lines.SheetTvpManual[i] = value;
  return ReadFault::None;
}

ReadFault ParseSheet(std::string_view bytes, ReadSheet& out) {
  SheetLines in(bytes);
  std::string_view line;
  // A file's first line may be its only one: an e-mail order file is
  // recognised even without a line break after it.
  const std::string_view first = bytes.substr(0, bytes.find_first_of("\r\n"));
  if (Contains(first, kEmailMark)) return ReadFault::EmailFile;

  if (!in.Next(line)) return ReadFault::Truncated;
  out.forty = Contains(line, "40 soros");
  out.beall = Contains(line, "BEALL");

  if (!in.Next(line) || !in.Next(line)) return ReadFault::Truncated;
  if (Contains(line, kStartLabel) && !ReadCoordinatePair(line, kStartLabel, out.start_x, out.start_y))
    return ReadFault::BadCoordinates;

  if (!in.Next(line)) return ReadFault::Truncated;
  const std::string_view line4 = line;
  if (Contains(line4, kTeleportLabel) && !ReadCoordinatePair(line4, kTeleportLabel, out.teleport_x, out.teleport_y))
    return ReadFault::BadCoordinates;
  // The older, narrower form has 4-digit parameter fields and a shorter line 4.
  // The teleport text appended to line 4 says nothing about the form.
  const std::size_t form_width = std::min(line4.size(), line4.find(kTeleportLabel));
  const std::size_t w = form_width >= 42 ? 5 : 4;
  out.ksz = CharacterNumber(Columns(line4, 7, 4));
  std::string_view turn = Columns(line4, w == 5 ? 37 : 35);
  turn.remove_suffix(std::min<std::size_t>(2, turn.size()));
  out.ford = PadTurn(std::to_string(SheetTurnNumber(turn)));

  for (int k = 0; k < 3; ++k)
    if (!in.Next(line)) return ReadFault::Truncated;

  const int line_count = out.forty ? 40 : 20;
  for (int l = 1; l <= line_count; ++l) {
    if (l > 1 && l % 5 == 1 && !in.Next(line)) return ReadFault::Truncated;  // the separator line
    if (!in.Next(line)) return ReadFault::Truncated;
    // Every order line starts "| nn. "; anything else is no sheet, or one whose
    // lines have slipped.
    if (Columns(line, 1, 1) != "|" || LeadingNumber(Columns(line, 2, 3)) != l) return ReadFault::Damaged;
    if (const ReadFault fault = ParseOrderLine(line, l, w, out); fault != ReadFault::None) {
      out.bad_line = l;
      return fault;
    }
  }
  // A sheet is whole only with its closing lines: the frame under the TVP
  // column and the check-number line.
  if (!in.Next(line)) return ReadFault::Truncated;
  if (!Contains(line, "+-----+")) return ReadFault::Damaged;
  if (!in.Next(line)) return ReadFault::Truncated;
  if (!Contains(line, " Ell.szám "_w)) return ReadFault::Damaged;
  return ReadFault::None;
}


// The character's values from its settings entry, or the defaults and a new
// entry for a character met for the first time.
void TakeCharacterSettings() {
  auto& ch = CharSettings();
  ch = TCharSettings{};
  ch.CharMozg = 10;
  ch.CharFelt = 10;
  const std::string& ksz = SheetModel().Header.KSZ;
  if (ksz == "0000" || ksz.find_first_not_of(' ') == std::string::npos) return;
  if (const std::uint8_t found = FindSheetSettings(); found != 0) {
    const auto& e = Accounts().SettingsTable[found];
    ch.CharMozg = e.MOZG;
    ch.CharFelt = e.FELT;
    ch.CharTerfokusz = e.TERFOKUSZ;
    ch.CharTvp = e.TVP;
    ch.CharVp = e.VP;
    ch.CharPp = e.PP;
    ch.CharTu = e.TU;
    return;
  }
  TSettingsEntry fresh;
  fresh.KSZ = SettingsKey(ksz);
  fresh.MOZG = 10;
  fresh.FELT = 10;
  AppendSettingsEntry(fresh);
}

// An e-mail order file carries no coordinates, TVP or character values: those
// start from zero and the defaults, the map window's fields keep their texts,
// and the EF factor stays what it was.
void LoadEmailFile(std::string_view bytes, const std::string& file_name) {
  AddRecentFile(Lower(file_name));
  auto& c = Orders().StartCoords;
  c.StartX = 0;
  c.StartY = 0;
  c.TeleportX = 0;
  c.TeleportY = 0;
  LoadEmailSheet(bytes);
  TakeCharacterSettings();
}

}  // namespace

std::string SheetFileName(const SheetHeader& header) {
  return header.KSZ + "-" + header.FORD + (header.SendFlags[BEALL] ? "b" : "") + ".ul";
}

void PrepareSheetForm(SheetState& sheet) {
  auto& h = sheet.Header;
  sheet.Sheet40Lines = false;
  for (int l = 21; l <= kSheetLines; ++l)
    if (!sheet.Lines.SheetCodes[static_cast<std::size_t>(l)].empty()) sheet.Sheet40Lines = true;
  // The header in the form a load gives it back, so that saving a loaded
  // sheet again writes the same name and bytes.
  h.FORD = PadTurn(std::to_string(SheetTurnNumber(h.FORD)));
  h.KSZ = CharacterNumber(h.KSZ);
}

std::string SheetFormRefusal() {
  const auto& sheet = SheetModel();
  const std::string not_saved = ", a lap nem lett mentve."_w;
  if (sheet.Header.KSZ.size() > 4)
    return "A karakterszám ("_w + PrintableText(sheet.Header.KSZ) + ") nem fér el a fájlban"_w + not_saved;
  SheetState planned = sheet;
  PrepareSheetForm(planned);
  const std::string name = SheetFileName(planned.Header);
  // The name comes from header fields that a loaded file can fill: it must not
  // lead out of the folder, nor break the line it is written on.
  if (name.find_first_of(std::string_view("/\\\0\r\n", 5)) != std::string::npos)
    return "Érvénytelen fájlnév, a lap nem menthető: "_w + PrintableText(name);
  const int line_count = planned.Sheet40Lines ? 40 : 20;
  for (int l = 1; l <= line_count; ++l) {
    const auto i = static_cast<std::size_t>(l);
    const std::string line = "A(z) "_w + std::to_string(l) + ". sor ";
    const std::string& code = sheet.Lines.SheetCodes[i];
    if (HasLineBreak(code)) return line + "kódja sortörést tartalmaz"_w + not_saved;
    if (code.size() > kCodeLength) return line + "kódja ("_w + PrintableText(code) + ") nem fér el a fájlban"_w + not_saved;
    // A parameter has five columns; a "-" in them is the empty field's mark,
    // so a negative P1 or P2 (and P3 below -9) reads back as 0.
    for (std::size_t k = 0; k < 3; ++k) {
      const std::int32_t p = sheet.Lines.SheetParams[i][k];
      if (p < -9999 || p > 99999)
        return line + "P" + std::to_string(k + 1) + " értéke ("_w + std::to_string(p) + ") nem fér el a fájlban"_w +
               not_saved;
    }
    const std::int32_t manual = sheet.Lines.SheetTvpManual[i];
    if (manual < -kManualTvpLimit || manual > kManualTvpLimit)
      return line + "kézi TVP értéke ("_w + std::to_string(manual) + ") nem fér el a fájlban"_w + not_saved;
  }
  return {};
}

bool WriteSheetForm(const std::string& dir) {
  if (const std::string why = SheetFormRefusal(); !why.empty()) {
    Messages().Show(why, MessageKind::Error);
    return false;
  }
  auto& sheet = SheetModel();
  // A failed save leaves the sheet as it was.
  const SheetHeader header_before = sheet.Header;
  const bool forty_before = sheet.Sheet40Lines;
  PrepareSheetForm(sheet);
  const std::string name = SheetFileName(sheet.Header);
  ComputeStatusValues();
  if (const FileWriteResult written = WriteFileAtomically(ResolvePathNoCase(dir, name), SheetFormText()); !written) {
    sheet.Header = header_before;
    sheet.Sheet40Lines = forty_before;
    Messages().Show("A lap mentése nem sikerült: "_w + name +
                        WriteFailureNote(written, "a korábbi fájl változatlan maradt"_w) + ".",
                    MessageKind::Error);
    return false;
  }
  AddRecentFile(Lower(name));
  Editor().SheetModified = false;
  return true;
}

bool LoadSheet(const std::string& dir, const std::string& file_name) {
  const std::string path = FindFileNoCase(dir, file_name);
  const auto bytes = path.empty() ? std::nullopt : ReadWholeFile(path);
  if (!bytes) {
    Messages().Show("A fájl nem található vagy nem olvasható: "_w + file_name, MessageKind::Error);
    return false;
  }
  ReadSheet read;
  switch (ParseSheet(*bytes, read)) {
    case ReadFault::None:
      break;
    case ReadFault::Truncated:
      Messages().Show("A fájl hiányos, nem tölthető be: "_w + file_name, MessageKind::Error);
      return false;
    case ReadFault::Damaged:
      Messages().Show("A fájl nem UL lap vagy sérült, nem tölthető be: "_w + file_name, MessageKind::Error);
      return false;
    case ReadFault::Misaligned:
      Messages().Show("A fájl "_w + std::to_string(read.bad_line) +
                          ". sorának oszlopai elcsúsztak (például más kódolással mentették el újra), "
                          "nem tölthető be: "_w + file_name,
                      MessageKind::Error);
      return false;
    case ReadFault::ManualTvp:
      Messages().Show("A fájl "_w + std::to_string(read.bad_line) +
                          ". sorában a kézi TVP nem fér a -999..999 tartományba, nem tölthető be: "_w + file_name,
                      MessageKind::Error);
      return false;
    case ReadFault::BadCoordinates:
      Messages().Show("Hibás koordináta a fájlban, nem tölthető be: "_w + file_name, MessageKind::Error);
      return false;
    case ReadFault::EmailFile:
      LoadEmailFile(*bytes, file_name);
      return true;
  }

  AddRecentFile(Lower(file_name));

  auto& orders = Orders();
  auto& c = orders.StartCoords;
  auto& f = Orders().MapFields;
  c.StartX = read.start_x;
  c.StartY = read.start_y;
  f.Edit1 = std::to_string(c.StartX);
  f.Edit2 = std::to_string(c.StartY);
  c.TeleportX = read.teleport_x;
  c.TeleportY = read.teleport_y;
  c.LoadedTeleportX = read.teleport_x;
  c.LoadedTeleportY = read.teleport_y;
  // The box set from code: a real change does what its click does, so a
  // loaded teleport pair takes over the fields when the box turns on.
  SetTeleportChecked(read.teleport_x > 0 || read.teleport_y > 0);
  f.Edit3 = std::to_string(read.teleport_x);
  f.Edit4 = std::to_string(read.teleport_y);

  auto& sheet = SheetModel();
  sheet.Lines = read.lines;
  sheet.Sheet40Lines = read.forty;
  sheet.Header.SendFlags[BEALL] = read.beall;
  sheet.Header.PREKAR = "0000";
  sheet.Header.PREFORD = "0000";
  sheet.Header.KSZ = read.ksz;
  sheet.Header.FORD = read.ford;
  orders.EfFactor = read.ef_factor;

  TakeCharacterSettings();
  return true;
}

void LoadAccountsAndSettingsAtStart(const std::string& program_dir) {
  LoadAccountsAndSettings(program_dir);
  auto& ed = Editor();
  ed.CursorCell = 10;
  ed.CurLine = 1;
  ed.ResourceView = false;
  ed.ColorMarkup = true;
  Modes().PromptIndex = 10;
  Status().TotalTvp = 0;
  Status().TvpToCursor = 0;
  LastDrawnStatus().TvpToCursor = -999;  // nothing drawn yet
  Orders().EfFactor = 10;
}

}  // namespace vorda
