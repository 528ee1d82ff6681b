// Records in an array, passed by pointer, searched and updated.
struct point { int x, y; };
struct shape { int kind; struct point corner; int width, height; };

struct shape shapes[5] = {
    {0, {1, 2}, 3, 4}, {1, {-5, 7}, 2, 2}, {0, {10, 10}, 1, 8}, {1, {0, 0}, 6, 6}, {0, {-3, -3}, 5, 1},
};

static int area(const struct shape *s) { return s->width * s->height; }

static void move(struct shape *s, int dx, int dy) {
    s->corner.x += dx;
    s->corner.y += dy;
}

int main(void) {
    int total = 0, far = 0;
    for (int i = 0; i < 5; i++) {
        move(&shapes[i], i, -i);
        total += area(&shapes[i]) * (shapes[i].kind + 1);
        if (shapes[i].corner.x + shapes[i].corner.y > far) far = shapes[i].corner.x + shapes[i].corner.y;
    }
    return total * 100 + far;
}
