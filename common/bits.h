// Bit-field helpers shared by the decoder, the relocation steps and the tests, so
// that every instruction field is named by the same hi..lo positions as the
// RISC-V format diagrams.
#pragma once

#include <cstdint>

// Bits hi..lo of value, shifted down to bit 0.
constexpr uint32_t bits(uint32_t value, unsigned hi, unsigned lo) {
    const unsigned width = hi - lo + 1;
    const uint32_t mask = width >= 32 ? 0xffffffffu : (1u << width) - 1;
    return (value >> lo) & mask;
}

// Bit n of value, as 0 or 1.
constexpr uint32_t bit(uint32_t value, unsigned n) { return (value >> n) & 1u; }

// The low `width` bits of value read as a two's-complement number.
constexpr int32_t sign_extend(uint32_t value, unsigned width) {
    const unsigned shift = 32 - width;
    return static_cast<int32_t>(value << shift) >> shift;
}
