#include "model/CellOperations.h"

#include "model/Hints.h"
#include "model/Host.h"

namespace zentile {

void SetValue(Game& game, Host& host, Cell& cell, int32_t d) {
    // An occupied cell must be erased before another digit goes in.
    if (cell.value == 0 || d == 0) {
        if (d == 0) ++game.session.statistics.erasures;
        game.undoLog.Push(cell);
        cell.value = d;
        // The player's own change ends a hint on the cell; its timer must not undo the change.
        if (cell.hinted) {
            cell.hinted = false;
            host.StopTimer(HintTimerId(cell.column, cell.row));
        }
    }
    cell.pencilMarks = 0;
    cell.inBranch = game.session.branchOpen;
    CheckCompletion(game.grid, host);
}

void TogglePencilMark(Game& game, Cell& cell, int32_t d) {
    ++game.session.statistics.pencilToggles;
    game.undoLog.Push(cell);
    cell.pencilMarks ^= 1U << d;
}

void ShowHint(Game& game, Cell& cell) {
    ++game.session.statistics.hints;
    cell.hinted = true;
    cell.value = cell.solution;
}

bool IsComplete(const Grid& grid) {
    for (const Cell& cell : grid) {
        // A hint's digit is not the player's and goes again: it does not complete the grid.
        if (!cell.given && (cell.value != cell.solution || cell.hinted)) return false;
    }
    return true;
}

void CheckCompletion(const Grid& grid, Host& host) {
    if (IsComplete(grid)) host.PostPuzzleSolved();
}

} // namespace zentile
