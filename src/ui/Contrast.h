#pragma once

#include <QColor>

class QPalette;

namespace zentile {

// Contrast as a reader with low vision needs it: the relative luminance of a colour (0 for
// black, 1 for white) and the ratio of two colours' luminances, 1:1 to 21:1.
double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b);

// The colour moved toward white or black, whichever stands further from `against`, just far
// enough to reach the ratio; the colour itself when it reaches it already.
QColor WithContrast(const QColor& colour, const QColor& against, double ratio);

// A palette whose window colour is darker than mid-grey: the desktop runs a dark theme.
bool IsDark(const QPalette& palette);

} // namespace zentile
