// memcpy: whole words while source and destination are both word-aligned
// (struct copies usually are), bytes around them.
#include <stddef.h>
#include <stdint.h>

typedef uint32_t __attribute__((may_alias)) word;

void *memcpy(void *restrict dst, const void *restrict src, size_t n) {
    unsigned char *d = dst;
    const unsigned char *s = src;
    if ((((uintptr_t)d ^ (uintptr_t)s) & 3) == 0) {
        for (; n > 0 && ((uintptr_t)d & 3) != 0; n--) *d++ = *s++;
        for (; n >= 4; n -= 4, d += 4, s += 4) *(word *)d = *(const word *)s;
    }
    for (; n > 0; n--) *d++ = *s++;
    return dst;
}
