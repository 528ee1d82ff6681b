// The linker's steps between reading the object and writing the file: place
// every allocatable section, rebase the symbols, apply the relocations of code
// and data, and lay out the obj image (magic word, one code block, data
// blocks, symbols).
#pragma once

#include "elf_loader.h"

#include <cstdint>
#include <expected>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// Changes `elf` in place (symbol values, data bytes) and returns the bytes of
// the obj file, or every reason the program cannot link, one per line.
// Warnings go to `warnings`; `source` is the assembly text, quoted in messages
// about undefined labels (empty when unknown).
std::expected<std::vector<uint8_t>, std::string> link_object(riscv_elf& elf, std::ostream& warnings,
                                                             const std::string& source = {});

// Writes the image next to `path` and renames it over `path` only when it is
// complete, so a failed write never leaves a half image behind.
std::optional<std::string> write_obj_file(const std::string& path, const std::vector<uint8_t>& image);

// Appends one data block for a section with contents; an empty one adds nothing.
bool write_data_section(const section& sec, std::vector<uint8_t>& out, uint32_t data_offset);
