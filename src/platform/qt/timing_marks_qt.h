#pragma once
// The Qt side of the timing marks (platform/timing_marks.h), set up only while
// they are on: every paint of a widget is counted, and the signal SIGUSR1 makes
// a mark named "signal" once the event loop gets to it, so that a script can
// take the program's CPU time and counts before and after it sends keys.
class QCoreApplication;

namespace vorda {

void StartTimingMarks(QCoreApplication& app);

}  // namespace vorda
