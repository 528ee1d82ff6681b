// strncpy: at most n bytes of `src`; when it is shorter, zeros fill the rest
// of the n, and when it is not, no terminating zero is written.
#include <stddef.h>

char *strncpy(char *restrict dst, const char *restrict src, size_t n) {
    size_t i = 0;
    for (; i < n && src[i] != '\0'; i++) dst[i] = src[i];
    for (; i < n; i++) dst[i] = '\0';
    return dst;
}
