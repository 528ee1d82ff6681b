// Double precision (double) arithmetic for a machine without floating point
// hardware: the routines compilers call for double operations under the
// ilp32 soft-float calling convention. A double travels as its 64-bit
// pattern in a0 (low word) and a1 (high word), so every routine here takes
// and returns the bits as uint64_t.
//
// Results are rounded to nearest, ties to even, and match what RISC-V
// hardware floating point gives bit for bit: every NaN result is the one
// quiet NaN 0x7ff8000000000000, and conversions to integers truncate toward
// zero and saturate, a NaN converting to the largest integer.
//
// Nothing here may call another routine: 64-bit shifts, additions and
// multiplications are done inline on rv32im, but 64-bit division is not
// (division here is one bit at a time), and neither is __builtin_clz.

#include <stdint.h>

#define SIGN 0x8000000000000000ull
#define INF 0x7ff0000000000000ull
#define FRACTION 0x000fffffffffffffull
#define HIDDEN 0x0010000000000000ull
#define QUIET_NAN 0x7ff8000000000000ull

static int is_nan(uint64_t a) { return (a & ~SIGN) > INF; }

// The number of 0 bits above the highest 1 of a nonzero word.
static int leading_zeros32(uint32_t x) {
    int n = 0;
    if (!(x & 0xffff0000u)) { n += 16; x <<= 16; }
    if (!(x & 0xff000000u)) { n += 8; x <<= 8; }
    if (!(x & 0xf0000000u)) { n += 4; x <<= 4; }
    if (!(x & 0xc0000000u)) { n += 2; x <<= 2; }
    if (!(x & 0x80000000u)) n += 1;
    return n;
}

static int leading_zeros(uint64_t x) {
    uint32_t high = (uint32_t)(x >> 32);
    return high ? leading_zeros32(high) : 32 + leading_zeros32((uint32_t)x);
}

// m >> n, with bit 0 set if any 1 bit was shifted out. That bit keeps ties
// apart from values just above them; as long as two or more bits lie between
// it and the rounding position, rounding the result gives what rounding the
// exact value would.
static uint64_t shift_right_sticky(uint64_t m, int n) {
    if (n == 0) return m;
    if (n >= 64) return m != 0;
    return (m >> n) | ((m << (64 - n)) != 0);
}

// The double nearest to m * 2^(e - 1085) (ties to even), with the given
// sign; m is nonzero. Once m's leading 1 is moved to bit 62, e is the
// exponent field of a normal result: the 52 bits under the leading 1 are
// its fraction and the 10 below them decide the rounding.
static uint64_t round_pack(uint64_t sign, int e, uint64_t m) {
    int zeros = leading_zeros(m);
    if (zeros == 0) {
        m = (m >> 1) | (m & 1);
        e += 1;
    } else {
        m <<= zeros - 1;
        e -= zeros - 1;
    }
    if (e >= 0x7ff) return sign | INF;
    if (e <= 0) {
        // Below the smallest normal: a subnormal's significand is the same
        // value at exponent field 1, moved right and rounded from there.
        m = shift_right_sticky(m, 1 - e);
        e = 1;
    }
    uint32_t rest = (uint32_t)m & 0x3ff;
    m >>= 10;
    if (rest > 0x200 || (rest == 0x200 && (m & 1))) m += 1;
    // The leading 1 (bit 52 of a normal) adds itself to the exponent field,
    // so the field goes in one lower. A subnormal has no leading 1 and gets
    // field 0; a carry out of rounding moves to the next binade by itself,
    // from the largest double up to infinity, from a subnormal up to a normal.
    return sign | (((uint64_t)(e - 1) << 52) + m);
}

// A finite nonzero double's magnitude as m * 2^(e - 1075), m's leading 1 at
// bit 52; a subnormal is normalised, its e going to 0 or below.
typedef struct {
    uint64_t m;
    int e;
} unpacked;

