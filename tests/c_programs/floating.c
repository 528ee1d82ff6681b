// float and double: sums, products, conversions and comparisons.
double prices[4] = {19.99, 5.25, 100.0, 0.1};
float rate = 0.075f;

int main(void) {
    double total = 0;
    for (int i = 0; i < 4; i++) total += prices[i];
    float tax = (float)total * rate;
    double mean = total / 4;
    int cents = (int)(total * 100 + 0.5);
    return cents + (int)(tax * 1000) + (mean > 30.0) * 1000000 + (int)(-mean);
}
