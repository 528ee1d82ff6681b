// 64-bit arithmetic: sums, products, shifts and comparisons (no division).
long long values[4] = {5000000000LL, -123456789012LL, 77LL, 1LL << 40};
unsigned long long mask = 0xf0f0f0f0f0f0f0f0ULL;

int main(void) {
    long long sum = 0, product = 1;
    for (int i = 0; i < 4; i++) {
        sum += values[i];
        product = product * (values[i] | 1) + i;
    }
    unsigned long long bits = mask ^ (unsigned long long)sum;
    bits = (bits << 7) | (bits >> 57);
    int greater = sum > values[2];
    return (int)(sum >> 20) ^ (int)product ^ (int)(bits >> 32) ^ greater;
}
