// Struct copies, initialised local arrays and clearing: memcpy and memset.
struct record { int id; char name[12]; int marks[10]; };

struct record class_list[4] = {
    {1, "ada", {90, 85, 77, 60}}, {2, "brian", {50, 65}}, {3, "grace", {99, 98, 97}}, {4, "linus", {1}},
};
struct record best;

static int total(const struct record *r) {
    int sum = 0;
    for (int i = 0; i < 10; i++) sum += r->marks[i];
    return sum;
}

int main(void) {
    int order[16] = {0};
    int weights[12] = {3, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5, 8};
    best = class_list[0];
    for (int i = 1; i < 4; i++)
        if (total(&class_list[i]) > total(&best)) best = class_list[i];
    for (int i = 0; i < 12; i++) order[i] = weights[i] * best.id;
    struct record blank = {0};
    return total(&best) * 10 + order[5] + blank.marks[3] + best.name[0];
}
