// The ".emv" writer on any sheet in memory, prepared as the e-mail save
// prepares it (the sheet's own form first, then the order file's): any codes
// and parameters, any header field and flag. A sheet the file cannot carry is
// refused; every other one reads back with what the file carries equal, and
// the file written from what was read is the same bytes.
#include <cstdint>
#include <string>

#include "data/accounts_settings.h"
#include "data/order_sheet.h"
#include "data/text.h"
#include "editor/email_sheet_files.h"
#include "editor/sheet_files.h"
#include "fuzz_support.h"
#include "mail/emv_file.h"

namespace {

using namespace vorda;

constexpr SendFlag kPlainFlags[] = {ELVESZETT, UL, JL, EXT, SZL, BEALL};

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::StateSource in(data, size);
  ResetSheetModel();
  auto& sheet = SheetModel();
  auto& h = sheet.Header;
  h.KSZ = in.Bool() ? std::to_string(1000 + in.Below(8999)) : in.Text(5);
  h.FORD = in.Bool() ? std::to_string(in.Below(9999)) : in.Text(5);
  h.SZLA = in.Bool() ? std::to_string(in.Below(99999)) : in.Text(6);
  h.PSW = in.Text(9);
  h.EMAIL = in.Bool() ? std::string() : in.Text(40);
  h.NEWEMAIL = in.Bool() ? std::string() : in.Text(40);
  h.PREKAR = in.Bool() ? std::string("0000") : in.Text(5);
  h.PREFORD = in.Bool() ? std::string("0000") : in.Text(5);
  for (auto&& flag : h.SendFlags) flag = in.Bool();
  for (std::uint32_t n = in.Below(40); n > 0; --n) {
    const std::size_t i = 1 + in.Below(kSheetLines - 1);
    sheet.Lines.SheetCodes[i] = in.Bool() ? std::string(in.Bool() ? "m" : "VE") : in.Text(6);
    for (auto& p : sheet.Lines.SheetParams[i]) p = in.Number();
  }
  // The queued pair is written only when both are given (the dialog never
  // holds an empty one: it stands for "0000").
  const bool with_queue = in.Bool() && !h.PREKAR.empty() && !h.PREFORD.empty();
  const std::int32_t check_sum = in.Number();

  // The e-mail save refuses what the sheet's own file cannot carry first.
  if (!SheetFormRefusal().empty()) return 0;
  PrepareSheetForm(sheet);
  PrepareEmvSheet(sheet);
  if (!EmvRefusal(sheet, with_queue).empty()) return 0;
  const SheetState written_state = sheet;
  const std::string written = EmvFileText(sheet, check_sum, with_queue);

  const EmailSheet back = ReadEmailSheet(written);
  FUZZ_CHECK(back.Forty == sheet.Sheet40Lines);
  FUZZ_CHECK(back.KSZ == h.KSZ && back.SZLA == h.SZLA && back.PSW == h.PSW && back.NEWEMAIL == h.NEWEMAIL);
  FUZZ_CHECK(back.FORD == h.FORD);
  FUZZ_CHECK(back.PREKAR == (with_queue && !h.PREKAR.empty() ? h.PREKAR : "0000"));
  FUZZ_CHECK(back.PREFORD == (with_queue && !h.PREFORD.empty() ? h.PREFORD : "0000"));
  for (SendFlag f : kPlainFlags) FUZZ_CHECK(back.SendFlags[f] == h.SendFlags[f]);
  FUZZ_CHECK(KodText(back.SendFlags) == KodText(h.SendFlags));
  const std::size_t lines = sheet.Sheet40Lines ? 40 : 20;
  for (std::size_t i = 1; i <= kSheetLines; ++i) {
    const std::string& code = sheet.Lines.SheetCodes[i];
    // A line without code writes its parameters as 0.
    const bool carried = i <= lines && !code.empty();
    FUZZ_CHECK(back.Lines.SheetCodes[i] == (i <= lines ? Upper(code) : ""));
    FUZZ_CHECK(back.Lines.SheetParams[i] ==
               (carried ? sheet.Lines.SheetParams[i] : std::array<std::int32_t, 3>{}));
  }

  // The sheet read back, written again. (A 40-line sheet whose lines 21..40
  // held only codes that begin with a blank, which the file writes as empty
  // lines, is a 20-line sheet from then on.)
  bool forty_by_cut_codes = sheet.Sheet40Lines;
  for (std::size_t i = 21; i <= kSheetLines; ++i)
    forty_by_cut_codes = forty_by_cut_codes && sheet.Lines.SheetCodes[i].empty();
  if (forty_by_cut_codes) return 0;
  ResetSheetModel();
  LoadEmailSheet(written);
  auto& again = SheetModel();
  again.Header.EMAIL = written_state.Header.EMAIL;  // not read back: the account's
  FUZZ_CHECK(SheetFormRefusal().empty());
  PrepareSheetForm(again);
  PrepareEmvSheet(again);
  FUZZ_CHECK(EmvRefusal(again, with_queue).empty());
  FUZZ_CHECK(EmvFileText(again, check_sum, with_queue) == written);
  return 0;
}
