#include "solver/SudokuSolver.h"

#include <algorithm>
#include <string>

namespace zentile {

namespace {

int CellColumn(int row, int column) {
    return 9 * row + column;
}
int RowUnitColumn(int digit, int unit) {
    return 81 + 27 * (digit - 1) + unit - 1;
}
int ColumnUnitColumn(int digit, int unit) {
    return 90 + 27 * (digit - 1) + unit - 1;
}
int BoxUnitColumn(int digit, int unit) {
    return 99 + 27 * (digit - 1) + unit - 1;
}
int BoxOf(int row, int column) {
    return 3 * (row / 3) + column / 3 + 1;
}
// Every number in a column name is a single decimal digit: "R3C8", "5inB3".
char Digit(int value) {
    return static_cast<char>('0' + value);
}

} // namespace

CSudokuSolver::CSudokuSolver() {
    for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) AddColumn({'R', Digit(r), 'C', Digit(c)}, true);
    for (int d = 1; d <= 9; ++d)
        for (char kind : {'R', 'C', 'B'})
            for (int u = 1; u <= 9; ++u) AddColumn({Digit(d), 'i', 'n', kind, Digit(u)}, true);

    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            for (int d = 1; d <= 9; ++d) {
                BeginRow();
                AddNode(CellColumn(y, x));
                AddNode(RowUnitColumn(d, y + 1));
                AddNode(ColumnUnitColumn(d, x + 1));
                AddNode(BoxUnitColumn(d, BoxOf(y, x)));
            }
        }
    }
}

bool CSudokuSolver::OnSolution() {
    if (++solutionCount > 1) return false;

    // Each chosen row names its digit's row unit and column unit, e.g. "5inR3" and "5inC8".
    for (;;) {
        int y = -1;
        int x = -1;
        auto name = NextSolutionName();
        if (!name) break;
        for (; name; name = NextSolutionName()) {
            if (name->size() < 5) continue;
            if ((*name)[3] == 'R') y = (*name)[4] - '1';
            if ((*name)[3] == 'C') x = (*name)[4] - '1';
            if (y >= 0 && x >= 0) solution[9 * y + x] = (*name)[0] - '0';
        }
    }
    return true;
}

void CSudokuSolver::SetGiven(int row, int column, int value) {
    for (int d = 1; d <= 9; ++d) {
        if (value < 1 || value == d)
            RestoreRow(RowNumber(row, column, d));
        else
            RemoveRow(RowNumber(row, column, d));
    }
}

int CSudokuSolver::SolveGrid(const SolverGrid& input, SolverGrid& output) {
    // Every row is restored, then SetGiven removes the rows the givens exclude. Rows that the
    // previous grid's givens excluded as well stay removed throughout, which leaves the
    // matrix as the round trip would; and after the restoring an empty cell's nine rows are
    // in place, so only the givens need SetGiven.
    std::fill(excluded.begin(), excluded.end(), 0);
    for (int cell = 0; cell < 81; ++cell) {
        if (input[cell] < 1) continue;
        for (int d = 1; d <= 9; ++d) {
            const int row = RowNumber(cell / 9, cell % 9, d);
            if (d != input[cell]) excluded[row / 64] |= uint64_t{1} << (row % 64);
        }
    }
    RestoreAllRows(excluded);
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 9; ++column)
            if (input[9 * row + column] >= 1) SetGiven(row, column, input[9 * row + column]);

    solutionCount = 0;
    ResetSearch();
    Search();
    output = solution;
    return solutionCount;
}

} // namespace zentile
