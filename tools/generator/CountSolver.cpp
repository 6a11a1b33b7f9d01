#include "CountSolver.h"

#include <bit>

namespace zentile {

bool CountSolver::Place(State& state, int cell, int digit) {
    uint16_t bit = Bit(digit);
    if (!(state.candidates[cell] & bit)) return false;
    state.value[cell] = static_cast<uint8_t>(digit);
    state.candidates[cell] = bit;
    ++state.filled;
    for (uint8_t peer : kHouseTables.peers[cell]) {
        if (state.value[peer]) continue;
        state.candidates[peer] &= static_cast<uint16_t>(~bit);
        if (!state.candidates[peer]) return false;
    }
    return true;
}

bool CountSolver::Propagate(State& state) {
    bool progress = true;
    while (progress && state.filled < kCells) {
        progress = false;
        for (int cell = 0; cell < kCells; ++cell) {
            if (state.value[cell]) continue;
            uint16_t c = state.candidates[cell];
            if (std::has_single_bit(c)) {
                if (!Place(state, cell, std::countr_zero(c) + 1)) return false;
                progress = true;
            }
        }
        for (const auto& house : kHouseTables.cells) {
            uint16_t once = 0;
            uint16_t twice = 0;
            uint16_t placed = 0;
            for (uint8_t cell : house) {
                uint16_t c = state.candidates[cell];
                if (state.value[cell]) {
                    placed |= c;
                } else {
                    twice |= once & c;
                    once |= c;
                }
            }
            if ((once | placed) != kAllDigits) return false;
            uint16_t hidden = once & static_cast<uint16_t>(~twice) & static_cast<uint16_t>(~placed);
            while (hidden) {
                uint16_t bit = hidden & static_cast<uint16_t>(-hidden);
                hidden ^= bit;
                for (uint8_t cell : house) {
                    if (!state.value[cell] && (state.candidates[cell] & bit)) {
                        if (!Place(state, cell, std::countr_zero(bit) + 1)) return false;
                        progress = true;
                        break;
                    }
                }
            }
        }
    }
    return true;
}

bool CountSolver::Start(const Digits& puzzle, State& state) {
    state.candidates.fill(kAllDigits);
    state.value.fill(0);
    state.filled = 0;
    found = 0;
    for (int cell = 0; cell < kCells; ++cell)
        if (puzzle[cell] && !Place(state, cell, puzzle[cell])) return false;
    return true;
}

void CountSolver::Search(const State& state) {
    State next = state;
    if (!Propagate(next)) return;
    if (next.filled == kCells) {
        if (found++ == 0) solution = next.value;
        return;
    }
    int best = -1;
    int fewest = 10;
    for (int cell = 0; cell < kCells; ++cell) {
        if (next.value[cell]) continue;
        int n = std::popcount(next.candidates[cell]);
        if (n < fewest) {
            fewest = n;
            best = cell;
            if (n == 2) break;
        }
    }
    uint8_t order[9];
    int n = 0;
    for (uint16_t c = next.candidates[best]; c; c &= static_cast<uint16_t>(c - 1))
        order[n++] = static_cast<uint8_t>(std::countr_zero(c) + 1);
    if (random) {
        for (int i = n; i > 1; --i) {
            int j = static_cast<int>(random->Below(static_cast<uint32_t>(i)));
            uint8_t t = order[i - 1];
            order[i - 1] = order[j];
            order[j] = t;
        }
    }
    for (int i = 0; i < n && found < limit; ++i) {
        State branch = next;
        if (Place(branch, best, order[i])) Search(branch);
    }
}

int CountSolver::Count(const Digits& puzzle, int countLimit) {
    State state;
    random = nullptr;
    limit = countLimit;
    if (!Start(puzzle, state)) return 0;
    Search(state);
    return found;
}

bool CountSolver::HasSolutionWithout(const Digits& puzzle, int cell, int digit) {
    State state;
    random = nullptr;
    limit = 1;
    if (!Start(puzzle, state)) return false;
    if (state.value[cell]) return state.value[cell] != digit;
    state.candidates[cell] &= static_cast<uint16_t>(~Bit(digit));
    if (!state.candidates[cell]) return false;
    Search(state);
    return found > 0;
}

Digits CountSolver::RandomGrid(Random& source) {
    State state;
    Digits empty{};
    Start(empty, state);
    random = &source;
    limit = 1;
    Search(state);
    random = nullptr;
    return solution;
}

} // namespace zentile
