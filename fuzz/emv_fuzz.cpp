// libFuzzer target: the reader of e-mail order files, on any bytes. Whatever
// the file holds, the sheet gets at most four-character upper-case codes, a
// four-character turn and at most the fixed widths of the header fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "data/order_sheet.h"
#include "editor/email_sheet_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorda;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const EmailSheet read = ReadEmailSheet(bytes);
  if (read.KSZ.empty() || read.KSZ.size() > 4 || read.FORD.size() != 4 || read.SZLA.size() > 5 ||
      read.PSW.size() > 8 || read.PREKAR.empty() || read.PREKAR.size() > 4 || read.PREFORD.empty() ||
      read.PREFORD.size() > 4)
    std::abort();
  for (const auto& code : read.Lines.SheetCodes) {
    if (code.size() > kCodeLength) std::abort();
    for (char c : code)
      if (c >= 'a' && c <= 'z') std::abort();
  }
  LoadEmailSheet(bytes);
  return 0;
}
