#include "ui/GridPalette.h"

#include "ui/Contrast.h"

#include <QGuiApplication>
#include <algorithm>

namespace zentile {

namespace {

constexpr double kTextContrast = 4.5;
constexpr double kCursorContrast = 4.5; // a margin above the 3:1 a frame needs
constexpr double kLineContrast = 3.0;
// Dark fills leave light text at least this much, so every symbol colour can reach 4.5:1.
constexpr double kFillContrast = 10.0;

void SetColour(QBrush& brush, const QColor& colour) {
    brush.setColor(colour);
}

void SetColour(QPen& pen, const QColor& colour) {
    pen.setBrush(QBrush(colour));
}

} // namespace

GridPalette GridPalette::For(const QPalette& palette) {
    GridPalette grid;
    if (!IsDark(palette)) return grid;
    const GridPalette light;
    const QColor white(Qt::white);

    // The fills: the palette's own, darkened where needed so that light text reads on them;
    // the discs keep the light look's hues.
    const QColor even = WithContrast(palette.color(QPalette::Base), white, kFillContrast);
    const QColor odd = even.lighter(115);
    const QColor hint = WithContrast(light.hint.color(), white, kFillContrast);
    const QColor highlight = WithContrast(light.highlight.color(), white, kFillContrast);
    SetColour(grid.evenCell, even);
    SetColour(grid.oddCell, odd);
    SetColour(grid.hint, hint);
    SetColour(grid.highlight, highlight);
    grid.background = palette.color(QPalette::Window);
    SetColour(grid.frameShadow, palette.color(QPalette::Shadow));
    SetColour(grid.frameLight, palette.color(QPalette::Light));

    // A symbol can sit on either cell fill or on a disc: it is measured against the lightest.
    const auto darker = [](const QColor& a, const QColor& b) {
        return RelativeLuminance(a) < RelativeLuminance(b);
    };
    const QColor lightest = std::max({even, odd, hint, highlight}, darker);
    const QColor lighterCell = std::max(even, odd, darker);
    grid.given = WithContrast(palette.color(QPalette::Text), lightest, kTextContrast);
    grid.entry = WithContrast(light.entry, lightest, kTextContrast);
    grid.wrong = WithContrast(light.wrong, lightest, kTextContrast);
    grid.reveal = WithContrast(light.reveal, lightest, kTextContrast);
    // Paused symbols are meant to fade into the cells, as they do in the light look.
    grid.paused = even.lighter(170);
    SetColour(grid.cursor, WithContrast(light.cursor.color(), lighterCell, kCursorContrast));
    const QColor line = WithContrast(light.boxPen.color(), lighterCell, kLineContrast);
    SetColour(grid.boxPen, line);
    SetColour(grid.cellPen, line);
    return grid;
}

const GridPalette& ThePalette() {
    static GridPalette palette;
    static qint64 madeFor = -1;
    const QPalette application = QGuiApplication::palette();
    if (application.cacheKey() != madeFor) {
        palette = GridPalette::For(application);
        madeFor = application.cacheKey();
    }
    return palette;
}

} // namespace zentile
