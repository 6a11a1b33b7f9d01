#pragma once

#include "print/PageMetrics.h"
#include "print/PrintEntry.h"
#include "print/PrintJob.h"

#include <QString>
#include <cstdint>

class QPainter;

namespace zentile {

// The printed pages, drawn in device pixels of a 300 dots-per-inch page whose printable area
// starts at (0, 0). Each painter leaves the painter's pen and font as it found them.

// Heading, footer and up to two puzzle grids with their givens and captions; takes the
// entries through the cursor.
void DrawPuzzlePage(QPainter& painter, const PageMetrics& metrics, PrintCursor& cursor);
// Heading, footer and up to twelve small grids with their solutions and captions.
void DrawSolutionPage(QPainter& painter, const PageMetrics& metrics, PrintCursor& cursor);

void DrawHeading(QPainter& painter, int32_t width, const QString& text);
void DrawFooter(QPainter& painter, int32_t width, int32_t height);
// The ten vertical lines, then the ten horizontal ones; every third is a thick box line.
void DrawGridLines(QPainter& painter, int32_t left, int32_t top, int32_t cellWidth,
                   int32_t cellHeight);
// The entry's digits or letters from values[first .. first + 80]: first 0 prints the
// givens, 81 the solution.
void DrawGridSymbols(QPainter& painter, int32_t left, int32_t top, int32_t cellWidth,
                     int32_t cellHeight, const PrintEntry& entry, int32_t first);
// The line under a printed grid, its level named in the player's language.
QString PrintedCaption(int32_t level, int32_t gameNumber);
void DrawCaption(QPainter& painter, int32_t left, int32_t top, int32_t cellWidth,
                 int32_t cellHeight, const QString& text);

} // namespace zentile