static unpacked unpack(uint64_t a) {
    unpacked u = {a & FRACTION, (int)((a >> 52) & 0x7ff)};
    if (u.e == 0) {
        int shift = leading_zeros(u.m) - 11;
        u.m <<= shift;
        u.e = 1 - shift;
    } else {
        u.m |= HIDDEN;
    }
    return u;
}

static uint64_t sum(uint64_t a, uint64_t b) {
    if (is_nan(a) || is_nan(b)) return QUIET_NAN;
    uint64_t abs_a = a & ~SIGN, abs_b = b & ~SIGN;
    if (abs_a == INF) return abs_b == INF && a != b ? QUIET_NAN : a;
    if (abs_b == INF) return b;
    if (abs_a == 0) return abs_b == 0 ? a & b : b;  // -0 + -0 is -0, +0 + -0 is +0
    if (abs_b == 0) return a;
    if (abs_a < abs_b) {
        uint64_t t = a;
        a = b;
        b = t;
    }
    // a has the larger magnitude, so the result has its sign. Nine spare
    // bits under the significands keep what b loses when aligned to a; the
    // sum needs no more: when b is shifted out by more than one place, the
    // difference loses at most one leading bit.
    unpacked x = unpack(a), y = unpack(b);
    uint64_t mx = x.m << 9;
    uint64_t my = shift_right_sticky(y.m << 9, x.e - y.e);
    uint64_t m = ((a ^ b) & SIGN) ? mx - my : mx + my;
    if (m == 0) return 0;  // x - x is +0
    return round_pack(a & SIGN, x.e + 1, m);
}

uint64_t __adddf3(uint64_t a, uint64_t b) { return sum(a, b); }

uint64_t __subdf3(uint64_t a, uint64_t b) { return sum(a, b ^ SIGN); }

// Only the sign bit changes, NaNs included, as with RISC-V's fneg.d.
uint64_t __negdf2(uint64_t a) { return a ^ SIGN; }

// The top 64 bits of the product of two 53-bit significands (106 bits at
// most), the lower 42 folded into bit 0. rv32 has no 128-bit type, so the
// product is put together from 32-bit halves: a = a1:a0, b = b1:b0, and
// a * b = a1*b1 * 2^64 + (a1*b0 + a0*b1) * 2^32 + a0*b0, each partial
// product a 32 x 32 -> 64-bit multiplication.
static uint64_t multiply_significands(uint64_t a, uint64_t b) {
    uint32_t a0 = (uint32_t)a, a1 = (uint32_t)(a >> 32);
    uint32_t b0 = (uint32_t)b, b1 = (uint32_t)(b >> 32);
    uint64_t low = (uint64_t)a0 * b0;
    // a1 and b1 have 21 bits, so this sum of 53-bit terms cannot overflow.
    uint64_t middle = (uint64_t)a1 * b0 + (uint64_t)a0 * b1 + (low >> 32);
    uint64_t high = (uint64_t)a1 * b1 + (middle >> 32);
    uint64_t bottom = (middle << 32) | (uint32_t)low;  // product bits 0..63
    return (high << 22) | (bottom >> 42) | ((bottom << 22) != 0);
}

uint64_t __muldf3(uint64_t a, uint64_t b) {
    uint64_t sign = (a ^ b) & SIGN;
    if (is_nan(a) || is_nan(b)) return QUIET_NAN;
    uint64_t abs_a = a & ~SIGN, abs_b = b & ~SIGN;
    if (abs_a == INF || abs_b == INF) return abs_a == 0 || abs_b == 0 ? QUIET_NAN : sign | INF;
    if (abs_a == 0 || abs_b == 0) return sign;
    unpacked x = unpack(a), y = unpack(b);
    return round_pack(sign, x.e + y.e - 1023, multiply_significands(x.m, y.m));
}

