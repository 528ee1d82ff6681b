// Words for the linker's messages: where a place is in terms the learner wrote
// (a label and an offset), which defined label a misspelt one was probably
// meant to be, and which lines of the source mention a name.
#pragma once

#include "elf_loader.h"
#include "place.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// "loop+4 in .text": the nearest label at or before the place, in its section.
std::string describe_place(const riscv_elf& elf, const placement& placed, uint32_t section_index, uint32_t offset);

// The symbol a relocation names, as the learner wrote it: "far", "buf+8".
std::string describe_target(const riscv_elf& elf, uint32_t symbol_index, int32_t addend);

// The defined label closest to `name` by spelling, when one is close enough.
std::optional<std::string> closest_label(const riscv_elf& elf, const std::string& name);

// Whether a symbol is a label a learner wrote, rather than a section or file
// entry or one of the assembler's own local names (.L...).
bool is_user_label(const symbol& sym);

struct source_line {
    size_t number;  // from 1
    std::string text;
};

// The whole of a text file; empty when it cannot be read or is no regular file.
std::string read_text_file(const std::string& path);

// The lines of `text` that mention `name` as a whole word outside a comment.
std::vector<source_line> lines_mentioning(const std::string& text, const std::string& name);
