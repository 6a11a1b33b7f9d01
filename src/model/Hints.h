#pragma once

#include "model/GridLayout.h"

#include <cstdint>
#include <optional>

namespace zentile {

struct Game;
class Host;

inline constexpr int32_t kHintMilliseconds = 2500;

// One one-shot timer per hinted cell: column * 10 + row + 1, so 1..89 and never the clock's 500.
inline constexpr int32_t HintTimerId(int32_t column, int32_t row) {
    return column * 10 + row + 1;
}
// The cell of a hint timer, or nothing for an identifier that is not a hint's.
std::optional<CellPosition> HintTimerCell(int32_t id);

// Ends every hint on screen at once and stops its timer: a new game, a saved game read or the
// editor started must not be touched by a hint of the board before.
void EndPendingHints(Game& game, Host& host);

} // namespace zentile
