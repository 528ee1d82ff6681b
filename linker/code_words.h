// The code segment as the linker patches it: words from 0x10000000 on, as the
// assembler wrote them (little-endian instruction words), and which of them
// are not instructions.
#pragma once

#include "elf_loader.h"
#include "place.h"

#include <cstdint>
#include <vector>

struct code_words {
    std::vector<uint32_t> words;
    std::vector<bool> unidentified;  // by word: not an instruction, as the decoder says
};

// The code sections at their addresses, each padded with zero bytes to a whole
// word, and nops between them. The words that are not instructions get the
// decoder's diagnostics, as tamsel gives them.
code_words build_code(const riscv_elf& elf, const placement& placed);
