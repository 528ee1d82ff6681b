// The console of tamsel: one command per line, from the standard input or a script.
#pragma once

#include "simulator.h"

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>

inline const char* const PROMPT = ">> ";

// A longer line is no command: it is reported and not run (and a script stops
// there), so that input without line feeds cannot grow memory without bound.
const size_t MAX_LINE = size_t{1} << 20;
inline const char* const LONG_LINE_MESSAGE = "line longer than 1048576 bytes ignored";
inline const char* const LONG_SCRIPT_LINE_MESSAGE =
    "script line longer than 1048576 bytes: the rest of the script is not run";

// Scripts may call scripts this deep; a script that runs itself stops here.
const int MAX_SCRIPT_DEPTH = 64;

// A word as a signed 32-bit number in base 10 or 16; writes "fuck" on standard
// output when the conversion itself raises (no digits, out of 64-bit range).
std::optional<int> str_to_int(const std::string& to_convert, unsigned base);

// Carries out one line of input. An empty line stands for the last non-empty
// one, which prev_command keeps; a reader of lines owns one prev_command.
// Returns false when the line is an exit command.
// `at_terminal`: a person reads the output, and is told more (where the machine stopped, labels meant).
bool take_line(const std::string& line, std::string& prev_command, riscv_prog& prog, int depth,
               bool at_terminal = false);

// Reads and carries out commands until the stream ends or an exit command.
// The prompt is written only when `is` is std::cin. depth counts nested scripts.
void run(std::istream& is, riscv_prog& prog, int depth = 0, bool at_terminal = false);
