// Multiplication helpers: __mulsi3 for programs compiled for RV32I without the
// M extension, __muldi3 (the low 64 bits of a 64-bit product) from 32-bit
// halves.
#include <stdint.h>

uint32_t __mulsi3(uint32_t a, uint32_t b) { return a * b; }

uint64_t __muldi3(uint64_t a, uint64_t b) {
    const uint32_t a_low = (uint32_t)a, a_high = (uint32_t)(a >> 32);
    const uint32_t b_low = (uint32_t)b, b_high = (uint32_t)(b >> 32);
    const uint64_t low = (uint64_t)a_low * b_low;
    const uint32_t cross = a_low * b_high + a_high * b_low;
    return low + ((uint64_t)cross << 32);
}
