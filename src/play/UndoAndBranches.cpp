#include "play/UndoAndBranches.h"

#include "model/Game.h"
#include "model/Hints.h"
#include "model/Host.h"

namespace zentile {

void UndoAndBranches::Undo() {
    if (game.session.state != GameState::Playing || game.undoLog.Empty()) return;
    ++game.session.statistics.undos;
    const LogState record = game.undoLog.Pop();
    Cell& cell = game.grid.At(record.column, record.row);
    Cell restored = record.previous;
    // A hint is no part of what Undo takes back: one still on screen stays there for the rest
    // of its time if the cell it covers was empty, and gives way to a digit the player had.
    if (cell.hinted) {
        if (restored.value == 0) {
            restored.hinted = true;
            restored.value = cell.value;
        } else {
            host.StopTimer(HintTimerId(cell.column, cell.row));
        }
    }
    cell = restored;
    host.Repaint();
}

void UndoAndBranches::StartBranch() {
    GameSession& session = game.session;
    if (session.state != GameState::Playing || session.branchOpen) return;
    session.statistics.branchUsed = true;
    session.branchOpen = true;
    game.undoLog.Clear();
    host.Repaint();
}

void UndoAndBranches::AcceptBranch() {
    EndBranch(true);
}
void UndoAndBranches::RejectBranch() {
    EndBranch(false);
}

void UndoAndBranches::EndBranch(bool accept) {
    GameSession& session = game.session;
    if (session.state != GameState::Playing || !session.branchOpen) return;
    session.branchOpen = false;
    for (Cell& cell : game.grid) cell.EndBranch(accept);
    game.undoLog.Clear();
    host.Repaint();
}

} // namespace zentile
