// Conversions between float, double and the integer types, near and beyond their ranges.
volatile double values[] = {-0.0, 1e-310, 3.5, -2.5, 2147483647.9, -2147483648.7, 4294967295.5,
                            1e19, -1e19, 1e30, 123456789.123};
volatile long long wholes[] = {0, -1, 9007199254740993LL, -9007199254740993LL, 0x7fffffffffffffffLL, 16777217};

int main(void) {
    unsigned h = 7;
    for (unsigned i = 0; i < sizeof values / sizeof values[0]; i++) {
        double d = values[i];
        float f = (float)d;
        h = h * 31 + (unsigned)(int)(d / 1e3) + (unsigned)(f * 0.5f > 1.0f) + (unsigned)(long long)(d * 1e-6);
        h = h * 31 + (unsigned)(double)f;
    }
    for (unsigned i = 0; i < sizeof wholes / sizeof wholes[0]; i++) {
        float f = (float)wholes[i];
        double d = (double)wholes[i];
        h = h * 31 + (unsigned)(long long)(f / 1024) + (unsigned)(long long)(d / 3) +
            (unsigned)(unsigned long long)(d > 0 ? d : -d);
    }
    return (int)h;
}
