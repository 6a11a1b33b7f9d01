#include "play/Assistance.h"

#include "model/CellOperations.h"
#include "model/Game.h"
#include "model/Hints.h"
#include "model/Host.h"
#include "play/GameController.h"
#include "play/Texts.h"

namespace zentile {

void Assistance::Hint() {
    if (game.session.state != GameState::Playing) return;
    const int32_t startColumn = game.random.Draw() % Grid::columnCount;
    const int32_t startRow = game.random.Draw() % Grid::rowCount;
    // Every column from the start column on, each read from the start row on, both wrapping.
    for (int32_t i = 0; i < Grid::columnCount; ++i) {
        for (int32_t j = 0; j < Grid::rowCount; ++j) {
            Cell& cell = game.grid.At((startColumn + i) % Grid::columnCount,
                                      (startRow + j) % Grid::rowCount);
            if (cell.value != 0 || cell.given) continue;
            ShowHint(game, cell);
            host.StartTimer(HintTimerId(cell.column, cell.row), kHintMilliseconds, false);
            host.Repaint();
            return;
        }
    }
    host.ShowMessageBox(kNoEmptyTilesMessage, MessageIcon::Error, kHintErrorCaption);
}

void Assistance::OnHintTimer(int32_t id) {
    const auto position = HintTimerCell(id);
    if (!position) return;
    host.StopTimer(id);
    // A hint ended early (new game, the player's own change, Solve) leaves nothing to clear.
    Cell& cell = game.grid.At(position->column, position->row);
    if (cell.hinted) cell.ClearHint();
    host.Repaint();
}

void Assistance::Solve() {
    if (game.session.state != GameState::Playing) return;
    for (Cell& cell : game.grid) {
        cell.Reveal();
        // The revealed digit stays; the hint's timer must not take it away.
        if (cell.hinted) {
            cell.hinted = false;
            host.StopTimer(HintTimerId(cell.column, cell.row));
        }
    }
    EndGame(game, host.Now());
    host.Repaint();
}

void Assistance::ToggleShowMisplaced() {
    game.options.CheckGuess = !game.options.CheckGuess;
    if (hooks.saveOptions) hooks.saveOptions();
    host.Repaint();
}

void Assistance::ToggleHighlightSelection() {
    game.options.HighlightSelection = !game.options.HighlightSelection;
    if (hooks.saveOptions) hooks.saveOptions();
    host.Repaint();
}

void Assistance::ToggleHidePencilMarks() {
    game.session.hidePencilMarks = !game.session.hidePencilMarks;
    // The flag is not an option, but the command saves the options all the same.
    if (hooks.saveOptions) hooks.saveOptions();
    host.Repaint();
}

void Assistance::ToggleRevealSolutions() {
    game.session.revealSolutions = !game.session.revealSolutions;
    host.Repaint();
}

} // namespace zentile
