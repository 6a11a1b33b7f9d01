#pragma once

#include "solver/DLXSolver.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zentile {

// 81 values, the first index taken as the row: index 9 * row + column.
using SolverGrid = std::array<int32_t, 81>;

// Sudoku as exact cover: 324 columns (cells, digit-in-row, digit-in-column, digit-in-box)
// and 729 rows (cell and digit). Built once; each SolveGrid only trims rows for the givens.
class CSudokuSolver : public CDLXSolver {
public:
    CSudokuSolver();

    bool OnSolution() override;

    // A value of 1..9 keeps only that digit's row for the cell; 0 or below keeps all nine;
    // above 9 removes all nine, so the cell can take no digit.
    void SetGiven(int row, int column, int value);

    // 0: no solution; 1: exactly one, written to output; 2: more than one (output holds the
    // first found). On 0 the output receives what the previous call left.
    int SolveGrid(const SolverGrid& input, SolverGrid& output);

    static int RowNumber(int row, int column, int digit) {
        return 81 * row + 9 * column + digit - 1;
    }

private:
    SolverGrid solution{};
    int32_t solutionCount = 0;
    std::vector<uint64_t> excluded = std::vector<uint64_t>((729 + 63) / 64); // by row number
};

} // namespace zentile
