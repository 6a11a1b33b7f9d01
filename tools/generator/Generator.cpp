#include "Generator.h"

#include "CountSolver.h"

#include <algorithm>
#include <thread>

namespace zentile {

namespace {

// Grids are made and offered in batches of this many; the batch, not the thread count, fixes
// which needs each grid sees.
constexpr uint64_t kBatch = 256;

// Every eighth grid is taken apart cell by cell, for the few records without symmetry.
constexpr uint64_t kAsymmetricEvery = 8;

// How often a puzzle that is too hard for the level wanted is given clues back in a new order.
constexpr int kLevelAttempts = 4;

uint64_t Mix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::string RecordText(const Digits& clues, const Digits& solution) {
    std::string text(2 * kCells, '0');
    for (int k = 0; k < kCells; ++k) {
        text[k] = static_cast<char>('0' + clues[k]);
        text[kCells + k] = static_cast<char>('0' + solution[k]);
    }
    return text;
}

} // namespace

Needs Needs::FromTargets() {
    Needs n;
    for (int level = 0; level < kLevels; ++level) {
        const LevelTarget& t = kLevelTargets[level];
        n.least[level] = n.most[level] = true;
        n.ordinary[level] = {t.records - t.asymmetric - 2, t.asymmetric};
    }
    return n;
}

bool Needs::Wants(int level, int kind) const {
    return ordinary[level][kind] > 0 || (kind == 0 && (least[level] || most[level]));
}

bool Needs::Done() const {
    for (int level = 0; level < kLevels; ++level)
        if (Wants(level, 0) || Wants(level, 1)) return false;
    return true;
}

bool IsHalfTurnSymmetric(const Digits& puzzle) {
    for (int cell = 0; cell < kCells; ++cell)
        if ((puzzle[cell] != 0) != (puzzle[kCells - 1 - cell] != 0)) return false;
    return true;
}

int ClueCount(const Digits& puzzle) {
    return static_cast<int>(kCells - std::count(puzzle.begin(), puzzle.end(), 0));
}

std::vector<ClueUnit> ClueUnits(int kind) {
    std::vector<ClueUnit> units;
    if (kind == 0) {
        for (int cell = 0; cell <= kCells / 2; ++cell) units.push_back({cell, kCells - 1 - cell});
    } else {
        for (int cell = 0; cell < kCells; ++cell) units.push_back({cell, cell});
    }
    return units;
}

Digits MinimalPuzzle(const Digits& solution, std::vector<ClueUnit>& units, Random& random,
                     CountSolver& solver) {
    // Removing a unit keeps the solution unique exactly when no solution of the remaining
    // clues differs from the known one in the removed cells.
    Digits puzzle = solution;
    random.Shuffle(units);
    for (const ClueUnit& unit : units) {
        Digits trial = puzzle;
        trial[unit[0]] = trial[unit[1]] = 0;
        if (solver.HasSolutionWithout(trial, unit[0], solution[unit[0]])) continue;
        if (unit[1] != unit[0] && solver.HasSolutionWithout(trial, unit[1], solution[unit[1]]))
            continue;
        puzzle = trial;
    }
    return puzzle;
}

Chain MakeChain(uint64_t seed, uint64_t index, const Needs& needs) {
    Random random(Mix(seed) ^ Mix(Mix(index)));
    CountSolver solver;
    Grader grader;
    Chain chain;

    bool anyAsymmetric = false;
    for (int level = 0; level < kLevels; ++level) anyAsymmetric |= needs.Wants(level, 1);
    chain.kind = anyAsymmetric && index % kAsymmetricEvery == kAsymmetricEvery - 1 ? 1 : 0;

    std::vector<ClueUnit> units = ClueUnits(chain.kind);
    auto unique = [&](const Digits& trial, const ClueUnit& unit) {
        return !solver.HasSolutionWithout(trial, unit[0], chain.solution[unit[0]]) &&
               (unit[1] == unit[0] ||
                !solver.HasSolutionWithout(trial, unit[1], chain.solution[unit[1]]));
    };
    auto grade = [&](const Digits& p, TechniqueSet allowed = TechniquesUpTo(3)) {
        ++chain.gradings;
        return grader.Solve(p, allowed).level;
    };

    chain.solution = solver.RandomGrid(random);
    Digits puzzle = MinimalPuzzle(chain.solution, units, random, solver);

    // The hardest level at or below the minimal puzzle's grade that still wants records.
    int minimalGrade = grade(puzzle);
    int level = minimalGrade;
    while (level >= 0 && !needs.Wants(level, chain.kind)) --level;
    if (level < 0) return chain;
    chain.level = level;
    const LevelTarget& target = kLevelTargets[level];

    if (minimalGrade > level) {
        // Too hard: clues come back until the grade is the level's (a few tries, as one clue
        // too many often makes it too easy at once), then others go again for as long as the
        // puzzle stays unique and no harder, which keeps the clue count low.
        const Digits minimal = puzzle;
        bool reached = false;
        for (int attempt = 0; attempt < kLevelAttempts && !reached; ++attempt) {
            puzzle = minimal;
            random.Shuffle(units);
            for (const auto& unit : units) {
                if (puzzle[unit[0]]) continue;
                Digits trial = puzzle;
                trial[unit[0]] = chain.solution[unit[0]];
                trial[unit[1]] = chain.solution[unit[1]];
                int g = grade(trial);
                if (g < level) continue;
                puzzle = trial;
                reached = g == level;
                if (reached) break;
            }
        }
        if (!reached) {
            chain.level = -1;
            return chain;
        }
        random.Shuffle(units);
        TechniqueSet allowed = TechniquesUpTo(level);
        for (const auto& unit : units) {
            if (!puzzle[unit[0]]) continue;
            Digits trial = puzzle;
            trial[unit[0]] = trial[unit[1]] = 0;
            if (unique(trial, unit) && grade(trial, allowed) == level) puzzle = trial;
        }
    }

    // Then clues come back one unit at a time while the grade stays the level's; each puzzle
    // on the way is offered.
    auto offer = [&](const Digits& p, int clues) {
        if (clues >= target.leastClues && clues <= target.mostClues &&
            (chain.kind == 0) == IsHalfTurnSymmetric(p))
            chain.puzzles.push_back(p);
    };
    int clues = ClueCount(puzzle);
    offer(puzzle, clues);
    random.Shuffle(units);
    for (const auto& unit : units) {
        if (clues >= target.mostClues) break;
        if (puzzle[unit[0]]) continue;
        Digits trial = puzzle;
        trial[unit[0]] = chain.solution[unit[0]];
        trial[unit[1]] = chain.solution[unit[1]];
        if (grade(trial) != level) continue;
        puzzle = trial;
        clues = ClueCount(puzzle);
        offer(puzzle, clues);
    }
    if (chain.puzzles.empty()) chain.level = -1;
    return chain;
}

std::vector<std::size_t> ChooseClueCounts(const std::vector<Chain>& chains, int64_t clueSum,
                                          Random& random) {
    std::vector<std::size_t> chosen(chains.size(), 0);
    std::vector<std::size_t> open; // chains that can still move up
    int64_t sum = 0;
    for (std::size_t i = 0; i < chains.size(); ++i) {
        sum += ClueCount(chains[i].puzzles[0]);
        if (chains[i].puzzles.size() > 1) open.push_back(i);
    }
    if (sum > clueSum) return {};
    while (sum < clueSum && !open.empty()) {
        std::size_t pick = random.Below(static_cast<uint32_t>(open.size()));
        std::size_t i = open[pick];
        const auto& puzzles = chains[i].puzzles;
        int64_t step = ClueCount(puzzles[chosen[i] + 1]) - ClueCount(puzzles[chosen[i]]);
        if (sum + step <= clueSum) {
            sum += step;
            if (++chosen[i] + 1 < puzzles.size()) continue;
        }
        // At its last puzzle, or its next step would overshoot the sum.
        open[pick] = open.back();
        open.pop_back();
    }
    if (sum != clueSum) return {};
    return chosen;
}

GeneratorResult GenerateDatabase(const GeneratorOptions& options) {
    GeneratorResult result;
    Needs needs = Needs::FromTargets();
    std::array<std::vector<Chain>, kLevels> pools;
    std::array<std::string, kLevels> leastRecord;
    std::array<std::string, kLevels> mostRecord;
    std::vector<Chain> batch(kBatch);
    int threads = std::max(1, options.threads);

    for (uint64_t first = 0; !needs.Done() && first < options.gridLimit; first += kBatch) {
        const Needs snapshot = needs;
        auto work = [&](int part) {
            for (uint64_t j = static_cast<uint64_t>(part); j < kBatch; j += threads)
                batch[j] = MakeChain(options.seed, first + j, snapshot);
        };
        std::vector<std::thread> pool;
        for (int part = 1; part < threads; ++part) pool.emplace_back(work, part);
        work(0);
        for (auto& t : pool) t.join();

        for (Chain& chain : batch) {
            if (needs.Done()) break;
            ++result.grids;
            result.gradings += static_cast<uint64_t>(chain.gradings);
            int level = chain.level;
            if (level < 0) continue;
            const LevelTarget& target = kLevelTargets[level];
            // The level's least and most clue counts each come from a chain of their own.
            bool placed = false;
            for (const Digits& p : chain.puzzles) {
                int clues = ClueCount(p);
                if (chain.kind == 0 && needs.least[level] && clues == target.leastClues) {
                    needs.least[level] = false;
                    leastRecord[level] = RecordText(p, chain.solution);
                    placed = true;
                } else if (chain.kind == 0 && needs.most[level] && clues == target.mostClues) {
                    needs.most[level] = false;
                    mostRecord[level] = RecordText(p, chain.solution);
                    placed = true;
                }
                if (placed) break;
            }
            if (placed || !needs.ordinary[level][chain.kind]) continue;
            --needs.ordinary[level][chain.kind];
            pools[level].push_back(std::move(chain));
        }
    }
    if (!needs.Done()) {
        result.failure = "not every level got its records within the grid limit";
        return result;
    }

    Random random(Mix(options.seed ^ 0x5A17ull));
    for (int level = 0; level < kLevels; ++level) {
        const LevelTarget& t = kLevelTargets[level];
        int64_t clueSum = (static_cast<int64_t>(t.meanClueTenths) * t.records + 5) / 10 -
                          t.leastClues - t.mostClues;
        std::vector<std::size_t> chosen = ChooseClueCounts(pools[level], clueSum, random);
        if (chosen.empty()) {
            int64_t low = 0;
            int64_t high = 0;
            for (const Chain& chain : pools[level]) {
                low += ClueCount(chain.puzzles.front());
                high += ClueCount(chain.puzzles.back());
            }
            result.failure = "level " + std::to_string(level) + ": the clue sum " +
                             std::to_string(clueSum) + " is outside " + std::to_string(low) + ".." +
                             std::to_string(high);
            return result;
        }
        auto& records = result.records[level];
        records.push_back(leastRecord[level]);
        records.push_back(mostRecord[level]);
        for (std::size_t i = 0; i < chosen.size(); ++i)
            records.push_back(
                RecordText(pools[level][i].puzzles[chosen[i]], pools[level][i].solution));
        // Shuffled so that neighbouring game numbers do not follow the order of making.
        random.Shuffle(records);
    }
    return result;
}

} // namespace zentile
