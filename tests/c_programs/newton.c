// Square roots by Newton's method, in double and in float.
double root(double x) {
    double r = x > 1 ? x / 2 : 1;
    for (int i = 0; i < 12; i++) r = 0.5 * (r + x / r);
    return r;
}

float root_f(float x) {
    float r = x > 1 ? x / 2 : 1;
    for (int i = 0; i < 10; i++) r = 0.5f * (r + x / r);
    return r;
}

int main(void) {
    unsigned h = 0;
    for (int i = 1; i < 12; i++) {
        h = h * 33 + (unsigned)(long long)(root(i * 1.7) * 1e9);
        h = h * 33 + (unsigned)(root_f((float)i / 3) * 1e6f);
    }
    return (int)h;
}
