// The obj image orrik writes for tamsel: the magic word, one code block at
// 0x10000000, a data block per data section with bytes, and a symbol block per
// symbol-table entry (but the assembler's mapping symbols), every field big-endian.
#pragma once

#include "elf_loader.h"
#include "place.h"

#include <cstdint>
#include <expected>
#include <string>
#include <vector>

// The image of a linked program: `code` holds its words from 0x10000000 on.
std::vector<uint8_t> obj_image(const riscv_elf& elf, const placement& placed, const std::vector<uint32_t>& code);

// Appends one data block for a section with contents; an empty one adds nothing.
bool write_data_section(const section& sec, std::vector<uint8_t>& out, uint32_t data_offset);

// Writes the image next to `path` and renames it over `path` only when it is
// complete, so a failed write never leaves a half image behind.
std::expected<void, std::string> write_obj_file(const std::string& path, const std::vector<uint8_t>& image);
