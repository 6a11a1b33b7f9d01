#pragma once

// A backtracking solver over candidate bit masks, written independently of the
// dancing-links code so that the two can be checked against each other. It branches on
// whichever is narrower: the empty cell with the fewest candidates, or the digit of a
// house with the fewest places.

#include <array>
#include <string>

namespace zentile::reference {

struct Result {
    int count = 0;        // 0, 1 or 2 (two or more)
    std::string solution; // first solution found, 81 digits, row-major
};

namespace detail {

struct Houses {
    std::array<std::array<int, 9>, 27> cells{}; // rows, columns, boxes
    Houses() {
        for (int i = 0; i < 9; ++i)
            for (int k = 0; k < 9; ++k) {
                cells[i][k] = 9 * i + k;
                cells[9 + i][k] = 9 * k + i;
                cells[18 + i][k] = 9 * (3 * (i / 3) + k / 3) + 3 * (i % 3) + k % 3;
            }
    }
};

} // namespace detail

inline Result Solve(const std::string& puzzle) {
    static const detail::Houses houses;
    std::array<int, 81> cells{};
    std::array<int, 27> used{}; // digit bits taken in each house
    Result result;
    auto houseOf = [](int i, int kind) {
        int r = i / 9, c = i % 9;
        return kind == 0 ? r : kind == 1 ? 9 + c : 18 + 3 * (r / 3) + c / 3;
    };
    auto place = [&](int i, int d, bool on) {
        cells[i] = on ? d : 0;
        for (int kind = 0; kind < 3; ++kind) used[houseOf(i, kind)] ^= 1 << d;
    };
    auto candidates = [&](int i) {
        return ~(used[houseOf(i, 0)] | used[houseOf(i, 1)] | used[houseOf(i, 2)]) & 0x3FE;
    };
    for (int i = 0; i < 81; ++i) {
        char ch = puzzle[i];
        if (ch < '1' || ch > '9') continue;
        int d = ch - '0';
        if (!(candidates(i) & (1 << d))) return result;
        place(i, d, true);
    }
    auto recurse = [&](auto&& self) -> void {
        int bestCell = -1, bestCount = 10, bestMask = 0;
        for (int i = 0; i < 81; ++i) {
            if (cells[i]) continue;
            int mask = candidates(i);
            int n = __builtin_popcount(mask);
            if (n < bestCount) bestCell = i, bestCount = n, bestMask = mask;
        }
        if (bestCell < 0) {
            if (++result.count == 1) {
                result.solution.clear();
                for (int v : cells) result.solution += static_cast<char>('0' + v);
            }
            return;
        }
        if (bestCount == 0) return;
        int bestHouse = -1, bestDigit = 0, bestPlaces = bestCount;
        if (bestCount > 1) {
            for (int h = 0; h < 27 && bestPlaces > 1; ++h) {
                for (int d = 1; d <= 9; ++d) {
                    if (used[h] & (1 << d)) continue;
                    int places = 0;
                    for (int i : houses.cells[h])
                        if (!cells[i] && (candidates(i) & (1 << d))) ++places;
                    if (places < bestPlaces) bestHouse = h, bestDigit = d, bestPlaces = places;
                }
            }
        }
        if (bestHouse >= 0) {
            for (int i : houses.cells[bestHouse]) {
                if (result.count >= 2) break;
                if (cells[i] || !(candidates(i) & (1 << bestDigit))) continue;
                place(i, bestDigit, true);
                self(self);
                place(i, bestDigit, false);
            }
            return;
        }
        for (int d = 1; d <= 9 && result.count < 2; ++d) {
            if (!(bestMask & (1 << d))) continue;
            place(bestCell, d, true);
            self(self);
            place(bestCell, d, false);
        }
    };
    recurse(recurse);
    return result;
}

} // namespace zentile::reference
