// The linker's steps between reading the object and writing the file: trim
// the alignment nops of code, place every allocatable section, rebase the
// symbols, apply the relocations of code and data, and lay out the obj image
// (magic word, one code block, data blocks, symbols).
#pragma once

#include "elf_loader.h"
#include "obj_writer.h"

#include <cstdint>
#include <expected>
#include <iosfwd>
#include <string>
#include <vector>

// Changes `elf` in place (symbol values, data bytes) and returns the bytes of
// the obj file, or every reason the program cannot link, one per line.
// Warnings go to `warnings`; `source_path` names the assembly file, whose lines
// messages about undefined labels quote (none when it is empty or unreadable).
std::expected<std::vector<uint8_t>, std::string> link_object(riscv_elf& elf, std::ostream& warnings,
                                                             const std::string& source_path = {});
