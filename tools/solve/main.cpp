// zentile-solve: classifies Sudoku puzzles with the game's own solver.
//
// Reads one puzzle a line from standard input (81 characters, row-major, '.' or '0' for an
// empty cell) and prints "<count> <solution>" for each: the count is 0, 1 or 2 (two meaning
// two or more), the solution the first one found as 81 digits, or "-" when there is none.
// A malformed line gets a line starting with "error: " and the tool goes on.

#include "solver/SudokuSolver.h"

#include <iostream>
#include <string>

namespace {

std::string ParsePuzzle(const std::string& line, zentile::SolverGrid& grid) {
    if (line.size() != 81) return "expected 81 characters, got " + std::to_string(line.size());
    for (size_t i = 0; i < 81; ++i) {
        char ch = line[i];
        if (ch == '.' || ch == '0')
            grid[i] = 0;
        else if (ch >= '1' && ch <= '9')
            grid[i] = ch - '0';
        else
            return "unexpected character at position " + std::to_string(i + 1);
    }
    return {};
}

} // namespace

int main() {
    std::ios::sync_with_stdio(false);
    zentile::CSudokuSolver solver;
    zentile::SolverGrid input{};
    zentile::SolverGrid output{};
    std::string line;
    std::string out;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string error = ParsePuzzle(line, input);
        if (!error.empty()) {
            out += "error: " + error + "\n";
            continue;
        }
        const int count = solver.SolveGrid(input, output);
        char result[84] = {static_cast<char>('0' + count), ' ', '-'};
        std::size_t length = 3;
        if (count != 0) {
            for (std::size_t i = 0; i < 81; ++i) result[2 + i] = static_cast<char>('0' + output[i]);
            length = 83;
        }
        result[length++] = '\n';
        out.append(result, length);
        if (out.size() > (1 << 16)) {
            std::cout << out;
            out.clear();
        }
    }
    std::cout << out;
    return 0;
}
