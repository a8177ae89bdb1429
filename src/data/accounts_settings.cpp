#include "data/accounts_settings.h"

#include <algorithm>
#include <memory>

#include "data/char_settings.h"
#include "data/field_reader.h"
#include "data/text.h"
#include "platform/win1250.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace vorda {

namespace {

std::unique_ptr<AccountsState> g_accounts = std::make_unique<AccountsState>();

constexpr std::string_view kAccountFile = "SZAMLAK.CFG";
constexpr std::string_view kSettingsFile = "beallit.cfg";
constexpr std::string_view kCrLf = "\r\n";

// The labels of an account block, each 10 characters: the key, blanks to 8, "= ".
constexpr std::array<std::string_view, kSendFlagCount> kFlagLabels = {
    "ELV     = ", "UL      = ", "JL      = ", "EXT     = ", "LSZ     = ", "B64     = ",
    "B64P    = ", "UU      = ", "UUP     = ", "POSTA   = ", "BEALL   = "};
constexpr std::size_t kLabelWidth = 10;

bool OnlySeparatorsFrom(std::string_view bytes, std::size_t pos) {
  for (; pos < bytes.size(); ++pos) {
    const char c = bytes[pos];
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
  }
  return true;
}

// A number right-aligned in its column. One that fills the column or runs past
// it is written whole with one blank in front: glued to the number before it,
// it would read back as one wrong number or none.
std::string NumberColumn(std::int32_t value, int width) {
  std::string s = IntToStrPadded(value, width);
  if (s.front() != ' ') s.insert(0, 1, ' ');
  return s;
}

// True when the line from `pos` holds nothing but blanks (or nothing at all).
bool BlankLineAt(std::string_view bytes, std::size_t pos) {
  for (; pos < bytes.size() && bytes[pos] != '\r' && bytes[pos] != '\n'; ++pos)
    if (bytes[pos] != ' ' && bytes[pos] != '\t') return false;
  return true;
}

bool IsEmptyRecord(const TAccountRecord& r) {
  if (!r.KSZ.empty() || !r.SZLA.empty() || !r.KOD.empty() || !r.EMAIL.empty()) return false;
  for (const bool f : r.Flags)
    if (f) return false;
  return true;
}

void ReadAccountFile(const std::string& dir) {
  auto& st = Accounts();
  st.AccountCount = 0;
  const std::string path = FindFileNoCase(dir, kAccountFile);
  if (path.empty()) return;
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return;

  FieldReader in(*bytes);
  in.SkipLine();
  in.SkipLine();
  bool refused = false;
  while (!in.Eof()) {
    TAccountRecord r;
    auto read_value = [&in](std::size_t width) {
      in.ReadText(kLabelWidth);
      std::string v = in.ReadText(width);
      in.SkipLine();
      return v;
    };
    r.KSZ = read_value(4);
    r.SZLA = read_value(5);
    r.KOD = read_value(18);
    // The EMAIL line is there only when the account has an address; without it
    // this line is already the ELV line.
    const std::string label = in.ReadText(kLabelWidth);
    std::string value = in.ReadText(35);
    in.SkipLine();
    if (label.find("EMAIL") != std::string::npos) {
      r.EMAIL = value;
      value = read_value(3);
    } else {
      value.resize(std::min<std::size_t>(value.size(), 3));
    }
    r.Flags[ELVESZETT] = value == "ON";
    for (int f = UL; f < kSendFlagCount; ++f) r.Flags[static_cast<std::size_t>(f)] = read_value(3) == "ON";
    in.SkipLine();  // the empty line between blocks

    // Blank lines at the end of the file leave a record with nothing in it.
    if (IsEmptyRecord(r)) continue;
    if (st.AccountCount >= kAccountCapacity) {
      refused = true;
      break;
    }
    ++st.AccountCount;
    st.AccountTable[static_cast<std::size_t>(st.AccountCount)] = std::move(r);
  }
  if (refused)
    Messages().Show("A SZAMLAK.CFG 100-nál több számlát tartalmaz: a program csak az első 100-at olvasta be."_w,
                    MessageKind::Warning);
}

void ReadSettingsFile(const std::string& dir) {
  auto& st = Accounts();
  const std::string path = FindFileNoCase(dir, kSettingsFile);
  if (path.empty()) return;
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return;

  FieldReader in(*bytes);
  in.SkipLine();
  in.SkipLine();
  st.SettingsCount = 0;
  int dropped = 0;
  bool refused = false;
  while (!in.Eof()) {
    // A blank line between entries is skipped: read as an entry, its empty
    // KSZ would take the next line's number as MOZG.
    if (BlankLineAt(*bytes, in.Position())) {
      in.SkipLine();
      continue;
    }
    TSettingsEntry e;
    e.KSZ = SettingsKey(in.ReadText(4));
    // MOZG, FELT, TVP, VP, PP, TU, TERFOKUSZ; numbers may run onto the next line.
    std::array<std::int32_t, 7> n{};
    bool ok = true;
    bool complete = true;
    for (auto& value : n) {
      if (OnlySeparatorsFrom(*bytes, in.Position())) {
        complete = false;
        break;
      }
      if (!in.ReadNumber(value)) {
        ok = false;
        break;
      }
    }
    in.SkipLine();
    if (!complete) {
      // The file ends inside this entry. Trailing blank lines are nothing to
      // report; a cut-off entry is dropped like a damaged one.
      if (e.KSZ.find_first_not_of(" \t") != std::string::npos) ++dropped;
      break;
    }
    if (!ok) {
      ++dropped;
      continue;
    }
    if (st.SettingsCount >= kSettingsCapacity) {
      refused = true;
      break;
    }
    // Each value kept in its field's width, as the table stores it.
    e.MOZG = static_cast<std::uint8_t>(n[0]);
    e.FELT = static_cast<std::uint8_t>(n[1]);
    e.TVP = n[2];
    e.VP = n[3];
    e.PP = n[4];
    e.TU = static_cast<std::int8_t>(static_cast<std::uint8_t>(n[5]));
    e.TERFOKUSZ = static_cast<std::uint8_t>(n[6]);
    ++st.SettingsCount;
    st.SettingsTable[st.SettingsCount] = std::move(e);
  }
  if (dropped > 0)
    Messages().Show("A beallit.cfg "_w + std::to_string(dropped) +
                        " hibás vagy csonka bejegyzését a program kihagyta."_w,
                    MessageKind::Warning);
  if (refused)
    Messages().Show(
        "A beallit.cfg 100-nál több karakter beállításait tartalmazza: a program csak az első 100-at olvasta be."_w,
        MessageKind::Warning);
}

// The header and character values every start begins from, whether or not the
// files exist.
void ResetHeaderAndCharacter() {
  auto& sheet = SheetModel();
  auto& h = sheet.Header;
  h.KSZ = "0000";
  h.FORD = "0000";
  h.PREKAR = "0000";
  h.PREFORD = "0000";
  h.SZLA = "00000";
  auto& ch = CharSettings();
  ch.CharMozg = 10;
  ch.CharFelt = 10;
  ch.CharTerfokusz = 0;
  ch.CharTvp = 0;
  for (int l = 1; l <= kSheetLines; ++l) sheet.Lines.SheetTvpManual[static_cast<std::size_t>(l)] = 0;
}

std::string AccountFileText() {
  const auto& st = Accounts();
  std::string out;
  auto line = [&out](std::string_view a, std::string_view b = {}) {
    out += a;
    out += b;
    out += kCrLf;
  };
  line("; Ha lehet, ebbe a file-ba ne piszkálj bele..."_w);
  line("; Bár minden átírható kézzel is, de biztonságosabb programból:)"_w);
  const int count = std::min(st.AccountCount, kAccountCapacity);
  for (int i = 1; i <= count; ++i) {
    const auto& r = st.AccountTable[static_cast<std::size_t>(i)];
    line("KARAKTER= ", r.KSZ);
    line("SZAMLA  = ", r.SZLA);
    line("KOD     = ", r.KOD);
    if (!r.EMAIL.empty()) line("EMAIL   = ", r.EMAIL);
    for (int f = ELVESZETT; f < BEALL; ++f)
      line(kFlagLabels[static_cast<std::size_t>(f)], r.Flags[static_cast<std::size_t>(f)] ? "ON" : "OFF");
    // A settings sheet is never the default: the flag is stored off.
    line("BEALL   = OFF");
    line("");
  }
  return out;
}

std::string SettingsFileText() {
  const auto& st = Accounts();
  std::string out = "Az alábbi sorok a karakterekre vonatkozó információk"_w;
  out += kCrLf;
  out += "#KSZ MOZG FELT    TVP     VP    PP   TU   TERFOKUSZ";
  out += kCrLf;
  const int count = std::min<int>(st.SettingsCount, kSettingsCapacity);
  for (int i = 1; i <= count; ++i) {
    const auto& e = st.SettingsTable[static_cast<std::size_t>(i)];
    // TERFOKUSZ is the record's third field but the file's last column.
    out += SettingsKey(e.KSZ);
    out += NumberColumn(e.MOZG, 5);
    out += NumberColumn(e.FELT, 5);
    out += NumberColumn(e.TVP, 7);
    out += NumberColumn(e.VP, 7);
    out += NumberColumn(e.PP, 6);
    out += NumberColumn(e.TU, 5);
    out += NumberColumn(e.TERFOKUSZ, 12);
    out += kCrLf;
  }
  return out;
}

}  // namespace

