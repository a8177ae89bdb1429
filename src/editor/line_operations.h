#pragma once
// Operations on whole sheet lines and the routines that follow the character's
// moves: copying a line into an empty neighbour, inserting and removing lines,
// line-move mode (mode 4), the manual TVP column (mode 5), the search for the
// next move field, the completion of portal lines and the resource view.
//
// The menu commands of these operations are the *Click functions below. They
// check no menu condition (enabled window, EditorReady, EditorMode): the menu
// does that before it calls them. Conditions that belong to the operation itself
// (no copy on line 40, no insert on line 40) are checked inside.
#include <array>
#include <cstdint>

namespace vorda {

// Copy into the empty neighbour. A coded cursor line is copied into an empty
// next line; an empty cursor line gets a copy of a coded line above it. The key
// (187) copies the manual TVP too; the menu command leaves the target's manual
// TVP as it was. Nothing on line 40.
void CopyLineIntoEmptyNeighbour(bool with_manual_tvp);

// Delete in edit mode: on a coded line's code the line is emptied in place; on
// a filled parameter the parameter is cleared; elsewhere (an empty line's code,
// an empty parameter) the line is removed and the lines below move up.
void DeleteAtCursor();

// Line-move mode (mode 4): Up and Down swap the cursor line with its neighbour,
// F4 leaves the mode.
void LineMoveKey(std::uint16_t key);

// The manual TVP column (mode 5) on from edit mode, off from mode 5; nothing in
// other modes or while EditorReady is clear.
void ToggleManualTvpMode();
void ManualTvpKey(std::uint16_t key);
// The selected manual cell moves to `line` (the old one drawn plain).
void HighlightManualTvpCell(int line);
void UnhighlightManualTvpCell();

// The cursor to the next field, in reading order and round the sheet at most
// once, that holds a move step; it stays where it is when there is none.
void FindNextMoveField();

// The city portals: a portal line ("V" 163) standing at one of these squares
// leads to the paired square.
struct PortalPair {
  std::int32_t X, Y;          // where the portal stands
  std::int32_t ToX, ToY;      // the target written into P2 and P3
};
extern const std::array<PortalPair, 16> PortalPairs;

// After every edit-mode key: replays the moves up to the cursor, and completes
// a "V" 163 line with empty P2 and P3 whose position is a portal.
void FillPortalTarget();

// Descriptions or resource columns on the right half of the sheet (F6).
void ToggleResourceView();

// Menu commands.
void Rejt01Click();  // "Sor másolása": copy into the empty neighbour
void Rejt02Click();  // "Sor törlése": what Delete does in edit mode
void Rejt04Click();  // "Sor beszúrása": insert an empty line at the cursor
void Rejt05Click();  // "Mozgáskeresés": the next move field
void Erforrsok1Click();  // "Erőforrások": the manual TVP column on or off
void Vltslerserforrsokkztt1Click();  // "Váltás leírás/erőforrások között": resource view

}  // namespace vorda
