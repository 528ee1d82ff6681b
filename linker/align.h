// Alignment in code under linker relaxation (clang's default). The assembler
// cannot know where a `.p2align` in code will land, so it writes the most nops
// the boundary could need and marks them with R_RISCV_ALIGN: its addend is
// their byte count, the boundary the next power of two above it. orrik
// relaxes nothing else, but it must delete the nops the boundary does not need
// at the final address, or every label after them lies too far on.
#pragma once

#include "describe.h"
#include "elf_loader.h"
#include "place.h"

#include <expected>
#include <string>

// Deletes the surplus nops of every R_RISCV_ALIGN in code, one code section
// after another in the order they are placed (a section starts where the one
// before it ends), and moves what lay after them: the section's labels, the
// sizes that span the nops, the later relocations of the section and the
// addends of relocations against the section itself. `placed` is where the
// object was placed, and is kept up to date as the code shrinks. Returns why
// it cannot.
std::expected<void, alignment_refusal> trim_code_alignment(riscv_elf& elf, placement& placed);
