// strcmp: the difference of the first pair of bytes that differ, read as
// unsigned char; 0 when both strings end together.
int strcmp(const char *a, const char *b) {
    const unsigned char *p = (const unsigned char *)a, *q = (const unsigned char *)b;
    while (*p != '\0' && *p == *q) {
        p++;
        q++;
    }
    return *p - *q;
}
