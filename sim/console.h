// The console of tamsel: one command per line, from the standard input or a script.
#pragma once

#include "simulator.h"

#include <cstddef>
#include <cstdint>
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

// What the expect checks of a session found. Once the session has checked
// something it is graded: a failed check, or a step or run that the machine
// stopped (an error, the instruction limit), ends tamsel with status 1.
struct expect_tally {
    uint64_t checked = 0;
    uint64_t failed = 0;
    std::string machine_stop;  // the first such stop's message; empty while there is none
};

// The console's state beyond the machine: the same for every script it runs.
struct console_state {
    riscv_prog& prog;
    bool at_terminal = false;  // a person reads the output, so a check that holds says so too
    expect_tally tally;
};

// Where the line being carried out comes from, for the messages of expect:
// "stdin" or a script's name as given, and the line's number there.
struct line_source {
    std::string name;
    uint64_t line = 0;
    int depth = 0;  // scripts around this one
};

// The session's last word: when it was graded and something failed, a line on
// standard error that says what, and status 1; otherwise nothing and 0.
int end_session(const expect_tally& tally);

// A word as a signed 32-bit number in base 10 or 16; writes "fuck" on standard
// output when the conversion itself raises (no digits, out of 64-bit range).
std::optional<int> str_to_int(const std::string& to_convert, unsigned base);

// Carries out one line of input. An empty line stands for the last non-empty
// one, which prev_command keeps; a reader of lines owns one prev_command.
// Returns false when the line is an exit command.
bool take_line(const std::string& line, std::string& prev_command, console_state& console, const line_source& from);

// Reads and carries out commands until the stream ends or an exit command.
// The prompt is written only when `is` is std::cin.
void run(std::istream& is, console_state& console, line_source from);
