// memmove: copies forwards when the destination lies below the source,
// backwards otherwise, so that overlapping bytes are read before they are
// overwritten.
#include <stddef.h>

void *memmove(void *dst, const void *src, size_t n) {
    unsigned char *d = dst;
    const unsigned char *s = src;
    if (d < s) {
        for (size_t i = 0; i < n; i++) d[i] = s[i];
    } else {
        for (size_t i = n; i > 0; i--) d[i - 1] = s[i - 1];
    }
    return dst;
}
