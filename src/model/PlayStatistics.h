#pragma once

#include <cstdint>

namespace zentile {

// The help a player took in the current game; it becomes a time penalty in the best results.
struct PlayStatistics {
    uint32_t undos = 0;
    uint32_t hints = 0;
    uint32_t erasures = 0;
    uint32_t pencilToggles = 0;
    bool branchUsed = false;
    bool loadedGame = false;    // read from a saved file with the player's entries kept
    bool highlightUsed = false; // Highlight Selection was on while the game ran

    bool operator==(const PlayStatistics&) const = default;
};

// 5 per undo and erasure, 10 per pencil toggle, 30 for a branch, 60 for highlighting and 120
// per hint. Saturates instead of wrapping, however many helps were taken.
uint32_t PenaltySeconds(const PlayStatistics& statistics);

} // namespace zentile
