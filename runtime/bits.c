// Counting and reordering bits: leading zeros, trailing zeros, set bits and
// byte swaps of 32- and 64-bit words. A zero word has 32 (or 64) leading and
// trailing zeros.
#include <stdint.h>

int __clzsi2(uint32_t x) {
    if (x == 0) return 32;
    int n = 0;
    if (x <= 0xffffu) { n += 16; x <<= 16; }
    if (x <= 0xffffffu) { n += 8; x <<= 8; }
    if (x <= 0xfffffffu) { n += 4; x <<= 4; }
    if (x <= 0x3fffffffu) { n += 2; x <<= 2; }
    if (x <= 0x7fffffffu) n += 1;
    return n;
}

int __ctzsi2(uint32_t x) {
    if (x == 0) return 32;
    int n = 0;
    if ((x & 0xffffu) == 0) { n += 16; x >>= 16; }
    if ((x & 0xffu) == 0) { n += 8; x >>= 8; }
    if ((x & 0xfu) == 0) { n += 4; x >>= 4; }
    if ((x & 0x3u) == 0) { n += 2; x >>= 2; }
    if ((x & 0x1u) == 0) n += 1;
    return n;
}

// Bits summed in pairs, then nibbles, then bytes, and the bytes added by a multiplication.
int __popcountsi2(uint32_t x) {
    x = x - ((x >> 1) & 0x55555555u);
    x = (x & 0x33333333u) + ((x >> 2) & 0x33333333u);
    x = (x + (x >> 4)) & 0x0f0f0f0fu;
    return (int)((x * 0x01010101u) >> 24);
}

int __clzdi2(uint64_t x) {
    const uint32_t high = (uint32_t)(x >> 32);
    return high != 0 ? __clzsi2(high) : 32 + __clzsi2((uint32_t)x);
}

int __ctzdi2(uint64_t x) {
    const uint32_t low = (uint32_t)x;
    return low != 0 ? __ctzsi2(low) : 32 + __ctzsi2((uint32_t)(x >> 32));
}

int __popcountdi2(uint64_t x) { return __popcountsi2((uint32_t)x) + __popcountsi2((uint32_t)(x >> 32)); }

uint32_t __bswapsi2(uint32_t x) {
    return (x >> 24) | ((x >> 8) & 0xff00u) | ((x << 8) & 0xff0000u) | (x << 24);
}

uint64_t __bswapdi2(uint64_t x) {
    return ((uint64_t)__bswapsi2((uint32_t)x) << 32) | __bswapsi2((uint32_t)(x >> 32));
}
