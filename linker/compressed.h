// Compressed (16-bit) instructions, which this machine does not run. They come
// from a compiler run without -march=rv32im (its `.attribute 5, "..._c2p0"`
// line turns them on for the assembler) or from `.option rvc` in the source,
// and would otherwise reach the user as a flood of decoder and relocation
// messages that never say "compressed". orrik refuses them first, once.
#pragma once

#include "elf_loader.h"
#include "source_scan.h"

#include <optional>
#include <string>
#include <string_view>

extern const std::string_view COMPRESSED_REFUSAL;

// Whether the object says it holds compressed code: its .riscv.attributes name
// the C extension, or a relocation is one of the R_RISCV_RVC_* types.
bool object_names_compressed(const riscv_elf& elf);

// Whether some code word does not look like a 32-bit instruction (whose two
// lowest bits are 11), as the first compressed instruction never does. Data in
// code can look so too, so this only says the source is worth a look.
bool code_may_be_compressed(const riscv_elf& elf);

// The line that turns compressed instructions on before an instruction comes:
// `.option rvc`, `.option arch, +c`, or an `.attribute arch` naming C; none
// when `.option norvc` turns them off again before any instruction.
std::optional<source_line> line_turning_compression_on(const std::string& text);

// Whether an ISA string such as "rv32i2p0_m2p0_a2p0_c2p0" or "rv32imac" names
// the C extension (or one of the Zc* parts of it).
bool arch_names_compressed(std::string_view arch);
