// A state machine over a string, with a switch that compilers make a table of.
const char input[] = "ab12_cd3.4e5 ;x";

enum state { START, WORD, NUMBER, OTHER };

static int classify(char c) {
    if (c >= '0' && c <= '9') return 1;
    if ((c >= 'a' && c <= 'z') || c == '_') return 2;
    if (c == '.') return 3;
    if (c == ' ') return 4;
    return 0;
}

int main(void) {
    enum state s = START;
    int words = 0, numbers = 0, others = 0, score = 0;
    for (const char *p = input; *p; p++) {
        switch (classify(*p)) {
        case 1: if (s != NUMBER && s != WORD) numbers++; if (s != WORD) s = NUMBER; break;
        case 2: if (s != WORD) words++; s = WORD; break;
        case 3: score += 7; s = s == NUMBER ? NUMBER : OTHER; break;
        case 4: s = START; score += 1; break;
        default: others++; s = OTHER; break;
        }
    }
    return words * 1000 + numbers * 100 + others * 10 + score;
}
