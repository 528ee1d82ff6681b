// float and double at the edges: NaNs, infinities, subnormals, signed zeros, rounding
// of wide integers, and what each comparison says about a NaN.
volatile float fz = 0.0f, fone = 1.0f, fbig = 3.4e38f, ftiny = 1.4e-45f;
volatile double dz = 0.0, one_d = 1.0, dbig = 1.7e308, dtiny = 4.9e-324;
volatile long long ll[] = {-1, 0x7fffffffffffffffLL, (long long)0x8000000000000000ull,
                           0x20000001LL, 0x20000003LL, 0x1000000000000801LL};
volatile unsigned long long ull[] = {0xffffffffffffffffull, 0x8000000000000400ull, 0x8000000000000401ull, 3};
typedef union {
    float f;
    unsigned u;
} fb;
typedef union {
    double d;
    unsigned long long u;
} db;

int main(void) {
    unsigned h = 0;
    float nf = fz / fz, inf = fone / fz;
    double nd = dz / dz, infd = one_d / dz;
    fb a = {fbig * 2}, b = {ftiny / 2}, c = {-fz}, d = {ftiny * 0.75f};
    db e = {dbig * 2}, f = {dtiny / 2}, g = {dtiny * 1.5}, k = {-nd};
    h = h * 31 + a.u + b.u + c.u + d.u;
    h = h * 31 + (unsigned)e.u + (unsigned)(e.u >> 32) + (unsigned)f.u + (unsigned)g.u + (unsigned)(k.u >> 32);
    h = h * 31 + (nf < fone) + 2 * (nf == nf) + 4 * (nf != nf) + 8 * (nf >= fone) +
        16 * __builtin_isunordered(nf, fone) + 32 * (inf > fbig);
    h = h * 31 + (nd < one_d) + 2 * (nd == nd) + 4 * (nd != nd) + 8 * (nd >= one_d) +
        16 * __builtin_isunordered(nd, one_d) + 32 * (infd > dbig);
    h = h * 31 + (unsigned)(int)nf + (unsigned)nf + (unsigned)(int)inf + (unsigned)(int)-inf + (unsigned)(int)nd +
        (unsigned)nd;
    for (int i = 0; i < 6; i++) {
        fb x = {(float)ll[i]};
        db y = {(double)ll[i]};
        h = h * 31 + x.u + (unsigned)(y.u >> 32) + (unsigned)y.u;
    }
    for (int i = 0; i < 4; i++) {
        fb x = {(float)ull[i]};
        db y = {(double)ull[i]};
        h = h * 31 + x.u + (unsigned)(y.u >> 32) + (unsigned)y.u + (unsigned)(unsigned long long)(y.d * 0.5);
    }
    h = h * 31 + (unsigned)(long long)(fbig) + (unsigned)(unsigned long long)(-fone) +
        (unsigned)(long long)(dbig * 1e-290);
    fb t = {(float)(dtiny)}, u = {(float)(1.0 + 1e-8)}, v = {(float)dbig};
    db w = {(double)nf}, z = {(double)ftiny};
    h = h * 31 + t.u + u.u + v.u + (unsigned)(w.u >> 32) + (unsigned)(z.u >> 20);
    return (int)h;
}
