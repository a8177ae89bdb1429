#pragma once
// The program's main block: the application with its title, help file and
// message boxes, the nine windows created in their order (the main window first,
// then the map's picture store and window, the e-mail order dialog, the sending
// dialog, the settings, the encyclopedia, the turn comparison, the notebook),
// and the event loop until the main window closes.

namespace vorda {

// `argc`, `argv` as main got them. The result is the program's exit code.
int ProgramMain(int argc, char** argv);

}  // namespace vorda
