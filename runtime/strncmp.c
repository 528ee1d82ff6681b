// strncmp: strcmp over at most n bytes.
#include <stddef.h>

int strncmp(const char *a, const char *b, size_t n) {
    const unsigned char *p = (const unsigned char *)a, *q = (const unsigned char *)b;
    for (size_t i = 0; i < n; i++) {
        if (p[i] != q[i]) return p[i] - q[i];
        if (p[i] == '\0') return 0;
    }
    return 0;
}
