// Where each part of the object lands. Every allocatable section gets an
// address: code sections one after the other from 0x10000000, data sections
// from 0x20000000 (.data, .bss, .sbss, .data1, .rodata, .rodata1 first, in
// that order, then the rest in section-header order), then the COMMON symbols
// (.comm) after them. Each starts at its own alignment.
#pragma once

#include "elf_loader.h"

#include <cstddef>
#include <cstdint>
#include <expected>
#include <string>
#include <vector>

struct placement {
    std::vector<bool> placed;        // by section index: allocatable, so in the image
    std::vector<uint32_t> address;   // by section index, where placed
    std::vector<size_t> code_order;  // section indices of the code sections, by address
    std::vector<size_t> data_order;  // section indices of the data sections, by address
    std::vector<std::pair<size_t, uint32_t>> commons;  // symbol index, address
    uint32_t code_end = 0;           // the first address after the last code section
};

// Code sections start at a multiple of 4 at least; a larger alignment is
// filled with nops, up to this much.
const uint32_t MAX_CODE_ALIGNMENT = 4096;

std::expected<placement, std::string> place_sections(const riscv_elf& elf);

// Labels move to where their section was placed; COMMON symbols get their
// address. Undefined and absolute symbols (.equ, .set) keep their value.
void rebase_symbols(riscv_elf& elf, const placement& placed);

bool is_code_section(const section& sec);
