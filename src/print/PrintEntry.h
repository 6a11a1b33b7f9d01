#pragma once

#include "model/PuzzleDatabase.h"
#include "model/SymbolSet.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zentile {

// One puzzle of a print job: its name, its record (givens, then solution) and the symbols it
// is printed with.
struct PrintEntry {
    int32_t level = 0; // 0..4
    int32_t gameNumber = 0;
    PuzzleRecord values{};
    SymbolSet symbols = kClassicSymbols;
};

// The line under a printed grid: the level's name as the player reads it, two blanks, "#" and
// the game number, as in "Medium  #4711".
std::string Caption(std::string_view levelName, int32_t gameNumber);

} // namespace zentile