// The next k bits (k <= 16) of the quotient: remainder * 2^k / d, for
// remainder < d and d's leading 1 at bit 52, leaving the new remainder.
// One divu of the top 32 bits of the remainder by the top bits of d, rounded
// up, gives a digit that is never too large and at most 2 too small, so a
// subtraction or two finish it. remainder << k may not fit in 64 bits, but
// the new remainder, below 3 * d < 2^55, comes out right modulo 2^64.
static uint32_t quotient_digit(uint64_t *remainder, uint64_t d, int k) {
    uint32_t digit = (uint32_t)(*remainder >> 21) / ((uint32_t)(d >> (21 + k)) + 1);
    uint64_t r = (*remainder << k) - digit * d;
    while (r >= d) {
        r -= d;
        digit++;
    }
    *remainder = r;
    return digit;
}

uint64_t __divdf3(uint64_t a, uint64_t b) {
    uint64_t sign = (a ^ b) & SIGN;
    if (is_nan(a) || is_nan(b)) return QUIET_NAN;
    uint64_t abs_a = a & ~SIGN, abs_b = b & ~SIGN;
    if (abs_a == INF) return abs_b == INF ? QUIET_NAN : sign | INF;
    if (abs_b == INF) return sign;
    if (abs_b == 0) return abs_a == 0 ? QUIET_NAN : sign | INF;
    if (abs_a == 0) return sign;
    unpacked x = unpack(a), y = unpack(b);
    int e = x.e - y.e + 1031;
    uint64_t remainder = x.m;
    if (remainder < y.m) {  // so that the quotient's first bit is 1
        remainder <<= 1;
        e -= 1;
    }
    // Long division in digits of up to 16 bits, 55 bits in all, a first 1,
    // three times 16 and 6: the 53 of the result, a rounding bit and one
    // below it; then whether anything remains.
    uint64_t q = 1;
    remainder -= y.m;
    for (int i = 0; i < 3; i++) q = (q << 16) | quotient_digit(&remainder, y.m, 16);
    q = (q << 6) | quotient_digit(&remainder, y.m, 6);
    return round_pack(sign, e, q | (remainder != 0));
}

// -1, 0 or 1 as a is below, equal to or above b; 2 if either is a NaN.
// Called, not inlined: the six routines below share one copy.
__attribute__((noinline)) static int compare(uint64_t a, uint64_t b) {
    if (is_nan(a) || is_nan(b)) return 2;
    // The magnitude's bits order doubles of one sign; negated for negative
    // doubles they order all of them, -0 and +0 both becoming 0.
    int64_t ka = (a & SIGN) ? -(int64_t)(a & ~SIGN) : (int64_t)a;
    int64_t kb = (b & SIGN) ? -(int64_t)(b & ~SIGN) : (int64_t)b;
    return ka < kb ? -1 : ka > kb;
}

// Compilers test these results against 0 with the operator itself (a < b
// is __ltdf2(a, b) < 0, a >= b is __gedf2(a, b) >= 0, and !(a < b) is
// __ltdf2(a, b) >= 0), so a NaN must make each one answer "false": 1 where
// the test is < 0, <= 0 or == 0, -1 where it is > 0 or >= 0.
int __eqdf2(uint64_t a, uint64_t b) { int c = compare(a, b); return c == 2 ? 1 : c; }
int __nedf2(uint64_t a, uint64_t b) { int c = compare(a, b); return c == 2 ? 1 : c; }
int __ltdf2(uint64_t a, uint64_t b) { int c = compare(a, b); return c == 2 ? 1 : c; }
int __ledf2(uint64_t a, uint64_t b) { int c = compare(a, b); return c == 2 ? 1 : c; }
int __gtdf2(uint64_t a, uint64_t b) { int c = compare(a, b); return c == 2 ? -1 : c; }
int __gedf2(uint64_t a, uint64_t b) { int c = compare(a, b); return c == 2 ? -1 : c; }
int __unorddf2(uint64_t a, uint64_t b) { return is_nan(a) || is_nan(b); }

