/* A plain dancing-links Sudoku solver in C, kept beside the benchmarks as the yardstick
 * for zentile-solve: same input and output, timed side by side on the same machine.
 *
 * It is the textbook form: nodes of five pointers, column headers with a size, the matrix
 * of 324 columns and 729 rows built once; for each puzzle the givens' rows are chosen
 * up front by covering their columns, then Algorithm X picks the leftmost smallest column
 * (stopping its scan at a column of size 0 or 1) and stops at the second solution. */

#include <stdio.h>
#include <string.h>

struct Column;

typedef struct Node {
    struct Node *left, *right, *up, *down;
    struct Column* column;
    int row; /* 81 * y + 9 * x + digit - 1 */
} Node;

typedef struct Column {
    Node head;
    int size;
    int covered;
} Column;

static Column root;
static Column columns[324];
static Node nodes[729 * 4];
static Node* chosen[81];
static int grid[81];
static int solutionCount;

static void LinkColumn(Column* c) {
    c->head.column = c;
    c->head.up = c->head.down = &c->head;
    c->head.left = root.head.left;
    c->head.right = &root.head;
    root.head.left->right = &c->head;
    root.head.left = &c->head;
}

static void Build(void) {
    root.head.left = root.head.right = &root.head;
    for (int i = 0; i < 324; ++i) LinkColumn(&columns[i]);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            for (int d = 0; d < 9; ++d) {
                const int row = 81 * y + 9 * x + d;
                const int cols[4] = {9 * y + x, 81 + 9 * y + d, 162 + 9 * x + d,
                                     243 + 9 * (3 * (y / 3) + x / 3) + d};
                Node* first = &nodes[4 * row];
                for (int k = 0; k < 4; ++k) {
                    Node* n = first + k;
                    Column* c = &columns[cols[k]];
                    n->row = row;
                    n->column = c;
                    n->up = c->head.up;
                    n->down = &c->head;
                    c->head.up->down = n;
                    c->head.up = n;
                    ++c->size;
                    n->left = first + (k + 3) % 4;
                    n->right = first + (k + 1) % 4;
                }
            }
}

static void Cover(Column* c) {
    c->covered = 1;
    c->head.right->left = c->head.left;
    c->head.left->right = c->head.right;
    for (Node* i = c->head.down; i != &c->head; i = i->down)
        for (Node* j = i->right; j != i; j = j->right) {
            j->down->up = j->up;
            j->up->down = j->down;
            --j->column->size;
        }
}

static void Uncover(Column* c) {
    for (Node* i = c->head.up; i != &c->head; i = i->up)
        for (Node* j = i->left; j != i; j = j->left) {
            ++j->column->size;
            j->down->up = j;
            j->up->down = j;
        }
    c->head.right->left = &c->head;
    c->head.left->right = &c->head;
    c->covered = 0;
}

static void Search(int depth) {
    if (root.head.right == &root.head) {
        if (++solutionCount == 1)
            for (int k = 0; k < depth; ++k) grid[chosen[k]->row / 9] = chosen[k]->row % 9 + 1;
        return;
    }
    Column* best = NULL;
    int smallest = 1 << 30;
    for (Node* h = root.head.right; h != &root.head; h = h->right)
        if (h->column->size < smallest) {
            best = h->column;
            smallest = best->size;
            if (smallest <= 1) break;
        }
    if (smallest == 0) return;
    Cover(best);
    for (Node* r = best->head.down; r != &best->head && solutionCount < 2; r = r->down) {
        chosen[depth] = r;
        for (Node* j = r->right; j != r; j = j->right) Cover(j->column);
        Search(depth + 1);
        for (Node* j = r->left; j != r; j = j->left) Uncover(j->column);
    }
    Uncover(best);
}

/* Covers the given's row; returns 0 when an earlier given already took one of its columns. */
static int Choose(Node* row) {
    Node* j = row;
    do {
        if (j->column->covered) return 0;
        j = j->right;
    } while (j != row);
    j = row;
    do {
        Cover(j->column);
        j = j->right;
    } while (j != row);
    return 1;
}

static void Unchoose(Node* row) {
    Node* j = row->left;
    for (;;) {
        Uncover(j->column);
        if (j == row) break;
        j = j->left;
    }
}

static int Solve(const char* line) {
    int count = 0, ok = 1;
    for (int i = 0; i < 81 && ok; ++i) {
        if (line[i] < '1' || line[i] > '9') continue;
        Node* row = &nodes[4 * (9 * i + line[i] - '1')];
        if (!(ok = Choose(row))) break;
        chosen[count++] = row;
    }
    solutionCount = 0;
    if (ok) Search(count);
    while (count > 0) Unchoose(chosen[--count]);
    return solutionCount;
}

int main(void) {
    char line[256];
    Build();
    while (fgets(line, sizeof line, stdin)) {
        size_t length = strcspn(line, "\r\n");
        if (length != 81) {
            printf("error: expected 81 characters, got %zu\n", length);
            continue;
        }
        const int count = Solve(line);
        if (count == 0) {
            printf("0 -\n");
            continue;
        }
        char out[82];
        for (int i = 0; i < 81; ++i) out[i] = (char)('0' + grid[i]);
        out[81] = '\0';
        printf("%d %s\n", count, out);
    }
    return 0;
}
