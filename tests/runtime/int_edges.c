// The runtime's integer routines (renamed our__...) against a RISC-V machine:
// its div, divu, rem, remu and mul instructions for the 32-bit ones, the
// compiler's own code and libgcc for the 64-bit ones, on a table of edge
// operands and on pseudo-random ones. Writes each disagreement and a last
// line "N checked, M wrong" to standard output; exit status 1 when M > 0.
// Built with riscv64-unknown-elf-gcc -march=rv32im -mabi=ilp32 -nostdlib and
// run under qemu-riscv32 by int_edges.sh.
#include <stdint.h>

typedef int64_t i64;
typedef uint64_t u64;
typedef int32_t i32;
typedef uint32_t u32;

i64 our__divdi3(i64, i64);
i64 our__moddi3(i64, i64);
u64 our__udivdi3(u64, u64);
u64 our__umoddi3(u64, u64);
u64 our__muldi3(u64, u64);
i64 our__ashldi3(i64, int);
u64 our__lshrdi3(u64, int);
i64 our__ashrdi3(i64, int);
u32 our__mulsi3(u32, u32);
i32 our__divsi3(i32, i32);
u32 our__udivsi3(u32, u32);
i32 our__modsi3(i32, i32);
u32 our__umodsi3(u32, u32);
int our__clzsi2(u32);
int our__ctzsi2(u32);
int our__popcountsi2(u32);
int our__clzdi2(u64);
int our__ctzdi2(u64);
int our__popcountdi2(u64);
u32 our__bswapsi2(u32);
u64 our__bswapdi2(u64);

static long write_out(const char *text, unsigned long length) {
    register long a0 __asm__("a0") = 1;
    register long a1 __asm__("a1") = (long)text;
    register long a2 __asm__("a2") = (long)length;
    register long a7 __asm__("a7") = 64;
    __asm__ volatile("ecall" : "+r"(a0) : "r"(a1), "r"(a2), "r"(a7) : "memory");
    return a0;
}

static char line[160];
static unsigned used;

static void put(const char *s) {
    while (*s && used < sizeof line) line[used++] = *s++;
}

static void put_hex(u64 v) {
    put(" 0x");
    for (int shift = 60; shift >= 0; shift -= 4) {
        char digit[2] = {"0123456789abcdef"[(v >> shift) & 15], 0};
        put(digit);
    }
}

static void put_dec(u32 v) {
    char digits[11];
    int n = 0;
    do digits[n++] = (char)('0' + v % 10); while ((v /= 10) != 0);
    char one[2] = {0, 0};
    put(" ");
    while (n > 0) {
        one[0] = digits[--n];
        put(one);
    }
}

static void flush(void) {
    put("\n");
    write_out(line, used);
    used = 0;
}

static u32 checked, wrong;

static void check(const char *name, u64 a, u64 b, u64 ours, u64 machine) {
    checked++;
    if (ours == machine) return;
    wrong++;
    if (wrong > 40) return;
    put(name);
    put_hex(a);
    put_hex(b);
    put(" ours");
    put_hex(ours);
    put(" machine");
    put_hex(machine);
    flush();
}

static u32 hw_div(u32 a, u32 b) { u32 r; __asm__("div %0, %1, %2" : "=r"(r) : "r"(a), "r"(b)); return r; }
static u32 hw_divu(u32 a, u32 b) { u32 r; __asm__("divu %0, %1, %2" : "=r"(r) : "r"(a), "r"(b)); return r; }
static u32 hw_rem(u32 a, u32 b) { u32 r; __asm__("rem %0, %1, %2" : "=r"(r) : "r"(a), "r"(b)); return r; }
static u32 hw_remu(u32 a, u32 b) { u32 r; __asm__("remu %0, %1, %2" : "=r"(r) : "r"(a), "r"(b)); return r; }
static u32 hw_mul(u32 a, u32 b) { u32 r; __asm__("mul %0, %1, %2" : "=r"(r) : "r"(a), "r"(b)); return r; }

// What a 64-bit RISC-V machine's div, divu, rem and remu give; the C
// operators (libgcc) wherever C defines the result.
static i64 div64(i64 a, i64 b) {
    if (b == 0) return -1;
    if (a == INT64_MIN && b == -1) return INT64_MIN;
    return a / b;
}
static i64 mod64(i64 a, i64 b) {
    if (b == 0) return a;
    if (a == INT64_MIN && b == -1) return 0;
    return a % b;
}
static u64 udiv64(u64 a, u64 b) { return b == 0 ? ~(u64)0 : a / b; }
static u64 umod64(u64 a, u64 b) { return b == 0 ? a : a % b; }

static int clz64(u64 x) { return x == 0 ? 64 : __builtin_clzll(x); }
static int ctz64(u64 x) { return x == 0 ? 64 : __builtin_ctzll(x); }
static int clz32(u32 x) { return x == 0 ? 32 : __builtin_clz(x); }
static int ctz32(u32 x) { return x == 0 ? 32 : __builtin_ctz(x); }

