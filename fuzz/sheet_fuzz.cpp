// ".UL" order sheets read from any bytes. A refused load changes nothing; a
// loaded sheet is written, and the written file loads again with the same
// lines and header and writes the same bytes again.
#include <algorithm>
#include <cstdint>
#include <string>

#include "data/accounts_settings.h"
#include "data/char_settings.h"
#include "data/game_tables.h"
#include "data/order_sheet.h"
#include "data/text.h"
#include "editor/editor_state.h"
#include "editor/program_state.h"
#include "editor/sheet_files.h"
#include "editor/sheet_totals.h"
#include "fuzz_support.h"
#include "orders/orders_state.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace {

using namespace vorda;

constexpr const char* kInputName = "input.ul";

// Everything a load may change.
struct Snapshot {
  SheetState sheet;
  OrdersState orders;
  TCharSettings ch;
  std::array<std::string, 11> recent;
  AccountsState accounts;
};

Snapshot Take() { return {SheetModel(), Orders(), CharSettings(), Program().RecentSheets, Accounts()}; }

bool SameLine(const OrderSheet& a, const OrderSheet& b, std::size_t i) {
  return a.SheetCodes[i] == b.SheetCodes[i] && a.SheetParams[i] == b.SheetParams[i] &&
         a.SheetTexts[i] == b.SheetTexts[i] && a.SheetTvp[i] == b.SheetTvp[i] &&
         a.SheetTvpManual[i] == b.SheetTvpManual[i] && a.SheetVp[i] == b.SheetVp[i] && a.SheetPp[i] == b.SheetPp[i] &&
         a.SheetTu[i] == b.SheetTu[i];
}

// A line read back from a written sheet: its code comes with the blanks that
// fill its column, which the line refresh removes.
bool SameLineReadBack(const OrderSheet& back, const OrderSheet& a, std::size_t i) {
  OrderSheet trimmed = back;
  std::string& code = trimmed.SheetCodes[i];
  code.erase(code.find_last_not_of(' ') + 1);
  OrderSheet original = a;
  std::string& before = original.SheetCodes[i];
  before.erase(before.find_last_not_of(' ') + 1);
  return SameLine(trimmed, original, i);
}

// What the ".UL" form carries of a line read from an e-mail order file, whose
// fields hold any value: a code with a "-" is the empty field's mark, a "-" in
// P1 or P2 reads as the empty field, and P3 keeps only a one-digit negative
// value. (A sheet read from a ".UL" file holds nothing else to begin with.)
OrderSheet AsUlFormCarriesIt(const OrderSheet& read, std::size_t i) {
  OrderSheet out = read;
  if (out.SheetCodes[i].find('-') != std::string::npos) out.SheetCodes[i].clear();
  auto& p = out.SheetParams[i];
  for (std::size_t k = 0; k < 2; ++k) p[k] = std::max(p[k], 0);
  if (p[2] < -9) p[2] = 0;
  return out;
}

bool SameHeader(const SheetHeader& a, const SheetHeader& b) {
  return a.KSZ == b.KSZ && a.SZLA == b.SZLA && a.FORD == b.FORD && a.PSW == b.PSW && a.SendFlags == b.SendFlags &&
         a.EMAIL == b.EMAIL && a.KOD == b.KOD && a.PREKAR == b.PREKAR && a.PREFORD == b.PREFORD &&
         a.NEWEMAIL == b.NEWEMAIL;
}

bool Unchanged(const Snapshot& a, const Snapshot& b) {
  for (std::size_t i = 0; i <= kSheetLines; ++i)
    if (!SameLine(a.sheet.Lines, b.sheet.Lines, i)) return false;
  const auto& ca = a.orders.StartCoords;
  const auto& cb = b.orders.StartCoords;
  const auto& fa = a.orders.MapFields;
  const auto& fb = b.orders.MapFields;
  if (!SameHeader(a.sheet.Header, b.sheet.Header) || a.sheet.Sheet40Lines != b.sheet.Sheet40Lines) return false;
  if (ca.StartX != cb.StartX || ca.StartY != cb.StartY || ca.TeleportX != cb.TeleportX ||
      ca.TeleportY != cb.TeleportY || ca.LoadedTeleportX != cb.LoadedTeleportX ||
      ca.LoadedTeleportY != cb.LoadedTeleportY)
    return false;
  if (fa.Edit1 != fb.Edit1 || fa.Edit2 != fb.Edit2 || fa.Edit3 != fb.Edit3 || fa.Edit4 != fb.Edit4) return false;
  if (a.orders.TeleportReturnChecked != b.orders.TeleportReturnChecked || a.orders.EfFactor != b.orders.EfFactor)
    return false;
  const auto& x = a.ch;
  const auto& y = b.ch;
  if (x.CharMozg != y.CharMozg || x.CharFelt != y.CharFelt || x.CharTerfokusz != y.CharTerfokusz ||
      x.CharTvp != y.CharTvp || x.CharVp != y.CharVp || x.CharPp != y.CharPp || x.CharTu != y.CharTu)
    return false;
  if (a.recent != b.recent || a.accounts.SettingsCount != b.accounts.SettingsCount) return false;
  for (std::size_t i = 1; i <= a.accounts.SettingsCount; ++i)
    if (a.accounts.SettingsTable[i].KSZ != b.accounts.SettingsTable[i].KSZ) return false;
  return true;
}

