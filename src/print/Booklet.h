#pragma once

#include "model/PuzzleDatabase.h"
#include "model/RandomSource.h"
#include "print/PrintJob.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace zentile {

inline constexpr int32_t kBookletMinPuzzles = 1;
inline constexpr int32_t kBookletMaxPuzzles = 100;

// What the player chose in the booklet dialog.
struct BookletChoice {
    int32_t puzzleCount = 1;
    std::array<bool, kDatabaseLevels> levels{}; // by level, Very Easy first
    bool printSolutions = true;
    bool classic = true; // false: the letter game
};

// The checked levels in increasing order.
std::vector<int32_t> SelectedLevels(const std::array<bool, kDatabaseLevels>& levels);

struct BookletPuzzle {
    int32_t level = 0;
    int32_t gameNumber = 0;
};

// One puzzle of a booklet from three draws of the random source: the product of the first two
// (below 2^31, so never negative) reduced to 0..999999 gives the game number, the third picks
// one of the selected levels. `selected` must not be empty.
BookletPuzzle DrawBookletPuzzle(RandomSource& random, std::span<const int32_t> selected);

// A booklet's job: puzzleCount puzzles drawn independently, so levels mix at random and the
// same puzzle may come twice. With no level selected the job stays empty.
PrintJob MakeBookletJob(const BookletChoice& choice, RandomSource& random);

} // namespace zentile
