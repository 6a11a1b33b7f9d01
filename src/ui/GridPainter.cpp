#include "ui/GridPainter.h"

#include "model/Game.h"
#include "ui/GridFont.h"
#include "ui/GridPalette.h"
#include "ui/UiTexts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <optional>

namespace zentile {

namespace {

using namespace grid_geometry;

void DrawCentred(QPainter& painter, const QRect& rect, const QColor& colour, const QString& text) {
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, text);
}

void FillDisc(QPainter& painter, const QRect& rect, const QBrush& brush) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawEllipse(rect);
    painter.setBrush(Qt::NoBrush);
}

bool IsHighlighted(const Cell& cell, const Game& game) {
    const int32_t digit = game.session.currentDigit;
    if (!game.options.HighlightSelection || digit <= 0) return false;
    return (cell.given && cell.solution == digit) || cell.value == digit;
}

QColor EntryColour(const Cell& cell, const Game& game) {
    const GridPalette& palette = ThePalette();
    QColor colour = palette.entry;
    if (game.options.CheckGuess && cell.value != cell.solution) colour = palette.wrong;
    if (cell.inBranch) colour = palette.wrong;
    if (game.session.state == GameState::Paused) colour = palette.paused;
    return colour;
}

QString PencilText(const Cell& cell, const Game& game) {
    QString text;
    for (int32_t d = 1; d <= 9; ++d)
        if (cell.HasPencilMark(d)) text += QLatin1Char(' ') + SymbolText(game.symbols, d);
    return text;
}

// The two fonts of a cell of that height; none for a height too small to show them.
struct CellFonts {
    std::optional<QFont> symbol; // the cell height / 1.5, fraction dropped
    std::optional<QFont> pencil; // a third of the cell height
};

CellFonts FontsFor(int cellHeight) {
    CellFonts fonts;
    if (cellHeight * 2 / 3 > 0) fonts.symbol = GridFont(cellHeight * 2 / 3);
    if (cellHeight / 3 > 0) fonts.pencil = GridFont(cellHeight / 3);
    return fonts;
}

void DrawCellWith(QPainter& painter, const Cell& cell, const Game& game, const CellFonts& fonts) {
    const GridPalette& palette = ThePalette();
    const QRect rect(cell.left, cell.top, cell.width, cell.height);
    painter.fillRect(rect, (cell.column + cell.row) % 2 == 0 ? palette.evenCell : palette.oddCell);

    const QRect disc = rect.adjusted(kDiscInset, kDiscInset, -kDiscInset, -kDiscInset);
    if (cell.hinted) FillDisc(painter, disc, palette.hint);
    if (IsHighlighted(cell, game)) FillDisc(painter, disc, palette.highlight);

    if (!fonts.symbol) return;
    painter.setFont(*fonts.symbol);
    const bool paused = game.session.state == GameState::Paused;

    if (cell.given) {
        DrawCentred(painter, rect, paused ? palette.paused : palette.given,
                    SymbolText(game.symbols, cell.solution));
        return;
    }
    if (game.session.revealSolutions)
        DrawCentred(painter, rect, palette.reveal, SymbolText(game.symbols, cell.solution));
    if (cell.value != 0) {
        DrawCentred(painter, rect, EntryColour(cell, game), SymbolText(game.symbols, cell.value));
        return;
    }

    const QString pencil = PencilText(cell, game);
    if (pencil.isEmpty() || game.session.hidePencilMarks || !fonts.pencil) return;
    // Pencil marks keep the entry colour while paused.
    painter.setPen(palette.entry);
    painter.setFont(*fonts.pencil);
    painter.drawText(rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, pencil);
}

// "PAUSED" centred over the grid, a quarter of the view high, smaller where that would be wider
// than the grid less half a cell at either side: a longer word ("EN PAUSE") stays on the grid.
void DrawPauseText(QPainter& painter, const QRect& grid, int textHeight, int cellWidth) {
    const QString text = Translate(ui_text::kPaused);
    const int room = grid.width() - cellWidth;
    if (textHeight <= 0 || room <= 0) return;
    const qreal width = QFontMetricsF(GridFont(textHeight)).horizontalAdvance(text);
    if (width > room) textHeight = static_cast<int>(textHeight * room / width);
    // The width is not quite in proportion to the height: a pixel size is rounded.
    while (textHeight > 0 && QFontMetricsF(GridFont(textHeight)).horizontalAdvance(text) > room)
        --textHeight;
    if (textHeight <= 0) return;
    painter.setFont(GridFont(textHeight));
    DrawCentred(painter, grid, ThePalette().paused, text);
}

} // namespace

void DrawCell(QPainter& painter, const Cell& cell, const Game& game) {
    DrawCellWith(painter, cell, game, FontsFor(cell.height));
}

void DrawCursorFrame(QPainter& painter, const Cell& cell) {
    const QBrush& brush = ThePalette().cursor;
    const int x1 = cell.left + 2;
    const int y1 = cell.top + 2;
    const int x2 = cell.left + cell.width - 1; // exclusive, as the frame's rectangle is
    const int y2 = cell.top + cell.height - 2;
    if (x2 <= x1 || y2 <= y1) return;
    // Two pixels, inward from the rectangle: a one-pixel line is too thin to find at a glance.
    const int w = std::min(kCursorWidth, x2 - x1);
    const int h = std::min(kCursorWidth, y2 - y1);
    painter.fillRect(QRect(x1, y1, x2 - x1, h), brush);
    painter.fillRect(QRect(x1, y2 - h, x2 - x1, h), brush);
    painter.fillRect(QRect(x1, y1, w, y2 - y1), brush);
    painter.fillRect(QRect(x2 - w, y1, w, y2 - y1), brush);
}

