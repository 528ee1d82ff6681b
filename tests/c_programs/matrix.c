// Two-dimensional arrays: a product of matrices and its trace.
int a[3][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
int b[3][3] = {{9, 8, 7}, {6, 5, 4}, {3, 2, 1}};
int c[3][3];

int main(void) {
    for (int i = 0; i < 3; i++)
        for (int j = 0; j < 3; j++) {
            int s = 0;
            for (int k = 0; k < 3; k++) s += a[i][k] * b[k][j];
            c[i][j] = s;
        }
    int trace = 0, corner = c[0][2] - c[2][0];
    for (int i = 0; i < 3; i++) trace += c[i][i];
    return trace * 1000 + corner;
}
