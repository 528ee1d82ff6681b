// Compiled for RV32I without the M extension: every *, / and % is a call.
int numbers[8] = {17, -5, 100000, -2147483647 - 1, 3, 7, -1, 65535};

int main(void) {
    int acc = 1;
    unsigned uacc = 7;
    for (int i = 0; i < 8; i++)
        for (int j = 0; j < 8; j++) {
            int a = numbers[i], b = numbers[j];
            if (b == -1 && a == -2147483647 - 1) continue;
            acc = acc * 31 + a / b - a % b;
            uacc = uacc * 17 + (unsigned)a / (unsigned)b + (unsigned)a % (unsigned)b;
        }
    return acc ^ (int)uacc;
}
