// The few C library routines compilers call, for the qemu-riscv32 side of
// check.sh only: there the programs are linked with GCC's libgcc for the
// integer and floating-point helpers, and with these for the rest. Plain
// loops, nothing clever: they only have to be right.
typedef __SIZE_TYPE__ size_t;

void *memcpy(void *to, const void *from, size_t n) {
    char *t = to;
    const char *f = from;
    while (n--) *t++ = *f++;
    return to;
}

void *memmove(void *to, const void *from, size_t n) {
    char *t = to;
    const char *f = from;
    if (t < f)
        while (n--) *t++ = *f++;
    else
        while (n--) t[n] = f[n];
    return to;
}

void *memset(void *to, int c, size_t n) {
    unsigned char *t = to;
    while (n--) *t++ = (unsigned char)c;
    return to;
}

int memcmp(const void *a, const void *b, size_t n) {
    const unsigned char *x = a, *y = b;
    for (; n; n--, x++, y++)
        if (*x != *y) return *x - *y;
    return 0;
}

size_t strlen(const char *s) {
    size_t n = 0;
    while (s[n]) n++;
    return n;
}

char *strcpy(char *to, const char *from) {
    char *t = to;
    while ((*t++ = *from++)) {
    }
    return to;
}

int strcmp(const char *a, const char *b) {
    while (*a && *a == *b) a++, b++;
    return (unsigned char)*a - (unsigned char)*b;
}

char *strncpy(char *to, const char *from, size_t n) {
    size_t i = 0;
    for (; i < n && from[i]; i++) to[i] = from[i];
    for (; i < n; i++) to[i] = 0;
    return to;
}

int strncmp(const char *a, const char *b, size_t n) {
    for (; n; n--, a++, b++)
        if (*a != *b || !*a) return (unsigned char)*a - (unsigned char)*b;
    return 0;
}

char *strchr(const char *s, int c) {
    for (;; s++) {
        if (*s == (char)c) return (char *)s;
        if (!*s) return 0;
    }
}
