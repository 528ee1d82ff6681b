// A linked list in a static pool: insertion in order, removal, a walk.
struct node { int value; struct node *next; };
struct node pool[10];
int used;

static struct node *insert(struct node *head, int value) {
    struct node *n = &pool[used++];
    n->value = value;
    if (!head || value < head->value) {
        n->next = head;
        return n;
    }
    struct node *p = head;
    while (p->next && p->next->value < value) p = p->next;
    n->next = p->next;
    p->next = n;
    return head;
}

static struct node *remove_value(struct node *head, int value) {
    if (head && head->value == value) return head->next;
    for (struct node *p = head; p && p->next; p = p->next)
        if (p->next->value == value) {
            p->next = p->next->next;
            break;
        }
    return head;
}

int main(void) {
    struct node *head = 0;
    int input[8] = {5, 3, 9, 1, 7, 2, 8, 6};
    for (int i = 0; i < 8; i++) head = insert(head, input[i]);
    head = remove_value(head, 1);
    head = remove_value(head, 7);
    int code = 0;
    for (struct node *p = head; p; p = p->next) code = code * 10 + p->value;
    return code;
}
