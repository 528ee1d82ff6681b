// Insertion sort, then binary search and a checksum of the order.
int data[12] = {42, -7, 19, 3, 88, 0, -21, 56, 11, 3, 64, -1};

static void insertion_sort(int *a, int n) {
    for (int i = 1; i < n; i++) {
        int x = a[i], j = i - 1;
        while (j >= 0 && a[j] > x) {
            a[j + 1] = a[j];
            j--;
        }
        a[j + 1] = x;
    }
}

static int find(const int *a, int n, int key) {
    int lo = 0, hi = n - 1;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        if (a[mid] == key) return mid;
        if (a[mid] < key) lo = mid + 1;
        else hi = mid - 1;
    }
    return -1;
}

int main(void) {
    insertion_sort(data, 12);
    int check = 0;
    for (int i = 0; i < 12; i++) check = check * 31 + data[i];
    return check + find(data, 12, 56) * 1000 + find(data, 12, 5);
}
