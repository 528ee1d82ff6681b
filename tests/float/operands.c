// Operands: tables of edge values for each kind, and random ones that fall
// often where the rounding is hard (ties, cancellations, subnormal results,
// the ends of the ranges) as well as anywhere at all.
#include "harness.h"

static const uint32_t float_edges[] = {
    0x00000000, 0x80000000,  // zeros
    0x00000001, 0x80000001, 0x00000003, 0x00400000,  // subnormals
    0x007fffff, 0x807fffff,
    0x00800000, 0x80800000, 0x00800001, 0x00c00000,  // smallest normals
    0x01000000, 0x0c800000,
    0x7f7fffff, 0xff7fffff, 0x7f000000, 0x7e800000,  // largest
    0x7f800000, 0xff800000,  // infinities
    0x7fc00000, 0xffc00000, 0x7fc00001,  // quiet NaNs
    0x7f800001, 0xff800001, 0x7fbfffff,  // signalling NaNs
    0x3f800000, 0xbf800000, 0x3f800001, 0x3f7fffff,  // 1 and its neighbours
    0x40000000, 0x3f000000, 0xbf000000, 0x3e800000,
    0x3fc00000, 0xbfc00000, 0x40200000, 0xc0200000,  // halves, for ties
    0x33800000, 0x33800001, 0x34000000, 0xb3800000,  // half a unit of 1
    0x3f800800, 0x3f801000, 0x3f800c00,  // squares that tie
    0x4b000001, 0x4b7fffff, 0x4b800000, 0x4b800001,  // around 2^24
    0x4effffff, 0x4f000000, 0xcf000000, 0xcf000001,  // around 2^31
    0x4f7fffff, 0x4f800000, 0xbf7fffff,  // around 2^32
    0x5effffff, 0x5f000000, 0xdf000000, 0xdf000001,  // around 2^63
    0x5f7fffff, 0x5f800000,  // around 2^64
    0x40490fdb, 0xc0490fdb, 0x3eaaaaab,
};

static const uint64_t double_edges[] = {
    0x0000000000000000, 0x8000000000000000,
    0x0000000000000001, 0x8000000000000001, 0x0000000000000003, 0x0008000000000000,
    0x000fffffffffffff, 0x800fffffffffffff,
    0x0010000000000000, 0x8010000000000000, 0x0010000000000001, 0x0018000000000000,
    0x7fefffffffffffff, 0xffefffffffffffff, 0x7fe0000000000000, 0x7fd0000000000000,
    0x7ff0000000000000, 0xfff0000000000000,
    0x7ff8000000000000, 0xfff8000000000000, 0x7ff8000000000001,
    0x7ff0000000000001, 0xfff0000000000001, 0x7ff7ffffffffffff,
    0x3ff0000000000000, 0xbff0000000000000, 0x3ff0000000000001, 0x3fefffffffffffff,
    0x4000000000000000, 0x3fe0000000000000, 0xbfe0000000000000,
    0x3ff8000000000000, 0xbff8000000000000, 0x4004000000000000, 0xc004000000000000,
    0x3ca0000000000000, 0x3ca0000000000001, 0x3cb0000000000000, 0xbca0000000000000,
    0x3ff0000004000000, 0x3ff0000008000000, 0x3ff0000006000000,  // squares that tie
    0x4330000000000001, 0x433fffffffffffff, 0x4340000000000000, 0x4340000000000001,
    0x41dfffffffe00000, 0x41e0000000000000, 0xc1e0000000000000,  // around 2^31
    0xc1e0000000100000, 0xc1e0000000200000,
    0x41effffffff00000, 0x41f0000000000000, 0xbfefffffffffffff,  // around 2^32
    0x43dfffffffffffff, 0x43e0000000000000, 0xc3e0000000000000, 0xc3e0000000000001,
    0x43efffffffffffff, 0x43f0000000000000,
    0x3ff0000010000000, 0x3ff0000030000000, 0x3ff000000fffffff,  // float ties
    0x47efffffe0000000, 0x47effffff0000000, 0x47efffffefffffff,  // float's largest
    0x36a0000000000000, 0x3690000000000000, 0x3690000000000001,  // float's smallest
    0x380fffffe0000000, 0x380ffffff0000000, 0x3810000000000000,
    0x400921fb54442d18, 0xc00921fb54442d18, 0x3fd5555555555555,
    0x7e37e43c8800759c, 0x01a56e1fc2f8f359,
};

// Signed and unsigned alike; 32-bit kinds take the low half.
static const uint64_t integer_edges[] = {
    0, 1, 2, 3, 0xffffffff, 0xfffffffe, 0x7fffffff, 0x80000000, 0x80000001,
    0x01000000, 0x01000001, 0x01000002, 0x01000003, 0xfeffffff, 0x02000002, 0x02000006,
    0x7fffffc0, 0x7fffffbf, 0x7fffff80, 0x7fffffc1, 0x80000040, 0x80000080, 0xffffff80,
    0x00bc614e, 0xffffffff80000000, 0xffffffff7fffffff, 0xffffffffffffffff,
    0x7fffffffffffffff, 0x8000000000000000, 0x8000000000000001, 0xfffffffffffffffe,
    0x0020000000000000, 0x0020000000000001, 0x0020000000000003, 0x0020000000000002,
    0x0000000100000000, 0x00000000ffffffff, 0x0000000100000001, 0xffffffff00000000,
    0x7ffffffffffffe00, 0x7ffffffffffffdff, 0x7ffffffffffffc00, 0x7ffffffffffffe01,
    0x7fffff8000000000, 0x7fffff7fffffffff, 0x8000008000000000, 0x8000018000000000,
    0xfffffffffffff800, 0xfffffffffffff7ff, 0xffffff8000000000, 0xffe0000000000001,
};

