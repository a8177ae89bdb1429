#pragma once
// Marks in time for scripts/bench: the steps of the program's start, the end
// of the first paint of the drawn sheet, and, when asked, how many keys and
// paints the program has handled. Off unless the environment variable
// VORDA_TIMING_MARKS names a file when the program starts; then every mark
// appends one line to that file:
//
//   <name> <monotonic ns> <user CPU us> <system CPU us> <minor faults> <major faults> <keys> <sheet paints> <paints>
//
// The time is CLOCK_MONOTONIC, so that a script that started the program can
// take its own clock's reading from it; CPU time and page faults are the whole
// process's (every thread), as getrusage counts them. While off, a mark or a
// count costs one test of a flag and the program does nothing else.
namespace vorda {

bool TimingMarksOn();
// `name`: one word (no blanks).
void TimingMark(const char* name);
// Counted only while the marks are on: a key pressed in the main window, a
// paint of the sheet, and a paint of any widget.
void CountKeyForMarks();
void CountSheetPaintForMarks();
void CountPaintForMarks();

}  // namespace vorda
