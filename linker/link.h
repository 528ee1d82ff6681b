// The linker's steps between reading the object and writing the file: place
// the data sections, rebase the symbols, patch the relocations of .text, and
// lay out the obj image (magic word, one code block, data blocks, symbols).
#pragma once

#include "elf_loader.h"

#include <cstdint>
#include <expected>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// Changes `elf` in place (symbol values, instruction words) and returns the
// bytes of the obj file. Addend warnings go to `warnings`.
std::expected<std::vector<uint8_t>, std::string> link_object(riscv_elf& elf, std::ostream& warnings);

// Writes the image to `path`, checking every write and the close.
std::optional<std::string> write_obj_file(const std::string& path, const std::vector<uint8_t>& image);

// Appends one data block for a section with contents; an empty one adds nothing.
bool write_data_section(const section& sec, std::vector<uint8_t>& out, uint32_t data_offset);
