// Routines of the C library that a program on this machine cannot have: it
// has no output device, no input and no system calls to print, allocate or
// end with. Compiled C that calls one is refused by the routine's name, with
// the section of docs/compiled-c.md that says what to do instead.
#pragma once

#include "elf_loader.h"

#include <string>
#include <vector>

// One "FILE:LINE: error: 'printf' is a C library routine; ..." per such
// routine the program calls without defining, in the order of its symbols;
// none when the program is not compiled C (hand-written assembly gets the
// usual message about an undefined label).
// The source is read only when the program calls such a routine.
std::vector<std::string> c_library_refusals(const riscv_elf& elf, const std::string& source_path);
