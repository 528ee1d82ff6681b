// The string functions called by name: copies, comparisons, searches, an overlapping move.
typedef unsigned int size_t;
size_t strlen(const char *s);
char *strcpy(char *d, const char *s);
char *strncpy(char *d, const char *s, size_t n);
int strcmp(const char *a, const char *b);
int strncmp(const char *a, const char *b, size_t n);
char *strchr(const char *s, int c);
void *memmove(void *d, const void *s, size_t n);
int memcmp(const void *a, const void *b, size_t n);
char buf[64] = "hello, world";
char other[64];

int main(void) {
    unsigned h = strlen(buf);
    strcpy(other, buf);
    h = h * 31 + (strcmp(other, buf) == 0) + 2 * (strcmp("abc", "abd") < 0) + 4 * (strncmp("abcx", "abcy", 3) == 0);
    memmove(buf + 2, buf, 20);
    h = h * 31 + (unsigned)buf[5] + (unsigned)(strchr(buf, 'w') - buf);
    strncpy(other, "xy", 10);
    h = h * 31 + (unsigned)other[1] + (unsigned)other[5] + (memcmp(buf, other, 3) > 0);
    char *p = strchr(buf, 0);
    h = h * 31 + (unsigned)(p - buf) + (strchr(buf, 'Q') == 0);
    return (int)h;
}
