// strlen: the number of bytes before the terminating zero.
#include <stddef.h>

size_t strlen(const char *s) {
    const char *end = s;
    while (*end != '\0') end++;
    return (size_t)(end - s);
}
