#pragma once

#include <QSize>

class QPainter;

namespace zentile {

struct Cell;
struct Game;
struct GridLayout;

// Paints the whole picture of the game view into a client area of the given size (origin at
// 0, 0): background, frame band, cells, grid lines, keyboard cursor and the pause overlay.
// Besides reading the game it records the layout and every cell's pixel square, which mouse
// input hit-tests against.
void PaintGrid(QPainter& painter, QSize client, Game& game);

// One cell in the square stored in it: fill, discs, then its symbol, entry or pencil marks.
void DrawCell(QPainter& painter, const Cell& cell, const Game& game);

// The keyboard cursor's frame, two pixels wide inside the rectangle inset 2 on the left and
// top, 1 on the right and 2 at the bottom.
void DrawCursorFrame(QPainter& painter, const Cell& cell);

// The ten vertical and ten horizontal lines of the laid-out grid, every third one a box
// border: the pixels the palette's box and cell pens cover, filled as rectangles, which is
// several times quicker than stroking the wide round-capped pen.
void DrawGridLines(QPainter& painter, const GridLayout& layout);

} // namespace zentile
