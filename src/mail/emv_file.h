#pragma once
// The e-mail order file (".emv") that is mailed to the game operator: the
// sheet's order lines and the player's account data as key=value pairs, each
// pair ended by "&", lines ended by CR LF, Windows-1250. A 40-line sheet is
// version 2.0 with 40 order lines, a 20-line sheet version 1.1 with 20:
//
//   VERSION=2.0&                                 (alone on its line only when
//   email=<EMAIL>&                                an e-mail address follows)
//   [ELVESZETT=OFF&]KSZ=..&SZLA=..&FORD=<turn as a number>&[BEALL=OFF&]PSW=..&
//   C1=<code, lower case>&P11=<P1>&P12=<P2>&P13=<P3>&      (one line per order
//   ...                                                      line; an empty code
//                                                            writes zeros)
//   [UL=OFF&][JL=OFF&][EXT=OFF&][SZL=OFF&]ELLSZ=<check number>&<KOD and
//   NEWEMAIL (their order depends on the version)>[PREKAR=..&PREFORD=..&]Post=P
//
// A key "X=OFF&" is present exactly when its option is chosen: "OFF" is only
// the text the operator's reader expects.
#include <array>
#include <cstdint>
#include <string>

#include "data/order_sheet.h"

namespace vorda {

// The encoding named to the operator: B64, then B64P, UUE, UUEP, the first that
// is on; POSTA wins over all of them; empty when none is on.
std::string KodText(const std::array<bool, kSendFlagCount>& flags);

// KSZ + "_" + FORD + ("b" for a settings sheet) + ".emv".
std::string EmvFileName(const SheetHeader& header);

// What the sheet needs before its file is written: codes cut at their first
// blank (for the lines the file holds), KOD set from the flags, and in version
// 1.1 a five-digit account number that starts with "0" loses it.
void PrepareEmvSheet(SheetState& sheet);

// After the file is written: "a" to "z" become "A" to "Z" in the codes of all
// 40 lines, as the sheet shows them (the file wants them lower case; a code
// typed or read back in lower case is upper case from then on).
void UpperCaseSheetCodes(SheetState& sheet);

// Why a prepared sheet cannot be written as an e-mail order file that reads
// back the same (a value longer than the reader keeps, a line break), naming
// the line, the field and the value; empty when it can. What the format itself
// drops (the parameters of a line without code, the encodings but one, the
// e-mail address) is no refusal. `with_queue`: the queued pair is written.
std::string EmvRefusal(const SheetState& sheet, bool with_queue);

// The file's bytes. Codes are written in lower case; the sheet is not changed.
// `with_queue`: the queued character and turn are written.
std::string EmvFileText(const SheetState& sheet, std::int32_t check_sum, bool with_queue);

}  // namespace vorda
