#pragma once

#include "model/SymbolSet.h"
#include "model/Translatable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zentile {

// Entries 0..80: the clues (0 = none); 81..161: the solution. Entry k belongs to the cell
// of column k / 9, row k % 9.
using PuzzleRecord = std::array<int32_t, 162>;

inline constexpr int kDatabaseLevels = 5;
inline constexpr int kCustomLevel = 5;
inline constexpr std::array<uint32_t, kDatabaseLevels> kLevelRecordCounts = {124, 1648, 2807, 1877,
                                                                             451};
// The levels as the player reads them; the best results keep fixed keys of their own.
inline constexpr std::array<Text, 6> LevelNames = {
    ZENTILE_TEXT("Levels", "Very Easy"), ZENTILE_TEXT("Levels", "Easy"),
    ZENTILE_TEXT("Levels", "Medium"),    ZENTILE_TEXT("Levels", "Hard"),
    ZENTILE_TEXT("Levels", "Very Hard"), ZENTILE_TEXT("Levels", "Custom")};

// A record as the program stores it: its 162 entries as the characters '0'..'9' (a string
// literal, hence the terminating zero). Digits keep the compiled-in tables small.
inline constexpr std::size_t kPuzzleTextLength = 162;
using PuzzleText = char[kPuzzleTextLength + 1];

// One level's table, constant data compiled in from data/level<N>.txt.
struct PuzzleTable {
    const PuzzleText* records;
    uint32_t count;

    std::string_view Text(uint32_t index) const { return {records[index], kPuzzleTextLength}; }
    PuzzleRecord Record(uint32_t index) const;
};

// Indexed by level 0..4; table N holds kLevelRecordCounts[N] records.
extern const std::array<PuzzleTable, kDatabaseLevels> PuzzleDatabase;

inline constexpr int kWordCount = 430;
extern const std::array<std::string_view, kWordCount> WordList;

// Copies the record that the game number selects in the level (0..4; any other level reads
// Medium) and fills the symbols: digits for the classic game, or the letters of the number's
// word, assigned so that the solved top row spells it. symbols[0] is left as it is in the
// letter game.
void LookupPuzzle(int32_t level, uint32_t gameNumber, bool classic, PuzzleRecord& record,
                  SymbolSet& symbols);

} // namespace zentile
