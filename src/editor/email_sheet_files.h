#pragma once
// Reading an e-mail order file (".emv") back into the sheet. The file is
// "VERSION=..." first, then key=value pairs, each ended by "&", on CR LF lines:
// a header line (the second or third line when the version and an e-mail
// address stand on lines of their own) with KSZ, SZLA, FORD, PSW and the
// ELVESZETT and BEALL flags; one line per order line (Ci= code, Pi1=, Pi2=, Pi3=
// its parameters); an options line with the other flags, the encoding (KOD),
// NEWEMAIL and the queued character and turn (PREKAR, PREFORD); a last line
// "Post=P". More than 25 lines after the first mean a 40-line sheet.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/order_sheet.h"

namespace vorda {

// Everything an e-mail order file gives the sheet.
struct EmailSheet {
  OrderSheet Lines;  // codes (upper case) and parameters only
  bool Forty = false;
  std::string KSZ, SZLA, FORD, PSW, PREKAR, PREFORD, NEWEMAIL;
  std::array<bool, kSendFlagCount> SendFlags{};
};

// The text after the first `key` in `line` up to the next "&" or the line's
// end; empty when the key is missing.
std::string_view EmvValue(std::string_view line, std::string_view key);

// Reads the bytes of an e-mail order file. Never fails: a missing line reads as
// an empty one, a missing key as an empty value. Keys and flags count wherever
// their text stands in the line. KSZ reads as a ".UL" sheet gives it: its
// first four characters right-aligned with blanks, and a missing or blank one
// as "0000" (no character). A missing or empty PREKAR or PREFORD reads as
// "0000"; FORD is padded with "0" to four digits.
EmailSheet ReadEmailSheet(std::string_view bytes);

// Fills the sheet's codes and parameters (lines 1..40 cleared first),
// `Sheet40Lines` and the header's KSZ, SZLA, FORD, PSW, send flags, NEWEMAIL
// (cleared when the file has none), PREKAR and PREFORD from the file's bytes.
// The rest of lines 1..40 (texts, manual TVP and resource columns) stays
// cleared; EMAIL, KOD and the coordinates are not touched.
void LoadEmailSheet(std::string_view bytes);

}  // namespace vorda
