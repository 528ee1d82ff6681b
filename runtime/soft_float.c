// Single precision (float) arithmetic for a machine without floating point
// hardware: the routines compilers call for float operations under the ilp32
// soft-float calling convention. A float travels as its 32-bit pattern in a0,
// so every routine here takes and returns the bits as uint32_t.
//
// Results are rounded to nearest, ties to even, and match what RISC-V
// hardware floating point gives bit for bit: every NaN result is the one
// quiet NaN 0x7fc00000, and conversions to integers truncate toward zero and
// saturate, a NaN converting to the largest integer.
//
// Nothing here may call another routine: no division by a variable wider
// than 32 bits and no __builtin_clz, which rv32im turns into library calls.

#include <stdint.h>

#define SIGN 0x80000000u
#define INF 0x7f800000u
#define FRACTION 0x007fffffu
#define HIDDEN 0x00800000u
#define QUIET_NAN 0x7fc00000u

static int is_nan(uint32_t a) { return (a & ~SIGN) > INF; }

// The number of 0 bits above the highest 1 of a nonzero word.
static int leading_zeros(uint32_t x) {
    int n = 0;
    if (!(x & 0xffff0000u)) { n += 16; x <<= 16; }
    if (!(x & 0xff000000u)) { n += 8; x <<= 8; }
    if (!(x & 0xf0000000u)) { n += 4; x <<= 4; }
    if (!(x & 0xc0000000u)) { n += 2; x <<= 2; }
    if (!(x & 0x80000000u)) n += 1;
    return n;
}

// m >> n, with bit 0 set if any 1 bit was shifted out. That bit keeps ties
// apart from values just above them; as long as two or more bits lie between
// it and the rounding position, rounding the result gives what rounding the
// exact value would.
static uint32_t shift_right_sticky(uint32_t m, int n) {
    if (n == 0) return m;
    if (n >= 32) return m != 0;
    return (m >> n) | ((m << (32 - n)) != 0);
}

// The float nearest to m * 2^(e - 157) (ties to even), with the given sign;
// m is nonzero. Once m's leading 1 is moved to bit 30, e is the exponent
// field of a normal result: the 23 bits under the leading 1 are its
// fraction and the 7 below them decide the rounding.
static uint32_t round_pack(uint32_t sign, int e, uint32_t m) {
    int zeros = leading_zeros(m);
    if (zeros == 0) {
        m = (m >> 1) | (m & 1);
        e += 1;
    } else {
        m <<= zeros - 1;
        e -= zeros - 1;
    }
    if (e >= 0xff) return sign | INF;
    if (e <= 0) {
        // Below the smallest normal: a subnormal's significand is the same
        // value at exponent field 1, moved right and rounded from there.
        m = shift_right_sticky(m, 1 - e);
        e = 1;
    }
    uint32_t rest = m & 0x7f;
    m >>= 7;
    if (rest > 0x40 || (rest == 0x40 && (m & 1))) m += 1;
    // The leading 1 (bit 23 of a normal) adds itself to the exponent field,
    // so the field goes in one lower. A subnormal has no leading 1 and gets
    // field 0; a carry out of rounding moves to the next binade by itself,
    // from the largest float up to infinity, from a subnormal up to a normal.
    return sign | (((uint32_t)(e - 1) << 23) + m);
}

// A finite nonzero float's magnitude as m * 2^(e - 150), m's leading 1 at
// bit 23; a subnormal is normalised, its e going to 0 or below.
typedef struct {
    uint32_t m;
    int e;
} unpacked;

static unpacked unpack(uint32_t a) {
    unpacked u = {a & FRACTION, (int)((a >> 23) & 0xff)};
    if (u.e == 0) {
        int shift = leading_zeros(u.m) - 8;
        u.m <<= shift;
        u.e = 1 - shift;
    } else {
        u.m |= HIDDEN;
    }
    return u;
}

static uint32_t sum(uint32_t a, uint32_t b) {
    if (is_nan(a) || is_nan(b)) return QUIET_NAN;
    uint32_t abs_a = a & ~SIGN, abs_b = b & ~SIGN;
    if (abs_a == INF) return abs_b == INF && a != b ? QUIET_NAN : a;
    if (abs_b == INF) return b;
    if (abs_a == 0) return abs_b == 0 ? a & b : b;  // -0 + -0 is -0, +0 + -0 is +0
    if (abs_b == 0) return a;
    if (abs_a < abs_b) {
        uint32_t t = a;
        a = b;
        b = t;
    }
    // a has the larger magnitude, so the result has its sign. Six spare bits
    // under the significands keep what b loses when aligned to a; the sum
    // needs no more: when b is shifted out by more than one place, the
    // difference loses at most one leading bit.
    unpacked x = unpack(a), y = unpack(b);
    uint32_t mx = x.m << 6;
    uint32_t my = shift_right_sticky(y.m << 6, x.e - y.e);
    uint32_t m = ((a ^ b) & SIGN) ? mx - my : mx + my;
    if (m == 0) return 0;  // x - x is +0
    return round_pack(a & SIGN, x.e + 1, m);
}

