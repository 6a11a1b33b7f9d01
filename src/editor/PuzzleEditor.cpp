#include "editor/PuzzleEditor.h"

#include "editor/EditorTexts.h"
#include "model/Game.h"
#include "model/Hints.h"
#include "model/Host.h"
#include "model/PuzzleDatabase.h"
#include "solver/SudokuSolver.h"

namespace zentile {

void StartEditing(Game& game, Host& host) {
    GameSession& session = game.session;
    EndPendingHints(game, host);
    ClearPlayRecord(game);
    game.grid.ResetAll();
    session.clock.face = ClockFace::Creating;
    session.gameNumber = 0;
    session.level = kCustomLevel;
    session.boardLevel = kCustomLevel;
    session.state = GameState::Editing;
    // Clues are typed as digits. The option changes for this run only; it is saved with the
    // next change the player makes.
    game.options.NumberGame = true;
    for (int d = 1; d <= 9; ++d) game.symbols[d] = kClassicSymbols[d];
    host.SymbolsChanged(game.symbols);
}

void PuzzleEditor::CreateGame() {
    const GameState state = game.session.state;
    if (state != GameState::NoGame && state != GameState::Playing) return;
    if (state == GameState::Playing && !host.AskYesNo(kCreateGameQuestion)) return;
    StartEditing(game, host);
    host.Repaint();
}

void PuzzleEditor::SaveAndPlay() {
    GameSession& session = game.session;
    if (session.state != GameState::Editing) return;
    // The grid's own column-major order: exchanging rows and columns keeps every rule of
    // the puzzle, and the solution comes back in the same order.
    SolverGrid clues{};
    for (int32_t k = 0; k < Grid::cellCount; ++k) clues[k] = game.grid[k].solution;
    SolverGrid solution{};
    const int count = solver.SolveGrid(clues, solution);
    if (count == 0) {
        host.ShowMessage(kNoSolutionMessage, MessageIcon::Exclamation);
        return;
    }
    if (count > 1) {
        host.ShowMessage(kMultipleSolutionsMessage, MessageIcon::Exclamation);
        return;
    }
    if (!host.AskYesNo(kUniqueSolutionQuestion)) return;
    // The typed cells stay the clues; every other cell is to be filled.
    for (int32_t k = 0; k < Grid::cellCount; ++k) game.grid[k].solution = solution[k];
    StartPlay(game, host, kCustomLevel, 0);
    host.Repaint();
}

void PuzzleEditor::CancelEditMode() {
    GameSession& session = game.session;
    if (session.state != GameState::Editing) return;
    if (!host.AskYesNo(kCancelEditQuestion)) return;
    ClearPlayRecord(game);
    game.grid.ResetAll();
    session.level = 2;
    session.state = GameState::NoGame;
    session.clock.elapsedBefore = 0;
    session.clock.runningSince = host.Now();
    session.clock.face = ClockFace::Blank;
    host.Repaint();
}

} // namespace zentile
