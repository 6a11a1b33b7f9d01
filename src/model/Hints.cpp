#include "model/Hints.h"

#include "model/Game.h"
#include "model/Host.h"

namespace zentile {

std::optional<CellPosition> HintTimerCell(int32_t id) {
    const int32_t column = (id - 1) / 10;
    const int32_t row = (id - 1) % 10;
    if (id < 1 || !Grid::Contains(column, row)) return std::nullopt;
    return CellPosition{column, row};
}

void EndPendingHints(Game& game, Host& host) {
    for (Cell& cell : game.grid) {
        if (!cell.hinted) continue;
        host.StopTimer(HintTimerId(cell.column, cell.row));
        cell.ClearHint();
    }
}

} // namespace zentile
