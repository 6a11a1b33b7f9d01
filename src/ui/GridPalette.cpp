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

} // namespace

GridPalette GridPalette::For(const QPalette& palette) {
    GridPalette grid;
    if (!IsDark(palette)) return grid;
    const GridPalette light;
    const QColor white(Qt::white);

    // The fills: the palette's own, darkened where needed so that light text reads on them;
    // the discs keep the light look's hues.
    const QColor even = WithContrast(palette.color(QPalette::Base), white, kFillContrast);
    // The odd fill a touch lighter (the light look's is a touch darker), the lighter of the two.
    const QColor odd = WithContrast(even, even, 1.1);
    const QColor hint = WithContrast(light.hint.color(), white, kFillContrast);
    const QColor highlight = WithContrast(light.highlight.color(), white, kFillContrast);
    grid.evenCell.setColor(even);
    grid.oddCell.setColor(odd);
    grid.hint.setColor(hint);
    grid.highlight.setColor(highlight);
    grid.background = palette.color(QPalette::Window);
    grid.frameShadow.setColor(palette.color(QPalette::Shadow));
    grid.frameLight.setColor(palette.color(QPalette::Light));

    // A symbol can sit on either cell fill or on a disc: it is measured against the lightest.
    const auto darker = [](const QColor& a, const QColor& b) {
        return RelativeLuminance(a) < RelativeLuminance(b);
    };
    const QColor lightest = std::max({even, odd, hint, highlight}, darker);
    grid.given = WithContrast(palette.color(QPalette::Text), lightest, kTextContrast);
    grid.entry = WithContrast(light.entry, lightest, kTextContrast);
    grid.wrong = WithContrast(light.wrong, lightest, kTextContrast);
    grid.reveal = WithContrast(light.reveal, lightest, kTextContrast);
    // Paused symbols are meant to fade into the cells, as they do in the light look.
    grid.paused = WithContrast(even, even, 1.5);
    grid.cursor.setColor(WithContrast(light.cursor.color(), odd, kCursorContrast));
    const QColor line = WithContrast(light.boxPen.color(), odd, kLineContrast);
    grid.boxPen.setColor(line);
    grid.cellPen.setColor(line);
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
