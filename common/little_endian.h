// Little-endian values of up to four bytes in a byte buffer: how RISC-V holds
// instruction words and data in an ELF object.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The value of `count` bytes (at most 4) at `at` of `bytes`.
constexpr uint32_t read_le(const std::vector<uint8_t>& bytes, size_t at, unsigned count) {
    uint32_t value = 0;
    for (unsigned i = 0; i < count; ++i) value |= uint32_t{bytes[at + i]} << (8 * i);
    return value;
}

// Writes the low `count` bytes (at most 4) of `value` at `at` of `bytes`.
constexpr void write_le(std::vector<uint8_t>& bytes, size_t at, unsigned count, uint32_t value) {
    for (unsigned i = 0; i < count; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
