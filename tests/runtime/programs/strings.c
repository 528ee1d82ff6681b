// The string and memory routines a program calls by name.
typedef unsigned int size_t;
size_t strlen(const char *);
char *strcpy(char *, const char *);
char *strncpy(char *, const char *, size_t);
int strcmp(const char *, const char *);
int strncmp(const char *, const char *, size_t);
char *strchr(const char *, int);
int memcmp(const void *, const void *, size_t);
void *memmove(void *, const void *, size_t);

char word[32];
char padded[8] = "xxxxxxx";
char shifting[16] = "abcdefghij";

int sign(int x) { return x < 0 ? -1 : x > 0; }

int main(void) {
    strcpy(word, "risc-v");
    int score = (int)strlen(word);                        // 6
    score = score * 10 + sign(strcmp(word, "risc-w"));    // 59
    score = score * 10 + sign(strcmp("b", "a"));          // 591
    score = score * 10 + (strcmp(word, "risc-v") == 0);   // 5911
    score = score * 10 + (strncmp(word, "risk", 3) == 0); // 59111
    score = score * 10 + (int)(strchr(word, '-') - word); // 591114
    score += strchr(word, 'z') == 0;
    score += (strchr(word, '\0') - word) * 1000000;
    strncpy(padded, "ab", 5);
    score += padded[4] == 0 && padded[5] == 'x' ? 20000000 : 0;
    memmove(shifting + 2, shifting, 8);
    memmove(shifting, shifting + 3, 5);
    score += sign(memcmp(shifting, "bcdefdefg", 9)) == 0 ? 100000000 : 0;
    score += sign(memcmp("\xff", "\x01", 1)) > 0 ? 200000000 : 0;
    return score;
}
