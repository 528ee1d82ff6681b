// What the assembler reads: a copy of the learner's source that orrik read
// once, in which what compilers write for other tools is normalised so that
// any clang from 15 on takes the program as RV32IM:
// - `.attribute arch` strings (GCC's "rv32i2p1_m2p0", clang-19's "_zmmul1p0")
//   become the few extensions the machine has ("rv32im"); other attributes go;
// - debug information goes: `.file N`, `.loc`, `.cfi_*` and whatever is put
//   in a .debug section (its switch stays, so `.previous` still means the same);
// - files named by `.include` are read by orrik too and put in place;
// - compression is switched off wherever a statement switches it on, so that
//   no 16-bit instruction reaches the image whatever the source says. A second
//   copy keeps it on; when the two assemble to different code, the program
//   holds compressed code and is refused.
// Line markers (`# 5 "prog.s"`) keep every message of the assembler naming the
// learner's file and line.
#pragma once

#include <cstddef>
#include <expected>
#include <optional>
#include <string>

struct source_place {
    std::string file;  // as the learner would name it
    size_t line = 0;   // from 1
};

struct assembler_input {
    std::string text;  // compression off
    // The same with compression as the source asks, when some statement asks for it.
    std::optional<std::string> with_compression;
    // The statement that turned compression on before an instruction, else the first that asked for it.
    std::optional<source_place> compression_on;
};

// The largest source (or included file) orrik reads, so that a FIFO or device
// that never ends cannot take all memory.
constexpr size_t MAX_SOURCE_BYTES = size_t{256} << 20;

// The whole of the file open on `fd`, or the system's reason.
std::expected<std::string, std::string> read_source(int fd, const std::string& path);

// The copies of `text`, the source named `path`. Included files are looked up
// as the assembler looks them up: from the current folder, then from the
// source's; one that cannot be found is left to the assembler to complain about.
assembler_input prepare_assembler_input(const std::string& text, const std::string& path);

// An ISA string such as "rv32i2p1_m2p0_zicsr2p0" cut down to what this machine
// has: "rv32i" or "rv32e", "m" when it names M (or Zmmul), and "c" when it
// names compressed code and `keep_compressed` holds.
std::string normalised_arch(const std::string& arch, bool keep_compressed);
