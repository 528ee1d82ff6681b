// The code segment as the linker patches it: words from 0x10000000 on, as the
// assembler wrote them (little-endian instruction words), which of them are
// data, and whether data among them has moved instructions off
// their 4-byte boundary.
#pragma once

#include "elf_loader.h"
#include "place.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct code_words {
    std::vector<uint32_t> words;
    std::vector<bool> data;  // by word: no instruction of RISC-V's (the decoder's unknown words but `ecall`'s kind)
};

// The code sections at their addresses, each padded with zero bytes to a whole
// word, and nops between them. The words that are not instructions get the
// decoder's diagnostics, as tamsel gives them.
code_words build_code(const riscv_elf& elf, const placement& placed);

// Data among the instructions of a code section (a `.string` between two
// functions) moves every instruction after it off its 4-byte boundary, where
// the machine cannot run it and orrik cannot patch it.
struct misaligned_code {
    size_t section;  // index of the first code section that shows it
    bool certain;    // a relocation lies off the boundary; otherwise a label or the size does
};

// A code section whose relocations, labels or size are not all on
// 4-byte boundaries (a label at the section's very end counts not), once the
// symbols are placed.
std::optional<misaligned_code> find_misaligned_code(const riscv_elf& elf, const placement& placed);
