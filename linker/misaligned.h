// Data among the instructions of a code section (a `.string` between two
// functions) moves every instruction after it off its 4-byte boundary, where
// the machine cannot run it and orrik cannot patch it.
#pragma once

#include "elf_loader.h"
#include "place.h"

#include <cstddef>
#include <optional>

struct misaligned_code {
    size_t section;  // index of the first code section that shows it
    bool certain;    // a relocation lies off the boundary; otherwise a label or the size does
};

// A code section whose relocations, labels or size are not all on
// 4-byte boundaries (a label at the section's very end counts not), once the
// symbols are placed.
std::optional<misaligned_code> find_misaligned_code(const riscv_elf& elf, const placement& placed);
