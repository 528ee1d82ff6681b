// Shifts of 64-bit integers by a count from 0 to 63, one 32-bit half at a time.
#include <stdint.h>

static uint64_t join(uint32_t high, uint32_t low) { return ((uint64_t)high << 32) | low; }

int64_t __ashldi3(int64_t a, int count) {
    const uint32_t low = (uint32_t)a, high = (uint32_t)((uint64_t)a >> 32);
    count &= 63;
    if (count == 0) return a;
    if (count >= 32) return (int64_t)join(low << (count - 32), 0);
    return (int64_t)join((high << count) | (low >> (32 - count)), low << count);
}

uint64_t __lshrdi3(uint64_t a, int count) {
    const uint32_t low = (uint32_t)a, high = (uint32_t)(a >> 32);
    count &= 63;
    if (count == 0) return a;
    if (count >= 32) return join(0, high >> (count - 32));
    return join(high >> count, (low >> count) | (high << (32 - count)));
}

// The sign bit fills the vacated high bits.
int64_t __ashrdi3(int64_t a, int count) {
    const uint32_t low = (uint32_t)a;
    const int32_t high = (int32_t)((uint64_t)a >> 32);
    count &= 63;
    if (count == 0) return a;
    if (count >= 32) return (int64_t)join((uint32_t)(high >> 31), (uint32_t)(high >> (count - 32)));
    return (int64_t)join((uint32_t)(high >> count), (low >> count) | ((uint32_t)high << (32 - count)));
}
