#include "CountSolver.h"
#include "Generator.h"
#include "Grader.h"
#include "GridOrder.h"
#include "solver/SudokuSolver.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace zentile {
namespace {

using test::FromRowMajor;
using test::ToSolverGrid;

bool IsCompleteGrid(const Digits& grid) {
    for (const auto& house : kHouseTables.cells) {
        uint16_t seen = 0;
        for (uint8_t cell : house)
            if (grid[cell] >= 1 && grid[cell] <= 9) seen |= Bit(grid[cell]);
        if (seen != kAllDigits) return false;
    }
    return true;
}

TEST(CountSolver, AgreesWithTheGamesSolver) {
    // Puzzles with one solution, and the same with clues taken away until some have more.
    CountSolver counter;
    CSudokuSolver solver;
    std::ifstream in(std::string(ZENTILE_BENCH_DATA_DIR) + "/top1465.txt");
    std::string line;
    int checked = 0;
    int several = 0;
    while (checked < 300 && std::getline(in, line)) {
        Digits puzzle = FromRowMajor(line);
        for (int drop = 0; drop < 3; ++drop) {
            SolverGrid output{};
            int expected = solver.SolveGrid(ToSolverGrid(puzzle), output);
            ASSERT_EQ(counter.Count(puzzle, 2), expected) << line << " less " << drop;
            several += expected == 2;
            for (int cell = 0; cell < kCells; ++cell) {
                if (puzzle[cell]) {
                    puzzle[cell] = 0;
                    break;
                }
            }
        }
        ++checked;
    }
    EXPECT_EQ(checked, 300);
    EXPECT_GT(several, 0);

    Digits contradiction{};
    contradiction[CellAt(0, 0)] = 5;
    contradiction[CellAt(8, 0)] = 5;
    EXPECT_EQ(counter.Count(contradiction, 2), 0);
    EXPECT_EQ(counter.Count(Digits{}, 2), 2);
}

TEST(CountSolver, RandomGridsAreCompleteAndFollowTheSeed) {
    CountSolver solver;
    Random first(99);
    Random again(99);
    Random other(100);
    for (int i = 0; i < 20; ++i) {
        Digits grid = solver.RandomGrid(first);
        EXPECT_TRUE(IsCompleteGrid(grid));
        EXPECT_EQ(grid, solver.RandomGrid(again));
        EXPECT_NE(grid, solver.RandomGrid(other));
    }
}

TEST(CountSolver, SolutionWithoutACellsDigitTellsIfTheClueCanGo) {
    CountSolver solver;
    Random random(5);
    int rectangles = 0;
    for (int i = 0; i < 10 && rectangles == 0; ++i) {
        Digits grid = solver.RandomGrid(random);
        Digits oneOpen = grid;
        oneOpen[CellAt(4, 4)] = 0;
        EXPECT_FALSE(solver.HasSolutionWithout(oneOpen, CellAt(4, 4), grid[CellAt(4, 4)]));
        // Two digits on the corners of a rectangle over two boxes can trade places, so with
        // those four cells open the clues allow a second grid.
        for (int c1 = 0; c1 < 9; ++c1) {
            for (int c2 = c1 + 1; c2 < 9; ++c2) {
                for (int r1 = 0; r1 < 9; ++r1) {
                    for (int r2 = r1 + 1; r2 < 9; ++r2) {
                        int a = CellAt(c1, r1), b = CellAt(c2, r1);
                        int c = CellAt(c1, r2), d = CellAt(c2, r2);
                        if (grid[a] != grid[d] || grid[b] != grid[c] ||
                            (c1 / 3 == c2 / 3) == (r1 / 3 == r2 / 3))
                            continue;
                        Digits open = grid;
                        open[a] = open[b] = open[c] = open[d] = 0;
                        EXPECT_TRUE(solver.HasSolutionWithout(open, a, grid[a]));
                        EXPECT_EQ(solver.Count(open, 2), 2);
                        ++rectangles;
                    }
                }
            }
        }
    }
    EXPECT_GT(rectangles, 0);
}

TEST(MinimalPuzzle, IsUniqueSymmetricAndLosesNoFurtherPair) {
    CountSolver solver;
    Random random(11);
    for (int kind : {0, 1}) {
        std::vector<ClueUnit> units = ClueUnits(kind);
        for (int i = 0; i < 5; ++i) {
            Digits solution = solver.RandomGrid(random);
            Digits puzzle = MinimalPuzzle(solution, units, random, solver);
            ASSERT_EQ(solver.Count(puzzle, 2), 1);
            EXPECT_EQ(IsHalfTurnSymmetric(puzzle), kind == 0);
            for (const ClueUnit& unit : units) {
                if (!puzzle[unit[0]]) continue;
                Digits fewer = puzzle;
                fewer[unit[0]] = fewer[unit[1]] = 0;
                EXPECT_EQ(solver.Count(fewer, 2), 2);
            }
        }
    }
}

TEST(MakeChain, OffersPuzzlesOfOneLevelAndDependsOnTheIndexOnly) {
    const Needs needs = Needs::FromTargets();
    Grader grader;
    int offered = 0;
    for (uint64_t index = 0; index < 24; ++index) {
        Chain chain = MakeChain(3, index, needs);
        Chain again = MakeChain(3, index, needs);
        EXPECT_EQ(chain.solution, again.solution);
        EXPECT_EQ(chain.puzzles, again.puzzles);
        if (chain.level < 0) continue;
        EXPECT_EQ(chain.kind, index % 8 == 7 ? 1 : 0);
        const LevelTarget& target = kLevelTargets[chain.level];
        int previous = 0;
        for (const Digits& puzzle : chain.puzzles) {
            ++offered;
            int clues = ClueCount(puzzle);
            EXPECT_GE(clues, target.leastClues);
            EXPECT_LE(clues, target.mostClues);
            EXPECT_GT(clues, previous) << "fewest clues first";
            previous = clues;
            EXPECT_EQ(IsHalfTurnSymmetric(puzzle), chain.kind == 0);
            Grading grading = grader.Solve(puzzle);
            EXPECT_EQ(grading.level, chain.level);
            for (int cell = 0; cell < kCells; ++cell) {
                if (puzzle[cell]) {
                    EXPECT_EQ(puzzle[cell], chain.solution[cell]);
                }
            }
        }
    }
    EXPECT_GT(offered, 24);
}

TEST(ChooseClueCounts, MeetsTheSumExactlyOrSaysItCannot) {
    auto chainOf = [](int fewest, int most) {
        Chain chain;
        for (int n = fewest; n <= most; ++n) {
            Digits p{};
            for (int k = 0; k < n; ++k) p[k] = 1;
            chain.puzzles.push_back(p);
        }
        return chain;
    };
    std::vector<Chain> chains = {chainOf(24, 30), chainOf(26, 26), chainOf(28, 37)};
    Random random(1);
    for (int64_t sum = 78; sum <= 93; ++sum) {
        std::vector<std::size_t> chosen = ChooseClueCounts(chains, sum, random);
        ASSERT_EQ(chosen.size(), chains.size()) << sum;
        int64_t total = 0;
        for (std::size_t i = 0; i < chains.size(); ++i)
            total += ClueCount(chains[i].puzzles[chosen[i]]);
        EXPECT_EQ(total, sum);
    }
    EXPECT_TRUE(ChooseClueCounts(chains, 77, random).empty());
    EXPECT_TRUE(ChooseClueCounts(chains, 94, random).empty());
}

TEST(Needs, AddUpToTheTableSizes) {
    Needs needs = Needs::FromTargets();
    for (int level = 0; level < kLevels; ++level) {
        const LevelTarget& t = kLevelTargets[level];
        EXPECT_EQ(needs.ordinary[level][0] + needs.ordinary[level][1] + 2, t.records);
        EXPECT_EQ(needs.ordinary[level][1], t.asymmetric);
    }
    EXPECT_FALSE(needs.Done());
}

} // namespace
} // namespace zentile
