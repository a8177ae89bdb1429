#include "mail/email_dialog.h"

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "data/accounts_settings.h"
#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "data/text.h"
#include "editor/editor_state.h"
#include "editor/email_sheet_files.h"
#include "editor/sheet_files.h"
#include "editor/sheet_screen.h"
#include "editor/sheet_totals.h"
#include "mail/emv_file.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/win1250.h"

namespace vorda {

namespace {

EmailDialogState g_dialog;

constexpr char kBackspace = 8;
constexpr char kTab = 9;
constexpr char kEnter = 13;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A field typed on the form holds digits only; anything else (a value from a
// file read back, an emptied edit) is no number.
std::optional<std::int32_t> FormNumber(std::string_view s) {
  if (s.empty() || s.size() > 9) return std::nullopt;
  for (char c : s)
    if (!IsDigit(c)) return std::nullopt;
  return LeadingNumber(s);
}

std::string Cut(std::string_view s, std::size_t width) { return std::string(s.substr(0, width)); }

SheetHeader& Header() { return SheetModel().Header; }

void RefreshQueueLabel() {
  auto& d = g_dialog;
  if (d.Edit[5].empty() && d.Edit[6].empty()) {
    d.Label8.clear();
    return;
  }
  const auto& h = Header();
  d.Label8 = CharacterName(LeadingNumber(h.PREKAR)) + "\r" + std::to_string(LeadingNumber(h.PREFORD)) +
             ". fordulója után lesz táplálva"_w;
}

void Show(const std::string& text) { Messages().Show(text, MessageKind::Information); }

// The four checks of the account data, in the order the player reads them.
// The first that fails is shown; true when all pass.
bool CheckAccountData() {
  const auto& h = Header();
  const std::string not_saved = "\rAz UL nem lett elmentve!!!"_w;
  const auto ford = FormNumber(h.FORD);
  if (!ford || *ford == 0) {
    Show("E-mail UL mentésnél KÖTELEZÖ\rfordulószámot megadni!"_w + not_saved);
    return false;
  }
  const auto ksz = FormNumber(h.KSZ);
  if (!ksz || *ksz < 1000) {
    Show("A karakterszám 1000-nél kisebb!"_w + not_saved);
    return false;
  }
  if (h.PSW.empty()) {
    Show("Nincs megadva táplálási jelszó"_w + not_saved);
    return false;
  }
  const auto szla = FormNumber(h.SZLA);
  if (!szla || *szla < 1000) {
    Show("A számlaszám nem lehet 1000-nél kisebb"_w + not_saved);
    return false;
  }

  return true;
}

void StoreAccount() {
  const auto& h = Header();
  auto& table = Accounts().AccountTable;
  TAccountRecord fresh;
  std::uint8_t i = FindAccount(h.KSZ);
  TAccountRecord& record = i > 0 ? table[i] : fresh;
  record.KSZ = h.KSZ;
  record.SZLA = h.SZLA;
  // The record keeps a longer order password whose first eight characters are
  // the feeding password: the form shows only those eight.
  if (record.KOD.substr(0, 8) != h.PSW) record.KOD = h.PSW;
  for (int f = ELVESZETT; f <= POSTA; ++f) record.Flags[static_cast<std::size_t>(f)] = h.SendFlags[static_cast<std::size_t>(f)];
  record.EMAIL = h.EMAIL;
  if (i == 0) AppendAccount(fresh);  // a full table shows why and takes nothing
}

}  // namespace

EmailDialogState& EmailDialog() { return g_dialog; }
void ResetEmailDialog() { g_dialog = EmailDialogState{}; }

bool EmailEditKeyPress(int edit, char key, EmailFocus& focus) {
  focus = EmailFocus::None;
  if (key == kEnter) {
    switch (edit) {
      case 1: focus = EmailFocus::Edit2; break;
      case 2: focus = EmailFocus::Edit3; break;
      case 3: focus = EmailFocus::Edit4; break;
      case 4: focus = EmailFocus::CheckBox1; break;
      case 5: focus = EmailFocus::Edit6; break;
      case 6: focus = EmailFocus::Edit1; break;
      case 7: focus = EmailFocus::Edit1; break;
      default: break;
    }
    return false;
  }
  if (key == kBackspace || key == kTab || IsDigit(key)) return true;
  if (edit == 4) return IsLetter(key);
  if (edit == 7) return IsLetter(key) || key == ',' || key == '-' || key == '.' || key == '@';
  return false;
}

void EmailFormActivate() {
  auto& d = g_dialog;
  const auto& h = Header();
  d.AccountLookupPending = true;
  d.Edit[1] = h.KSZ;
  const auto ford = FormNumber(h.FORD);
  d.Edit[2] = ford ? std::to_string(*ford) : h.FORD;
  d.Edit[3] = h.SZLA;
  d.Edit[4] = h.PSW;
  if (h.PREKAR != "0000" && h.PREFORD != "0000") {
    d.Edit[5] = h.PREKAR;
    d.Edit[6] = h.PREFORD;
  } else {
    d.Edit[5].clear();
    d.Edit[6].clear();
  }
  RefreshQueueLabel();
  for (int b = 1; b <= kSendFlagCount; ++b) SetEmailCheckBox(b, h.SendFlags[static_cast<std::size_t>(b - 1)]);
  Editor().EditorReady = false;
  d.Label9 = "Milyen e-mail címre kéred az UL-OK-ot?\r(opcionális)"_w;
}

void EmailFormClose() {
  Editor().EditorReady = true;
  Editor().EditorMode = 1;
}

void Edit1Enter() { g_dialog.SheetPrevCharacter = Header().KSZ; }

void Edit1KeyUp(const std::string& text) {
  auto& d = g_dialog;
  auto& h = Header();
  d.Edit[1] = Cut(text, kEmailEditLength[1]);
  h.KSZ = d.Edit[1];
  if (h.KSZ == d.SheetPrevCharacter && !d.AccountLookupPending) return;
  d.AccountLookupPending = false;
  d.SheetPrevCharacter = h.KSZ;

  const std::uint8_t i = FindAccount(h.KSZ);
  if (i > 0) {
    const TAccountRecord& r = Accounts().AccountTable[i];
    h.KSZ = r.KSZ;
    h.SZLA = r.SZLA.size() == 4 ? "0" + r.SZLA : r.SZLA;
    h.PSW = Cut(r.KOD, 8);
    h.EMAIL = r.EMAIL;
  } else {
    h.SZLA = "00000";
    h.PSW.clear();
    h.EMAIL.clear();
  }
  d.Edit[3] = h.SZLA;
  d.Edit[4] = h.PSW;
  d.Edit[7] = h.EMAIL;
  // BEALL belongs to the sheet, not to the account.
  for (int f = ELVESZETT; f <= POSTA; ++f) {
    const bool on = i > 0 && Accounts().AccountTable[i].Flags[static_cast<std::size_t>(f)];
    h.SendFlags[static_cast<std::size_t>(f)] = on;
    SetEmailCheckBox(f + 1, on);
  }
}

void EmailEditKeyUp(int edit, const std::string& text) {
  if (edit < 2 || edit > 7) return;
  auto& d = g_dialog;
  auto& h = Header();
  d.Edit[static_cast<std::size_t>(edit)] = Cut(text, kEmailEditLength[static_cast<std::size_t>(edit)]);
  const std::string& value = d.Edit[static_cast<std::size_t>(edit)];
  switch (edit) {
    case 2: h.FORD = value; break;
    case 3: h.SZLA = value; break;
    case 4: h.PSW = value; break;
    case 7: h.EMAIL = value; break;
    case 5:
    case 6:
      (edit == 5 ? h.PREKAR : h.PREFORD) = value.empty() ? std::string("0000") : value;
      RefreshQueueLabel();
      break;
    default: break;
  }
}

void EmailCheckBoxClick(int box) {
  if (box < 1 || box > kSendFlagCount) return;
  auto& d = g_dialog;
  const bool checked = d.CheckBox[static_cast<std::size_t>(box)];
  Header().SendFlags[static_cast<std::size_t>(box - 1)] = checked;
  // One encoding at most: boxes 6..10 exclude each other.
  if (checked && box >= 6 && box <= 10)
    for (int other = 6; other <= 10; ++other)
      if (other != box) SetEmailCheckBox(other, false);
}

void SetEmailCheckBox(int box, bool checked) {
  if (box < 1 || box > kSendFlagCount) return;
  bool& state = g_dialog.CheckBox[static_cast<std::size_t>(box)];
  if (state == checked) return;
  state = checked;
  EmailCheckBoxClick(box);
}

bool Ments1Click(const std::string& dir) {
  if (!CheckAccountData()) return false;

  auto& sheet = SheetModel();
  auto& h = sheet.Header;
  const bool queue_set = h.PREKAR != "0000";
  const bool queue_bad = queue_set && (h.PREKAR.empty() || h.PREKAR[0] == '0' || h.PREFORD == "0000");
  if (queue_bad) Show("A sorbanálló rész hibás!\rAz UL nem sorbanállósként lesz elmentve!"_w);
  const bool with_queue = queue_set && !queue_bad && h.PREFORD != "0000";

  // Neither file is written when either could not carry the sheet.
  if (const std::string why = SheetFormRefusal(); !why.empty()) {
    Messages().Show(why, MessageKind::Error);
    return false;
  }
  SheetState planned = sheet;
  PrepareSheetForm(planned);
  PrepareEmvSheet(planned);
  if (const std::string why = EmvRefusal(planned, with_queue); !why.empty()) {
    Show(why + "\rAz UL nem lett elmentve!!!"_w);
    return false;
  }

  const bool modified_before = Editor().SheetModified;
  if (!WriteSheetForm(dir)) return false;

  // The codes cut and the account number shortened only once the file is
  // written.
  SheetState prepared = sheet;
  PrepareEmvSheet(prepared);
  const std::string name = EmvFileName(prepared.Header);
  ComputeStatusValues();
  if (const FileWriteResult written = WriteFileAtomically(ResolvePathNoCase(dir, name),
                                                          EmvFileText(prepared, Status().CheckSum, with_queue));
      !written) {
    Messages().Show("Az e-mail UL fájl nem írható: "_w + name +
                        WriteFailureNote(written, "a korábbi fájl változatlan maradt"_w) + ".",
                    MessageKind::Error);
    // The e-mail save as a whole failed: the sheet still counts as unsaved
    // if it did before.
    Editor().SheetModified = modified_before;
    return false;
  }
  sheet = std::move(prepared);
  Editor().SheetModified = false;
  UpperCaseSheetCodes(sheet);
  RedrawSheetInPlace();
  StoreAccount();
  return true;
}

}  // namespace vorda
