#include "print/PagePainters.h"

#include "print/PageLayout.h"
#include "print/PrintTexts.h"
#include "ui/GridFont.h"
#include "ui/QtText.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace zentile {

namespace {

// The grid's pens are those of the game view; symbols and texts are black.
const QColor kGridColour(0, 0, 255);
const QColor kSymbolColour(0, 0, 0);
constexpr int kBoxPenWidth = 4;
constexpr int kCellPenWidth = 1;

// Heights are character-cell heights in device pixels, sized as the game view sizes its
// symbols, so a page looks the same whatever dpi the surface reports.
QFont PrintFont(int32_t height, bool italic = false) {
    QFont font = GridFont(height);
    font.setItalic(italic);
    return font;
}

// Text in a rectangle with the pen and font restored afterwards.
void DrawText(QPainter& painter, const QRectF& rect, int flags, const QFont& font,
              const QString& text) {
    painter.save();
    painter.setFont(font);
    painter.setPen(kSymbolColour);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(rect, flags, text);
    painter.restore();
}

constexpr int kWrappedTopCentre = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

void DrawGrid(QPainter& painter, const GridPlace& place, const PrintEntry& entry, int32_t first) {
    DrawGridLines(painter, place.left, place.top, place.cell, place.cell);
    DrawGridSymbols(painter, place.left, place.top, place.cell, place.cell, entry, first);
    DrawCaption(painter, place.left, place.top, place.cell, place.cell,
                PrintedCaption(entry.level, entry.gameNumber));
}

} // namespace

void DrawHeading(QPainter& painter, int32_t width, const QString& text) {
    const int32_t bandHeight = width / 10;
    DrawText(painter, QRect(0, page::kHeadingTop, width, bandHeight), kWrappedTopCentre,
             PrintFont(bandHeight / 3), text);
}

void DrawFooter(QPainter& painter, int32_t width, int32_t height) {
    const QRect band(0, height - page::kFooterHeight, width, page::kFooterHeight);
    const QFont font = PrintFont(page::kFooterFontHeight, true);
    // The texts keep six blanks' width off the page's left edge and eight off its right.
    const QFontMetricsF metrics(font, painter.device());
    const QRectF inside = QRectF(band).adjusted(metrics.horizontalAdvance(QString(6, ' ')), 0,
                                                -metrics.horizontalAdvance(QString(8, ' ')), 0);
    constexpr int kWrappedTop = Qt::AlignTop | Qt::TextWordWrap;
    DrawText(painter, inside, Qt::AlignLeft | kWrappedTop, font, Translate(kFooterCredit));
    DrawText(painter, inside, Qt::AlignRight | kWrappedTop, font, ToQString(kFooterAddress));
}

void DrawGridLines(QPainter& painter, int32_t left, int32_t top, int32_t cellWidth,
                   int32_t cellHeight) {
    const QPen boxPen(kGridColour, kBoxPenWidth);
    const QPen cellPen(kGridColour, kCellPenWidth);
    const int32_t right = left + 9 * cellWidth;
    const int32_t bottom = top + 9 * cellHeight;
    painter.save();
    for (int32_t i = 0; i <= 9; ++i) {
        const int32_t x = left + i * cellWidth;
        painter.setPen(i % 3 == 0 ? boxPen : cellPen);
        painter.drawLine(x, top, x, bottom);
    }
    for (int32_t j = 0; j <= 9; ++j) {
        const int32_t y = top + j * cellHeight;
        painter.setPen(j % 3 == 0 ? boxPen : cellPen);
        painter.drawLine(left, y, right, y);
    }
    painter.restore();
}

void DrawGridSymbols(QPainter& painter, int32_t left, int32_t top, int32_t cellWidth,
                     int32_t cellHeight, const PrintEntry& entry, int32_t first) {
    const QFont font = PrintFont(static_cast<int32_t>(cellHeight / 1.5));
    constexpr int kCentredLine = Qt::AlignCenter | Qt::TextSingleLine;
    for (int32_t i = 0; i < 9; ++i) {
        for (int32_t j = 0; j < 9; ++j) {
            const auto index = static_cast<std::size_t>(first + 9 * i + j);
            if (index >= entry.values.size()) continue;
            const int32_t v = entry.values[index];
            if (v < 1 || v > 9) continue; // 0 is an empty cell
            const QRect cell(left + i * cellWidth, top + j * cellHeight, cellWidth, cellHeight);
            const char symbol = entry.symbols[static_cast<std::size_t>(v)];
            DrawText(painter, cell, kCentredLine, font, QString(QLatin1Char(symbol)));
        }
    }
}

QString PrintedCaption(int32_t level, int32_t gameNumber) {
    return Translate(kCaptionFormat).arg(LevelText(level)).arg(gameNumber);
}

void DrawCaption(QPainter& painter, int32_t left, int32_t top, int32_t cellWidth,
                 int32_t cellHeight, const QString& text) {
    const QRect band(left, top + 9 * cellHeight + page::kCaptionGap, 9 * cellWidth,
                     page::kCaptionHeight);
    DrawText(painter, band, kWrappedTopCentre, PrintFont(page::kCaptionFontHeight), text);
}

void DrawPuzzlePage(QPainter& painter, const PageMetrics& metrics, PrintCursor& cursor) {
    DrawHeading(painter, metrics.width, Translate(kPuzzlePageHeading));
    DrawFooter(painter, metrics.width, metrics.height);
    for (int32_t slot = 0; slot < page::kPuzzlesPerPage && !cursor.AtEnd(); ++slot) {
        DrawGrid(painter, PuzzleGridPlace(metrics, slot), cursor.Current(), 0);
        cursor.Advance();
    }
}

void DrawSolutionPage(QPainter& painter, const PageMetrics& metrics, PrintCursor& cursor) {
    DrawHeading(painter, metrics.width, Translate(kSolutionPageHeading));
    DrawFooter(painter, metrics.width, metrics.height);
    for (int32_t slot = 0; slot < page::kSolutionsPerPage && !cursor.AtEnd(); ++slot) {
        DrawGrid(painter, SolutionGridPlace(slot), cursor.Current(), 81);
        cursor.Advance();
    }
}

} // namespace zentile