// The integer part of a finite double whose exponent (unbiased) is e, 0 <= e < 64.
static uint64_t integer_part(uint64_t a, int e) {
    uint64_t m = (a & FRACTION) | HIDDEN;
    return e >= 52 ? m << (e - 52) : m >> (52 - e);
}

static int exponent(uint64_t a) { return (int)((a >> 52) & 0x7ff) - 1023; }

// Double to integer: truncation toward zero; values beyond the type's range
// and infinities give its nearest end, NaNs its largest value, as RISC-V's
// fcvt instructions do. Every double below 1 in magnitude gives 0, and
// every negative one 0 for an unsigned type.
int32_t __fixdfsi(uint64_t a) {
    if (is_nan(a)) return INT32_MAX;
    int e = exponent(a);
    if (e < 0) return 0;
    // Negative doubles from -2^31 - 1 (exclusive) to -2^31 truncate to
    // -2^31 itself, which is also where the rest saturate.
    if (e >= 31) return (a & SIGN) ? INT32_MIN : INT32_MAX;
    uint32_t magnitude = (uint32_t)integer_part(a, e);
    return (a & SIGN) ? -(int32_t)magnitude : (int32_t)magnitude;
}

uint32_t __fixunsdfsi(uint64_t a) {
    if (is_nan(a)) return UINT32_MAX;
    int e = exponent(a);
    if ((a & SIGN) || e < 0) return 0;
    if (e >= 32) return UINT32_MAX;
    return (uint32_t)integer_part(a, e);
}

int64_t __fixdfdi(uint64_t a) {
    if (is_nan(a)) return INT64_MAX;
    int e = exponent(a);
    if (e < 0) return 0;
    if (e >= 63) return (a & SIGN) ? INT64_MIN : INT64_MAX;
    uint64_t magnitude = integer_part(a, e);
    return (a & SIGN) ? -(int64_t)magnitude : (int64_t)magnitude;
}

uint64_t __fixunsdfdi(uint64_t a) {
    if (is_nan(a)) return UINT64_MAX;
    int e = exponent(a);
    if ((a & SIGN) || e < 0) return 0;
    if (e >= 64) return UINT64_MAX;
    return integer_part(a, e);
}

// The double nearest to a 64-bit magnitude (exact up to 2^53).
static uint64_t from_integer(uint64_t sign, uint64_t magnitude) {
    return magnitude == 0 ? 0 : round_pack(sign, 1085, magnitude);
}

uint64_t __floatsidf(int32_t i) {
    return i < 0 ? from_integer(SIGN, -(uint32_t)i) : from_integer(0, (uint32_t)i);
}

uint64_t __floatunsidf(uint32_t i) { return from_integer(0, i); }

uint64_t __floatdidf(int64_t i) {
    return i < 0 ? from_integer(SIGN, -(uint64_t)i) : from_integer(0, (uint64_t)i);
}

uint64_t __floatundidf(uint64_t i) { return from_integer(0, i); }

// Float to double, always exact. It lives here for the double packing.
uint64_t __extendsfdf2(uint32_t a) {
    uint64_t sign = (uint64_t)(a & 0x80000000u) << 32;
    uint32_t magnitude = a & 0x7fffffffu;
    if (magnitude > 0x7f800000u) return QUIET_NAN;
    if (magnitude == 0x7f800000u) return sign | INF;
    if (magnitude == 0) return sign;
    int e = (int)(magnitude >> 23);
    uint32_t m = magnitude & 0x007fffffu;
    if (e == 0) {  // a subnormal float is a normal double
        int shift = leading_zeros32(m) - 8;
        m = (m << shift) & 0x007fffffu;
        e = 1 - shift;
    }
    // 896 is the difference of the exponent biases, 1023 - 127.
    return sign | ((uint64_t)(e + 896) << 52) | ((uint64_t)m << 29);
}
