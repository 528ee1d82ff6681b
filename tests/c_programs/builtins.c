// Bit-counting builtins, byte swaps, and 64-bit shifts, products, quotients and remainders.
volatile unsigned w[] = {1, 0x80000000u, 0x00f00000u, 12345678u, 0xffffffffu};
volatile unsigned long long l[] = {1, 0x8000000000000000ull, 0x00000f0000000000ull, 123456789012345ull};
volatile int sh[] = {0, 1, 31, 32, 33, 63};

int main(void) {
    unsigned h = 0;
    for (int i = 0; i < 5; i++)
        h = h * 31 + __builtin_clz(w[i] | 1) + __builtin_ctz(w[i] | 0x80000000u) * 7 + __builtin_popcount(w[i]) * 13 +
            __builtin_bswap32(w[i]);
    for (int i = 0; i < 4; i++) {
        unsigned long long v = l[i];
        h = h * 31 + __builtin_clzll(v) + __builtin_ctzll(v) * 7 + __builtin_popcountll(v) * 13 +
            (unsigned)(__builtin_bswap64(v) >> 7);
        for (int j = 0; j < 6; j++) {
            long long s = (long long)v;
            h = h * 31 + (unsigned)((v << sh[j]) >> 3) + (unsigned)((s >> sh[j]) >> 29) + (unsigned)((v >> sh[j]) >> 1);
        }
        h = h * 31 + (unsigned)((v * 0x9e3779b97f4a7c15ull) >> 17) + (unsigned)(v / 1000003u) +
            (unsigned)((long long)v % -77);
    }
    return (int)h;
}
