// memcmp: the difference of the first pair of bytes that differ, read as
// unsigned char.
#include <stddef.h>

int memcmp(const void *a, const void *b, size_t n) {
    const unsigned char *p = a, *q = b;
    for (size_t i = 0; i < n; i++)
        if (p[i] != q[i]) return p[i] - q[i];
    return 0;
}
