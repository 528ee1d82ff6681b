// The reference: each operation done by RISC-V's F and D instructions,
// named in the assembly so that no compiler choice comes between. rv32 has
// no instructions between floating point and 64-bit integers; those
// conversions are built here from 32-bit ones and exact steps, the one
// rounding left to an instruction.
#include "harness.h"

static float f(uint64_t bits) { union { uint32_t u; float f; } v = {(uint32_t)bits}; return v.f; }
static double d(uint64_t bits) { union { uint64_t u; double d; } v = {bits}; return v.d; }
static uint64_t bits_f(float x) { union { float f; uint32_t u; } v = {x}; return v.u; }
static uint64_t bits_d(double x) { union { double d; uint64_t u; } v = {x}; return v.u; }

#define BINARY(name, T, insn) \
    uint64_t hw_##name(uint64_t a, uint64_t b) \
    { \
        T r; \
        __asm__(insn " %0, %1, %2, rne" : "=f"(r) : "f"(T##_of(a)), "f"(T##_of(b))); \
        return bits_##T(r); \
    }
#define float_of f
#define double_of d
#define bits_float bits_f
#define bits_double bits_d
BINARY(addsf3, float, "fadd.s") BINARY(subsf3, float, "fsub.s")
BINARY(mulsf3, float, "fmul.s") BINARY(divsf3, float, "fdiv.s")
BINARY(adddf3, double, "fadd.d") BINARY(subdf3, double, "fsub.d")
BINARY(muldf3, double, "fmul.d") BINARY(divdf3, double, "fdiv.d")

uint64_t hw_negsf2(uint64_t a, uint64_t b) {
    float r, x = f(a);
    __asm__("fneg.s %0, %1" : "=f"(r) : "f"(x));
    return bits_f(r);
}

uint64_t hw_negdf2(uint64_t a, uint64_t b) {
    double r, x = d(a);
    __asm__("fneg.d %0, %1" : "=f"(r) : "f"(x));
    return bits_d(r);
}

// What each comparison routine returns, from the hardware's flt and feq:
// -1, 0, 1 for less, equal, greater, and for unordered operands the value
// that makes the compiler's test of that routine false.
#define COMPARE(T, S) \
    static int64_t compare_##S(uint64_t a, uint64_t b, int64_t unordered) \
    { \
        int less, equal, greater; \
        __asm__("flt." #S " %0, %1, %2" : "=r"(less) : "f"(T##_of(a)), "f"(T##_of(b))); \
        __asm__("feq." #S " %0, %1, %2" : "=r"(equal) : "f"(T##_of(a)), "f"(T##_of(b))); \
        __asm__("flt." #S " %0, %1, %2" : "=r"(greater) : "f"(T##_of(b)), "f"(T##_of(a))); \
        return less ? -1 : equal ? 0 : greater ? 1 : unordered; \
    } \
    uint64_t hw_eq##S##f2(uint64_t a, uint64_t b) { return compare_##S(a, b, 1); } \
    uint64_t hw_ne##S##f2(uint64_t a, uint64_t b) { return compare_##S(a, b, 1); } \
    uint64_t hw_lt##S##f2(uint64_t a, uint64_t b) { return compare_##S(a, b, 1); } \
    uint64_t hw_le##S##f2(uint64_t a, uint64_t b) { return compare_##S(a, b, 1); } \
    uint64_t hw_gt##S##f2(uint64_t a, uint64_t b) { return compare_##S(a, b, -1); } \
    uint64_t hw_ge##S##f2(uint64_t a, uint64_t b) { return compare_##S(a, b, -1); } \
    uint64_t hw_unord##S##f2(uint64_t a, uint64_t b) { return compare_##S(a, b, 2) == 2; }
COMPARE(float, s)
COMPARE(double, d)

#define TO_INTEGER(name, T, insn) \
    uint64_t hw_##name(uint64_t a, uint64_t b) \
    { \
        uint32_t r; \
        __asm__(insn " %0, %1, rtz" : "=r"(r) : "f"(T##_of(a))); \
        return r; \
    }
TO_INTEGER(fixsfsi, float, "fcvt.w.s") TO_INTEGER(fixunssfsi, float, "fcvt.wu.s")
TO_INTEGER(fixdfsi, double, "fcvt.w.d") TO_INTEGER(fixunsdfsi, double, "fcvt.wu.d")

// To double is exact, and takes no rounding mode.
#define FROM_INTEGER(name, T, insn, rounding) \
    uint64_t hw_##name(uint64_t a, uint64_t b) \
    { \
        T r; \
        uint32_t i = (uint32_t)a; \
        __asm__(insn " %0, %1" rounding : "=f"(r) : "r"(i)); \
        return bits_##T(r); \
    }
FROM_INTEGER(floatsisf, float, "fcvt.s.w", ", rne") FROM_INTEGER(floatunsisf, float, "fcvt.s.wu", ", rne")
FROM_INTEGER(floatsidf, double, "fcvt.d.w", "") FROM_INTEGER(floatunsidf, double, "fcvt.d.wu", "")

uint64_t hw_extendsfdf2(uint64_t a, uint64_t b) {
    double r;
    __asm__("fcvt.d.s %0, %1" : "=f"(r) : "f"(f(a)));
    return bits_d(r);
}

uint64_t hw_truncdfsf2(uint64_t a, uint64_t b) {
    float r;
    __asm__("fcvt.s.d %0, %1, rne" : "=f"(r) : "f"(d(a)));
    return bits_f(r);
}

static double times(double x, double y) {
    double r;
    __asm__("fmul.d %0, %1, %2, rne" : "=f"(r) : "f"(x), "f"(y));
    return r;
}

static double plus(double x, double y) {
    double r;
    __asm__("fadd.d %0, %1, %2, rne" : "=f"(r) : "f"(x), "f"(y));
    return r;
}

static double from_u32(uint32_t i) { return d(hw_floatunsidf(i, 0)); }
static uint32_t to_u32(double x) { return (uint32_t)hw_fixunsdfsi(bits_d(x), 0); }
static int less(double x, double y) { return (int)hw_ltdf2(bits_d(x), bits_d(y)) == -1; }

#define TWO_32 4294967296.0

// What fcvt.l.d and fcvt.lu.d would give (RV64): truncation of |x| below
// 2^64 as high = trunc(|x| / 2^32), exact, then trunc(|x| - high * 2^32),
// where the subtraction is exact too.
static uint64_t truncate_magnitude(double x) {
    double magnitude = d(bits_d(x) & ~(1ull << 63));
    uint32_t high = to_u32(times(magnitude, 1.0 / TWO_32));
    double rest = plus(magnitude, times(from_u32(high), -TWO_32));
    return (uint64_t)high << 32 | to_u32(rest);
}

static uint64_t to_i64(double x, int is_nan) {
    if (is_nan || !less(x, 9223372036854775808.0)) return INT64_MAX;
    if (!less(-9223372036854775808.0, x)) return (uint64_t)INT64_MIN;
    uint64_t m = truncate_magnitude(x);
    return less(x, 0.0) ? -m : m;
}

static uint64_t to_u64(double x, int is_nan) {
    if (is_nan || !less(x, 18446744073709551616.0)) return UINT64_MAX;
    return less(x, 0.0) ? 0 : truncate_magnitude(x);
}

uint64_t hw_fixdfdi(uint64_t a, uint64_t b) { return to_i64(d(a), hw_unorddf2(a, a)); }
uint64_t hw_fixunsdfdi(uint64_t a, uint64_t b) { return to_u64(d(a), hw_unorddf2(a, a)); }
uint64_t hw_fixsfdi(uint64_t a, uint64_t b) { return hw_fixdfdi(hw_extendsfdf2(a, 0), 0); }
uint64_t hw_fixunssfdi(uint64_t a, uint64_t b) { return hw_fixunsdfdi(hw_extendsfdf2(a, 0), 0); }

// high * 2^32 and low are exact, so the one addition is the one rounding.
uint64_t hw_floatdidf(uint64_t a, uint64_t b) {
    return bits_d(plus(times(d(hw_floatsidf(a >> 32, 0)), TWO_32), from_u32((uint32_t)a)));
}

uint64_t hw_floatundidf(uint64_t a, uint64_t b) {
    return bits_d(plus(times(from_u32(a >> 32), TWO_32), from_u32((uint32_t)a)));
}

// A 64-bit magnitude to float with one rounding, by fcvt.s.d: below 2^53
// the double is exact; above, the magnitude keeps its top 53 bits and any
// 1 among the 11 dropped sets the lowest kept bit, which rounds to 24 bits
// as the whole magnitude would (the dropped part cannot be a tie there).
static uint64_t float_of_magnitude(uint64_t m) {
    int dropped = m >> 53 ? 11 : 0;
    uint64_t kept = m >> dropped | ((m & ((1ull << dropped) - 1)) != 0);
    double exact = times(d(hw_floatundidf(kept, 0)), dropped ? 2048.0 : 1.0);
    return hw_truncdfsf2(bits_d(exact), 0);
}

uint64_t hw_floatundisf(uint64_t a, uint64_t b) { return float_of_magnitude(a); }

uint64_t hw_floatdisf(uint64_t a, uint64_t b) {
    return (int64_t)a < 0 ? hw_negsf2(float_of_magnitude(-a), 0) : float_of_magnitude(a);
}
