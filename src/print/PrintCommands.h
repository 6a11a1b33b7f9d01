#pragma once

#include "model/Game.h"
#include "model/Host.h"

class QWidget;

namespace zentile {

// File > Print > Current Puzzle: the database puzzle on the board (refused, with a message,
// for own puzzles, opened games and the empty board), with its solution page if the player
// wants it, in the symbols shown on screen.
void PrintCurrentPuzzle(const Game& game, Host& host, QWidget* parent);

// File > Print > Booklet: the booklet dialog, then the chosen number of random puzzles of the
// chosen levels. The draws come from the game's random source.
void PrintBooklet(Game& game, QWidget* parent);

} // namespace zentile
