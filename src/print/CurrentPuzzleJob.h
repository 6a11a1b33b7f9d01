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

} // namespace zentile
