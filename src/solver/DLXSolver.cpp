#include "solver/DLXSolver.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <stdexcept>

namespace zentile {

CDLXSolver::CDLXSolver() {
    NewNode(DLXNodes::headerWords); // the root
    partialSolution.reserve(128);
}

CDLXSolver::~CDLXSolver() = default;

bool CDLXSolver::OnSolution() {
    return true;
}

DLXLink CDLXSolver::NewNode(std::size_t words) {
    if (pool.size() + words > std::numeric_limits<DLXLink>::max() / sizeof(DLXLink))
        throw std::length_error("exact-cover matrix too large");
    auto link = static_cast<DLXLink>(pool.size() * sizeof(DLXLink));
    pool.resize(pool.size() + words);
    DLXNodes n = Nodes();
    n.Left(link) = n.Right(link) = n.Up(link) = n.Down(link) = n.Column(link) = link;
    return link;
}

int32_t CDLXSolver::ColumnSize(int columnNumber) const {
    return Nodes().Size(columns[columnNumber]) & (hiddenBias - 1);
}

DLXNode CDLXSolver::Node(DLXLink link) const {
    DLXNodes n = Nodes();
    return {n.Left(link), n.Right(link), n.Up(link), n.Down(link), n.Column(link)};
}

void CDLXSolver::AddColumn(std::string name, bool primary) {
    const auto number = static_cast<DLXLink>(ColumnCount());
    DLXLink col = NewNode(DLXNodes::headerWords);
    DLXNodes n = Nodes();
    n.Size(col) = primary ? 0 : hiddenBias;
    n.Number(col) = number;
    if (primary) {
        DLXLink last = n.Left(root);
        n.Left(col) = last;
        n.Right(col) = root;
        n.Right(last) = col;
        n.Left(root) = col;
    }
    if (number % 64 == 0) shortColumns.push_back(0);
    countsStale = true;
    columns.push_back(col);
    names.push_back(std::move(name));
}

void CDLXSolver::BeginRow() {
    rowUnderConstruction.reset();
}

void CDLXSolver::AddNode(int columnNumber) {
    if (columnNumber < 0 || columnNumber >= ColumnCount()) return;
    const DLXLink col = columns[columnNumber];
    if (rowUnderConstruction) {
        // A 1-entry is there or not; a second node in one column would cover it twice.
        DLXNodes n = Nodes();
        DLXLink node = *rowUnderConstruction;
        do {
            if (n.Column(node) == col) return;
            node = n.Right(node);
        } while (node != *rowUnderConstruction);
    }
    const DLXLink node = NewNode(DLXNodes::nodeWords);
    DLXNodes n = Nodes();
    if (!rowUnderConstruction) {
        rowUnderConstruction = node;
        if (rows.size() % 64 == 0) removedRows.push_back(0);
        rows.push_back(node);
    } else {
        const DLXLink first = *rowUnderConstruction, next = n.Right(first);
        n.Left(node) = first;
        n.Right(node) = next;
        n.Left(next) = node;
        n.Right(first) = node;
    }
    const DLXLink below = n.Down(col);
    n.Column(node) = col;
    n.Up(node) = col;
    n.Down(node) = below;
    n.Up(below) = node;
    n.Down(col) = node;
    ++n.Size(col);
    countsStale = true;
}

void CDLXSolver::RemoveRow(int rowNumber) {
    if (rowNumber < 0 || rowNumber >= RowCount()) return;
    DLXNodes n = Nodes();
    const DLXLink first = rows[rowNumber];
    if (n.Up(first) == first) return;
    removedRows[rowNumber / 64] |= uint64_t{1} << (rowNumber % 64);
    countsStale = true;
    DLXLink node = first;
    do {
        const DLXLink up = n.Up(node), down = n.Down(node);
        n.Up(down) = up;
        n.Down(up) = down;
        n.Up(node) = n.Down(node) = node;
        --n.Size(n.Column(node));
        node = n.Right(node);
    } while (node != first);
}

void CDLXSolver::RestoreRow(int rowNumber) {
    if (rowNumber < 0 || rowNumber >= RowCount()) return;
    DLXNodes n = Nodes();
    const DLXLink first = rows[rowNumber];
    if (n.Up(first) != first) return;
    removedRows[rowNumber / 64] &= ~(uint64_t{1} << (rowNumber % 64));
    countsStale = true;
    DLXLink node = first;
    do {
        const DLXLink col = n.Column(node), below = n.Down(col);
        n.Up(node) = col;
        n.Down(node) = below;
        n.Up(below) = node;
        n.Down(col) = node;
        ++n.Size(col);
        node = n.Right(node);
    } while (node != first);
}

void CDLXSolver::RestoreAllRows(const std::vector<uint64_t>& stayRemoved) {
    for (std::size_t word = 0; word < removedRows.size(); ++word) {
        const uint64_t stay = word < stayRemoved.size() ? stayRemoved[word] : 0;
        for (uint64_t bits = removedRows[word] & ~stay; bits != 0; bits &= bits - 1)
            RestoreRow(static_cast<int>(64 * word) + std::countr_zero(bits));
    }
}

// Between searches the matrix changes only through building and RemoveRow/RestoreRow; the
// first search after a change counts the empty and short columns afresh, so that those
// stay simple.
void CDLXSolver::Recount() {
    DLXNodes n = Nodes();
    emptyColumns = 0;
    std::fill(shortColumns.begin(), shortColumns.end(), 0);
    for (std::size_t number = 0; number < columns.size(); ++number) {
        const int32_t size = n.Size(columns[number]);
        if (size <= 1) {
            MarkShort(static_cast<DLXLink>(number));
            emptyColumns += size <= 0;
        }
    }
    countsStale = false;
}

// Every word a step needs is read before the first store: the stores could otherwise alias
// any later read, and each field would be loaded twice. The count of empty columns is kept in
// a local for the same reason. The rows are counted off the column's size rather than found
// by coming back to the header, so the end of the loop does not wait for the last link.
inline __attribute__((always_inline)) void CDLXSolver::Cover(std::size_t col) {
    DLXNodes n = Nodes();
    const std::size_t left = n.Left(col), right = n.Right(col);
    n.Left(right) = static_cast<DLXLink>(left);
    n.Right(left) = static_cast<DLXLink>(right);
    int32_t empty = emptyColumns - (n.Size(col) <= 0);
    const int32_t rows = n.Size(col) & (hiddenBias - 1);
    n.Size(col) += hiddenBias;
    std::size_t i = col;
    for (int32_t k = rows; k > 0; --k) {
        i = n.Down(i);
        for (std::size_t j = n.Right(i); j != i;) {
            const std::size_t up = n.Up(j), down = n.Down(j), other = n.Column(j);
            const std::size_t next = n.Right(j);
            n.Up(down) = static_cast<DLXLink>(up);
            n.Down(up) = static_cast<DLXLink>(down);
            if (const int32_t size = --n.Size(other); size <= 1) {
                empty += size == 0;
                MarkShort(n.Number(other));
            }
            j = next;
        }
    }
    emptyColumns = empty;
}

// The exact mirror of Cover. The caller puts back the count of empty columns it had before
// the Cover, so the restored sizes need no checking here.
inline __attribute__((always_inline)) void CDLXSolver::Uncover(std::size_t col) {
    DLXNodes n = Nodes();
    std::size_t i = col;
    for (int32_t k = n.Size(col) & (hiddenBias - 1); k > 0; --k) {
        i = n.Up(i);
        for (std::size_t j = n.Left(i); j != i;) {
            const std::size_t up = n.Up(j), down = n.Down(j), other = n.Column(j);
            const std::size_t next = n.Left(j);
            ++n.Size(other);
            n.Up(down) = static_cast<DLXLink>(j);
            n.Down(up) = static_cast<DLXLink>(j);
            j = next;
        }
    }
    const std::size_t left = n.Left(col), right = n.Right(col);
    n.Left(right) = static_cast<DLXLink>(col);
    n.Right(left) = static_cast<DLXLink>(col);
    if ((n.Size(col) -= hiddenBias) <= 1) MarkShort(n.Number(col));
}

// The leftmost of the smallest columns. The search comes here only when no column is empty.
// Primary columns stand in the header ring in creation order, so the lowest numbered column
// of size 1 is the one; the short column bits lead to it without walking the ring, clearing
// stale bits on the way. Without a column of size 1 the ring walk may stop at the first of
// size 2.
DLXLink CDLXSolver::ChooseColumn() {
    DLXNodes n = Nodes();
    for (std::size_t word = 0; word < shortColumns.size(); ++word) {
        for (uint64_t bits = shortColumns[word]; bits != 0; bits &= bits - 1) {
            const DLXLink col = columns[64 * word + std::countr_zero(bits)];
            if (n.Size(col) <= 1) {
                shortColumns[word] = bits;
                return col;
            }
        }
        shortColumns[word] = 0;
    }
    DLXLink col = root;
    int32_t smallest = std::numeric_limits<int32_t>::max();
    for (DLXLink c = n.Right(root); c != root; c = n.Right(c)) {
        if (n.Size(c) < smallest) {
            smallest = n.Size(c);
            col = c;
            if (smallest <= 2) break;
        }
    }
    return col;
}

void CDLXSolver::ResetSearch() {
    continueSearch = true;
    partialSolution.clear();
    cursorPosition = 0;
    cursorNode.reset();
}

void CDLXSolver::Report() {
    cursorPosition = 0;
    cursorNode.reset();
    if (!partialSolution.empty()) cursorNode = partialSolution[0];
    continueSearch = OnSolution();
}

void CDLXSolver::Search() {
    if (countsStale) Recount();
    DLXNodes n = Nodes();
    if (n.Right(root) == root) {
        Report();
        return;
    }
    // The leftmost smallest column would be an empty one, with no row to try.
    if (emptyColumns > 0) return;

    const DLXLink col = ChooseColumn();
    const int32_t rows = n.Size(col);
    Cover(col);
    const int32_t emptyAfterCover = emptyColumns;
    partialSolution.push_back(col);
    std::size_t r = col;
    for (int32_t k = rows; k > 0; --k) {
        r = n.Down(r);
        for (std::size_t j = n.Right(r); j != r; j = n.Right(j)) Cover(n.Column(j));
        partialSolution.back() = static_cast<DLXLink>(r);
        Search();
        for (std::size_t j = n.Left(r); j != r; j = n.Left(j)) Uncover(n.Column(j));
        emptyColumns = emptyAfterCover;
        if (!continueSearch) break;
    }
    partialSolution.pop_back();
    Uncover(col);
    emptyColumns = 0; // as on entry
}

} // namespace zentile
