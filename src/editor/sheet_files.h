#pragma once
// The ".UL" order-sheet file: a fixed-layout text that looks like the printed
// order form (a framed header, the 20 or 40 order lines with their parameters
// and TVP, a footer with the check number and the totals), in Windows-1250 with
// CR LF. Also the start-up load of the account and settings files together with
// the editor defaults it resets.
#include <string>

#include "data/order_sheet.h"

namespace vorda {

// KSZ-FORD.ul, with "b" before ".ul" for a settings sheet.
std::string SheetFileName(const SheetHeader& header);

// The sheet as its file holds it: KSZ and FORD in the form a load gives them
// back (FORD padded to four digits) and the 40-line form chosen when a code
// stands in lines 21..40.
void PrepareSheetForm(SheetState& sheet);

// Why the current sheet cannot be written as a ".UL" file that reads back the
// same (a value wider than its column, a line break, a name that leaves the
// folder), naming the line, the field and the value; empty when it can. A
// negative P1 or P2 (P3 below -9) is no refusal: "-" marks the empty field,
// so it reads back as 0.
std::string SheetFormRefusal();

// Writes the current sheet to `dir`/SheetFileName, prepared as above. A sheet
// the file cannot carry is refused before anything is written. The file is
// replaced in one step: on failure the old file stays as it was, the sheet as
// it was, a message says why and the result is false. On success the sheet
// counts as saved and its name goes first in the recent-sheet list.
bool WriteSheetForm(const std::string& dir);

// Reads `dir`/`file_name` (found whatever its case) into the sheet, its header
// (KSZ, FORD, BEALL, PREKAR, PREFORD), the turn's start and teleport
// coordinates with the map window's fields and teleport box, `EfFactor` and the
// character's settings values (appending a settings entry for a new character).
// An e-mail order file (its first line holds "VERSION=") is read by
// LoadEmailSheet instead; the coordinates are then 0, and `EfFactor` and the
// map window's fields keep what they were. The file is read whole first: a missing,
// unreadable, cut-off or damaged file changes nothing, shows why and gives
// false. A sheet is whole only through its closing lines, with the "¦" of
// every order line in its column and every manual TVP within -999..999. A turn
// that cannot be one reads as "0000", and a sheet without a character number
// as the no-character sheet "0000". On success the name goes first in the
// recent-sheet list. The caller redraws the sheet.
bool LoadSheet(const std::string& dir, const std::string& file_name);

// The first activation's load of SZAMLAK.CFG and beallit.cfg from
// `program_dir`, with the editor defaults reset alongside: the cursor on line
// 1's code, the popup selection 10, the resource view off, the colour mark-up
// on, the TVP totals 0 (the status line's TVP to the cursor as never drawn) and
// the EF factor 10.
void LoadAccountsAndSettingsAtStart(const std::string& program_dir);

}  // namespace vorda
