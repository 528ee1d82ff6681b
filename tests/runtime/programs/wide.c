// 64-bit arithmetic: division, remainder, multiplication and shifts.
long long values[6] = {5000000000LL, -7LL, 123456789012345LL, -9223372036854775807LL - 1, 3, -1000000007LL};
unsigned long long big = 0xfedcba9876543210ULL;
volatile int shift = 37;

int main(void) {
    long long sum = 0;
    for (int i = 0; i < 6; i++)
        for (int j = 0; j < 6; j++) {
            if (values[j] == 0 || (values[j] == -1 && i == 3)) continue;
            sum += values[i] / values[j];
            sum ^= values[i] % values[j];
            sum += values[i] * values[j];
        }
    unsigned long long u = big / 12345 + big % 99991;
    u += big >> shift;
    u ^= (unsigned long long)sum << (shift - 20);
    long long s = values[3] >> (shift - 30);
    return (int)(u ^ (u >> 32)) ^ (int)(s >> 32) ^ (int)sum;
}