AccountsState& Accounts() { return *g_accounts; }

void ResetAccounts() { g_accounts = std::make_unique<AccountsState>(); }

void LoadAccountsAndSettings(const std::string& dir) {
  ReadAccountFile(dir);
  ResetHeaderAndCharacter();
  ReadSettingsFile(dir);
}

std::string AccountFileRefusal() {
  const auto& st = Accounts();
  for (int i = 1; i <= std::min(st.AccountCount, kAccountCapacity); ++i) {
    const auto& r = st.AccountTable[static_cast<std::size_t>(i)];
    const std::string which = "a(z) "_w + std::to_string(i) + ". számla "_w;
    // The password is never quoted.
    const struct {
      const char* name;
      const std::string& value;
      std::size_t width;
      bool quote;
    } fields[] = {{"KARAKTER", r.KSZ, 4, true}, {"SZAMLA", r.SZLA, 5, true}, {"KOD", r.KOD, 18, false},
                  {"EMAIL", r.EMAIL, 35, true}};
    for (const auto& f : fields) {
      if (HasLineBreak(f.value)) return which + f.name + " értéke sortörést tartalmaz"_w;
      if (f.value.size() > f.width)
        return which + f.name + " értéke "_w + (f.quote ? "(" + PrintableText(f.value) + ") " : std::string()) +
               "hosszabb "_w + std::to_string(f.width) + " karakternél, nem fér el a fájlban"_w;
    }
  }
  return {};
}

