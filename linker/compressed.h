// Compressed (16-bit) instructions, which this machine does not run. They come
// from a compiler run without -march=rv32im (its `.attribute 5, "..._c2p0"`
// line turns them on for the assembler) or from `.option rvc` in the source,
// and would otherwise reach the user as a garbage word or a flood of decoder
// and relocation messages that never say "compressed". orrik refuses them
// first, once. Whether code is compressed is read from objects, never guessed
// from the text: the assembler's copy of the source has compression switched
// off, and a second copy with it on must assemble to the same code.
#pragma once

#include "elf_loader.h"
#include "source_lines.h"

#include <optional>
#include <string>
#include <string_view>

extern const std::string_view COMPRESSED_REFUSAL;

// Whether the object says it holds compressed code: its header's RVC flag, its
// .riscv.attributes naming the C extension, a relocation of one of the
// R_RISCV_RVC_* types, or a 16-bit parcel where its mapping symbols (clang 16
// and later) say instructions are. Read before symbols are rebased.
bool object_names_compressed(const riscv_elf& elf);

// Whether two objects of one source hold the same code sections, byte for byte.
bool same_code(const riscv_elf& a, const riscv_elf& b);

// +1 when a statement turns compression on, -1 when off, 0 when it says nothing of it.
int compression_switch(const std::string& statement);

// The line that turns compressed instructions on before an instruction comes:
// `.option rvc`, `.option arch, +c`, or an `.attribute arch` naming C; none
// when `.option norvc` turns them off again before any instruction.
std::optional<source_line> line_turning_compression_on(const std::string& text);

// Whether an ISA string such as "rv32i2p0_m2p0_a2p0_c2p0" or "rv32imac" names
// the C extension (or one of the Zc* parts of it).
bool arch_names_compressed(std::string_view arch);

// Compressed code would reach the alignment trimming, the decoder and the
// relocations as a flood of messages about something else. When the object
// shows it, it is refused before them, in one message with the line that
// turned it on.
std::optional<std::string> compressed_code_refusal(const riscv_elf& elf, source_lines& source);
