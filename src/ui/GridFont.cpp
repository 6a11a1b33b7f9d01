#include "ui/GridFont.h"

#include <QFontMetricsF>

namespace zentile {

namespace {

// The face's em height per pixel of character cell, measured once at a large size.
qreal EmPerCellHeight() {
    static const qreal ratio = [] {
        QFont font(QStringLiteral("Arial"));
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(1000);
        const QFontMetricsF metrics(font);
        const qreal cell = metrics.ascent() + metrics.descent();
        return cell > 0 ? 1000.0 / cell : 1.0;
    }();
    return ratio;
}

} // namespace

QFont GridFont(int characterCellHeight) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    // The height names the whole character cell; the toolkit's pixel size is the smaller em.
    font.setPixelSize(qMax(1, qRound(characterCellHeight * EmPerCellHeight())));
    return font;
}

} // namespace zentile