uint32_t __addsf3(uint32_t a, uint32_t b) { return sum(a, b); }

uint32_t __subsf3(uint32_t a, uint32_t b) { return sum(a, b ^ SIGN); }

// Only the sign bit changes, NaNs included, as with RISC-V's fneg.s.
uint32_t __negsf2(uint32_t a) { return a ^ SIGN; }

uint32_t __mulsf3(uint32_t a, uint32_t b) {
    uint32_t sign = (a ^ b) & SIGN;
    if (is_nan(a) || is_nan(b)) return QUIET_NAN;
    uint32_t abs_a = a & ~SIGN, abs_b = b & ~SIGN;
    if (abs_a == INF || abs_b == INF) return abs_a == 0 || abs_b == 0 ? QUIET_NAN : sign | INF;
    if (abs_a == 0 || abs_b == 0) return sign;
    unpacked x = unpack(a), y = unpack(b);
    // The exact product of two 24-bit significands has 47 or 48 bits; the
    // top 32 are enough, with the rest folded into bit 0.
    uint64_t product = (uint64_t)x.m * y.m;
    uint32_t m = (uint32_t)(product >> 16) | (((uint32_t)product & 0xffff) != 0);
    return round_pack(sign, x.e + y.e - 127, m);
}

uint32_t __divsf3(uint32_t a, uint32_t b) {
    uint32_t sign = (a ^ b) & SIGN;
    if (is_nan(a) || is_nan(b)) return QUIET_NAN;
    uint32_t abs_a = a & ~SIGN, abs_b = b & ~SIGN;
    if (abs_a == INF) return abs_b == INF ? QUIET_NAN : sign | INF;
    if (abs_b == INF) return sign;
    if (abs_b == 0) return abs_a == 0 ? QUIET_NAN : sign | INF;
    if (abs_a == 0) return sign;
    unpacked x = unpack(a), y = unpack(b);
    int e = x.e - y.e + 132;
    uint32_t remainder = x.m;
    if (remainder < y.m) {  // so that the quotient's first bit is 1
        remainder <<= 1;
        e -= 1;
    }
    // Long division, eight quotient bits to a divu: the remainder stays
    // below the divisor, under 2^24, so it has room for eight more bits.
    // 26 bits in all, a first 1, three times eight and one: the 24 of the
    // result, a rounding bit and one below it; then whether anything remains.
    uint32_t q = 1;
    remainder -= y.m;
    for (int i = 0; i < 3; i++) {
        remainder <<= 8;
        q = (q << 8) | remainder / y.m;
        remainder %= y.m;
    }
    remainder <<= 1;
    q = (q << 1) | (remainder >= y.m);
    if (remainder >= y.m) remainder -= y.m;
    return round_pack(sign, e, q | (remainder != 0));
}

// -1, 0 or 1 as a is below, equal to or above b; 2 if either is a NaN.
// Called, not inlined: the six routines below share one copy.
__attribute__((noinline)) static int compare(uint32_t a, uint32_t b) {
    if (is_nan(a) || is_nan(b)) return 2;
    // The magnitude's bits order floats of one sign; negated for negative
    // floats they order all of them, -0 and +0 both becoming 0.
    int32_t ka = (a & SIGN) ? -(int32_t)(a & ~SIGN) : (int32_t)a;
    int32_t kb = (b & SIGN) ? -(int32_t)(b & ~SIGN) : (int32_t)b;
    return ka < kb ? -1 : ka > kb;
}

// Compilers test these results against 0 with the operator itself (a < b
// is __ltsf2(a, b) < 0, a >= b is __gesf2(a, b) >= 0, and !(a < b) is
// __ltsf2(a, b) >= 0), so a NaN must make each one answer "false": 1 where
// the test is < 0, <= 0 or == 0, -1 where it is > 0 or >= 0.
int __eqsf2(uint32_t a, uint32_t b) { int c = compare(a, b); return c == 2 ? 1 : c; }
int __nesf2(uint32_t a, uint32_t b) { int c = compare(a, b); return c == 2 ? 1 : c; }
int __ltsf2(uint32_t a, uint32_t b) { int c = compare(a, b); return c == 2 ? 1 : c; }
int __lesf2(uint32_t a, uint32_t b) { int c = compare(a, b); return c == 2 ? 1 : c; }
int __gtsf2(uint32_t a, uint32_t b) { int c = compare(a, b); return c == 2 ? -1 : c; }
int __gesf2(uint32_t a, uint32_t b) { int c = compare(a, b); return c == 2 ? -1 : c; }
int __unordsf2(uint32_t a, uint32_t b) { return is_nan(a) || is_nan(b); }

