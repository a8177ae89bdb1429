#pragma once
// The order sheet ("UL"): 40 numbered order lines held as parallel arrays
// indexed by the line number 1..40 (a 20-line sheet uses 1..20), and the header
// that names the character, the account and the turn. The editor edits it, the
// cost calculator and the describers read it and fill its resource columns.
#include <array>
#include <cstdint>
#include <string>

namespace vorda {

inline constexpr int kSheetLines = 40;
inline constexpr std::size_t kCodeLength = 4;
inline constexpr std::size_t kDescriptionLength = 100;

struct OrderSheet {
  // Index 0 is never used.
  std::array<std::string, kSheetLines + 1> SheetCodes;                   // at most 4 bytes; empty = free line
  std::array<std::array<std::int32_t, 3>, kSheetLines + 1> SheetParams{};  // P1..P3 at [0..2]; 0 = empty
  std::array<std::string, kSheetLines + 1> SheetTexts;                   // description as last drawn, <= 100 bytes
  std::array<std::int32_t, kSheetLines + 1> SheetTvp{};
  std::array<std::int32_t, kSheetLines + 1> SheetTvpManual{};  // -999..999, typed by hand
  std::array<std::int32_t, kSheetLines + 1> SheetVp{};
  std::array<std::int32_t, kSheetLines + 1> SheetPp{};
  std::array<std::int8_t, kSheetLines + 1> SheetTu{};
};

// The options of the e-mail order dialog, in their order on the dialog and in
// the files.
enum SendFlag : int {
  ELVESZETT = 0, UL, JL, EXT, SZL, B64, B64P, UUE, UUEP, POSTA, BEALL, kSendFlagCount
};

struct SheetHeader {
  std::string KSZ = "0000";   // character number; "0000" = no character
  std::string SZLA = "00000"; // account number; "00000" = none
  std::string FORD = "0000";  // turn, padded with "0" to 4 when written or loaded
  std::string PSW;            // feeding password, at most 8
  std::array<bool, kSendFlagCount> SendFlags{};
  std::string EMAIL;          // at most 35
  std::string KOD;            // encoding chosen at the last e-mail save
  std::string PREKAR = "0000";
  std::string PREFORD = "0000";
  std::string NEWEMAIL;
};

struct SheetState {
  OrderSheet Lines;
  SheetHeader Header;
  bool Sheet40Lines = false;
  // Working values of the line being described.
  std::int32_t CurParam1 = 0;
  std::int32_t CurParam2 = 0;
  std::int32_t CurParam3 = 0;
  // The description a describer builds for the line being refreshed; also used
  // as scratch text by others, so it holds nothing between refreshes.
  std::string LineDescription;
};

SheetState& SheetModel();
// A fresh, empty sheet and header (tests; start of the run).
void ResetSheetModel();

// Empties line L: code, parameters, text and every resource column.
void ClearSheetLine(int line);
// Empties lines 1..40 (what the loaders and a new sheet do first).
void ClearSheetLines();

// What each describer does first, so that it never depends on what an earlier
// one left: CurParam1..3 := P1..P3 of `line`. False (nothing loaded) for a line
// outside 1..40.
bool LoadCurParams(int line);

// The TVP that the sheet shows and totals for a line: computed plus manual.
std::int32_t LineTvp(int line);

}  // namespace vorda
