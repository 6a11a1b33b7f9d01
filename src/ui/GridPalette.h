#pragma once

#include <QBrush>
#include <QColor>
#include <QPalette>
#include <QPen>

namespace zentile {

// The grid's geometry in the view: a 5-pixel margin, a 4-pixel bevelled band and a 9-pixel gap,
// so the grid always starts 18 pixels in; twice that is taken off each side before dividing by 9.
namespace grid_geometry {
inline constexpr int kOuterMargin = 5;
inline constexpr int kFrameBand = 4;
inline constexpr int kInnerGap = 9;
inline constexpr int kGridOffset = kOuterMargin + kFrameBand + kInnerGap;
inline constexpr int kAllowance = 2 * kGridOffset;
inline constexpr int kDiscInset = 10; // hint and highlight discs sit this far inside the cell
inline constexpr int kCursorWidth = 2;
} // namespace grid_geometry

// The pens, brushes and colours of the grid. The light look is the game's own; under a dark
// desktop palette a dark set is derived from it that keeps every symbol at 4.5:1 or more against
// its cell and the keyboard cursor at 3:1 or more. The printed pages have colours of their own
// and print alike whatever the palette.
struct GridPalette {
    QBrush frameShadow{QColor(172, 168, 153)};
    QBrush frameLight{QColor(255, 255, 255)};
    QPen boxPen{QBrush(QColor(0, 0, 255)), 4, Qt::SolidLine, Qt::RoundCap};
    QPen cellPen{QBrush(QColor(0, 0, 255)), 1, Qt::SolidLine, Qt::FlatCap};
    QBrush evenCell{QColor(255, 255, 255)};
    QBrush oddCell{QColor(245, 245, 245)};
    QBrush hint{QColor(0, 255, 255)};
    QBrush highlight{QColor(152, 251, 152)};
    QBrush cursor{QColor(255, 0, 0)};

    QColor background{236, 233, 216};
    QColor given{0, 0, 0};
    QColor entry{0, 0, 255};   // also the pencil marks
    QColor wrong{178, 34, 34}; // misplaced entries and entries made in a branch
    QColor paused{223, 223, 223};
    QColor reveal{255, 0, 0};

    // The light look for a light palette, a set taken from the palette for a dark one.
    static GridPalette For(const QPalette& palette);
};

// The palette for the application's palette as it is now: it follows a desktop that changes
// its theme while the game runs.
const GridPalette& ThePalette();

} // namespace zentile
