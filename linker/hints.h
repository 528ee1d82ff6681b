// Hints for programs written for other teaching simulators (RARS, SPIM, Venus
// and the like). When the assembler refuses such a program, its message names
// a line but not the habit behind it; orrik then reads the source and adds one
// line per habit it recognises, with the change to make and the section of
// docs/from-other-simulators.md that explains it.
#pragma once

#include "source_lines.h"

#include <ostream>
#include <string>
#include <string_view>

// For the warning on a program that links with `ecall` words in it.
extern const std::string_view NO_SYSTEM_CALLS;

// That warning, with the first line that says `ecall`: the program stops there.
std::string system_calls_warning(source_lines& source);

// Writes "FILE:LINE: note: ..." for the first line of each habit found in the
// source, in the order of the table. Reads only a regular file.
void write_idiom_hints(const std::string& source_path, std::ostream& out);
