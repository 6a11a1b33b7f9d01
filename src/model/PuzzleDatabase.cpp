#include "model/PuzzleDatabase.h"

namespace zentile {

namespace {

constexpr int32_t kFallbackLevel = 2; // Medium

} // namespace

PuzzleRecord PuzzleTable::Record(uint32_t index) const {
    PuzzleRecord record{};
    const PuzzleText& text = records[index];
    for (std::size_t k = 0; k < kPuzzleTextLength; ++k) record[k] = text[k] - '0';
    return record;
}

void LookupPuzzle(int32_t level, uint32_t gameNumber, bool classic, PuzzleRecord& record,
                  SymbolSet& symbols) {
    // Callers only pass 0..4; anything else would read outside the tables, so it gets the
    // session's own default level instead.
    if (level < 0 || level >= kDatabaseLevels) level = kFallbackLevel;
    const PuzzleTable& table = PuzzleDatabase[static_cast<std::size_t>(level)];
    record = table.Record(gameNumber % table.count);
    if (classic) {
        symbols = kClassicSymbols;
        return;
    }
    // The top row holds every digit once, so each digit gets its own letter, and the solved
    // top row reads the word. symbols[0] stays as the caller set it.
    std::string_view word = WordList[gameNumber % static_cast<uint32_t>(kWordCount)];
    for (std::size_t column = 0; column < 9; ++column)
        symbols[static_cast<std::size_t>(record[81 + 9 * column])] = word[column];
}

} // namespace zentile
