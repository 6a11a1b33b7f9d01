#pragma once

#include "Houses.h"
#include "solver/SudokuSolver.h"

#include <string>

namespace zentile::test {

// The generator keeps cells column by column (as puzzle records do); public puzzle lines and the
// solver's grids go row by row.

// A row-major puzzle line ('.' or '0' for empty).
inline Digits FromRowMajor(const std::string& line) {
    Digits puzzle{};
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            char ch = line[9 * row + column];
            puzzle[CellAt(column, row)] =
                ch >= '1' && ch <= '9' ? static_cast<uint8_t>(ch - '0') : 0;
        }
    }
    return puzzle;
}

inline SolverGrid ToSolverGrid(const Digits& puzzle) {
    SolverGrid grid{};
    for (int cell = 0; cell < kCells; ++cell) grid[9 * RowOf(cell) + ColumnOf(cell)] = puzzle[cell];
    return grid;
}

inline Digits FromSolverGrid(const SolverGrid& grid) {
    Digits digits{};
    for (int cell = 0; cell < kCells; ++cell)
        digits[cell] = static_cast<uint8_t>(grid[9 * RowOf(cell) + ColumnOf(cell)]);
    return digits;
}

} // namespace zentile::test
