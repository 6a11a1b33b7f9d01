#pragma once

#include "model/Game.h"
#include "model/Host.h"
#include "print/PrintJob.h"

#include <cstdint>
#include <optional>

namespace zentile {

// The job of "Print Current Puzzle": the database record of the game on the board, printed
// with the symbols on screen, and the player's answer whether to add its solution. Nothing,
// after telling the player, when the board holds no database game (none yet, an own puzzle,
// a game opened from a file).
std::optional<PrintJob> MakeCurrentPuzzleJob(const Game& game, Host& host);

// The level of the database game on the board. The session's level names the level of the
// next game as soon as the Difficulty dialog changes it, so the board is matched against the
// records that its game number selects, the session's level first; without a match the
// session's level stands.
int32_t BoardLevel(const Game& game);

} // namespace zentile
