// Where the simulated machine keeps code and data, in one place: the segments'
// bounds, the test of a legal pc, the index of a data address in the data
// buffer, and the little-endian load and store of that buffer.
//
// Everything here is a comparison or a subtraction that inlines into the
// executors, so run pays nothing for asking here instead of writing it out.
#pragma once

#include "riscv_constants.h"

#include <bit>
#include <cstdint>
#include <cstring>

// The last address of the code segment.
const uint32_t CODE_LAST = INITIAL_CODE_OFFSET + SEGMENT_SIZE - 1;  // 0x1fffffff
// The code segment's last word: an instruction there has no next word.
const uint32_t CODE_LAST_WORD = CODE_LAST - 3;  // 0x1ffffffc

// The one test of a legal pc's range: step, jal, jalr, run's table and the
// console's listing all ask this (step checks alignment on its own, first).
constexpr bool in_code_segment(uint32_t address) {
    return address >= INITIAL_CODE_OFFSET && address <= CODE_LAST;
}

// Whether the instruction at pc has a next word to go on to. Instructions that
// fall through refuse to run without one ("out of bounds").
constexpr bool has_next_word(uint32_t pc) { return pc < CODE_LAST_WORD; }

// A branch, taken or not, must land where execution could go on: a pc in the
// code segment with a next word. So a branch cannot reach the last word
// 0x1ffffffc, while jal and jalr, which only ask in_code_segment, can. Programs
// live far below that word; the difference is kept because the messages of
// existing sessions depend on it.
// (has_next_word implies the upper half of in_code_segment; written so, the
// test stays one range comparison.)
constexpr bool branch_target_ok(uint32_t target) { return target >= INITIAL_CODE_OFFSET && has_next_word(target); }

// Whether `length` bytes from `address` on all lie in the data segment (no
// 32-bit wrap-around). A length of 0 is inside anywhere at or above its start.
constexpr bool in_data_segment(uint32_t address, uint64_t length) {
    return address >= INITIAL_DATA_OFFSET && address + length <= uint64_t{INITIAL_DATA_OFFSET} + SEGMENT_SIZE;
}

// The offset of a code address from the segment's start.
constexpr uint32_t code_index(uint32_t address) { return address - INITIAL_CODE_OFFSET; }

// The index of a data address in the data buffer; an address outside the
// segment wraps to an index of SEGMENT_SIZE or more.
constexpr uint32_t data_index(uint32_t address) { return address - INITIAL_DATA_OFFSET; }

// The `width` bytes at p as a little-endian number, whatever the host. On a
// little-endian host a copy, which the compiler turns into one access; the
// byte loop it would not.
[[gnu::always_inline]] inline uint32_t load_le(const uint8_t* p, uint32_t width) {
    uint32_t value = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&value, p, width);
    } else {
        for (uint32_t i = 0; i < width; ++i) value |= uint32_t{p[i]} << (8 * i);
    }
    return value;
}

// The low `width` bytes of value to p, least significant first.
[[gnu::always_inline]] inline void store_le(uint8_t* p, uint32_t value, uint32_t width) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, &value, width);
    } else {
        for (uint32_t i = 0; i < width; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}
