// Compiled into the .s files beside it (see tests/toolchain_test.cpp): GCC's
// and clang's output as learners bring it, attribute line and -g included.
struct student { int id; int marks[3]; };

struct student class_list[4] = {{1, {70, 80, 90}}, {2, {55, 65, 75}}, {3, {90, 95, 100}}, {4, {40, 50, 60}}};
long long total = 5000000000;

static int weighted(const struct student *s) {
    int sum = 0;
    for (int i = 0; i < 3; i++) sum += s->marks[i] * (i + 1);
    return sum;
}

int main(void) {
    int best = 0;
    for (int i = 0; i < 4; i++) {
        int w = weighted(&class_list[i]);
        total += w;
        if (w > best) best = w;
    }
    return best * 1000 + (int)(total >> 32);
}
