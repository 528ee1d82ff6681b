// Unsigned arithmetic and bits: counting, rotating, reversing, parity.
unsigned words[5] = {0xdeadbeefu, 0x12345678u, 0xffffffffu, 0x80000001u, 0u};

static int ones(unsigned x) {
    int n = 0;
    for (; x; x &= x - 1) n++;
    return n;
}

static unsigned reverse_bits(unsigned x) {
    unsigned r = 0;
    for (int i = 0; i < 32; i++, x >>= 1) r = (r << 1) | (x & 1);
    return r;
}

int main(void) {
    unsigned mix = 0;
    int count = 0;
    for (int i = 0; i < 5; i++) {
        count += ones(words[i]);
        mix ^= reverse_bits(words[i]) + (words[i] >> (i + 3)) + (words[i] << (31 - i));
        mix = (mix << 5) | (mix >> 27);
    }
    return (int)(mix % 100000u) * 100 + count + (words[0] > words[1]) + (int)(words[2] / 3u % 7u);
}
