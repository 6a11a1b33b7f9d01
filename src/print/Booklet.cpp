#include "print/Booklet.h"

namespace zentile {

namespace {
constexpr int32_t kBookletNumberRange = 1000000;
}

std::vector<int32_t> SelectedLevels(const std::array<bool, kDatabaseLevels>& levels) {
    std::vector<int32_t> selected;
    for (int32_t level = 0; level < kDatabaseLevels; ++level)
        if (levels[static_cast<std::size_t>(level)]) selected.push_back(level);
    return selected;
}

BookletPuzzle DrawBookletPuzzle(RandomSource& random, std::span<const int32_t> selected) {
    const int32_t r1 = random.Draw();
    const int32_t r2 = random.Draw();
    const int32_t number = (r1 * r2) % kBookletNumberRange;
    const int32_t r3 = random.Draw();
    const auto pick = static_cast<std::size_t>(r3) % selected.size();
    return {selected[pick], number};
}

PrintJob MakeBookletJob(const BookletChoice& choice, RandomSource& random) {
    PrintJob job;
    job.SetPrintSolutions(choice.printSolutions);
    const std::vector<int32_t> selected = SelectedLevels(choice.levels);
    if (selected.empty()) return job;
    for (int32_t i = 0; i < choice.puzzleCount; ++i) {
        const BookletPuzzle puzzle = DrawBookletPuzzle(random, selected);
        PuzzleRecord values{};
        SymbolSet symbols = kClassicSymbols;
        LookupPuzzle(puzzle.level, static_cast<uint32_t>(puzzle.gameNumber), choice.classic, values,
                     symbols);
        job.AddPuzzle(puzzle.level, puzzle.gameNumber, values, symbols);
    }
    return job;
}

} // namespace zentile
