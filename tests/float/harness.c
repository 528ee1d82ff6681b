// Runs the runtime's float and double routines against RISC-V hardware
// floating point, for every operation: `harness edges` on every pair from
// the tables of edge operands, `harness random N SEED` on N random pairs.
// Prints a line per operation and the first mismatches, and exits with 1
// if there was any. Built for rv32imfd (ilp32, so values still pass in
// integer registers) and run under qemu-riscv32; see check.sh.
#include "harness.h"

// The routines under test, by the names compilers call them by.
#define SOFTWARE(name) uint64_t soft_##name(uint64_t a, uint64_t b);
EACH_OPERATION(SOFTWARE)

uint32_t __addsf3(uint32_t, uint32_t), __subsf3(uint32_t, uint32_t), __mulsf3(uint32_t, uint32_t),
    __divsf3(uint32_t, uint32_t), __negsf2(uint32_t);
int __eqsf2(uint32_t, uint32_t), __nesf2(uint32_t, uint32_t), __ltsf2(uint32_t, uint32_t),
    __lesf2(uint32_t, uint32_t), __gtsf2(uint32_t, uint32_t), __gesf2(uint32_t, uint32_t),
    __unordsf2(uint32_t, uint32_t);
int32_t __fixsfsi(uint32_t);
uint32_t __fixunssfsi(uint32_t);
int64_t __fixsfdi(uint32_t);
uint64_t __fixunssfdi(uint32_t);
uint32_t __floatsisf(int32_t), __floatunsisf(uint32_t), __floatdisf(int64_t), __floatundisf(uint64_t);
uint64_t __adddf3(uint64_t, uint64_t), __subdf3(uint64_t, uint64_t), __muldf3(uint64_t, uint64_t),
    __divdf3(uint64_t, uint64_t), __negdf2(uint64_t);
int __eqdf2(uint64_t, uint64_t), __nedf2(uint64_t, uint64_t), __ltdf2(uint64_t, uint64_t),
    __ledf2(uint64_t, uint64_t), __gtdf2(uint64_t, uint64_t), __gedf2(uint64_t, uint64_t),
    __unorddf2(uint64_t, uint64_t);
int32_t __fixdfsi(uint64_t);
uint32_t __fixunsdfsi(uint64_t);
int64_t __fixdfdi(uint64_t);
uint64_t __fixunsdfdi(uint64_t);
uint64_t __floatsidf(int32_t), __floatunsidf(uint32_t), __floatdidf(int64_t), __floatundidf(uint64_t);
uint64_t __extendsfdf2(uint32_t);
uint32_t __truncdfsf2(uint64_t);

// Results widened the way the hardware side widens them: 32-bit patterns
// and unsigned integers with zeros, comparisons' ints with their sign.
#define ONE(name, in, out) \
    uint64_t soft_##name(uint64_t a, uint64_t b) { return (out)__##name((in)a); }
#define TWO(name, in, out) \
    uint64_t soft_##name(uint64_t a, uint64_t b) { return (out)__##name((in)a, (in)b); }
TWO(addsf3, uint32_t, uint32_t) TWO(subsf3, uint32_t, uint32_t) TWO(mulsf3, uint32_t, uint32_t)
TWO(divsf3, uint32_t, uint32_t) ONE(negsf2, uint32_t, uint32_t)
TWO(eqsf2, uint32_t, int64_t) TWO(nesf2, uint32_t, int64_t) TWO(ltsf2, uint32_t, int64_t)
TWO(lesf2, uint32_t, int64_t) TWO(gtsf2, uint32_t, int64_t) TWO(gesf2, uint32_t, int64_t)
TWO(unordsf2, uint32_t, int64_t)
ONE(fixsfsi, uint32_t, uint32_t) ONE(fixunssfsi, uint32_t, uint32_t)
ONE(fixsfdi, uint32_t, uint64_t) ONE(fixunssfdi, uint32_t, uint64_t)
ONE(floatsisf, int32_t, uint32_t) ONE(floatunsisf, uint32_t, uint32_t)
ONE(floatdisf, int64_t, uint32_t) ONE(floatundisf, uint64_t, uint32_t)
TWO(adddf3, uint64_t, uint64_t) TWO(subdf3, uint64_t, uint64_t) TWO(muldf3, uint64_t, uint64_t)
TWO(divdf3, uint64_t, uint64_t) ONE(negdf2, uint64_t, uint64_t)
TWO(eqdf2, uint64_t, int64_t) TWO(nedf2, uint64_t, int64_t) TWO(ltdf2, uint64_t, int64_t)
TWO(ledf2, uint64_t, int64_t) TWO(gtdf2, uint64_t, int64_t) TWO(gedf2, uint64_t, int64_t)
TWO(unorddf2, uint64_t, int64_t)
ONE(fixdfsi, uint64_t, uint32_t) ONE(fixunsdfsi, uint64_t, uint32_t)
ONE(fixdfdi, uint64_t, uint64_t) ONE(fixunsdfdi, uint64_t, uint64_t)
ONE(floatsidf, int32_t, uint64_t) ONE(floatunsidf, uint32_t, uint64_t)
ONE(floatdidf, int64_t, uint64_t) ONE(floatundidf, uint64_t, uint64_t)
ONE(extendsfdf2, uint32_t, uint64_t) ONE(truncdfsf2, uint64_t, uint32_t)

typedef struct {
    const char *name;
    enum kind operand;
    int operands;  // 1 or 2
    operation soft, hard;
} checked;

