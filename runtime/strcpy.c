// strcpy: the bytes of `src` up to and including its terminating zero.
char *strcpy(char *restrict dst, const char *restrict src) {
    char *d = dst;
    while ((*d++ = *src++) != '\0') {
    }
    return dst;
}
