// memset: whole words once the destination is word-aligned, bytes around them.
#include <stddef.h>
#include <stdint.h>

typedef uint32_t __attribute__((may_alias)) word;

void *memset(void *dst, int c, size_t n) {
    unsigned char *d = dst;
    const unsigned char byte = (unsigned char)c;
    for (; n > 0 && ((uintptr_t)d & 3) != 0; n--) *d++ = byte;
    const word four = byte * 0x01010101u;
    for (; n >= 4; n -= 4, d += 4) *(word *)d = four;
    for (; n > 0; n--) *d++ = byte;
    return dst;
}