// A sheet in memory that no file gives: a refused load must leave all of it.
void FillStartState() {
  fuzz::ResetSheetStates();
  auto& s = SheetModel();
  s.Header.KSZ = "4321";
  s.Header.FORD = "0099";
  s.Sheet40Lines = true;
  for (std::size_t i = 1; i <= kSheetLines; ++i) {
    s.Lines.SheetCodes[i] = "M";
    s.Lines.SheetParams[i] = {static_cast<std::int32_t>(i), 2, 3};
    s.Lines.SheetTvp[i] = 7;
    s.Lines.SheetTvpManual[i] = -3;
    s.Lines.SheetTexts[i] = "x";
  }
  Orders().StartCoords.StartX = 11;
  Orders().StartCoords.StartY = 12;
  Orders().EfFactor = 15;
  CharSettings().CharMozg = 13;
  Program().RecentSheets[1] = "elozo.ul";
  TSettingsEntry e;
  e.KSZ = "4321";
  AppendSettingsEntry(e);
}

std::string SheetName() {
  const auto& h = SheetModel().Header;
  return h.KSZ + "-" + h.FORD + (h.SendFlags[BEALL] ? "b" : "") + ".ul";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto& boxes = fuzz::FreshBoxes();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  fuzz::ClearScratchDir();
  fuzz::WriteScratchFile(kInputName, input);
  FillStartState();

  const Snapshot before = Take();
  if (!LoadSheet(fuzz::ScratchDir(), kInputName)) {
    FUZZ_CHECK(Unchanged(before, Take()));
    FUZZ_CHECK(boxes.shown.size() == 1);
    return 0;
  }
  FUZZ_CHECK(boxes.shown.empty());
  const SheetState loaded = SheetModel();
  const std::uint8_t ef_factor = Orders().EfFactor;
  FUZZ_CHECK(loaded.Header.KSZ.size() == 4 && loaded.Header.FORD.size() == 4);
  for (std::size_t i = 1; i <= kSheetLines; ++i) {
    FUZZ_CHECK(loaded.Lines.SheetCodes[i].size() <= kCodeLength);
    FUZZ_CHECK(loaded.Lines.SheetTvpManual[i] >= -999 && loaded.Lines.SheetTvpManual[i] <= 999);
    FUZZ_CHECK(loaded.Lines.SheetTexts[i].empty());
    if (i > 20 && !loaded.Sheet40Lines) FUZZ_CHECK(SameLine(loaded.Lines, OrderSheet{}, i));
  }

  // Written and loaded again: the same lines and header, and the same bytes
  // when written once more. (A name that would leave the folder is refused.)
  if (!WriteSheetForm(fuzz::ScratchDir())) {
    FUZZ_CHECK(SheetName().find_first_of(std::string_view("/\\\0", 3)) != std::string::npos);
    return 0;
  }
  const std::string name = SheetName();
  const auto written = ReadWholeFile(fuzz::ScratchDir() + "/" + name);
  FUZZ_CHECK(written.has_value());
  // The writer chooses the form by the codes of lines 21..40.
  const bool same_form = SheetModel().Sheet40Lines == loaded.Sheet40Lines;
  FUZZ_CHECK(LoadSheet(fuzz::ScratchDir(), name));
  const SheetState& again = SheetModel();
  const bool from_email = input.substr(0, input.find_first_of("\r\n")).find("VERSION=") != std::string_view::npos;
  // An e-mail order file's turn is kept as its text; the sheet is saved under
  // the turn as a number (0 when the text is none, or no turn).
  SheetHeader expected = loaded.Header;
  if (from_email) {
    const std::int32_t turn = LeadingNumber(expected.FORD);
    const std::string digits = std::to_string(turn < 0 || turn > 9999 ? 0 : turn);
    expected.FORD = std::string(4 - digits.size(), '0') + digits;
  }
  FUZZ_CHECK(SameHeader(again.Header, expected));
  const std::size_t lines = again.Sheet40Lines ? 40 : 20;
  for (std::size_t i = 1; i <= kSheetLines; ++i)
    FUZZ_CHECK(i <= lines ? SameLineReadBack(again.Lines, from_email ? AsUlFormCarriesIt(loaded.Lines, i) : loaded.Lines, i)
                          : SameLine(again.Lines, OrderSheet{}, i));
  // An e-mail order file holds no TVP: its load keeps the EF factor that was in
  // force, which the written sheet's last line cannot give back.
  if (same_form && !from_email) FUZZ_CHECK(Orders().EfFactor == ef_factor);

  FUZZ_CHECK(WriteSheetForm(fuzz::ScratchDir()));
  FUZZ_CHECK(SheetName() == name);
  const auto second = ReadWholeFile(fuzz::ScratchDir() + "/" + name);
  if (!from_email) {
    FUZZ_CHECK(second == written);
    return 0;
  }
  // The first ".UL" form of an e-mail order file may hold values the form
  // reads otherwise; from the second on, loading and writing change nothing.
  FUZZ_CHECK(LoadSheet(fuzz::ScratchDir(), name));
  FUZZ_CHECK(WriteSheetForm(fuzz::ScratchDir()));
  FUZZ_CHECK(ReadWholeFile(fuzz::ScratchDir() + "/" + name) == second);
  return 0;
}
