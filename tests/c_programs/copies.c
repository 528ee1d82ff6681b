// Whole structs and local arrays copied and cleared: compilers call memcpy and memset.
struct record { int id; int marks[12]; char name[8]; };
struct record original = {7, {90, 85, 77, 60, 55, 99, 12, 34, 56, 78, 91, 23}, "ada"};
struct record saved;

int main(void) {
    saved = original;
    int counts[40] = {0};
    for (int i = 0; i < 12; i++) counts[saved.marks[i] % 40]++;
    int spread = 0;
    for (int i = 0; i < 40; i++) spread = spread * 3 + counts[i];
    return spread + saved.name[1];
}
