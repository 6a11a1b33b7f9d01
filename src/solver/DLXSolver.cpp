#include "solver/DLXSolver.h"

#include <limits>

namespace zentile {

template <typename T> T* CDLXSolver::Pool<T>::Take() {
    if (used == blockSize) {
        blocks.push_back(std::make_unique<T[]>(blockSize));
        used = 0;
    }
    return &blocks.back()[used++];
}

CDLXSolver::CDLXSolver() {
    root.left = root.right = root.up = root.down = &root;
    root.column = &root;
    partialSolution.reserve(128);
}

CDLXSolver::~CDLXSolver() = default;

bool CDLXSolver::OnSolution() {
    return true;
}

DLXNode* CDLXSolver::NewNode() {
    return nodePool.Take();
}

DLXColumn* CDLXSolver::NewColumn() {
    return columnPool.Take();
}

void CDLXSolver::AddColumn(std::string name, bool primary) {
    DLXColumn* col = NewColumn();
    col->name = std::move(name);
    col->size = 0;
    col->up = col->down = col;
    col->column = col;
    if (primary) {
        col->right = &root;
        col->left = root.left;
        root.left->right = col;
        root.left = col;
    } else {
        col->left = col->right = col;
    }
    columns.push_back(col);
}

void CDLXSolver::BeginRow() {
    rowUnderConstruction = nullptr;
}

void CDLXSolver::AddNode(int columnNumber) {
    if (columnNumber < 0 || columnNumber >= ColumnCount()) return;
    DLXColumn* col = columns[columnNumber];
    DLXNode* node = NewNode();
    if (rowUnderConstruction == nullptr) {
        node->left = node->right = node;
        rowUnderConstruction = node;
        rows.push_back(node);
    } else {
        DLXNode* first = rowUnderConstruction;
        node->left = first;
        node->right = first->right;
        first->right->left = node;
        first->right = node;
    }
    node->column = col;
    node->up = col;
    node->down = col->down;
    col->down->up = node;
    col->down = node;
    ++col->size;
}

void CDLXSolver::RemoveRow(int rowNumber) {
    if (rowNumber < 0 || rowNumber >= RowCount()) return;
    DLXNode* first = rows[rowNumber];
    if (first->up == first) return;
    DLXNode* node = first;
    do {
        node->down->up = node->up;
        node->up->down = node->down;
        node->up = node->down = node;
        --node->column->size;
        node = node->right;
    } while (node != first);
}

void CDLXSolver::RestoreRow(int rowNumber) {
    if (rowNumber < 0 || rowNumber >= RowCount()) return;
    DLXNode* first = rows[rowNumber];
    if (first->up != first) return;
    DLXNode* node = first;
    do {
        DLXColumn* col = node->column;
        node->up = col;
        node->down = col->down;
        col->down->up = node;
        col->down = node;
        ++col->size;
        node = node->right;
    } while (node != first);
}

inline __attribute__((always_inline)) void CDLXSolver::Cover(DLXColumn* col) {
    col->right->left = col->left;
    col->left->right = col->right;
    for (DLXNode* i = col->down; i != col; i = i->down) {
        for (DLXNode* j = i->right; j != i; j = j->right) {
            j->down->up = j->up;
            j->up->down = j->down;
            --j->column->size;
        }
    }
}

inline __attribute__((always_inline)) void CDLXSolver::Uncover(DLXColumn* col) {
    for (DLXNode* i = col->up; i != col; i = i->up) {
        for (DLXNode* j = i->left; j != i; j = j->left) {
            ++j->column->size;
            j->down->up = j;
            j->up->down = j;
        }
    }
    col->right->left = col;
    col->left->right = col;
}

void CDLXSolver::ResetSearch() {
    continueSearch = true;
    partialSolution.clear();
    cursorPosition = 0;
    cursorNode = nullptr;
}

void CDLXSolver::Search() {
    if (root.right == &root) {
        cursorPosition = 0;
        cursorNode = partialSolution.empty() ? nullptr : partialSolution[0];
        continueSearch = OnSolution();
        return;
    }

    // Smallest column first; the leftmost of equal sizes wins. The scan may stop at a column
    // of size 1: if a later column were empty, this branch would fail just the same under
    // either choice, so the solutions reported and their order do not change.
    DLXColumn* col = nullptr;
    int32_t smallest = std::numeric_limits<int32_t>::max();
    for (DLXNode* c = root.right; c != &root; c = c->right) {
        auto* header = static_cast<DLXColumn*>(c);
        if (header->size < smallest) {
            smallest = header->size;
            col = header;
            if (smallest <= 1) break;
        }
    }

    Cover(col);
    partialSolution.push_back(nullptr);
    for (DLXNode* r = col->down; r != col; r = r->down) {
        for (DLXNode* j = r->right; j != r; j = j->right) Cover(j->column);
        partialSolution.back() = r;
        Search();
        for (DLXNode* j = r->left; j != r; j = j->left) Uncover(j->column);
        if (!continueSearch) break;
    }
    partialSolution.pop_back();
    Uncover(col);
}

std::optional<std::string_view> CDLXSolver::NextSolutionName() {
    if (cursorNode != nullptr) {
        std::string_view name = cursorNode->column->name;
        cursorNode = cursorNode->right;
        if (cursorNode == partialSolution[cursorPosition]) cursorNode = nullptr;
        return name;
    }
    if (cursorPosition >= partialSolution.size()) return std::nullopt;
    ++cursorPosition;
    if (cursorPosition < partialSolution.size()) cursorNode = partialSolution[cursorPosition];
    return std::nullopt;
}

} // namespace zentile
