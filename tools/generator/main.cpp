#include "CountSolver.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace zentile;

int main(int argc, char** argv) {
    std::string dir = argc > 1 ? argv[1] : "data";
    const int counts[5] = {124, 1648, 2807, 1877, 451};
    const int lo[5] = {29, 25, 24, 24, 24};
    const int hi[5] = {37, 37, 37, 37, 32};
    Random random(1);
    CountSolver solver;
    for (int level = 0; level < 5; ++level) {
        std::ofstream out(dir + "/level" + std::to_string(level) + ".txt", std::ios::binary);
        for (int i = 0; i < counts[level]; ++i) {
            for (;;) {
                Digits grid = solver.RandomGrid(random);
                Digits puzzle = grid;
                int target = lo[level] + static_cast<int>(random.Below(hi[level] - lo[level] + 1));
                std::vector<int> order;
                for (int c = 0; c <= 40; ++c) order.push_back(c);
                random.Shuffle(order);
                int clues = 81;
                for (int c : order) {
                    int partner = 80 - c;
                    int removed = c == partner ? 1 : 2;
                    if (clues - removed < target) continue;
                    Digits trial = puzzle;
                    trial[c] = 0;
                    trial[partner] = 0;
                    if (solver.HasSolutionWithout(trial, c, grid[c]) ||
                        solver.HasSolutionWithout(trial, partner, grid[partner]))
                        continue;
                    puzzle = trial;
                    clues -= removed;
                }
                if (clues < lo[level] || clues > hi[level]) continue;
                std::string line;
                for (int k = 0; k < 81; ++k) line += char('0' + puzzle[k]);
                for (int k = 0; k < 81; ++k) line += char('0' + grid[k]);
                out << line << '\n';
                break;
            }
        }
    }
}
