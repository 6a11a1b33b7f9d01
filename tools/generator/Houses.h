#pragma once

#include <array>
#include <cstdint>

namespace zentile {

// Cells are numbered as in a puzzle record: cell = 9 * column + row. Houses 0..8 are the rows,
// 9..17 the columns, 18..26 the boxes (left to right, then top to bottom).
inline constexpr int kCells = 81;
inline constexpr int kHouses = 27;
inline constexpr uint16_t kAllDigits = 0x1FF; // bit d - 1 stands for digit d

using Digits = std::array<uint8_t, kCells>; // 0 = empty

constexpr int CellAt(int column, int row) {
    return 9 * column + row;
}
constexpr int ColumnOf(int cell) {
    return cell / 9;
}
constexpr int RowOf(int cell) {
    return cell % 9;
}
constexpr int BoxOf(int cell) {
    return 3 * (RowOf(cell) / 3) + ColumnOf(cell) / 3;
}
constexpr uint16_t Bit(int digit) {
    return static_cast<uint16_t>(1u << (digit - 1));
}

struct HouseTables {
    std::array<std::array<uint8_t, 9>, kHouses> cells{};   // the nine cells of each house
    std::array<std::array<uint8_t, 3>, kCells> housesOf{}; // row, column and box of a cell
    std::array<std::array<uint8_t, 20>, kCells> peers{};   // the cells a cell sees
};

constexpr HouseTables MakeHouseTables() {
    HouseTables t;
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            t.cells[i][j] = static_cast<uint8_t>(CellAt(j, i));
            t.cells[9 + i][j] = static_cast<uint8_t>(CellAt(i, j));
            t.cells[18 + i][j] =
                static_cast<uint8_t>(CellAt(3 * (i % 3) + j % 3, 3 * (i / 3) + j / 3));
        }
    }
    for (int cell = 0; cell < kCells; ++cell) {
        t.housesOf[cell] = {static_cast<uint8_t>(RowOf(cell)),
                            static_cast<uint8_t>(9 + ColumnOf(cell)),
                            static_cast<uint8_t>(18 + BoxOf(cell))};
        int n = 0;
        for (int other = 0; other < kCells; ++other) {
            if (other != cell && (RowOf(other) == RowOf(cell) ||
                                  ColumnOf(other) == ColumnOf(cell) || BoxOf(other) == BoxOf(cell)))
                t.peers[cell][n++] = static_cast<uint8_t>(other);
        }
    }
    return t;
}

inline constexpr HouseTables kHouseTables = MakeHouseTables();

constexpr bool Sees(int a, int b) {
    return a != b && (RowOf(a) == RowOf(b) || ColumnOf(a) == ColumnOf(b) || BoxOf(a) == BoxOf(b));
}

} // namespace zentile