std::string SettingsFileRefusal() {
  const auto& st = Accounts();
  for (int i = 1; i <= std::min<int>(st.SettingsCount, kSettingsCapacity); ++i) {
    const std::string& ksz = st.SettingsTable[static_cast<std::size_t>(i)].KSZ;
    const std::string which = "a(z) "_w + std::to_string(i) + ". karakter KSZ értéke "_w;
    if (HasLineBreak(ksz)) return which + "sortörést tartalmaz"_w;
    if (ksz.size() > 4) return which + "(" + PrintableText(ksz) + ") hosszabb 4 karakternél, nem fér el a fájlban"_w;
  }
  return {};
}

std::vector<UnsavedFile> SaveAccountsAndSettings(const std::string& dir) {
  const auto& st = Accounts();
  std::vector<UnsavedFile> unsaved;
  auto save = [&](std::string_view name, const std::string& what, const std::string& refusal, auto text,
                  FileAccess access) {
    if (!refusal.empty()) {
      unsaved.push_back({std::string(name), what, refusal});
      return;
    }
    const FileWriteResult written = WriteFileAtomically(ResolvePathNoCase(dir, name), text(), access);
    if (!written) unsaved.push_back({std::string(name), what, WriteFailureReason(written)});
  };
  if (st.AccountCount > 0)
    save(kAccountFile, "a számlák"_w, AccountFileRefusal(), AccountFileText, FileAccess::OwnerOnly);
  if (st.SettingsCount > 0)
    save(kSettingsFile, "a karakterek beállításai"_w, SettingsFileRefusal(), SettingsFileText, FileAccess::Shared);
  return unsaved;
}

std::uint8_t FindAccount(std::string_view code) {
  const auto& st = Accounts();
  for (int i = std::min(st.AccountCount, kAccountCapacity); i >= 1; --i)
    if (st.AccountTable[static_cast<std::size_t>(i)].KSZ == code) return static_cast<std::uint8_t>(i);
  return 0;
}

std::string SettingsKey(std::string_view ksz) {
  std::string key(ksz.substr(0, 4));
  key.insert(0, 4 - key.size(), ' ');
  return key;
}

std::string CharacterNumber(std::string_view ksz) {
  std::string key = SettingsKey(ksz);
  if (key.find_first_not_of(' ') == std::string::npos) return "0000";
  return key;
}

std::uint8_t FindSheetSettings() {
  const auto& st = Accounts();
  const std::string ksz = SettingsKey(SheetModel().Header.KSZ);
  for (int i = std::min<int>(st.SettingsCount, kSettingsCapacity); i >= 1; --i)
    if (SettingsKey(st.SettingsTable[static_cast<std::size_t>(i)].KSZ) == ksz) return static_cast<std::uint8_t>(i);
  return 0;
}

std::uint8_t AppendAccount(const TAccountRecord& record) {
  auto& st = Accounts();
  if (st.AccountCount >= kAccountCapacity) {
    Messages().Show("A számlák táblája megtelt (100 számla): a(z) "_w + record.KSZ +
                        " karakter számlája nem vehető fel."_w,
                    MessageKind::Error);
    return 0;
  }
  ++st.AccountCount;
  st.AccountTable[static_cast<std::size_t>(st.AccountCount)] = record;
  return static_cast<std::uint8_t>(st.AccountCount);
}

std::uint8_t AppendSettingsEntry(const TSettingsEntry& entry) {
  auto& st = Accounts();
  if (st.SettingsCount >= kSettingsCapacity) {
    Messages().Show("A karakterbeállítások táblája megtelt (100 karakter): a(z) "_w + entry.KSZ +
                        " karakter beállításai nem menthetők."_w,
                    MessageKind::Error);
    return 0;
  }
  ++st.SettingsCount;
  st.SettingsTable[st.SettingsCount] = entry;
  return st.SettingsCount;
}

}  // namespace vorda
