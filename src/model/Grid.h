#pragma once

#include "model/Cell.h"

#include <array>
#include <cstdint>

namespace zentile {

// The 9x9 cells, stored column by column: cell (column, row) has the linear index
// column * 9 + row, which is also its position in puzzle records and saved files.
// Iterating runs columns outer, rows inner, the order every loop over the grid uses.
class Grid {
public:
    static constexpr int32_t columnCount = 9;
    static constexpr int32_t rowCount = 9;
    static constexpr int32_t cellCount = columnCount * rowCount;

    Grid();

    Cell& At(int32_t column, int32_t row) { return cells[column * rowCount + row]; }
    const Cell& At(int32_t column, int32_t row) const { return cells[column * rowCount + row]; }
    Cell& operator[](int32_t index) { return cells[index]; }
    const Cell& operator[](int32_t index) const { return cells[index]; }

    auto begin() { return cells.begin(); }
    auto end() { return cells.end(); }
    auto begin() const { return cells.begin(); }
    auto end() const { return cells.end(); }

    // Resets every cell with its own position: an empty board, all solutions 0.
    void ResetAll();

    static bool Contains(int32_t column, int32_t row) {
        return column >= 0 && column < columnCount && row >= 0 && row < rowCount;
    }

private:
    std::array<Cell, cellCount> cells{};
};

} // namespace zentile
