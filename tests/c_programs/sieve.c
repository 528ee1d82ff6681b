// The sieve of Eratosthenes in a global table, and a sum of the primes found.
char composite[400];

int main(void) {
    int count = 0, sum = 0;
    for (int i = 2; i < 400; i++) {
        if (composite[i]) continue;
        count++;
        sum += i;
        for (int j = i * i; j < 400; j += i) composite[j] = 1;
    }
    return count * 100000 + sum;
}
