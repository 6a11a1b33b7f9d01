#pragma once

#include "model/GameOptions.h"
#include "model/GameSession.h"
#include "model/Grid.h"
#include "model/GridLayout.h"
#include "model/RandomSource.h"
#include "model/SymbolSet.h"
#include "model/UndoLog.h"

#include <cstdint>

namespace zentile {

class Host;

// Everything a game is made of. The application makes one for its whole run; tests make as
// many as they like. Handlers reach it by reference, never through globals.
struct Game {
    Grid grid;
    SymbolSet symbols = kClassicSymbols;
    UndoLog undoLog;
    GameSession session;
    GameOptions options;
    RandomSource random;
    GridLayout layout;
};

// Once, as the game view is created: seeds the random source from the clock and empties
// every cell. No game is started.
void Initialise(Game& game, Host& host);

// Starts the database puzzle of that number in the current level (level 5 falls back to 2)
// and the game kind of the options, with a fresh clock and a clean undo log and statistics.
void StartNumberedGame(Game& game, Host& host, uint32_t number);

// Every way into play (a numbered game, a saved game, an own puzzle) ends here: no hint of
// the board before, a clean play record, the clock from zero. The level becomes the game's
// and that of the next game too. The caller fills the cells.
void StartPlay(Game& game, Host& host, int32_t level, uint32_t gameNumber);

// Forgets the help record of a game: empty undo log, no branch, statistics zero. Every start
// and end of a game does it.
void ClearPlayRecord(Game& game);

// Ends the game on the board (solved or Solve): the clock pane keeps the final time, the
// play record goes and the state becomes NoGame.
void EndGame(Game& game, int64_t now);

} // namespace zentile
