#pragma once

#include "CountSolver.h"
#include "Grader.h"
#include "Houses.h"
#include "Random.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zentile {

inline constexpr int kLevels = 5;

// What a level's table must hold: its record count, the least, mean (in tenths) and most
// clues, and how many records have a clue pattern that is not symmetric under a half turn.
struct LevelTarget {
    uint32_t records;
    int leastClues;
    int meanClueTenths;
    int mostClues;
    uint32_t asymmetric;
};

inline constexpr std::array<LevelTarget, kLevels> kLevelTargets = {{
    {124, 29, 352, 37, 0},
    {1648, 25, 347, 37, 11},
    {2807, 24, 298, 37, 44},
    {1877, 24, 291, 37, 22},
    {451, 24, 277, 32, 4},
}};

// How many more chains each level wants: one that offers the least clue count, one that
// offers the most, and the rest of its records split by the kind of clue pattern.
struct Needs {
    std::array<bool, kLevels> least{};
    std::array<bool, kLevels> most{};
    std::array<std::array<uint32_t, 2>, kLevels> ordinary{}; // [level][0: symmetric, 1: not]

    static Needs FromTargets();
    bool Wants(int level, int kind) const;
    bool Done() const;
};

bool IsHalfTurnSymmetric(const Digits& puzzle);

// What is taken away or given back at once: a cell and its half-turn partner (pattern kind 0,
// the centre cell being its own partner), or a single cell (kind 1).
using ClueUnit = std::array<int, 2>;
std::vector<ClueUnit> ClueUnits(int kind);

// Takes the units away from the solution in random order (shuffling them) as long as the
// clues keep the solution unique: a puzzle from which no unit can be taken.
Digits MinimalPuzzle(const Digits& solution, std::vector<ClueUnit>& units, Random& random,
                     CountSolver& solver);
int ClueCount(const Digits& puzzle);

// The puzzles one solution grid offers to one level, fewest clues first: its clues taken away
// down to a minimal puzzle, then given back a few at a time while the grade stays the
// level's. Each offered puzzle has a clue count within the level's range, and its clue
// pattern is of the chain's kind (0: symmetric under a half turn, 1: not).
struct Chain {
    int level = -1; // -1: the grid offers nothing that is still wanted
    int kind = 0;
    Digits solution{};
    std::vector<Digits> puzzles;
    int gradings = 0;
};

// Makes the chain of grid number `index` of a run with the given seed. `needs` is what was
// wanted when the batch holding the index started, so the result depends on nothing else.
Chain MakeChain(uint64_t seed, uint64_t index, const Needs& needs);

// Picks one puzzle of each chain so that the clue counts add up to `clueSum`: every chain
// starts with its fewest clues, then chains drawn at random move up to their next puzzle.
// Returns the index of the chosen puzzle of each chain, or nothing if the sum is out of reach.
std::vector<std::size_t> ChooseClueCounts(const std::vector<Chain>& chains, int64_t clueSum,
                                          Random& random);

struct GeneratorResult {
    std::array<std::vector<std::string>, kLevels> records; // 162 digits each, record order
    uint64_t grids = 0;                                    // solution grids drawn
    uint64_t gradings = 0; // puzzles graded (minimal ones and every step of a chain)
    std::string failure;   // empty when every level got its records
};

struct GeneratorOptions {
    uint64_t seed = 1;
    int threads = 1;
    uint64_t gridLimit = 10'000'000;
};

// Makes every level's records. Grids are handled in fixed batches and taken in index order,
// so the records depend on the seed only, not on the number of threads.
GeneratorResult GenerateDatabase(const GeneratorOptions& options);

} // namespace zentile