// The integer part of a finite float whose exponent (unbiased) is e, 0 <= e < 64.
static uint64_t integer_part(uint32_t a, int e) {
    uint64_t m = (a & FRACTION) | HIDDEN;
    return e >= 23 ? m << (e - 23) : m >> (23 - e);
}

static int exponent(uint32_t a) { return (int)((a >> 23) & 0xff) - 127; }

// Float to integer: truncation toward zero; values beyond the type's range
// and infinities give its nearest end, NaNs its largest value, as RISC-V's
// fcvt instructions do. Every float below 1 in magnitude gives 0, and every
// negative one 0 for an unsigned type.
int32_t __fixsfsi(uint32_t a) {
    if (is_nan(a)) return INT32_MAX;
    int e = exponent(a);
    if (e < 0) return 0;
    if (e >= 31) return (a & SIGN) ? INT32_MIN : INT32_MAX;  // -2^31 itself included
    uint32_t magnitude = (uint32_t)integer_part(a, e);
    return (a & SIGN) ? -(int32_t)magnitude : (int32_t)magnitude;
}

uint32_t __fixunssfsi(uint32_t a) {
    if (is_nan(a)) return UINT32_MAX;
    int e = exponent(a);
    if ((a & SIGN) || e < 0) return 0;
    if (e >= 32) return UINT32_MAX;
    return (uint32_t)integer_part(a, e);
}

int64_t __fixsfdi(uint32_t a) {
    if (is_nan(a)) return INT64_MAX;
    int e = exponent(a);
    if (e < 0) return 0;
    if (e >= 63) return (a & SIGN) ? INT64_MIN : INT64_MAX;
    uint64_t magnitude = integer_part(a, e);
    return (a & SIGN) ? -(int64_t)magnitude : (int64_t)magnitude;
}

uint64_t __fixunssfdi(uint32_t a) {
    if (is_nan(a)) return UINT64_MAX;
    int e = exponent(a);
    if ((a & SIGN) || e < 0) return 0;
    if (e >= 64) return UINT64_MAX;
    return integer_part(a, e);
}

// The float nearest to a 64-bit magnitude: one that does not fit in 32 bits
// keeps its top 32, the rest folded into bit 0 for rounding.
static uint32_t from_integer(uint32_t sign, uint64_t magnitude) {
    if (magnitude == 0) return 0;
    uint32_t high = (uint32_t)(magnitude >> 32);
    if (high == 0) return round_pack(sign, 157, (uint32_t)magnitude);
    int dropped = 32 - leading_zeros(high);
    uint32_t m = (uint32_t)(magnitude >> dropped) | ((magnitude << (64 - dropped)) != 0);
    return round_pack(sign, 157 + dropped, m);
}

uint32_t __floatsisf(int32_t i) {
    return i < 0 ? from_integer(SIGN, -(uint32_t)i) : from_integer(0, (uint32_t)i);
}

uint32_t __floatunsisf(uint32_t i) { return from_integer(0, i); }

uint32_t __floatdisf(int64_t i) {
    return i < 0 ? from_integer(SIGN, -(uint64_t)i) : from_integer(0, (uint64_t)i);
}

uint32_t __floatundisf(uint64_t i) { return from_integer(0, i); }

// Double to float, rounded. It lives here for the float rounding.
uint32_t __truncdfsf2(uint64_t a) {
    uint32_t sign = (uint32_t)(a >> 32) & SIGN;
    uint64_t magnitude = a & 0x7fffffffffffffffull;
    if (magnitude > 0x7ff0000000000000ull) return QUIET_NAN;
    if (magnitude == 0x7ff0000000000000ull) return sign | INF;
    int e = (int)(magnitude >> 52);
    // Zeros, and subnormal doubles, far below half the smallest float.
    if (e == 0) return sign;
    // The 53-bit significand's top 32 bits, with the rest folded into bit 0,
    // stand for m * 2^(e - 1053), 896 being the difference of the biases.
    uint64_t significand = (magnitude & 0x000fffffffffffffull) | 0x0010000000000000ull;
    uint32_t m = (uint32_t)(significand >> 22) | ((significand & 0x3fffff) != 0);
    return round_pack(sign, e - 896, m);
}
