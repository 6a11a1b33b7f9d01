#include "model/Game.h"

#include "model/Hints.h"
#include "model/Host.h"
#include "model/PuzzleDatabase.h"

namespace zentile {

void Initialise(Game& game, Host& host) {
    game.random.Seed(static_cast<uint32_t>(host.Now()));
    game.grid.ResetAll();
}

void ClearPlayRecord(Game& game) {
    game.undoLog.Clear();
    game.session.branchOpen = false;
    game.session.statistics = {};
}

void EndGame(Game& game, int64_t now) {
    game.session.clock.stoppedSeconds = game.session.ElapsedSeconds(now);
    game.session.clock.face = ClockFace::Stopped;
    ClearPlayRecord(game);
    game.session.state = GameState::NoGame;
}

void StartPlay(Game& game, Host& host, int32_t level, uint32_t gameNumber) {
    GameSession& session = game.session;
    EndPendingHints(game, host);
    ClearPlayRecord(game);
    session.state = GameState::Playing;
    session.clock.Start(host.Now());
    session.level = level;
    session.boardLevel = level;
    session.gameNumber = gameNumber;
}

void StartNumberedGame(Game& game, Host& host, uint32_t number) {
    // An own puzzle was played last (or a stored level is out of range): back to Medium.
    const int32_t level = game.session.level;
    StartPlay(game, host, level >= 0 && level < kDatabaseLevels ? level : 2, number);

    PuzzleRecord record{};
    LookupPuzzle(game.session.level, number, game.options.NumberGame, record, game.symbols);
    for (int32_t k = 0; k < Grid::cellCount; ++k) {
        Cell& cell = game.grid[k];
        cell.Reset(k / Grid::rowCount, k % Grid::rowCount);
        cell.given = record[k] != 0;
        cell.solution = record[Grid::cellCount + k];
    }
    host.SymbolsChanged(game.symbols);
}

} // namespace zentile
