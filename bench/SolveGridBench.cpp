// SolveGrid over each public puzzle set, one whole pass of the set per iteration, so that
// items per second is puzzles per second over the set as a whole.

#include "solver/SudokuSolver.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <string>
#include <vector>

namespace zentile {
namespace {

std::vector<SolverGrid> ReadPuzzles(const std::string& file) {
    std::ifstream in(std::string(ZENTILE_PUZZLE_DIR) + "/" + file);
    std::vector<SolverGrid> puzzles;
    for (std::string line; std::getline(in, line);) {
        if (line.size() < 81) continue;
        SolverGrid grid{};
        for (int i = 0; i < 81; ++i)
            grid[i] = (line[i] >= '1' && line[i] <= '9') ? line[i] - '0' : 0;
        puzzles.push_back(grid);
    }
    return puzzles;
}

// expected: the count every puzzle of the set must get (1 unique, 2 several solutions).
void SolveSet(benchmark::State& state, const char* file, int expected) {
    const std::vector<SolverGrid> puzzles = ReadPuzzles(file);
    if (puzzles.empty()) {
        state.SkipWithError("puzzle set not found");
        return;
    }
    CSudokuSolver solver;
    SolverGrid output{};
    for (auto _ : state) {
        int wrong = 0;
        for (const SolverGrid& puzzle : puzzles)
            wrong += solver.SolveGrid(puzzle, output) != expected;
        benchmark::DoNotOptimize(output);
        if (wrong != 0) {
            state.SkipWithError("a puzzle got the wrong count");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(puzzles.size()));
}

BENCHMARK_CAPTURE(SolveSet, top1465, "top1465.txt", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveSet, 17clue_10k, "17clue_10k.txt", 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveSet, forum_hardest_1106, "forum_hardest_1106.txt", 1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SolveSet, serg_benchmark, "serg_benchmark.txt", 2)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zentile

BENCHMARK_MAIN();
