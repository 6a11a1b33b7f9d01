#pragma once

#include "model/Game.h"

#include <cstdint>

namespace zentile {

class Host;

// The play operations on one cell of game.grid. They record the old cell in the undo log and
// count into the statistics; SetValue also runs the completion check.

// Enters digit d (0 erases). An occupied cell keeps its digit until it is erased; in every case
// the pencil marks go and the cell's branch mark follows the open branch.
void SetValue(Game& game, Host& host, Cell& cell, int32_t d);
// Sets or clears pencil mark d (1..9), whatever the cell holds.
void TogglePencilMark(Game& game, Cell& cell, int32_t d);
// Shows the solution digit for a moment; not an entry, not logged.
void ShowHint(Game& game, Cell& cell);
// Every non-given cell holds its solution as the player's entry (a hint's digit is no entry).
bool IsComplete(const Grid& grid);
// Posts "puzzle solved" when the grid is complete.
void CheckCompletion(const Grid& grid, Host& host);

} // namespace zentile
