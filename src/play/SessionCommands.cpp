#include "play/SessionCommands.h"

#include "model/CellOperations.h"
#include "model/Game.h"
#include "model/Host.h"
#include "model/PuzzleDatabase.h"
#include "play/GameController.h"
#include "play/Texts.h"

namespace zentile {

void SessionCommands::New() {
    if (game.session.state != GameState::NoGame && !host.AskYesNo(kNewGameQuestion)) return;
    // Both draws are below 2^15, so the product stays a non-negative 32-bit number.
    const int32_t r1 = game.random.Draw();
    const int32_t r2 = game.random.Draw();
    StartNumberedGame(game, host, static_cast<uint32_t>((r1 * r2) % 1000000));
    host.Repaint();
}

void SessionCommands::PauseOrContinue() {
    if (TogglePause(game.session, host.Now())) host.Repaint();
}

void SessionCommands::OnPuzzleSolved() {
    // The message is handled later than it was posted; whatever came in between (another
    // game started, a cell erased) must not be taken for a solved puzzle.
    if (game.session.state != GameState::Playing || !IsComplete(game.grid)) return;
    const int64_t now = host.Now();
    const GameSession& session = game.session;
    // Filed under the level of the game just solved, not the one chosen for the next game.
    const int32_t level = session.boardLevel;
    if (game.options.TimedGame && level >= 0 && level < kDatabaseLevels && hooks.gameResult)
        hooks.gameResult({session.ElapsedSeconds(now), level, session.statistics});
    EndGame(game, now);
    host.Repaint();
    host.ShowMessage(kSolvedMessage, MessageIcon::Information);
}

} // namespace zentile
