// E-mail order files (".emv") read from any bytes. The sheet gets at most
// four-character upper-case codes, a four-character character number and turn
// and at most the fixed widths of the other header fields; a load fills exactly what was read and leaves
// what the file does not carry. The file the mail dialog writes from what was
// read reads back the same (but for what the dialog itself changes), and
// writing that again gives the same bytes.
#include <cstdint>
#include <string>

#include "data/text.h"
#include "data/order_sheet.h"
#include "editor/email_sheet_files.h"
#include "fuzz_support.h"
#include "mail/emv_file.h"
#include "orders/orders_state.h"

namespace {

using namespace vorda;

// The flags that the file names one by one; the encodings are compared by the
// one the file names (several may read as chosen at once).
constexpr SendFlag kPlainFlags[] = {ELVESZETT, UL, JL, EXT, SZL, BEALL};

bool SameRead(const EmailSheet& a, const EmailSheet& b) {
  if (a.Forty != b.Forty || a.KSZ != b.KSZ || a.SZLA != b.SZLA || a.FORD != b.FORD || a.PSW != b.PSW ||
      a.NEWEMAIL != b.NEWEMAIL || a.PREKAR != b.PREKAR || a.PREFORD != b.PREFORD)
    return false;
  for (SendFlag f : kPlainFlags)
    if (a.SendFlags[f] != b.SendFlags[f]) return false;
  if (KodText(a.SendFlags) != KodText(b.SendFlags)) return false;
  for (std::size_t i = 1; i <= kSheetLines; ++i)
    if (a.Lines.SheetCodes[i] != b.Lines.SheetCodes[i] || a.Lines.SheetParams[i] != b.Lines.SheetParams[i])
      return false;
  return true;
}

// What the file written from `read` gives back: the dialog cuts codes at their
// first blank and writes a line without a code with zero parameters, the older
// form takes four-digit account numbers, and the turn is written as a number.
EmailSheet Expected(EmailSheet read) {
  for (std::size_t i = 1; i <= kSheetLines; ++i) {
    std::string& code = read.Lines.SheetCodes[i];
    code = code.substr(0, code.find(' '));
    if (code.empty()) read.Lines.SheetParams[i] = {};
  }
  if (!read.Forty && read.SZLA.size() == 5 && read.SZLA[0] == '0') read.SZLA.erase(0, 1);
  const std::string turn = std::to_string(LeadingNumber(read.FORD));
  read.FORD = std::string(turn.size() < 4 ? 4 - turn.size() : 0, '0') + turn;
  return read;
}

// What the dialog writes for a sheet loaded from `bytes`.
std::string Written(std::string_view bytes, bool with_address) {
  ResetSheetModel();
  LoadEmailSheet(bytes);
  SheetModel().Header.EMAIL = with_address ? "en@pelda.hu" : "";
  PrepareEmvSheet(SheetModel());
  return EmvFileText(SheetModel(), 17, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const EmailSheet read = ReadEmailSheet(bytes);
  FUZZ_CHECK(read.KSZ.size() == 4 && read.KSZ != "    " && read.FORD.size() == 4);
  FUZZ_CHECK(read.SZLA.size() <= 5 && read.PSW.size() <= 8);
  FUZZ_CHECK(!read.PREKAR.empty() && read.PREKAR.size() <= 4 && !read.PREFORD.empty() && read.PREFORD.size() <= 4);
  for (std::size_t i = 1; i <= kSheetLines; ++i) {
    const std::string& code = read.Lines.SheetCodes[i];
    FUZZ_CHECK(code.size() <= kCodeLength);
    for (char c : code) FUZZ_CHECK(!(c >= 'a' && c <= 'z') && c != '&' && c != '\r' && c != '\n');
    for (std::int32_t p : read.Lines.SheetParams[i]) FUZZ_CHECK(p >= -9999 && p <= 99999);
    if (i > 20 && !read.Forty) FUZZ_CHECK(code.empty() && read.Lines.SheetParams[i] == (std::array<std::int32_t, 3>{}));
  }

  // A load over a sheet that no file gives: what the file does not carry stays.
  ResetSheetModel();
  ResetOrdersState();
  auto& sheet = SheetModel();
  sheet.Header.EMAIL = "regi@pelda.hu";
  sheet.Header.KOD = "KOD=UUE&";
  sheet.Header.NEWEMAIL = "regi@pelda.hu";
  for (std::size_t i = 1; i <= kSheetLines; ++i) {
    sheet.Lines.SheetCodes[i] = "M";
    sheet.Lines.SheetParams[i] = {1, 2, 3};
    sheet.Lines.SheetTexts[i] = "x";
    sheet.Lines.SheetTvpManual[i] = 5;
  }
  Orders().StartCoords.StartX = 11;
  LoadEmailSheet(bytes);
  FUZZ_CHECK(sheet.Header.EMAIL == "regi@pelda.hu" && sheet.Header.KOD == "KOD=UUE&");
  FUZZ_CHECK(Orders().StartCoords.StartX == 11);
  FUZZ_CHECK(sheet.Sheet40Lines == read.Forty && sheet.Header.SendFlags == read.SendFlags);
  FUZZ_CHECK(sheet.Header.KSZ == read.KSZ && sheet.Header.SZLA == read.SZLA && sheet.Header.FORD == read.FORD &&
             sheet.Header.PSW == read.PSW && sheet.Header.NEWEMAIL == read.NEWEMAIL &&
             sheet.Header.PREKAR == read.PREKAR && sheet.Header.PREFORD == read.PREFORD);
  for (std::size_t i = 1; i <= kSheetLines; ++i) {
    FUZZ_CHECK(sheet.Lines.SheetCodes[i] == read.Lines.SheetCodes[i]);
    FUZZ_CHECK(sheet.Lines.SheetParams[i] == read.Lines.SheetParams[i]);
    FUZZ_CHECK(sheet.Lines.SheetTexts[i].empty() && sheet.Lines.SheetTvpManual[i] == 0);
  }

  // Written and read back, with and without the address line; written again
  // from what was read back, the same bytes. The dialog refuses to write a
  // value holding "&" or "=", which could read as another key.
  bool writable = read.NEWEMAIL.find_first_of("&=") == std::string::npos;
  for (const std::string* v : {&read.KSZ, &read.SZLA, &read.FORD, &read.PSW, &read.PREKAR, &read.PREFORD})
    writable = writable && v->find_first_of("&=") == std::string::npos;
  for (std::size_t i = 1; i <= kSheetLines; ++i)
    writable = writable && read.Lines.SheetCodes[i].find_first_of("&=") == std::string::npos;
  if (!writable) return 0;
  for (bool with_address : {false, true}) {
    const std::string written = Written(bytes, with_address);
    FUZZ_CHECK(SameRead(ReadEmailSheet(written), Expected(read)));
    FUZZ_CHECK(Written(written, with_address) == written);
  }
  return 0;
}
