// Division and remainder of 64-bit integers, which RV32IM has no instruction
// for. They give what a 64-bit RISC-V machine's div, divu, rem and remu give:
// a quotient of all ones and the dividend as remainder for a divisor of 0, and
// INT64_MIN / -1 = INT64_MIN with remainder 0.
#include <stdint.h>

// Leading zero bits of a non-zero word.
static int leading_zeros(uint32_t x) {
    int n = 0;
    if (x <= 0xffffu) { n += 16; x <<= 16; }
    if (x <= 0xffffffu) { n += 8; x <<= 8; }
    if (x <= 0xfffffffu) { n += 4; x <<= 4; }
    if (x <= 0x3fffffffu) { n += 2; x <<= 2; }
    if (x <= 0x7fffffffu) n += 1;
    return n;
}

static int leading_zeros64(uint64_t x) {
    const uint32_t high = (uint32_t)(x >> 32);
    return high != 0 ? leading_zeros(high) : 32 + leading_zeros((uint32_t)x);
}

// Schoolbook division in base 2, from the highest bit at which the divisor
// still fits under the dividend, so small quotients take few rounds.
static uint64_t divide(uint64_t n, uint64_t d, uint64_t *remainder) {
    if (d == 0) {
        *remainder = n;
        return ~(uint64_t)0;
    }
    if (n < d) {
        *remainder = n;
        return 0;
    }
    if ((n >> 32) == 0) {  // then d < 2^32 too: one divu
        const uint32_t q = (uint32_t)n / (uint32_t)d;
        *remainder = (uint32_t)n - q * (uint32_t)d;
        return q;
    }
    const int shift = leading_zeros64(d) - leading_zeros64(n);
    d <<= shift;
    uint64_t q = 0;
    for (int i = 0; i <= shift; i++) {
        q <<= 1;
        if (n >= d) {
            n -= d;
            q |= 1;
        }
        d >>= 1;
    }
    *remainder = n;
    return q;
}

static uint64_t magnitude(int64_t x) { return x < 0 ? -(uint64_t)x : (uint64_t)x; }

uint64_t __udivdi3(uint64_t a, uint64_t b) {
    uint64_t r;
    return divide(a, b, &r);
}

uint64_t __umoddi3(uint64_t a, uint64_t b) {
    uint64_t r;
    divide(a, b, &r);
    return r;
}

int64_t __divdi3(int64_t a, int64_t b) {
    if (b == 0) return -1;
    uint64_t r;
    const uint64_t q = divide(magnitude(a), magnitude(b), &r);
    return (int64_t)((a < 0) != (b < 0) ? -q : q);
}

// The remainder takes the dividend's sign.
int64_t __moddi3(int64_t a, int64_t b) {
    uint64_t r;
    divide(magnitude(a), magnitude(b), &r);
    return (int64_t)(a < 0 ? -r : r);
}
