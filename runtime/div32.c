// Division and remainder of 32-bit integers, for programs compiled for RV32I
// without the M extension. They give what the div, divu, rem and remu
// instructions give, including for a divisor of 0 (a quotient of all ones, the
// dividend as remainder) and INT32_MIN / -1 (INT32_MIN, remainder 0); the
// instruction itself is used only where it cannot stop the simulator.
#include <stdint.h>

uint32_t __udivsi3(uint32_t a, uint32_t b) { return b == 0 ? ~0u : a / b; }

uint32_t __umodsi3(uint32_t a, uint32_t b) { return b == 0 ? a : a % b; }

int32_t __divsi3(int32_t a, int32_t b) {
    if (b == 0) return -1;
    if (b == -1) return (int32_t)(0u - (uint32_t)a);
    return a / b;
}

int32_t __modsi3(int32_t a, int32_t b) {
    if (b == 0) return a;
    if (b == -1) return 0;
    return a % b;
}
