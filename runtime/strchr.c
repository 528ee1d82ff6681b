// strchr: the first byte equal to (char)c, the terminating zero included
// (strchr(s, 0) finds the end); a null pointer when there is none.
char *strchr(const char *s, int c) {
    const char wanted = (char)c;
    for (;; s++) {
        if (*s == wanted) return (char *)s;
        if (*s == '\0') return 0;
    }
}
