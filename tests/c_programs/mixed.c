// float and double in one expression: subnormals, comparisons, a NaN and its bits.
volatile float fa = 1.1f, fb = 3.3f, zero = 0.0f;
volatile double da = 2.5e-310, db = 7.0 / 3.0;
volatile long long big = 123456789012345LL;

int main(void) {
    float f = fa * fb + fa / fb - fb;
    double d = da * 1e10 + db / 3.0 - (double)f;
    union { float f; unsigned bits; } nan = {zero / zero};
    unsigned h = nan.bits;
    h = h * 31 + (unsigned)(int)(f * 1000.0f);
    h = h * 31 + (unsigned)(long long)(d * 1e6);
    h = h * 31 + (fa < fb) + 2 * (da >= db) + 4 * (nan.f != nan.f) + 8 * (d == d) + 16 * (nan.f < fa);
    h = h * 31 + (unsigned)(long long)(float)big + (unsigned)(long long)(double)big;
    h = h * 31 + (unsigned)(long long)((float)d * 1e3f);
    h = h * 31 + (unsigned)(unsigned long long)(db * 1e15);
    return (int)h;
}
