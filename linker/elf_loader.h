// Reader of the ELF32 RISC-V relocatable object that clang-15 writes for orrik.
// It keeps every section by its section index (header, name, bytes), every
// symbol with its name from the string table .symtab links to, and the
// relocations of every SHT_RELA section with the section they patch. The header
// must say ELF, 32-bit, little-endian, RISC-V and relocatable; every offset,
// index and size taken from the file is checked before it is used.
#pragma once

#include "fcloser.h"

#include <elf.h>

#include <cstdint>
#include <cstdio>
#include <expected>
#include <span>
#include <string>
#include <vector>

struct section {
    Elf32_Shdr header{};
    std::string name;
    std::vector<uint8_t> contents;  // empty for SHT_NOBITS: its sh_size bytes are zeros
};

struct symbol {
    std::string name;
    uint32_t value = 0;
    uint32_t size = 0;
    bool global = false;
    int32_t sh_index = 0;
    uint8_t kind = STT_NOTYPE;  // STT_SECTION and STT_FILE entries are not labels
};

// The marks clang 16 and later add where code or data starts ("$x", "$d",
// "$x.1", "$xrv32i2p1_m2p0"): not labels of the program, so they stay out of
// the obj image. clang-15 writes none, and a program cannot name them.
bool is_mapping_symbol(const symbol& sym);

// Whether a symbol is a label a learner wrote, rather than a section or file
// entry or one of the assembler's own local names (.L...).
bool is_user_label(const symbol& sym);

struct relocation {
    uint32_t addr = 0;  // an offset, not an address: bytes from the start of the section it patches
    uint32_t symbol_index = 0;
    uint8_t type = 0;
    int32_t addend = 0;
    uint32_t section_index = 0;  // the section it patches: sh_info of its SHT_RELA section
};

struct riscv_elf {
    Elf32_Ehdr header{};
    std::vector<section> sections;  // index = section index
    std::vector<symbol> symtab;     // index = symbol index, entry 0 the null symbol
    std::vector<relocation> relocations;
};

// The reader's owner of the open object file: the one FILE owner both programs use.
using lazy_fstream_guard = file_ptr;

std::expected<riscv_elf, std::string> load_riscv32i_elf(const std::string& elf_fname);

// The same reading, from the bytes of an object already in memory.
std::expected<riscv_elf, std::string> parse_riscv32i_elf(std::span<const uint8_t> file);
