// Recursion: Fibonacci, Euclid, the towers of Hanoi and Ackermann's function.
static int fib(int n) { return n < 2 ? n : fib(n - 1) + fib(n - 2); }
static int gcd(int a, int b) { return b == 0 ? a : gcd(b, a % b); }
static int hanoi(int n, int from, int to, int via) {
    if (n == 0) return 0;
    return hanoi(n - 1, from, via, to) + 1 + hanoi(n - 1, via, to, from);
}
static int ackermann(int m, int n) {
    if (m == 0) return n + 1;
    if (n == 0) return ackermann(m - 1, 1);
    return ackermann(m - 1, ackermann(m, n - 1));
}

int main(void) { return fib(15) * 10000 + gcd(1071, 462) * 100 + hanoi(6, 1, 3, 2) + ackermann(2, 3); }
