// Reader of the ELF32 RISC-V relocatable object that clang-15 writes for orrik:
// section headers and names, .text decoded, the data sections, the symbol
// table and the relocations of .text. Every offset, index and size taken from
// the file is checked against the file before it is used.
#pragma once

#include "decoder.h"

#include <elf.h>

#include <cstdint>
#include <cstdio>
#include <expected>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

struct section {
    Elf32_Shdr header{};
    std::vector<uint8_t> contents;
};

struct Elf32_strtab {
    Elf32_Shdr header{};
    std::vector<char> contents;
};

struct symbol {
    std::string name;
    uint32_t value = 0;
    uint32_t size = 0;
    bool global = false;
    int32_t sh_index = 0;
};

struct relocation {
    uint32_t addr = 0;
    uint32_t symbol_index = 0;
    uint8_t type = 0;
    int32_t addend = 0;
};

struct riscv_elf {
    Elf32_Ehdr header{};
    std::vector<Elf32_Shdr> section_headers;
    std::vector<std::string> section_names;
    Elf32_strtab string_table;
    std::vector<Instruction> text;
    section bss;
    section sbss;
    section data;
    section data1;
    section rodata;
    section rodata1;
    std::vector<symbol> symtab;
    std::unordered_map<std::string, std::vector<relocation>> relocations;
};

// Closes its file when it leaves scope.
struct lazy_fstream_guard {
    std::FILE* to_close = nullptr;
    ~lazy_fstream_guard() {
        if (to_close) std::fclose(to_close);
    }
};

std::expected<riscv_elf, std::string> load_riscv32i_elf(const std::string& elf_fname);

// The same reading, from the bytes of an object already in memory.
std::expected<riscv_elf, std::string> parse_riscv32i_elf(std::span<const uint8_t> file);
