// zentile-generate: writes the game's five puzzle tables, data/level0.txt .. level4.txt.
//
//   zentile-generate [--seed N] [--threads N] [--out DIR]
//   zentile-generate --examples [--seed N]
//   zentile-generate --benchmark N [--seed N]
//
// The tables depend on the seed only. --examples prints, for every technique of the grader,
// a puzzle that needs it (the grader's tests use such puzzles). --benchmark makes and grades
// N minimal half-turn-symmetric puzzles on one core and prints the rate.

#include "CountSolver.h"
#include "Generator.h"
#include "Grader.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

using namespace zentile;

namespace {

constexpr const char* kLevelNames[kLevels] = {"Very Easy", "Easy", "Medium", "Hard", "Very Hard"};

Digits CluesOf(const std::string& record) {
    Digits clues{};
    for (int k = 0; k < kCells; ++k) clues[k] = static_cast<uint8_t>(record[k] - '0');
    return clues;
}

void PrintStatistics(const GeneratorResult& result) {
    Grader grader;
    std::printf("\nlevel        records  clues least/mean/most  symmetric\n");
    std::array<std::array<uint32_t, kTechniqueCount>, kLevels> uses{};
    for (int level = 0; level < kLevels; ++level) {
        const auto& records = result.records[level];
        int least = kCells;
        int most = 0;
        long sum = 0;
        int symmetric = 0;
        for (const std::string& record : records) {
            Digits clues = CluesOf(record);
            int n = ClueCount(clues);
            least = std::min(least, n);
            most = std::max(most, n);
            sum += n;
            symmetric += IsHalfTurnSymmetric(clues);
            Grading g = grader.Solve(clues);
            for (int t = 0; t < kTechniqueCount; ++t) uses[level][t] += g.steps[t] > 0;
        }
        std::printf("%d %-10s %7zu  %2d / %4.1f / %2d          %5d\n", level, kLevelNames[level],
                    records.size(), least,
                    records.empty() ? 0.0 : static_cast<double>(sum) / records.size(), most,
                    symmetric);
    }
    std::printf("\nshare of each level's puzzles whose solution path uses a technique (%%)\n");
    std::printf("%-24s", "technique");
    for (int level = 0; level < kLevels; ++level) std::printf(" %7d", level);
    std::printf("\n");
    for (int t = 0; t < kTechniqueCount; ++t) {
        std::printf("%-24s", std::string(kTechniques[t].name).c_str());
        for (int level = 0; level < kLevels; ++level) {
            auto n = result.records[level].size();
            std::printf(" %7.1f", n ? 100.0 * uses[level][t] / static_cast<double>(n) : 0.0);
        }
        std::printf("\n");
    }
}

// For each technique, the first example met among the puzzles on the way from a grid to a
// minimal symmetric puzzle, and among minimal puzzles without symmetry (whose houses are
// emptier, as quads need). An example of a technique is solved by the techniques of its
// level, using it, and is not solved once it (a quad together with its mirror image) is
// taken away.
int PrintExamples(uint64_t seed) {
    CountSolver solver;
    Grader grader;
    Random random(seed);
    std::array<std::string, kTechniqueCount> found;
    int missing = kTechniqueCount;
    auto consider = [&](const Digits& puzzle) {
        // Solvable at a level, the puzzle takes the same steps with that level's techniques
        // as with all of them, so one solution path shows the candidates.
        Grading grading = grader.Solve(puzzle);
        if (!grading.solved) return;
        for (int t = 0; t < kTechniqueCount; ++t) {
            if (!found[t].empty() || !grading.steps[t] || kTechniques[t].level != grading.level)
                continue;
            TechniqueSet without = TechniquesUpTo(grading.level) & ~Only(static_cast<Technique>(t));
            if (kQuads & Only(static_cast<Technique>(t))) without &= ~kQuads;
            if (grader.Solve(puzzle, without).solved) continue;
            for (uint8_t d : puzzle) found[t] += static_cast<char>('0' + d);
            --missing;
        }
    };
    std::vector<ClueUnit> units = ClueUnits(1);
    for (int grid = 0; grid < 1000000 && missing > 0; ++grid) {
        Digits solution = solver.RandomGrid(random);
        if (grid % 2) {
            consider(MinimalPuzzle(solution, units, random, solver));
            continue;
        }
        Digits puzzle = solution;
        std::vector<int> cells;
        for (int c = 0; c <= kCells / 2; ++c) cells.push_back(c);
        random.Shuffle(cells);
        for (int c : cells) {
            Digits trial = puzzle;
            trial[c] = trial[kCells - 1 - c] = 0;
            if (solver.Count(trial, 2) != 1) continue;
            puzzle = trial;
            consider(puzzle);
        }
    }
    for (int t = 0; t < kTechniqueCount; ++t)
        std::printf("%-24s %s\n", std::string(kTechniques[t].name).c_str(),
                    found[t].empty() ? "(none found)" : found[t].c_str());
    return missing == 0 ? 0 : 1;
}

int Benchmark(uint64_t count, uint64_t seed) {
    CountSolver solver;
    Grader grader;
    Random random(seed);
    std::vector<ClueUnit> units = ClueUnits(0);
    std::array<uint64_t, kLevels> levels{};
    uint64_t clues = 0;
    auto start = std::chrono::steady_clock::now();
    std::clock_t cpuStart = std::clock();
    for (uint64_t i = 0; i < count; ++i) {
        Digits puzzle = MinimalPuzzle(solver.RandomGrid(random), units, random, solver);
        ++levels[grader.Solve(puzzle).level];
        clues += static_cast<uint64_t>(ClueCount(puzzle));
    }
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    auto n = static_cast<double>(count);
    std::printf("%.0f minimal symmetric puzzles made and graded in %.2f s (%.2f s of CPU): "
                "%.0f per second, %.0f per CPU second\n",
                n, seconds, cpu, n / seconds, n / cpu);
    std::printf("mean clues %.1f; by level:", static_cast<double>(clues) / count);
    for (uint64_t n : levels) std::printf(" %llu", static_cast<unsigned long long>(n));
    std::printf("\n");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    GeneratorOptions options;
    std::string out = "data";
    bool examples = false;
    uint64_t benchmark = 0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--seed" && hasValue) {
            options.seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--threads" && hasValue) {
            options.threads = std::atoi(argv[++i]);
        } else if (arg == "--out" && hasValue) {
            out = argv[++i];
        } else if (arg == "--benchmark" && hasValue) {
            benchmark = std::strtoull(argv[++i], nullptr, 10);
        } else if (arg == "--examples") {
            examples = true;
        } else {
            std::fprintf(stderr, "usage: zentile-generate [--seed N] [--threads N] [--out DIR]\n"
                                 "       zentile-generate --examples [--seed N]\n"
                                 "       zentile-generate --benchmark N [--seed N]\n");
            return 2;
        }
    }
    if (examples) return PrintExamples(options.seed);
    if (benchmark) return Benchmark(benchmark, options.seed);

    auto start = std::chrono::steady_clock::now();
    std::clock_t cpuStart = std::clock();
    GeneratorResult result = GenerateDatabase(options);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    if (!result.failure.empty()) {
        std::fprintf(stderr, "zentile-generate: %s (%llu grids)\n", result.failure.c_str(),
                     static_cast<unsigned long long>(result.grids));
        return 1;
    }
    for (int level = 0; level < kLevels; ++level) {
        std::string path = out + "/level" + std::to_string(level) + ".txt";
        std::ofstream file(path, std::ios::binary);
        for (const std::string& record : result.records[level]) file << record << '\n';
        if (!file) {
            std::fprintf(stderr, "zentile-generate: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    auto grids = static_cast<double>(result.grids);
    auto gradings = static_cast<double>(result.gradings);
    std::printf("seed %llu, %d thread(s): %.1f s, %.1f s of CPU\n",
                static_cast<unsigned long long>(options.seed), options.threads, seconds, cpu);
    std::printf("%.0f grids, each taken apart to a minimal puzzle and graded: %.0f per second "
                "per thread, %.0f per CPU second\n",
                grids, grids / seconds / options.threads, grids / cpu);
    std::printf("%.0f puzzles graded in all: %.0f per second per thread, %.0f per CPU second\n",
                gradings, gradings / seconds / options.threads, gradings / cpu);
    PrintStatistics(result);
    return 0;
}
