// vorda40: the order-sheet planner. It reads its files (the ini file, the game
// tables, the accounts and settings) from the folder the executable stands in;
// one command-line argument names another ini file in that folder.
#include "app/program_main.h"

int main(int argc, char** argv) { return vorda::ProgramMain(argc, argv); }
