// Programa: the whole of telar-cli as one call, for its thin main.
#pragma once

// Runs the order named by argv[1] with the rest of the arguments and returns the exit code
// (kSalidaResultado, kSalidaSinSolucion or kSalidaEntradaIncorrecta). Sets up the process
// first: SIGXFSZ ignored, temporaries removed on a signal, stdout through a buffer that keeps
// a failed write.
int ProgramaTelarCli(int argc, char** argv);
