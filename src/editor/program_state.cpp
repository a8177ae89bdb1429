#include "editor/program_state.h"

namespace vorda {

namespace {
ProgramState g_program;
}

ProgramState& Program() { return g_program; }

void ResetProgramState() { g_program = ProgramState{}; }

}  // namespace vorda
