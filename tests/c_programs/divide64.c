// 64-bit division and remainder, which compilers leave to support routines.
long long big = 1234567890123LL;
unsigned long long ubig = 18000000000000000000ULL;

int main(void) {
    long long q = big / 97, r = big % 97;
    unsigned long long uq = ubig / 1000003, ur = ubig % 1000003;
    return (int)(q ^ r) + (int)(uq >> 16) + (int)ur;
}
