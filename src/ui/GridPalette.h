#pragma once

#include <QBrush>
#include <QColor>
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
} // namespace grid_geometry

// Colours that are not drawing objects of their own.
namespace grid_colour {
inline constexpr QRgb kBackground = qRgb(236, 233, 216);
inline constexpr QRgb kGiven = qRgb(0, 0, 0);
inline constexpr QRgb kEntry = qRgb(0, 0, 255);
inline constexpr QRgb kWrong = qRgb(178, 34, 34);
inline constexpr QRgb kPaused = qRgb(223, 223, 223);
inline constexpr QRgb kReveal = qRgb(255, 0, 0);
} // namespace grid_colour

// The pens and brushes of the grid, made once for the whole run. The printed pages draw their
// grids with the same two pens.
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
};

const GridPalette& ThePalette();

} // namespace zentile
