#pragma once

#include "model/GameClock.h"
#include "model/Grid.h"
#include "model/PlayStatistics.h"

#include <cstdint>

namespace zentile {

enum class GameState : int32_t { NoGame = 0, Playing = 1, Paused = 2, Editing = 3 };

// The state of the game in progress. The game kind (digits or letters) is the option
// NumberGame of GameOptions; `level` is the stored option GameLevel itself, the level of the
// next numbered game, which Difficulty changes while a game of another level is on the board.
struct GameSession {
    GameState state = GameState::NoGame;
    int32_t level = 2;       // 0..4 the database levels, 5 a puzzle of the player's own
    int32_t boardLevel = 5;  // the level of the puzzle on the board; an empty board is an own
                             // puzzle without clues
    uint32_t gameNumber = 0; // 0: not a database game (none yet, own puzzle, saved file)
    bool branchOpen = false;
    bool hidePencilMarks = false; // not kept between runs
    bool revealSolutions = false; // not kept between runs
    int32_t currentDigit = -1;    // -1 none, 0 the eraser, 1..9
    int32_t cursorColumn = -1;    // -1: the keyboard cursor is hidden
    int32_t cursorRow = -1;
    PlayStatistics statistics;
    GameClock clock;

    bool InGame() const { return state == GameState::Playing || state == GameState::Paused; }
    bool CursorShown() const {
        return cursorColumn != -1 && Grid::Contains(cursorColumn, cursorRow);
    }
    // The game's time: running while Playing, frozen otherwise.
    int64_t ElapsedSeconds(int64_t now) const {
        return state == GameState::Playing ? clock.Elapsed(now) : clock.Elapsed(clock.runningSince);
    }
};

// A solved, timed game of a database level, handed to the best results. The statistics are
// those of the game, taken before they are cleared.
struct GameResult {
    int64_t elapsedSeconds = 0;
    int32_t level = 0;
    PlayStatistics statistics;
};

// From Playing: the clock stops and the game is Paused. Returns whether it paused.
bool Pause(GameSession& session, int64_t now);
// From Paused: the clock runs on from where it stopped. Returns whether it resumed.
bool Resume(GameSession& session, int64_t now);
// The click on the clock pane: pauses a running game, resumes a paused one.
bool TogglePause(GameSession& session, int64_t now);

} // namespace zentile