#define COUNT(table) (int)(sizeof table / sizeof table[0])

int edge_count(enum kind kind) {
    return kind == FLOAT ? COUNT(float_edges) : kind == DOUBLE ? COUNT(double_edges) : COUNT(integer_edges);
}

uint64_t edge(enum kind kind, int i) {
    if (kind == FLOAT) return float_edges[i];
    if (kind == DOUBLE) return double_edges[i];
    if (kind == INT32 || kind == UINT32) return (uint32_t)integer_edges[i];
    return integer_edges[i];
}

// xorshift64*: plenty for operands, and the same run from the same seed.
uint64_t next_random(uint64_t *state) {
    *state ^= *state >> 12;
    *state ^= *state << 25;
    *state ^= *state >> 27;
    return *state * 0x2545f4914f6cdd1dull;
}

// A number below n from random bits, by 32-bit arithmetic: 64-bit division
// would need the runtime's integer helpers.
static int below(uint64_t r, int n) { return (int)((uint32_t)r % (uint32_t)n); }

// Significands with many low zeros make exact results and ties, those with
// long runs of ones make carries that reach the exponent.
static uint64_t random_significand(int bits, uint64_t *state) {
    uint64_t r = next_random(state), mask = (1ull << bits) - 1;
    switch (r & 3) {
    case 0: return (r >> 8) & mask & ~((1ull << below(r >> 2, bits)) - 1);
    case 1: return mask & ~((next_random(state) >> 2) & ((1ull << below(r >> 2, bits)) - 1));
    default: return (r >> 8) & mask;
    }
}

// A floating point value, fraction_bits and exponent_max (all ones) as the
// format has them, in one of several ranges.
static uint64_t random_value(int fraction_bits, int exponent_max, enum kind kind, uint64_t *state) {
    uint64_t r = next_random(state);
    int bias = exponent_max / 2, e;
    switch ((r >> 1) & 7) {
    case 0: case 1: return fraction_bits == 23 ? (uint32_t)(r >> 32) : next_random(state);
    case 2: return edge(kind, below(r >> 8, edge_count(kind)));
    case 3: e = bias - 8 + below(r >> 8, 80); break;  // integers and fractions
    case 4: e = below(r >> 8, fraction_bits + 4); break;  // subnormals, tiny
    case 5: e = exponent_max - 1 - below(r >> 8, fraction_bits + 4); break;  // huge
    default: e = below(r >> 8, exponent_max); break;
    }
    return (r & 1) << (fraction_bits + (fraction_bits == 23 ? 8 : 11)) | (uint64_t)e << fraction_bits |
           random_significand(fraction_bits, state);
}

static uint64_t random_integer(enum kind kind, uint64_t *state) {
    uint64_t r = next_random(state), v = next_random(state);
    switch (r & 3) {
    case 0: v = edge(kind, below(r >> 8, edge_count(kind))); break;
    case 1: v = (1ull << below(r >> 8, 64)) + (uint64_t)below(r >> 16, 9) - 4; break;  // around powers of 2
    default: v >>= below(r >> 8, 64); break;  // any length
    }
    if ((kind == INT32 || kind == INT64) && (r & 4)) v = -v;
    return kind == INT32 || kind == UINT32 ? (uint32_t)v : v;
}

uint64_t random_operand(enum kind kind, uint64_t *state) {
    if (kind == FLOAT) return random_value(23, 0xff, kind, state);
    if (kind == DOUBLE) return random_value(52, 0x7ff, kind, state);
    return random_integer(kind, state);
}

// Within a few binades of a, either sign: sums that cancel, quotients near 1.
static uint64_t near(int width, uint64_t a, uint64_t *state) {
    uint64_t r = next_random(state);
    uint64_t delta = next_random(state) >> (64 - width + 2 + below(r >> 8, width - 4));
    uint64_t b = (r & 2) ? a + delta : a - delta;
    b ^= (r & 1) << (width - 1);
    return width == 32 ? (uint32_t)b : b;
}

uint64_t random_partner(enum kind kind, uint64_t a, uint64_t *state) {
    if (kind != FLOAT && kind != DOUBLE) return random_operand(kind, state);
    int width = kind == FLOAT ? 32 : 64, fraction_bits = kind == FLOAT ? 23 : 52;
    int bias = kind == FLOAT ? 127 : 1023, exponent_a = (int)(a >> fraction_bits) & (2 * bias + 1);
    uint64_t r = next_random(state);
    // Unbiased exponents of results: subnormal ones, and those near the largest.
    int tiny = 2 - bias - below(r >> 8, fraction_bits + 5), huge = bias - below(r >> 8, 4);
    int e;
    switch (r & 7) {
    case 0: e = bias + tiny - (exponent_a - bias); break;  // a * b subnormal
    case 1: e = bias - tiny + (exponent_a - bias); break;  // a / b subnormal
    case 2: e = bias + huge - (exponent_a - bias); break;  // a * b near overflow
    case 3: e = bias - huge + (exponent_a - bias); break;  // a / b near overflow
    default: return near(width, a, state);
    }
    if (e < 0 || e > 2 * bias) return random_operand(kind, state);
    return (r >> 3 & 1) << (width - 1) | (uint64_t)e << fraction_bits | random_significand(fraction_bits, state);
}
