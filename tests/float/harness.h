// Shared by the pieces of the program that runs the runtime's floating
// point routines against RISC-V hardware floating point under qemu-riscv32.
// Every value passes as a 64-bit pattern: a float or a 32-bit integer in the
// low half, a double or a 64-bit integer in all of it.
#include <stdint.h>

enum kind { FLOAT, DOUBLE, INT32, UINT32, INT64, UINT64 };

typedef uint64_t (*operation)(uint64_t a, uint64_t b);

// The hardware's result for each operation, hardware.c.
#define HARDWARE(name) uint64_t hw_##name(uint64_t a, uint64_t b);
#define EACH_OPERATION(X) \
    X(addsf3) X(subsf3) X(mulsf3) X(divsf3) X(negsf2) \
    X(eqsf2) X(nesf2) X(ltsf2) X(lesf2) X(gtsf2) X(gesf2) X(unordsf2) \
    X(fixsfsi) X(fixunssfsi) X(fixsfdi) X(fixunssfdi) \
    X(floatsisf) X(floatunsisf) X(floatdisf) X(floatundisf) \
    X(adddf3) X(subdf3) X(muldf3) X(divdf3) X(negdf2) \
    X(eqdf2) X(nedf2) X(ltdf2) X(ledf2) X(gtdf2) X(gedf2) X(unorddf2) \
    X(fixdfsi) X(fixunsdfsi) X(fixdfdi) X(fixunsdfdi) \
    X(floatsidf) X(floatunsidf) X(floatdidf) X(floatundidf) \
    X(extendsfdf2) X(truncdfsf2)
EACH_OPERATION(HARDWARE)

// Operands, operands.c.
uint64_t next_random(uint64_t *state);
int edge_count(enum kind kind);
uint64_t edge(enum kind kind, int i);
uint64_t random_operand(enum kind kind, uint64_t *state);
// A second operand made for the first: near it (cancellations, ties), or
// such that their product or quotient is subnormal or near overflow.
uint64_t random_partner(enum kind kind, uint64_t a, uint64_t *state);
