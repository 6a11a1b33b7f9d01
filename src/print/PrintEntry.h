#pragma once

#include "model/PuzzleDatabase.h"
#include "model/SymbolSet.h"

#include <cstdint>

namespace zentile {

// One puzzle of a print job: its name, its record (givens, then solution) and the symbols it
// is printed with.
struct PrintEntry {
    int32_t level = 0; // 0..4
    int32_t gameNumber = 0;
    PuzzleRecord values{};
    SymbolSet symbols = kClassicSymbols;
};

} // namespace zentile
