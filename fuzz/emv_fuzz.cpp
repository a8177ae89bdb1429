// libFuzzer target: the reader of e-mail order files, on any bytes. Whatever
// the file holds, the sheet gets at most four-character upper-case codes, a
// four-character turn and at most the fixed widths of the header fields; and
// the file written from what was read reads back with the same lines.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/order_sheet.h"
#include "editor/email_sheet_files.h"
#include "fuzz_support.h"
#include "mail/emv_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorda;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const EmailSheet read = ReadEmailSheet(bytes);
  FUZZ_CHECK(!read.KSZ.empty() && read.KSZ.size() <= 4);
  FUZZ_CHECK(read.FORD.size() == 4 && read.SZLA.size() <= 5 && read.PSW.size() <= 8);
  FUZZ_CHECK(!read.PREKAR.empty() && read.PREKAR.size() <= 4 && !read.PREFORD.empty() && read.PREFORD.size() <= 4);
  for (const auto& code : read.Lines.SheetCodes) {
    FUZZ_CHECK(code.size() <= kCodeLength);
    for (char c : code) FUZZ_CHECK(c < 'a' || c > 'z');
  }
  for (const auto& p : read.Lines.SheetParams)
    for (std::int32_t v : p) FUZZ_CHECK(v >= -9999 && v <= 99999);

  ResetSheetModel();
  LoadEmailSheet(bytes);
  const SheetState loaded = SheetModel();
  FUZZ_CHECK(loaded.Lines.SheetCodes == read.Lines.SheetCodes && loaded.Sheet40Lines == read.Forty);

  // Written and read again: the order lines, the sheet's size and the new
  // address survive.
  const EmailSheet again = ReadEmailSheet(EmvFileText(loaded, 0, false));
  FUZZ_CHECK(again.Forty == read.Forty);
  FUZZ_CHECK(again.Lines.SheetCodes == read.Lines.SheetCodes);
  const int lines = read.Forty ? kSheetLines : 20;
  for (int l = 1; l <= lines; ++l) {
    const auto i = static_cast<std::size_t>(l);
    if (!read.Lines.SheetCodes[i].empty()) FUZZ_CHECK(again.Lines.SheetParams[i] == read.Lines.SheetParams[i]);
  }
  FUZZ_CHECK(again.NEWEMAIL == read.NEWEMAIL);
  return 0;
}