void DrawGridLines(QPainter& painter, const GridLayout& layout) {
    const GridPalette& palette = ThePalette();
    const int left = layout.gridLeft;
    const int top = layout.gridTop;
    const int right = left + Grid::columnCount * layout.cellWidth;
    const int bottom = top + Grid::rowCount * layout.cellHeight;
    // A line from (x, top) to (x, bottom): the 1-pixel pen covers x, from top to the pixel
    // before bottom; the 4-pixel round-capped pen covers x - 2 .. x + 1 from top - 1 to bottom,
    // and its caps add two pixels in the middle one row further out at each end.
    for (int i = 0; i <= Grid::columnCount; ++i) {
        const int x = left + i * layout.cellWidth;
        if (i % 3 != 0) {
            painter.fillRect(QRect(x, top, 1, bottom - top), palette.cellPen.brush());
            continue;
        }
        const QBrush& brush = palette.boxPen.brush();
        painter.fillRect(QRect(x - 2, top - 1, 4, bottom - top + 2), brush);
        painter.fillRect(QRect(x - 1, top - 2, 2, 1), brush);
        painter.fillRect(QRect(x - 1, bottom + 1, 2, 1), brush);
    }
    for (int i = 0; i <= Grid::rowCount; ++i) {
        const int y = top + i * layout.cellHeight;
        if (i % 3 != 0) {
            painter.fillRect(QRect(left, y, right - left, 1), palette.cellPen.brush());
            continue;
        }
        const QBrush& brush = palette.boxPen.brush();
        painter.fillRect(QRect(left - 1, y - 2, right - left + 2, 4), brush);
        painter.fillRect(QRect(left - 2, y - 1, 1, 2), brush);
        painter.fillRect(QRect(right + 1, y - 1, 1, 2), brush);
    }
}

void PaintGrid(QPainter& painter, QSize client, Game& game) {
    const GridPalette& palette = ThePalette();
    const QRect clientRect(QPoint(0, 0), client);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    GridLayout& layout = game.layout;
    layout.cellWidth = (client.width() - kAllowance) / Grid::columnCount;
    layout.cellHeight = (client.height() - kAllowance) / Grid::rowCount;
    layout.gridLeft = kGridOffset;
    layout.gridTop = kGridOffset;
    const int w = Grid::columnCount * layout.cellWidth + 26;
    const int h = Grid::rowCount * layout.cellHeight + 26;

    // The background where the cells leave it showing; each cell fills its own square, so
    // the grid's area, most of a large window, is filled once and not twice.
    const QRect cells(layout.gridLeft, layout.gridTop, Grid::columnCount * layout.cellWidth,
                      Grid::rowCount * layout.cellHeight);
    const QColor background = palette.background;
    if (cells.isEmpty()) {
        painter.fillRect(clientRect, background);
    } else {
        painter.fillRect(QRect(0, 0, client.width(), cells.top()), background);
        painter.fillRect(QRect(0, cells.top(), cells.left(), cells.height()), background);
        painter.fillRect(QRect(cells.right() + 1, cells.top(), client.width() - cells.right() - 1,
                               cells.height()),
                         background);
        painter.fillRect(
            QRect(0, cells.bottom() + 1, client.width(), client.height() - cells.bottom() - 1),
            background);
    }

    // The band: a shadowed upper-left part and a light lower-right part meeting on the
    // diagonals, so the grid looks sunk into the window.
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.frameShadow);
    painter.drawPolygon(QPolygon({QPoint(5, 5), QPoint(w + 5, 5), QPoint(w + 1, 9), QPoint(9, 9),
                                  QPoint(9, h + 1), QPoint(5, h + 5)}),
                        Qt::OddEvenFill);
    painter.setBrush(palette.frameLight);
    painter.drawPolygon(QPolygon({QPoint(w + 5, 5), QPoint(w + 5, h + 5), QPoint(5, h + 5),
                                  QPoint(9, h + 1), QPoint(w + 1, h + 1), QPoint(w + 1, 9)}),
                        Qt::OddEvenFill);
    painter.setBrush(Qt::NoBrush);

    // Every cell has the same height, so its fonts are made once for the whole paint.
    const CellFonts fonts = FontsFor(layout.cellHeight);
    for (Cell& cell : game.grid) {
        cell.width = layout.cellWidth;
        cell.height = layout.cellHeight;
        cell.left = layout.gridLeft + cell.column * layout.cellWidth;
        cell.top = layout.gridTop + cell.row * layout.cellHeight;
        DrawCellWith(painter, cell, game, fonts);
    }

    // The lines go over the cell fills; every third one is a box border.
    DrawGridLines(painter, layout);

    const GameSession& session = game.session;
    if (session.CursorShown())
        DrawCursorFrame(painter, game.grid.At(session.cursorColumn, session.cursorRow));

    if (session.state == GameState::Paused)
        DrawPauseText(painter, cells, client.height() / 4, layout.cellWidth);
    painter.restore();
}

} // namespace zentile
