// The console at a terminal: lines read with libedit, so the arrow keys edit
// the line and recall earlier ones instead of arriving as escape sequences.
#pragma once

#include "console.h"

// Runs the console on the terminal when standard input and standard output
// are both terminals. Returns false, having called no library function and
// written nothing, when either is not one or the line editor cannot start:
// the caller then reads standard input as a stream.
bool run_at_terminal(console_state& console);