static void check_pair(u64 a, u64 b) {
    const u32 a32 = (u32)a, b32 = (u32)b;
    check("__divdi3", a, b, (u64)our__divdi3((i64)a, (i64)b), (u64)div64((i64)a, (i64)b));
    check("__moddi3", a, b, (u64)our__moddi3((i64)a, (i64)b), (u64)mod64((i64)a, (i64)b));
    check("__udivdi3", a, b, our__udivdi3(a, b), udiv64(a, b));
    check("__umoddi3", a, b, our__umoddi3(a, b), umod64(a, b));
    check("__muldi3", a, b, our__muldi3(a, b), a * b);
    check("__divsi3", a32, b32, (u32)our__divsi3((i32)a32, (i32)b32), hw_div(a32, b32));
    check("__udivsi3", a32, b32, our__udivsi3(a32, b32), hw_divu(a32, b32));
    check("__modsi3", a32, b32, (u32)our__modsi3((i32)a32, (i32)b32), hw_rem(a32, b32));
    check("__umodsi3", a32, b32, our__umodsi3(a32, b32), hw_remu(a32, b32));
    check("__mulsi3", a32, b32, our__mulsi3(a32, b32), hw_mul(a32, b32));
    const int count = (int)(b & 63);
    check("__ashldi3", a, (u64)count, (u64)our__ashldi3((i64)a, count), a << count);
    check("__lshrdi3", a, (u64)count, our__lshrdi3(a, count), a >> count);
    check("__ashrdi3", a, (u64)count, (u64)our__ashrdi3((i64)a, count), (u64)((i64)a >> count));
}

static void check_one(u64 a) {
    const u32 a32 = (u32)a;
    check("__clzsi2", a32, 0, (u64)our__clzsi2(a32), (u64)clz32(a32));
    check("__ctzsi2", a32, 0, (u64)our__ctzsi2(a32), (u64)ctz32(a32));
    check("__popcountsi2", a32, 0, (u64)our__popcountsi2(a32), (u64)__builtin_popcount(a32));
    check("__clzdi2", a, 0, (u64)our__clzdi2(a), (u64)clz64(a));
    check("__ctzdi2", a, 0, (u64)our__ctzdi2(a), (u64)ctz64(a));
    check("__popcountdi2", a, 0, (u64)our__popcountdi2(a), (u64)__builtin_popcountll(a));
    check("__bswapsi2", a32, 0, our__bswapsi2(a32), __builtin_bswap32(a32));
    check("__bswapdi2", a, 0, our__bswapdi2(a), __builtin_bswap64(a));
}

static const u64 EDGES[] = {
    0, 1, 2, 3, 7, 10, 0x7f, 0x80, 0xff, 0xffff, 0x10000, 0x7fffffff, 0x80000000, 0x80000001, 0xfffffffe,
    0xffffffff, 0x100000000, 0x100000001, 0x1ffffffff, 0x123456789abcdef, 0x7ffffffffffffffe, 0x7fffffffffffffff,
    0x8000000000000000, 0x8000000000000001, 0xfffffffe00000000, 0xffffffff00000000, 0xffffffff80000000,
    0xffffffff7fffffff, 0xfffffffffffffff9, 0xfffffffffffffffe, 0xffffffffffffffff, 5000000000, 0xfedcba9876543210,
};

static u64 state = 0x9e3779b97f4a7c15;

// xorshift64*, with the operand's width picked at random too, so that small
// quotients and divisors of a few bits come up as often as large ones.
static u64 random_operand(void) {
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    const u64 r = state * 0x2545f4914f6cdd1d;
    const int bits = (int)(r >> 58);
    const u64 value = (r << 6) | (r >> 58);
    const u64 cut = bits == 0 ? value : value >> (64 - bits);
    return (r & 0x20) ? (u64)-(i64)cut : cut;
}

int main(void) {
    const unsigned n = sizeof EDGES / sizeof EDGES[0];
    for (unsigned i = 0; i < n; i++) {
        check_one(EDGES[i]);
        for (unsigned j = 0; j < n; j++) check_pair(EDGES[i], EDGES[j]);
    }
    for (unsigned i = 0; i < 20000; i++) {
        const u64 a = random_operand(), b = random_operand();
        check_one(a);
        check_pair(a, b);
    }
    put_dec(checked);
    put(" checked,");
    put_dec(wrong);
    put(" wrong");
    flush();
    return wrong != 0;
}

// The linker may reach data through gp once __global_pointer$ is defined.
__asm__(".globl _start\n"
        "_start:\n"
        ".option push\n"
        ".option norelax\n"
        "    la gp, __global_pointer$\n"
        ".option pop\n"
        "    call main\n"
        "    li a7, 93\n"
        "    ecall\n");
