// Strings walked by hand: length, reversal, counting, comparison.
char text[] = "the quick brown fox jumps over the lazy dog";
char word[16] = "racecar";

static int length(const char *s) {
    int n = 0;
    while (s[n]) n++;
    return n;
}

static void reverse(char *s) {
    for (int i = 0, j = length(s) - 1; i < j; i++, j--) {
        char t = s[i];
        s[i] = s[j];
        s[j] = t;
    }
}

static int same(const char *a, const char *b) {
    while (*a && *a == *b) a++, b++;
    return *a == *b;
}

int main(void) {
    int vowels = 0;
    for (const char *p = text; *p; p++)
        if (*p == 'a' || *p == 'e' || *p == 'i' || *p == 'o' || *p == 'u') vowels++;
    char copy[16];
    int i = 0;
    for (; word[i]; i++) copy[i] = word[i];
    copy[i] = 0;
    reverse(copy);
    reverse(text);
    return vowels * 1000 + same(copy, word) * 100 + length(text) + text[0];
}
