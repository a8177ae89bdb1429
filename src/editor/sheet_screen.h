#pragma once
// The sheet screen: the 680 x 545 sheet image drawn like a character-cell
// terminal at absolute pixel positions. A static frame (line numbers, cell
// underlines, function-key bar, status labels), the cells of the 40 lines (code
// and three parameters) with the cursor, the resource columns of each line, and
// the status line with the check number, the counted moves and the totals.
//
// Geometry, with L the line 1..40, c the column 0..3 and the large-font offset
// added where the text sits on the grid:
//   line number          x 5, y 12L - 2
//   cell text            x 40c + 30, y 12L - 2 + offset
//   cell underline       x 40c + 30 .. 40c + 58 at y 12L + 8
//   line TVP sum         x 195, y 12L - 2
//   resource columns     x 234, 274, 314, 354, y 12L - 2
//   status line          y 498 + offset;  function-key bar  y 514
#include <cstdint>
#include <string>

namespace vorda {

// The static screen: divider, left panel, TVP column frame, key bar, status
// labels, line numbers and the empty cells' underlines.
void DrawSheetFrame();

// Every cell and every line's description (or resource columns). Leaves the
// cursor on cell 403 undrawn; callers finish with MoveCursor.
void RedrawSheet();

// The sheet drawn again where it stands: every line (RedrawSheet), the cursor
// back on its cell, and the status line in full. For what changes the sheet
// behind the editor's back (a popup that closed, a file written).
void RedrawSheetInPlace();

// Draws the cell at the current CursorCell plain, then stores `pos` as the
// cursor without drawing it.
void SetCursorPlain(int pos);

// As SetCursorPlain, then draws the cell at `pos` highlighted.
void MoveCursor(int pos);

// The number of line CurLine: mode 1 white on green (line-move mode), any other
// mode grey on black.
void DrawLineNumber(int mode);

// The five resource columns of a line.
void DrawLineSum(int line);        // computed + manual TVP, x 195
void DrawLineTvpManual(int line);  // manual TVP, x 234
void DrawLineVp(int line);         // x 274
void DrawLinePszi(int line);       // PP, x 314
void DrawLineTu(int line);         // x 354

// The line's resources recomputed and its five columns drawn, then the status
// line forced: what a line shows while the resource view is on.
void DrawResourceLine(int line);

// "Refreshing a line": RefreshSheetLine, or DrawResourceLine while the resource
// view shows.
void RefreshLineView(int line);

// Draws the four cells of a line plain by moving the cursor across them; the
// last of them is drawn by the caller's next MoveCursor.
void SweepLineCells(int line);

// The parameter cells of every "M" line from `from_line` to 40 (their colours
// show the move limit), drawn the same way.
void SweepMoveLineCells(int from_line);

// The status line. `force` 1 redraws every value; any other value redraws the
// values that changed since they were last drawn.
void UpdateStatusLine(std::uint8_t force);

// True while at most 12 movement steps lie between line 1 and the cursor field.
bool MoveLimitOk();

// Value in decimal with blanks in front up to `width`; never cut.
std::string IntToStrRight(std::int32_t value, int width);

// What the status line drew last, so that only changed values are redrawn.
struct StatusLineMemory {
  std::int32_t CheckSum = 0;
  std::string Ksz;
  std::string Ford;
  std::uint8_t MoveCount = 0;
  std::int32_t TotalTvp = 0;
  std::int32_t TotalVp = 0;
  std::int32_t TotalPp = 0;
  std::int8_t TotalTu = 0;
  std::int32_t TvpToCursor = -999;
};

StatusLineMemory& LastDrawnStatus();
void ResetSheetScreen();

// The turn as the status line shows it: FORD read as a number (0 when it is
// empty or no number) taken as an unsigned 16-bit value.
std::uint16_t TurnNumber(const std::string& ford);

}  // namespace vorda