#define ROW(name, kind, operands) {"__" #name, kind, operands, soft_##name, hw_##name},
static const checked operations[] = {
    ROW(addsf3, FLOAT, 2) ROW(subsf3, FLOAT, 2) ROW(mulsf3, FLOAT, 2) ROW(divsf3, FLOAT, 2)
    ROW(negsf2, FLOAT, 1)
    ROW(eqsf2, FLOAT, 2) ROW(nesf2, FLOAT, 2) ROW(ltsf2, FLOAT, 2) ROW(lesf2, FLOAT, 2)
    ROW(gtsf2, FLOAT, 2) ROW(gesf2, FLOAT, 2) ROW(unordsf2, FLOAT, 2)
    ROW(fixsfsi, FLOAT, 1) ROW(fixunssfsi, FLOAT, 1) ROW(fixsfdi, FLOAT, 1) ROW(fixunssfdi, FLOAT, 1)
    ROW(floatsisf, INT32, 1) ROW(floatunsisf, UINT32, 1) ROW(floatdisf, INT64, 1)
    ROW(floatundisf, UINT64, 1)
    ROW(adddf3, DOUBLE, 2) ROW(subdf3, DOUBLE, 2) ROW(muldf3, DOUBLE, 2) ROW(divdf3, DOUBLE, 2)
    ROW(negdf2, DOUBLE, 1)
    ROW(eqdf2, DOUBLE, 2) ROW(nedf2, DOUBLE, 2) ROW(ltdf2, DOUBLE, 2) ROW(ledf2, DOUBLE, 2)
    ROW(gtdf2, DOUBLE, 2) ROW(gedf2, DOUBLE, 2) ROW(unorddf2, DOUBLE, 2)
    ROW(fixdfsi, DOUBLE, 1) ROW(fixunsdfsi, DOUBLE, 1) ROW(fixdfdi, DOUBLE, 1) ROW(fixunsdfdi, DOUBLE, 1)
    ROW(floatsidf, INT32, 1) ROW(floatunsidf, UINT32, 1) ROW(floatdidf, INT64, 1)
    ROW(floatundidf, UINT64, 1)
    ROW(extendsfdf2, FLOAT, 1) ROW(truncdfsf2, DOUBLE, 1)
};

// No C library: the program's only contact with the world is two system calls.
__asm__(".globl _start\n"
        "_start:\n"
        "    lw a0, 0(sp)\n"  // argc
        "    addi a1, sp, 4\n"  // argv
        "    call main\n"
        "    li a7, 93\n"  // exit
        "    ecall\n");

static void write_out(const char *text, int length) {
    register int a0 __asm__("a0") = 1;
    register const char *a1 __asm__("a1") = text;
    register int a2 __asm__("a2") = length;
    register int a7 __asm__("a7") = 64;
    __asm__ volatile("ecall" : "+r"(a0) : "r"(a1), "r"(a2), "r"(a7) : "memory");
}

static void print(const char *text) {
    int n = 0;
    while (text[n]) n++;
    write_out(text, n);
}

static void print_hex(uint64_t v) {
    char text[19] = "0x";
    for (int i = 0; i < 16; i++) text[2 + i] = "0123456789abcdef"[(v >> (60 - 4 * i)) & 15];
    text[18] = ' ';
    write_out(text, 19);
}

// 32 bits: a 64-bit division would need the runtime's own helpers.
static void print_number(uint32_t v) {
    char text[10];
    int at = 10;
    do {
        text[--at] = (char)('0' + v % 10);
        v /= 10;
    } while (v);
    write_out(text + at, 10 - at);
}

static uint32_t parse_number(const char *text) {
    uint32_t v = 0;
    while (*text >= '0' && *text <= '9') v = v * 10 + (uint32_t)(*text++ - '0');
    return v;
}

// Compares one pair; reports the first few mismatches of an operation.
static int check(const checked *op, uint64_t a, uint64_t b, uint32_t *mismatches) {
    uint64_t soft = op->soft(a, b), hard = op->hard(a, b);
    if (soft == hard) return 0;
    if (++*mismatches <= 5) {
        print(op->name);
        print(" ");
        print_hex(a);
        if (op->operands == 2) print_hex(b);
        print("gives ");
        print_hex(soft);
        print("hardware ");
        print_hex(hard);
        print("\n");
    }
    return 1;
}

static uint32_t run_edges(const checked *op, uint32_t *pairs) {
    uint32_t mismatches = 0;
    int n = edge_count(op->operand);
    for (int i = 0; i < n; i++)
        for (int j = 0; j < (op->operands == 2 ? n : 1); j++, ++*pairs)
            check(op, edge(op->operand, i), edge(op->operand, j), &mismatches);
    return mismatches;
}

static uint32_t run_random(const checked *op, uint32_t count, uint32_t seed, uint32_t *pairs) {
    uint32_t mismatches = 0;
    uint64_t state = seed * 0x9e3779b97f4a7c15ull + 1;
    for (uint32_t i = 0; i < count; i++, ++*pairs) {
        uint64_t a = random_operand(op->operand, &state);
        uint64_t b = (next_random(&state) & 1) ? random_partner(op->operand, a, &state)
                                               : random_operand(op->operand, &state);
        check(op, a, b, &mismatches);
    }
    return mismatches;
}

int main(int argc, char **argv) {
    int random = argc >= 3 && argv[1][0] == 'r';
    uint32_t count = random ? parse_number(argv[2]) : 0, seed = argc >= 4 ? parse_number(argv[3]) : 1;
    uint32_t total = 0;
    for (unsigned i = 0; i < sizeof operations / sizeof operations[0]; i++) {
        uint32_t pairs = 0;
        uint32_t mismatches = random ? run_random(&operations[i], count, seed + i, &pairs)
                                     : run_edges(&operations[i], &pairs);
        print(operations[i].name);
        print(": ");
        print_number(pairs);
        print(operations[i].operands == 2 ? " pairs, " : " operands, ");
        print_number(mismatches);
        print(" mismatches\n");
        total += mismatches;
    }
    return total != 0;
}
