// telar-cli: runs the system's commands without a window, one order per call.
#include "cli/Programa.h"

int main(int argc, char** argv) { return ProgramaTelarCli(argc, argv); }
