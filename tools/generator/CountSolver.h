#pragma once

#include "Houses.h"
#include "Random.h"

namespace zentile {

// A small bitmask backtracking solver for the generator's inner loop: it makes random complete
// grids and decides uniqueness while clues are taken away. Singles are propagated at every
// node and the search branches on a cell with the fewest candidates.
class CountSolver {
public:
    // Number of solutions of the puzzle, counting no further than limit.
    int Count(const Digits& puzzle, int limit);

    // Whether the puzzle has a solution in which the cell holds another digit than the given
    // one. For a puzzle whose clues and that cell's digit have one solution, this tells
    // whether removing the cell's clue keeps the solution unique.
    bool HasSolutionWithout(const Digits& puzzle, int cell, int digit);

    // A complete grid drawn at random.
    Digits RandomGrid(Random& random);

private:
    struct State {
        std::array<uint16_t, kCells> candidates;
        Digits value;
        int filled;
    };

    bool Start(const Digits& puzzle, State& state);
    static bool Place(State& state, int cell, int digit);
    static bool Propagate(State& state);
    void Search(const State& state);

    int limit = 0;
    int found = 0;
    Random* random = nullptr;
    Digits solution{};
};

} // namespace zentile
